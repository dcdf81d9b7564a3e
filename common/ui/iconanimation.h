// The animated window icon: sixteen 32 x 32 frames of an open book whose page turns.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QTimer>

class QWidget;

// The frame counter starts at 0; each step adds 1 and wraps from 16 to 0, so the first step shows
// frame 1 and a full turn takes sixteen steps.
class IconFrameCounter
{
public:
    int frame() const { return m_frame; }
    int step();

private:
    qint16 m_frame = 0;
};

namespace IconFrames {
constexpr int count = 16;
constexpr int size = 32;
// Frame n (0 to 15), painted once and shared by every window.
const QPixmap &frame(int n);
} // namespace IconFrames

// Drives a window's icon from its own 100 ms timer for as long as the window exists, shown or not.
class IconAnimation : public QObject
{
    Q_OBJECT
public:
    static constexpr int intervalMs = 100;
    explicit IconAnimation(QWidget *window);

    // One tick: NextIconFrame.
    void NextIconFrame();
    int frame() const { return m_counter.frame(); }
    QTimer *timer() { return &m_timer; }

private:
    QWidget *m_window;
    IconFrameCounter m_counter;
    QTimer m_timer;
};
