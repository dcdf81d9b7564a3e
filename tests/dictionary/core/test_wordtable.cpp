// WordTable lines (marker, the 46-character cut and fill) and LessonTable slots.
#include "dictionary/core/wordtable.h"
#include "tests/testsupport/testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void line_data();
    void line();
    void outOfRangeLinesAreBlank_data();
    void outOfRangeLinesAreBlank();
    void contentSkipsMarker();
    void dumpNumbersLines();
    void textsOutliveTheTable();
    void changedCopyLeavesTableAlone();
    void copiedTableSharesNothingMutable();
    void entries();
    void fieldsAreContiguous();
    void trims_data();
    void trims();
    void lessonSlotsFillInOrder();
    void thirtyFirstWordIsLeftOut();
    void putRejects_data();
    void putRejects();
    void lessonWordOutOfRange_data();
    void lessonWordOutOfRange();
};

void TestWordTable::line_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QChar>("marker");
    QTest::addColumn<QString>("text");

    const QString blanks46(46, u' ');
    QTest::newRow("empty line has a blank marker") << QString() << QChar(u' ') << blanks46;
    QTest::newRow("head line padded") << u"#amare"_s << QChar(u'#') << (u"#amare"_s + QString(40, u' '));
    QTest::newRow("leading blank is the marker") << u" x"_s << QChar(u' ') << (u" x"_s + QString(44, u' '));
    const QString exact = u"$"_s + QString(45, u'1');
    QTest::newRow("exactly 46 kept whole") << exact << QChar(u'$') << exact;
    QTest::newRow("47th character cut") << (exact + u"9"_s) << QChar(u'$') << exact;
    const QString sixty = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"_s.left(60);
    QTest::newRow("60 characters keep the first 46")
        << sixty << QChar(u'a') << u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRST"_s;
    QTest::newRow("trailing blanks of the line kept in the field")
        << u"=  "_s << QChar(u'=') << (u"="_s + QString(45, u' '));
    QTest::newRow("non-latin-1 characters") << u"„€“"_s << QChar(u'„') << (u"„€“"_s + QString(43, u' '));
}

void TestWordTable::line()
{
    QFETCH(QString, line);
    QFETCH(QChar, marker);
    QFETCH(QString, text);

    WordTable table;
    table.setLines({u"first"_s, line, u"last"_s});
    QCOMPARE(table.lineCount(), 3);
    QCOMPARE(table.marker(2), marker);
    QCOMPARE(table.text(2), text);
    QCOMPARE(table.text(2).size(), 46);
    QCOMPARE(table.trimmedContent(2), rightTrimmed(table.content(2)));
    QCOMPARE(table.text(1), u"first"_s + QString(41, u' '));
    QCOMPARE(table.text(3), u"last"_s + QString(42, u' '));
}

void TestWordTable::outOfRangeLinesAreBlank_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("lineCount + 1") << 3;
    QTest::newRow("far beyond") << 1000000;
}

void TestWordTable::outOfRangeLinesAreBlank()
{
    QFETCH(int, index);
    WordTable table;
    table.setLines({u"#a"_s, u"="_s});
    QCOMPARE(table.marker(index), QChar(u' '));
    QCOMPARE(table.text(index), QString(46, u' '));
    QVERIFY(table.trimmedContent(index).isEmpty());
}

void TestWordTable::contentSkipsMarker()
{
    WordTable table;
    table.setLines({u"#  amare"_s});
    QCOMPARE(table.content(1).toString(), u"  amare"_s + QString(38, u' '));
    QCOMPARE(table.content(1).size(), 45);
}

void TestWordTable::dumpNumbersLines()
{
    WordTable table;
    table.setLines({u"#a"_s, QString()});
    QCOMPARE(table.dump(),
             (QStringList{u"1|#a"_s + QString(44, u' ') + u"|"_s, u"2|"_s + QString(46, u' ') + u"|"_s}));
}

void TestWordTable::textsOutliveTheTable()
{
    QString kept;
    {
        WordTable table;
        table.setLines({u"#amare"_s, u"lieben"_s});
        kept = table.text(2);
    }
    QCOMPARE(kept, u"lieben"_s + QString(40, u' '));
    // The copy ends at its 46th character like any other string.
    QCOMPARE(kept.utf16()[46], u'\0');
    kept.append(u"!"_s);
    QCOMPARE(kept, u"lieben"_s + QString(40, u' ') + u"!"_s);
}

void TestWordTable::changedCopyLeavesTableAlone()
{
    WordTable table;
    table.setLines({u"#amare"_s, u"lieben"_s, u"$1"_s});
    QString copy = table.text(2);
    copy.append(u"X"_s);
    copy[0] = u'L';
    QString prefixed = table.text(2);
    prefixed.prepend(u"Y"_s);
    QCOMPARE(table.text(1), u"#amare"_s + QString(40, u' '));
    QCOMPARE(table.text(2), u"lieben"_s + QString(40, u' '));
    QCOMPARE(table.text(3), u"$1"_s + QString(44, u' '));
    QCOMPARE(copy, u"Lieben"_s + QString(40, u' ') + u"X"_s);
    QCOMPARE(prefixed, u"Ylieben"_s + QString(40, u' '));
}

void TestWordTable::copiedTableSharesNothingMutable()
{
    WordTable copy;
    {
        WordTable table;
        table.setLines({u"#a"_s, u"b"_s});
        copy = table;
        table.setLines({u"#c"_s});
    }
    QCOMPARE(copy.lineCount(), 2);
    QCOMPARE(copy.text(2), u"b"_s + QString(45, u' '));
    QCOMPARE(copy.entryCount(), 1);
}

void TestWordTable::entries()
{
    WordTable table;
    table.setLines({u"Vorwort"_s, u"#a  "_s, u"="_s, u"#  bc"_s, u"$1"_s, u"L1"_s, u"#"_s});
    QCOMPARE(table.entryCount(), 3);
    QCOMPARE(table.headLine(1), 2);
    QCOMPARE(table.headLine(2), 4);
    QCOMPARE(table.headLine(3), 7);
    QCOMPARE(table.headLine(0), 0);
    QCOMPARE(table.headLine(4), 0);
    QCOMPARE(table.headLength(1), 2);
    QCOMPARE(table.headLength(2), 5);
    QCOMPARE(table.headLength(3), 1);
    QCOMPARE(table.headLength(4), 0);
    const QList<int> owners{0, 0, 1, 1, 2, 2, 2, 3, 3};
    for (int line = 0; line <= 8; ++line)
        QCOMPARE(table.entryOfLine(line), owners[line]);
}

void TestWordTable::fieldsAreContiguous()
{
    WordTable table;
    table.setLines({u"#a"_s, QString(50, u'x')});
    QCOMPARE(table.fields().size(), 2 * 47);
    QCOMPARE(table.fields().sliced(47, 46).toString(), QString(46, u'x'));
    QCOMPARE(table.fields()[46], QChar(u'\0'));
    QCOMPARE(table.fields()[93], QChar(u'\0'));
    QCOMPARE(WordTable().fields().size(), 0);
}

void TestWordTable::trims_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("both");

    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("only blanks") << u"   "_s << QString() << QString();
    QTest::newRow("both sides") << u"  amare  "_s << u"  amare"_s << u"amare"_s;
    QTest::newRow("inner blanks stay") << u"a b "_s << u"a b"_s << u"a b"_s;
    QTest::newRow("tab is no blank") << u"\tx\t"_s << u"\tx\t"_s << u"\tx\t"_s;
}

void TestWordTable::trims()
{
    QFETCH(QString, text);
    QFETCH(QString, right);
    QFETCH(QString, both);
    QCOMPARE(rightTrimmed(text).toString(), right);
    QCOMPARE(blankTrimmed(text).toString(), both);
}

void TestWordTable::lessonSlotsFillInOrder()
{
    LessonTable table;
    QVERIFY(table.put(1, 12, u"amare"_s));
    QVERIFY(table.put(1, 12, u"laudare"_s));
    QVERIFY(table.put(3, 40, u"esse"_s));
    QCOMPARE(table.lessonWord(1, 12, 1), u"amare"_s);
    QCOMPARE(table.lessonWord(1, 12, 2), u"laudare"_s);
    QCOMPARE(table.lessonWord(1, 12, 3), QString());
    QCOMPARE(table.wordCount(1, 12), 2);
    QCOMPARE(table.wordCount(3, 40), 1);
    QCOMPARE(table.wordCount(1, 11), 0);
    QCOMPARE(table.dump(), (QStringList{u"1/12: amare, laudare"_s, u"3/40: esse"_s}));
    table.clear();
    QCOMPARE(table.dump(), QStringList());
}

void TestWordTable::thirtyFirstWordIsLeftOut()
{
    LessonTable table;
    for (int n = 1; n <= 30; ++n)
        QVERIFY(table.put(2, 60, u"w%1"_s.arg(n)));
    QVERIFY(!table.put(2, 60, u"w31"_s));
    QCOMPARE(table.wordCount(2, 60), 30);
    QCOMPARE(table.lessonWord(2, 60, 30), u"w30"_s);
    QCOMPARE(table.lessonWord(2, 60, 31), QString());
    QCOMPARE(table.wordCount(2, 59), 0);
}

void TestWordTable::putRejects_data()
{
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QString>("word");

    QTest::newRow("book 0") << 0 << 1 << u"a"_s;
    QTest::newRow("book 4") << 4 << 1 << u"a"_s;
    QTest::newRow("lesson 0") << 1 << 0 << u"a"_s;
    QTest::newRow("lesson 61") << 1 << 61 << u"a"_s;
    QTest::newRow("empty word") << 1 << 1 << QString();
}

void TestWordTable::putRejects()
{
    QFETCH(int, book);
    QFETCH(int, lesson);
    QFETCH(QString, word);
    LessonTable table;
    QVERIFY(!table.put(book, lesson, word));
    QCOMPARE(table.dump(), QStringList());
}

void TestWordTable::lessonWordOutOfRange_data()
{
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<int>("slot");

    QTest::newRow("slot 0") << 1 << 1 << 0;
    QTest::newRow("slot 31") << 1 << 1 << 31;
    QTest::newRow("book 0") << 0 << 1 << 1;
    QTest::newRow("book 4") << 4 << 1 << 1;
    QTest::newRow("lesson 0") << 1 << 0 << 1;
    QTest::newRow("lesson 61") << 1 << 61 << 1;
}

void TestWordTable::lessonWordOutOfRange()
{
    QFETCH(int, book);
    QFETCH(int, lesson);
    QFETCH(int, slot);
    LessonTable table;
    // Fill every lesson so that a wrong index could only return a word.
    for (int b = 1; b <= 3; ++b)
        for (int l = 1; l <= 60; ++l)
            for (int s = 1; s <= 30; ++s)
                table.put(b, l, u"x"_s);
    QCOMPARE(table.lessonWord(book, lesson, slot), QString());
    if (slot >= 1 && slot <= 30)
        QCOMPARE(table.wordCount(book, lesson), 0);
}

QTEST_GUILESS_MAIN(TestWordTable)
#include "test_wordtable.moc"
