// Reading the word list: line breaks, Windows-1252, SplitList, the lesson table and every kind of
// faulty file.
#include "common/linefile.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString padded(const QString &line)
{
    return line.leftJustified(46, u' ', true);
}
} // namespace

class TestWordList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineBreaks_data();
    void lineBreaks();
    void windows1252Bytes();
    void splitList_data();
    void splitList();
    void lessonTable_data();
    void lessonTable();
    void thirtyFirstWordStaysInWordTable();
    void faultyFile_data();
    void faultyFile();
    void tooManyEntries();
    void exactlyMaxEntries();
    void tooManyLines_data();
    void tooManyLines();
    void loadFromProgramDir();
    void loadReportsProblems();
    void loadMissingFileNamesPath();
    void loadDirectoryIsAnError();
    void loadUnreadableFile();
    void loadOversizedFile();
    void loadLargestAcceptedFile();
};

void TestWordList::lineBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QStringList entry{u"#a"_s, u"="_s, u"$1"_s, u"L1"_s};
    QTest::newRow("crlf") << QByteArray("#a\r\n=\r\n$1\r\nL1\r\n") << entry;
    QTest::newRow("lone cr") << QByteArray("#a\r=\r$1\rL1\r") << entry;
    QTest::newRow("lone lf") << QByteArray("#a\n=\n$1\nL1\n") << entry;
    QTest::newRow("mixed") << QByteArray("#a\r\n=\r$1\nL1") << entry;
    QTest::newRow("last line without break") << QByteArray("#a\r\n=\r\n$1\r\nL1") << entry;
    QTest::newRow("cr cr lf is two breaks")
        << QByteArray("#a\r\r\n=") << QStringList{u"#a"_s, QString(), u"="_s};
    QTest::newRow("lf cr is two breaks") << QByteArray("#a\n\r=") << QStringList{u"#a"_s, QString(), u"="_s};
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\r\n#a\r\n") << QStringList{QString(), QString(), u"#a"_s};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{QString()};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestWordList::lineBreaks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    const WordList list = parseWordList(bytes);
    QCOMPARE(list.words.lineCount(), lines.size());
    QStringList expected;
    for (qsizetype i = 0; i < lines.size(); ++i)
        expected.append(u"%1|%2|"_s.arg(i + 1).arg(padded(lines[i])));
    QCOMPARE(list.words.dump(), expected);
    // The same lines as every other word list reader of the suite sees.
    QCOMPARE(LineFile::splitLines(bytes, LineFile::Breaks::AnyBreak), lines);
}

void TestWordList::windows1252Bytes()
{
    // 0x84 and 0x93 are the German quotes, 0x80 the euro sign, 0xDF sharp s, 0xE4 a-umlaut.
    const QByteArray bytes("#\x84x\x93\r\n\x80\xdf\xe4\r\n");
    const WordList list = parseWordList(bytes);
    QCOMPARE(list.words.lineCount(), 2);
    QCOMPARE(list.words.text(1), padded(u"#„x“"_s));
    QCOMPARE(list.words.text(2), padded(u"€ßä"_s));
    QCOMPARE(list.words.marker(2), QChar(u'€'));
}

void TestWordList::splitList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("elements");

    QTest::newRow("one element") << u"12"_s << QStringList{u"12"_s};
    QTest::newRow("two keep blank before slash") << u"1 / 3"_s << QStringList{u"1 "_s, u"3"_s};
    QTest::newRow("three") << u"12 / 7 / 30"_s << QStringList{u"12 "_s, u"7 "_s, u"30"_s};
    QTest::newRow("empty") << QString() << QStringList{QString()};
    QTest::newRow("no blank after slash loses a character") << u"1/3"_s << QStringList{u"1"_s, QString()};
    QTest::newRow("two blanks after slash keep one") << u"1 /  3"_s << QStringList{u"1 "_s, u" 3"_s};
    QTest::newRow("slash at the end") << u"1 /"_s << QStringList{u"1 "_s, QString()};
    QTest::newRow("slash and blank at the end") << u"1 / "_s << QStringList{u"1 "_s, QString()};
    QTest::newRow("leading slash") << u"/ 5"_s << QStringList{QString(), u"5"_s};
    QTest::newRow("double slash skips the second") << u"1 //3"_s << QStringList{u"1 "_s, u"3"_s};
}

void TestWordList::splitList()
{
    QFETCH(QString, list);
    QFETCH(QStringList, elements);
    QCOMPARE(SplitList(list), elements);
}

void TestWordList::lessonTable_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("lessons");

    QTest::newRow("five-line file") << QStringList{u"#amare"_s, u"="_s, u"lieben"_s, u"$1"_s, u"L3"_s}
                                    << QStringList{u"1/3: amare"_s};
    QTest::newRow("word trimmed on both sides")
        << QStringList{u"#  amare  "_s, u"="_s, u"$1"_s, u"L3"_s} << QStringList{u"1/3: amare"_s};
    QTest::newRow("two books") << QStringList{u"#amare"_s, u"="_s, u"$1 / 3"_s, u"L12 / 7"_s}
                               << QStringList{u"1/12: amare"_s, u"3/7: amare"_s};
    QTest::newRow("book 2 lesson 40 not converted")
        << QStringList{u"#esse"_s, u"="_s, u"$2"_s, u"L40"_s} << QStringList{u"2/40: esse"_s};
    QTest::newRow("book 3 code 40 and lesson 60") << QStringList{u"#a"_s, u"="_s, u"$3 / 1"_s, u"L40 / 60"_s}
                                                  << QStringList{u"1/60: a"_s, u"3/40: a"_s};
    QTest::newRow("blanks around numbers ignored")
        << QStringList{u"#amare"_s, u"="_s, u"$ 1 "_s, u"L 12 "_s} << QStringList{u"1/12: amare"_s};
    QTest::newRow("lesson line marker is never read")
        << QStringList{u"#amare"_s, u"="_s, u"$1"_s, u"912"_s} << QStringList{u"1/12: amare"_s};
    QTest::newRow("leading zero") << QStringList{u"#a"_s, u"="_s, u"$1"_s, u"L07"_s}
                                  << QStringList{u"1/7: a"_s};
    QTest::newRow("file order kept") << QStringList{u"#b"_s, u"="_s,  u"$1"_s, u"L5"_s, u"#a"_s, u"="_s,
                                                    u"$1"_s, u"L5"_s, u"#c"_s, u"="_s,  u"$1"_s, u"L5"_s}
                                     << QStringList{u"1/5: b, a, c"_s};
    QTest::newRow("lines outside entries passed over")
        << QStringList{u"Vorwort"_s, u"$2"_s, u"L9"_s, u"#a"_s,       u"x"_s,  u"="_s,
                       u"y"_s,       u"$1"_s, u"L5"_s, u"Nachsatz"_s, u"$3"_s, u"L1"_s}
        << QStringList{u"1/5: a"_s};
    QTest::newRow("empty lines as additions and meanings")
        << QStringList{u"#a"_s, QString(), u"="_s, QString(), u"$1"_s, u"L5"_s} << QStringList{u"1/5: a"_s};
    QTest::newRow("head line cut after 46 characters")
        << QStringList{u"#"_s + QString(50, u'w'), u"="_s, u"$1"_s, u"L1"_s}
        << QStringList{u"1/1: "_s + QString(45, u'w')};
    QTest::newRow("lesson list cut after 46 characters")
        << QStringList{u"#a"_s, u"="_s, u"$1"_s, u"L"_s + QString(44, u' ') + u"12"_s}
        << QStringList{u"1/1: a"_s};
    QTest::newRow("same book twice") << QStringList{u"#a"_s, u"="_s, u"$1 / 1"_s, u"L5 / 5"_s}
                                     << QStringList{u"1/5: a, a"_s};
}

void TestWordList::lessonTable()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, lessons);

    const WordList list = parseWordList(TestSupport::crlf(lines));
    QCOMPARE(list.problemTexts(), QStringList());
    QCOMPARE(list.words.lineCount(), lines.size());
    QCOMPARE(list.lessons.dump(), lessons);
}

void TestWordList::thirtyFirstWordStaysInWordTable()
{
    QStringList lines;
    for (int n = 1; n <= 31; ++n)
        lines << u"#w%1"_s.arg(n) << u"="_s << u"$1"_s << u"L12"_s;
    const WordList list = parseWordList(TestSupport::crlf(lines));
    QCOMPARE(list.problemTexts(), QStringList());
    QCOMPARE(list.lessons.wordCount(1, 12), 30);
    QCOMPARE(list.lessons.lessonWord(1, 12, 1), u"w1"_s);
    QCOMPARE(list.lessons.lessonWord(1, 12, 30), u"w30"_s);
    const LookupResult found = LookUpWord(list.words, u"w31"_s);
    QCOMPARE(found.outcome, LookupOutcome::Found);
    QCOMPARE(found.entry.entryNumber, qint16(31));
}

void TestWordList::faultyFile_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("lessons");

    const QStringList good{u"#bonus"_s, u"="_s, u"gut"_s, u"$1"_s, u"L2"_s};
    auto withGood = [&](const QStringList &faulty) { return faulty + good; };

    QTest::newRow("head line without book line before next entry")
        << withGood({u"#amare"_s, u"="_s, u"lieben"_s, u"L3"_s})
        << QStringList{u"Zeile 1: Zum Eintrag „amare“ fehlt die Buchzeile (Zeile mit „$“)"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("head line without book line at the end")
        << good + QStringList{u"#amare"_s, u"="_s, u"lieben"_s}
        << QStringList{u"Zeile 6: Zum Eintrag „amare“ fehlt die Buchzeile (Zeile mit „$“)"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("head line as last line")
        << good + QStringList{u"#amare"_s}
        << QStringList{u"Zeile 6: Zum Eintrag „amare“ fehlt die Buchzeile (Zeile mit „$“)"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("book line as last line")
        << good + QStringList{u"#amare"_s, u"="_s, u"$1"_s}
        << QStringList{u"Zeile 8: Nach der Buchzeile fehlt die Lektionszeile"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("book 4") << withGood({u"#amare"_s, u"="_s, u"$4"_s, u"L3"_s})
                            << QStringList{u"Zeile 3: Buch 4 gibt es nicht (erlaubt: 1, 2, 3)"_s}
                            << QStringList{u"1/2: bonus"_s};
    QTest::newRow("book 0") << withGood({u"#amare"_s, u"="_s, u"$0"_s, u"L3"_s})
                            << QStringList{u"Zeile 3: Buch 0 gibt es nicht (erlaubt: 1, 2, 3)"_s}
                            << QStringList{u"1/2: bonus"_s};
    QTest::newRow("book 12 of two characters is one element")
        << withGood({u"#amare"_s, u"="_s, u"$12"_s, u"L3"_s})
        << QStringList{u"Zeile 3: Buch 12 gibt es nicht (erlaubt: 1, 2, 3)"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("second book faulty leaves out the whole entry")
        << withGood({u"#amare"_s, u"="_s, u"$1 / 7"_s, u"L3 / 4"_s})
        << QStringList{u"Zeile 3: Buch 7 gibt es nicht (erlaubt: 1, 2, 3)"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("lesson 61") << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L61"_s})
                               << QStringList{u"Zeile 4: Lektion 61 gibt es nicht (erlaubt: 1 bis 60)"_s}
                               << QStringList{u"1/2: bonus"_s};
    QTest::newRow("lesson 0") << withGood({u"#amare"_s, u"="_s, u"$3"_s, u"L0"_s})
                              << QStringList{u"Zeile 4: Lektion 0 gibt es nicht (erlaubt: 1 bis 60)"_s}
                              << QStringList{u"1/2: bonus"_s};
    QTest::newRow("lesson too long for any number")
        << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L99999999999"_s})
        << QStringList{u"Zeile 4: Lektion 99999999999 gibt es nicht (erlaubt: 1 bis 60)"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("leading zeros within four digits")
        << withGood({u"#amare"_s, u"="_s, u"$0003"_s, u"L0060"_s}) << QStringList{}
        << QStringList{u"1/2: bonus"_s, u"3/60: amare"_s};
    QTest::newRow("lesson 9999") << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L9999"_s})
                                 << QStringList{u"Zeile 4: Lektion 9999 gibt es nicht (erlaubt: 1 bis 60)"_s}
                                 << QStringList{u"1/2: bonus"_s};
    QTest::newRow("book not a number")
        << withGood({u"#amare"_s, u"="_s, u"$x"_s, u"L3"_s})
        << QStringList{u"Zeile 3: „x“ ist keine Buchnummer"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("negative book") << withGood({u"#amare"_s, u"="_s, u"$-1"_s, u"L3"_s})
                                   << QStringList{u"Zeile 3: „-1“ ist keine Buchnummer"_s}
                                   << QStringList{u"1/2: bonus"_s};
    QTest::newRow("lesson with letters")
        << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L12a"_s})
        << QStringList{u"Zeile 4: „12a“ ist keine Lektionsnummer"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("lesson with decimal point")
        << withGood({u"#amare"_s, u"="_s, u"$3"_s, u"L4.1"_s})
        << QStringList{u"Zeile 4: „4.1“ ist keine Lektionsnummer"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("empty book list") << withGood({u"#amare"_s, u"="_s, u"$"_s, u"L3"_s})
                                     << QStringList{u"Zeile 3: Buchnummer fehlt"_s}
                                     << QStringList{u"1/2: bonus"_s};
    QTest::newRow("empty lesson list")
        << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L"_s}) << QStringList{u"Zeile 4: Lektionsnummer fehlt"_s}
        << QStringList{u"1/2: bonus"_s};
    QTest::newRow("fewer lesson than book elements")
        << withGood({u"#amare"_s, u"="_s, u"$1 / 3"_s, u"L12"_s})
        << QStringList{u"Zeile 4: 2 Bücher, aber 1 Lektion angegeben"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("more lesson than book elements")
        << withGood({u"#amare"_s, u"="_s, u"$1 / 3"_s, u"L12 / 7 / 9"_s})
        << QStringList{u"Zeile 4: 2 Bücher, aber 3 Lektionen angegeben"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("one book, two lessons")
        << withGood({u"#amare"_s, u"="_s, u"$1"_s, u"L12 / 7"_s})
        << QStringList{u"Zeile 4: „12 / 7“ ist keine Lektionsnummer"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("slash without blank")
        << withGood({u"#amare"_s, u"="_s, u"$1/3"_s, u"L12/7"_s})
        << QStringList{u"Zeile 3: Buchnummer fehlt"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("head line without word")
        << withGood({u"#  "_s, u"="_s, u"$1"_s, u"L3"_s})
        << QStringList{u"Zeile 1: Eintrag ohne lateinisches Wort"_s} << QStringList{u"1/2: bonus"_s};
    QTest::newRow("empty file")
        << QStringList{} << QStringList{u"Die Wortliste enthält keinen Eintrag (keine Zeile mit „#“)"_s}
        << QStringList{};
    QTest::newRow("file without head lines")
        << QStringList{u"="_s, u"$1"_s, u"L3"_s}
        << QStringList{u"Die Wortliste enthält keinen Eintrag (keine Zeile mit „#“)"_s} << QStringList{};
    QTest::newRow("several faults in file order")
        << QStringList{u"#a"_s, u"="_s, u"$5"_s, u"L1"_s, u"#b"_s, u"="_s, u"$1"_s, u"L70"_s, u"#c"_s, u"="_s}
        << QStringList{u"Zeile 3: Buch 5 gibt es nicht (erlaubt: 1, 2, 3)"_s,
                       u"Zeile 8: Lektion 70 gibt es nicht (erlaubt: 1 bis 60)"_s,
                       u"Zeile 9: Zum Eintrag „c“ fehlt die Buchzeile (Zeile mit „$“)"_s}
        << QStringList{};
}

void TestWordList::faultyFile()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, problems);
    QFETCH(QStringList, lessons);

    const WordList list = parseWordList(TestSupport::crlf(lines));
    QCOMPARE(list.problemTexts(), problems);
    QCOMPARE(list.lessons.dump(), lessons);
    // Faulty entries stay in the word table.
    QCOMPARE(list.words.lineCount(), lines.size());
    // The line numbers agree with the texts.
    for (const WordListProblem &p : list.problems) {
        if (p.line > 0)
            QVERIFY2(p.description.startsWith(u"Zeile %1: "_s.arg(p.line)), qPrintable(p.description));
        else
            QVERIFY(!p.description.startsWith(u"Zeile"_s));
    }
}

void TestWordList::tooManyEntries()
{
    QStringList lines{u"Kopfzeile"_s};
    for (int n = 1; n <= 32769; ++n)
        lines << u"#w%1"_s.arg(n) << u"="_s << u"$1"_s << u"L1"_s;
    const WordList list = parseWordList(TestSupport::crlf(lines));

    const int firstDropped = 1 + 32767 * 4 + 1;
    QCOMPARE(
        list.problemTexts(),
        QStringList{u"Zeile %1: Mehr als 32767 Einträge: dieser und alle folgenden Einträge werden nicht "
                    u"geladen"_s.arg(firstDropped)});
    QCOMPARE(list.problems.first().line, firstDropped);
    QCOMPARE(list.words.lineCount(), firstDropped - 1);
    QCOMPARE(list.words.text(firstDropped - 1), padded(u"L1"_s));
    QCOMPARE(LookUpWord(list.words, u"w32767"_s).entry.entryNumber, qint16(32767));
    QCOMPARE(LookUpWord(list.words, u"w32768"_s).outcome, LookupOutcome::NotPresent);
    QCOMPARE(list.lessons.wordCount(1, 1), 30);
}

void TestWordList::tooManyLines_data()
{
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<int>("emptyLines");
    QTest::addColumn<bool>("cut");
    QTest::newRow("bare line feeds beyond the limit") << QByteArray("\n") << maxLines << true;
    QTest::newRow("CR LF beyond the limit") << QByteArray("\r\n") << maxLines + 1000 << true;
    QTest::newRow("lone CR beyond the limit") << QByteArray("\r") << maxLines << true;
    QTest::newRow("exactly the limit") << QByteArray("\n") << maxLines - 4 << false;
}

// A file of nothing but line breaks after one entry: the table stops at the line limit and says
// where, instead of growing by 94 bytes for every two bytes of the file.
void TestWordList::tooManyLines()
{
    QFETCH(QByteArray, lineBreak);
    QFETCH(int, emptyLines);
    QFETCH(bool, cut);
    QCOMPARE(maxLines, 32767 * 14);
    TestSupport::ProgramDir dir;
    QByteArray bytes = "#amare\r\n=\r\n$1\r\nL3\r\n";
    bytes += lineBreak.repeated(emptyLines);
    dir.write(u"latein.lst"_s, bytes);
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    if (cut) {
        QCOMPARE(result.list.problemTexts(),
                 QStringList{u"Zeile 458739: Mehr als 458738 Zeilen: diese und alle folgenden Zeilen werden "
                             u"nicht geladen"_s});
        QCOMPARE(result.list.problems.first().line, maxLines + 1);
        QCOMPARE(result.list.words.lineCount(), maxLines);
    } else {
        QVERIFY2(result.list.problems.isEmpty(), qPrintable(result.list.problemTexts().join(u'\n')));
        QCOMPARE(result.list.words.lineCount(), maxLines);
    }
    QCOMPARE(result.list.words.marker(maxLines), u' ');
    QCOMPARE(result.list.lessons.lessonWord(1, 3, 1), u"amare"_s);
}

void TestWordList::exactlyMaxEntries()
{
    QStringList lines;
    for (int n = 1; n <= 32767; ++n)
        lines << u"#w%1"_s.arg(n) << u"="_s << u"$2"_s << u"L%1"_s.arg(n % 60 + 1);
    lines << u"Nachsatz"_s;
    const WordList list = parseWordList(TestSupport::crlf(lines));
    QCOMPARE(list.problemTexts(), QStringList());
    QCOMPARE(list.words.lineCount(), lines.size());
    const LookupResult last = LookUpWord(list.words, u"w32767"_s);
    QCOMPARE(last.outcome, LookupOutcome::Found);
    QCOMPARE(last.entry.entryNumber, qint16(32767));
}

void TestWordList::loadFromProgramDir()
{
    const LoadResult result = LoadWordList(TestSupport::dataPath(u"core/wordlist"_s));
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.error, QString());
    QCOMPARE(result.list.problemTexts(), QStringList());
    QCOMPARE(result.list.words.lineCount(), 24);
    QCOMPARE(result.list.words.text(22), padded(u"Gebäude – „Bauwerk“ für 5 €"_s));
    QCOMPARE(result.list.lessons.dump(), (QStringList{u"1/1: puella"_s, u"1/12: amare"_s, u"2/40: est"_s,
                                                      u"3/7: amare"_s, u"3/39: aedificium"_s}));
}

void TestWordList::loadReportsProblems()
{
    const LoadResult result = LoadWordList(TestSupport::dataPath(u"core/faulty"_s));
    QVERIFY(result.ok);
    QCOMPARE(result.list.problemTexts(),
             (QStringList{u"Zeile 4: Buch 4 gibt es nicht (erlaubt: 1, 2, 3)"_s,
                          u"Zeile 11: Zum Eintrag „vocare“ fehlt die Buchzeile (Zeile mit „$“)"_s}));
    QCOMPARE(result.list.lessons.dump(), QStringList{u"1/1: puella"_s});
    QCOMPARE(LookUpWord(result.list.words, u"amare"_s).entry.bookList, u"4"_s);
}

void TestWordList::loadMissingFileNamesPath()
{
    TestSupport::ProgramDir dir;
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"Die Wortliste „%1/latein.lst“ wurde nicht gefunden."_s.arg(dir.path()));
    QCOMPARE(result.list.words.lineCount(), 0);
}

void TestWordList::loadDirectoryIsAnError()
{
    TestSupport::ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"latein.lst"_s));
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"Die Wortliste „%1/latein.lst“ kann nicht geöffnet werden."_s.arg(dir.path()));
}

void TestWordList::loadUnreadableFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, TestSupport::crlf({u"#a"_s, u"="_s, u"$1"_s, u"L1"_s}));
    QFile::setPermissions(dir.file(u"latein.lst"_s), QFileDevice::WriteOwner);
    QFile probe(dir.file(u"latein.lst"_s));
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("file permissions do not stop this user from reading");
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"Die Wortliste „%1/latein.lst“ kann nicht geöffnet werden."_s.arg(dir.path()));
}

void TestWordList::loadOversizedFile()
{
    TestSupport::ProgramDir dir;
    QFile file(dir.file(u"latein.lst"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(64 * 1024 * 1024 + 1));
    file.close();
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"Die Wortliste „%1/latein.lst“ ist zu groß (mehr als 64 MB)."_s.arg(dir.path()));
}

void TestWordList::loadLargestAcceptedFile()
{
    TestSupport::ProgramDir dir;
    QByteArray bytes = TestSupport::crlf({u"#a"_s, u"="_s, u"$1"_s, u"L1"_s});
    bytes.append(64 * 1024 * 1024 - bytes.size(), 'x');
    dir.write(u"latein.lst"_s, bytes);
    const LoadResult result = LoadWordList(dir.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.list.words.lineCount(), 5);
    QCOMPARE(result.list.lessons.lessonWord(1, 1, 1), u"a"_s);
}

QTEST_GUILESS_MAIN(TestWordList)
#include "test_wordlist.moc"
