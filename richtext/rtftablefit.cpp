// Tables fitted to the text area, from the natural widths the reader keeps in the table format.
#include "richtext/rtftablefit.h"

#include "richtext/rtftable.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <numeric>

namespace Rtf {

namespace {

// Fits one table into width and returns its columns' widths in pixels as they come out; empty
// for a table the reader did not make.
QList<double> fitTable(QTextTable *table, double width)
{
    QTextTableFormat format = table->format();
    const QList<double> natural = format.property(naturalWidthsProperty).value<QList<double>>();
    if (natural.isEmpty())
        return {};
    // Besides its columns a table takes its cells' padding and its borders.
    const double extra = natural.size() * 2 * format.cellPadding() + (natural.size() + 1) * format.border() +
                         format.leftMargin() + format.rightMargin();
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    QList<QTextLength> widths;
    QTextLength tableWidth;
    QList<double> columns = natural;
    if (total + extra > width && total > 0) {
        for (double column : natural)
            widths.append(QTextLength(QTextLength::PercentageLength, column * 100.0 / total));
        tableWidth = QTextLength(QTextLength::PercentageLength, 100);
        const double scale = std::max(0.0, width - extra) / total;
        for (double &column : columns)
            column *= scale;
    } else {
        for (double column : natural)
            widths.append(QTextLength(QTextLength::FixedLength, column));
    }
    if (widths != format.columnWidthConstraints() || tableWidth != format.width()) {
        format.setColumnWidthConstraints(widths);
        format.setWidth(tableWidth);
        table->setFormat(format);
    }
    return columns;
}

// A table inside a cell fits into that cell, as wide as its columns come out.
void fitFrame(QTextFrame *frame, double width)
{
    auto *table = qobject_cast<QTextTable *>(frame);
    const QList<double> columns = table ? fitTable(table, width) : QList<double>();
    const QList<QTextFrame *> children = frame->childFrames();
    for (QTextFrame *child : children) {
        double inner = width;
        if (!columns.isEmpty()) {
            const QTextTableCell cell = table->cellAt(child->firstPosition());
            if (cell.isValid()) {
                inner = 0;
                for (int c = cell.column(); c < cell.column() + cell.columnSpan(); ++c)
                    inner += columns.value(c);
                inner -= 2 * table->format().cellPadding();
            }
        }
        fitFrame(child, inner);
    }
}

} // namespace

void fitTablesToWidth(QTextDocument *document, double width)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    for (QTextFrame *frame : frames)
        fitFrame(frame, width);
}

} // namespace Rtf
