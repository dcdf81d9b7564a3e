// Finding a topic's body and handing it to the text area.
#include "helpviewer/topicsource.h"

#include "common/linefile.h"

#include <QFile>

namespace Viewer {

QString tempFilePath(const QString &programDir)
{
    return programDir + QLatin1Char('/') + tempFileName;
}

TopicSource topicSource(const HelpFile::Document &document, const QString &topic, const QString &programDir)
{
    TopicSource source;
    if (document.kind == HelpFile::Kind::PlainText) {
        source.form = TopicSource::Form::PlainText;
        source.text = document.plainText(topic);
        return source;
    }
    source.bytes = LineFile::joinLines(document.richLines(topic));
    source.path = tempFilePath(programDir);
    // A program directory the user may not write to must not make every rich topic unshowable.
    const bool written = !LineFile::writeBytes(source.path, source.bytes).has_value();
    source.form = written ? TopicSource::Form::RtfFile : TopicSource::Form::RtfBytes;
    return source;
}

void removeTempFile(const QString &programDir)
{
    QFile::remove(tempFilePath(programDir));
}

bool indexAccepts(const QStringList &index, const QString &typed)
{
    return index.contains(typed, Qt::CaseSensitive);
}

} // namespace Viewer
