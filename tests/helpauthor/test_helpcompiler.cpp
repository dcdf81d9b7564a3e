// The help compiler: TXT copies, RTF substitution at the byte level, the read-back through the
// help file reader and both body searches, and failed builds that leave the old help file alone.
#include "helpauthor/helpcompiler.h"
#include "helpfile/helpfile.h"
#include "tests/testsupport/filelimit.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using HelpProject::Type;

class TestHelpCompiler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void txtIsCopiedByteForByte_data();
    void txtIsCopiedByteForByte();
    void rtfFileLinesTakeThePathsPlace_data();
    void rtfFileLinesTakeThePathsPlace();
    void sources_data();
    void sources();
    void compiledRtfReadBack();
    void shippedStyleProject();
    void compiledTxtReadBack();
    void listEntryWithBracketNamesAFile();
    void relativePathsFromTheProjectFolder();
    void compilingTwiceGivesTheSameFile();
    void projectAsItsOwnTarget_data();
    void projectAsItsOwnTarget();
    void unreadableRtfFileLeavesTargetAlone_data();
    void unreadableRtfFileLeavesTargetAlone();
    void unwritableTarget();
    void fullDiskLeavesTargetAlone();
    void missingProject();
};

void TestHelpCompiler::txtIsCopiedByteForByte_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::newRow("new project") << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\n\r\n");
    QTest::newRow("bytes 0x80 to 0x9F and lone LF")
        << QByteArray("TESSAVOR\r\nTXT\r\n\x80\x81\x8D\x9F\r\n\r\nA\r\n\r\n[A]\r\nx\ny\r\n\r\n");
    QTest::newRow("no final line end") << QByteArray("TESSAVOR\r\nTXT\r\nT");
    QTest::newRow("lone CR kept") << QByteArray("TESSAVOR\rTXT\rT\r\r\r");
    QTest::newRow("empty") << QByteArray();
}

void TestHelpCompiler::txtIsCopiedByteForByte()
{
    QFETCH(QByteArray, project);
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, project);
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::PlainText, dir.file(u"p.vry"_s));
    QVERIFY(result.ok());
    QCOMPARE(result.bytes, project.size());
    QCOMPARE(dir.read(u"p.vry"_s), project);
}

void TestHelpCompiler::rtfFileLinesTakeThePathsPlace_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("inserted");
    QTest::newRow("CR LF lines") << QByteArray("{\\rtf1\r\nSalve\\par\r\n}\r\n")
                                 << QByteArray("{\\rtf1\r\nSalve\\par\r\n}\r\n");
    QTest::newRow("last line without a line end gains one")
        << QByteArray("{\\rtf1\r\n}") << QByteArray("{\\rtf1\r\n}\r\n");
    QTest::newRow("lone CR becomes CR LF") << QByteArray("{\\rtf1\r}\r") << QByteArray("{\\rtf1\r\n}\r\n");
    QTest::newRow("lone LF stays inside its line")
        << QByteArray("{\\rtf1\n}\n") << QByteArray("{\\rtf1\n}\n\r\n");
    QTest::newRow("bytes 0x80 to 0xFF unchanged")
        << QByteArray("{\\rtf1 \x80\x81\x8D\x8F\x90\x9D\xE4\xFF}")
        << QByteArray("{\\rtf1 \x80\x81\x8D\x8F\x90\x9D\xE4\xFF}\r\n");
    QTest::newRow("empty file adds no line") << QByteArray() << QByteArray();
}

void TestHelpCompiler::rtfFileLinesTakeThePathsPlace()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, inserted);
    TestSupport::ProgramDir dir;
    dir.write(u"a.rtf"_s, rtf);
    const QString rtfPath = dir.file(u"a.rtf"_s);
    dir.write(u"p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"Hilfe"_s, QString(), u"A"_s,
                                             QString(), u"[A]"_s, rtfPath, QString()}));
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s));
    QVERIFY(result.ok());
    QCOMPARE(result.sourceCount, 1);
    const QByteArray expected =
        QByteArray("TESSAVOR\r\nRTF\r\nHilfe\r\n\r\nA\r\n\r\n[A]\r\n") + inserted + "\r\n";
    QCOMPARE(dir.read(u"p.vry"_s), expected);
    QCOMPARE(result.bytes, expected.size());
}

void TestHelpCompiler::sources_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QStringList>("found"); // "line|path|topic"
    QTest::newRow("one topic") << TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, u""_s, u"A"_s, u""_s,
                                                     u"[A]"_s, u"/r/a.rtf"_s, u""_s})
                               << QStringList{u"8|/r/a.rtf|A"_s};
    QTest::newRow("line 1 beginning with a bracket makes line 2 a path")
        << TestSupport::crlf({u"[TESSAVOR"_s, u"RTF"_s}) << QStringList{u"2|RTF|[TESSAVOR"_s};
    QTest::newRow("list entry with a bracket")
        << TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, u""_s, u"[Klammer"_s, u"B"_s, u""_s, u"[B]"_s,
                              u"/r/b.rtf"_s, u""_s})
        << QStringList{u"6|B|[Klammer"_s, u"9|/r/b.rtf|B"_s};
    QTest::newRow("a line of spaces and a bracket is no header")
        << TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, u""_s, u""_s, u" [A]"_s, u"x"_s})
        << QStringList();
    QTest::newRow("windows-1252 path")
        << TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, u""_s, u""_s, u"[Übung]"_s, u"/r/ä.rtf"_s})
        << QStringList{u"7|/r/ä.rtf|Übung"_s};
    QTest::newRow("header at the end names an empty path")
        << TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, u""_s, u""_s, u"[A]"_s, u""_s})
        << QStringList{u"7||A"_s};
}

void TestHelpCompiler::sources()
{
    QFETCH(QByteArray, project);
    QFETCH(QStringList, found);
    QStringList actual;
    for (const HelpCompiler::Source &source : HelpCompiler::sources(project))
        actual.append(u"%1|%2|%3"_s.arg(source.line).arg(source.path, source.topic));
    QCOMPARE(actual, found);
}

void TestHelpCompiler::compiledRtfReadBack()
{
    TestSupport::ProgramDir dir;
    dir.write(u"a.rtf"_s, "{\\rtf1\\ansi\r\n{\\b Verben}\\par\r\namare \\'e4\\par\r\n}\r\n");
    dir.write(u"b.rtf"_s, "{\\rtf1 Nomen}");
    dir.write(u"p.vrp"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"Lateinhilfe"_s, QString(), u"Verben"_s,
                                 u" Nomen "_s, QString(), u"[Verben]"_s, dir.file(u"a.rtf"_s), QString(),
                                 u"[Nomen]"_s, dir.file(u"b.rtf"_s), QString()}));
    QVERIFY(HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s)).ok());

    const HelpFile::ReadResult read = HelpFile::readFile(dir.file(u"p.vry"_s));
    QVERIFY(read.ok());
    QCOMPARE(read.document.kind, HelpFile::Kind::RichText);
    QCOMPARE(read.document.title, u"Lateinhilfe"_s);
    QCOMPARE(read.document.contents, (QStringList{u"Verben"_s, u" Nomen "_s}));
    QCOMPARE(read.document.richLines(u"Verben"_s), (QStringList{u"{\\rtf1\\ansi"_s, u"{\\b Verben}\\par"_s,
                                                                u"amare \\'e4\\par"_s, u"}"_s, QString()}));
    QCOMPARE(read.document.richLines(u"Nomen"_s), (QStringList{u"{\\rtf1 Nomen}"_s, QString()}));
    QVERIFY(read.document.richLines(u"nomen"_s).isEmpty());
}

// A project as kept in a source tree: RTF paths relative to the project, files with CR LF, lone CR,
// lone LF and no final line end, and Windows-1252 bytes that must pass unchanged.
void TestHelpCompiler::shippedStyleProject()
{
    TestSupport::ProgramDir dir;
    const HelpCompiler::Result result = HelpCompiler::compile(
        TestSupport::dataPath(u"helpauthor/kurs/kurs.vrp"_s), Type::RichText, dir.file(u"kurs.vry"_s));
    QVERIFY2(result.ok(), qPrintable(HelpCompiler::message(result)));
    QCOMPARE(result.sourceCount, 3);
    QFile expected(TestSupport::dataPath(u"helpauthor/kurs/kurs.vry.expected"_s));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(dir.read(u"kurs.vry"_s), expected.readAll());

    const HelpFile::ReadResult read = HelpFile::readFile(dir.file(u"kurs.vry"_s));
    QVERIFY(read.ok());
    QCOMPARE(read.document.title, u"Lateinkurs für Anfänger"_s);
    QCOMPARE(read.document.contents, (QStringList{u"Verben"_s, u" Nomen "_s}));
    QCOMPARE(read.document.index, (QStringList{u"Nomen"_s, u"Verben"_s}));
    QCOMPARE(read.document.richLines(u"Nomen"_s),
             (QStringList{u"{\\rtf1\\ansi"_s, u"{\\b Nomen}\\par"_s,
                          u"rosa „Rose“ € \u0081\u008D\u008F\u0090\u009D\\par"_s, u"}"_s, QString()}));
    QCOMPARE(read.document.richLines(u"Versteckt"_s),
             (QStringList{u"{\\rtf1 Versteckt\\par\n nur über die Befehlszeile}"_s, QString()}));
}

void TestHelpCompiler::compiledTxtReadBack()
{
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Hilfe"_s, QString(), u"Erstes"_s, QString(),
                                 u"[Erstes]"_s, u"Zeile eins"_s, u"  "_s, u"Zeile drei"_s, QString()}));
    QVERIFY(HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::PlainText, dir.file(u"p.vry"_s)).ok());
    const HelpFile::ReadResult read = HelpFile::readFile(dir.file(u"p.vry"_s));
    QVERIFY(read.ok());
    QCOMPARE(read.document.kind, HelpFile::Kind::PlainText);
    QCOMPARE(read.document.plainText(u"Erstes"_s), u"Zeile eins\n  \nZeile drei"_s);
}

void TestHelpCompiler::listEntryWithBracketNamesAFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"k.rtf"_s, "{\\rtf1 K}\r\n");
    dir.write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    // The list entry "[Klammer" makes the next list line a file name; that line is the path of k.rtf,
    // so its lines stand in the topic list of the compiled file.
    dir.write(u"p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"[Klammer"_s,
                                             dir.file(u"k.rtf"_s), QString(), u"[A]"_s, dir.file(u"a.rtf"_s),
                                             QString()}));
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s));
    QVERIFY(result.ok());
    QCOMPARE(result.sourceCount, 2);
    QCOMPARE(
        dir.read(u"p.vry"_s),
        QByteArray("TESSAVOR\r\nRTF\r\nT\r\n\r\n[Klammer\r\n{\\rtf1 K}\r\n\r\n[A]\r\n{\\rtf1 A}\r\n\r\n"));

    // With an ordinary name after it, that name is taken for a file that is not there.
    dir.write(u"p.vrp"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"[Klammer"_s, u"Verben"_s,
                                 QString(), u"[A]"_s, dir.file(u"a.rtf"_s), QString()}));
    const HelpCompiler::Result failed =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s));
    QCOMPARE(failed.status, HelpCompiler::Status::SourceUnreadable);
    QCOMPARE(failed.file, u"Verben"_s);
    QCOMPARE(failed.topic, u"[Klammer"_s);
}

void TestHelpCompiler::relativePathsFromTheProjectFolder()
{
    TestSupport::ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"projekt/themen"_s));
    dir.write(u"projekt/themen/a.rtf"_s, "{\\rtf1 A}\r\n");
    dir.write(u"projekt/p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s,
                                                     QString(), u"[A]"_s, u"themen/a.rtf"_s, QString()}));
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"projekt/p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s));
    QVERIFY2(result.ok(), qPrintable(HelpCompiler::message(result)));
    QVERIFY(dir.read(u"p.vry"_s).contains("[A]\r\n{\\rtf1 A}\r\n\r\n"));
}

void TestHelpCompiler::compilingTwiceGivesTheSameFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    dir.write(u"p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, QString(),
                                             u"[A]"_s, dir.file(u"a.rtf"_s), QString()}));
    QVERIFY(HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s)).ok());
    const QByteArray first = dir.read(u"p.vry"_s);
    QVERIFY(HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s)).ok());
    QCOMPARE(dir.read(u"p.vry"_s), first);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.rtf"_s, u"p.vrp"_s, u"p.vry"_s}));
}

void TestHelpCompiler::projectAsItsOwnTarget_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::addColumn<QString>("target"); // relative to the test folder; "link" is a link to the project
    QTest::addColumn<bool>("written");
    // A project saved as "kurs.vry" gets its own path as the help file's path.
    QTest::newRow("rtf project, same path") << true << u"kurs.vry"_s << false;
    QTest::newRow("rtf project, path written differently") << true << u"./unter/../kurs.vry"_s << false;
    QTest::newRow("rtf project, through a link") << true << u"link"_s << false;
    QTest::newRow("rtf project, another file") << true << u"hilfe.vry"_s << true;
    QTest::newRow("txt project, same path: the same bytes") << false << u"kurs.vry"_s << true;
}

void TestHelpCompiler::projectAsItsOwnTarget()
{
    QFETCH(bool, rtf);
    QFETCH(QString, target);
    QFETCH(bool, written);
    TestSupport::ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"unter"_s));
    dir.write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    const QByteArray project =
        TestSupport::crlf({u"TESSAVOR"_s, rtf ? u"RTF"_s : u"TXT"_s, u"T"_s, QString(), u"A"_s, QString(),
                           u"[A]"_s, rtf ? dir.file(u"a.rtf"_s) : u"Text"_s, QString()});
    dir.write(u"kurs.vry"_s, project);
    QVERIFY(QFile::link(dir.file(u"kurs.vry"_s), dir.file(u"link"_s)));

    const HelpCompiler::Result result = HelpCompiler::compile(
        dir.file(u"kurs.vry"_s), rtf ? Type::RichText : Type::PlainText, dir.file(target));
    QCOMPARE(result.ok(), written);
    QCOMPARE(dir.read(u"kurs.vry"_s), project);
    if (written)
        return;
    QCOMPARE(result.status, HelpCompiler::Status::TargetIsProject);
    const QString message = HelpCompiler::message(result);
    QVERIFY2(
        message.startsWith(u"Die Hilfedatei \"%1\" wäre die Projektdatei selbst"_s.arg(dir.file(target))),
        qPrintable(message));
    QVERIFY(message.endsWith(u"Die Hilfedatei wurde nicht erstellt."_s));
}

void TestHelpCompiler::unreadableRtfFileLeavesTargetAlone_data()
{
    QTest::addColumn<QString>("named"); // relative to the test folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << u"fehlt.rtf"_s << u"nicht vorhanden"_s;
    QTest::newRow("a folder") << u"ordner"_s << u"Verzeichnis"_s;
    // Read like a file, a pipe would wait for a writer for ever.
    QTest::newRow("a named pipe") << u"pipe.rtf"_s << u"keine gewöhnliche Datei"_s;
}

void TestHelpCompiler::unreadableRtfFileLeavesTargetAlone()
{
    QFETCH(QString, named);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
    QCOMPARE(mkfifo(QFile::encodeName(dir.file(u"pipe.rtf"_s)).constData(), 0600), 0);
    dir.write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    dir.write(u"p.vry"_s, "die alte Hilfedatei");
    // The unreadable file comes after a readable one, so a compiler that writes as it goes would
    // already have replaced the target.
    dir.write(u"p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, u"B"_s,
                                             QString(), u"[A]"_s, dir.file(u"a.rtf"_s), QString(), u"[B]"_s,
                                             dir.file(named), QString()}));
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::RichText, dir.file(u"p.vry"_s));
    QCOMPARE(result.status, HelpCompiler::Status::SourceUnreadable);
    QCOMPARE(result.file, dir.file(named));
    QCOMPARE(result.topic, u"B"_s);
    const QString message = HelpCompiler::message(result);
    QVERIFY2(message.startsWith(
                 u"Die RTF - Datei \"%1\" des Themas \"B\" kann nicht gelesen werden"_s.arg(dir.file(named))),
             qPrintable(message));
    QVERIFY(message.contains(reason));
    QVERIFY(message.contains(u"bleibt unverändert"_s));
    QCOMPARE(dir.read(u"p.vry"_s), QByteArray("die alte Hilfedatei"));
}

void TestHelpCompiler::unwritableTarget()
{
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, "TESSAVOR\r\nTXT\r\nT\r\n\r\n\r\n");
    QVERIFY(QDir(dir.path()).mkdir(u"ziel.vry"_s));
    for (const QString &target : {dir.file(u"ziel.vry"_s), dir.file(u"kein/ordner.vry"_s), QString()}) {
        const HelpCompiler::Result result =
            HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::PlainText, target);
        QCOMPARE(result.status, HelpCompiler::Status::TargetUnwritable);
        const QString message = HelpCompiler::message(result);
        QVERIFY2(message.startsWith(u"Die Datei \"%1\" kann nicht geschrieben werden: "_s.arg(target)),
                 qPrintable(message));
        QVERIFY(message.endsWith(u"\nDie Hilfedatei wurde nicht erstellt."_s));
    }
}

void TestHelpCompiler::fullDiskLeavesTargetAlone()
{
    TestSupport::ProgramDir dir;
    QByteArray big("TESSAVOR\r\nTXT\r\nT\r\n\r\nA\r\n\r\n[A]\r\n");
    big += QByteArray(4000, 'x') + "\r\n\r\n";
    dir.write(u"p.vrp"_s, big);
    dir.write(u"p.vry"_s, "die alte Hilfedatei");
    HelpCompiler::Result result;
    {
        FileSizeLimit limit(1000);
        result = HelpCompiler::compile(dir.file(u"p.vrp"_s), Type::PlainText, dir.file(u"p.vry"_s));
    }
    QCOMPARE(result.status, HelpCompiler::Status::TargetUnwritable);
    QVERIFY2(HelpCompiler::message(result).contains(u"konnte nicht vollständig geschrieben werden"_s),
             qPrintable(HelpCompiler::message(result)));
    QCOMPARE(dir.read(u"p.vry"_s), QByteArray("die alte Hilfedatei"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"p.vrp"_s, u"p.vry"_s}));
}

void TestHelpCompiler::missingProject()
{
    TestSupport::ProgramDir dir;
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"fehlt.vrp"_s), Type::PlainText, dir.file(u"p.vry"_s));
    QCOMPARE(result.status, HelpCompiler::Status::ProjectUnreadable);
    QVERIFY(HelpCompiler::message(result).startsWith(u"Die Projektdatei"_s));
    QVERIFY(!dir.exists(u"p.vry"_s));
}

QTEST_GUILESS_MAIN(TestHelpCompiler)
#include "test_helpcompiler.moc"
