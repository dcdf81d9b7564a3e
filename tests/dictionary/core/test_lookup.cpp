// LookUpWord: exact comparison of head lines, the fields of a found entry, malformed entries.
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"
#include "tests/testsupport/testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(LookupOutcome)

namespace {

WordTable table(const QStringList &lines)
{
    WordTable t;
    t.setLines(lines);
    return t;
}

// A found entry as readable lines: number, additions, meanings, books, lessons.
QStringList entryLines(int number, const QStringList &additions, const QStringList &meanings,
                       const QString &books, const QString &lessons)
{
    QStringList out{u"Nummer: %1"_s.arg(number)};
    for (int i = 0; i < 4; ++i)
        out.append(u"Zusatz: %1"_s.arg(additions.value(i)));
    for (int i = 0; i < 5; ++i)
        out.append(u"Bedeutung: %1"_s.arg(meanings.value(i)));
    out << u"Bücher: %1"_s.arg(books) << u"Lektionen: %1"_s.arg(lessons);
    return out;
}

// The dump without its word line, which only repeats the input.
QStringList withoutWord(QStringList dump)
{
    dump.removeAt(1);
    return dump;
}

const QStringList sample{
    u"Vorwort ohne Eintrag"_s,
    u"#amare"_s,
    u"amo, amavi, amatum   "_s,
    u"=  "_s,
    u"lieben"_s,
    u"  gern haben  "_s,
    u"$1 / 3 "_s,
    u"L12 / 7  "_s,
    u"#  laudare"_s,
    u"="_s,
    u"loben"_s,
    u"$1"_s,
    u"L3"_s,
    u"#est"_s,
    u"="_s,
    u"er ist"_s,
    u"$2"_s,
    u"L1"_s,
    u"#est"_s,
    u"="_s,
    u"es gibt"_s,
    u"$2"_s,
    u"L2"_s,
    u"#magnitudo"_s,
    u"magnitudinis f."_s,
    u"="_s,
    u"Größe"_s,
    u"$3"_s,
    u"L40"_s,
};

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outcome_data();
    void outcome();
    void entryFields_data();
    void entryFields();
    void wordIsKeptAsPassed();
    void longHeadLineIsCut();
    void malformedEntry_data();
    void malformedEntry();
};

void TestLookup::outcome_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<LookupOutcome>("outcome");
    QTest::addColumn<int>("number");

    QTest::newRow("found") << u"amare"_s << LookupOutcome::Found << 1;
    QTest::newRow("case matters") << u"Amare"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("trailing blank of the word kept") << u"amare "_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("no prefix match") << u"ama"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("no longer match") << u"amarex"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("empty word") << QString() << LookupOutcome::NoInput << 0;
    QTest::newRow("blank word is looked up") << u" "_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("leading blanks of head line count") << u"  laudare"_s << LookupOutcome::Found << 2;
    QTest::newRow("without the head line's blanks") << u"laudare"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("first of two entries") << u"est"_s << LookupOutcome::Found << 3;
    QTest::newRow("umlauts as themselves") << u"magnitudo"_s << LookupOutcome::Found << 5;
    QTest::newRow("meanings never match") << u"lieben"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("lines above the first entry never match")
        << u"orwort ohne Eintrag"_s << LookupOutcome::NotPresent << 0;
    QTest::newRow("head marker alone") << u"#amare"_s << LookupOutcome::NotPresent << 0;
}

void TestLookup::outcome()
{
    QFETCH(QString, word);
    QFETCH(LookupOutcome, outcome);
    QFETCH(int, number);

    const LookupResult result = LookUpWord(table(sample), word);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(int(result.entry.entryNumber), number);
}

void TestLookup::entryFields_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("entry");

    QTest::newRow("trailing blanks removed, leading kept")
        << u"amare"_s
        << entryLines(1, {u"amo, amavi, amatum"_s}, {u"lieben"_s, u"  gern haben"_s}, u"1 / 3"_s,
                      u"12 / 7"_s);
    QTest::newRow("no additions") << u"  laudare"_s << entryLines(2, {}, {u"loben"_s}, u"1"_s, u"3"_s);
    QTest::newRow("first of two entries") << u"est"_s << entryLines(3, {}, {u"er ist"_s}, u"2"_s, u"1"_s);
    QTest::newRow("last entry") << u"magnitudo"_s
                                << entryLines(5, {u"magnitudinis f."_s}, {u"Größe"_s}, u"3"_s, u"40"_s);
}

void TestLookup::entryFields()
{
    QFETCH(QString, word);
    QFETCH(QStringList, entry);

    const LookupResult result = LookUpWord(table(sample), word);
    QCOMPARE(result.outcome, LookupOutcome::Found);
    QCOMPARE(withoutWord(result.entry.dump()), entry);
}

void TestLookup::wordIsKeptAsPassed()
{
    const LookupResult result = LookUpWord(table(sample), u"  laudare"_s);
    QCOMPARE(result.entry.word, u"  laudare"_s);
}

void TestLookup::longHeadLineIsCut()
{
    const QString word = u"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz"_s;
    const WordTable t = table({u"#"_s + word, u"="_s, u"$1"_s, u"L1"_s});
    QCOMPARE(LookUpWord(t, word).outcome, LookupOutcome::NotPresent);
    QCOMPARE(LookUpWord(t, word.left(46)).outcome, LookupOutcome::NotPresent);
    QCOMPARE(LookUpWord(t, word.left(45)).outcome, LookupOutcome::Found);
    QCOMPARE(LookUpWord(t, word.left(44)).outcome, LookupOutcome::NotPresent);
}

void TestLookup::malformedEntry_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("entry");

    const QStringList next{u"#next"_s, u"nx"_s, u"="_s, u"nm"_s, u"$2"_s, u"L9"_s};

    QTest::newRow("empty lines count as addition and meaning")
        << QStringList{u"#w"_s, QString(), u"a2"_s, u"="_s, QString(), u"m2"_s, u"$1"_s, u"L1"_s}
        << entryLines(1, {QString(), u"a2"_s}, {QString(), u"m2"_s}, u"1"_s, u"1"_s);
    QTest::newRow("four additions and five meanings fill every field")
        << QStringList{u"#w"_s, u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s, u"="_s, u"m1"_s,
                       u"m2"_s, u"m3"_s, u"m4"_s, u"m5"_s, u"$1"_s, u"L1"_s}
        << entryLines(1, {u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s}, {u"m1"_s, u"m2"_s, u"m3"_s, u"m4"_s, u"m5"_s},
                      u"1"_s, u"1"_s);
    QTest::newRow("more than four additions: first four kept")
        << QStringList{u"#w"_s, u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s,
                       u"a5"_s, u"="_s,  u"m1"_s, u"$1"_s, u"L1"_s}
        << entryLines(1, {u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s}, {u"m1"_s}, u"1"_s, u"1"_s);
    QTest::newRow("more than five meanings: first five kept")
        << QStringList{u"#w"_s, u"="_s,  u"m1"_s, u"m2"_s, u"m3"_s, u"m4"_s,
                       u"m5"_s, u"m6"_s, u"m7"_s, u"$1"_s, u"L1"_s}
        << entryLines(1, {}, {u"m1"_s, u"m2"_s, u"m3"_s, u"m4"_s, u"m5"_s}, u"1"_s, u"1"_s);
    QTest::newRow("no separator: lines are additions")
        << QStringList{u"#w"_s, u"a1"_s, u"a2"_s, u"$1"_s, u"L1"_s} + next
        << entryLines(1, {u"a1"_s, u"a2"_s}, {}, u"1"_s, u"1"_s);
    QTest::newRow("no separator and no book line before the next entry")
        << QStringList{u"#w"_s, u"a1"_s} + next << entryLines(1, {u"a1"_s}, {}, QString(), QString());
    QTest::newRow("no book line before the next entry")
        << QStringList{u"#w"_s, u"="_s, u"m1"_s} + next << entryLines(1, {}, {u"m1"_s}, QString(), QString());
    QTest::newRow("no book line before the end") << QStringList{u"#w"_s, u"a1"_s, u"="_s, u"m1"_s}
                                                 << entryLines(1, {u"a1"_s}, {u"m1"_s}, QString(), QString());
    QTest::newRow("no separator before the end")
        << QStringList{u"#w"_s, u"a1"_s} << entryLines(1, {u"a1"_s}, {}, QString(), QString());
    QTest::newRow("head line is the last line")
        << QStringList{u"#w"_s} << entryLines(1, {}, {}, QString(), QString());
    QTest::newRow("book line is the last line")
        << QStringList{u"#w"_s, u"="_s, u"$1 / 2"_s} << entryLines(1, {}, {}, u"1 / 2"_s, QString());
    QTest::newRow("second separator counts as a meaning")
        << QStringList{u"#w"_s, u"="_s, u"m1"_s, u"=m2"_s, u"$1"_s, u"L1"_s}
        << entryLines(1, {}, {u"m1"_s, u"=m2"_s}, u"1"_s, u"1"_s);
    QTest::newRow("lesson line with head marker is still the lesson line")
        << QStringList{u"#w"_s, u"="_s, u"$1"_s, u"#12"_s} << entryLines(1, {}, {}, u"1"_s, u"12"_s);
}

void TestLookup::malformedEntry()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, entry);

    const WordTable t = table(lines);
    const LookupResult result = LookUpWord(t, u"w"_s);
    QCOMPARE(result.outcome, LookupOutcome::Found);
    QCOMPARE(withoutWord(result.entry.dump()), entry);
    // The entry after a malformed one is still found whole.
    if (lines.contains(u"#next"_s)) {
        const LookupResult next = LookUpWord(t, u"next"_s);
        QCOMPARE(withoutWord(next.entry.dump()), entryLines(2, {u"nx"_s}, {u"nm"_s}, u"2"_s, u"9"_s));
    }
}

QTEST_GUILESS_MAIN(TestLookup)
#include "test_lookup.moc"
