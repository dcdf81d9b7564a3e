// The lesson field with book 3 codes as "a.b", and the word counts of an entry's lessons.
#include "dictionary/core/entrydisplay.h"
#include "tests/testsupport/testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEntryDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatLessonField_data();
    void formatLessonField();
    void countLessonWords_data();
    void countLessonWords();
};

void TestEntryDisplay::formatLessonField_data()
{
    QTest::addColumn<QString>("books");
    QTest::addColumn<QString>("lessons");
    QTest::addColumn<QString>("field");

    QTest::newRow("book 1 as written") << u"1"_s << u"12"_s << u"12"_s;
    QTest::newRow("book 2 lesson 40 not converted") << u"2"_s << u"40"_s << u"40"_s;
    QTest::newRow("book 3 code 1") << u"3"_s << u"1"_s << u"1.1"_s;
    QTest::newRow("book 3 code 2") << u"3"_s << u"2"_s << u"1.2"_s;
    QTest::newRow("book 3 code 7") << u"3"_s << u"7"_s << u"4.1"_s;
    QTest::newRow("book 3 code 39") << u"3"_s << u"39"_s << u"20.1"_s;
    QTest::newRow("book 3 code 40") << u"3"_s << u"40"_s << u"20.2"_s;
    QTest::newRow("book 3 code 41 gives nothing") << u"3"_s << u"41"_s << QString();
    QTest::newRow("book 3 code 0 gives nothing") << u"3"_s << u"0"_s << QString();
    QTest::newRow("book 3 code with leading zero gives nothing") << u"3"_s << u"07"_s << QString();
    QTest::newRow("book 3 empty lesson") << u"3"_s << QString() << QString();
    QTest::newRow("book 1 then 3") << u"1 / 3"_s << u"12 / 7"_s << u"12 / 4.1"_s;
    QTest::newRow("book 3 then 1") << u"3 / 1"_s << u"14 / 9"_s << u"7.2 / 9"_s;
    QTest::newRow("book 3 first, one-digit code") << u"3 / 1"_s << u"9 / 12"_s << u"5.1 / 12"_s;
    QTest::newRow("3 / 2 / 3") << u"3 / 2 / 3"_s << u"1 / 5 / 22"_s << u"1.1 / 5 / 11.2"_s;
    QTest::newRow("two book 3 elements") << u"3 / 3"_s << u"40 / 39"_s << u"20.2 / 20.1"_s;
    QTest::newRow("book 3 fourth") << u"1 / 2 / 1 / 3"_s << u"12 / 5 / 9 / 10"_s << u"12 / 5 / 9 / 5.2"_s;
    QTest::newRow("book 3 third and fourth")
        << u"1 / 2 / 3 / 3"_s << u"12 / 5 / 9 / 10"_s << u"12 / 5 / 5.1 / 5.2"_s;
    QTest::newRow("code 41 in a list stays") << u"3 / 1"_s << u"41 / 9"_s << u"41 / 9"_s;
    QTest::newRow("code 0 in a list stays") << u"1 / 3"_s << u"12 / 0"_s << u"12 / 0"_s;
    QTest::newRow("lesson list shorter than book list") << u"1 / 3"_s << u"12"_s << u"12"_s;
    QTest::newRow("fifth element converted at its place")
        << u"1 / 1 / 1 / 1 / 3"_s << u"1 / 2 / 3 / 4 / 7"_s << u"1 / 2 / 3 / 4 / 4.1"_s;
    QTest::newRow("sixth element after fifth")
        << u"1 / 1 / 1 / 1 / 3 / 3"_s << u"1 / 2 / 3 / 4 / 7 / 40"_s << u"1 / 2 / 3 / 4 / 4.1 / 20.2"_s;
    QTest::newRow("no book 3") << u"1 / 2"_s << u"1 / 2"_s << u"1 / 2"_s;
    QTest::newRow("empty lists") << QString() << QString() << QString();
}

void TestEntryDisplay::formatLessonField()
{
    QFETCH(QString, books);
    QFETCH(QString, lessons);
    QFETCH(QString, field);
    QCOMPARE(FormatLessonField(books, lessons), field);
}

void TestEntryDisplay::countLessonWords_data()
{
    QTest::addColumn<QString>("books");
    QTest::addColumn<QString>("lessons");
    QTest::addColumn<QString>("counts");

    QTest::newRow("one lesson") << u"1"_s << u"12"_s << u"2"_s;
    QTest::newRow("book 3 by stored code") << u"3"_s << u"7"_s << u"1"_s;
    QTest::newRow("two lessons") << u"1 / 3"_s << u"12 / 7"_s << u"2 / 1"_s;
    QTest::newRow("full lesson") << u"2"_s << u"60"_s << u"30"_s;
    QTest::newRow("three lessons") << u"2 / 1 / 3"_s << u"60 / 12 / 40"_s << u"30 / 2 / 0"_s;
    QTest::newRow("lesson without words") << u"1"_s << u"13"_s << u"0"_s;
    QTest::newRow("code 41 out of range") << u"3"_s << u"41"_s << u"0"_s;
    QTest::newRow("lesson list shorter") << u"1 / 3"_s << u"12"_s << u"2 / 0"_s;
    QTest::newRow("not a number") << u"1"_s << u"x"_s << u"0"_s;
    QTest::newRow("no book list") << QString() << QString() << QString();
}

void TestEntryDisplay::countLessonWords()
{
    QFETCH(QString, books);
    QFETCH(QString, lessons);
    QFETCH(QString, counts);

    LessonTable table;
    table.put(1, 12, u"amare"_s);
    table.put(1, 12, u"laudare"_s);
    table.put(3, 7, u"amare"_s);
    table.put(3, 8, u"x"_s);
    table.put(1, 11, u"y"_s);
    for (int n = 1; n <= 31; ++n)
        table.put(2, 60, u"w%1"_s.arg(n));
    QCOMPARE(CountLessonWords(table, books, lessons), counts);
}

QTEST_GUILESS_MAIN(TestEntryDisplay)
#include "test_entrydisplay.moc"
