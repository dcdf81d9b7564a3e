// Composing help files and writing them whole.
#include "helpfile/helpwriter.h"

#include "common/linefile.h"

namespace HelpFile {

QStringList composeLines(const Content &content)
{
    QStringList lines;
    lines << QString(signature) << typeLineFor(content.kind) << content.title << QString();
    lines << content.topicList;
    lines << QString();
    for (const Topic &topic : content.topics) {
        lines << headerFor(trimSpaces(topic.name));
        if (topic.body.isEmpty())
            lines << QString();
        else
            lines << topic.body;
        lines << QString();
    }
    return lines;
}

QByteArray composeBytes(const Content &content)
{
    return LineFile::joinLines(composeLines(content));
}

std::optional<QString> writeFile(const QString &path, const Content &content)
{
    return LineFile::writeBytes(path, composeBytes(content));
}

std::optional<QString> writeLines(const QString &path, const QStringList &lines)
{
    return LineFile::writeLines(path, lines);
}

} // namespace HelpFile
