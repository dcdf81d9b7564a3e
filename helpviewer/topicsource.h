// What a topic page shows: the plain text of a plain help, or the RTF document of a rich help
// written to temp.tmp in the program directory for the text area to load.
#pragma once

#include "helpfile/helpfile.h"

#include <QByteArray>
#include <QString>

namespace Viewer {

// The file every viewer of the program directory shares for the rich-text topic it shows.
inline constexpr QLatin1StringView tempFileName{"temp.tmp"};
QString tempFilePath(const QString &programDir);

struct TopicSource
{
    enum class Form {
        PlainText, // show `text`
        RtfFile,   // load `path` as an RTF document
        RtfBytes,  // temp.tmp could not be written: load `bytes` as an RTF document directly
    };
    Form form = Form::PlainText;
    QString text;
    QString path;
    QByteArray bytes; // the RTF body lines, each followed by CR LF (also for RtfFile)
};

// Finds the topic's body. For a rich help the body lines are written to temp.tmp (replacing it
// whole, so another viewer never reads half a file); an absent topic gives an empty file, which
// the text area then fails to load.
TopicSource topicSource(const HelpFile::Document &document, const QString &topic, const QString &programDir);

// Deletes temp.tmp when the viewer closes; a missing file is no error.
void removeTempFile(const QString &programDir);

// Enter in the index field shows the typed text only when it equals an index entry exactly.
bool indexAccepts(const QStringList &index, const QString &typed);

} // namespace Viewer
