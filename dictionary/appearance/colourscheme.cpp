// The colour scheme: painting the coloured windows and driving the cycles from tmeFarben.
#include "dictionary/appearance/colourscheme.h"

#include <QApplication>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>

QColor Hintergrund::toQColor() const
{
    return farbe ? farbe->toQColor() : ColourScheme::systemfarbe();
}

ColourScheme::ColourScheme(QObject *parent) : QObject(parent)
{}

void ColourScheme::setWindow(int order, WindowGetter getter)
{
    if (order >= 0 && order < windowCount)
        m_windows[order] = std::move(getter);
}

void ColourScheme::setTimerHost(WindowGetter getter)
{
    m_timerHost = std::move(getter);
}

QColor ColourScheme::systemfarbe()
{
    return QApplication::palette().color(QPalette::Button);
}

void ColourScheme::paint(QWidget *window, const Hintergrund &hintergrund)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, hintergrund.toQColor());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    keepControlsOwnColour(window);
}

void ColourScheme::keepControlsOwnColour(QWidget *window)
{
    // Only the window's own background takes the colour: the frames, labels, buttons and fields on
    // it keep the standard face colour, or the colour they were given. A main window's controls
    // stand on its client area, which is the window's background; its menu bar is a control.
    QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget()) {
        controls.removeOne(main->centralWidget());
        controls += main->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    }
    for (QWidget *control : std::as_const(controls)) {
        if (control->isWindow() || control->testAttribute(Qt::WA_SetPalette))
            continue;
        QPalette own = control->palette();
        own.setColor(QPalette::Window, systemfarbe());
        control->setPalette(own);
        control->setAutoFillBackground(true);
    }
}

void ColourScheme::FensterFaerben(const Hintergrund &hintergrund)
{
    m_current = hintergrund;
    // A getter that creates its window may run code that registers windows anew; iterate a copy.
    const std::array<WindowGetter, windowCount> windows = m_windows;
    for (const WindowGetter &getter : windows) {
        if (!getter)
            continue;
        if (QWidget *window = getter())
            paint(window, hintergrund);
    }
    Q_EMIT painted(hintergrund);
}

void ColourScheme::EinstellungenAnwenden(bool geladen)
{
    const Farbeinstellung &e = m_einstellung;
    if (!geladen || e.modus == QLatin1String("WS")) {
        FensterFaerben(Hintergrund::systemfarbe());
    } else if (e.modus == QLatin1String("BF")) {
        FensterFaerben(Hintergrund::aus({e.rot, e.gelb, e.blau}));
    } else if (e.wechselzeit < 0) {
        // A negative interval drives no timer: the same as a failed load.
        FensterFaerben(Hintergrund::systemfarbe());
    } else {
        // The windows keep their colour until the first tick, one interval later.
        startCycle(e.wechselzeit);
    }
}

void ColourScheme::tmeFarben_Timer()
{
    const QString &modus = m_einstellung.modus;
    if (modus == QLatin1String("BF") || modus == QLatin1String("WS"))
        return;
    const std::optional<Zyklus> zyklus = zyklusAusCode(m_einstellung.wechselart);
    const Farbe farbe = zyklus ? WechselSchritt(m_zustand, *zyklus) : WechselAlleSchritt(m_zustand);
    FensterFaerben(Hintergrund::aus(farbe));
}

QTimer *ColourScheme::tmeFarben()
{
    if (!m_timer) {
        const WindowGetter hostGetter = m_timerHost;
        QObject *host = hostGetter ? hostGetter() : nullptr;
        // A main window created just now has taken the timer already.
        if (!m_timer)
            createTimer(host ? host : this);
    }
    return m_timer;
}

void ColourScheme::hostTimer(QObject *host)
{
    if (m_timer && m_timer->parent() == host)
        return;
    // A timer the scheme kept for itself, or one left on an earlier window, moves to the new host.
    delete m_timer.data();
    createTimer(host);
}

void ColourScheme::createTimer(QObject *parent)
{
    m_timer = new QTimer(parent);
    m_timer->setObjectName(QStringLiteral("tmeFarben"));
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &ColourScheme::tmeFarben_Timer);
    // A host window created afresh gets a new timer; what it should do is kept here.
    if (m_running && m_interval > 0)
        m_timer->start();
}

void ColourScheme::startCycle(int intervalMs)
{
    m_running = true;
    m_interval = intervalMs;
    QTimer *timer = tmeFarben();
    timer->setInterval(intervalMs);
    if (intervalMs > 0)
        timer->start();
    else
        timer->stop();
}

void ColourScheme::stopCycle()
{
    m_running = false;
    tmeFarben()->stop();
}
