// Windows that fit a small or strongly scaled screen: nothing off-screen, a side window not covered.
#pragma once

#include <QRect>

class QMainWindow;
class QWidget;

namespace ScreenFit {

// Where a window whose frame is at `frame` goes within the available screen area: moved inside
// it, and no larger than it. A window to keep clear of (the status window at the top right) takes
// its columns off the area when the window would otherwise cover it.
QRect fit(const QRect &frame, const QRect &available, const QRect &keepClear = {});

// Fits a main window of fixed size into the area: when it does not fit as it is, its central
// widget goes into a scroll area and the window takes the size and place that fit() gives.
// Returns whether the window had to change.
bool fitMainWindow(QMainWindow *window, const QRect &available, const QRect &keepClear = {});

// Moves a window of fixed size (a dialog) inside the available area of its screen.
void keepInside(QWidget *window, const QRect &available);

// The available area of the screen the window is on (or of the primary screen).
QRect availableArea(const QWidget *window);

} // namespace ScreenFit
