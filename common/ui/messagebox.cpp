// Message boxes and their test seam.
#include "common/ui/messagebox.h"

#include "common/ui/recordingseam.h"

#include <QCursor>
#include <QGuiApplication>

namespace MessageBox {

namespace {
RecordingSeam<Shown, QMessageBox::StandardButton> seam;

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
    if (seam.recording())
        return seam.answer({icon, title, text},
                           buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : firstButton(buttons));
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
    seam.start();
}

void stopRecording()
{
    seam.stop();
}

bool recording()
{
    return seam.recording();
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    seam.queue(answer);
}

QList<Shown> recorded()
{
    return seam.requests();
}

void clearRecorded()
{
    seam.clearRequests();
}

} // namespace MessageBox
