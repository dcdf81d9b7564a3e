// The word list held in memory: WordTable (one fixed-width line per file line) and LessonTable
// (the Latin words of every book, lesson and slot).
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// One line of the word list. `text` is always exactly WordLine::width characters: the whole line
// including its marker, cut after 46 characters or padded on the right with blanks.
struct WordLine
{
    static constexpr int width = 46;

    QChar marker; // first character of the line; a blank for an empty line
    QString text;
};

// Line markers that give a line its kind.
namespace Marker {
inline constexpr QChar head = u'#';
inline constexpr QChar separator = u'=';
inline constexpr QChar books = u'$';
} // namespace Marker

// Blanks here are spaces only, as in the word list: tabs and other characters are kept.
QStringView rightTrimmed(QStringView text);
QStringView blankTrimmed(QStringView text);

// The word list line by line, indexed 1 to lineCount() in file order.
class WordTable
{
public:
    int lineCount() const { return int(m_lines.size()); }

    // 1-based, 1 <= i <= lineCount(). Outside that range: a blank marker and a line of 46 blanks,
    // so a caller that runs past the end never reads outside the table.
    QChar marker(int i) const;
    const QString &text(int i) const;
    const WordLine &line(int i) const;

    // Characters 2 to 46 of line i: the line's content without its marker, fill blanks included.
    QStringView content(int i) const;

    // Replaces the whole table by these lines (each cut or padded to 46 characters).
    void setLines(const QStringList &lines);
    void reserve(int lines);
    void appendLine(QStringView line);
    // Drops every line after the first `lines` lines.
    void truncate(int lines);

    // One readable line per table line: "<number>|<text>|", for test failures.
    QStringList dump() const;

    static WordLine makeLine(QStringView line);

private:
    QList<WordLine> m_lines;
};

// The Latin words of each book (1 to 3), lesson (1 to 60) and slot (1 to 30), in file order and
// without gaps: the first empty slot ends a lesson's list. Book 3 is indexed by its stored lesson
// codes 1 to 40 (shown as "1.1" to "20.2" only on display).
class LessonTable
{
public:
    static constexpr int bookCount = 3;
    static constexpr int lessonCount = 60;
    static constexpr int slotCount = 30;

    // 1-based; empty for a free slot and for indices out of range.
    QString lessonWord(int book, int lesson, int slot) const;

    // Filled slots from slot 1 up to the first empty one (0 to 30); 0 for indices out of range.
    int wordCount(int book, int lesson) const;

    // Puts the word into the first empty slot of that book and lesson. False when the indices are
    // out of range, the word is empty, or all 30 slots are taken (the word is then left out).
    bool put(int book, int lesson, const QString &word);

    void clear();

    // One line per lesson that holds words: "<book>/<lesson>: word1, word2, ...", for test failures.
    QStringList dump() const;

private:
    static bool inRange(int book, int lesson);
    static int index(int book, int lesson) { return (book - 1) * lessonCount + (lesson - 1); }

    std::array<QStringList, bookCount * lessonCount> m_words; // each list holds at most slotCount words
};
