// The input box and its recording test seam.
#include "common/ui/inputbox.h"

#include "common/ui/recordingseam.h"

#include <QInputDialog>

namespace InputBox {

namespace {
RecordingSeam<Request, std::optional<QString>> seam;
} // namespace

std::optional<QString> getText(QWidget *parent, const QString &title, const QString &prompt)
{
    if (seam.recording())
        return seam.answer({title, prompt});
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void startRecording()
{
    seam.start();
}

void stopRecording()
{
    seam.stop();
}

void setNextAnswer(const std::optional<QString> &text)
{
    seam.queue(text);
}

QList<Request> recorded()
{
    return seam.requests();
}

} // namespace InputBox
