// Chunks of recorded content, the queue between the threads, and the recording body.
#include "richtext/rtfstream.h"

#include "richtext/rtftable.h"

namespace Rtf {

Chunk::Chunk() = default;
Chunk::~Chunk() = default;

void Chunk::clear()
{
    m_text.resize(0);
    m_items.clear();
    m_chars.clear();
    m_paras.clear();
    m_pictures.clear();
    m_strings.clear();
    m_tables.clear();
    m_fonts.clear();
    m_colors.clear();
}

int Chunk::charsIndex(const CharState &chars)
{
    return lastOrAdded(m_chars, chars);
}

int Chunk::paraIndex(const ParaState &para)
{
    return lastOrAdded(m_paras, para);
}

void Chunk::replay(BodySink &body, Formats &formats)
{
    for (const Item &item : m_items) {
        switch (item.kind) {
        case Kind::Text:
            body.lentText(QStringView(m_text).sliced(item.index, item.length),
                          m_chars[std::size_t(item.chars)]);
            break;
        case Kind::TextInParagraph:
            body.lentText(QStringView(m_text).sliced(item.index, item.length),
                          m_chars[std::size_t(item.chars)], m_paras[std::size_t(item.para)]);
            break;
        case Kind::Paragraph:
            body.paragraph(m_chars[std::size_t(item.chars)], m_paras[std::size_t(item.para)]);
            break;
        case Kind::Picture:
            body.picture(m_pictures[std::size_t(item.index)], m_chars[std::size_t(item.chars)]);
            break;
        case Kind::AnchorName:
            body.anchorName(m_strings.at(item.index));
            break;
        case Kind::Table:
            body.table(std::move(m_tables[std::size_t(item.index)]));
            break;
        case Kind::SeparatorLine:
            body.separatorLine();
            break;
        case Kind::Finish:
            body.finish(m_chars[std::size_t(item.chars)], m_paras[std::size_t(item.para)]);
            break;
        case Kind::DefaultTab:
            body.defaultTab(item.index);
            break;
        case Kind::Font:
            formats.setFont(m_fonts[std::size_t(item.index)].first, m_fonts[std::size_t(item.index)].second);
            break;
        case Kind::DefaultFont:
            formats.setDefaultFont(item.index);
            break;
        case Kind::Color:
            formats.addColor(m_colors.at(item.index));
            break;
        case Kind::Link:
            formats.addLink(m_strings.at(item.index));
            break;
        }
    }
    body.endOfLoan(); // the chunk's text is refilled once it is given back
}

void Stream::push(std::unique_ptr<Chunk> chunk)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_chunks.size() < capacity || m_stopped; });
    if (m_stopped)
        return;
    m_chunks.push_back(std::move(chunk));
    m_changed.notify_all();
}

void Stream::stop()
{
    std::lock_guard lock(m_mutex);
    m_stopped = true;
    m_chunks.clear();
    m_changed.notify_all();
}

void Stream::close()
{
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_changed.notify_all();
}

std::unique_ptr<Chunk> Stream::next()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_chunks.empty() || m_closed; });
    if (m_chunks.empty())
        return nullptr;
    std::unique_ptr<Chunk> chunk = std::move(m_chunks.front());
    m_chunks.pop_front();
    m_changed.notify_all();
    return chunk;
}

void Stream::giveBack(std::unique_ptr<Chunk> chunk)
{
    chunk->clear();
    std::lock_guard lock(m_mutex);
    m_spare.push_back(std::move(chunk));
}

std::unique_ptr<Chunk> Stream::emptyChunk()
{
    std::lock_guard lock(m_mutex);
    if (m_spare.empty())
        return std::make_unique<Chunk>();
    std::unique_ptr<Chunk> chunk = std::move(m_spare.back());
    m_spare.pop_back();
    return chunk;
}

StreamWriter::StreamWriter(Stream &stream) : m_stream(stream), m_chunk(stream.emptyChunk())
{}

StreamWriter::~StreamWriter()
{
    if (!m_chunk->m_items.empty())
        m_stream.push(std::move(m_chunk));
    m_stream.close();
}

void StreamWriter::add(Chunk::Kind kind, int index, int length, int chars, int para)
{
    m_chunk->m_items.push_back(Chunk::Item{kind, index, length, chars, para});
    if (m_chunk->isFull()) {
        m_stream.push(std::move(m_chunk));
        m_chunk = m_stream.emptyChunk();
    }
}

void StreamWriter::addText(QStringView text, int chars, int para, Chunk::Kind kind)
{
    Chunk &chunk = *m_chunk;
    // Text of the same format after text goes on as one run, as the writer would join it.
    if (kind == Chunk::Kind::Text && !chunk.m_items.empty() && chunk.m_items.back().chars == chars &&
        (chunk.m_items.back().kind == Chunk::Kind::Text ||
         chunk.m_items.back().kind == Chunk::Kind::TextInParagraph)) {
        chunk.m_items.back().length += int(text.size());
        chunk.m_text.append(text);
        return;
    }
    const int start = int(chunk.m_text.size());
    chunk.m_text.append(text);
    add(kind, start, int(text.size()), chars, para);
}

void StreamWriter::text(QStringView text, const CharState &chars)
{
    addText(text, m_chunk->charsIndex(chars), 0, Chunk::Kind::Text);
    m_pendingBlock = false;
}

void StreamWriter::text(QStringView text, const CharState &chars, const ParaState &para)
{
    // The paragraph state counts only for text that starts a paragraph.
    if (m_pendingBlock)
        addText(text, m_chunk->charsIndex(chars), m_chunk->paraIndex(para), Chunk::Kind::TextInParagraph);
    else
        addText(text, m_chunk->charsIndex(chars), 0, Chunk::Kind::Text);
    m_pendingBlock = false;
}

void StreamWriter::paragraph(const CharState &chars, const ParaState &para)
{
    add(Chunk::Kind::Paragraph, 0, 0, m_chunk->charsIndex(chars), m_chunk->paraIndex(para));
    m_pendingBlock = true;
}

void StreamWriter::picture(const Picture &picture, const CharState &chars)
{
    m_chunk->m_pictures.push_back(picture);
    add(Chunk::Kind::Picture, int(m_chunk->m_pictures.size()) - 1, 0, m_chunk->charsIndex(chars));
    m_pendingBlock = false;
}

void StreamWriter::anchorName(const QString &name)
{
    m_chunk->m_strings.append(name);
    add(Chunk::Kind::AnchorName, int(m_chunk->m_strings.size()) - 1);
}

void StreamWriter::table(std::unique_ptr<Table> table)
{
    m_chunk->m_tables.push_back(std::move(table));
    add(Chunk::Kind::Table, int(m_chunk->m_tables.size()) - 1);
    m_pendingBlock = false;
}

void StreamWriter::separatorLine()
{
    add(Chunk::Kind::SeparatorLine, 0);
    m_pendingBlock = true;
}

void StreamWriter::finish(const CharState &chars, const ParaState &para)
{
    add(Chunk::Kind::Finish, 0, 0, m_chunk->charsIndex(chars), m_chunk->paraIndex(para));
}

void StreamWriter::defaultTab(int twips)
{
    add(Chunk::Kind::DefaultTab, twips);
}

void StreamWriter::fontSet(int number, const FontEntry &entry)
{
    m_chunk->m_fonts.emplace_back(number, entry);
    add(Chunk::Kind::Font, int(m_chunk->m_fonts.size()) - 1);
}

void StreamWriter::defaultFontSet(int number)
{
    add(Chunk::Kind::DefaultFont, number);
}

void StreamWriter::colorAdded(const QColor &color)
{
    m_chunk->m_colors.append(color);
    add(Chunk::Kind::Color, int(m_chunk->m_colors.size()) - 1);
}

void StreamWriter::linkAdded(const QString &target)
{
    m_chunk->m_strings.append(target);
    add(Chunk::Kind::Link, int(m_chunk->m_strings.size()) - 1);
}

} // namespace Rtf
