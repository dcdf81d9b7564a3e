// FullTextSearch: the stored 46-character fields, the start entry, hits outside entries.
#include "dictionary/core/fulltextsearch.h"
#include "tests/testsupport/testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList sample{
    u"Vorwort: lieben"_s,                                    // 1
    u"#amare"_s,                                             // 2, entry 1
    u"amo, amavi"_s,                                         // 3
    u"="_s,                                                  // 4
    u"lieben"_s,                                             // 5
    u"$1"_s,                                                 // 6
    u"L12"_s,                                                // 7
    u"#est"_s,                                               // 8, entry 2
    u"="_s,                                                  // 9
    u"er ist"_s,                                             // 10
    u"$2"_s,                                                 // 11
    u"L1"_s,                                                 // 12
    u"Nachsatz mit Zwischenwort"_s,                          // 13, outside an entry: belongs to entry 2
    u"#laudare"_s,                                           // 14, entry 3
    u"="_s,                                                  // 15
    u"loben, lieben"_s,                                      // 16
    u"$3"_s,                                                 // 17
    u"L7"_s,                                                 // 18
    u"#est"_s,                                               // 19, entry 4
    u"="_s,                                                  // 20
    u"es gibt ein Zwischenwort"_s,                           // 21
    u"$2"_s,                                                 // 22
    u"L2"_s,                                                 // 23
    u"#longum"_s,                                            // 24, entry 5
    u"="_s,                                                  // 25
    u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTENDE"_s, // 26: "ENDE" lies beyond the field
    u"$1"_s,                                                 // 27
    u"L60"_s,                                                // 28
};

} // namespace

class TestFullTextSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void search_data();
    void search();
    void blanks_data();
    void blanks();
};

void TestFullTextSearch::search_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("line");

    QTest::newRow("meaning from entry 1") << 1 << u"lieben"_s << true << u"amare"_s << 1 << 5;
    QTest::newRow("case matters") << 1 << u"Lieben"_s << false << QString() << 0 << 0;
    QTest::newRow("next after the hit's entry") << 2 << u"lieben"_s << true << u"laudare"_s << 3 << 16;
    QTest::newRow("no wrap-around") << 4 << u"lieben"_s << false << QString() << 0 << 0;
    QTest::newRow("start beyond the last entry") << 6 << u"="_s << false << QString() << 0 << 0;
    QTest::newRow("start far beyond 16 bits") << 70000 << QString() << false << QString() << 0 << 0;
    QTest::newRow("empty text hits the start entry") << 1 << QString() << true << u"amare"_s << 1 << 2;
    QTest::newRow("empty text from entry 3") << 3 << QString() << true << u"laudare"_s << 3 << 14;
    QTest::newRow("head marker hits the start entry") << 2 << u"#"_s << true << u"est"_s << 2 << 8;
    QTest::newRow("book marker hits the start entry") << 3 << u"$"_s << true << u"laudare"_s << 3 << 17;
    QTest::newRow("fill blanks after a head line") << 1 << u"amare "_s << true << u"amare"_s << 1 << 2;
    QTest::newRow("fill blanks up to the field's end")
        << 1 << u"L60"_s + QString(43, u' ') << true << u"longum"_s << 5 << 28;
    QTest::newRow("one blank too many for the field")
        << 1 << u"L60"_s + QString(44, u' ') << false << QString() << 0 << 0;
    QTest::newRow("head line and its word") << 1 << u"#est"_s << true << u"est"_s << 2 << 8;
    QTest::newRow("second entry of the same word") << 3 << u"es gibt"_s << true << u"est"_s << 4 << 21;
    QTest::newRow("line outside an entry belongs to the entry above")
        << 1 << u"Nachsatz"_s << true << u"est"_s << 2 << 13;
    QTest::newRow("46th character found") << 1 << u"RST"_s << true << u"longum"_s << 5 << 26;
    QTest::newRow("47th character not found") << 1 << u"TE"_s << false << QString() << 0 << 0;
    QTest::newRow("text beyond the field not found") << 1 << u"ENDE"_s << false << QString() << 0 << 0;
    QTest::newRow("text longer than a field") << 1 << QString(47, u'x') << false << QString() << 0 << 0;
    QTest::newRow("lines above the first entry not searched from entry 1")
        << 1 << u"Vorwort"_s << false << QString() << 0 << 0;
    QTest::newRow("start 0 searches from the top, hit above the first entry goes on")
        << 0 << u"lieben"_s << true << u"amare"_s << 1 << 5;
    QTest::newRow("start 0 with a hit only above the first entry")
        << 0 << u"Vorwort"_s << false << QString() << 0 << 0;
    QTest::newRow("negative start searches from the top") << -5 << u"#"_s << true << u"amare"_s << 1 << 2;
}

void TestFullTextSearch::search()
{
    QFETCH(int, start);
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(QString, word);
    QFETCH(int, entry);
    QFETCH(int, line);

    WordTable table;
    table.setLines(sample);
    const SearchResult result = FullTextSearch(table, start, text);
    QCOMPARE(result.found, found);
    QCOMPARE(result.word, word);
    QCOMPARE(result.entryNumber, entry);
    QCOMPARE(result.line, line);
}

void TestFullTextSearch::blanks_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("word");

    const QString longWord = u"wort"_s + QString(41, u'x');

    QTest::newRow("one blank in the run inside a text") << 1 << 1 << 3 << longWord;
    QTest::newRow("five blanks fill the run inside a text") << 1 << 5 << 3 << longWord;
    QTest::newRow("six blanks only in a longer fill") << 1 << 6 << 5 << u"b"_s;
    QTest::newRow("44 blanks after a two-character head line") << 1 << 44 << 5 << u"b"_s;
    QTest::newRow("45 blanks only in an empty line") << 1 << 45 << 6 << u"b"_s;
    QTest::newRow("46 blanks only in an empty line") << 1 << 46 << 6 << u"b"_s;
    QTest::newRow("one blank from entry 2") << 2 << 1 << 5 << u"b"_s;
    QTest::newRow("start 0: blank line above the first entry is passed") << 0 << 46 << 6 << u"b"_s;
    QTest::newRow("start 0: one blank") << 0 << 1 << 3 << longWord;
}

void TestFullTextSearch::blanks()
{
    QFETCH(int, start);
    QFETCH(int, blanks);
    QFETCH(int, line);
    QFETCH(QString, word);

    WordTable table;
    table.setLines({
        QString(),                                                // 1: above the first entry
        u"#wort"_s + QString(41, u'x'),                           // 2: head line without fill
        QString(10, u'z') + QString(5, u' ') + QString(31, u'z'), // 3: a run of five blanks
        u"$1"_s + QString(44, u'q'),                              // 4: no blank at all
        u"#b"_s,                                                  // 5: 44 blanks of fill
        QString(),                                                // 6: 46 blanks
    });
    const SearchResult result = FullTextSearch(table, start, QString(blanks, u' '));
    QVERIFY(result.found);
    QCOMPARE(result.line, line);
    QCOMPARE(result.word, word);
}

QTEST_GUILESS_MAIN(TestFullTextSearch)
#include "test_fulltextsearch.moc"
