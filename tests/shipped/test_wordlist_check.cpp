// zembrota-check: the problems it finds beyond the loader, its figures, and the command itself
// with its exit codes.
#include "dictionary/core/wordlistcheck.h"

#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// One entry of book 1 in the school layout.
QStringList entry(const QString &word, const QString &books = u"1"_s, const QString &lessons = u"3"_s)
{
    return {u"#"_s + word, u"amo, amavi, amatum"_s, u"="_s, u"lieben"_s, u"$"_s + books, u"%"_s + lessons};
}

// count entries in one book and lesson; entry n starts at line 6 * (n - 1) + 1.
QStringList lessonOf(int count, const QString &book, const QString &lesson)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines += entry(u"verbum%1"_s.arg(n), book, lesson);
    return lines;
}

QList<int> problemLines(const WordListCheck::Report &report)
{
    QList<int> lines;
    for (const WordListProblem &p : report.problems)
        lines.append(p.line);
    return lines;
}

QString programPath()
{
    return QProcessEnvironment::systemEnvironment().value(u"GLOSSAND_PROGRAM_DIR"_s) + u"/zembrota-check"_s;
}

} // namespace

class TestWordListCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problems_data();
    void problems();
    void rawBytes_data();
    void rawBytes();
    void figures();
    void reportText();
    void command_data();
    void command();
};

void TestWordListCheck::problems_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("expectedLines");
    QTest::addColumn<QString>("firstText");

    QTest::newRow("clean") << (entry(u"amare"_s) + entry(u"esse"_s, u"1 / 3"_s, u"3 / 7"_s)) << QList<int>{}
                           << QString();
    QTest::newRow("46 characters are fine")
        << QStringList{u"#amare"_s, u"="_s, QString(46, u'x'), u"$1"_s, u"%3"_s} << QList<int>{} << QString();
    QTest::newRow("47 characters") << QStringList{u"#amare"_s, u"="_s, QString(47, u'x'), u"$1"_s, u"%3"_s}
                                   << QList<int>{3} << u"Zeile 3: Die Zeile ist 47 Zeichen lang"_s;
    QTest::newRow("no separator") << QStringList{u"#amare"_s, u"lieben"_s, u"$1"_s, u"%3"_s} << QList<int>{1}
                                  << u"Zeile 1: Im Eintrag „amare“ fehlt die Trennzeile „=“"_s;
    QTest::newRow("second separator")
        << QStringList{u"#amare"_s, u"="_s, u"lieben"_s, u"="_s, u"gern haben"_s, u"$1"_s, u"%3"_s}
        << QList<int>{4} << u"Zeile 4: Zweite Trennzeile „=“ im Eintrag „amare“"_s;
    QTest::newRow("four additions are fine")
        << QStringList{u"#a"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"="_s, u"x"_s, u"$1"_s, u"%3"_s}
        << QList<int>{} << QString();
    QTest::newRow("five additions") << QStringList{u"#a"_s, u"1"_s, u"2"_s, u"3"_s,  u"4"_s,
                                                   u"5"_s,  u"="_s, u"x"_s, u"$1"_s, u"%3"_s}
                                    << QList<int>{6}
                                    << u"Zeile 6: Der Eintrag „a“ hat 5 lateinische Zusätze"_s;
    // A word with a percent sign stays as it is in the message.
    QTest::newRow("placeholder in the word")
        << QStringList{u"#a%2b"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"="_s, u"x"_s, u"$1"_s, u"%3"_s}
        << QList<int>{6}
        << u"Zeile 6: Der Eintrag „a%2b“ hat 5 lateinische Zusätze; gezeigt werden höchstens 4"_s;
    QTest::newRow("six meanings") << QStringList{u"#a"_s, u"="_s, u"1"_s, u"2"_s,  u"3"_s,
                                                 u"4"_s,  u"5"_s, u"6"_s, u"$1"_s, u"%3"_s}
                                  << QList<int>{8}
                                  << u"Zeile 8: Der Eintrag „a“ hat 6 deutsche Bedeutungen"_s;
    QTest::newRow("loader problem passes through")
        << QStringList{u"#amare"_s, u"="_s, u"lieben"_s, u"$4"_s, u"%3"_s} << QList<int>{4}
        << u"Zeile 4: Buch 4 gibt es nicht"_s;
    QTest::newRow("30 words fill a lesson") << lessonOf(30, u"1"_s, u"3"_s) << QList<int>{} << QString();
    QTest::newRow("31st word") << lessonOf(31, u"1"_s, u"3"_s) << QList<int>{181}
                               << u"Zeile 181: Buch 1, Lektion 3 hat schon 30 Wörter: „verbum31“"_s;
    QTest::newRow("book 3 shows the lesson code") << lessonOf(31, u"3"_s, u"7"_s) << QList<int>{181}
                                                  << u"Zeile 181: Buch 3, Lektion 4.1 hat schon 30"_s;
    QTest::newRow("32nd word too") << lessonOf(32, u"2"_s, u"50"_s) << QList<int>{181, 187}
                                   << u"Zeile 181: Buch 2, Lektion 50"_s;
    // The second book of the entry overflows; its first book is counted normally.
    QTest::newRow("overflow in a later book of the list")
        << (lessonOf(30, u"3"_s, u"40"_s) + entry(u"amare"_s, u"1 / 3"_s, u"3 / 40"_s)) << QList<int>{181}
        << u"Zeile 181: Buch 3, Lektion 20.2 hat schon 30 Wörter: „amare“"_s;
    // The checker reads the lists as the loader does: a signed number is no lesson, so the entry
    // does not count as the lesson's 31st word.
    QTest::newRow("signed lesson number")
        << (lessonOf(30, u"1"_s, u"3"_s) + entry(u"amare"_s, u"1"_s, u"+3"_s)) << QList<int>{186}
        << u"Zeile 186: „+3“ ist keine Lektionsnummer"_s;
}

void TestWordListCheck::problems()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, expectedLines);
    QFETCH(QString, firstText);
    const WordListCheck::Report report = WordListCheck::check(TestSupport::crlf(lines));
    QStringList texts;
    for (const WordListProblem &p : report.problems)
        texts.append(p.description);
    QVERIFY2(problemLines(report) == expectedLines, qPrintable(texts.join(u'\n')));
    QCOMPARE(report.ok(), expectedLines.isEmpty());
    if (!firstText.isEmpty())
        QVERIFY2(texts.first().startsWith(firstText), qPrintable(texts.first()));
}

void TestWordListCheck::rawBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("expectedLines");
    QTest::addColumn<QString>("firstText");

    QTest::newRow("CR LF") << QByteArray("#amare\r\n=\r\nlieben\r\n$1\r\n%3\r\n") << QList<int>{}
                           << QString();
    QTest::newRow("last line without a break")
        << QByteArray("#amare\r\n=\r\nlieben\r\n$1\r\n%3") << QList<int>{} << QString();
    QTest::newRow("LF only") << QByteArray("#amare\n=\nlieben\n$1\n%3\n") << QList<int>{1}
                             << u"Zeile 1: Die Zeile endet nicht mit CR LF (ebenso 4 weitere Zeilen)"_s;
    QTest::newRow("one lone CR") << QByteArray("#amare\r\n=\r\nlieben\r$1\r\n%3\r\n") << QList<int>{3}
                                 << u"Zeile 3: Die Zeile endet nicht mit CR LF"_s;
    QTest::newRow("Windows-1252 umlaut")
        << QByteArray("#amare\r\n=\r\ngern haben, m\xF6gen\r\n$1\r\n%3\r\n") << QList<int>{} << QString();
    QTest::newRow("UTF-8 umlaut")
        << QByteArray("#amare\r\n=\r\ngern haben, m\xC3\xB6gen\r\n$1\r\n%3\r\n") << QList<int>{3}
        << u"Zeile 3: Die Zeile enthält UTF-8-Zeichen; die Wortliste muss Windows-1252 sein"_s;
    // 46 bytes of Windows-1252 are 46 characters; the same text in UTF-8 is longer.
    QTest::newRow("46 characters with umlauts")
        << QByteArray("#a\r\n=\r\n") + QByteArray(46, '\xE4') + QByteArray("\r\n$1\r\n%3\r\n") << QList<int>{}
        << QString();
}

void TestWordListCheck::rawBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, expectedLines);
    QFETCH(QString, firstText);
    const WordListCheck::Report report = WordListCheck::check(bytes);
    QVERIFY2(problemLines(report) == expectedLines, qPrintable(report.list.problemTexts().join(u'\n')));
    if (!firstText.isEmpty())
        QCOMPARE(report.problems.first().description, firstText);
}

void TestWordListCheck::figures()
{
    const QStringList lines = lessonOf(3, u"1"_s, u"3"_s) + entry(u"amare"_s, u"1 / 3"_s, u"3 / 40"_s) +
                              entry(u"esse"_s, u"2 / 3"_s, u"50 / 1"_s) + entry(u"ire"_s, u"2"_s, u"7"_s);
    const WordListCheck::Report report = WordListCheck::check(TestSupport::crlf(lines));
    QVERIFY(report.ok());
    QCOMPARE(report.lineCount, 36);
    QCOMPARE(report.list.words.entryCount(), 6);
    QCOMPARE(report.entriesInSeveralBooks, 2);
    QCOMPARE(report.wordCount(1, 3), 4);
    QCOMPARE(report.wordCount(3, 40), 1);
    QCOMPARE(report.bookWordCount(1), 4);
    QCOMPARE(report.bookWordCount(2), 2);
    QCOMPARE(report.bookWordCount(3), 2);
}

void TestWordListCheck::reportText()
{
    const QStringList clean = WordListCheck::reportText(
        WordListCheck::check(TestSupport::crlf(entry(u"amare"_s, u"1 / 3"_s, u"3 / 7"_s))), u"x.lst"_s);
    QCOMPARE(clean.at(0), u"x.lst: 6 Zeilen, 1 Eintrag, davon 1 in mehreren Büchern"_s);
    QCOMPARE(clean.at(1), u"Keine Probleme gefunden."_s);
    QCOMPARE(clean.at(2), u"Buch 1: 1 Wort in 1 Lektion"_s);
    // Every lesson of the course is listed, ten to a line; book 1 has 60 lessons.
    QCOMPARE(clean.at(3),
             u"     1:0      2:0      3:1      4:0      5:0      6:0      7:0      8:0      9:0     10:0"_s);
    QCOMPARE(clean.at(9), u"Buch 2: 0 Wörter in 0 Lektionen"_s);
    QCOMPARE(clean.at(15), u"Buch 3: 1 Wort in 1 Lektion"_s);
    QVERIFY2(clean.at(16).startsWith(u"   1.1:0    1.2:0    2.1:0    2.2:0    3.1:0    3.2:0    4.1:1"_s),
             qPrintable(clean.at(16)));
    QCOMPARE(clean.size(), 20);

    const QStringList faulty = WordListCheck::reportText(
        WordListCheck::check(TestSupport::crlf({u"#amare"_s, u"lieben"_s, u"$1"_s, u"%3"_s})), u"x.lst"_s);
    QCOMPARE(faulty.at(1), u"1 Problem:"_s);
    QVERIFY(faulty.at(2).startsWith(u"  Zeile 1: "_s));
}

void TestWordListCheck::command_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file is written
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expectedOut");
    QTest::addColumn<QString>("expectedErr");

    const QStringList file{u"@FILE"_s};
    QTest::newRow("clean list") << TestSupport::crlf(entry(u"amare"_s)) << file << 0
                                << u"Keine Probleme gefunden."_s << QString();
    QTest::newRow("problems") << TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$9"_s, u"%3"_s})
                              << file << 1 << u"  Zeile 4: Buch 9 gibt es nicht"_s << QString();
    QTest::newRow("directory: its latein.lst")
        << TestSupport::crlf(entry(u"amare"_s)) << QStringList{u"@DIR"_s} << 0
        << u"/latein.lst: 6 Zeilen, 1 Eintrag"_s << QString();
    QTest::newRow("directory without a word list") << QByteArray() << QStringList{u"@DIR"_s} << 2 << QString()
                                                   << u"/latein.lst“ kann nicht gelesen werden"_s;
    QTest::newRow("missing file") << QByteArray() << file << 2 << QString() << u"kann nicht gelesen werden"_s;
    QTest::newRow("no argument") << QByteArray() << QStringList{} << 2 << QString()
                                 << u"Aufruf: zembrota-check"_s;
    QTest::newRow("two arguments") << QByteArray() << QStringList{u"a"_s, u"b"_s} << 2 << QString()
                                   << u"Aufruf: zembrota-check"_s;
    // Only a plain file of bounded size is read: a pipe without writer, an endless device and a
    // file over the dictionary's size limit end the check at once.
    QTest::newRow("named pipe") << QByteArray() << QStringList{u"@FIFO"_s} << 2 << QString()
                                << u"keine gewöhnliche Datei"_s;
    QTest::newRow("endless device") << QByteArray() << QStringList{u"/dev/zero"_s} << 2 << QString()
                                    << u"„/dev/zero“ kann nicht gelesen werden: keine gewöhnliche Datei"_s;
    QTest::newRow("file over 64 MB") << QByteArray() << QStringList{u"@HUGE"_s} << 2 << QString()
                                     << u"ist zu groß (mehr als 64 MB)"_s;
    QTest::newRow("help") << QByteArray() << QStringList{u"--help"_s} << 0 << u"Aufruf: zembrota-check"_s
                          << QString();
}

void TestWordListCheck::command()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expectedOut);
    QFETCH(QString, expectedErr);

    TestSupport::ProgramDir dir;
    if (!content.isEmpty())
        dir.write(u"latein.lst"_s, content);
    for (QString &argument : arguments) {
        if (argument == u"@FILE"_s)
            argument = dir.file(u"latein.lst"_s);
        else if (argument == u"@DIR"_s)
            argument = dir.path();
        else if (argument == u"@FIFO"_s) {
            argument = dir.file(u"pipe.lst"_s);
            QCOMPARE(::mkfifo(QFile::encodeName(argument).constData(), 0600), 0);
        } else if (argument == u"@HUGE"_s) {
            // A sparse file: its size is over the limit without writing the bytes.
            argument = dir.file(u"huge.lst"_s);
            QFile huge(argument);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(maxWordListBytes + 1));
        }
    }
    QProcess process;
    process.start(programPath(), arguments);
    QVERIFY2(process.waitForFinished(60000), qPrintable(programPath()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    if (!expectedOut.isEmpty())
        QVERIFY2(out.contains(expectedOut), qPrintable(out));
    if (!expectedErr.isEmpty())
        QVERIFY2(err.contains(expectedErr), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestWordListCheck)
#include "test_wordlist_check.moc"
