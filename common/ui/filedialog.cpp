// The file dialog and its recording test seam.
#include "common/ui/filedialog.h"

#include "common/ui/recordingseam.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace FileDialog {

namespace {
RecordingSeam<Request, QString> seam;
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
    if (seam.recording())
        return seam.answer({mode, filter});
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
    seam.start();
}

void stopRecording()
{
    seam.stop();
}

void setNextAnswer(const QString &path)
{
    seam.queue(path);
}

QList<Request> recorded()
{
    return seam.requests();
}

} // namespace FileDialog
