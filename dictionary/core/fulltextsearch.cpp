// The full-text search over the stored fixed-width lines of the word list.
#include "dictionary/core/fulltextsearch.h"

#include <QStringMatcher>

#include <limits>

namespace {

// The head line of entry `entry`, 0 when the table has fewer entries. Entry numbers are 16-bit:
// a start beyond 32767 is never reached.
int headLineOfEntry(const WordTable &table, int entry)
{
    if (entry > std::numeric_limits<qint16>::max())
        return 0;
    int entries = 0;
    for (int i = 1; i <= table.lineCount(); ++i) {
        if (table.marker(i) == Marker::head && ++entries == entry)
            return i;
    }
    return 0;
}

} // namespace

SearchResult FullTextSearch(const WordTable &table, int startEntry, const QString &text)
{
    SearchResult result;
    // A text longer than the stored field can never be contained in it.
    if (text.size() > WordLine::width)
        return result;

    int start = 1;
    int entry = 0; // number of the entry that holds the current line; 0 above the first head line
    if (startEntry >= 1) {
        start = headLineOfEntry(table, startEntry);
        if (start == 0)
            return result;
        entry = startEntry - 1; // the start line itself counts it
    }

    const QStringMatcher matcher(text);
    int headLine = 0;
    for (int e = start; e <= table.lineCount(); ++e) {
        if (table.marker(e) == Marker::head) {
            headLine = e;
            ++entry;
        }
        if (matcher.indexIn(table.text(e)) < 0)
            continue;
        // A hit above the first head line belongs to no entry: the search goes on below it.
        if (headLine == 0)
            continue;
        result.found = true;
        result.word = rightTrimmed(table.content(headLine)).toString();
        result.entryNumber = entry;
        result.line = e;
        return result;
    }
    return result;
}
