// FullTextSearch: the first line from a start entry on whose stored 46-character field contains a
// text.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QString>

struct SearchResult
{
    bool found = false;
    QString word;        // Latin word of the entry that holds the hit (head line, right-trimmed)
    int entryNumber = 0; // number of that entry
    int line = 0;        // 1-based line of the hit
};

// Searches from the head line of entry startEntry (1-based) to the end, without wrap-around; the
// comparison is exact and case-sensitive over the whole padded field, marker and fill blanks
// included. A start beyond the last entry finds nothing. A start below 1 searches from line 1;
// a hit above the first head line has no entry to show and the search goes on with the next line.
SearchResult FullTextSearch(const WordTable &table, int startEntry, const QString &text);
