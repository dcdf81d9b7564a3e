// A label that works as a link: dark red while the button is down, blue at rest.
#pragma once

#include <QColor>
#include <QLabel>

namespace Viewer {

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    static QColor restColour() { return QColor(0, 0, 255); }
    static QColor pressedColour() { return QColor(128, 0, 0); }

    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    QColor textColour() const { return m_colour; }

Q_SIGNALS:
    // Pressed and released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColour(const QColor &colour);
    QColor m_colour;
};

} // namespace Viewer
