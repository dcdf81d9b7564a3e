// The file dialog behind a seam, beside the message box seam: tests queue the answers and read
// what was asked.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace FileDialog {

enum class Mode { Save, Open };

struct Request
{
    Mode mode;
    QString filter; // as the program states it: "*.vrp|*.vrp" (description|pattern)
};

// The chosen full path, or an empty text when the user cancels. Save mode asks before an existing
// file is overwritten. The dialog starts in the folder of the previous choice.
QString getSaveFileName(QWidget *parent, const QString &filter);
QString getOpenFileName(QWidget *parent, const QString &filter);

// Test seam: once recording, no dialog opens; each request is recorded and answered from the
// queue (an empty text, which is a cancel, when the queue is empty).
void startRecording();
void stopRecording();
void setNextAnswer(const QString &path);
QList<Request> recorded();

} // namespace FileDialog
