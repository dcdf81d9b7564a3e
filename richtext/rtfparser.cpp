// The RTF parser: tokens are read and acted on in one pass; text goes to the document builder.
#include "richtext/rtfparser.h"

#include "richtext/rtfsymbolfonts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace Rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

Parser::Parser(const QByteArray &bytes, DocumentBuilder &builder)
    : m_pos(bytes.constData()), m_end(bytes.constData() + bytes.size()), m_builder(builder),
      m_formats(builder.formats())
{
    m_stack.reserve(16); // deeper than most documents nest; a group state is a few hundred bytes
}

void Parser::run()
{
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (c == '{') {
            ++m_pos;
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            if (!closeGroup())
                break;
        } else if (c == '\\') {
            ++m_pos;
            controlSequence();
        } else if (c == '\r' || c == '\n') {
            ++m_pos;
        } else if (!m_started) {
            ++m_pos; // nothing before the document's opening brace counts
        } else {
            plainText();
        }
    }
    flushPendingBytes();
    flushListMarker();
    m_builder.finish(m_state.chars, m_state.para);
}

void Parser::openGroup()
{
    flushPendingBytes();
    m_started = true;
    m_unicodeSkipLeft = 0;
    if (int(m_stack.size()) >= maxDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_state);
    m_state.starPending = false;
}

bool Parser::closeGroup()
{
    flushPendingBytes();
    m_unicodeSkipLeft = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (m_stack.empty())
        return false;
    if (m_state.destination == Destination::FontTable)
        finishFontEntry();
    const GroupState closed = std::move(m_state);
    m_state = m_stack.back();
    m_stack.pop_back();
    if (closed.destination != m_state.destination || closed.noteGroup != m_state.noteGroup)
        finishGroup(closed);
    return !m_stack.empty();
}

void Parser::finishGroup(const GroupState &closed)
{
    switch (closed.destination) {
    case Destination::Picture:
        finishPicture(m_state);
        break;
    case Destination::BookmarkName:
        if (!m_bookmark.trimmed().isEmpty() && m_state.destination == Destination::Text)
            m_builder.addBookmark(m_bookmark.trimmed(), m_state.para);
        m_bookmark.clear();
        break;
    default:
        break;
    }
    if (closed.noteGroup && !m_state.noteGroup)
        m_builder.endNote();
}

void Parser::skipGroup()
{
    // Only the braces count, and \binN whose bytes may hold any brace.
    m_unicodeSkipLeft = 0;
    int depth = 0;
    while (m_pos < m_end) {
        const char c = *m_pos;
        if (c == '}') {
            if (depth == 0)
                return; // run() closes the group
            --depth;
            ++m_pos;
        } else if (c == '{') {
            ++depth;
            ++m_pos;
        } else if (c != '\\') {
            ++m_pos;
        } else if (m_end - m_pos > 4 && m_pos[1] == 'b' && m_pos[2] == 'i' && m_pos[3] == 'n' &&
                   !isLetter(m_pos[4])) {
            m_pos += 4;
            std::int64_t count = 0;
            while (m_pos < m_end && isDigit(*m_pos)) {
                if (count < INT32_MAX)
                    count = count * 10 + (*m_pos - '0');
                ++m_pos;
            }
            if (m_pos < m_end && *m_pos == ' ')
                ++m_pos;
            m_pos += std::min<std::int64_t>(count, m_end - m_pos);
        } else {
            m_pos = std::min(m_pos + 2, m_end); // a control symbol or a word's first letter
        }
    }
}

void Parser::controlSequence()
{
    if (m_pos >= m_end)
        return;
    if (!isLetter(*m_pos)) {
        const char symbol = *m_pos++;
        if (symbol != '\'')
            flushPendingBytes();
        controlSymbol(symbol);
        return;
    }
    flushPendingBytes();
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const std::string_view word(start,
                                std::size_t(std::min<std::ptrdiff_t>(m_pos - start, maxWordLength + 1)));

    bool hasParam = false;
    std::int64_t value = 0;
    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    while (m_pos < m_end && isDigit(*m_pos)) {
        hasParam = true;
        if (value < 1'000'000'000'000)
            value = value * 10 + (*m_pos - '0');
        ++m_pos;
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos; // the delimiting space belongs to the control word
    value = std::clamp<std::int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX);

    if (m_unicodeSkipLeft > 0) {
        --m_unicodeSkipLeft; // a control word stands for one fallback character
        return;
    }
    controlWord(word, hasParam, int(value));
}

void Parser::controlSymbol(char symbol)
{
    if (symbol == '\'') {
        hexByte();
        return;
    }
    if (m_unicodeSkipLeft > 0 && symbol != '*') {
        --m_unicodeSkipLeft;
        return;
    }
    switch (symbol) {
    case '*':
        m_state.starPending = true;
        break;
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(symbol));
        break;
    case '~':
        emitChar(u'\u00A0');
        break;
    case '-':
        emitChar(u'\u00AD');
        break;
    case '_':
        emitChar(u'\u2011');
        break;
    case '\t':
        emitChar(u'\t');
        break;
    case '\r':
    case '\n':
        // A backslash before a line end is a paragraph mark.
        if (m_state.destination == Destination::Text && !m_state.listText) {
            flushListMarker();
            m_builder.endParagraph(m_state.chars, m_state.para);
        }
        break;
    default:
        break; // \: \| and the like do not show
    }
}

void Parser::skipBinary(int count)
{
    const std::ptrdiff_t n = std::min<std::ptrdiff_t>(std::max(count, 0), m_end - m_pos);
    if (m_state.destination == Destination::Picture)
        m_picture.data.append(m_pos, n);
    m_pos += n;
}

void Parser::finishFontEntry()
{
    if (m_fontNumber >= 0) {
        const CodePage &page = m_codePages.get(m_documentCodePage);
        QString name;
        if (page.isSingleByte()) {
            for (char c : std::as_const(m_fontName))
                name.append(QChar(page.unit(static_cast<unsigned char>(c))));
        } else {
            name = page.decodeMultiByte(m_fontName);
        }
        m_fontEntry.name = name.trimmed();
        if (const int symbol = symbolCodePageFor(m_fontEntry.name, m_fontEntry.symbolCharset))
            m_fontEntry.codePage = symbol;
        m_formats.setFont(m_fontNumber, m_fontEntry);
        m_codePage = nullptr;
    }
    m_fontNumber = -1;
    m_fontEntry = FontEntry();
    m_fontName.clear();
}

} // namespace Rtf
