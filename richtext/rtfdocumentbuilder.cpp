// Writes what the RTF parser reads into a QTextDocument through one cursor that stays at the end.
#include "richtext/rtfdocumentbuilder.h"

#include <QImage>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

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

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument *document) : m_document(document), m_cursor(document)
{
    setDefaultTab(720); // half an inch, unless the document says otherwise
}

void DocumentBuilder::setDefaultTab(int twips)
{
    QTextOption option = m_document->defaultTextOption();
    option.setTabStopDistance(twipsToPixels(twips));
    m_document->setDefaultTextOption(option);
}

void DocumentBuilder::setFont(int number, const FontEntry &entry)
{
    m_fonts.insert(number, entry);
    m_families.remove(number);
}

const FontEntry *DocumentBuilder::font(int number) const
{
    const auto it = m_fonts.constFind(number);
    return it == m_fonts.constEnd() ? nullptr : &*it;
}

QStringList DocumentBuilder::families(const FontEntry &entry) const
{
    QStringList list;
    if (!entry.name.isEmpty())
        list.append(entry.name);
    for (const QString &fallback : {substitute(entry.name), genericFamily(entry.hint)})
        if (!fallback.isEmpty() && !list.contains(fallback))
            list.append(fallback);
    return list;
}

QTextCharFormat DocumentBuilder::charFormat(const CharState &chars)
{
    if (m_lastFormat < m_formatCache.size() && m_formatCache[m_lastFormat].first == chars)
        return m_formatCache[m_lastFormat].second;
    for (std::size_t i = 0; i < m_formatCache.size(); ++i) {
        if (m_formatCache[i].first == chars) {
            m_lastFormat = i;
            return m_formatCache[i].second;
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
    if (chars.underline)
        format.setFontUnderline(true);
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
    const auto color = [this](int index) {
        return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
    };
    if (const QColor fg = color(chars.foreground); fg.isValid())
        format.setForeground(fg);
    // A highlight is drawn over any character shading.
    const QColor bg = color(chars.highlight).isValid() ? color(chars.highlight) : color(chars.background);
    if (bg.isValid())
        format.setBackground(bg);

    if (m_formatCache.size() >= 64)
        m_formatCache.erase(m_formatCache.begin());
    m_formatCache.emplace_back(chars, format);
    m_lastFormat = m_formatCache.size() - 1;
    return format;
}

QTextBlockFormat DocumentBuilder::blockFormat(const ParaState &para) const
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

void DocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runChars));
    m_run.resize(0);
    m_blockEmpty = false;
}

void DocumentBuilder::place(const CharState &chars, const ParaState &para)
{
    flushRun();
    if (para.inTable) {
        if (!m_table)
            createTable();
        else if (!m_rowOpen)
            openRow();
        if (m_cellPending)
            moveToCell();
    } else if (m_table) {
        leaveTable();
    }
    if (m_pendingBlock) {
        // The new paragraph starts with its predecessor's format, as a word processor's does; its
        // mark takes the character format now in force, so that an empty paragraph has its height.
        m_cursor.insertBlock(m_blockHasLastFormat ? m_lastBlockFormat : m_cursor.blockFormat(),
                             charFormat(chars));
        m_pendingBlock = false;
        m_blockEmpty = true;
        m_blockCharFormatSet = true;
    }
    m_needPlace = false;
}

void DocumentBuilder::applyBlockFormat(const CharState &chars, const ParaState &para)
{
    if (!m_haveLastPara || !(para == m_lastPara)) {
        m_lastBlockFormat = blockFormat(para);
        m_lastPara = para;
        m_haveLastPara = true;
        m_blockHasLastFormat = false;
    }
    if (!m_blockHasLastFormat) {
        m_cursor.setBlockFormat(m_lastBlockFormat);
        m_blockHasLastFormat = true;
    }
    // An empty paragraph is as high as its paragraph mark's font.
    if (m_blockEmpty && !m_blockCharFormatSet) {
        m_cursor.setBlockCharFormat(charFormat(chars));
        m_blockCharFormatSet = true;
    }
}

void DocumentBuilder::endParagraph(const CharState &chars, const ParaState &para)
{
    if (m_needPlace || para.inTable != (m_table != nullptr))
        place(chars, para);
    flushRun();
    applyBlockFormat(chars, para);
    m_pendingBlock = true;
    m_needPlace = true;
}

void DocumentBuilder::appendImage(const QImage &image, double widthPx, double heightPx,
                                  const CharState &chars, const ParaState &para)
{
    appendText(QStringView(), chars, para);
    flushRun();
    const QString name = QStringLiteral("rtfpicture:%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(widthPx);
    format.setHeight(heightPx);
    m_cursor.insertImage(format);
    m_blockEmpty = false;
}

void DocumentBuilder::rowDefaults()
{
    m_cellX.clear();
    m_cellGapTwips = 0;
    m_nextBorders = Borders{};
    m_borderSide = -1;
    m_cellBorders.clear();
}

void DocumentBuilder::cellBoundary(int twips)
{
    if (m_cellX.size() < std::size_t(maxColumns)) {
        m_cellX.push_back(twips);
        m_cellBorders.push_back(m_nextBorders);
    }
    m_nextBorders = Borders{};
    m_borderSide = -1;
}

void DocumentBuilder::cellBorder(CellSide side)
{
    // A border drawn in the style's default width until \brdrw or \brdrnone says otherwise.
    m_borderSide = int(side);
    m_nextBorders[m_borderSide] = 1;
}

void DocumentBuilder::borderWidth(int twips)
{
    if (m_borderSide >= 0)
        m_nextBorders[m_borderSide] = twips <= 0 ? 0.0 : std::max(1.0, twipsToPixels(twips));
}

void DocumentBuilder::applyCellBorders()
{
    if (m_column >= int(m_cellBorders.size()))
        return;
    const Borders &borders = m_cellBorders[m_column];
    QTextTableCell cell = m_table->cellAt(m_row, m_column);
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    format.setTopBorder(borders[int(CellSide::Top)]);
    format.setLeftBorder(borders[int(CellSide::Left)]);
    format.setBottomBorder(borders[int(CellSide::Bottom)]);
    format.setRightBorder(borders[int(CellSide::Right)]);
    format.setBorderBrush(QBrush(Qt::black));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    cell.setFormat(format);
}

void DocumentBuilder::createTable()
{
    m_blockHasLastFormat = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = false;
    QTextTableFormat format;
    format.setCellSpacing(0);
    // \trgaph is the space on each side of a cell's text, inside the cell boundaries.
    format.setCellPadding(std::clamp(twipsToPixels(m_cellGapTwips), 2.0, 10.0));
    // The cells draw their own borders, as the row definition gives them.
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setAlignment(Qt::AlignLeft);
    QList<QTextLength> widths;
    int left = 0;
    for (int x : m_cellX) {
        widths.append(QTextLength(QTextLength::FixedLength, twipsToPixels(std::max(x - left, 60))));
        left = std::max(left, x);
    }
    const int columns = std::max<int>(1, int(m_cellX.size()));
    if (!widths.isEmpty())
        format.setColumnWidthConstraints(widths);
    m_table = m_cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    applyCellBorders();
    m_rowOpen = true;
    m_cellPending = false;
    m_pendingBlock = false;
}

void DocumentBuilder::openRow()
{
    m_blockHasLastFormat = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = false;
    const int wantedColumns = std::max({1, m_table->columns(), int(m_cellX.size())});
    if ((m_row + 2) * wantedColumns > maxCells) {
        leaveTable();
        createTable();
        return;
    }
    if (wantedColumns > m_table->columns())
        m_table->appendColumns(wantedColumns - m_table->columns());
    if (m_row + 1 >= m_table->rows()) {
        // Qt rebuilds the cell grid after every change of a table's rows, so rows come in growing
        // batches; the rows left over go when the table ends.
        const int room = maxCells / wantedColumns - m_table->rows();
        m_table->appendRows(std::clamp(m_table->rows(), 1, std::max(room, 1)));
    }
    ++m_row;
    m_column = 0;
    m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
    applyCellBorders();
    m_rowOpen = true;
    m_cellPending = false;
    m_pendingBlock = false;
}

void DocumentBuilder::moveToCell()
{
    m_cellPending = false;
    if (m_column >= maxColumns ||
        (m_column >= m_table->columns() && (m_column + 1) * (m_row + 1) > maxCells)) {
        // More cells than any real table has: the rest of the row shares the last cell.
        m_column = m_table->columns() - 1;
        m_cursor.insertText(QStringLiteral("\t"));
        m_blockEmpty = false;
        return;
    }
    if (m_column >= m_table->columns())
        m_table->appendColumns(m_column - m_table->columns() + 1);
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
    applyCellBorders();
    m_blockHasLastFormat = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = false;
    m_pendingBlock = false;
}

void DocumentBuilder::trimTable()
{
    if (m_table && m_table->rows() > m_row + 1)
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
}

void DocumentBuilder::leaveTable()
{
    trimTable();
    m_blockHasLastFormat = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = false;
    m_cursor.movePosition(QTextCursor::End);
    m_table = nullptr;
    m_rowOpen = false;
    m_cellPending = false;
    m_pendingBlock = false;
}

void DocumentBuilder::endCell(const CharState &chars, const ParaState &para)
{
    if (!para.inTable && !m_table && m_cellX.empty()) {
        // A cell mark with neither a table paragraph nor a row definition: keep the cells apart.
        appendText(u"\t", chars, para);
        return;
    }
    ParaState inCell = para;
    inCell.inTable = true;
    if (m_needPlace || !m_table)
        place(chars, inCell);
    flushRun();
    if (!m_pendingBlock)
        applyBlockFormat(chars, para);
    ++m_column;
    m_cellPending = true;
    m_pendingBlock = false;
    m_needPlace = true;
}

void DocumentBuilder::endRow()
{
    if (!m_table)
        return;
    flushRun();
    m_rowOpen = false;
    m_cellPending = false;
    m_pendingBlock = false;
    m_needPlace = true;
}

void DocumentBuilder::finish(const CharState &chars, const ParaState &para)
{
    flushRun();
    trimTable();
    if (!m_pendingBlock && !m_table)
        applyBlockFormat(chars, para);
}

} // namespace Rtf
