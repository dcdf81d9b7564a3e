// The file layer through real files: bounded reading of plain files, the atomic writer that never
// writes through a link, a pipe or a device, its German reasons, and the private temporary folder.
#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "common/plainfile.h"
#include "common/programfolder.h"
#include "tests/testsupport/filelimit.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

// Sets a file's (or a link's own) modification time `seconds` into the past.
void age(const QString &path, int seconds)
{
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    utimensat(AT_FDCWD, local(path).constData(), times, AT_SYMLINK_NOFOLLOW);
}

// Makes the special file named by `kind` at `path`; false when this machine does not allow it.
bool makeSpecial(const QString &kind, const QString &path, const QString &linkTarget)
{
    if (kind == u"link"_s || kind == u"dangling link"_s)
        return ::symlink(local(linkTarget).constData(), local(path).constData()) == 0;
    if (kind == u"named pipe"_s)
        return ::mkfifo(local(path).constData(), 0600) == 0;
    if (kind == u"device"_s) // the same device as /dev/null; only the administrator may make one
        return ::mknod(local(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (kind == u"directory"_s)
        return QDir().mkdir(path);
    return false;
}

} // namespace

class TestFileLayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writeLinesRoundTrips();
    void failedWriteKeepsOldFile();
    void fileSizeLimitKeepsOldFileAndNamesCause_data();
    void fileSizeLimitKeepsOldFileAndNamesCause();
    void fullDiskNamesCause();
    void writerRefusesSpecialTargets_data();
    void writerRefusesSpecialTargets();
    void staleTemporariesRemoved();
    void staleTemporaryNames_data();
    void staleTemporaryNames();
    void scratchWriteReplacesLikeTheWriter();
    void scratchWriteLeavesAReaderItsFile();
    void writeReasons_data();
    void writeReasons();
    void readRefusesWhatIsNoPlainFile_data();
    void readRefusesWhatIsNoPlainFile();
    void readFollowsLinkToPlainFile();
    void readStartStopsAtBound();
    void unreadableNames();
    void temporaryFolder_data();
    void temporaryFolder();
};

void TestFileLayer::writeLinesRoundTrips()
{
    TestSupport::ProgramDir dir;
    const QStringList lines{u"#lieben"_s, u"Ärger „so“"_s, QString()};
    QVERIFY(!AtomicWriter::writeLines(dir.file(u"x.txt"_s), lines));
    QCOMPARE(dir.read(u"x.txt"_s), QByteArray("#lieben\r\n\xc4rger \x84so\x93\r\n\r\n"));
    QString reason;
    const auto back = PlainFile::read(dir.file(u"x.txt"_s), 1024, &reason);
    QVERIFY(back);
    QCOMPARE(LineFile::splitLines(*back, LineFile::Breaks::CrLfOrCr), lines);
    // Nothing but the file itself is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"x.txt"_s});
}

void TestFileLayer::failedWriteKeepsOldFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"alt.txt"_s, "alt\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const auto error = AtomicWriter::writeLines(dir.file(u"alt.txt"_s), {u"neu"_s});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!error)
        QSKIP("the directory stayed writable (running as root)");
    QVERIFY(error->contains(u"alt.txt"_s));
    QVERIFY2(error->contains(u"keine Berechtigung zum Schreiben"_s), qPrintable(*error));
    QCOMPARE(dir.read(u"alt.txt"_s), QByteArray("alt\r\n"));
}

void TestFileLayer::fileSizeLimitKeepsOldFileAndNamesCause_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("scratch");
    QTest::newRow("writer") << u"alt.txt"_s << false;
    QTest::newRow("scratch writer") << u"temp.tmp"_s << true;
}

void TestFileLayer::fileSizeLimitKeepsOldFileAndNamesCause()
{
    QFETCH(QString, name);
    QFETCH(bool, scratch);
    TestSupport::ProgramDir dir;
    dir.write(name, "alt\r\n");
    std::optional<QString> error;
    {
        // Small enough that the failure comes only when the last buffered bytes are flushed.
        FileSizeLimit full(4);
        error = scratch ? AtomicWriter::writeScratchBytes(dir.file(name), "eine längere Zeile")
                        : AtomicWriter::writeLines(dir.file(name), {u"eine l\u00e4ngere Zeile"_s});
    }
    QVERIFY(error);
    QVERIFY2(error->startsWith(
                 u"Die Datei \"%1\" konnte nicht vollständig geschrieben werden: die Datei würde "
                 "größer, als das System erlaubt. Die vorige Fassung bleibt erhalten."_s.arg(dir.file(name))),
             qPrintable(*error));
    QCOMPARE(dir.read(name), QByteArray("alt\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestFileLayer::fullDiskNamesCause()
{
    // A real full disk: a file system of 64 KB, which only the administrator can mount.
    TestSupport::ProgramDir dir;
    const QByteArray mountPoint = local(dir.path());
    if (::mount("glossand-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("no small file system can be mounted here (needs the administrator)");
    dir.write(u"alt.vry"_s, "alt\r\n");
    const auto error = AtomicWriter::writeBytes(dir.file(u"alt.vry"_s), QByteArray(1024 * 1024, 'x'));
    const QByteArray old = dir.read(u"alt.vry"_s);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    ::umount(mountPoint.constData());
    QVERIFY(error);
    QVERIFY2(error->contains(u"der Datenträger ist voll"_s), qPrintable(*error));
    QVERIFY(!error->contains(u"Unknown"_s));
    QCOMPARE(old, QByteArray("alt\r\n"));
    QCOMPARE(left, QStringList{u"alt.vry"_s});
}

void TestFileLayer::writerRefusesSpecialTargets_data()
{
    QTest::addColumn<bool>("scratch");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    // The durable writer and the scratch writer of temp.tmp refuse the same targets.
    for (const bool scratch : {false, true}) {
        const QString prefix = scratch ? u"scratch, "_s : QString();
        QTest::newRow(qPrintable(prefix + u"link to another file"_s))
            << scratch << u"link"_s << u"es ist eine symbolische Verknüpfung"_s;
        QTest::newRow(qPrintable(prefix + u"link to nothing"_s))
            << scratch << u"dangling link"_s << u"es ist eine symbolische Verknüpfung"_s;
        QTest::newRow(qPrintable(prefix + u"named pipe"_s))
            << scratch << u"named pipe"_s << u"es ist eine benannte Pipe, keine gewöhnliche Datei"_s;
        QTest::newRow(qPrintable(prefix + u"device"_s))
            << scratch << u"device"_s << u"es ist ein Gerät, keine gewöhnliche Datei"_s;
        QTest::newRow(qPrintable(prefix + u"directory"_s))
            << scratch << u"directory"_s << u"es ist ein Verzeichnis"_s;
    }
}

void TestFileLayer::writerRefusesSpecialTargets()
{
    QFETCH(bool, scratch);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    // The link points at a file of another folder, as another user's file would be.
    TestSupport::ProgramDir elsewhere;
    elsewhere.write(u"fremd.txt"_s, "fremder Inhalt");
    const QString linkTarget =
        kind == u"dangling link"_s ? elsewhere.file(u"neu.txt"_s) : elsewhere.file(u"fremd.txt"_s);
    const QString target = dir.file(u"temp.tmp"_s);
    if (!makeSpecial(kind, target, linkTarget))
        QSKIP("this special file cannot be made here");

    QElapsedTimer clock;
    clock.start();
    const auto error = scratch ? AtomicWriter::writeScratchBytes(target, "{\\rtf1 neu}\r\n")
                               : AtomicWriter::writeBytes(target, "{\\rtf1 neu}\r\n");
    QVERIFY2(clock.elapsed() < 5000, "the writer waited on the special file");
    QVERIFY(error);
    QCOMPARE(*error, u"Die Datei \"%1\" kann nicht geschrieben werden: %2."_s.arg(target, reason));

    // The special file is still what it was, and what a link points to is untouched.
    const QFileInfo info(target);
    QCOMPARE(info.isSymLink(), kind.contains(u"link"_s));
    QCOMPARE(PlainFile::kindOf(target) == PlainFile::Kind::Regular, false);
    QCOMPARE(elsewhere.read(u"fremd.txt"_s), QByteArray("fremder Inhalt"));
    QVERIFY(!elsewhere.exists(u"neu.txt"_s));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
             kind == u"directory"_s ? 0 : 1);
}

void TestFileLayer::staleTemporariesRemoved()
{
    TestSupport::ProgramDir dir;
    TestSupport::ProgramDir elsewhere;
    elsewhere.write(u"fremd.txt"_s, "fremd");
    // Left by a save that was killed an hour ago, and one a save elsewhere is writing now.
    dir.write(u"zembrota.ini.AbC123"_s, "halb");
    age(dir.file(u"zembrota.ini.AbC123"_s), 3600);
    dir.write(u"zembrota.ini.Xy9876"_s, "gerade");
    // Not temporaries of this file: another file's, a longer suffix, and a link.
    dir.write(u"latein.lst.AbC123"_s, "anders");
    age(dir.file(u"latein.lst.AbC123"_s), 3600);
    dir.write(u"zembrota.ini.AbC1234"_s, "länger");
    age(dir.file(u"zembrota.ini.AbC1234"_s), 3600);
    QCOMPARE(::symlink(local(elsewhere.file(u"fremd.txt"_s)).constData(),
                       local(dir.file(u"zembrota.ini.LnK123"_s)).constData()),
             0);
    age(dir.file(u"zembrota.ini.LnK123"_s), 3600);

    QVERIFY(!AtomicWriter::writeLines(dir.file(u"zembrota.ini"_s), {u"WS"_s}));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.sort();
    QCOMPARE(left, (QStringList{u"latein.lst.AbC123"_s, u"zembrota.ini"_s, u"zembrota.ini.AbC1234"_s,
                                u"zembrota.ini.LnK123"_s, u"zembrota.ini.Xy9876"_s}));
    QCOMPARE(elsewhere.read(u"fremd.txt"_s), QByteArray("fremd"));
}

void TestFileLayer::staleTemporaryNames_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("removed");
    QTest::newRow("letters and digits") << u"temp.tmp.aZ09Qx"_s << true;
    QTest::newRow("five after the dot") << u"temp.tmp.AbC12"_s << false;
    QTest::newRow("seven after the dot") << u"temp.tmp.AbC1234"_s << false;
    QTest::newRow("no dot") << u"temp.tmpXAbC123"_s << false;
    QTest::newRow("a sign") << u"temp.tmp.AbC-23"_s << false;
    QTest::newRow("an umlaut") << u"temp.tmp.ÄbC123"_s << false;
    // Another file's temporary, even where the names differ only in case.
    QTest::newRow("other case") << u"TEMP.TMP.AbC123"_s << false;
    QTest::newRow("longer name") << u"xtemp.tmp.AbC123"_s << false;
}

void TestFileLayer::staleTemporaryNames()
{
    QFETCH(QString, entry);
    QFETCH(bool, removed);
    TestSupport::ProgramDir dir;
    dir.write(entry, "halb");
    age(dir.file(entry), 3600);
    QCOMPARE(AtomicWriter::removeStaleTemporaries(dir.file(u"temp.tmp"_s)), removed ? 1 : 0);
    QCOMPARE(dir.exists(entry), !removed);
}

void TestFileLayer::scratchWriteLeavesAReaderItsFile()
{
    // Another viewer reading the old temp.tmp keeps reading the old topic whole: the new file takes
    // the name, the old one is not written into, and no second name of either is left.
    TestSupport::ProgramDir dir;
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), "{\\rtf1 alt}\r\n"));
    QFile reader(dir.file(u"temp.tmp"_s));
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), "{\\rtf1 neu und l\\'e4nger}\r\n"));
    QCOMPARE(reader.readAll(), QByteArray("{\\rtf1 alt}\r\n"));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("{\\rtf1 neu und l\\'e4nger}\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{u"temp.tmp"_s});
}

void TestFileLayer::scratchWriteReplacesLikeTheWriter()
{
    TestSupport::ProgramDir dir;
    // A new file gets the permissions the durable writer gives one; a replaced file keeps its own.
    QVERIFY(!AtomicWriter::writeBytes(dir.file(u"dauerhaft.tmp"_s), "a"));
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), "{\\rtf1 eins}\r\n"));
    QCOMPARE(QFileInfo(dir.file(u"temp.tmp"_s)).permissions(),
             QFileInfo(dir.file(u"dauerhaft.tmp"_s)).permissions());
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("{\\rtf1 eins}\r\n"));
    QVERIFY(::chmod(local(dir.file(u"temp.tmp"_s)).constData(), 0640) == 0);
    // A stale temporary of an earlier write goes on the way.
    dir.write(u"temp.tmp.AbC123"_s, "halb");
    age(dir.file(u"temp.tmp.AbC123"_s), 3600);
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), QByteArray("zwei")));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("zwei"));
    struct stat info
    {
    };
    QCOMPARE(::stat(local(dir.file(u"temp.tmp"_s)).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), 0640);
    // Set-user-ID and set-group-ID bits of the old file are not kept.
    QVERIFY(::chmod(local(dir.file(u"temp.tmp"_s)).constData(), 06750) == 0);
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), QByteArray("drei")));
    QCOMPARE(::stat(local(dir.file(u"temp.tmp"_s)).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), 0750);
    QVERIFY(!AtomicWriter::writeScratchBytes(dir.file(u"temp.tmp"_s), QByteArray()));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray());
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.sort();
    QCOMPARE(left, (QStringList{u"dauerhaft.tmp"_s, u"temp.tmp"_s}));
    // No name, no folder.
    QCOMPARE(*AtomicWriter::writeScratchBytes(QString(), "x"),
             u"Die Datei \"\" kann nicht geschrieben werden: es ist kein Dateiname angegeben."_s);
    const QString lost = dir.file(u"fehlt/temp.tmp"_s);
    QCOMPARE(
        *AtomicWriter::writeScratchBytes(lost, "x"),
        u"Die Datei \"%1\" kann nicht geschrieben werden: das Verzeichnis \"%2\" ist nicht vorhanden."_s.arg(
            lost, dir.file(u"fehlt"_s)));
}

void TestFileLayer::writeReasons_data()
{
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << int(ENOSPC) << u"der Datenträger ist voll"_s;
    QTest::newRow("quota") << int(EDQUOT) << u"der zugeteilte Speicherplatz (Quota) ist erschöpft"_s;
    QTest::newRow("read-only disk") << int(EROFS) << u"der Datenträger ist schreibgeschützt"_s;
    QTest::newRow("no permission") << int(EACCES) << u"keine Berechtigung zum Schreiben"_s;
    QTest::newRow("missing folder") << int(ENOENT) << u"das Verzeichnis ist nicht vorhanden"_s;
    QTest::newRow("disk error") << int(EIO) << u"Ein-/Ausgabefehler des Datenträgers"_s;
    QTest::newRow("anything else") << int(EDOM) << u"Schreibfehler (Fehlernummer %1)"_s.arg(EDOM);
}

void TestFileLayer::writeReasons()
{
    QFETCH(int, errorNumber);
    QFETCH(QString, reason);
    QCOMPARE(PlainFile::writeReason(errorNumber), reason);
}

void TestFileLayer::readRefusesWhatIsNoPlainFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << u"missing"_s << u"die Datei ist nicht vorhanden"_s;
    QTest::newRow("directory") << u"directory"_s << u"es ist ein Verzeichnis"_s;
    QTest::newRow("named pipe without writer") << u"named pipe"_s << u"es ist keine gewöhnliche Datei"_s;
    QTest::newRow("endless device") << u"/dev/zero"_s << u"es ist keine gewöhnliche Datei"_s;
    QTest::newRow("one byte over the limit") << u"large"_s << u"die Datei ist größer als 4 KB"_s;
    QTest::newRow("a huge sparse file") << u"huge"_s << u"die Datei ist größer als 4 KB"_s;
    QTest::newRow("no name") << u"empty"_s << u"es ist kein Dateiname angegeben"_s;
}

void TestFileLayer::readRefusesWhatIsNoPlainFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    QString path = dir.file(u"datei"_s);
    if (kind.startsWith(u'/'))
        path = kind;
    else if (kind == u"empty"_s)
        path.clear();
    else if (kind == u"large"_s || kind == u"huge"_s)
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                QFile::resize(path, kind == u"large"_s ? 4097 : qint64(1) << 32));
    else if (kind != u"missing"_s)
        QVERIFY(makeSpecial(kind, path, {}));

    QElapsedTimer clock;
    clock.start();
    QString got;
    QVERIFY(!PlainFile::read(path, 4 * 1024, &got));
    QVERIFY2(clock.elapsed() < 5000, "the reader waited or read without end");
    QCOMPARE(got, reason);
}

void TestFileLayer::readFollowsLinkToPlainFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"echt.lst"_s, QByteArray(4096, 'a'));
    QCOMPARE(::symlink("echt.lst", local(dir.file(u"latein.lst"_s)).constData()), 0);
    QString reason;
    const auto bytes = PlainFile::read(dir.file(u"latein.lst"_s), 4096, &reason);
    QVERIFY2(bytes, qPrintable(reason));
    QCOMPARE(bytes->size(), 4096);
}

void TestFileLayer::readStartStopsAtBound()
{
    TestSupport::ProgramDir dir;
    dir.write(u"kurz"_s, "WS\r\n");
    dir.write(u"lang"_s, "WS\r\n" + QByteArray(10000, 'x'));
    bool more = true;
    QString reason;
    QCOMPARE(PlainFile::readStart(dir.file(u"kurz"_s), 8, &more, &reason), QByteArray("WS\r\n"));
    QVERIFY(!more);
    QCOMPARE(PlainFile::readStart(dir.file(u"lang"_s), 8, &more, &reason), QByteArray("WS\r\nxxxx"));
    QVERIFY(more);
}

void TestFileLayer::unreadableNames()
{
    QVERIFY(PlainFile::nameIsReadable("/tmp/gro\xc3\x9f"
                                      "e"));
    QVERIFY(!PlainFile::nameIsReadable("/tmp/gr\xf6\xdf"
                                       "e"));
    // Such a name reaches the program with U+FFFD in place of its bytes: it names nothing, and the
    // reason says why instead of calling the file missing.
    const QString lossy = QFile::decodeName("/tmp/gr\xf6\xdf"
                                            "e/projekt.vrp");
    QString reason;
    QVERIFY(!PlainFile::read(lossy, 1024, &reason));
    QVERIFY2(reason.contains(u"enthält Zeichen, die nicht gelesen werden können (kein gültiges UTF-8)"_s),
             qPrintable(reason));
    QVERIFY(ProgramFolder::unreadableMessage("/tmp/gr\xf6\xdf"
                                             "e")
                .startsWith(u"Das Programm liegt in einem Ordner, dessen Name nicht gelesen werden kann"_s));
}

void TestFileLayer::temporaryFolder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("programFolder");
    QTest::newRow("private") << 0700 << true;
    QTest::newRow("shared with everyone") << 0777 << false;
    QTest::newRow("shared with the group") << 0770 << false;
    QTest::newRow("sticky like /tmp") << 01777 << false;
}

void TestFileLayer::temporaryFolder()
{
    QFETCH(int, mode);
    QFETCH(bool, programFolder);
    TestSupport::ProgramDir dir;
    QCOMPARE(::chmod(local(dir.path()).constData(), mode_t(mode)), 0);
    const QString folder = ProgramFolder::temporaryFolder(dir.path());
    ::chmod(local(dir.path()).constData(), 0700);
    if (programFolder) {
        QCOMPARE(folder, dir.path());
        return;
    }
    QVERIFY(!folder.isEmpty());
    QVERIFY(folder != dir.path());
    struct stat info
    {
    };
    QCOMPARE(::lstat(local(folder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, ::geteuid());
    QCOMPARE(info.st_mode & 077, 0u);
}

QTEST_GUILESS_MAIN(TestFileLayer)
#include "test_filelayer.moc"
