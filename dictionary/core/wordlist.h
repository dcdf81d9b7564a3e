// Reading latein.lst into WordTable and LessonTable, with the problems found in the file.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

// A fault in the word list: the entry concerned is left out of LessonTable (it stays in WordTable
// and can still be looked up). `line` is the 1-based file line, 0 for the file as a whole;
// `description` is the German text shown to the user, with its "Zeile n: " prefix.
struct WordListProblem
{
    int line = 0;
    QString description;

    bool operator==(const WordListProblem &) const = default;
};

struct WordList
{
    WordTable words;
    LessonTable lessons;
    QList<WordListProblem> problems;

    // Problem descriptions, one per line, for test failures.
    QStringList problemTexts() const;
};

// Entry numbers are 16-bit signed: a list holds at most this many entries.
inline constexpr int maxEntries = 32767;

// Lines a list of real entries can hold: 32767 entries of at most 13 lines (head line, 4 Latin
// additions, separator, 5 meanings, book and lesson line) with one free line after each. More lines
// than that are left out (with a problem), so that a file of bare line breaks cannot make the
// table, at 94 bytes a line, hundreds of times the size of the file.
inline constexpr int maxLines = maxEntries * 14;

// A larger file is refused: the fullest list of 32767 entries takes about 10 MB, and the whole
// file is held in memory while it loads.
inline constexpr qint64 maxWordListBytes = 64 * 1024 * 1024;

// The word list file's name in the program directory.
inline constexpr char wordListFileName[] = "latein.lst";

// Windows-1252 bytes; lines end at CR LF, a lone CR or a lone LF. Fills the WordTable (one pass),
// drops everything from the 32768th entry or the line after maxLines on (with a problem), then
// runs BuildLessonTable.
WordList parseWordList(const QByteArray &bytes);

// Fills list.lessons from list.words, one pass over the lines; faulty entries are left out and
// reported in list.problems.
void BuildLessonTable(WordList &list);

// Splits a book or lesson list at each "/" and skips the one character after it: "12 / 7 / 30"
// gives "12 ", "7 " and "30" (each element keeps the blank before its slash).
QStringList SplitList(const QString &list);

// The books and lessons of one entry as the loader reads them from its book and lesson line
// (characters 2 to 46 of each), or the first fault found, with the line it is on.
struct Placement
{
    int book;
    int lesson;
};
enum class PlacementFault { None, BookLine, LessonLine };
struct EntryPlacements
{
    QVarLengthArray<Placement, 8> placements; // empty when there is a fault
    PlacementFault fault = PlacementFault::None;
    QString description; // German, without the "Zeile n: " prefix
};
EntryPlacements ParsePlacements(QStringView bookContent, QStringView lessonContent);

// The bytes of a word list file: a plain file of at most maxWordListBytes, else a German error
// that names the path.
struct WordListBytes
{
    enum class Status { Ok, Missing, CannotOpen, CannotRead, TooLarge };
    Status status = Status::Missing;
    QString error;
    QByteArray bytes;
};
WordListBytes readWordListFile(const QString &path);

struct LoadResult
{
    bool ok = false;
    QString error; // German, names the file's path; set when !ok
    WordList list;
};

// Reads programDir + "/latein.lst". A missing, unreadable or oversized file (or one that is no
// plain file) is an error; any other file loads, with its faults in list.problems.
LoadResult LoadWordList(const QString &programDir);
