// WordTable and LessonTable: fixed-width lines and the fixed book/lesson/slot table.
#include "dictionary/core/wordtable.h"

#include <QHash>

#include <algorithm>

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
const WordLine &blankLine()
{
    static const WordLine line{QChar(u' '), QString(WordLine::width, u' ')};
    return line;
}
} // namespace

template <typename Lines> void WordTable::build(const Lines &lines)
{
    const qsizetype count = lines.size();
    m_lines.clear();
    m_heads.clear();
    m_textLengths.clear();
    m_textLengths.reserve(count);
    m_charCounts.fill(0);
    m_block = QString(count * stride, Qt::Uninitialized);

    char16_t *block = m_block.data_ptr().data();
    std::array<char16_t, WordLine::width> blanks;
    blanks.fill(u' ');
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView line(lines[i]);
        char16_t *field = block + i * stride;
        const qsizetype kept = qMin<qsizetype>(line.size(), WordLine::width);
        std::copy_n(line.utf16(), kept, field);
        std::copy_n(blanks.data(), WordLine::width - kept, field + kept);
        // Every eighth line is enough for the rough character frequencies.
        if (i % 8 == 0) {
            for (qsizetype c = 0; c < kept; ++c)
                ++m_charCounts[field[c] & 0xFF];
            m_charCounts[u' '] += WordLine::width - kept;
        }
        m_textLengths.append(quint8(rightTrimmed(QStringView(field, kept)).size()));
        field[WordLine::width] = u'\0';
    }

    // From here on the block is only read: each text holds one reference to it.
    QTypedArrayData<char16_t> *header = m_block.data_ptr().d_ptr();
    m_lines.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        char16_t *field = block + i * stride;
        if (header)
            header->ref();
        const QChar marker = lines[i].isEmpty() ? QChar(u' ') : QChar(field[0]);
        m_lines.append({marker, QString(QString::DataPointer(header, field, WordLine::width))});
        if (marker == Marker::head) {
            const QStringView head = rightTrimmed(m_lines.back().text);
            m_heads.append({int(i + 1), int(head.size()), wordHash(head.sliced(1))});
        }
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

const WordLine &WordTable::line(int i) const
{
    if (i < 1 || i > m_lines.size())
        return blankLine();
    return m_lines[i - 1];
}

QChar WordTable::marker(int i) const
{
    return line(i).marker;
}

const QString &WordTable::text(int i) const
{
    return line(i).text;
}

QStringView WordTable::content(int i) const
{
    return QStringView(text(i)).sliced(1);
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
    out.reserve(m_lines.size());
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        out.append(QStringLiteral("%1|%2|").arg(i + 1).arg(m_lines[i].text));
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
