// The RTF reader: checks the signature, then lets the parser fill the document in one edit block;
// a large document is parsed on a second thread while this one puts its content in.
#include "richtext/rtfreader.h"

#include "richtext/rtfcursorwriter.h"
#include "richtext/rtfdocumentbuilder.h"
#include "richtext/rtfinsertion.h"
#include "richtext/rtfparser.h"
#include "richtext/rtfstream.h"

#include <QTextCursor>
#include <QTextDocument>

#include <limits>
#include <thread>

namespace Rtf {

namespace {

// The document's side: the body's writer, in one edit block while it lives, so that the layout
// is told once, at the end. Its cursor opens the block, as every further cursor would be moved
// along with each insertion.
class DocumentWriter
{
public:
    DocumentWriter(QTextDocument *document, Formats &formats, bool throughCursor)
        : m_cursor(document), m_insertion(document, formats, throughCursor),
          m_body(m_cursor, m_insertion, CursorWriter::Place::Body)
    {
        m_cursor.beginEditBlock();
    }
    ~DocumentWriter() { m_cursor.endEditBlock(); }
    DocumentWriter(const DocumentWriter &) = delete;
    DocumentWriter &operator=(const DocumentWriter &) = delete;

    CursorWriter &body() { return m_body; }

private:
    QTextCursor m_cursor;
    Insertion m_insertion;
    CursorWriter m_body;
};

void readHere(const QByteArray &bytes, QTextDocument *document, bool throughCursor)
{
    Formats formats;
    DocumentWriter writer(document, formats, throughCursor);
    DocumentBuilder builder(formats, writer.body());
    Parser(bytes, builder).run();
}

// The parsing thread has formats, builder and parser of its own and shares nothing but the bytes,
// which neither side changes, and the stream: it records the body's content and every change to
// its formats' tables, which this thread plays into the document and into formats of its own.
void readOnTwoThreads(const QByteArray &bytes, QTextDocument *document)
{
    Stream stream;
    std::thread parsing([&bytes, &stream] {
        StreamWriter recorder(stream); // closes the stream when it ends
        Formats formats;
        formats.setJournal(&recorder);
        DocumentBuilder builder(formats, recorder);
        Parser(bytes, builder).run();
    });
    // Also when putting the content in fails: the parsing thread is let go and waited for.
    struct Join
    {
        Stream &stream;
        std::thread &thread;
        ~Join()
        {
            stream.stop();
            thread.join();
        }
    } join{stream, parsing};
    Formats formats;
    DocumentWriter writer(document, formats, false);
    while (std::unique_ptr<Chunk> chunk = stream.next()) {
        chunk->replay(writer.body(), formats);
        stream.giveBack(std::move(chunk));
    }
}

} // namespace

qsizetype ReadOptions::defaultTwoThreadsFrom()
{
    static const qsizetype from =
        std::thread::hardware_concurrency() >= 2 ? 1'000'000 : std::numeric_limits<qsizetype>::max();
    return from;
}

bool isRtf(const QByteArray &bytes)
{
    // A UTF-8 byte order mark may stand first, as some editors write it.
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n' ||
                                bytes[i] == '\f' || bytes[i] == '\v'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf");
}

bool read(const QByteArray &bytes, QTextDocument *document)
{
    return read(bytes, document, ReadOptions());
}

bool read(const QByteArray &bytes, QTextDocument *document, const ReadOptions &options)
{
    document->clear();
    if (!isRtf(bytes))
        return false;
    // No undo history for a loaded document, and one layout pass at the end instead of one per
    // inserted run.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    if (!options.throughCursor && bytes.size() >= options.twoThreadsFrom)
        readOnTwoThreads(bytes, document);
    else
        readHere(bytes, document, options.throughCursor);
    document->setUndoRedoEnabled(undo);
    return true;
}

} // namespace Rtf
