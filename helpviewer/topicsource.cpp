// Finding a topic's body and handing it to the text area.
#include "helpviewer/topicsource.h"

#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "common/plainfile.h"
#include "common/programfolder.h"
#include "helpviewer/helperthreads.h"

#include <QFile>

namespace Viewer {

QString tempFilePath(const QString &programDir)
{
    const QString folder = ProgramFolder::temporaryFolder(programDir);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + tempFileName;
}

namespace {
// Writes a rich topic's bytes to temp.tmp: RtfFile when written, else RtfBytes.
TopicSource::Form writeTopicFile(const QString &path, const QByteArray &bytes)
{
    // A folder the user may not write to, or a link planted in temp.tmp's place (the writer refuses
    // it), must not make every rich topic unshowable.
    const bool written = !path.isEmpty() && !AtomicWriter::writeScratchBytes(path, bytes);
    return written ? TopicSource::Form::RtfFile : TopicSource::Form::RtfBytes;
}
} // namespace

TopicSource findTopic(const HelpFile::Document &document, const QString &topic, const QString &programDir)
{
    TopicSource source;
    if (document.kind == HelpFile::Kind::PlainText) {
        source.form = TopicSource::Form::PlainText;
        source.text = document.plainText(topic);
        return source;
    }
    source.bytes = LineFile::joinLines(document.richLines(topic));
    source.path = tempFilePath(programDir);
    source.form = TopicSource::Form::RtfBytes;
    return source;
}

TopicSource topicSource(const HelpFile::Document &document, const QString &topic, const QString &programDir)
{
    TopicSource source = findTopic(document, topic, programDir);
    if (source.form != TopicSource::Form::PlainText)
        source.form = writeTopicFile(source.path, source.bytes);
    return source;
}

TopicFileWrite::TopicFileWrite(const TopicSource &source)
    // The source's path and bytes are shared with the pool's thread, not copied.
    : m_written(HelperThreads::onPool(
          [path = source.path, bytes = source.bytes] { return writeTopicFile(path, bytes); }))
{}

TopicFileWrite::~TopicFileWrite()
{
    if (m_written.valid())
        m_written.wait();
}

TopicSource::Form TopicFileWrite::form()
{
    return m_written.get();
}

void removeTempFile(const QString &programDir)
{
    // Only a plain file: a link of that name is left alone, and so is whatever it points to.
    const QString path = tempFilePath(programDir);
    if (!path.isEmpty() && PlainFile::kindOf(path) == PlainFile::Kind::Regular)
        QFile::remove(path);
}

bool indexAccepts(const QStringList &index, const QString &typed)
{
    return index.contains(typed, Qt::CaseSensitive);
}

} // namespace Viewer
