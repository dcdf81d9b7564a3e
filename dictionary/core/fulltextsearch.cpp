// The full-text search over the stored fixed-width lines of the word list.
#include "dictionary/core/fulltextsearch.h"

#include <limits>

namespace {

// Position in text of its character that occurs least often in the table: looking for that one
// first passes over most of the list quickly.
qsizetype rarestPosition(const WordTable &table, QStringView text)
{
    qsizetype best = 0;
    for (qsizetype k = 1; k < text.size(); ++k) {
        if (table.similarCharCount(text[k]) < table.similarCharCount(text[best]))
            best = k;
    }
    return best;
}

// A text of blanks only: found in a line whose fill is long enough, or in a run of blanks inside
// its text. Checked line by line, since blanks fill most of every field.
int nextBlankMatch(const WordTable &table, QStringView blanks, int firstLine)
{
    for (int line = firstLine; line <= table.lineCount(); ++line) {
        const int length = table.textLength(line);
        if (WordLine::width - length >= blanks.size())
            return line;
        if (length >= blanks.size() && table.field(line).first(length).contains(blanks))
            return line;
    }
    return 0;
}

// The first line at or after firstLine whose field contains text; 0 when there is none. All fields
// are searched as one text. Each field is followed by a NUL, so a match that runs past a field's
// 46th character is not one.
int nextMatch(const WordTable &table, QStringView text, int firstLine)
{
    if (text.isEmpty())
        return firstLine <= table.lineCount() ? firstLine : 0;
    if (blankTrimmed(text).isEmpty())
        return nextBlankMatch(table, text, firstLine);

    const QStringView fields = table.fields();
    const qsizetype anchor = rarestPosition(table, text);
    const QChar anchorChar = text[anchor];
    const qsizetype from = qsizetype(firstLine - 1) * WordTable::stride;
    for (qsizetype at = fields.indexOf(anchorChar, from + anchor); at >= 0;
         at = fields.indexOf(anchorChar, at + 1)) {
        const qsizetype start = at - anchor;
        if (start % WordTable::stride + text.size() > WordLine::width)
            continue;
        if (fields.sliced(start, text.size()) == text)
            return int(start / WordTable::stride) + 1;
    }
    return 0;
}

} // namespace

SearchResult FullTextSearch(const WordTable &table, int startEntry, const QString &text)
{
    SearchResult result;
    // A text longer than the stored field can never be contained in it.
    if (text.size() > WordLine::width || table.lineCount() == 0)
        return result;

    // Entry numbers are 16-bit: a start beyond 32767 is never reached.
    int line = 1;
    if (startEntry >= 1) {
        line = startEntry <= std::numeric_limits<qint16>::max() ? table.headLine(startEntry) : 0;
        if (line == 0)
            return result;
    }

    for (;;) {
        line = nextMatch(table, text, line);
        if (line == 0)
            return result;
        const int entry = table.entryOfLine(line);
        // A hit above the first head line belongs to no entry: the search goes on with the next line.
        if (entry == 0) {
            ++line;
            continue;
        }
        if (entry > std::numeric_limits<qint16>::max())
            return result;
        result.found = true;
        result.word = rightTrimmed(table.content(table.headLine(entry))).toString();
        result.entryNumber = entry;
        result.line = line;
        return result;
    }
}
