// The RTF parser: tokens are read and acted on in one pass; text goes to the document builder.
#include "richtext/rtfparser.h"

#include "richtext/rtfsymbolfonts.h"

#include <algorithm>
#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSpecial(char c)
{
    return c == '\\' || c == '{' || c == '}';
}

// A byte of text that stands for its character: printable and not special.
constexpr auto plainTextBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 256; ++c)
        table[std::size_t(c)] = c != '\\' && c != '{' && c != '}';
    return table;
}();

bool isPlainTextByte(unsigned char c)
{
    return plainTextBytes[c];
}

// Copies the leading bytes 0x20 to 0x7E that are not special, as the characters they stand for,
// sixteen at a time while all sixteen are; the rest is left to the byte-wise loop. Up to sixteen
// characters are written beyond the ones copied: out must have room for as many as the bytes.
const char *copyAscii(const char *p, const char *limit, char16_t *&out)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (limit - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // Bytes from 0x80 up are negative here, so the first test takes them too.
        const __m128i other =
            _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7F))),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\')),
                                      _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('{')),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('}')))));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(bytes, zero));
        const int mask = _mm_movemask_epi8(other);
        if (mask != 0) {
            const int count = __builtin_ctz(unsigned(mask));
            out += count;
            return p + count;
        }
        out += 16;
        p += 16;
    }
#else
    (void)limit;
    (void)out;
#endif
    return p;
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

void Parser::hexByte()
{
    int value = -1;
    if (m_pos + 1 < m_end) {
        const int high = hexValue(m_pos[0]);
        const int low = hexValue(m_pos[1]);
        if (high >= 0 && low >= 0) {
            value = high * 16 + low;
            m_pos += 2;
        }
    }
    if (value < 0)
        return;
    if (m_unicodeSkipLeft > 0) {
        --m_unicodeSkipLeft;
        return;
    }
    textByte(static_cast<unsigned char>(value));
}

void Parser::textByte(unsigned char byte)
{
    switch (m_state.destination) {
    case Destination::Text: {
        const CodePage &page = codePage();
        if (!page.isSingleByte()) {
            m_pendingBytes.append(char(byte));
            return;
        }
        emitChar(page.unit(byte));
        return;
    }
    case Destination::FontTable:
        if (byte == ';')
            finishFontEntry();
        else
            m_fontName.append(char(byte));
        return;
    case Destination::ColorTable:
        if (byte == ';') {
            m_formats.addColor(m_colorHasValue ? QColor(m_red, m_green, m_blue) : QColor());
            m_colorHasValue = false;
            m_red = m_green = m_blue = 0;
        }
        return;
    case Destination::Picture: {
        const int value = hexValue(char(byte));
        if (value < 0)
            return;
        if (m_picture.nibble < 0) {
            m_picture.nibble = value;
        } else {
            m_picture.data.append(char(m_picture.nibble * 16 + value));
            m_picture.nibble = -1;
        }
        return;
    }
    case Destination::FieldInstruction:
        m_fieldInstruction.append(QChar(codePage().unit(byte)));
        return;
    case Destination::BookmarkName:
        m_bookmark.append(QChar(codePage().unit(byte)));
        return;
    case Destination::ShapePropertyName:
        m_shapeProperty.append(QChar(byte));
        return;
    case Destination::Shape:
    case Destination::Skip:
        return;
    }
}

void Parser::appendBody(QStringView text)
{
    if (m_state.listText) {
        if (m_listMarker.isEmpty())
            m_listMarkerChars = m_state.chars;
        m_listMarker.append(text);
        return;
    }
    if (!m_listMarker.isEmpty())
        flushListMarker();
    m_builder.appendText(text, m_state.chars, m_state.para);
}

void Parser::flushListMarker()
{
    if (m_listMarker.isEmpty())
        return;
    const QString marker = std::move(m_listMarker);
    m_listMarker.clear();
    m_builder.appendText(marker, m_listMarkerChars, m_state.para);
}

char16_t Parser::symbolUnit(char16_t unit)
{
    if (!isSymbolPrivateUse(unit))
        return unit;
    const CodePage &page = codePage();
    return symbolFontUnit(page.isSymbolFont() ? page.number() : symbolCodePage,
                          static_cast<unsigned char>(unit));
}

void Parser::plainText()
{
    // Fallback characters of a \uN still to skip.
    while (m_unicodeSkipLeft > 0 && m_pos < m_end && !isSpecial(*m_pos)) {
        if (*m_pos != '\r' && *m_pos != '\n')
            --m_unicodeSkipLeft;
        ++m_pos;
    }
    if (m_pos >= m_end || isSpecial(*m_pos))
        return;

    const CodePage &page = codePage();
    if (m_state.destination != Destination::Text || !page.isSingleByte()) {
        for (; m_pos < m_end && !isSpecial(*m_pos); ++m_pos)
            if (static_cast<unsigned char>(*m_pos) >= 0x20 || *m_pos == '\t')
                textByte(static_cast<unsigned char>(*m_pos));
        return;
    }

    // The body text of a single-byte code page, read in one go together with the \'hh and \uN
    // escapes inside it, which is most of what word processors write.
    const bool asciiItself = asciiMapsToItself(page);
    char16_t *const first = m_units.data();
    char16_t *out = first;
    const char *const limit = m_pos + std::min<std::ptrdiff_t>(m_end - m_pos, std::ptrdiff_t(m_units.size()));
    while (m_pos < limit) {
        // Plain characters, most of the text, in a loop of their own.
        const char *p = m_pos;
        for (;;) {
            if (asciiItself)
                p = copyAscii(p, limit, out);
            if (p >= limit || !isPlainTextByte(static_cast<unsigned char>(*p)))
                break;
            *out++ = page.unit(static_cast<unsigned char>(*p++));
        }
        m_pos = p;
        if (m_pos >= limit)
            break;
        const auto c = static_cast<unsigned char>(*m_pos);
        if (c == '\\') {
            if (m_end - m_pos >= 4 && m_pos[1] == '\'') {
                const int high = hexValue(m_pos[2]);
                const int low = hexValue(m_pos[3]);
                if (high >= 0 && low >= 0) {
                    *out++ = page.unit(static_cast<unsigned char>(high * 16 + low));
                    m_pos += 4;
                    continue;
                }
            } else if (m_end - m_pos >= 3 && m_pos[1] == 'u' &&
                       (isDigit(m_pos[2]) || (m_pos[2] == '-' && m_end - m_pos >= 4 && isDigit(m_pos[3])))) {
                *out++ = symbolUnit(inlineUnicode());
                if (m_unicodeSkipLeft > 0)
                    break;
                continue;
            }
            break;
        }
        if (c == '{' || c == '}')
            break;
        ++m_pos;
        if (c >= 0x20)
            *out++ = page.unit(c);
        else if (c == '\t')
            *out++ = u'\t';
        // line ends in the source and other control bytes are not text
    }
    if (out != first && !m_state.chars.hidden)
        appendBody(QStringView(first, out - first));
}

char16_t Parser::inlineUnicode()
{
    ++m_pos; // the backslash
    ++m_pos; // the u
    bool negative = false;
    if (*m_pos == '-') {
        negative = true;
        ++m_pos;
    }
    std::int64_t value = 0;
    while (m_pos < m_end && isDigit(*m_pos)) {
        if (value < 1'000'000)
            value = value * 10 + (*m_pos - '0');
        ++m_pos;
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    if (negative)
        value = -value;
    // The fallback: single bytes or \'hh escapes; anything else ends it and is left to run().
    int skip = m_state.unicodeSkip;
    while (skip > 0 && m_pos < m_end) {
        const char c = *m_pos;
        if (c == '\\') {
            if (m_end - m_pos >= 4 && m_pos[1] == '\'' && hexValue(m_pos[2]) >= 0 &&
                hexValue(m_pos[3]) >= 0) {
                m_pos += 4;
                --skip;
                continue;
            }
            break;
        }
        if (c == '{' || c == '}')
            break;
        if (c != '\r' && c != '\n')
            --skip;
        ++m_pos;
    }
    m_unicodeSkipLeft = skip;
    return unicodeUnit(value);
}

void Parser::emitText(QStringView text)
{
    if (m_state.destination == Destination::FieldInstruction)
        m_fieldInstruction.append(text);
    else if (m_state.destination == Destination::BookmarkName)
        m_bookmark.append(text);
    if (m_state.destination != Destination::Text || m_state.chars.hidden)
        return;
    appendBody(text);
}

void Parser::flushPendingBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString text = codePage().decodeMultiByte(m_pendingBytes);
    m_pendingBytes.clear();
    emitText(text);
}

const CodePage &Parser::codePage()
{
    const int font = m_state.chars.font >= 0 ? m_state.chars.font : m_defaultFont;
    if (!m_codePage || font != m_codePageFont) {
        const FontEntry *entry = m_formats.font(font);
        const int number = entry && entry->codePage != 0 ? entry->codePage : m_documentCodePage;
        m_codePage = &m_codePages.get(number);
        m_codePageFont = font;
    }
    return *m_codePage;
}

bool Parser::asciiMapsToItself(const CodePage &page)
{
    if (m_asciiCheckedPage != &page) {
        m_asciiCheckedPage = &page;
        m_asciiItself = true;
        for (int c = 0x20; c < 0x7F; ++c)
            m_asciiItself = m_asciiItself && page.unit(static_cast<unsigned char>(c)) == char16_t(c);
    }
    return m_asciiItself;
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
