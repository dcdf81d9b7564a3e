// The modal input box behind a seam, beside the message box seam: tests queue the answers and read
// what was asked.
#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace InputBox {

struct Request
{
    QString title;
    QString prompt;
};

// The typed text, or nothing when the user cancels.
std::optional<QString> getText(QWidget *parent, const QString &title, const QString &prompt);

// Test seam, as for the file dialog; an empty queue answers with a cancel.
void startRecording();
void stopRecording();
void setNextAnswer(const std::optional<QString> &text);
QList<Request> recorded();

} // namespace InputBox
