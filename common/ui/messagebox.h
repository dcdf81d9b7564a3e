// Modal message boxes behind a seam: tests record what would be shown and queue the answers.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace MessageBox {

struct Shown
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Shows a modal box with the given buttons (OK alone by default) and returns the button pressed.
QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);

inline void warning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Warning, title, text);
}
inline void critical(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Critical, title, text);
}

// Test seam: once recording, no box is shown; every call is recorded and answered from the queue
// (OK, or the first offered button, when the queue is empty).
void startRecording();
void stopRecording();
bool recording();
void setNextAnswer(QMessageBox::StandardButton answer);
QList<Shown> recorded();
void clearRecorded();

} // namespace MessageBox
