// The file dialog and its recording test seam.
#include "common/ui/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

using namespace Qt::StringLiterals;

namespace FileDialog {

namespace {
bool recordingOn = false;
QQueue<QString> answers;
QList<Request> requests;
QString lastFolder;

// "description|pattern|description|pattern" becomes Qt's "description (pattern);;...".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append(u"%1 (%2)"_s.arg(parts.at(i), parts.at(i + 1)));
    return entries.join(u";;"_s);
}

QString ask(QWidget *parent, Mode mode, const QString &filter)
{
    if (recordingOn) {
        requests.append({mode, filter});
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    const QString path =
        mode == Mode::Save
            ? QFileDialog::getSaveFileName(parent, u"Speichern unter"_s, lastFolder, qtFilter(filter))
            : QFileDialog::getOpenFileName(parent, u"Öffnen"_s, lastFolder, qtFilter(filter));
    if (!path.isEmpty())
        lastFolder = QFileInfo(path).absolutePath();
    return path;
}
} // namespace

QString getSaveFileName(QWidget *parent, const QString &filter)
{
    return ask(parent, Mode::Save, filter);
}

QString getOpenFileName(QWidget *parent, const QString &filter)
{
    return ask(parent, Mode::Open, filter);
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

void setNextAnswer(const QString &path)
{
    answers.enqueue(path);
}

QList<Request> recorded()
{
    return requests;
}

} // namespace FileDialog
