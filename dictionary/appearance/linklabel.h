// A label that works as a link: dark red while pressed, blue after, a click only when released over it.
#pragma once

#include <QCursor>
#include <QLabel>

class QMouseEvent;

// The hand pointer of the dictionary's links; the main window's "Weitere Informationen!" uses it too.
QCursor linkCursor();

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    static QColor normalColour() { return QColor(0, 0, 255); }
    static QColor pressedColour() { return QColor(128, 0, 0); }

    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    QColor textColour() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColour(const QColor &colour);
    bool m_pressed = false;
};
