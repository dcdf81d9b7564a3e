// LookUpWord: finds the first entry whose head line is "#" followed by the word.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

struct WordEntry
{
    qint16 entryNumber = 0;           // head lines from the top up to and including the entry's own
    QString word;                     // as passed to the lookup
    std::array<QString, 4> additions; // Latin additions, trailing blanks removed; the rest empty
    std::array<QString, 5> meanings;  // German meanings, likewise
    QString bookList;                 // book line from its second character, right-trimmed
    QString lessonList;               // lesson line from its second character, right-trimmed

    // Readable lines for test failures.
    QStringList dump() const;
};

enum class LookupOutcome { Found, NoInput, NotPresent };

struct LookupResult
{
    LookupOutcome outcome = LookupOutcome::NotPresent;
    WordEntry entry; // filled when outcome is Found
};

// Scans the head lines from the top; the comparison is exact (no trimming of the word, no prefix
// match) against the head line with its trailing blanks removed, so the first entry with that word
// is found. An empty word gives NoInput; a word of blanks is looked up like any other.
// A malformed entry still gives Found and is read only up to the next head line or the end of the
// table: without "=" all its lines before the book line are additions; more than 4 additions or 5
// meanings keep the first 4 or 5; without a book line (or lesson line) the lists stay empty.
LookupResult LookUpWord(const WordTable &table, const QString &word);
