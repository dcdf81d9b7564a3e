// Message boxes and their test seam.
#include "common/ui/messagebox.h"

#include <QCursor>
#include <QGuiApplication>
#include <QQueue>

namespace MessageBox {

namespace {
bool isRecording = false;
QList<Shown> shown;
QQueue<QMessageBox::StandardButton> answers;

QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons)
{
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = QMessageBox::StandardButton(1u << bit);
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::Ok;
}
} // namespace

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    if (isRecording) {
        shown.append({icon, title, text});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : firstButton(buttons);
    }
    // A box waits for the user, so it shows the normal pointer even inside a busy handler.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    QMessageBox box(icon, title, text, buttons, parent);
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}

void startRecording()
{
    isRecording = true;
    shown.clear();
    answers.clear();
}

void stopRecording()
{
    isRecording = false;
}

bool recording()
{
    return isRecording;
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    answers.enqueue(answer);
}

QList<Shown> recorded()
{
    return shown;
}

void clearRecorded()
{
    shown.clear();
}

} // namespace MessageBox
