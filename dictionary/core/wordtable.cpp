// WordTable and LessonTable: fixed-width lines and the fixed book/lesson/slot table.
#include "dictionary/core/wordtable.h"

#include "common/codepage.h"
#include "common/memorypages.h"
#include "dictionary/core/linebreaks.h"

#include <QHash>

#include <algorithm>

#include <sys/mman.h>

QStringView rightTrimmed(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}

QStringView blankTrimmed(QStringView text)
{
    text = rightTrimmed(text);
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.sliced(start);
}

namespace {

// The block of a full list is about 19 MB, all of it written at once while loading. Faulted in
// 4 KB at a time it cost 4,600 page faults, about a fifth of the load's processor time; in pages of
// 2 MB its aligned middle takes a handful (the loading process's faults fell from 6,200 to 2,100).
// A hint only: where the kernel gives no large pages, nothing changes.
void adviseLargePages(void *data, qsizetype bytes)
{
    constexpr quintptr large = 2 * 1024 * 1024;
    const quintptr begin = (quintptr(data) + large - 1) & ~(large - 1);
    const quintptr end = (quintptr(data) + quintptr(bytes)) & ~(large - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}

QStringView blankField()
{
    static const QString blanks(WordLine::width, u' ');
    return blanks;
}
} // namespace

char16_t *WordTable::resetBlock(qsizetype count)
{
    m_lineCount = int(count);
    m_heads.clear();
    m_textLengths.clear();
    m_textLengths.reserve(count);
    m_charCounts.fill(0);
    m_block = QString(count * stride, Qt::Uninitialized);
    const qsizetype bytes = m_block.size() * qsizetype(sizeof(char16_t));
    adviseLargePages(m_block.data(), bytes);
    // Every field is written right after, so the pages are made present in one call rather than
    // one fault at a time: 4 ms less processor time for the maximal list's 200,000 lines.
    MemoryPages::makePresent(m_block.constData(), bytes);
    return reinterpret_cast<char16_t *>(m_block.data());
}

void WordTable::finishLine(qsizetype i, qsizetype kept)
{
    char16_t *field = reinterpret_cast<char16_t *>(m_block.data()) + i * stride;
    std::fill_n(field + kept, WordLine::width - kept, u' ');
    field[WordLine::width] = u'\0';
    // Every eighth line is enough for the rough character frequencies.
    if (i % 8 == 0) {
        for (qsizetype c = 0; c < kept; ++c)
            ++m_charCounts[field[c] & 0xFF];
        m_charCounts[u' '] += WordLine::width - kept;
    }
    const qsizetype length = rightTrimmed(QStringView(field, kept)).size();
    m_textLengths.append(quint8(length));
    if (field[0] == Marker::head)
        m_heads.append(
            {int(i + 1), int(length), wordHash(QStringView(field + 1, qMax<qsizetype>(length - 1, 0)))});
}

template <typename Lines> void WordTable::build(const Lines &lines)
{
    const qsizetype count = lines.size();
    char16_t *block = resetBlock(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView line(lines[i]);
        const qsizetype kept = qMin<qsizetype>(line.size(), WordLine::width);
        std::copy_n(line.utf16(), kept, block + i * stride);
        finishLine(i, kept);
    }
}

void WordTable::setLines(const QStringList &lines)
{
    build(lines);
}

void WordTable::setLineViews(const QList<QStringView> &lines)
{
    build(lines);
}

void WordTable::setEncodedLines(QByteArrayView bytes, int count)
{
    char16_t *block = resetBlock(count);
    qsizetype i = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        if (i == count)
            return false;
        const QByteArrayView kept = line.first(qMin<qsizetype>(line.size(), WordLine::width));
        Windows1252::decodeInto(kept, block + i * stride);
        finishLine(i, kept.size());
        ++i;
        return true;
    });
    // Fewer lines than asked for: the rest stay blank.
    for (; i < count; ++i)
        finishLine(i, 0);
}

QStringView WordTable::field(int i) const
{
    if (i < 1 || i > m_lineCount)
        return blankField();
    return QStringView(m_block).sliced(qsizetype(i - 1) * stride, WordLine::width);
}

int WordTable::headLine(int entry) const
{
    return entry >= 1 && entry <= m_heads.size() ? m_heads[entry - 1].line : 0;
}

int WordTable::headLength(int entry) const
{
    return entry >= 1 && entry <= m_heads.size() ? m_heads[entry - 1].length : 0;
}

size_t WordTable::headWordHash(int entry) const
{
    return entry >= 1 && entry <= m_heads.size() ? m_heads[entry - 1].wordHash : 0;
}

size_t WordTable::wordHash(QStringView word)
{
    return qHash(word);
}

int WordTable::entryOfLine(int i) const
{
    const auto after = std::upper_bound(m_heads.cbegin(), m_heads.cend(), i,
                                        [](int line, const Head &head) { return line < head.line; });
    return int(after - m_heads.cbegin());
}

QStringList WordTable::dump() const
{
    QStringList out;
    out.reserve(m_lineCount);
    for (int i = 1; i <= m_lineCount; ++i)
        out.append(QStringLiteral("%1|%2|").arg(i).arg(field(i)));
    return out;
}

bool LessonTable::inRange(int book, int lesson)
{
    return book >= 1 && book <= bookCount && lesson >= 1 && lesson <= lessonCount;
}

QString LessonTable::lessonWord(int book, int lesson, int slot) const
{
    if (!inRange(book, lesson) || slot < 1 || slot > slotCount)
        return QString();
    const QStringList &words = m_words[index(book, lesson)];
    return slot <= words.size() ? words[slot - 1] : QString();
}

int LessonTable::wordCount(int book, int lesson) const
{
    return inRange(book, lesson) ? int(m_words[index(book, lesson)].size()) : 0;
}

bool LessonTable::put(int book, int lesson, const QString &word)
{
    // An empty word would leave its slot empty, so it never takes one.
    if (!inRange(book, lesson) || word.isEmpty())
        return false;
    QStringList &words = m_words[index(book, lesson)];
    if (words.size() >= slotCount)
        return false;
    words.append(word);
    return true;
}

void LessonTable::clear()
{
    for (QStringList &words : m_words)
        words.clear();
}

QStringList LessonTable::dump() const
{
    QStringList out;
    for (int book = 1; book <= bookCount; ++book) {
        for (int lesson = 1; lesson <= lessonCount; ++lesson) {
            const QStringList &words = m_words[index(book, lesson)];
            if (!words.isEmpty())
                out.append(QStringLiteral("%1/%2: %3").arg(book).arg(lesson).arg(words.join(u", ")));
        }
    }
    return out;
}
