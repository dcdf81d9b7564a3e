// The Qt formats of the reader's character and paragraph states, with the fonts and colours.
#include "richtext/rtfformats.h"

#include "richtext/rtfsymbolfonts.h"

#include <algorithm>
#include <utility>

namespace Rtf {

namespace {

// Free fonts with the same metrics stand in for the Windows fonts RTF documents name.
QString substitute(const QString &name)
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("calibri"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("cambria"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("georgia"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("consolas"), QStringLiteral("Liberation Mono")},
    };
    return map.value(name.toLower());
}

QString genericFamily(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return QStringLiteral("Liberation Serif");
    case QFont::SansSerif:
        return QStringLiteral("Liberation Sans");
    case QFont::Monospace:
        return QStringLiteral("Liberation Mono");
    default:
        return QString();
    }
}

// A format computes its hash on the first comparison and keeps it; its copies share it. Qt copies
// the format on every insertion and looks it up by that hash, so a format that already knows its
// hash saves computing it again for each run of text.
void primeHash(const QTextFormat &format)
{
    static const QTextFormat other = [] {
        QTextFormat f(QTextFormat::CharFormat);
        f.setProperty(QTextFormat::UserProperty, 0);
        return f;
    }();
    (void)(format == other);
}

} // namespace

void Formats::setFont(int number, const FontEntry &entry)
{
    if (m_journal)
        m_journal->fontSet(number, entry);
    m_fonts.insert(number, entry);
    m_families.remove(number);
    m_formatCache.clear();
}

const FontEntry *Formats::font(int number) const
{
    const auto it = m_fonts.constFind(number);
    return it == m_fonts.constEnd() ? nullptr : &*it;
}

QColor Formats::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
}

void Formats::setDefaultFont(int number)
{
    if (m_journal)
        m_journal->defaultFontSet(number);
    m_defaultFont = number;
}

void Formats::addColor(const QColor &color)
{
    if (m_journal)
        m_journal->colorAdded(color);
    m_colors.append(color);
}

int Formats::addLink(const QString &target)
{
    if (m_journal)
        m_journal->linkAdded(target);
    m_links.append(target);
    return int(m_links.size()) - 1;
}

QStringList Formats::families(const FontEntry &entry) const
{
    QStringList list;
    // The symbols of Symbol and Wingdings are read as Unicode characters: any font shows them.
    if (symbolCodePageFor(entry.name, entry.symbolCharset) != 0)
        return list;
    if (!entry.name.isEmpty())
        list.append(entry.name);
    for (const QString &fallback : {substitute(entry.name), genericFamily(entry.hint)})
        if (!fallback.isEmpty() && !list.contains(fallback))
            list.append(fallback);
    return list;
}

const Formats::CharFormat &Formats::madeCharFormat(const CharState &chars)
{
    // Text mostly changes between two formats (plain and bold, say): those two are looked at first.
    if (m_lastFormat < m_formatCache.size() && m_formatCache[m_lastFormat].state == chars)
        return m_formatCache[m_lastFormat];
    if (m_previousFormat < m_formatCache.size() && m_formatCache[m_previousFormat].state == chars) {
        std::swap(m_lastFormat, m_previousFormat);
        return m_formatCache[m_lastFormat];
    }
    for (std::size_t i = 0; i < m_formatCache.size(); ++i) {
        if (m_formatCache[i].state == chars) {
            m_previousFormat = std::exchange(m_lastFormat, i);
            return m_formatCache[i];
        }
    }

    QTextCharFormat format;
    const int number = chars.font >= 0 ? chars.font : m_defaultFont;
    if (const FontEntry *entry = font(number)) {
        auto it = m_families.find(number);
        if (it == m_families.end())
            it = m_families.insert(number, families(*entry));
        if (!it->isEmpty())
            format.setFontFamilies(*it);
        format.setFontStyleHint(entry->hint);
    }
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    switch (chars.underline) {
    case Underline::None:
        break;
    case Underline::Single:
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        break;
    case Underline::Dotted:
        format.setUnderlineStyle(QTextCharFormat::DotLine);
        break;
    case Underline::Dashed:
        format.setUnderlineStyle(QTextCharFormat::DashUnderline);
        break;
    case Underline::DashDot:
        format.setUnderlineStyle(QTextCharFormat::DashDotLine);
        break;
    case Underline::DashDotDot:
        format.setUnderlineStyle(QTextCharFormat::DashDotDotLine);
        break;
    case Underline::Wave:
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        break;
    }
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.vertical == VerticalPosition::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    else if (chars.vertical == VerticalPosition::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (chars.link >= 0 && chars.link < m_links.size()) {
        // A link looks like one, in the colour and underline the author gave it or blue and
        // underlined.
        format.setAnchor(true);
        format.setAnchorHref(m_links.at(chars.link));
        format.setToolTip(m_links.at(chars.link));
        if (chars.foreground < 0 || !color(chars.foreground).isValid())
            format.setForeground(linkColor());
        if (chars.underline == Underline::None)
            format.setFontUnderline(true);
    }
    if (const QColor fg = color(chars.foreground); fg.isValid())
        format.setForeground(fg);
    // A highlight is drawn over any character shading.
    const QColor bg = color(chars.highlight).isValid() ? color(chars.highlight) : color(chars.background);
    if (bg.isValid())
        format.setBackground(bg);

    primeHash(format);
    if (m_formatCache.size() >= 64)
        m_formatCache.erase(m_formatCache.begin());
    m_formatCache.push_back(CharFormat{chars, format, m_serials++});
    m_previousFormat = std::exchange(m_lastFormat, m_formatCache.size() - 1);
    return m_formatCache.back();
}

const Formats::BlockFormat &Formats::madeBlockFormat(const ParaState &para)
{
    for (const BlockFormat &made : m_blockFormatCache)
        if (made.state == para)
            return made;
    if (m_blockFormatCache.size() >= 32)
        m_blockFormatCache.erase(m_blockFormatCache.begin());
    m_blockFormatCache.push_back(BlockFormat{para, makeBlockFormat(para), m_serials++});
    primeHash(m_blockFormatCache.back().format);
    return m_blockFormatCache.back();
}

QTextBlockFormat Formats::makeBlockFormat(const ParaState &para) const
{
    QTextBlockFormat format;
    switch (para.alignment) {
    case Alignment::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case Alignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(twipsToPixels(para.leftTwips));
    format.setRightMargin(twipsToPixels(para.rightTwips));
    format.setTextIndent(twipsToPixels(para.firstLineTwips));
    format.setTopMargin(twipsToPixels(para.spaceBeforeTwips));
    format.setBottomMargin(twipsToPixels(para.spaceAfterTwips));
    if (para.lineSpacing != 0) {
        if (para.lineMultiple)
            format.setLineHeight(std::abs(para.lineSpacing) * 100.0 / 240.0,
                                 QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(twipsToPixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(twipsToPixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    // RTF measures tab stops from the page margin, Qt from the start of the line; the first line
    // (where list numbers and bullets stand) starts at the left plus the first-line indent.
    const int lineStart = para.leftTwips + para.firstLineTwips;
    QList<QTextOption::Tab> tabs;
    for (int i = 0; i < para.tabCount; ++i) {
        const TabStop &stop = para.tabs[i];
        if (stop.twips <= lineStart)
            continue;
        QTextOption::Tab tab;
        tab.position = twipsToPixels(stop.twips - lineStart);
        switch (stop.kind) {
        case TabKind::Left:
            tab.type = QTextOption::LeftTab;
            break;
        case TabKind::Center:
            tab.type = QTextOption::CenterTab;
            break;
        case TabKind::Right:
            tab.type = QTextOption::RightTab;
            break;
        case TabKind::Decimal:
            tab.type = QTextOption::DelimiterTab;
            tab.delimiter = QLatin1Char(',');
            break;
        }
        tabs.append(tab);
    }
    // A hanging first line (list paragraphs) has an implicit tab stop at the left indent, where
    // the text after the number or bullet starts.
    if (para.firstLineTwips < 0)
        tabs.append(QTextOption::Tab(twipsToPixels(-para.firstLineTwips), QTextOption::LeftTab));
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab &a, const QTextOption::Tab &b) {
            return a.position < b.position;
        });
        format.setTabPositions(tabs);
    }
    return format;
}

} // namespace Rtf
