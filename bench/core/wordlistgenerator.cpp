// The maximal word list for the benchmarks, built from a fixed pattern so every run measures the
// same file.
#include "bench/core/wordlistgenerator.h"

#include "common/linefile.h"
#include "dictionary/core/wordlist.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace WordListGenerator {

QString entryWord(int n)
{
    // Distinct words of Latin-looking letters: "ama", "amb", ... with a counter in letters.
    QString word = u"verb"_s;
    for (int rest = n; rest > 0; rest /= 26)
        word += QChar(u'a' + rest % 26);
    return word;
}

QByteArray maximalWordList()
{
    QStringList lines;
    lines.reserve(210000);
    for (int n = 1; n <= maxEntries; ++n) {
        const QString word = entryWord(n);
        lines.append(u"#"_s + word);
        for (int a = 0; a < n % 3; ++a)
            lines.append(u"%1, %1i, %1um - Zusatz %2"_s.arg(word).arg(a + 1));
        lines.append(u"="_s);
        lines.append(u"Bedeutung Nummer %1 (Wörter für Übungen)"_s.arg(n));
        if (n % 10 == 0)
            lines.append(
                u"eine sehr lange zweite Bedeutung, die über das sechsundvierzigste Zeichen hinausgeht"_s);
        const int lesson1 = n % 60 + 1;
        const int code3 = n % 40 + 1;
        switch (n % 3) {
        case 0:
            lines << u"$1"_s << u"L%1"_s.arg(lesson1);
            break;
        case 1:
            lines << u"$2 / 3"_s << u"L%1 / %2"_s.arg(n % 50 + 1).arg(code3);
            break;
        default:
            lines << u"$1 / 2 / 3"_s << u"L%1 / %2 / %3"_s.arg(lesson1).arg(n % 50 + 1).arg(code3);
            break;
        }
    }
    return LineFile::joinLines(lines);
}

} // namespace WordListGenerator
