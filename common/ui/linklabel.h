// A label that works as a link: dark red while pressed, blue after, a click only when released over
// it; it takes the keyboard focus, shows it, and follows with Enter or Space.
#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

// The pointer over the links, the pointing hand of the desktop's cursor theme; the dictionary's
// "Weitere Informationen!" label uses it too.
QCursor linkCursor();

// The pointer is left to the window, which gives its links the pointer its users know. To
// assistive technology the label is a link whose press action follows it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    static QColor normalColour() { return QColor(0, 0, 255); }
    static QColor pressedColour() { return QColor(128, 0, 0); }

    explicit LinkLabel(QWidget *parent = nullptr) : LinkLabel(QString(), parent) {}
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    // The colour the text is shown in now.
    QColor textColour() const;

Q_SIGNALS:
    // The left button was pressed on the label and released over it, or Enter or Space was
    // pressed while it had the focus, or its accessible press action ran.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setTextColour(const QColor &colour);
    bool m_pressed = false;
};
