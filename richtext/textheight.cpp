// The height bound from the paragraphs' first fonts, without laying anything out.
#include "richtext/textheight.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>

namespace Rtf {

namespace {

// The format of the paragraph's first visible character; invalid when it has none.
QTextCharFormat firstVisibleFormat(const QTextBlock &block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        if (!fragment.fragment().text().trimmed().isEmpty())
            return fragment.fragment().charFormat();
    return QTextCharFormat();
}

} // namespace

bool tallerAtEveryWidth(const QTextDocument *document, double height)
{
    double total = 0;
    for (auto it = document->rootFrame()->begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid() || !block.isVisible())
            continue;
        const QTextBlockFormat format = block.blockFormat();
        if (format.topMargin() < 0 || format.bottomMargin() < 0)
            return false; // the reader never writes these
        const QTextCharFormat first = firstVisibleFormat(block);
        if (!first.isValid() || first.objectType() != QTextFormat::NoObject ||
            first.verticalAlignment() != QTextCharFormat::AlignNormal)
            continue;
        const double fontHeight = QFontMetricsF(first.font()).height();
        switch (format.lineHeightType()) {
        case QTextBlockFormat::SingleHeight:
        case QTextBlockFormat::MinimumHeight:
            total += fontHeight;
            break;
        case QTextBlockFormat::FixedHeight:
            total += format.lineHeight();
            break;
        case QTextBlockFormat::ProportionalHeight:
            total += fontHeight * std::min(format.lineHeight(), 100.0) / 100;
            break;
        default:
            break;
        }
        if (total > height)
            return true;
    }
    return false;
}

} // namespace Rtf
