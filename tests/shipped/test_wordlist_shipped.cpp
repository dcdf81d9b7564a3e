// The word list that ships beside the dictionary: it loads without problems, keeps to the file
// format, fills every lesson of the three books and shows its words in the school form.
#include "dictionary/core/fulltextsearch.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString dataDir = QStringLiteral(GLOSSAND_SOURCE_DIR "/data");

// Lessons of each book in the course and the fewest words a lesson must have.
struct Course
{
    int lessons;
    int fewest;
};
const Course course[4] = {{0, 0}, {60, 15}, {50, 10}, {40, 5}};

struct Entry
{
    int entryNumber = 0;
    int headLine = 0;
    QString word;
    QStringList additions;
    QStringList meanings;
    QList<int> books;
    QList<int> lessons;
};

} // namespace

class TestWordListShipped : public QObject
{
    Q_OBJECT

private:
    QByteArray m_bytes;
    WordList m_list;
    QList<Entry> m_entries;
    QStringList m_layoutFaults; // what the strict reading below found wrong

    QString text(int line) const { return rightTrimmed(m_list.words.text(line)).toString(); }
    void readEntries();
    const Entry *firstEntry(const QString &word) const;
    int headHit(int startEntry, const QString &word) const;

private Q_SLOTS:
    void initTestCase();
    void loadsWithoutProblems();
    void bytesAreWindows1252WithCrLf();
    void noLineLongerThan46();
    void everyEntryHasTheSchoolLayout();
    void lessonsInRange();
    void lessonFill_data();
    void lessonFill();
    void noWordIsLeftOutOfItsLesson();
    void figures();
    void homographs();
    void progression_data();
    void progression();
    void schoolForms_data();
    void schoolForms();
};

void TestWordListShipped::initTestCase()
{
    QFile file(dataDir + u"/latein.lst"_s);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    m_bytes = file.readAll();
    LoadResult loaded = LoadWordList(dataDir);
    QVERIFY2(loaded.ok, qPrintable(loaded.error));
    m_list = std::move(loaded.list);
    readEntries();
}

// Reads the entries strictly: head line, additions, one "=", meanings, book line, lesson line,
// and the next head line straight after; anything else is a layout fault.
void TestWordListShipped::readEntries()
{
    const WordTable &words = m_list.words;
    const int count = words.lineCount();
    int i = 1;
    while (i <= count) {
        Entry e;
        e.entryNumber = int(m_entries.size()) + 1;
        e.headLine = i;
        if (words.marker(i) != Marker::head) {
            m_layoutFaults.append(u"line %1: head line expected: %2"_s.arg(i).arg(text(i)));
            return;
        }
        e.word = text(i).mid(1);
        ++i;
        while (i <= count && words.marker(i) != Marker::separator && words.marker(i) != Marker::head &&
               words.marker(i) != Marker::books)
            e.additions.append(text(i++));
        if (i > count || words.marker(i) != Marker::separator) {
            m_layoutFaults.append(u"line %1: \"=\" expected in %2"_s.arg(i).arg(e.word));
            return;
        }
        ++i;
        while (i <= count && words.marker(i) != Marker::separator && words.marker(i) != Marker::head &&
               words.marker(i) != Marker::books)
            e.meanings.append(text(i++));
        if (i >= count || words.marker(i) != Marker::books) {
            m_layoutFaults.append(u"line %1: book line expected in %2"_s.arg(i).arg(e.word));
            return;
        }
        const QStringList books = SplitList(text(i).mid(1));
        const QString lessonLine = text(i + 1);
        if (!lessonLine.startsWith(u'%'))
            m_layoutFaults.append(
                u"line %1: lesson line should start with %: %2"_s.arg(i + 1).arg(lessonLine));
        const QStringList lessons = SplitList(lessonLine.mid(1));
        if (books.size() != lessons.size())
            m_layoutFaults.append(
                u"line %1: %2 books, %3 lessons"_s.arg(i).arg(books.size()).arg(lessons.size()));
        for (qsizetype n = 0; n < std::min(books.size(), lessons.size()); ++n) {
            bool bookOk = false;
            bool lessonOk = false;
            e.books.append(books[n].trimmed().toInt(&bookOk));
            e.lessons.append(lessons[n].trimmed().toInt(&lessonOk));
            if (!bookOk || !lessonOk)
                m_layoutFaults.append(u"line %1: not a number in %2 / %3"_s.arg(i).arg(books[n], lessons[n]));
        }
        m_entries.append(e);
        i += 2;
    }
}

const Entry *TestWordListShipped::firstEntry(const QString &word) const
{
    for (const Entry &e : m_entries) {
        if (e.word == word)
            return &e;
    }
    return nullptr;
}

// The entry whose head line the full-text search reaches first from startEntry on, as "Weiter
// suchen" would: the head line's field is padded with blanks, so "#ius " also finds
// "#ius iurandum", which the user passes over.
int TestWordListShipped::headHit(int startEntry, const QString &word) const
{
    const QString head = u"#"_s + word;
    for (int start = startEntry;;) {
        const SearchResult hit = FullTextSearch(m_list.words, start, head + u" "_s);
        if (!hit.found)
            return 0;
        if (text(hit.line) == head)
            return hit.entryNumber;
        start = hit.entryNumber + 1;
    }
}

void TestWordListShipped::loadsWithoutProblems()
{
    QVERIFY2(m_list.problems.isEmpty(), qPrintable(m_list.problemTexts().join(u'\n')));
    QVERIFY2(m_layoutFaults.isEmpty(), qPrintable(m_layoutFaults.join(u'\n')));
    QCOMPARE(m_entries.size(), m_list.words.entryCount());
}

void TestWordListShipped::bytesAreWindows1252WithCrLf()
{
    QVERIFY(m_bytes.endsWith("\r\n"));
    const qsizetype crlf = m_bytes.count("\r\n");
    QCOMPARE(m_bytes.count('\n'), crlf);
    QCOMPARE(m_bytes.count('\r'), crlf);
    QCOMPARE(crlf, qsizetype(m_list.words.lineCount()));
    // German letters as single Windows-1252 bytes, never as UTF-8 pairs.
    for (const char letter : {'\xE4', '\xF6', '\xFC', '\xDF'})
        QVERIFY2(m_bytes.contains(letter), qPrintable(u"byte %1 missing"_s.arg(uchar(letter), 0, 16)));
    for (qsizetype i = 0; i + 1 < m_bytes.size(); ++i) {
        const auto lead = uchar(m_bytes[i]);
        const auto next = uchar(m_bytes[i + 1]);
        QVERIFY2(!((lead == 0xC2 || lead == 0xC3) && next >= 0x80 && next <= 0xBF),
                 qPrintable(u"UTF-8 sequence at byte %1"_s.arg(i)));
    }
}

void TestWordListShipped::noLineLongerThan46()
{
    int number = 0;
    for (const QByteArray &line : m_bytes.split('\n')) {
        ++number;
        const QByteArray content = line.endsWith('\r') ? line.chopped(1) : line;
        QVERIFY2(content.size() <= WordLine::width,
                 qPrintable(u"line %1 has %2 characters"_s.arg(number).arg(content.size())));
    }
}

void TestWordListShipped::everyEntryHasTheSchoolLayout()
{
    for (const Entry &e : std::as_const(m_entries)) {
        const QString where = u"entry %1 (%2)"_s.arg(e.entryNumber).arg(e.word);
        QVERIFY2(!e.word.isEmpty() && e.word == e.word.trimmed(), qPrintable(where));
        QVERIFY2(e.additions.size() <= 4, qPrintable(where));
        QVERIFY2(!e.meanings.isEmpty() && e.meanings.size() <= 5, qPrintable(where));
        for (const QString &line : e.additions + e.meanings)
            QVERIFY2(!line.isEmpty() && line == line.trimmed(), qPrintable(where + u": "_s + line));
    }
}

void TestWordListShipped::lessonsInRange()
{
    for (const Entry &e : std::as_const(m_entries)) {
        const QString where = u"entry %1 (%2)"_s.arg(e.entryNumber).arg(e.word);
        QVERIFY2(!e.books.isEmpty(), qPrintable(where));
        QSet<int> seen;
        for (qsizetype n = 0; n < e.books.size(); ++n) {
            const int book = e.books[n];
            QVERIFY2(book >= 1 && book <= 3, qPrintable(where));
            QVERIFY2(!seen.contains(book), qPrintable(where + u": book named twice"_s));
            seen.insert(book);
            QVERIFY2(e.lessons[n] >= 1 && e.lessons[n] <= course[book].lessons, qPrintable(where));
        }
    }
}

void TestWordListShipped::lessonFill_data()
{
    QTest::addColumn<int>("book");
    for (int book = 1; book <= 3; ++book)
        QTest::addRow("book %d", book) << book;
}

void TestWordListShipped::lessonFill()
{
    QFETCH(int, book);
    for (int lesson = 1; lesson <= LessonTable::lessonCount; ++lesson) {
        const int count = m_list.lessons.wordCount(book, lesson);
        const QString where = u"book %1 lesson %2: %3 words"_s.arg(book).arg(lesson).arg(count);
        if (lesson <= course[book].lessons)
            QVERIFY2(count >= course[book].fewest && count <= LessonTable::slotCount, qPrintable(where));
        else
            QVERIFY2(count == 0, qPrintable(where));
    }
}

// A lesson holds 30 words; a 31st would silently drop out of the lesson's word list.
void TestWordListShipped::noWordIsLeftOutOfItsLesson()
{
    QHash<int, int> placed;
    for (const Entry &e : std::as_const(m_entries)) {
        for (qsizetype n = 0; n < e.books.size(); ++n)
            ++placed[e.books[n] * 100 + e.lessons[n]];
    }
    for (auto it = placed.cbegin(); it != placed.cend(); ++it) {
        const int book = it.key() / 100;
        const int lesson = it.key() % 100;
        QCOMPARE(m_list.lessons.wordCount(book, lesson), it.value());
    }
}

void TestWordListShipped::figures()
{
    QVERIFY2(m_entries.size() >= 1800, qPrintable(QString::number(m_entries.size())));
    const auto inSeveralBooks = std::count_if(m_entries.cbegin(), m_entries.cend(),
                                              [](const Entry &e) { return e.books.size() > 1; });
    QVERIFY2(inSeveralBooks >= 100, qPrintable(QString::number(inSeveralBooks)));
}

// A head word that stands twice: the lookup shows the first entry, the full-text search reaches
// the second one as well.
void TestWordListShipped::homographs()
{
    QHash<QString, QList<int>> numbers;
    for (const Entry &e : std::as_const(m_entries))
        numbers[e.word].append(e.entryNumber);
    int homographs = 0;
    for (auto it = numbers.cbegin(); it != numbers.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        ++homographs;
        const QString word = it.key();
        const int first = it.value().at(0);
        const int second = it.value().at(1);
        const LookupResult found = LookUpWord(m_list.words, word);
        QCOMPARE(found.outcome, LookupOutcome::Found);
        QCOMPARE(int(found.entry.entryNumber), first);
        QCOMPARE(headHit(1, word), first);
        QCOMPARE(headHit(first + 1, word), second);
        QVERIFY2(m_entries[first - 1].meanings != m_entries[second - 1].meanings, qPrintable(word));
    }
    QVERIFY2(homographs >= 5, qPrintable(QString::number(homographs)));
}

void TestWordListShipped::progression_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("lesson");
    // The first lessons: esse, a- and o-declension, a- and e-conjugation.
    QTest::newRow("esse") << u"esse"_s << 1 << 1;
    QTest::newRow("a-declension") << u"puella"_s << 1 << 1;
    QTest::newRow("a-conjugation") << u"clamare"_s << 1 << 1;
    QTest::newRow("o-declension") << u"amicus"_s << 1 << 2;
    QTest::newRow("e-conjugation") << u"videre"_s << 1 << 3;
    QTest::newRow("o-declension neuter") << u"templum"_s << 1 << 4;
    // Later: third declension, deponents, participles, subjunctive, authors.
    QTest::newRow("third declension") << u"rex"_s << 1 << 12;
    QTest::newRow("third declension neuter") << u"corpus"_s << 1 << 14;
    QTest::newRow("fifth declension") << u"res"_s << 1 << 28;
    QTest::newRow("deponent") << u"hortari"_s << 1 << 39;
    QTest::newRow("subjunctive clauses") << u"ut"_s << 1 << 42;
    QTest::newRow("Caesar") << u"legatus"_s << 2 << 1;
    QTest::newRow("Seneca") << u"brevitas"_s << 2 << 30;
    QTest::newRow("Cicero in book 3, lesson 1.1") << u"status"_s << 3 << 1;
    QTest::newRow("Catullus in book 3, lesson 13.1") << u"senectus"_s << 3 << 25;
}

void TestWordListShipped::progression()
{
    QFETCH(QString, word);
    QFETCH(int, book);
    QFETCH(int, lesson);
    const Entry *e = firstEntry(word);
    QVERIFY2(e, qPrintable(word));
    QCOMPARE(e->books.first(), book);
    QCOMPARE(e->lessons.first(), lesson);
    bool inLesson = false;
    for (int slot = 1; slot <= LessonTable::slotCount; ++slot)
        inLesson = inLesson || m_list.lessons.lessonWord(book, lesson, slot) == word;
    QVERIFY(inLesson);
}

void TestWordListShipped::schoolForms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("addition");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<QString>("books");
    QTest::newRow("verb with principal parts")
        << u"amare"_s << u"amo, amavi, amatum"_s << u"lieben"_s << u"1 / 3"_s;
    QTest::newRow("esse") << u"esse"_s << u"sum, fui, -"_s << u"sein"_s << u"1"_s;
    QTest::newRow("deponent") << u"hortari"_s << u"hortor, hortatus sum"_s << u"ermahnen"_s << u"1"_s;
    QTest::newRow("noun with genitive and gender") << u"amicus"_s << u"amici m."_s << u"Freund"_s << u"1"_s;
    QTest::newRow("third declension") << u"corpus"_s << u"corporis n."_s << u"Körper"_s << u"1 / 3"_s;
    QTest::newRow("adjective") << u"bonus"_s << u"bona, bonum"_s << u"gut"_s << u"1"_s;
    QTest::newRow("one ending") << u"felix"_s << u"Gen. felicis"_s << u"glücklich"_s << u"1"_s;
    QTest::newRow("preposition") << u"ad"_s << u"m. Akk."_s << u"zu"_s << u"1"_s;
    QTest::newRow("homograph: first") << u"liber"_s << u"libera, liberum"_s << u"frei"_s << u"1"_s;
    QTest::newRow("three books") << u"natura"_s << u"naturae f."_s << u"Natur"_s << u"1 / 2 / 3"_s;
}

void TestWordListShipped::schoolForms()
{
    QFETCH(QString, word);
    QFETCH(QString, addition);
    QFETCH(QString, meaning);
    QFETCH(QString, books);
    const LookupResult found = LookUpWord(m_list.words, word);
    QCOMPARE(found.outcome, LookupOutcome::Found);
    QCOMPARE(found.entry.additions[0], addition);
    QCOMPARE(found.entry.meanings[0], meaning);
    QCOMPARE(found.entry.bookList, books);
}

QTEST_GUILESS_MAIN(TestWordListShipped)
#include "test_wordlist_shipped.moc"
