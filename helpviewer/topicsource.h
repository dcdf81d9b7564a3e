// What a topic page shows: the plain text of a plain help, or the RTF document of a rich help, which
// is also written to temp.tmp in the program directory (or the user's private temporary folder).
#pragma once

#include "helpfile/helpfile.h"

#include <QByteArray>
#include <QString>

#include <future>

namespace Viewer {

// The file every viewer of the program directory writes the rich-text topic it shows to. It lies in
// the program directory when only this user can write there, else in the user's private temporary
// folder, so no other user can plant a link in its place; empty when neither can be had.
inline constexpr QLatin1StringView tempFileName{"temp.tmp"};
QString tempFilePath(const QString &programDir);

struct TopicSource
{
    enum class Form {
        PlainText, // show `text`
        RtfFile,   // `bytes` were written to temp.tmp at `path`
        RtfBytes,  // temp.tmp could not be written
    };
    Form form = Form::PlainText;
    QString text;
    QString path;
    // The RTF body lines, each followed by CR LF. A rich topic is shown from these bytes, never
    // read back from temp.tmp: another viewer of the same folder may have put its own topic there.
    QByteArray bytes;
};

// Finds the topic's body. For a rich help the body lines are written to temp.tmp (replacing it
// whole, so another viewer never reads half a file); an absent topic gives an empty file, which
// the text area then fails to load.
TopicSource topicSource(const HelpFile::Document &document, const QString &topic, const QString &programDir);

// The same without the write: a rich topic comes as RtfBytes with temp.tmp's path (empty where
// there is no place for it), for TopicFileWrite.
TopicSource findTopic(const HelpFile::Document &document, const QString &topic, const QString &programDir);

// Writes a rich topic's temp.tmp on a thread of Qt's pool while the window's thread reads the topic
// from its bytes; the write is done when this ends (it is written in place when the pool has no
// thread free). Successive topics are written in their order, and none is left pending at closing.
class TopicFileWrite
{
public:
    explicit TopicFileWrite(const TopicSource &source);
    ~TopicFileWrite();
    TopicFileWrite(const TopicFileWrite &) = delete;
    TopicFileWrite &operator=(const TopicFileWrite &) = delete;

    // Waits for the write: RtfFile when written.
    TopicSource::Form form();

private:
    std::future<TopicSource::Form> m_written;
};

// Deletes temp.tmp when the viewer closes; a missing file is no error.
void removeTempFile(const QString &programDir);

// Enter in the index field shows the typed text only when it equals an index entry exactly.
bool indexAccepts(const QStringList &index, const QString &typed);

} // namespace Viewer
