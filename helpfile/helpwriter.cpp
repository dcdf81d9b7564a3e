// Composing help files in the layout the viewer reads.
#include "helpfile/helpwriter.h"

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

} // namespace HelpFile
