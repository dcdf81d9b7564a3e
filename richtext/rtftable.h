// Tables as the reader collects them: row definitions and the recorded content of each cell, put
// into the document in one go once the table has ended.
#pragma once

#include "richtext/rtfcontent.h"

#include <array>
#include <cstdint>
#include <vector>

class QTextCursor;

namespace Rtf {

class Insertion;

enum class CellSide { Top, Left, Bottom, Right };
enum class CellAlignment : std::uint8_t { Top, Center, Bottom };
enum class TableAlignment : std::uint8_t { Left, Center, Right };

struct CellDefinition
{
    int right = 0;                   // \cellxN: the right edge in twips
    std::array<double, 4> borders{}; // widths in pixels by CellSide; 0 is no border
    int background = -1;             // \clcbpatN
    int foreground = -1;             // \clcfpatN
    int shading = -1;                // \clshdngN: hundredths of a percent of foreground over background
    CellAlignment alignment = CellAlignment::Top;
    bool mergeFirst = false;         // \clmgf: merged with the cells marked \clmrg after it
    bool merge = false;              // \clmrg
    bool verticalMergeFirst = false; // \clvmgf: merged with the \clvmrg cells below it
    bool verticalMerge = false;      // \clvmrg
};

struct RowDefinition
{
    int left = 0; // \trleftN
    int gap = 0;  // \trgaphN: the space on each side of a cell's text
    TableAlignment alignment = TableAlignment::Left;
    std::vector<CellDefinition> cells;
};

struct Table
{
    struct Row
    {
        RowDefinition definition;
        std::vector<Content> cells;
    };
    std::vector<Row> rows;

    int cellCount() const;
};

// Collects a row definition word by word: \trowd, \cellxN and the cell words before it.
class RowDefinitionBuilder
{
public:
    static constexpr int maxCells = 64;

    void reset();
    RowDefinition &row() { return m_row; }
    CellDefinition &nextCell() { return m_next; }
    void cellBoundary(int twips);
    void border(CellSide side);
    void otherBorder() { m_side = -1; }
    void borderWidth(int twips);
    const RowDefinition &definition() const { return m_row; }

private:
    RowDefinition m_row;
    CellDefinition m_next;
    int m_side = -1;
};

// Property of a table format: the columns' natural widths in pixels, before fitting to the area.
inline constexpr int naturalWidthsProperty = 0x100000 + 1; // QTextFormat::UserProperty + 1

// Inserts the table at the cursor, at its final size, and leaves the cursor after it.
void writeTable(QTextCursor &cursor, Table &table, Insertion &insertion);

} // namespace Rtf
