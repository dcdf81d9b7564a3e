// The help project file: target path, new project, opening, adding and deleting topics, and the
// rewrites leaving the old file whole when the write fails.
#include "helpauthor/helpproject.h"
#include "tests/testsupport/filelimit.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using HelpProject::Type;

class TestHelpProject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void targetPath_data();
    void targetPath();
    void newProject_data();
    void newProject();
    void checkProject_data();
    void checkProject();
    void openUnreadable_data();
    void openUnreadable();
    void typedBody_data();
    void typedBody();
    void addTopic_data();
    void addTopic();
    void deleteTopic_data();
    void deleteTopic();
    void fileOperations();
    void rewriteFailureKeepsOldFile_data();
    void rewriteFailureKeepsOldFile();
};

void TestHelpProject::targetPath_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("target");
    QTest::newRow("vrp becomes vry") << u"/home/lehrer/hilfe/latein.vrp"_s
                                     << u"/home/lehrer/hilfe/latein.vry"_s;
    QTest::newRow("dot in a folder cuts there") << u"/home/a.b/latein.vrp"_s << u"/home/a.vry"_s;
    QTest::newRow("two dots in the name") << u"/h/latein.neu.vrp"_s << u"/h/latein.vry"_s;
    QTest::newRow("no dot at all") << u"/h/latein"_s << u"vry"_s;
    QTest::newRow("ends with the dot") << u"/h/latein."_s << u"/h/latein.vry"_s;
    QTest::newRow("other extension") << u"/h/latein.txt"_s << u"/h/latein.vry"_s;
    QTest::newRow("spaces kept") << u"/h/mein projekt.vrp"_s << u"/h/mein projekt.vry"_s;
}

void TestHelpProject::targetPath()
{
    QFETCH(QString, project);
    QFETCH(QString, target);
    QCOMPARE(HelpProject::targetPath(project), target);
}

void TestHelpProject::newProject_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("txt") << int(Type::PlainText) << u"Latein"_s
                         << QByteArray("TESSAVOR\r\nTXT\r\nLatein\r\n\r\n\r\n");
    QTest::newRow("rtf") << int(Type::RichText) << u"Latein"_s
                         << QByteArray("TESSAVOR\r\nRTF\r\nLatein\r\n\r\n\r\n");
    QTest::newRow("cancelled title") << int(Type::RichText) << QString()
                                     << QByteArray("TESSAVOR\r\nRTF\r\n\r\n\r\n\r\n");
    QTest::newRow("umlaut title in windows-1252") << int(Type::PlainText) << u"Übungen €"_s
                                                  << QByteArray("TESSAVOR\r\nTXT\r\n\xDC"
                                                                "bungen \x80\r\n\r\n\r\n");
}

void TestHelpProject::newProject()
{
    QFETCH(int, type);
    QFETCH(QString, title);
    QFETCH(QByteArray, bytes);
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"neu.vrp"_s);
    QVERIFY(!HelpProject::createProject(path, Type(type), title));
    QCOMPARE(dir.read(u"neu.vrp"_s), bytes);
    // Creating again overwrites the file whole.
    QVERIFY(!HelpProject::createProject(path, Type(type), title));
    QCOMPARE(dir.read(u"neu.vrp"_s), bytes);
}

void TestHelpProject::checkProject_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("type");
    const int opened = int(HelpProject::OpenStatus::Opened);
    const int rejected = int(HelpProject::OpenStatus::NotAProject);
    const int txt = int(Type::PlainText);
    const int rtf = int(Type::RichText);
    QTest::newRow("txt project") << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\n\r\n") << opened << txt;
    QTest::newRow("rtf project") << QByteArray("TESSAVOR\r\nRTF\r\nT\r\n\r\n\r\n") << opened << rtf;
    QTest::newRow("type in lower case is rtf") << QByteArray("TESSAVOR\r\ntxt\r\n") << opened << rtf;
    QTest::newRow("type with a space is rtf") << QByteArray("TESSAVOR\r\nTXT \r\n") << opened << rtf;
    QTest::newRow("lone CR line ends") << QByteArray("TESSAVOR\rTXT\r") << opened << txt;
    QTest::newRow("signature alone") << QByteArray("TESSAVOR") << opened << rtf;
    QTest::newRow("trailing space rejected") << QByteArray("TESSAVOR \r\nTXT\r\n") << rejected << rtf;
    QTest::newRow("leading space rejected") << QByteArray(" TESSAVOR\r\nTXT\r\n") << rejected << rtf;
    QTest::newRow("lower case rejected") << QByteArray("Tessavor\r\nTXT\r\n") << rejected << rtf;
    QTest::newRow("lone LF does not end line 1") << QByteArray("TESSAVOR\nTXT\n") << rejected << rtf;
    QTest::newRow("empty file rejected") << QByteArray() << rejected << rtf;
}

void TestHelpProject::checkProject()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(int, type);
    const HelpProject::OpenResult result = HelpProject::checkProject(bytes);
    QCOMPARE(int(result.status), status);
    if (result.status == HelpProject::OpenStatus::Opened)
        QCOMPARE(int(result.type), type);

    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, bytes);
    QCOMPARE(int(HelpProject::openProject(dir.file(u"p.vrp"_s)).status), status);
}

void TestHelpProject::openUnreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << u"fehlt.vrp"_s << u"die Datei ist nicht vorhanden"_s;
    QTest::newRow("a folder") << u"ordner.vrp"_s << u"es ist ein Verzeichnis"_s;
    QTest::newRow("a named pipe") << u"pipe.vrp"_s << u"es ist keine gewöhnliche Datei"_s;
}

void TestHelpProject::openUnreadable()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"ordner.vrp"_s));
    QCOMPARE(mkfifo(QFile::encodeName(dir.file(u"pipe.vrp"_s)).constData(), 0600), 0);
    const HelpProject::OpenResult result = HelpProject::openProject(dir.file(name));
    QCOMPARE(result.status, HelpProject::OpenStatus::Unreadable);
    QCOMPARE(result.error, u"Die Datei \"%1\" kann nicht gelesen werden: %2."_s.arg(dir.file(name), reason));
    QString error;
    QVERIFY(!HelpProject::readLines(dir.file(name), &error));
    QCOMPARE(error, result.error);
    QVERIFY(HelpProject::addTopicToFile(dir.file(name), {u"A"_s, true, {u"a"_s}}));
}

void TestHelpProject::typedBody_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one line") << u"Salve"_s << QStringList{u"Salve"_s};
    QTest::newRow("two lines") << u"Salve\nVale"_s << QStringList{u"Salve"_s, u"Vale"_s};
    QTest::newRow("final break gives an empty line") << u"Salve\n"_s << QStringList{u"Salve"_s, QString()};
    QTest::newRow("empty line inside") << u"a\n\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("CR LF pasted") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("spaces kept") << u"  a  "_s << QStringList{u"  a  "_s};
}

void TestHelpProject::typedBody()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(HelpProject::typedBody(text), lines);
}

void TestHelpProject::addTopic_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QStringList>("after");
    const QString e;
    const QStringList fresh{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, e};
    QTest::newRow("first topic becomes line 5")
        << fresh << u"Verben"_s << true << QStringList{u"amare"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, u"Verben"_s, e, u"[Verben]"_s, u"amare"_s, e};
    QTest::newRow("empty title line 3 is not the list end")
        << QStringList{u"TESSAVOR"_s, u"RTF"_s, e, e, e} << u"A"_s << true << QStringList{u"/r/a.rtf"_s}
        << QStringList{u"TESSAVOR"_s, u"RTF"_s, e, e, u"A"_s, e, u"[A]"_s, u"/r/a.rtf"_s, e};
    QTest::newRow("check cleared only appends the block")
        << fresh << u"Versteckt"_s << false << QStringList{u"x"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, e, u"[Versteckt]"_s, u"x"_s, e};
    QTest::newRow("spaces kept in the list, trimmed in the header")
        << fresh << u"  Nomen "_s << true << QStringList{u"x"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, u"  Nomen "_s, e, u"[Nomen]"_s, u"x"_s, e};
    QTest::newRow("tab is not trimmed in the header")
        << fresh << u"\tA"_s << false << QStringList{u"x"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, e, u"[\tA]"_s, u"x"_s, e};
    const QStringList one{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, u"A"_s, e, u"[A]"_s, u"a"_s, e};
    QTest::newRow("second topic after the first")
        << one << u"B"_s << true << QStringList{u"b1"_s, u"b2"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e,        u"A"_s,  u"B"_s,  e,
                       u"[A]"_s,      u"a"_s,   e,           u"[B]"_s, u"b1"_s, u"b2"_s, e};
    QTest::newRow("only the first empty line after line 4")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"A"_s, e, u"[A]"_s, u"a"_s, e} << u"A"_s << true
        << QStringList{u"again"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e,        u"A"_s,     u"A"_s, e,
                       u"[A]"_s,      u"a"_s,   e,      u"[A]"_s, u"again"_s, e};
    QTest::newRow("a blank line of spaces is not the list end")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"  "_s, e} << u"B"_s << true
        << QStringList{u"b"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"  "_s, u"B"_s, e, u"[B]"_s, u"b"_s, e};
    QTest::newRow("no empty line after line 4: block only")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e} << u"B"_s << true << QStringList{u"b"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"[B]"_s, u"b"_s, e};
    QTest::newRow("reserved name in other case")
        << fresh << u"inhalt"_s << true << QStringList{u"x"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, u"inhalt"_s, e, u"[inhalt]"_s, u"x"_s, e};
    QTest::newRow("body with empty lines kept")
        << fresh << u"A"_s << false << QStringList{u"a"_s, e, u"b"_s}
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"Latein"_s, e, e, u"[A]"_s, u"a"_s, e, u"b"_s, e};
}

void TestHelpProject::addTopic()
{
    QFETCH(QStringList, before);
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QFETCH(QStringList, body);
    QFETCH(QStringList, after);
    QCOMPARE(HelpProject::addTopic(before, {name, listed, body}), after);

    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, TestSupport::crlf(before));
    QVERIFY(!HelpProject::addTopicToFile(dir.file(u"p.vrp"_s), {name, listed, body}));
    QCOMPARE(dir.read(u"p.vrp"_s), TestSupport::crlf(after));
}

void TestHelpProject::deleteTopic_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("after");
    const QString e;
    const QStringList two{u"TESSAVOR"_s, u"TXT"_s, u"T"_s,  e, u"A"_s,   u"B"_s, e,
                          u"[A]"_s,      u"a1"_s,  u"a2"_s, e, u"[B]"_s, u"b"_s, e};
    QTest::newRow("entry and block") << two << u"A"_s
                                     << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"B"_s, e,
                                                    u"[B]"_s,      u"b"_s,   e};
    QTest::newRow("last topic") << two << u"B"_s
                                << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s,  e, u"A"_s, e,
                                               u"[A]"_s,      u"a1"_s,  u"a2"_s, e};
    QTest::newRow("other letter case removes nothing") << two << u"a"_s << two;
    QTest::newRow("part of a name removes nothing") << two << u"[A"_s << two;
    const QStringList spaced{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u" A "_s, e, u"[A]"_s, u"a"_s, e};
    QTest::newRow("entry with spaces selected with them: block stays")
        << spaced << u" A "_s << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, e, u"[A]"_s, u"a"_s, e};
    QTest::newRow("trimmed name selected: entry stays, block goes")
        << spaced << u"A"_s << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u" A "_s, e};
    QTest::newRow("every line equal to the selection goes")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"A"_s, u"B"_s, e, u"[B]"_s, u"A"_s, u"b"_s, e}
        << u"A"_s << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"B"_s, e, u"[B]"_s, u"b"_s, e};
    QTest::newRow("a line of spaces does not end the block")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"A"_s,   e,      u"[A]"_s,
                       u"a"_s,        u"  "_s,  u"b"_s, e, u"[C]"_s, u"c"_s, e}
        << u"A"_s << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, e, u"[C]"_s, u"c"_s, e};
    QTest::newRow("block without its empty line runs to the end")
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, u"A"_s, e, u"[A]"_s, u"a"_s} << u"A"_s
        << QStringList{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, e, e};
    QTest::newRow("two blocks of the same name both go")
        << QStringList{u"TESSAVOR"_s, u"RTF"_s,    u"T"_s, e,        u"A"_s,      e,
                       u"[A]"_s,      u"/1.rtf"_s, e,      u"[A]"_s, u"/2.rtf"_s, e}
        << u"A"_s << QStringList{u"TESSAVOR"_s, u"RTF"_s, u"T"_s, e, e};
    QTest::newRow("selection over two lines removes nothing") << two << u"A\nB"_s << two;
}

void TestHelpProject::deleteTopic()
{
    QFETCH(QStringList, before);
    QFETCH(QString, selection);
    QFETCH(QStringList, after);
    QCOMPARE(HelpProject::deleteTopic(before, selection), after);

    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, TestSupport::crlf(before));
    QVERIFY(!HelpProject::deleteTopicFromFile(dir.file(u"p.vrp"_s), selection));
    QCOMPARE(dir.read(u"p.vrp"_s), TestSupport::crlf(after));
}

void TestHelpProject::fileOperations()
{
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"p.vrp"_s);
    // The window's text: every line break is a line; the last line gets its CR LF too.
    QVERIFY(!HelpProject::saveText(path, u"TESSAVOR\nTXT\nÄ\n\n"_s));
    QCOMPARE(dir.read(u"p.vrp"_s), QByteArray("TESSAVOR\r\nTXT\r\n\xC4\r\n\r\n\r\n"));
    QVERIFY(!HelpProject::saveText(path, QString()));
    QCOMPARE(dir.read(u"p.vrp"_s), QByteArray());

    // A project that is gone cannot be changed, and is not created by the attempt.
    const QString missing = dir.file(u"fehlt.vrp"_s);
    const std::optional<QString> addError = HelpProject::addTopicToFile(missing, {u"A"_s, true, {u"a"_s}});
    QVERIFY(addError);
    QVERIFY(addError->contains(u"fehlt.vrp"_s));
    QVERIFY(HelpProject::deleteTopicFromFile(missing, u"A"_s));
    QVERIFY(!dir.exists(u"fehlt.vrp"_s));
    QVERIFY(HelpProject::saveText(dir.file(u"kein/ordner.vrp"_s), u"x"_s));
}

void TestHelpProject::rewriteFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("save") << u"save"_s;
    QTest::newRow("add topic") << u"add"_s;
    QTest::newRow("delete topic") << u"delete"_s;
    QTest::newRow("create") << u"create"_s;
}

void TestHelpProject::rewriteFailureKeepsOldFile()
{
    QFETCH(QString, operation);
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"p.vrp"_s);
    QStringList lines{u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), u"A"_s, QString(), u"[A]"_s};
    for (int i = 0; i < 200; ++i)
        lines.append(u"Zeile %1 des Themas A"_s.arg(i));
    lines.append(QString());
    const QByteArray old = TestSupport::crlf(lines);
    dir.write(u"p.vrp"_s, old);

    std::optional<QString> error;
    {
        // A disk that fills up after 100 bytes of any file.
        FileSizeLimit limit(100);
        if (operation == u"save"_s)
            error = HelpProject::saveText(path, lines.join(u'\n') + u"\nneu"_s);
        else if (operation == u"add"_s)
            error = HelpProject::addTopicToFile(path, {u"B"_s, true, {u"b"_s}});
        else if (operation == u"delete"_s)
            error = HelpProject::deleteTopicFromFile(path, u"Zeile 1 des Themas A"_s);
        else
            error = HelpProject::createProject(path, Type::PlainText, QString(300, u'x'));
    }
    QVERIFY(error);
    QCOMPARE(dir.read(u"p.vrp"_s), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"p.vrp"_s});
}

QTEST_GUILESS_MAIN(TestHelpProject)
#include "test_helpproject.moc"
