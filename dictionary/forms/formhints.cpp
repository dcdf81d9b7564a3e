// The hint lines beside a lookup.
#include "dictionary/forms/formhints.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Forms {

QList<FormHintLine> formHints(const FormIndex &index, const QString &typed, int shownEntry)
{
    QList<FormHintLine> lines;
    if (typed.trimmed().isEmpty())
        return lines;
    const QString prefix = shownEntry ? u"auch: Form von "_s : u"Form von "_s;
    const QString shownHead = index.entry(shownEntry).head;
    int count = 0;
    for (const FormHit &hit : index.analyse(typed.trimmed())) {
        const QString &head = index.entry(hit.entry).head;
        // The entry shown, and its namesakes (the lookup shows only the first), need no hint.
        if (hit.entry == shownEntry || (shownEntry && head == shownHead))
            continue;
        // Namesakes share one line: following it looks the head word up, which finds the first.
        const QString analysis = hit.analysisText();
        auto same =
            std::find_if(lines.begin(), lines.end(), [&](const FormHintLine &l) { return l.head == head; });
        if (same != lines.end()) {
            if (!same->text.endsWith(u": "_s + analysis) &&
                !same->text.contains(u": "_s + analysis + u";"_s)) {
                same->text += u"; "_s + analysis;
                same->richText += u"; "_s + analysis.toHtmlEscaped();
            }
            continue;
        }
        if (++count > maxHintLines) {
            lines << FormHintLine{0, QString(), u"…"_s, u"…"_s};
            break;
        }
        lines << FormHintLine{hit.entry, head, prefix + head + u": "_s + analysis,
                              prefix.toHtmlEscaped() + u"<b>"_s + head.toHtmlEscaped() + u"</b>: "_s +
                                  analysis.toHtmlEscaped()};
    }
    return lines;
}

} // namespace Forms
