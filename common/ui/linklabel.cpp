// The link label of the about and advert windows, and its hand pointer.
#include "common/ui/linklabel.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

// A pointing hand, 32 x 32, with its hot spot at the finger tip.
QPixmap paintHand()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(9, 2);
    hand.cubicTo(11, 0, 13, 0, 13, 3); // finger tip
    hand.lineTo(13, 12);
    hand.cubicTo(14, 10, 17, 10, 17, 13);
    hand.cubicTo(18, 11, 21, 11, 21, 14);
    hand.cubicTo(22, 12, 25, 13, 25, 16);
    hand.lineTo(25, 22);
    hand.cubicTo(25, 26, 23, 28, 21, 29);
    hand.lineTo(11, 29);
    hand.cubicTo(8, 26, 4, 21, 3, 18);
    hand.cubicTo(2, 15, 5, 14, 7, 17);
    hand.lineTo(9, 19);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.drawLine(QPointF(13, 13), QPointF(13, 18));
    p.drawLine(QPointF(17, 13), QPointF(17, 18));
    p.drawLine(QPointF(21, 14), QPointF(21, 19));
    return pixmap;
}

} // namespace

QCursor linkCursor()
{
    static const QPixmap hand = paintHand();
    return QCursor(hand, 11, 1);
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextColour(normalColour());
}

QColor LinkLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setTextColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    setTextColour(pressedColour());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // The release comes back to the label that was pressed, also when the pointer has left it.
    m_pressed = false;
    setTextColour(normalColour());
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
