// The RTF parser: tokens are read and acted on in one pass; text goes to the document builder.
#include "richtext/rtfparser.h"

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace Rtf {

namespace {

constexpr int maxWordLength = 32;
constexpr int maxTwips = 31680; // 22 inches, wider than any page

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

// \uN counts in signed 16 bits; what lies outside any reading of that is no character.
char16_t unicodeUnit(std::int64_t value)
{
    if (value < -32768 || value > 65535)
        return u'\uFFFD';
    return char16_t(value < 0 ? value + 65536 : value);
}

int twips(int value)
{
    return std::clamp(value, -maxTwips, maxTwips);
}

} // namespace

Parser::Parser(const QByteArray &bytes, DocumentBuilder &builder)
    : m_pos(bytes.constData()), m_end(bytes.constData() + bytes.size()), m_builder(builder)
{
    m_stack.reserve(64);
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
    const bool pictureEnds =
        m_state.destination == Destination::Picture && m_stack.back().destination != Destination::Picture;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (pictureEnds)
        finishPicture(m_state);
    return !m_stack.empty();
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
    const std::string_view word(start, std::size_t(std::min<std::ptrdiff_t>(m_pos - start, maxWordLength + 1)));

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
    case '*': m_state.starPending = true; break;
    case '\\':
    case '{':
    case '}': textByte(static_cast<unsigned char>(symbol)); break;
    case '~': emitChar(u'\u00A0'); break;
    case '-': emitChar(u'\u00AD'); break;
    case '_': emitChar(u'\u2011'); break;
    case '\t': emitChar(u'\t'); break;
    case '\r':
    case '\n':
        // A backslash before a line end is a paragraph mark.
        if (m_state.destination == Destination::Text)
            m_builder.endParagraph(m_state.chars, m_state.para);
        break;
    default: break; // \: \| and the like do not show
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
            m_builder.addColor(m_colorHasValue ? QColor(m_red, m_green, m_blue) : QColor());
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
    case Destination::Skip: return;
    }
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

    if (m_state.destination != Destination::Text || !codePage().isSingleByte()) {
        for (; m_pos < m_end && !isSpecial(*m_pos); ++m_pos)
            if (static_cast<unsigned char>(*m_pos) >= 0x20 || *m_pos == '\t')
                textByte(static_cast<unsigned char>(*m_pos));
        return;
    }

    // The body text of a single-byte code page, read in one go together with the \'hh and \uN
    // escapes inside it, which is most of what word processors write.
    const CodePage &page = codePage();
    char16_t *const first = m_units.data();
    char16_t *out = first;
    const char *const limit = m_pos + std::min<std::ptrdiff_t>(m_end - m_pos, std::ptrdiff_t(m_units.size()));
    while (m_pos < limit) {
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
                *out++ = inlineUnicode();
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
        m_builder.appendText(QStringView(first, out - first), m_state.chars, m_state.para);
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
            if (m_end - m_pos >= 4 && m_pos[1] == '\'' && hexValue(m_pos[2]) >= 0 && hexValue(m_pos[3]) >= 0) {
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
    if (m_state.destination != Destination::Text || m_state.chars.hidden)
        return;
    m_builder.appendText(text, m_state.chars, m_state.para);
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
        const FontEntry *entry = m_builder.font(font);
        const int number = entry && entry->codePage > 0 ? entry->codePage : m_documentCodePage;
        m_codePage = &m_codePages.get(number);
        m_codePageFont = font;
    }
    return *m_codePage;
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
        m_builder.setFont(m_fontNumber, m_fontEntry);
        m_codePage = nullptr;
    }
    m_fontNumber = -1;
    m_fontEntry = FontEntry();
    m_fontName.clear();
}

void Parser::finishPicture(const GroupState &parent)
{
    Picture picture = std::move(m_picture);
    m_picture = Picture();
    if (picture.kind == Picture::Kind::Other || picture.data.isEmpty() || parent.chars.hidden ||
        parent.destination != Destination::Text)
        return;
    QImage image;
    if (!image.loadFromData(picture.data, picture.kind == Picture::Kind::Png ? "PNG" : "JPEG"))
        return;
    const double width = picture.widthGoal > 0 ? DocumentBuilder::twipsToPixels(picture.widthGoal)
                                               : double(image.width());
    const double height = picture.heightGoal > 0 ? DocumentBuilder::twipsToPixels(picture.heightGoal)
                                                 : double(image.height());
    m_builder.appendImage(image, width * picture.scaleX / 100.0, height * picture.scaleY / 100.0, parent.chars,
                          parent.para);
}

void Parser::controlWord(std::string_view word, bool hasParam, int param)
{
    const Keyword keyword = word.size() > std::size_t(maxWordLength) ? Keyword::Unknown : lookupKeyword(word);
    GroupState &s = m_state;

    if (s.starPending) {
        // An ignorable destination the reader does not know is skipped whole.
        s.starPending = false;
        if (keyword != Keyword::TextDestination && keyword != Keyword::FontTable &&
            keyword != Keyword::ColorTable && keyword != Keyword::Picture) {
            s.destination = Destination::Skip;
            return;
        }
    }
    if (keyword == Keyword::Binary) {
        skipBinary(hasParam ? param : 0);
        return;
    }
    if (s.destination == Destination::Skip)
        return;

    switch (keyword) {
    case Keyword::SkipDestination: s.destination = Destination::Skip; return;
    case Keyword::TextDestination:
        if (word == "listtext" || word == "pntext")
            s.listText = true;
        return; // the text stays where it was going
    case Keyword::FontTable:
        s.destination = Destination::FontTable;
        m_fontNumber = -1;
        m_fontName.clear();
        return;
    case Keyword::ColorTable:
        s.destination = Destination::ColorTable;
        m_colorHasValue = false;
        m_red = m_green = m_blue = 0;
        return;
    case Keyword::Picture:
        s.destination = Destination::Picture;
        m_picture = Picture();
        return;
    case Keyword::AnsiCodePage:
        if (hasParam && param > 0)
            m_documentCodePage = param;
        m_codePage = nullptr;
        return;
    case Keyword::Ansi: m_documentCodePage = 1252; m_codePage = nullptr; return;
    case Keyword::Mac: m_documentCodePage = 10000; m_codePage = nullptr; return;
    case Keyword::Pc: m_documentCodePage = 437; m_codePage = nullptr; return;
    case Keyword::Pca: m_documentCodePage = 850; m_codePage = nullptr; return;
    case Keyword::DefaultFont:
        m_defaultFont = param;
        m_builder.setDefaultFont(param);
        m_codePage = nullptr;
        return;
    case Keyword::DefaultTab:
        if (param > 0)
            m_builder.setDefaultTab(std::min(param, maxTwips));
        return;
    case Keyword::UnicodeSkip: s.unicodeSkip = std::clamp(param, 0, 16); return;
    case Keyword::Unicode:
        if (s.destination == Destination::Text) {
            emitChar(unicodeUnit(param));
            m_unicodeSkipLeft = s.unicodeSkip;
        }
        return;
    default: break;
    }

    switch (s.destination) {
    case Destination::FontTable:
        switch (keyword) {
        case Keyword::Font:
            if (m_fontNumber >= 0 && !m_fontName.trimmed().isEmpty())
                finishFontEntry();
            m_fontNumber = std::max(param, 0);
            m_fontEntry = FontEntry();
            m_fontName.clear();
            break;
        case Keyword::FontCharset: m_fontEntry.codePage = codePageForCharset(param); break;
        case Keyword::FontFamilyRoman: m_fontEntry.hint = QFont::Serif; break;
        case Keyword::FontFamilySwiss: m_fontEntry.hint = QFont::SansSerif; break;
        case Keyword::FontFamilyModern: m_fontEntry.hint = QFont::Monospace; break;
        case Keyword::FontFamilyScript: m_fontEntry.hint = QFont::Cursive; break;
        case Keyword::FontFamilyDecor: m_fontEntry.hint = QFont::Decorative; break;
        default: break;
        }
        return;
    case Destination::ColorTable:
        if (keyword == Keyword::Red || keyword == Keyword::Green || keyword == Keyword::Blue) {
            const int value = std::clamp(param, 0, 255);
            (keyword == Keyword::Red ? m_red : keyword == Keyword::Green ? m_green : m_blue) = value;
            m_colorHasValue = true;
        }
        return;
    case Destination::Picture:
        switch (keyword) {
        case Keyword::PngBlip: m_picture.kind = Picture::Kind::Png; break;
        case Keyword::JpegBlip: m_picture.kind = Picture::Kind::Jpeg; break;
        case Keyword::OtherBlip: m_picture.kind = Picture::Kind::Other; break;
        case Keyword::PictureGoalWidth: m_picture.widthGoal = std::clamp(param, 0, maxTwips); break;
        case Keyword::PictureGoalHeight: m_picture.heightGoal = std::clamp(param, 0, maxTwips); break;
        case Keyword::PictureScaleX: m_picture.scaleX = std::clamp(param, 1, 1000); break;
        case Keyword::PictureScaleY: m_picture.scaleY = std::clamp(param, 1, 1000); break;
        default: break;
        }
        return;
    case Destination::Skip: return;
    case Destination::Text: formatWord(keyword, hasParam, param); return;
    }
}

void Parser::formatWord(Keyword keyword, bool hasParam, int param)
{
    CharState &c = m_state.chars;
    ParaState &p = m_state.para;
    // A toggle without a parameter switches on; with 0 it switches off.
    const bool on = !hasParam || param != 0;
    switch (keyword) {
    case Keyword::Plain: c = CharState(); break;
    case Keyword::Font: c.font = std::max(param, 0); break;
    case Keyword::FontSize: c.halfPoints = hasParam ? std::clamp(param, 2, 3276) : 24; break;
    case Keyword::Foreground: c.foreground = param; break;
    case Keyword::Background: c.background = param; break;
    case Keyword::Highlight: c.highlight = param > 0 ? param : -1; break;
    case Keyword::Bold: c.bold = on; break;
    case Keyword::Italic: c.italic = on; break;
    case Keyword::Underline: c.underline = on; break;
    case Keyword::UnderlineNone: c.underline = false; break;
    case Keyword::Strike: c.strike = on; break;
    case Keyword::Hidden: c.hidden = on; break;
    case Keyword::AllCaps: c.allCaps = on; break;
    case Keyword::SmallCaps: c.smallCaps = on; break;
    case Keyword::Subscript: c.vertical = VerticalPosition::Sub; break;
    case Keyword::Superscript: c.vertical = VerticalPosition::Super; break;
    case Keyword::NoSuperSub: c.vertical = VerticalPosition::Normal; break;
    case Keyword::Up: c.vertical = param > 0 || !hasParam ? VerticalPosition::Super : VerticalPosition::Normal; break;
    case Keyword::Down: c.vertical = param > 0 || !hasParam ? VerticalPosition::Sub : VerticalPosition::Normal; break;
    case Keyword::Line: emitChar(u'\u2028'); break;
    case Keyword::Tab: emitChar(u'\t'); break;
    case Keyword::EmDash: emitChar(u'\u2014'); break;
    case Keyword::EnDash: emitChar(u'\u2013'); break;
    case Keyword::EmSpace: emitChar(u'\u2003'); break;
    case Keyword::EnSpace: emitChar(u'\u2002'); break;
    case Keyword::QmSpace: emitChar(u'\u2005'); break;
    case Keyword::Bullet: emitChar(u'\u2022'); break;
    case Keyword::LeftQuote: emitChar(u'\u2018'); break;
    case Keyword::RightQuote: emitChar(u'\u2019'); break;
    case Keyword::LeftDoubleQuote: emitChar(u'\u201C'); break;
    case Keyword::RightDoubleQuote: emitChar(u'\u201D'); break;
    case Keyword::ZeroWidthJoiner: emitChar(u'\u200D'); break;
    case Keyword::ZeroWidthNonJoiner: emitChar(u'\u200C'); break;
    case Keyword::NestCell: emitChar(u'\t'); break;
    case Keyword::FootnoteNumber: emitText(QString::number(++m_footnotes)); break;
    case Keyword::NestRow: emitChar(u'\u2028'); break;
    default: break;
    }
    if (m_state.listText)
        return; // a list number's own paragraph words must not end the list paragraph's table
    switch (keyword) {
    case Keyword::Par:
    case Keyword::Page:
    case Keyword::Section: m_builder.endParagraph(c, p); break;
    case Keyword::Pard: p = ParaState(); break;
    case Keyword::AlignLeft: p.alignment = Alignment::Left; break;
    case Keyword::AlignCenter: p.alignment = Alignment::Center; break;
    case Keyword::AlignRight: p.alignment = Alignment::Right; break;
    case Keyword::AlignJustify: p.alignment = Alignment::Justify; break;
    case Keyword::LeftIndent: p.leftTwips = twips(param); break;
    case Keyword::RightIndent: p.rightTwips = twips(param); break;
    case Keyword::FirstIndent: p.firstLineTwips = twips(param); break;
    case Keyword::SpaceBefore: p.spaceBeforeTwips = std::clamp(param, 0, maxTwips); break;
    case Keyword::SpaceAfter: p.spaceAfterTwips = std::clamp(param, 0, maxTwips); break;
    case Keyword::LineSpacing: p.lineSpacing = twips(param); break;
    case Keyword::LineMultiple: p.lineMultiple = on; break;
    case Keyword::TabRight: p.nextTabKind = TabKind::Right; break;
    case Keyword::TabCenter: p.nextTabKind = TabKind::Center; break;
    case Keyword::TabDecimal: p.nextTabKind = TabKind::Decimal; break;
    case Keyword::TabPosition:
        if (p.tabCount < ParaState::maxTabs)
            p.tabs[p.tabCount++] = TabStop{std::clamp(param, 0, maxTwips), p.nextTabKind};
        p.nextTabKind = TabKind::Left;
        break;
    case Keyword::InTable: p.inTable = true; break;
    case Keyword::RowDefaults: m_builder.rowDefaults(); break;
    case Keyword::CellX: m_builder.cellBoundary(twips(param)); break;
    case Keyword::CellGap: m_builder.cellGap(std::clamp(param, 0, 1440)); break;
    case Keyword::CellBorder: m_builder.cellBorder(); break;
    case Keyword::Cell: m_builder.endCell(c, p); break;
    case Keyword::Row: m_builder.endRow(); break;
    default: break;
    }
}

} // namespace Rtf
