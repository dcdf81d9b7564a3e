// Lesson captions, lesson word lists and the list of all words, sorted as the word lists show them.
#include "dictionary/core/browsing.h"

#include "common/lessoncode.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Browsing {

int lessonsOfBook(int book)
{
    switch (book) {
    case 1:
        return 60;
    case 2:
        return 50;
    case 3:
        return 40;
    default:
        return 0;
    }
}

QStringList lessonCaptions(int bookPosition)
{
    QStringList captions;
    if (bookPosition < 0 || bookPosition >= bookChoices)
        return captions;
    const int book = bookPosition + 1;
    const int lessons = lessonsOfBook(book);
    captions.reserve(lessons);
    for (int lesson = 1; lesson <= lessons; ++lesson) {
        const QString number = book == 3 ? LessonCodeText(lesson) : QString::number(lesson);
        captions.append(u"Lektion "_s + number);
    }
    return captions;
}

bool listOrderLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void sortLikeList(QStringList &words)
{
    std::stable_sort(words.begin(), words.end(), listOrderLess);
}

QStringList lessonWords(const LessonTable &lessons, int book, int lesson)
{
    QStringList words;
    for (int slot = 1; slot <= LessonTable::slotCount; ++slot) {
        QString word = lessons.lessonWord(book, lesson, slot);
        if (word.isEmpty())
            break;
        words.append(std::move(word));
    }
    sortLikeList(words);
    return words;
}

AllWords collectAllWords(const LessonTable &lessons)
{
    AllWords all;
    all.words.reserve(LessonTable::slotCount * (60 + 50 + 40));
    for (int book = 1; book <= bookChoices; ++book) {
        for (int lesson = 1; lesson <= lessonsOfBook(book); ++lesson) {
            for (int slot = 1; slot <= LessonTable::slotCount; ++slot) {
                QString word = lessons.lessonWord(book, lesson, slot);
                if (word.isEmpty())
                    continue;
                all.words.append(std::move(word));
                ++all.perBook[book - 1];
            }
        }
    }
    // One sort of the whole list instead of a sorted insertion per word.
    sortLikeList(all.words);
    return all;
}

} // namespace Browsing
