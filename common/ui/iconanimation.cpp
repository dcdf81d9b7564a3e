// The icon animation: a page of an open Latin book turning over, in sixteen frames.
#include "common/ui/iconanimation.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <array>
#include <cmath>

int IconFrameCounter::step()
{
    m_frame = qint16(m_frame + 1);
    if (m_frame >= 16)
        m_frame = 0;
    return m_frame;
}

namespace IconFrames {

namespace {

QPixmap paintFrame(int n)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Cover and the two resting pages.
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(128, 0, 0));
    p.drawRoundedRect(QRectF(1.5, 8.5, 29, 20), 2, 2);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 7.5, 12, 18));
    p.drawRect(QRectF(16.5, 7.5, 12, 18));
    // Lines of text on the pages.
    p.setPen(QPen(QColor(0, 0, 128), 1));
    for (int y = 11; y <= 22; y += 3) {
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(13.5, y + 0.5));
        p.drawLine(QPointF(18.5, y + 0.5), QPointF(26.5, y + 0.5));
    }
    // The turning page: its free edge sweeps from the right page (frame 0) over the spine to the
    // left page (frame 15), drawn as a page seen at an angle.
    const double angle = M_PI * n / (count - 1);
    const double edge = 16.0 + 12.0 * std::cos(angle);
    const double lift = 6.0 * std::sin(angle);
    QPainterPath page;
    page.moveTo(16, 7.5);
    page.lineTo(edge, 7.5 - lift);
    page.lineTo(edge, 25.5 - lift);
    page.lineTo(16, 25.5);
    page.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 192));
    p.drawPath(page);
    // A red bookmark ribbon that stays at the spine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(QRectF(15, 25, 2, 6));
    return pixmap;
}

} // namespace

const QPixmap &frame(int n)
{
    static const std::array<QPixmap, count> frames = [] {
        std::array<QPixmap, count> all;
        for (int i = 0; i < count; ++i)
            all[i] = paintFrame(i);
        return all;
    }();
    return frames[std::clamp(n, 0, count - 1)];
}

} // namespace IconFrames

IconAnimation::IconAnimation(QWidget *window) : QObject(window), m_window(window)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &IconAnimation::NextIconFrame);
    m_timer.start();
    m_window->setWindowIcon(QIcon(IconFrames::frame(0)));
}

void IconAnimation::NextIconFrame()
{
    m_window->setWindowIcon(QIcon(IconFrames::frame(m_counter.step())));
}
