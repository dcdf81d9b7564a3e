// The lookup of a Latin word: one scan of the head lines from the top, then the found entry read.
#include "dictionary/core/lookup.h"

#include <limits>

using namespace Qt::StringLiterals;

QStringList WordEntry::dump() const
{
    QStringList out{u"Nummer: %1"_s.arg(entryNumber), u"Wort: %1"_s.arg(word)};
    for (const QString &a : additions)
        out.append(u"Zusatz: %1"_s.arg(a));
    for (const QString &m : meanings)
        out.append(u"Bedeutung: %1"_s.arg(m));
    out.append(u"Bücher: %1"_s.arg(bookList));
    out.append(u"Lektionen: %1"_s.arg(lessonList));
    return out;
}

namespace {

bool endsEntryPart(QChar marker)
{
    return marker == Marker::head || marker == Marker::books;
}

// Reads the entry whose head line is line `head`. A well-formed entry is read exactly as its
// lines say. A malformed one still gives an entry and never makes the reading leave the entry:
// - no "=" before the book line (or the next head line or the end): the lines read so far are
//   additions and there are no meanings;
// - more than 4 additions or 5 meanings: the first 4 or 5 are kept, the rest are passed over;
// - no book line before the next head line or the end: book and lesson list stay empty;
// - a book line on the table's last line: the lesson list stays empty.
WordEntry readEntry(const WordTable &table, int head)
{
    WordEntry entry;
    const int count = table.lineCount();
    int i = head + 1;

    for (int n = 0; i <= count && table.marker(i) != Marker::separator && !endsEntryPart(table.marker(i));
         ++i, ++n) {
        if (n < int(entry.additions.size()))
            entry.additions[n] = rightTrimmed(table.field(i)).toString();
    }
    if (i <= count && table.marker(i) == Marker::separator) {
        ++i;
        for (int n = 0; i <= count && !endsEntryPart(table.marker(i)); ++i, ++n) {
            if (n < int(entry.meanings.size()))
                entry.meanings[n] = rightTrimmed(table.field(i)).toString();
        }
    }
    if (i <= count && table.marker(i) == Marker::books) {
        entry.bookList = rightTrimmed(table.content(i)).toString();
        if (i + 1 <= count)
            entry.lessonList = rightTrimmed(table.content(i + 1)).toString();
    }
    return entry;
}

} // namespace

LookupResult LookUpWord(const WordTable &table, const QString &word)
{
    LookupResult result;
    if (word.isEmpty()) {
        result.outcome = LookupOutcome::NoInput;
        return result;
    }

    // Entry numbers are 16-bit; the loader never keeps more entries than that. The head lines are
    // compared in file order; only those whose length and hash agree are read.
    const int entries = qMin(table.entryCount(), int(std::numeric_limits<qint16>::max()));
    const qsizetype length = word.size() + 1;
    const size_t hash = WordTable::wordHash(word);
    for (int entry = 1; entry <= entries; ++entry) {
        if (table.headLength(entry) != length || table.headWordHash(entry) != hash)
            continue;
        const int head = table.headLine(entry);
        if (table.content(head).first(word.size()) != word)
            continue;
        result.outcome = LookupOutcome::Found;
        result.entry = readEntry(table, head);
        result.entry.entryNumber = qint16(entry);
        result.entry.word = word;
        return result;
    }
    result.outcome = LookupOutcome::NotPresent;
    return result;
}
