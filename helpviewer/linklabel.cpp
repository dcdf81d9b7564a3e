// The link label's colours and click.
#include "helpviewer/linklabel.h"

#include <QMouseEvent>

namespace Viewer {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextColour(restColour());
}

void LinkLabel::setTextColour(const QColor &colour)
{
    m_colour = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setTextColour(pressedColour());
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseReleaseEvent(event);
    setTextColour(restColour());
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace Viewer
