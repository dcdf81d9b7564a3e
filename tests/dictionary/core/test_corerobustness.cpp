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

} // namespace

class TestCoreRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomFiles_data();
    void randomFiles();
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

QTEST_GUILESS_MAIN(TestCoreRobustness)
#include "test_corerobustness.moc"
