// Writes what the RTF parser reads into a QTextDocument: text runs, paragraphs, tables, pictures.
#pragma once

#include "richtext/rtfstate.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <array>
#include <vector>

class QImage;
class QTextDocument;
class QTextTable;

namespace Rtf {

enum class CellSide { Top, Left, Bottom, Right };

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
    QFont::StyleHint hint = QFont::AnyStyle;
};

class DocumentBuilder
{
public:
    explicit DocumentBuilder(QTextDocument *document);

    // The tables of the document header.
    void setFont(int number, const FontEntry &entry);
    const FontEntry *font(int number) const;
    void setDefaultFont(int number) { m_defaultFont = number; }
    void addColor(const QColor &color) { m_colors.append(color); }
    void setDefaultTab(int twips);

    // Text of the body, in the given formatting; runs of like formatting go into the document
    // together.
    void appendText(QStringView text, const CharState &chars, const ParaState &para)
    {
        if (m_needPlace || para.inTable != (m_table != nullptr))
            place(chars, para);
        if (!(chars == m_runChars)) {
            flushRun();
            m_runChars = chars;
        }
        m_run.append(text);
    }
    void endParagraph(const CharState &chars, const ParaState &para);
    void appendImage(const QImage &image, double widthPx, double heightPx, const CharState &chars,
                     const ParaState &para);

    // Tables: the row definition (\trowd, \cellxN, \trgaphN, cell borders), then the cells.
    void rowDefaults();
    void cellBoundary(int twips);
    void cellGap(int twips) { m_cellGapTwips = twips; }
    void cellBorder(CellSide side);
    void borderWidth(int twips); // of the border named last
    void endCell(const CharState &chars, const ParaState &para);
    void endRow();

    // Ends the last paragraph; a final paragraph mark adds no empty paragraph.
    void finish(const CharState &chars, const ParaState &para);

    static double twipsToPixels(int twips) { return twips / 15.0; } // 1440 twips per inch, 96 dpi

private:
    // Qt rebuilds a table's cell grid on every change, so a growing table costs its cell count
    // per row; past this size a table goes on as a new one that looks the same.
    static constexpr int maxColumns = 64;
    static constexpr int maxCells = 4000;

    void place(const CharState &chars, const ParaState &para);
    void flushRun();
    void applyBlockFormat(const CharState &chars, const ParaState &para);
    void createTable();
    void openRow();
    void moveToCell();
    void applyCellBorders();
    void leaveTable();
    void trimTable();
    QTextCharFormat charFormat(const CharState &chars);
    QTextBlockFormat blockFormat(const ParaState &para) const;
    QStringList families(const FontEntry &entry) const;

    QTextDocument *m_document;
    QTextCursor m_cursor;

    QString m_run;
    CharState m_runChars;
    bool m_pendingBlock = false;       // the paragraph was ended; the next content starts a new one
    bool m_needPlace = false;          // a pending block, cell or row must be placed before content
    bool m_blockEmpty = true;          // the cursor's block has no content yet
    bool m_blockCharFormatSet = false; // the cursor's block got its paragraph mark's format

    QHash<int, FontEntry> m_fonts;
    QHash<int, QStringList> m_families;
    int m_defaultFont = 0;
    QList<QColor> m_colors;

    std::vector<std::pair<CharState, QTextCharFormat>> m_formatCache;
    std::size_t m_lastFormat = 0; // the cache entry found last
    ParaState m_lastPara;         // the paragraph state m_lastBlockFormat was made from
    QTextBlockFormat m_lastBlockFormat;
    bool m_haveLastPara = false;
    // The cursor's block has m_lastBlockFormat (a new block inherits its predecessor's format).
    bool m_blockHasLastFormat = false;

    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowOpen = false;
    bool m_cellPending = false; // \cell ended a cell; the next content goes to the following one
    std::vector<int> m_cellX;
    int m_cellGapTwips = 0;
    // Border widths in pixels of the next cell, by CellSide, and of the cells of the row defined.
    using Borders = std::array<double, 4>;
    Borders m_nextBorders{};
    int m_borderSide = -1;
    std::vector<Borders> m_cellBorders;

    int m_imageCount = 0;
};

} // namespace Rtf
