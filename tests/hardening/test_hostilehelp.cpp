// The help programs against hostile files and folders: a temp.tmp link planted in the program
// folder, a shared program folder, two viewers of one folder, a folder name with a comma, and
// quorantc (the real program) asked to write onto a pipe, a device or a link, to read an RTF file
// beyond the size limit, or given a name that is no UTF-8.
#include "helpauthor/helpcompiler.h"
#include "helpfile/helpfile.h"
#include "helpviewer/topicsource.h"
#include "helpviewer/viewerargument.h"
#include "tests/testsupport/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

HelpFile::Document richHelp()
{
    return HelpFile::read(TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"R"_s, QString(), u"A"_s, u"B"_s,
                                             QString(), u"[A]"_s, u"{\\rtf1 Thema A}"_s, QString(), u"[B]"_s,
                                             u"{\\rtf1 Thema B}"_s, QString()}))
        .document;
}

QString quorantc()
{
    // The programs are built beside the tests.
    const QString dir = QString::fromLocal8Bit(qgetenv("GLOSSAND_PROGRAM_DIR"));
    return (dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir) + u"/quorantc"_s;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runQuorantc(const QStringList &arguments)
{
    QProcess process;
    process.start(quorantc(), arguments);
    Run run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        run.err = u"hängt"_s;
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QByteArray plainProject = "TESSAVOR\r\nTXT\r\nT\r\n\r\nA\r\n\r\n[A]\r\nText\r\n\r\n";

} // namespace

class TestHostileHelp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plantedTempLinkLeavesTargetUntouched();
    void sharedProgramFolderKeepsTempFilePrivate();
    void twoViewersKeepTheirOwnTopics();
    void commaInFolderName_data();
    void commaInFolderName();
    void quorantcRefusesSpecialTargets_data();
    void quorantcRefusesSpecialTargets();
    void quorantcRefusesHugeRtfFile();
    void compilerStopsBeforeHelpFileTooLarge();
    void quorantcRefusesUnreadableName();
};

void TestHostileHelp::plantedTempLinkLeavesTargetUntouched()
{
    TestSupport::ProgramDir dir;
    TestSupport::ProgramDir victim;
    victim.write(u"wichtig.txt"_s, "gehört einem anderen");
    QCOMPARE(::symlink(local(victim.file(u"wichtig.txt"_s)).constData(),
                       local(dir.file(u"temp.tmp"_s)).constData()),
             0);

    const Viewer::TopicSource source = Viewer::topicSource(richHelp(), u"A"_s, dir.path());
    // The topic still shows, from memory; the link and what it points to stay as they were.
    QCOMPARE(source.form, Viewer::TopicSource::Form::RtfBytes);
    QCOMPARE(source.bytes, QByteArray("{\\rtf1 Thema A}\r\n\r\n"));
    QCOMPARE(victim.read(u"wichtig.txt"_s), QByteArray("gehört einem anderen"));
    QVERIFY(QFileInfo(dir.file(u"temp.tmp"_s)).isSymLink());
    Viewer::removeTempFile(dir.path());
    QCOMPARE(victim.read(u"wichtig.txt"_s), QByteArray("gehört einem anderen"));
}

void TestHostileHelp::sharedProgramFolderKeepsTempFilePrivate()
{
    TestSupport::ProgramDir dir;
    QCOMPARE(::chmod(local(dir.path()).constData(), 0777), 0);
    const Viewer::TopicSource source = Viewer::topicSource(richHelp(), u"B"_s, dir.path());
    QVERIFY(!dir.exists(u"temp.tmp"_s));
    QCOMPARE(source.form, Viewer::TopicSource::Form::RtfFile);
    QVERIFY(!source.path.startsWith(dir.path()));
    QCOMPARE(QFileInfo(source.path).fileName(), u"temp.tmp"_s);
    QFile written(source.path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("{\\rtf1 Thema B}\r\n\r\n"));
    written.close();
    QCOMPARE(QFileInfo(QFileInfo(source.path).absolutePath()).permissions() &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFileDevice::Permissions());
    Viewer::removeTempFile(dir.path());
    ::chmod(local(dir.path()).constData(), 0700);
    QVERIFY(!QFile::exists(source.path));
}

void TestHostileHelp::twoViewersKeepTheirOwnTopics()
{
    // The second viewer replaces temp.tmp right after the first wrote it: the first still has its
    // own topic to show, since nothing is read back from the shared file.
    TestSupport::ProgramDir dir;
    const Viewer::TopicSource first = Viewer::topicSource(richHelp(), u"A"_s, dir.path());
    const Viewer::TopicSource second = Viewer::topicSource(richHelp(), u"B"_s, dir.path());
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("{\\rtf1 Thema B}\r\n\r\n"));
    QCOMPARE(first.bytes, QByteArray("{\\rtf1 Thema A}\r\n\r\n"));
    QCOMPARE(second.bytes, QByteArray("{\\rtf1 Thema B}\r\n\r\n"));
}

void TestHostileHelp::commaInFolderName_data()
{
    QTest::addColumn<QStringList>("files"); // made below the test folder
    QTest::addColumn<QString>("argument");  // after the test folder and a slash
    QTest::addColumn<QString>("path");      // expected, relative to the test folder
    QTest::addColumn<QString>("topic");
    QTest::newRow("folder with a comma")
        << QStringList{u"Latein, Kurs/zembrota.vry"_s} << u"Latein, Kurs/zembrota.vry, Status - Anzeige"_s
        << u"Latein, Kurs/zembrota.vry"_s << u"Status - Anzeige"_s;
    QTest::newRow("two commas in the folder")
        << QStringList{u"a,b,c/h.vry"_s} << u"a,b,c/h.vry, Index"_s << u"a,b,c/h.vry"_s << u"Index"_s;
    QTest::newRow("contents page without topic")
        << QStringList{u"a,b/h.vry"_s} << u"a,b/h.vry,"_s << u"a,b/h.vry"_s << QString();
    // The first cut names a file: it wins, as it always did.
    QTest::newRow("first cut names a file")
        << QStringList{u"h.vry"_s, u"h.vry, x/h.vry"_s} << u"h.vry, x/h.vry, Thema"_s << u"h.vry"_s
        << u"x/h.vry, Thema"_s;
    // No cut names a file: the first cut stands, and the viewer reports the missing file.
    QTest::newRow("nothing there") << QStringList{} << u"a,b/h.vry, Thema"_s << u"a"_s << u"/h.vry, Thema"_s;
    // A longer cut that names a folder, not a file, is not taken.
    QTest::newRow("longer cut is a folder")
        << QStringList{u"a,b/x"_s} << u"a,b, Thema"_s << u"a"_s << u", Thema"_s;
}

void TestHostileHelp::commaInFolderName()
{
    QFETCH(QStringList, files);
    QFETCH(QString, argument);
    QFETCH(QString, path);
    QFETCH(QString, topic);
    TestSupport::ProgramDir dir;
    for (const QString &file : files) {
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.file(file)).absolutePath()));
        dir.write(file, "TESSAVOR\r\nTXT\r\nT\r\n");
    }
    const auto request = Viewer::parseArgument(dir.path() + u'/' + argument,
                                               [](const QString &p) { return QFileInfo(p).isFile(); });
    QVERIFY(request);
    QCOMPARE(request->helpPath, dir.file(path));
    QCOMPARE(request->topic, topic);
}

void TestHostileHelp::quorantcRefusesSpecialTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << u"pipe"_s << u"es ist eine benannte Pipe, keine gewöhnliche Datei"_s;
    QTest::newRow("device") << u"device"_s << u"es ist ein Gerät, keine gewöhnliche Datei"_s;
    QTest::newRow("link to another file") << u"link"_s << u"es ist eine symbolische Verknüpfung"_s;
}

void TestHostileHelp::quorantcRefusesSpecialTargets()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, plainProject);
    dir.write(u"fremd.txt"_s, "fremd");
    const QString target = dir.file(u"p.vry"_s);
    if (kind == u"pipe"_s)
        QCOMPARE(::mkfifo(local(target).constData(), 0600), 0);
    else if (kind == u"link"_s)
        QCOMPARE(::symlink("fremd.txt", local(target).constData()), 0);
    else if (::mknod(local(target).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        QSKIP("only the administrator can make a device node");

    const Run run = runQuorantc({dir.file(u"p.vrp"_s), target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"Die Datei \"%1\" kann nicht geschrieben werden: %2."_s.arg(target, reason)),
             qPrintable(run.err));
    QVERIFY(!run.out.contains(u"geschrieben"_s));
    struct stat info
    {
    };
    QCOMPARE(::lstat(local(target).constData(), &info), 0);
    QVERIFY(!S_ISREG(info.st_mode));
    QCOMPARE(dir.read(u"fremd.txt"_s), QByteArray("fremd"));
}

void TestHostileHelp::quorantcRefusesHugeRtfFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"gross.rtf"_s, "{\\rtf1 ");
    QVERIFY(QFile::resize(dir.file(u"gross.rtf"_s), HelpFile::maxFileBytes + 1)); // sparse, no disk used
    dir.write(u"p.vrp"_s, TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, QString(),
                                             u"[A]"_s, u"gross.rtf"_s, QString()}));
    const Run run = runQuorantc({dir.file(u"p.vrp"_s)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(
        run.err.contains(u"Die RTF - Datei \"gross.rtf\" des Themas \"A\" kann nicht gelesen werden (die "
                         "Datei ist größer als 64 MB)"_s),
        qPrintable(run.err));
    QVERIFY(!dir.exists(u"p.vry"_s));
}

void TestHostileHelp::compilerStopsBeforeHelpFileTooLarge()
{
    // Each RTF file lies within the limit, together they do not.
    TestSupport::ProgramDir dir;
    for (const QString &name : {u"a.rtf"_s, u"b.rtf"_s}) {
        dir.write(name, "{\\rtf1 ");
        QVERIFY(QFile::resize(dir.file(name), HelpFile::maxFileBytes / 2 + 1));
    }
    dir.write(u"p.vry"_s, "alt");
    dir.write(u"p.vrp"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(),
                                 u"[A]"_s, u"a.rtf"_s, QString(), u"[B]"_s, u"b.rtf"_s, QString()}));
    const HelpCompiler::Result result =
        HelpCompiler::compile(dir.file(u"p.vrp"_s), HelpFile::Kind::RichText, dir.file(u"p.vry"_s));
    QCOMPARE(result.status, HelpCompiler::Status::TargetTooLarge);
    QCOMPARE(HelpCompiler::message(result),
             u"Die Hilfedatei \"%1\" würde größer als 64 MB; so große Hilfedateien liest Tessavor nicht.\n"
             "Die Hilfedatei wurde nicht erstellt; eine vorhandene Hilfedatei bleibt unverändert."_s.arg(
                 dir.file(u"p.vry"_s)));
    QCOMPARE(dir.read(u"p.vry"_s), QByteArray("alt"));
}

void TestHostileHelp::quorantcRefusesUnreadableName()
{
    // "große.vrp" in Windows-1252 bytes: no UTF-8, so no text can name the file.
    TestSupport::ProgramDir dir;
    const QByteArray name = local(dir.path()) + "/gr\xf6\xdf"
                                                "e.vrp";
    FILE *file = std::fopen(name.constData(), "wb");
    QVERIFY(file);
    std::fwrite(plainProject.constData(), 1, size_t(plainProject.size()), file);
    std::fclose(file);
    QProcess process;
    // Through the shell, since QProcess hands on arguments as text.
    process.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" \"$1\"/\"$(printf 'gr\\366\\337e.vrp')\""_s,
                                 quorantc(), dir.path()});
    const bool finished = process.waitForFinished(20000);
    ::unlink(name.constData()); // the temporary folder cannot remove a name it cannot read
    QVERIFY(finished);
    QCOMPARE(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(u"enthält Zeichen, die nicht gelesen werden können (kein gültiges UTF-8)"_s),
             qPrintable(err));
}

QTEST_GUILESS_MAIN(TestHostileHelp)
#include "test_hostilehelp.moc"
