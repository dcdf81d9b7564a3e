// Lesson browsing without windows: the lesson captions of the three books, the words of one
// lesson, and every word of all lessons in list order with the per-book counters.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace Browsing {

// The books as the book list offers them: position 0 is book 1.
inline constexpr int bookChoices = 3;

// Lessons each book uses: 60, 50 and 40 (book 3 counts its codes 1 to 40).
int lessonsOfBook(int book);

// The captions of the chosen book's lessons, in lesson order, so that position p stands for
// lesson p + 1: "Lektion 1" .. "Lektion 60" for book 1, up to 50 for book 2, and "Lektion 1.1",
// "Lektion 1.2", .. "Lektion 20.2" for book 3. A position outside 0 to 2 gives no captions.
QStringList lessonCaptions(int bookPosition);

// The order of the word lists: case-insensitive; words that differ only in case keep the order
// in which they were added.
bool listOrderLess(const QString &a, const QString &b);
void sortLikeList(QStringList &words);

// The words of one lesson from slot 1 up to the first empty slot (at most 30), in list order.
QStringList lessonWords(const LessonTable &lessons, int book, int lesson);

struct AllWords
{
    QStringList words;               // every filled slot of every used lesson, in list order
    std::array<qint16, 3> perBook{}; // filled slots of book 1, 2 and 3
};

// Every slot of books 1 (lessons 1 to 60), 2 (1 to 50) and 3 (1 to 40) is examined; an empty slot
// does not end a lesson here. A word that stands in several lessons is listed once for each.
AllWords collectAllWords(const LessonTable &lessons);

} // namespace Browsing
