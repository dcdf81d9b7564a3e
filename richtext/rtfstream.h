// The reader's content on its way from the thread that parses a large document to the thread that
// puts it into the document: recorded in chunks, handed over through a queue, replayed in order.
#pragma once

#include "richtext/rtfcontent.h"
#include "richtext/rtfformats.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace Rtf {

// A piece of the body's content and of the changes to the formats' tables, in their order.
class Chunk
{
public:
    Chunk();
    ~Chunk();

    // Empties the chunk for the next piece, keeping its memory.
    void clear();
    bool isFull() const { return m_items.size() >= 4096 || m_text.size() >= 32768; }
    // Plays the chunk into the body, the changes to the tables into the formats; the text is lent
    // to the body until the end of the chunk.
    void replay(BodySink &body, Formats &formats);

private:
    friend class StreamWriter;
    enum class Kind : std::uint8_t {
        Text,
        TextInParagraph, // text whose paragraph state goes with it
        Paragraph,
        Picture,
        AnchorName,
        Table,
        SeparatorLine,
        Finish,
        DefaultTab,
        Font,
        DefaultFont,
        Color,
        Link,
    };
    struct Item
    {
        Kind kind;
        int index;  // into m_text, m_pictures, m_strings, m_tables, m_fonts or m_colors; or a number
        int length; // of the text
        int chars;  // into m_chars
        int para;   // into m_paras
    };
    int charsIndex(const CharState &chars);
    int paraIndex(const ParaState &para);

    QString m_text;
    std::vector<Item> m_items;
    std::vector<CharState> m_chars;
    std::vector<ParaState> m_paras;
    std::vector<Picture> m_pictures;
    QStringList m_strings; // anchor names and link targets
    std::vector<std::unique_ptr<Table>> m_tables;
    std::vector<std::pair<int, FontEntry>> m_fonts;
    QList<QColor> m_colors;
};

// The queue between the two threads; it holds a few chunks, so that a parser far ahead waits.
class Stream
{
public:
    // Waits while the queue is full; drops the chunk once the stream is stopped.
    void push(std::unique_ptr<Chunk> chunk);
    // The playing side gives up: the chunks waiting are dropped, and so are any further ones.
    void stop();
    // No more chunks come.
    void close();
    // Waits for the next chunk; null once the stream is closed and empty.
    std::unique_ptr<Chunk> next();
    // A chunk played, back for the recording side to fill again, and an empty chunk to fill: the
    // same few chunks go round with their memory.
    void giveBack(std::unique_ptr<Chunk> chunk);
    std::unique_ptr<Chunk> emptyChunk();

private:
    static constexpr std::size_t capacity = 4;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Chunk>> m_chunks;
    std::vector<std::unique_ptr<Chunk>> m_spare;
    bool m_closed = false;
    bool m_stopped = false;
};

// The parsing thread's body and the journal of its formats: records both into chunks for the stream.
class StreamWriter final : public BodySink, public FormatsJournal
{
public:
    explicit StreamWriter(Stream &stream);
    // Hands over the last chunk and closes the stream.
    ~StreamWriter() override;

    void text(QStringView text, const CharState &chars) override;
    void text(QStringView text, const CharState &chars, const ParaState &para) override;
    void paragraph(const CharState &chars, const ParaState &para) override;
    void picture(const Picture &picture, const CharState &chars) override;
    void anchorName(const QString &name) override;
    void table(std::unique_ptr<Table> table) override;
    void separatorLine() override;
    // As the writer at the end of the stream will know it when it gets there.
    bool paragraphPending() const override { return m_pendingBlock; }
    void finish(const CharState &chars, const ParaState &para) override;
    void defaultTab(int twips) override;

    void fontSet(int number, const FontEntry &entry) override;
    void defaultFontSet(int number) override;
    void colorAdded(const QColor &color) override;
    void linkAdded(const QString &target) override;

private:
    void add(Chunk::Kind kind, int index, int length = 0, int chars = 0, int para = 0);
    void addText(QStringView text, int chars, int para, Chunk::Kind kind);

    Stream &m_stream;
    std::unique_ptr<Chunk> m_chunk;
    bool m_pendingBlock = false;
};

} // namespace Rtf
