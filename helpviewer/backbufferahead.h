// The window's back buffer made present in one call before the first frame is painted into it.
#pragma once

#include <QObject>

class QWidget;

namespace Viewer {

// The first frame writes every page of the window's back buffer, a fresh shared-memory block of
// about 240 pages for the viewer's window. Each first write to a page traps into the kernel, which
// on a virtual machine costs about ten microseconds; made present in one call, the block costs the
// window's thread less than half of that. Installed on a top-level window before it is shown, this
// waits for the window's first update request, gives the back buffer the window's size there (as
// Qt would next) and makes its pages present; then it removes and deletes itself. Later frames
// find the pages present anyway.
class BackBufferAhead : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BackBufferAhead(QWidget *window);
    QWidget *m_window;
};

} // namespace Viewer
