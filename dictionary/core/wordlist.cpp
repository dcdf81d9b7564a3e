// Reading the word list: lines into WordTable, entries into LessonTable, faults into problems.
#include "dictionary/core/wordlist.h"

#include "common/memorypages.h"
#include "dictionary/core/linebreaks.h"

#include <QFile>
#include <QFileInfo>
#include <QVarLengthArray>

#include <algorithm>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

QStringList WordList::problemTexts() const
{
    QStringList texts;
    for (const WordListProblem &p : problems)
        texts.append(p.description);
    return texts;
}

namespace {

using Elements = QVarLengthArray<QStringView, 8>;

Elements splitElements(QStringView list)
{
    Elements elements;
    qsizetype p = 0; // 0-based position of the current element's start
    for (;;) {
        const qsizetype x = list.indexOf(u'/', p);
        if (x < 0)
            break;
        elements.append(list.sliced(p, x - p));
        p = qMin(x + 2, list.size()); // the slash and the one character after it
    }
    elements.append(list.sliced(p));
    return elements;
}

} // namespace

QStringList SplitList(const QString &list)
{
    QStringList elements;
    for (QStringView element : splitElements(list))
        elements.append(element.toString());
    return elements;
}

namespace {

QString lineText(int line, const QString &what)
{
    return u"Zeile %1: %2"_s.arg(line).arg(what);
}

void report(WordList &list, int line, const QString &what)
{
    list.problems.append({line, lineText(line, what)});
}

// A list element as a number: digits only once the surrounding blanks are gone. Longer numbers
// than any book or lesson are kept as -1 so that they fail the range check without overflowing.
std::optional<int> elementNumber(QStringView element)
{
    const QStringView digits = blankTrimmed(element);
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (value < 10000) // more digits make it -1 below; the value stops growing
            value = value * 10 + (c.unicode() - u'0');
    }
    return digits.size() > 4 ? -1 : value;
}

QString countText(qsizetype n, const QString &one, const QString &many)
{
    return u"%1 %2"_s.arg(n).arg(n == 1 ? one : many);
}

} // namespace

EntryPlacements ParsePlacements(QStringView bookContent, QStringView lessonContent)
{
    EntryPlacements result;
    auto fail = [&result](PlacementFault where, const QString &what) {
        result.fault = where;
        result.description = what;
        result.placements.clear();
        return result;
    };
    const QStringView books = blankTrimmed(bookContent);
    const QStringView lessons = blankTrimmed(lessonContent);

    // A book list of up to two characters is one element, whatever the lesson list holds.
    const Elements bookElements = books.size() > 2 ? splitElements(books) : Elements{books};
    const Elements lessonElements = books.size() > 2 ? splitElements(lessons) : Elements{lessons};

    if (bookElements.size() != lessonElements.size()) {
        return fail(
            PlacementFault::LessonLine,
            u"%1, aber %2 angegeben"_s.arg(countText(bookElements.size(), u"Buch"_s, u"Bücher"_s),
                                           countText(lessonElements.size(), u"Lektion"_s, u"Lektionen"_s)));
    }
    for (qsizetype n = 0; n < bookElements.size(); ++n) {
        const QStringView bookText = blankTrimmed(bookElements[n]);
        const QStringView lessonText = blankTrimmed(lessonElements[n]);
        const std::optional<int> book = elementNumber(bookText);
        if (bookText.isEmpty())
            return fail(PlacementFault::BookLine, u"Buchnummer fehlt"_s);
        if (!book)
            return fail(PlacementFault::BookLine, u"„%1“ ist keine Buchnummer"_s.arg(bookText));
        if (*book < 1 || *book > LessonTable::bookCount)
            return fail(PlacementFault::BookLine,
                        u"Buch %1 gibt es nicht (erlaubt: 1, 2, 3)"_s.arg(bookText));
        const std::optional<int> lesson = elementNumber(lessonText);
        if (lessonText.isEmpty())
            return fail(PlacementFault::LessonLine, u"Lektionsnummer fehlt"_s);
        if (!lesson)
            return fail(PlacementFault::LessonLine, u"„%1“ ist keine Lektionsnummer"_s.arg(lessonText));
        if (*lesson < 1 || *lesson > LessonTable::lessonCount)
            return fail(PlacementFault::LessonLine,
                        u"Lektion %1 gibt es nicht (erlaubt: 1 bis 60)"_s.arg(lessonText));
        result.placements.append({*book, *lesson});
    }
    return result;
}

namespace {

using Placements = QVarLengthArray<Placement, 8>;

// The books and lessons of one entry, or nothing when it is faulty (the fault is reported).
std::optional<Placements> placements(WordList &list, int bookLine, int lessonLine)
{
    EntryPlacements parsed =
        ParsePlacements(list.words.trimmedContent(bookLine), list.words.trimmedContent(lessonLine));
    if (parsed.fault == PlacementFault::None)
        return std::move(parsed.placements);
    report(list, parsed.fault == PlacementFault::BookLine ? bookLine : lessonLine, parsed.description);
    return std::nullopt;
}

} // namespace

void BuildLessonTable(WordList &list)
{
    list.lessons.clear();
    const WordTable &words = list.words;
    const int count = words.lineCount();
    int i = 1;
    while (i <= count) {
        if (words.marker(i) != Marker::head) {
            ++i;
            continue;
        }
        // The book line belongs to this entry only if no other head line comes first; so the
        // search never runs into the next entry and every line is looked at once.
        int bookLine = i + 1;
        while (bookLine <= count && words.marker(bookLine) != Marker::books &&
               words.marker(bookLine) != Marker::head)
            ++bookLine;
        const QString word = blankTrimmed(words.trimmedContent(i)).toString();
        if (bookLine > count || words.marker(bookLine) != Marker::books) {
            report(list, i, u"Zum Eintrag „%1“ fehlt die Buchzeile (Zeile mit „$“)"_s.arg(word));
            i = bookLine;
            continue;
        }
        const int lessonLine = bookLine + 1;
        if (lessonLine > count) {
            report(list, bookLine, u"Nach der Buchzeile fehlt die Lektionszeile"_s);
            break;
        }
        if (word.isEmpty()) {
            report(list, i, u"Eintrag ohne lateinisches Wort"_s);
        } else if (const auto where = placements(list, bookLine, lessonLine)) {
            // A lesson whose 30 slots are taken leaves the word out; it can still be looked up.
            for (const Placement &p : *where)
                list.lessons.put(p.book, p.lesson, word);
        }
        // The lesson line's first character is never interpreted, but a "#" there still starts
        // an entry, as for any other line.
        i = lessonLine;
    }
}

WordList parseWordList(const QByteArray &bytes)
{
    WordList list;
    // The lines are counted first, so that the table is sized once and each line decoded straight
    // into its field; the counting stops at the entry and line limits.
    int lines = 0;
    int entries = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        const int number = lines + 1;
        if (!line.isEmpty() && line.front() == '#' && ++entries > maxEntries) {
            list.problems.append(
                {number, lineText(number, u"Mehr als %1 Einträge: dieser und alle folgenden Einträge "
                                          u"werden nicht geladen"_s.arg(maxEntries))});
            return false;
        }
        if (lines == maxLines) {
            list.problems.append(
                {number, lineText(number, u"Mehr als %1 Zeilen: diese und alle folgenden Zeilen "
                                          u"werden nicht geladen"_s.arg(maxLines))});
            return false;
        }
        ++lines;
        return true;
    });
    list.words.setEncodedLines(bytes, lines);

    if (list.words.entryCount() == 0)
        list.problems.append({0, u"Die Wortliste enthält keinen Eintrag (keine Zeile mit „#“)"_s});

    BuildLessonTable(list);
    std::stable_sort(list.problems.begin(), list.problems.end(),
                     [](const WordListProblem &a, const WordListProblem &b) { return a.line < b.line; });
    return list;
}

WordListBytes readWordListFile(const QString &path)
{
    WordListBytes result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.status = WordListBytes::Status::Missing;
        result.error = u"Die Wortliste „%1“ wurde nicht gefunden."_s.arg(path);
        return result;
    }
    // Only a plain file: a directory, device or pipe of that name could block or never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = WordListBytes::Status::CannotOpen;
        result.error = u"Die Wortliste „%1“ kann nicht geöffnet werden."_s.arg(path);
        return result;
    }
    // Read into a block of the file's size whose pages are made present in one call, not one fault
    // at a time as the read fills them (8 ms less processor time for the maximal list's 4 MB). A
    // file that grew meanwhile is read on up to the limit, as a file whose size is not known.
    const qint64 expected = qBound<qint64>(0, file.size(), maxWordListBytes + 1);
    result.bytes = QByteArray(qsizetype(expected), Qt::Uninitialized);
    MemoryPages::makePresent(result.bytes.constData(), result.bytes.size());
    const qint64 got = expected > 0 ? file.read(result.bytes.data(), expected) : 0;
    result.bytes.truncate(qMax<qint64>(got, 0));
    if (got == expected)
        result.bytes += file.read(maxWordListBytes + 1 - got);
    if (got < 0 || file.error() != QFileDevice::NoError) {
        result.status = WordListBytes::Status::CannotRead;
        result.error = u"Die Wortliste „%1“ kann nicht gelesen werden."_s.arg(path);
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > maxWordListBytes) {
        result.status = WordListBytes::Status::TooLarge;
        result.error =
            u"Die Wortliste „%1“ ist zu groß (mehr als %2 MB)."_s.arg(path).arg(maxWordListBytes >> 20);
        result.bytes.clear();
        return result;
    }
    result.status = WordListBytes::Status::Ok;
    return result;
}

LoadResult LoadWordList(const QString &programDir)
{
    LoadResult result;
    const WordListBytes file = readWordListFile(programDir + u'/' + QLatin1StringView(wordListFileName));
    if (file.status != WordListBytes::Status::Ok) {
        result.error = file.error;
        return result;
    }
    result.list = parseWordList(file.bytes);
    result.ok = true;
    return result;
}
