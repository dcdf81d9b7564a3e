// The help file reader: line splitting, signature, type, lists and both topic searches.
#include "helpfile/helpfile.h"
#include "tests/testsupport/testsupport.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestHelpFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitLines_data();
    void splitLines();
    void readStatus_data();
    void readStatus();
    void kind_data();
    void kind();
    void lists_data();
    void lists();
    void indexOrder();
    void indexOrderOfSortedAndShuffledLists();
    void plainTopic_data();
    void plainTopic();
    void richTopic_data();
    void richTopic();
    void richSearchStartsAfresh();
    void readFileFromDisk();
    void readFileMissing();
    void readShippedFixture();
    void richBytesSurviveTheRoundTrip();
};

void TestHelpFile::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("cr lf") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone cr ends a line") << QByteArray("a\rb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone lf stays in the line") << QByteArray("a\nb\r\nc") << QStringList{u"a\nb"_s, u"c"_s};
    QTest::newRow("last line without break") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("final cr lf adds no line") << QByteArray("a\r\n") << QStringList{u"a"_s};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\r\nb") << QStringList{u"a"_s, {}, {}, u"b"_s};
    QTest::newRow("cp1252 bytes") << QByteArray("\x84gr\xfc\xdf\x93\r\n\x80")
                                  << QStringList{u"„grüß“"_s, u"€"_s};
}

void TestHelpFile::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(HelpFile::splitLines(bytes), lines);
}

void TestHelpFile::readStatus_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");

    const int ok = int(HelpFile::ReadStatus::Ok);
    const int noSignature = int(HelpFile::ReadStatus::NoSignature);
    const int tooShort = int(HelpFile::ReadStatus::TooShort);
    QTest::newRow("empty file") << QByteArray() << noSignature;
    QTest::newRow("signature only") << QByteArray("TESSAVOR\r\n") << tooShort;
    QTest::newRow("signature and type") << QByteArray("TESSAVOR\r\nTXT\r\n") << tooShort;
    QTest::newRow("three lines") << QByteArray("TESSAVOR\r\nTXT\r\nTitel") << ok;
    QTest::newRow("three lines, empty title") << QByteArray("TESSAVOR\r\nTXT\r\n\r\n") << ok;
    QTest::newRow("spaces around signature") << QByteArray("  TESSAVOR   \r\nTXT\r\nT\r\n") << ok;
    QTest::newRow("lower case signature") << QByteArray("tessavor\r\nTXT\r\nT\r\n") << noSignature;
    QTest::newRow("tab before signature") << QByteArray("\tTESSAVOR\r\nTXT\r\nT\r\n") << noSignature;
    QTest::newRow("signature with lone lf") << QByteArray("TESSAVOR\nTXT\r\nT\r\n") << noSignature;
    QTest::newRow("longer signature") << QByteArray("TESSAVORX\r\nTXT\r\nT\r\n") << noSignature;
    QTest::newRow("signature on line 2") << QByteArray("\r\nTESSAVOR\r\nTXT\r\nT\r\n") << noSignature;
    QTest::newRow("bad signature, short file") << QByteArray("VRY") << noSignature;
}

void TestHelpFile::readStatus()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QCOMPARE(int(HelpFile::read(bytes).status), status);
}

void TestHelpFile::kind_data()
{
    QTest::addColumn<QString>("typeLine");
    QTest::addColumn<bool>("plain");

    QTest::newRow("TXT") << u"TXT"_s << true;
    QTest::newRow("RTF") << u"RTF"_s << false;
    QTest::newRow("lower case txt") << u"txt"_s << false;
    QTest::newRow("TXT and a space") << u"TXT "_s << false;
    QTest::newRow("space and TXT") << u" TXT"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("anything") << u"HTML"_s << false;
}

void TestHelpFile::kind()
{
    QFETCH(QString, typeLine);
    QFETCH(bool, plain);
    const auto result = HelpFile::read(TestSupport::crlf({u"TESSAVOR"_s, typeLine, u"Titel"_s}));
    QVERIFY(result.ok());
    QCOMPARE(result.document.typeLine, typeLine);
    QCOMPARE(result.document.kind == HelpFile::Kind::PlainText, plain);
}

void TestHelpFile::lists_data()
{
    QTest::addColumn<QStringList>("listLines");
    QTest::addColumn<QStringList>("dump");

    QTest::newRow("two topics") << QStringList{u"Beta"_s, u"Alpha"_s, QString(), u"[Beta]"_s}
                                << QStringList{u"contents: <Beta>"_s, u"contents: <Alpha>"_s,
                                               u"index: <Alpha>"_s, u"index: <Beta>"_s};
    QTest::newRow("spaces kept in contents only")
        << QStringList{u"  Mitte  "_s, QString()}
        << QStringList{u"contents: <  Mitte  >"_s, u"index: <Mitte>"_s};
    QTest::newRow("duplicates twice in contents, once in index")
        << QStringList{u"Eins"_s, u"Eins"_s, u" Eins"_s, QString()}
        << QStringList{u"contents: <Eins>"_s, u"contents: <Eins>"_s, u"contents: < Eins>"_s,
                       u"index: <Eins>"_s};
    QTest::newRow("index unique is case-sensitive")
        << QStringList{u"eins"_s, u"Eins"_s, QString()}
        << QStringList{u"contents: <eins>"_s, u"contents: <Eins>"_s, u"index: <Eins>"_s, u"index: <eins>"_s};
    QTest::newRow("blank line 5 empties both lists")
        << QStringList{u"   "_s, u"Später"_s, QString()} << QStringList{};
    QTest::newRow("empty line 5") << QStringList{QString(), u"Später"_s} << QStringList{};
    QTest::newRow("list ends at a line of spaces")
        << QStringList{u"A"_s, u"  "_s, u"B"_s} << QStringList{u"contents: <A>"_s, u"index: <A>"_s};
    QTest::newRow("list runs to the end of the file")
        << QStringList{u"A"_s, u"B"_s}
        << QStringList{u"contents: <A>"_s, u"contents: <B>"_s, u"index: <A>"_s, u"index: <B>"_s};
    QTest::newRow("tab line is not blank")
        << QStringList{u"\t"_s, QString()} << QStringList{u"contents: <\t>"_s, u"index: <\t>"_s};
    QTest::newRow("no list lines at all") << QStringList{} << QStringList{};
}

void TestHelpFile::lists()
{
    QFETCH(QStringList, listLines);
    QFETCH(QStringList, dump);
    QStringList lines{u"TESSAVOR"_s, u"TXT"_s, u"Titel"_s, u"reserviert"_s};
    lines << listLines;
    const auto result = HelpFile::read(TestSupport::crlf(lines));
    QVERIFY(result.ok());
    QCOMPARE(HelpFile::dump(result.document).mid(2), dump);
    QCOMPARE(HelpFile::dump(result.document).at(1), u"title: Titel"_s);
}

void TestHelpFile::indexOrder()
{
    const QStringList lines{u"TESSAVOR"_s, u"RTF"_s,   u"T"_s,     QString(),   u"Zahlen"_s, u"über"_s,
                            u"Bild"_s,     u"apfel"_s, u"Ärger"_s, u"Anfang"_s, u"Öl"_s};
    const auto result = HelpFile::read(TestSupport::crlf(lines));
    QVERIFY(result.ok());
    QCOMPARE(result.document.index,
             (QStringList{u"Anfang"_s, u"apfel"_s, u"Ärger"_s, u"Bild"_s, u"Öl"_s, u"über"_s, u"Zahlen"_s}));
}

// A list already in order is left as it is; it must be the order the sort gives: the same for the
// list shuffled, with entries that collate alike and differ in case, umlauts and spaces.
void TestHelpFile::indexOrderOfSortedAndShuffledLists()
{
    const QStringList words{
        u"apfel"_s,    u"Apfel"_s,   u"APFEL"_s,   u"Äpfel"_s,         u"äpfel"_s,         u"Apfel 2"_s,
        u"Apfel10"_s,  u"Apfel1"_s,  u"Ärger"_s,   u"Zahl"_s,          u"zahl"_s,          u"Öl"_s,
        u"Ol"_s,       u"Straße"_s,  u"Strasse"_s, u"a-Deklination"_s, u"a Deklination"_s, u"1. Lektion"_s,
        u"Thema 10"_s, u"Thema 9"_s, u"Thema 1"_s};
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The order by its definition: collation, letter case ignored, ties by the exact text.
    QStringList expected = words;
    std::sort(expected.begin(), expected.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    // In runs of order: one to nine, ten to ninety-nine, ... (merged from the runs).
    QStringList numbered;
    for (int n = 1; n <= 1200; ++n)
        numbered << u"Thema %1"_s.arg(n);
    QStringList numberedExpected = numbered;
    std::sort(numberedExpected.begin(), numberedExpected.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    HelpFile::sortIndex(numbered);
    QCOMPARE(numbered, numberedExpected);
    QRandomGenerator random(77);
    for (int round = 0; round < 200; ++round) {
        QStringList list = words.mid(0, 1 + random.bounded(words.size()));
        QStringList reference = list;
        std::sort(reference.begin(), reference.end(), [&](const QString &a, const QString &b) {
            return expected.indexOf(a) < expected.indexOf(b);
        });
        // Shuffled, in order, and in order but for the last two.
        std::shuffle(list.begin(), list.end(), random);
        QStringList sorted = list;
        HelpFile::sortIndex(sorted);
        QCOMPARE(sorted, reference);
        HelpFile::sortIndex(sorted);
        QCOMPARE(sorted, reference);
        // In the order of the character codes, which is not the index's.
        QStringList byCodes = list;
        std::sort(byCodes.begin(), byCodes.end());
        HelpFile::sortIndex(byCodes);
        QCOMPARE(byCodes, reference);
        if (sorted.size() >= 2) {
            sorted.swapItemsAt(sorted.size() - 2, sorted.size() - 1);
            HelpFile::sortIndex(sorted);
            QCOMPARE(sorted, reference);
        }
    }
}

namespace {
// A plain help whose blocks exercise the search: spaces around a header, a body line of spaces,
// an empty first body line, a duplicate block, a header-like body line.
QStringList plainLines()
{
    return {u"TESSAVOR"_s,      u"TXT"_s,        u"Titel"_s,       QString(),   u"Eins"_s,
            QString(),          u"[Eins]"_s,     u"erste Zeile"_s, u"   "_s,    u"dritte Zeile"_s,
            QString(),          u"  [Zwei]  "_s, u"zwei"_s,        QString(),   u"[Leer]"_s,
            QString(),          u"danach"_s,     u"noch"_s,        QString(),   u"[Eins]"_s,
            u"zweiter Block"_s, QString(),       u"[Mitte]"_s,     u"oben"_s,   QString(),
            u"unten"_s,         QString(),       u"[Zurück]"_s,    u"vorher"_s, u"[Zurück]"_s,
            u"neu"_s,           QString(),       u"[Ende]"_s,      u"letzte"_s, u"ohne Leerzeile"_s};
}
} // namespace

void TestHelpFile::plainTopic_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("text");

    QTest::newRow("line of spaces does not end the body") << u"Eins"_s << u"erste Zeile\n   \ndritte Zeile"_s;
    QTest::newRow("header with spaces around") << u"Zwei"_s << u"zwei"_s;
    QTest::newRow("empty first body line runs on") << u"Leer"_s << u"\ndanach\nnoch"_s;
    QTest::newRow("body ends at the empty line") << u"Mitte"_s << u"oben"_s;
    QTest::newRow("header inside a body starts it anew") << u"Zurück"_s << u"neu"_s;
    QTest::newRow("last block without end line") << u"Ende"_s << u"letzte\nohne Leerzeile"_s;
    QTest::newRow("absent topic") << u"Drei"_s << QString();
    QTest::newRow("letter case differs") << u"eins"_s << QString();
    QTest::newRow("name not trimmed") << u" Eins"_s << QString();
    QTest::newRow("empty name") << QString() << QString();
    QTest::newRow("signature line is no header") << u"TESSAVOR"_s << QString();
}

void TestHelpFile::plainTopic()
{
    QFETCH(QString, topic);
    QFETCH(QString, text);
    QCOMPARE(HelpFile::plainTopicText(plainLines(), topic), text);
}

void TestHelpFile::richTopic_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("output");

    const QStringList head{u"TESSAVOR"_s, u"RTF"_s, u"Titel"_s, QString(), u"A"_s, QString()};
    QTest::newRow("one block with its empty line")
        << head + QStringList{u"[A]"_s, u"{\\rtf1"_s, u"x}"_s, QString(), u"[B]"_s, u"{b}"_s, QString()}
        << u"A"_s << QStringList{u"{\\rtf1"_s, u"x}"_s, QString()};
    QTest::newRow("every matching block")
        << head + QStringList{u"[A]"_s,  u"1"_s,     QString(), u"[B]"_s, u"2"_s,
                              QString(), u" [A] "_s, u"3"_s,    QString()}
        << u"A"_s << QStringList{u"1"_s, QString(), u"3"_s, QString()};
    QTest::newRow("line of spaces stays inside")
        << head + QStringList{u"[A]"_s, u"1"_s, u"  "_s, u"2"_s, QString(), u"3"_s} << u"A"_s
        << QStringList{u"1"_s, u"  "_s, u"2"_s, QString()};
    QTest::newRow("block at the end without empty line")
        << head + QStringList{u"[A]"_s, u"1"_s} << u"A"_s << QStringList{u"1"_s};
    QTest::newRow("empty first body line ends the block at once")
        << head + QStringList{u"[A]"_s, QString(), u"1"_s, QString()} << u"A"_s << QStringList{QString()};
    QTest::newRow("absent topic gives nothing")
        << head + QStringList{u"[A]"_s, u"1"_s, QString()} << u"C"_s << QStringList{};
    QTest::newRow("letter case differs")
        << head + QStringList{u"[A]"_s, u"1"_s, QString()} << u"a"_s << QStringList{};
    QTest::newRow("header in the topic list")
        << QStringList{u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"[A]"_s, u"B"_s, QString()} << u"A"_s
        << QStringList{u"B"_s, QString()};
}

void TestHelpFile::richTopic()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, topic);
    QFETCH(QStringList, output);
    QCOMPARE(HelpFile::richTopicLines(lines, topic), output);
}

void TestHelpFile::richSearchStartsAfresh()
{
    // The first search ends inside a block that runs to the end of the file; the next search
    // must not inherit that state.
    const QStringList lines{u"TESSAVOR"_s, u"RTF"_s, u"T"_s,    QString(), QString(),
                            u"[B]"_s,      u"b"_s,   QString(), u"[A]"_s,  u"a"_s};
    QCOMPARE(HelpFile::richTopicLines(lines, u"A"_s), QStringList{u"a"_s});
    QCOMPARE(HelpFile::richTopicLines(lines, u"B"_s), (QStringList{u"b"_s, QString()}));
}

void TestHelpFile::readFileFromDisk()
{
    TestSupport::ProgramDir dir;
    dir.write(u"hilfe.vry"_s,
              QByteArray("TESSAVOR\r\nTXT\r\nMeine Hilfe\r\n\r\nA\r\n\r\n[A]\r\nText a\r\n\r\n"));
    const auto result = HelpFile::readFile(dir.file(u"hilfe.vry"_s));
    QVERIFY(result.ok());
    QCOMPARE(result.document.title, u"Meine Hilfe"_s);
    QCOMPARE(result.document.plainText(u"A"_s), u"Text a"_s);
    QCOMPARE(result.document.lines.size(), 9);
}

void TestHelpFile::readFileMissing()
{
    TestSupport::ProgramDir dir;
    QCOMPARE(HelpFile::readFile(dir.file(u"fehlt.vry"_s)).status, HelpFile::ReadStatus::CannotOpen);
    QCOMPARE(HelpFile::readFile(dir.path()).status, HelpFile::ReadStatus::CannotOpen);
    // Neither a pipe without writer nor an endless device may hold the reader up.
    const QString fifo = dir.file(u"pipe.vry"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(HelpFile::readFile(fifo).status, HelpFile::ReadStatus::CannotOpen);
    QCOMPARE(HelpFile::readFile(u"/dev/zero"_s).status, HelpFile::ReadStatus::CannotOpen);
}

void TestHelpFile::readShippedFixture()
{
    // The rich help the end-to-end test shows: Windows-1252 title, a list entry with blanks.
    const auto result = HelpFile::readFile(TestSupport::dataPath(u"helpfile/rich.vry"_s));
    QVERIFY(result.ok());
    QCOMPARE(result.document.kind, HelpFile::Kind::RichText);
    QCOMPARE(result.document.title, u"Lateinhilfe für Übungen"_s);
    QCOMPARE(result.document.contents,
             (QStringList{u"Erste Schritte"_s, u"  Deklination  "_s, u"Konjugation"_s}));
    QCOMPARE(result.document.index, (QStringList{u"Deklination"_s, u"Erste Schritte"_s, u"Konjugation"_s}));
    const QStringList body = result.document.richLines(u"Deklination"_s);
    QCOMPARE(body.size(), 2);
    QVERIFY(body.first().startsWith(u"{\\rtf1"_s));
    QCOMPARE(body.last(), QString());
    QVERIFY(result.document.richLines(u"  Deklination  "_s).isEmpty());
}

void TestHelpFile::richBytesSurviveTheRoundTrip()
{
    // Every byte but the line breaks must come out of the reader and back unchanged, since the
    // viewer writes the lines of an RTF body to a file again.
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all.append(char(b));
    }
    const QStringList lines = HelpFile::splitLines(all + "\r\n");
    QCOMPARE(lines.size(), 1);
    QCOMPARE(TestSupport::crlf(lines), all + "\r\n");
}

QTEST_GUILESS_MAIN(TestHelpFile)
#include "test_helpfile.moc"
