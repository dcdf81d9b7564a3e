// The RTF parser's text: bytes in the group's code page, hex escapes and \u characters to UTF-16.
#include "richtext/rtfparser.h"

#include "richtext/rtfsymbolfonts.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Rtf {

namespace {

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

} // namespace Rtf
