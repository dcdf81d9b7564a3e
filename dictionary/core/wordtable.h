// The word list held in memory: WordTable (one fixed-width line per file line) and LessonTable
// (the Latin words of every book, lesson and slot).
#pragma once

#include <QByteArrayView>
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

// The word list line by line, indexed 1 to lineCount() in file order, with the head lines
// ("#") indexed by entry number (1-based, counted from the top).
//
// All 46-character fields live in one block, each followed by a NUL: a table of 200,000 lines takes
// one allocation instead of 200,000, and the full-text search runs through one contiguous text.
// Readers get views into the block (field(), content()) or a copy of a line's text (text()).
class WordTable
{
public:
    // Distance of two fields in fields(): 46 characters and the NUL after them.
    static constexpr int stride = WordLine::width + 1;

    int lineCount() const { return m_lineCount; }

    // 1-based, 1 <= i <= lineCount(). Outside that range: a blank marker and a line of 46 blanks,
    // so a caller that runs past the end never reads outside the table.
    QChar marker(int i) const { return field(i).front(); }
    // Line i's 46 characters in the table; valid as long as the table is neither changed nor gone.
    QStringView field(int i) const;
    // A copy of line i's 46 characters.
    QString text(int i) const { return field(i).toString(); }
    WordLine line(int i) const { return {marker(i), text(i)}; }

    // Characters 2 to 46 of line i: the line's content without its marker, fill blanks included.
    QStringView content(int i) const { return field(i).sliced(1); }

    // Line i's content without its trailing blanks: content(i) right-trimmed, without scanning the
    // fill blanks again.
    QStringView trimmedContent(int i) const
    {
        const int length = textLength(i);
        return length > 1 ? field(i).sliced(1, length - 1) : QStringView();
    }

    // Length of line i's text without its trailing blanks (0 to 46); 0 outside the table.
    int textLength(int i) const { return i >= 1 && i <= m_textLengths.size() ? m_textLengths[i - 1] : 0; }

    // Number of head lines.
    int entryCount() const { return int(m_heads.size()); }
    // Line of entry n's head line, 0 when there is no entry n.
    int headLine(int entry) const;
    // Length of entry n's head line without its trailing blanks, 0 when there is no entry n.
    int headLength(int entry) const;
    // Hash of entry n's Latin word (its head line from character 2, trailing blanks removed), as
    // wordHash() gives it: the lookup reads the text only of heads whose length and hash agree.
    size_t headWordHash(int entry) const;
    static size_t wordHash(QStringView word);
    // Number of the entry that holds line i: the last head line at or above it; 0 above the first.
    int entryOfLine(int i) const;

    // Every field followed by a NUL: line i's field starts at (i - 1) * stride.
    QStringView fields() const { return m_block; }

    // How often characters with the same low byte as c occur in a sample of fields(), fill blanks
    // included: a rough frequency from which the full-text search picks the rarest character of
    // its text.
    qsizetype similarCharCount(QChar c) const { return m_charCounts[c.unicode() & 0xFF]; }

    // Replaces the whole table by these lines (each cut or padded to 46 characters).
    void setLines(const QStringList &lines);
    void setLineViews(const QList<QStringView> &lines);
    // The same for the first `count` lines of Windows-1252 bytes (lines end at CR LF, a lone CR or
    // a lone LF), each decoded straight into its field.
    void setEncodedLines(QByteArrayView bytes, int count);

    // One readable line per table line: "<number>|<text>|", for test failures.
    QStringList dump() const;

private:
    struct Head
    {
        int line;
        int length;
        size_t wordHash;
    };

    template <typename Lines> void build(const Lines &lines);
    // Sizes the block for `count` lines; then each line is written with fillLine() in order.
    char16_t *resetBlock(qsizetype count);
    // Line i's first `kept` characters are in its field: pads it and notes its figures.
    void finishLine(qsizetype i, qsizetype kept);

    QString m_block; // every field followed by a NUL
    int m_lineCount = 0;
    QList<Head> m_heads;
    QList<quint8> m_textLengths;
    std::array<qsizetype, 256> m_charCounts{};
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
