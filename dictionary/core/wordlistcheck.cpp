// Checking a word list: the loader's problems plus the editorial rules, and the list's figures.
#include "dictionary/core/wordlistcheck.h"

#include "common/lessoncode.h"
#include "dictionary/core/browsing.h"
#include "dictionary/core/linebreaks.h"

#include <QSet>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace WordListCheck {

namespace {

constexpr int maxAdditions = 4;
constexpr int maxMeanings = 5;

QString atLine(int line, const QString &what)
{
    return u"Zeile %1: %2"_s.arg(line).arg(what);
}

// "1 Eintrag", "2 Einträge".
QString counted(int n, const QString &one, const QString &many)
{
    return u"%1 %2"_s.arg(n).arg(n == 1 ? one : many);
}

QString lessonName(int book, int lesson)
{
    return book == 3 ? LessonCodeText(lesson) : QString::number(lesson);
}

// A UTF-8 sequence for a letter of Windows-1252's upper half ("ä" saved as C3 A4): the file was
// written in the wrong encoding and shows "Ã¤" in the dictionary.
bool looksLikeUtf8(QByteArrayView line)
{
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const auto lead = static_cast<unsigned char>(line[i]);
        const auto next = static_cast<unsigned char>(line[i + 1]);
        if ((lead == 0xC2 || lead == 0xC3) && next >= 0x80 && next <= 0xBF)
            return true;
    }
    return false;
}

// Reports the first line that breaks a rule, and how many more do, so that a file saved with the
// wrong line ends or encoding gives one problem, not thousands.
struct FirstOf
{
    int line = 0;
    int more = 0;
    void note(int i)
    {
        if (line == 0)
            line = i;
        else
            ++more;
    }
};

void addFirst(QList<WordListProblem> &problems, const FirstOf &first, const QString &what)
{
    if (first.line == 0)
        return;
    const QString text =
        first.more == 0 ? what : u"%1 (ebenso %2 weitere Zeilen)"_s.arg(what).arg(first.more);
    problems.append({first.line, atLine(first.line, text)});
}

// One pass over the lines as the loader splits them, keeping none: a file of millions of short
// lines costs no more memory than its bytes. Lines past the loader's limit are not looked at (the
// loader reports the limit).
void checkLines(const QByteArray &bytes, Report &report)
{
    FirstOf badEnd;
    FirstOf utf8;
    int i = 0;
    const char *data = bytes.constData();
    forEachLine(bytes, [&](QByteArrayView line) {
        if (i == maxLines)
            return false;
        ++i;
        const qsizetype end = line.data() - data + line.size();
        const bool last = end == bytes.size();
        const bool crlf = !last && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        if (!crlf && !last)
            badEnd.note(i);
        if (looksLikeUtf8(line))
            utf8.note(i);
        if (line.size() > WordLine::width) {
            report.problems.append(
                {i, atLine(i, u"Die Zeile ist %1 Zeichen lang; das Programm liest nur die ersten %2"_s
                                  .arg(line.size())
                                  .arg(WordLine::width))});
        }
        return true;
    });
    report.lineCount = i;
    addFirst(report.problems, badEnd, u"Die Zeile endet nicht mit CR LF"_s);
    addFirst(report.problems, utf8,
             u"Die Zeile enthält UTF-8-Zeichen; die Wortliste muss Windows-1252 sein"_s);
}

void checkEntries(Report &report)
{
    const WordTable &words = report.list.words;
    const int count = words.lineCount();
    std::array<int, LessonTable::bookCount * LessonTable::lessonCount> placed{};
    for (int entry = 1; entry <= words.entryCount(); ++entry) {
        const int head = words.headLine(entry);
        int bookLine = head + 1;
        while (bookLine <= count && words.marker(bookLine) != Marker::books &&
               words.marker(bookLine) != Marker::head)
            ++bookLine;
        if (bookLine >= count || words.marker(bookLine) != Marker::books)
            continue; // no book or lesson line: the loader has reported it
        const QString word = blankTrimmed(words.content(head)).toString();

        QList<int> separators;
        for (int i = head + 1; i < bookLine; ++i) {
            if (words.marker(i) == Marker::separator)
                separators.append(i);
        }
        if (separators.isEmpty()) {
            report.problems.append(
                {head,
                 atLine(head, u"Im Eintrag „%1“ fehlt die Trennzeile „=“ vor der Buchzeile"_s.arg(word))});
        } else {
            for (qsizetype n = 1; n < separators.size(); ++n) {
                report.problems.append(
                    {separators[n],
                     atLine(separators[n], u"Zweite Trennzeile „=“ im Eintrag „%1“"_s.arg(word))});
            }
            const int additions = separators.first() - head - 1;
            const int meanings = bookLine - separators.last() - 1;
            if (additions > maxAdditions) {
                const int line = head + maxAdditions + 1;
                report.problems.append(
                    {line, atLine(line, u"Der Eintrag „%1“ hat %2 lateinische Zusätze; gezeigt werden "
                                        u"höchstens %3"_s.arg(word, QString::number(additions),
                                                              QString::number(maxAdditions)))});
            }
            if (meanings > maxMeanings) {
                const int line = separators.last() + maxMeanings + 1;
                report.problems.append(
                    {line, atLine(line, u"Der Eintrag „%1“ hat %2 deutsche Bedeutungen; gezeigt werden "
                                        u"höchstens %3"_s.arg(word, QString::number(meanings),
                                                              QString::number(maxMeanings)))});
            }
        }

        // The loader's own reading of the lists; a faulty entry it has reported already.
        const EntryPlacements where = ParsePlacements(words.content(bookLine), words.content(bookLine + 1));
        if (where.fault != PlacementFault::None || word.isEmpty())
            continue;
        QSet<int> books;
        for (const auto &[book, lesson] : where.placements) {
            books.insert(book);
            int &n = placed[(book - 1) * LessonTable::lessonCount + (lesson - 1)];
            if (++n == LessonTable::slotCount + 1) {
                report.problems.append(
                    {head,
                     atLine(head, u"Buch %1, Lektion %2 hat schon %3 Wörter: „%4“ fehlt in ihrer "
                                  u"Wortauswahl"_s.arg(QString::number(book), lessonName(book, lesson),
                                                       QString::number(LessonTable::slotCount), word))});
            } else if (n > LessonTable::slotCount + 1) {
                report.problems.append(
                    {head, atLine(head, u"Auch „%1“ fehlt in der Wortauswahl von Buch %2, Lektion %3"_s.arg(
                                            word, QString::number(book), lessonName(book, lesson)))});
            }
        }
        if (books.size() > 1)
            ++report.entriesInSeveralBooks;
    }
}

} // namespace

int courseLessons(int book)
{
    // The dictionary's own lesson browsing knows the course; the checker does not keep a copy.
    return Browsing::lessonsOfBook(book);
}

int Report::bookWordCount(int book) const
{
    int sum = 0;
    for (int lesson = 1; lesson <= LessonTable::lessonCount; ++lesson)
        sum += wordCount(book, lesson);
    return sum;
}

Report check(const QByteArray &bytes)
{
    Report report;
    report.list = parseWordList(bytes);
    report.problems = report.list.problems;
    checkLines(bytes, report);
    checkEntries(report);
    std::stable_sort(report.problems.begin(), report.problems.end(),
                     [](const WordListProblem &a, const WordListProblem &b) { return a.line < b.line; });
    return report;
}

QStringList reportText(const Report &report, const QString &fileName)
{
    QStringList text;
    text.append(u"%1: %2, %3, davon %4 in mehreren Büchern"_s.arg(
        fileName, counted(report.lineCount, u"Zeile"_s, u"Zeilen"_s),
        counted(report.list.words.entryCount(), u"Eintrag"_s, u"Einträge"_s),
        QString::number(report.entriesInSeveralBooks)));
    if (report.ok()) {
        text.append(u"Keine Probleme gefunden."_s);
    } else {
        text.append(report.problems.size() == 1 ? u"1 Problem:"_s
                                                : u"%1 Probleme:"_s.arg(report.problems.size()));
        for (const WordListProblem &p : report.problems)
            text.append(u"  "_s + p.description);
    }
    for (int book = 1; book <= LessonTable::bookCount; ++book) {
        // Every lesson of the course, and beyond it any lesson that holds words.
        int last = courseLessons(book);
        int filled = 0;
        for (int lesson = 1; lesson <= LessonTable::lessonCount; ++lesson) {
            if (report.wordCount(book, lesson) > 0) {
                last = std::max(last, lesson);
                ++filled;
            }
        }
        text.append(u"Buch %1: %2 in %3"_s.arg(QString::number(book),
                                               counted(report.bookWordCount(book), u"Wort"_s, u"Wörter"_s),
                                               counted(filled, u"Lektion"_s, u"Lektionen"_s)));
        QString row;
        for (int lesson = 1; lesson <= last; ++lesson) {
            row += u" %1:%2"_s.arg(lessonName(book, lesson), 5).arg(report.wordCount(book, lesson), -2);
            if (lesson % 10 == 0 || lesson == last) {
                while (row.endsWith(u' '))
                    row.chop(1);
                text.append(row);
                row.clear();
            }
        }
    }
    return text;
}

} // namespace WordListCheck
