// Checking a word list for whoever edits it outside the dictionary: the loader's problems, the
// rules the program relies on without checking them, and the figures of the list.
#pragma once

#include "dictionary/core/wordlist.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace WordListCheck {

// The lessons a book of the course has (book 3: its lesson codes); the figures show at least these.
int courseLessons(int book);

struct Report
{
    WordList list;                   // as the dictionary loads it
    QList<WordListProblem> problems; // the loader's and the checker's, ordered by line
    int lineCount = 0;               // lines of the file
    int entriesInSeveralBooks = 0;   // entries whose book list names two or more books

    bool ok() const { return problems.isEmpty(); }
    // Words the dictionary shows for a book and lesson (at most 30).
    int wordCount(int book, int lesson) const { return list.lessons.wordCount(book, lesson); }
    int bookWordCount(int book) const;
};

// Beyond the loader's problems it reports: lines longer than 46 characters (the program cuts
// them), lines not ended by CR LF, UTF-8 in place of Windows-1252, an entry without its "="
// separator or with a second one, more than 4 Latin additions or 5 German meanings, and a word
// that finds its lesson already full (30 words) and so is missing from the lesson's word list.
Report check(const QByteArray &bytes);

// The printed report: first line with the figures of the whole list, the problems (or a line
// that there are none), then per book its word count and the words of each lesson.
QStringList reportText(const Report &report, const QString &fileName);

} // namespace WordListCheck
