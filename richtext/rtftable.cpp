// Puts a collected table into the document: the column grid from every row's cell edges, merged
// cells, cell formats only where the table format cannot say it, then the cells' content.
#include "richtext/rtftable.h"

#include "richtext/rtfcursorwriter.h"
#include "richtext/rtfformats.h"
#include "richtext/rtfinsertion.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace Rtf {

namespace {

constexpr int maxColumns = 64;
constexpr int minCellTwips = 60;

struct Placed
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    Content *content = nullptr;
    const CellDefinition *definition = nullptr; // null for a cell beyond the row definition
};

struct Grid
{
    std::vector<int> edges; // the columns' edges in twips, left to right
    int extraColumns = 0;   // columns for cells beyond their row's definition
    std::vector<Placed> cells;
    int columns() const { return std::max(1, int(edges.size()) - 1 + extraColumns); }
};

// Each row's cell edges, forced to grow left to right, into a buffer that keeps its memory.
void rowEdges(const RowDefinition &definition, std::vector<int> &edges)
{
    edges.clear();
    edges.push_back(definition.left);
    for (const CellDefinition &cell : definition.cells)
        edges.push_back(std::max(cell.right, edges.back() + minCellTwips));
}

Grid makeGrid(Table &table)
{
    Grid grid;
    std::vector<int> edges;
    for (const Table::Row &row : table.rows) {
        if (row.definition.cells.empty())
            continue;
        rowEdges(row.definition, edges);
        grid.edges.insert(grid.edges.end(), edges.begin(), edges.end());
        grid.extraColumns =
            std::max(grid.extraColumns, int(row.cells.size()) - int(row.definition.cells.size()));
    }
    std::sort(grid.edges.begin(), grid.edges.end());
    grid.edges.erase(std::unique(grid.edges.begin(), grid.edges.end()), grid.edges.end());
    // Rows whose edges never meet make too many columns: the cells then simply stand side by side.
    const bool byIndex = int(grid.edges.size()) - 1 > maxColumns;
    if (byIndex) {
        rowEdges(table.rows.front().definition, grid.edges);
        grid.extraColumns = 0;
        for (const Table::Row &row : table.rows)
            grid.extraColumns =
                std::max(grid.extraColumns, int(row.cells.size()) - int(grid.edges.size()) + 1);
    }
    grid.extraColumns =
        std::clamp(grid.extraColumns, 0, std::max(0, maxColumns - int(grid.edges.size()) + 1));

    std::vector<int> verticalOwner(std::size_t(grid.columns()), -1); // index into grid.cells
    grid.cells.reserve(std::size_t(table.cellCount()));
    for (int r = 0; r < int(table.rows.size()); ++r) {
        Table::Row &row = table.rows[std::size_t(r)];
        rowEdges(row.definition, edges);
        const int defined = int(row.definition.cells.size());
        int lastPlaced = -1;
        for (int c = 0; c < int(row.cells.size()); ++c) {
            Placed cell;
            cell.row = r;
            cell.content = &row.cells[std::size_t(c)];
            if (c < defined && !byIndex) {
                cell.definition = &row.definition.cells[std::size_t(c)];
                const auto at = [&grid](int edge) {
                    return int(std::lower_bound(grid.edges.begin(), grid.edges.end(), edge) -
                               grid.edges.begin());
                };
                cell.column = at(edges[std::size_t(c)]);
                cell.columnSpan = std::max(1, at(edges[std::size_t(c) + 1]) - cell.column);
            } else {
                if (c < defined)
                    cell.definition = &row.definition.cells[std::size_t(c)];
                cell.column = byIndex ? c : int(grid.edges.size()) - 1 + (c - defined);
                if (cell.column >= grid.columns() && lastPlaced >= 0) {
                    // More cells than any real table has: the rest of the row shares the last cell.
                    Content *last = grid.cells[std::size_t(lastPlaced)].content;
                    last->text(u"\t", CharState());
                    cell.content->replay(*last);
                    continue;
                }
                // A table whose rows define no cells at all has no edges: its cells start at 0.
                cell.column = std::clamp(cell.column, 0, grid.columns() - 1);
            }
            const CellDefinition *def = cell.definition;
            if (def && def->merge && lastPlaced >= 0) {
                Placed &first = grid.cells[std::size_t(lastPlaced)];
                first.columnSpan = cell.column + cell.columnSpan - first.column;
                continue;
            }
            int &owner = verticalOwner[std::size_t(cell.column)];
            if (def && def->verticalMerge && owner >= 0) {
                Placed &first = grid.cells[std::size_t(owner)];
                first.rowSpan = r - first.row + 1;
                continue;
            }
            owner = def && def->verticalMergeFirst ? int(grid.cells.size()) : -1;
            grid.cells.push_back(cell);
            lastPlaced = int(grid.cells.size()) - 1;
        }
    }
    return grid;
}

// Borders the table format can give every cell at once: all sides of all cells alike.
bool uniformBorders(const Grid &grid, double *width)
{
    std::optional<double> common;
    for (const Placed &cell : grid.cells) {
        const std::array<double, 4> none{};
        const std::array<double, 4> &b = cell.definition ? cell.definition->borders : none;
        for (double side : b) {
            if (common && *common != side)
                return false;
            common = side;
        }
    }
    *width = common.value_or(0);
    return true;
}

QColor cellShading(const CellDefinition &cell, const Formats &formats)
{
    const QColor background = formats.color(cell.background);
    if (cell.shading <= 0)
        return background;
    const QColor under = background.isValid() ? background : QColor(Qt::white);
    const QColor over =
        formats.color(cell.foreground).isValid() ? formats.color(cell.foreground) : QColor(Qt::black);
    const double share = std::clamp(cell.shading, 0, 10000) / 10000.0;
    const auto mix = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
    return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                  mix(under.blue(), over.blue()));
}

// What every table shares, made once: a copy shares its properties until it sets its own.
const QTextTableFormat &baseTableFormat()
{
    static const QTextTableFormat base = [] {
        QTextTableFormat format;
        format.setCellSpacing(0);
        format.setBorderCollapse(true);
        format.setBorderBrush(QBrush(Qt::black));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        return format;
    }();
    return base;
}

QTextTableFormat tableFormat(const Table &table, const Grid &grid, double border)
{
    const RowDefinition &first = table.rows.front().definition;
    QTextTableFormat format = baseTableFormat();
    // \trgaph is the space on each side of a cell's text, inside the cell boundaries.
    format.setCellPadding(std::clamp(Formats::twipsToPixels(first.gap), 2.0, 10.0));
    format.setBorder(border);
    switch (first.alignment) {
    case TableAlignment::Left:
        format.setAlignment(Qt::AlignLeft);
        if (first.left > 0)
            format.setLeftMargin(Formats::twipsToPixels(first.left));
        break;
    case TableAlignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case TableAlignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    }
    QList<QTextLength> widths;
    QList<double> natural;
    widths.reserve(qsizetype(grid.edges.size()));
    natural.reserve(qsizetype(grid.edges.size()));
    for (std::size_t i = 1; i < grid.edges.size(); ++i) {
        const double width = Formats::twipsToPixels(grid.edges[i] - grid.edges[i - 1]);
        widths.append(QTextLength(QTextLength::FixedLength, width));
        natural.append(width);
    }
    if (!widths.isEmpty()) {
        format.setColumnWidthConstraints(widths);
        format.setProperty(naturalWidthsProperty, QVariant::fromValue(natural));
    }
    return format;
}

} // namespace

int Table::cellCount() const
{
    int count = 0;
    for (const Row &row : rows)
        count += int(row.cells.size());
    return count;
}

void RowDefinitionBuilder::reset()
{
    m_row = RowDefinition();
    m_next = CellDefinition();
    m_side = -1;
}

void RowDefinitionBuilder::cellBoundary(int twips)
{
    m_next.right = twips;
    if (int(m_row.cells.size()) < maxCells)
        m_row.cells.push_back(m_next);
    m_next = CellDefinition();
    m_side = -1;
}

void RowDefinitionBuilder::border(CellSide side)
{
    // A border drawn in the style's default width until \brdrw or \brdrnone says otherwise.
    m_side = int(side);
    m_next.borders[std::size_t(m_side)] = 1;
}

void RowDefinitionBuilder::borderWidth(int twips)
{
    if (m_side >= 0)
        m_next.borders[std::size_t(m_side)] = twips <= 0 ? 0.0 : std::max(1.0, Formats::twipsToPixels(twips));
}

void writeTable(QTextCursor &cursor, Table &table, Insertion &insertion)
{
    const Formats &formats = insertion.formats();
    if (table.rows.empty())
        return;
    Grid grid = makeGrid(table);
    double border = 0;
    const bool uniform = uniformBorders(grid, &border);
    QTextTable *qtable =
        cursor.insertTable(int(table.rows.size()), grid.columns(), tableFormat(table, grid, border));

    for (const Placed &cell : grid.cells)
        if (cell.rowSpan > 1 || cell.columnSpan > 1)
            qtable->mergeCells(cell.row, cell.column, cell.rowSpan,
                               std::min(cell.columnSpan, grid.columns() - cell.column));
    // Cell formats first: a cell's format is its first block's character format, which the
    // content then only adds to.
    for (const Placed &cell : grid.cells) {
        if (!cell.definition)
            continue;
        const CellDefinition &def = *cell.definition;
        const QColor shading = cellShading(def, formats);
        if (uniform && !shading.isValid() && def.alignment == CellAlignment::Top)
            continue;
        QTextTableCellFormat format;
        if (!uniform) {
            format.setTopBorder(def.borders[int(CellSide::Top)]);
            format.setLeftBorder(def.borders[int(CellSide::Left)]);
            format.setBottomBorder(def.borders[int(CellSide::Bottom)]);
            format.setRightBorder(def.borders[int(CellSide::Right)]);
            format.setBorderBrush(QBrush(Qt::black));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        }
        if (shading.isValid())
            format.setBackground(shading);
        if (def.alignment == CellAlignment::Center)
            format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        else if (def.alignment == CellAlignment::Bottom)
            format.setVerticalAlignment(QTextCharFormat::AlignBottom);
        qtable->cellAt(cell.row, cell.column).setFormat(format);
    }
    for (const Placed &cell : grid.cells) {
        if (cell.content->isEmpty())
            continue;
        cursor.setPosition(qtable->cellAt(cell.row, cell.column).firstPosition());
        CursorWriter writer(cursor, insertion, CursorWriter::Place::CellStart);
        cell.content->replay(writer);
        writer.flush();
    }
    cursor.setPosition(qtable->lastPosition() + 1);
}

} // namespace Rtf
