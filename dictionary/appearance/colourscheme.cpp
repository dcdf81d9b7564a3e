// The colour scheme: painting the coloured windows and driving the cycles from tmeFarben.
#include "dictionary/appearance/colourscheme.h"

#include <QApplication>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>

namespace Zembrota {

QColor Background::toQColor() const
{
    return colour ? colour->toQColor() : ColourScheme::systemfarbe();
}

ColourScheme::ColourScheme(QObject *parent) : QObject(parent), m_tmeFarben(new QTimer(this))
{
    m_tmeFarben->setObjectName(QStringLiteral("tmeFarben"));
    m_tmeFarben->setInterval(0);
    connect(m_tmeFarben, &QTimer::timeout, this, &ColourScheme::tmeFarben_Timer);
}

void ColourScheme::addWindow(Window order, QWidget *window)
{
    const auto slot = std::size_t(order);
    m_windows[slot] = window;
    if (m_missedPainting[slot])
        paint(window, m_current);
    m_missedPainting[slot] = false;
}

void ColourScheme::removeWindow(Window order)
{
    m_windows[std::size_t(order)] = nullptr;
}

QWidget *ColourScheme::window(Window order) const
{
    return m_windows[std::size_t(order)];
}

QColor ColourScheme::systemfarbe()
{
    return QApplication::palette().color(QPalette::Button);
}

void ColourScheme::paint(QWidget *window, const Background &background)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background.toQColor());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    keepControlsOwnColour(window);
}

void ColourScheme::keepControlsOwnColour(QWidget *window)
{
    // Only the window's own background takes the colour: the frames, labels, buttons and fields on
    // it keep the standard face colour, or the background they were given. A control with colours
    // of its own (a blue link, a red message) keeps them but stands on the face colour too, so
    // that its text stays readable on every window colour. A main window's controls stand on its
    // client area, which is the window's background; its menu bar is a control.
    QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget()) {
        controls.removeOne(main->centralWidget());
        controls += main->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    }
    for (QWidget *control : std::as_const(controls)) {
        if (control->isWindow())
            continue;
        QPalette own = control->palette();
        const bool ownBackground =
            control->testAttribute(Qt::WA_SetPalette) && own.isBrushSet(QPalette::Active, QPalette::Window);
        if (ownBackground)
            continue;
        own.setColor(QPalette::Window, systemfarbe());
        control->setPalette(own);
        control->setAutoFillBackground(true);
    }
}

void ColourScheme::FensterFaerben(const Background &background)
{
    m_current = background;
    for (std::size_t slot = 0; slot < m_windows.size(); ++slot) {
        if (m_windows[slot])
            paint(m_windows[slot], background);
        else
            m_missedPainting[slot] = true; // a window created later takes this colour
    }
    Q_EMIT painted(background);
}

void ColourScheme::EinstellungenAnwenden(bool loaded)
{
    const Farbeinstellung &e = m_settings;
    if (!loaded || e.mode == ColourMode::Standard) {
        FensterFaerben(Background::systemfarbe());
    } else if (e.mode == ColourMode::Fixed) {
        FensterFaerben(Background::of({e.rot, e.gelb, e.blau}));
    } else if (e.wechselzeit < 0) {
        // A negative interval drives no timer: the same as a failed load.
        FensterFaerben(Background::systemfarbe());
    } else {
        // The windows keep their colour until the first tick, one interval later.
        startCycle(e.wechselzeit);
    }
}

void ColourScheme::tmeFarben_Timer()
{
    if (m_settings.mode != ColourMode::Cycling)
        return;
    const std::optional<TwoColourCycle> cycle = twoColourCycle(m_settings.cycle);
    const Colour colour = cycle ? WechselSchritt(m_cycleState, *cycle) : WechselAlleSchritt(m_cycleState);
    FensterFaerben(Background::of(colour));
}

void ColourScheme::startCycle(int intervalMs)
{
    m_running = true;
    m_interval = intervalMs;
    m_tmeFarben->setInterval(intervalMs);
    if (intervalMs > 0)
        m_tmeFarben->start();
    else
        m_tmeFarben->stop();
}

void ColourScheme::stopCycle()
{
    m_running = false;
    m_tmeFarben->stop();
}

} // namespace Zembrota
