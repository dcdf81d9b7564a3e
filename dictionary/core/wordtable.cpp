// WordTable and LessonTable: fixed-width lines and the fixed book/lesson/slot table.
#include "dictionary/core/wordtable.h"

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
    static const WordLine line = WordTable::makeLine(QStringView());
    return line;
}
} // namespace

WordLine WordTable::makeLine(QStringView line)
{
    WordLine result;
    result.marker = line.isEmpty() ? QChar(u' ') : line.front();
    const qsizetype kept = qMin<qsizetype>(line.size(), WordLine::width);
    result.text = QString(WordLine::width, u' ');
    QChar *data = result.text.data();
    for (qsizetype i = 0; i < kept; ++i)
        data[i] = line[i];
    return result;
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

void WordTable::setLines(const QStringList &lines)
{
    m_lines.clear();
    m_lines.reserve(lines.size());
    for (const QString &l : lines)
        m_lines.append(makeLine(l));
}

void WordTable::reserve(int lines)
{
    m_lines.reserve(lines);
}

void WordTable::appendLine(QStringView line)
{
    m_lines.append(makeLine(line));
}

void WordTable::truncate(int lines)
{
    if (lines >= 0 && lines < m_lines.size())
        m_lines.resize(lines);
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
