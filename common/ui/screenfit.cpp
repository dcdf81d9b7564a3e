// Fitting windows into the available screen area, with a scroll area where the content is larger.
#include "common/ui/screenfit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {

QRect fit(const QRect &frame, const QRect &available, const QRect &keepClear)
{
    QRect area = available;
    // A window to keep clear of at the area's right or left edge narrows the area, unless the
    // window stands clear of it already.
    if (keepClear.isValid() && frame.intersects(keepClear)) {
        if (keepClear.left() > area.center().x())
            area.setRight(std::min(area.right(), keepClear.left() - 1));
        else
            area.setLeft(std::max(area.left(), keepClear.right() + 1));
    }
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    if (fitted.right() > area.right())
        fitted.moveRight(area.right());
    if (fitted.bottom() > area.bottom())
        fitted.moveBottom(area.bottom());
    if (fitted.left() < area.left())
        fitted.moveLeft(area.left());
    if (fitted.top() < area.top())
        fitted.moveTop(area.top());
    return fitted;
}

bool fitMainWindow(QMainWindow *window, const QRect &available, const QRect &keepClear)
{
    const QRect frame = window->frameGeometry();
    const QRect fitted = fit(frame, available, keepClear);
    if (fitted == frame)
        return false;
    // The frame's decoration stays; the client area shrinks by what the frame lost.
    const QSize decoration = frame.size() - window->size();
    const QSize client = fitted.size() - decoration;
    if (fitted.size() != frame.size() && !qobject_cast<QScrollArea *>(window->centralWidget())) {
        QWidget *content = window->takeCentralWidget();
        auto *scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("ScreenFit"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(content);
        window->setCentralWidget(scroll);
        // The window's own size was fixed by its layout; now the scroll area takes what is left.
        window->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->setFixedSize(client);
    } else if (fitted.size() != frame.size()) {
        window->setFixedSize(client);
    }
    window->move(fitted.topLeft());
    return true;
}

void keepInside(QWidget *window, const QRect &available)
{
    const QRect frame = window->frameGeometry();
    const QRect fitted = fit(frame, available);
    if (fitted.topLeft() != frame.topLeft())
        window->move(fitted.topLeft());
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace ScreenFit
