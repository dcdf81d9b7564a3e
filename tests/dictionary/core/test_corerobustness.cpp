// Any bytes at all: loading, looking up every word, searching and formatting never crash, never
// read outside a table and always finish.
#include "common/linefile.h"
#include "dictionary/core/entrydisplay.h"
#include "dictionary/core/fulltextsearch.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"
#include "tests/testsupport/testsupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Bytes drawn mostly from the characters that give word list lines their meaning.
QByteArray randomWordList(QRandomGenerator &random, int size)
{
    static const QByteArray alphabet("#=$/ 0123456789\r\n\r\n\r\n#$=/ 3 1 2 64 a\x80\x84\xdf");
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = alphabet.at(int(random.bounded(alphabet.size())));
    return bytes;
}

// The search as its definition reads, line by line, to compare the fast one with.
SearchResult plainSearch(const WordTable &table, int startEntry, const QString &text)
{
    int line = 1;
    if (startEntry >= 1) {
        int entries = 0;
        line = 0;
        for (int i = 1; i <= table.lineCount() && line == 0; ++i) {
            if (table.marker(i) == Marker::head && ++entries == startEntry)
                line = i;
        }
        if (line == 0)
            return {};
    }
    for (int e = line; e <= table.lineCount(); ++e) {
        if (!table.text(e).contains(text))
            continue;
        int head = e;
        while (head >= 1 && table.marker(head) != Marker::head)
            --head;
        if (head == 0)
            continue;
        int entry = 0;
        for (int i = 1; i <= head; ++i)
            entry += table.marker(i) == Marker::head ? 1 : 0;
        QString word = table.text(head).mid(1);
        while (word.endsWith(u' '))
            word.chop(1);
        return {true, word, entry, e};
    }
    return {};
}

// The lookup's scan as its definition reads: the entry number of the first head line that
// equals "#" and the word once its trailing blanks are gone.
int plainLookup(const WordTable &table, const QString &word)
{
    int entries = 0;
    for (int i = 1; i <= table.lineCount(); ++i) {
        if (table.marker(i) != Marker::head)
            continue;
        ++entries;
        QString head = table.text(i);
        while (head.endsWith(u' '))
            head.chop(1);
        if (head == u"#"_s + word)
            return entries;
    }
    return 0;
}

} // namespace

class TestCoreRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomFiles_data();
    void randomFiles();
    void searchAgreesWithDefinition_data();
    void searchAgreesWithDefinition();
};

void TestCoreRobustness::randomFiles_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestCoreRobustness::randomFiles()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QByteArray bytes = randomWordList(random, 200 + int(random.bounded(3000)));

    const WordList list = parseWordList(bytes);
    QCOMPARE(list.words.lineCount(), LineFile::splitLines(bytes, LineFile::Breaks::AnyBreak).size());
    for (const WordListProblem &p : list.problems)
        QVERIFY(p.line >= 0 && p.line <= list.words.lineCount());

    // Every word in LessonTable is the word of some head line.
    for (int book = 1; book <= 3; ++book) {
        for (int lesson = 1; lesson <= 60; ++lesson) {
            const int count = list.lessons.wordCount(book, lesson);
            QVERIFY(count <= 30);
            for (int slot = 1; slot <= count; ++slot)
                QVERIFY(!list.lessons.lessonWord(book, lesson, slot).isEmpty());
        }
    }

    int entries = 0;
    for (int i = 1; i <= list.words.lineCount(); ++i) {
        if (list.words.marker(i) != Marker::head)
            continue;
        ++entries;
        const QString word = rightTrimmed(list.words.content(i)).toString();
        const LookupResult found = LookUpWord(list.words, word);
        if (word.isEmpty()) {
            QCOMPARE(found.outcome, LookupOutcome::NoInput);
            continue;
        }
        QCOMPARE(found.outcome, LookupOutcome::Found);
        QVERIFY(found.entry.entryNumber >= 1 && found.entry.entryNumber <= entries);
        FormatLessonField(found.entry.bookList, found.entry.lessonList);
        CountLessonWords(list.lessons, found.entry.bookList, found.entry.lessonList);
    }

    // "Weiter suchen" over the whole list always moves forward and ends.
    for (const QString &text : {QString(), u"3"_s, u"/ "_s, u"#"_s}) {
        int start = 1;
        int steps = 0;
        for (;;) {
            const SearchResult hit = FullTextSearch(list.words, start, text);
            if (!hit.found)
                break;
            QVERIFY(hit.entryNumber >= start);
            QVERIFY(hit.line >= 1 && hit.line <= list.words.lineCount());
            start = hit.entryNumber + 1;
            QVERIFY(++steps <= entries);
        }
    }
}

void TestCoreRobustness::searchAgreesWithDefinition_data()
{
    randomFiles_data();
}

void TestCoreRobustness::searchAgreesWithDefinition()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const WordList list = parseWordList(randomWordList(random, 200 + int(random.bounded(2000))));
    const WordTable &table = list.words;
    if (table.lineCount() == 0)
        return;

    for (int round = 0; round < 60; ++round) {
        // Pieces of stored fields, fill blanks and field ends included, and a few made-up texts.
        QString text;
        if (round % 4 == 3) {
            text = QString::fromLatin1(randomWordList(random, 1 + int(random.bounded(3)))).remove(u'\r');
        } else {
            const QString &field = table.text(1 + int(random.bounded(table.lineCount())));
            const int from = int(random.bounded(46));
            text = field.mid(from, 1 + int(random.bounded(46 - from)));
        }
        const int start = int(random.bounded(-1, table.entryCount() + 2));
        const SearchResult fast = FullTextSearch(table, start, text);
        const SearchResult plain = plainSearch(table, start, text);
        const QString what = u"start %1, text \"%2\""_s.arg(start).arg(text);
        QVERIFY2(fast.found == plain.found, qPrintable(what));
        QVERIFY2(fast.line == plain.line, qPrintable(what));
        QVERIFY2(fast.entryNumber == plain.entryNumber, qPrintable(what));
        QVERIFY2(fast.word == rightTrimmed(plain.word).toString() || fast.word == plain.word,
                 qPrintable(what));
    }

    for (int i = 1; i <= table.lineCount(); ++i) {
        const QString word = rightTrimmed(table.content(i)).toString();
        if (word.isEmpty())
            continue;
        const LookupResult found = LookUpWord(table, word);
        QCOMPARE(found.outcome == LookupOutcome::Found ? int(found.entry.entryNumber) : 0,
                 plainLookup(table, word));
    }
}

QTEST_GUILESS_MAIN(TestCoreRobustness)
#include "test_corerobustness.moc"
