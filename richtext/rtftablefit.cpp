// Tables fitted to the text area, from the natural widths the reader keeps in the table format.
#include "richtext/rtftablefit.h"

#include "richtext/rtftable.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <numeric>

namespace Rtf {

void fitTablesToWidth(QTextDocument *document, double width)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        const QList<double> natural = format.property(naturalWidthsProperty).value<QList<double>>();
        if (natural.isEmpty())
            continue;
        // Besides its columns a table takes its cells' padding and its borders.
        const double extra = natural.size() * 2 * format.cellPadding() +
                             (natural.size() + 1) * format.border() + format.leftMargin() +
                             format.rightMargin();
        const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
        QList<QTextLength> widths;
        QTextLength tableWidth;
        if (total + extra > width && total > 0) {
            for (double column : natural)
                widths.append(QTextLength(QTextLength::PercentageLength, column * 100.0 / total));
            tableWidth = QTextLength(QTextLength::PercentageLength, 100);
        } else {
            for (double column : natural)
                widths.append(QTextLength(QTextLength::FixedLength, column));
        }
        if (widths == format.columnWidthConstraints() && tableWidth == format.width())
            continue;
        format.setColumnWidthConstraints(widths);
        format.setWidth(tableWidth);
        table->setFormat(format);
    }
}

} // namespace Rtf
