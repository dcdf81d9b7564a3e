// The lesson field with book 3 codes as "a.b", and the word counts of an entry's lessons.
#include "dictionary/core/entrydisplay.h"

#include "common/lessoncode.h"
#include "dictionary/core/wordlist.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A code exactly as "1" to "40" are written (no blanks, no leading zero); nothing otherwise.
std::optional<int> exactCode(QStringView text)
{
    if (text.isEmpty() || text.size() > 2 || text.front() == u'0')
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value < 1 || value > 40)
        return std::nullopt;
    return value;
}

// 1-based position of the n-th "/" in text, 0 when there are fewer.
qsizetype slashPosition(const QString &text, int n)
{
    qsizetype at = -1;
    for (int found = 0; found < n; ++found) {
        at = text.indexOf(u'/', at + 1);
        if (at < 0)
            return 0;
    }
    return at + 1;
}

// Number of a book or lesson element, surrounding blanks ignored; 0 when it is no number.
int elementValue(const QString &element)
{
    const QStringView digits = blankTrimmed(element);
    if (digits.isEmpty() || digits.size() > 4)
        return 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    return digits.toInt();
}

} // namespace

QString FormatLessonField(const QString &bookList, const QString &lessonList)
{
    if (bookList == u"3") {
        const std::optional<int> code = exactCode(lessonList);
        return code ? LessonCodeText(*code) : QString();
    }

    QString t = lessonList;
    // Every "3" of the book list names the element at its place: a one-digit book at 1-based
    // position 4n + 1 is element n + 1 of the " / "-separated list. Its lesson element starts two
    // characters after the n-th slash of the lesson text as converted so far.
    for (qsizetype x = bookList.indexOf(u'3'); x >= 0; x = bookList.indexOf(u'3', x + 2)) {
        const qsizetype position = x + 1;
        qsizetype s = 1;
        if (position >= 5 && (position - 1) % 4 == 0) {
            const qsizetype slash = slashPosition(t, int((position - 1) / 4));
            if (slash == 0)
                continue; // the lesson list has no element at that place
            s = slash + 2;
        }
        const QStringView two = QStringView(t).mid(s - 1, 2);
        if (blankTrimmed(two).size() == 1) {
            const QChar c = t.at(s - 1);
            if (c >= u'1' && c <= u'9')
                t.replace(s - 1, 1, LessonCodeText(c.unicode() - u'0'));
        } else if (const std::optional<int> code = exactCode(two)) {
            if (*code >= 10)
                t.replace(s - 1, 2, LessonCodeText(*code));
        }
    }
    return t;
}

QString CountLessonWords(const LessonTable &lessons, const QString &bookList, const QString &lessonList)
{
    if (bookList.isEmpty())
        return QString();
    QStringList books{bookList};
    QStringList lessonElements{lessonList};
    if (bookList.size() > 1) {
        books = SplitList(bookList);
        lessonElements = SplitList(lessonList);
    }
    QStringList counts;
    for (qsizetype i = 0; i < books.size(); ++i) {
        // A missing lesson element counts as a lesson without words.
        const int lesson = i < lessonElements.size() ? elementValue(lessonElements[i]) : 0;
        counts.append(QString::number(lessons.wordCount(elementValue(books[i]), lesson)));
    }
    return counts.join(u" / ");
}
