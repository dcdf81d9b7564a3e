// Display texts of a found entry: the lesson field with book 3 codes converted, and the word
// counts of the entry's lessons.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QString>

// The text for the lesson field: book 3 lesson codes turned into "a.b" ("3 / 2 / 3" with
// "1 / 5 / 22" gives "1.1 / 5 / 11.2"); books 1 and 2 as written.
QString FormatLessonField(const QString &bookList, const QString &lessonList);

// The number of words of each of the entry's lessons, joined by " / " ("12 / 30").
QString CountLessonWords(const LessonTable &lessons, const QString &bookList, const QString &lessonList);
