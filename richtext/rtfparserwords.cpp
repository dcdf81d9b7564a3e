// The RTF parser's control words: destinations, document tables, character and paragraph formatting.
#include "richtext/rtfparser.h"

#include <algorithm>

namespace Rtf {

char16_t Parser::unicodeUnit(std::int64_t value)
{
    if (value < -32768 || value > 65535)
        return u'\uFFFD';
    return char16_t(value < 0 ? value + 65536 : value);
}

int Parser::twips(int value)
{
    return std::clamp(value, -maxTwips, maxTwips);
}

void Parser::controlWord(std::string_view word, bool hasParam, int param)
{
    const Keyword keyword = word.size() > std::size_t(maxWordLength) ? Keyword::Unknown : lookupKeyword(word);
    GroupState &s = m_state;

    if (s.starPending) {
        // An ignorable destination the reader does not know is skipped whole.
        s.starPending = false;
        switch (keyword) {
        case Keyword::TextDestination:
        case Keyword::FontTable:
        case Keyword::ColorTable:
        case Keyword::Picture:
        case Keyword::FieldInstruction:
        case Keyword::BookmarkStart:
        case Keyword::Footnote:
        case Keyword::NestTableProps:
        case Keyword::ShapeInstance:
        case Keyword::ListText:
            break;
        default:
            s.destination = Destination::Skip;
            skipGroup();
            return;
        }
    }
    if (keyword == Keyword::Binary) {
        skipBinary(hasParam ? param : 0);
        return;
    }
    if (s.destination == Destination::Skip)
        return;
    if (destinationWord(keyword))
        return;

    switch (keyword) {
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
        m_picture = PictureData();
        return;
    case Keyword::AnsiCodePage:
        if (hasParam && param > 0)
            m_documentCodePage = param;
        m_codePage = nullptr;
        return;
    case Keyword::Ansi:
        m_documentCodePage = 1252;
        m_codePage = nullptr;
        return;
    case Keyword::Mac:
        m_documentCodePage = 10000;
        m_codePage = nullptr;
        return;
    case Keyword::Pc:
        m_documentCodePage = 437;
        m_codePage = nullptr;
        return;
    case Keyword::Pca:
        m_documentCodePage = 850;
        m_codePage = nullptr;
        return;
    case Keyword::DefaultFont:
        m_defaultFont = param;
        m_formats.setDefaultFont(param);
        m_codePage = nullptr;
        return;
    case Keyword::DefaultTab:
        if (param > 0)
            m_builder.setDefaultTab(std::min(param, maxTwips));
        return;
    case Keyword::UnicodeSkip:
        s.unicodeSkip = std::clamp(param, 0, 16);
        return;
    case Keyword::Unicode:
        // Shown in the body only; elsewhere (a font name) its fallback must not be read as text either.
        if (s.destination == Destination::Text || s.destination == Destination::FieldInstruction ||
            s.destination == Destination::BookmarkName)
            emitChar(symbolUnit(unicodeUnit(param)));
        m_unicodeSkipLeft = s.unicodeSkip;
        return;
    default:
        break;
    }

    switch (s.destination) {
    case Destination::FontTable:
        switch (keyword) {
        case Keyword::Font:
            if (m_fontNumber >= 0 && !m_fontName.trimmed().isEmpty())
                finishFontEntry();
            m_fontNumber = std::max(param, 0);
            m_fontEntry = FontEntry();
            m_fontCodePageGiven = false;
            m_fontName.clear();
            break;
        case Keyword::FontCharset:
            if (m_fontEntry.codePage == 0 || !m_fontCodePageGiven)
                m_fontEntry.codePage = codePageForCharset(param);
            m_fontEntry.symbolCharset = param == 2;
            break;
        case Keyword::FontCodePage:
            // The code page a font names for its text counts over the one its charset implies.
            if (param > 0) {
                m_fontEntry.codePage = param;
                m_fontCodePageGiven = true;
            }
            break;
        case Keyword::FontFamilyRoman:
            m_fontEntry.hint = QFont::Serif;
            break;
        case Keyword::FontFamilySwiss:
            m_fontEntry.hint = QFont::SansSerif;
            break;
        case Keyword::FontFamilyModern:
            m_fontEntry.hint = QFont::Monospace;
            break;
        case Keyword::FontFamilyScript:
            m_fontEntry.hint = QFont::Cursive;
            break;
        case Keyword::FontFamilyDecor:
            m_fontEntry.hint = QFont::Decorative;
            break;
        default:
            break;
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
        case Keyword::PngBlip:
            m_picture.kind = PictureData::Kind::Png;
            break;
        case Keyword::JpegBlip:
            m_picture.kind = PictureData::Kind::Jpeg;
            break;
        case Keyword::DibBlip:
            m_picture.kind = PictureData::Kind::Dib;
            break;
        case Keyword::MetafileBlip:
            m_picture.kind = PictureData::Kind::Metafile;
            break;
        case Keyword::OtherBlip:
            m_picture.kind = PictureData::Kind::Other;
            break;
        case Keyword::PictureWidth:
            m_picture.width = std::clamp(param, 0, 1'000'000);
            break;
        case Keyword::PictureHeight:
            m_picture.height = std::clamp(param, 0, 1'000'000);
            break;
        case Keyword::PictureGoalWidth:
            m_picture.widthGoal = std::clamp(param, 0, maxTwips);
            break;
        case Keyword::PictureGoalHeight:
            m_picture.heightGoal = std::clamp(param, 0, maxTwips);
            break;
        case Keyword::PictureScaleX:
            m_picture.scaleX = std::clamp(param, 1, 1000);
            break;
        case Keyword::PictureScaleY:
            m_picture.scaleY = std::clamp(param, 1, 1000);
            break;
        default:
            break;
        }
        return;
    case Destination::Shape:
        shapeWord(keyword);
        return;
    case Destination::Skip:
    case Destination::FieldInstruction:
    case Destination::BookmarkName:
    case Destination::ShapePropertyName:
        return;
    case Destination::Text:
        formatWord(keyword, hasParam, param);
        return;
    }
}

void Parser::formatWord(Keyword keyword, bool hasParam, int param)
{
    CharState &c = m_state.chars;
    ParaState &p = m_state.para;
    // A toggle without a parameter switches on; with 0 it switches off.
    const bool on = !hasParam || param != 0;
    switch (keyword) {
    case Keyword::Plain: {
        const int link = c.link; // a field result stays a link
        c = CharState();
        c.link = link;
        break;
    }
    case Keyword::Font:
        c.font = std::max(param, 0);
        break;
    case Keyword::FontSize:
        c.halfPoints = hasParam ? std::clamp(param, 2, 3276) : 24;
        break;
    case Keyword::Foreground:
        c.foreground = param;
        break;
    case Keyword::Background:
        c.background = param;
        break;
    case Keyword::Highlight:
        c.highlight = param > 0 ? param : -1;
        break;
    case Keyword::Bold:
        c.bold = on;
        break;
    case Keyword::Italic:
        c.italic = on;
        break;
    case Keyword::Underline:
        c.underline = on ? Underline::Single : Underline::None;
        break;
    case Keyword::UnderlineDotted:
        c.underline = on ? Underline::Dotted : Underline::None;
        break;
    case Keyword::UnderlineDashed:
        c.underline = on ? Underline::Dashed : Underline::None;
        break;
    case Keyword::UnderlineDashDot:
        c.underline = on ? Underline::DashDot : Underline::None;
        break;
    case Keyword::UnderlineDashDotDot:
        c.underline = on ? Underline::DashDotDot : Underline::None;
        break;
    case Keyword::UnderlineWave:
        c.underline = on ? Underline::Wave : Underline::None;
        break;
    case Keyword::UnderlineNone:
        c.underline = Underline::None;
        break;
    case Keyword::Strike:
        c.strike = on;
        break;
    case Keyword::Hidden:
        c.hidden = on;
        break;
    case Keyword::AllCaps:
        c.allCaps = on;
        break;
    case Keyword::SmallCaps:
        c.smallCaps = on;
        break;
    case Keyword::Subscript:
        c.vertical = VerticalPosition::Sub;
        break;
    case Keyword::Superscript:
        c.vertical = VerticalPosition::Super;
        break;
    case Keyword::NoSuperSub:
        c.vertical = VerticalPosition::Normal;
        break;
    case Keyword::Up:
        c.vertical = param > 0 || !hasParam ? VerticalPosition::Super : VerticalPosition::Normal;
        break;
    case Keyword::Down:
        c.vertical = param > 0 || !hasParam ? VerticalPosition::Sub : VerticalPosition::Normal;
        break;
    case Keyword::Line:
    case Keyword::Column:
        emitChar(u'\u2028');
        break;
    case Keyword::Tab:
        emitChar(u'\t');
        break;
    case Keyword::EmDash:
        emitChar(u'\u2014');
        break;
    case Keyword::EnDash:
        emitChar(u'\u2013');
        break;
    case Keyword::EmSpace:
        emitChar(u'\u2003');
        break;
    case Keyword::EnSpace:
        emitChar(u'\u2002');
        break;
    case Keyword::QmSpace:
        emitChar(u'\u2005');
        break;
    case Keyword::Bullet:
        emitChar(u'\u2022');
        break;
    case Keyword::LeftQuote:
        emitChar(u'\u2018');
        break;
    case Keyword::RightQuote:
        emitChar(u'\u2019');
        break;
    case Keyword::LeftDoubleQuote:
        emitChar(u'\u201C');
        break;
    case Keyword::RightDoubleQuote:
        emitChar(u'\u201D');
        break;
    case Keyword::ZeroWidthJoiner:
        emitChar(u'\u200D');
        break;
    case Keyword::ZeroWidthNonJoiner:
        emitChar(u'\u200C');
        break;
    case Keyword::FootnoteNumber:
        if (m_builder.inNote())
            m_builder.noteNumber(c);
        else if (!c.hidden && !m_state.listText)
            m_builder.noteMark(c, p);
        break;
    default:
        break;
    }
    if (m_state.listText)
        return; // a list number's own paragraph words must not end the list paragraph's table
    switch (keyword) {
    case Keyword::Par:
    case Keyword::Page:
    case Keyword::Section:
        flushListMarker();
        m_builder.endParagraph(c, p);
        break;
    case Keyword::Pard:
        p = ParaState();
        break;
    case Keyword::AlignLeft:
        p.alignment = Alignment::Left;
        break;
    case Keyword::AlignCenter:
        p.alignment = Alignment::Center;
        break;
    case Keyword::AlignRight:
        p.alignment = Alignment::Right;
        break;
    case Keyword::AlignJustify:
        p.alignment = Alignment::Justify;
        break;
    case Keyword::LeftIndent:
        p.leftTwips = twips(param);
        break;
    case Keyword::RightIndent:
        p.rightTwips = twips(param);
        break;
    case Keyword::FirstIndent:
        p.firstLineTwips = twips(param);
        break;
    case Keyword::SpaceBefore:
        p.spaceBeforeTwips = std::clamp(param, 0, maxTwips);
        break;
    case Keyword::SpaceAfter:
        p.spaceAfterTwips = std::clamp(param, 0, maxTwips);
        break;
    case Keyword::LineSpacing:
        p.lineSpacing = twips(param);
        break;
    case Keyword::LineMultiple:
        p.lineMultiple = on;
        break;
    case Keyword::TabRight:
        p.nextTabKind = TabKind::Right;
        break;
    case Keyword::TabCenter:
        p.nextTabKind = TabKind::Center;
        break;
    case Keyword::TabDecimal:
        p.nextTabKind = TabKind::Decimal;
        break;
    case Keyword::TabPosition:
        if (p.tabCount < ParaState::maxTabs)
            p.tabs[p.tabCount++] = TabStop{std::clamp(param, 0, maxTwips), p.nextTabKind};
        p.nextTabKind = TabKind::Left;
        break;
    case Keyword::InTable:
        p.inTable = true;
        break;
    case Keyword::NestingLevel:
        p.nesting = std::clamp(param, 0, DocumentBuilder::maxNesting);
        p.inTable = p.nesting > 0;
        break;
    case Keyword::Cell:
    case Keyword::NestCell:
        flushListMarker();
        m_builder.endCell(keyword == Keyword::NestCell, c, p);
        break;
    case Keyword::Row:
    case Keyword::NestRow:
        flushListMarker();
        m_builder.endRow(keyword == Keyword::NestRow, c, p);
        break;
    default:
        tableWord(keyword, param);
        break;
    }
}

} // namespace Rtf
