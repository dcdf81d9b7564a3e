// Composing help files and new help projects in the layout the viewer reads (written with CR LF line
// ends through AtomicWriter by their callers).
#pragma once

#include "helpfile/helpfile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace HelpFile {

struct Topic
{
    QString name;     // written trimmed into the header
    QStringList body; // the body lines (plain text lines, or the lines of one RTF document)
};

struct Content
{
    Kind kind = Kind::PlainText;
    QString title;
    QStringList topicList; // the contents entries as the author typed them, spaces included
    QList<Topic> topics;   // the blocks, in the order the topics were added
};

// The lines of the file: signature, type, title, an empty reserved line, the topic list, its
// empty end line, then per topic "[" + trimmed name + "]", the body and one empty line. A body
// without lines is written as one empty line, so that the block still has its body line. An
// empty content gives the five lines of a new project.
QStringList composeLines(const Content &content);

} // namespace HelpFile
