// The input box and its recording test seam.
#include "common/ui/inputbox.h"

#include <QInputDialog>
#include <QQueue>

namespace InputBox {

namespace {
bool recordingOn = false;
QQueue<std::optional<QString>> answers;
QList<Request> requests;
} // namespace

std::optional<QString> getText(QWidget *parent, const QString &title, const QString &prompt)
{
    if (recordingOn) {
        requests.append({title, prompt});
        return answers.isEmpty() ? std::nullopt : answers.dequeue();
    }
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void startRecording()
{
    recordingOn = true;
    answers.clear();
    requests.clear();
}

void stopRecording()
{
    recordingOn = false;
    answers.clear();
}

void setNextAnswer(const std::optional<QString> &text)
{
    answers.enqueue(text);
}

QList<Request> recorded()
{
    return requests;
}

} // namespace InputBox
