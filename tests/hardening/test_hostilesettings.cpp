// zembrota.ini as an attacker or an accident leaves it: a named pipe, a device, a huge file, a link
// in its place, temporaries of a killed save. Reading falls back at once; writing never goes
// through a link or into a pipe or device.
#include "dictionary/appearance/settings.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace Zembrota;

namespace {

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

const QByteArray validSix = "BF\r\nAus\r\n50\r\n10\r\n20\r\n30\r\n";

// Loads on a thread; should it still wait after a few seconds (a reader blocked on a pipe), a
// writer opens and closes the pipe so that the test can end and report the hang.
bool loadsWithoutWaiting(const QString &path, bool *loaded)
{
    Farbeinstellung e;
    std::future<bool> done =
        std::async(std::launch::async, [&] { return Settings::EinstellungenLaden(path, e); });
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        *loaded = done.get();
        return true;
    }
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(local(path).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    *loaded = done.get();
    return false;
}

} // namespace

class TestHostileSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadFallsBackAtOnce_data();
    void loadFallsBackAtOnce();
    void writeRefusesLinkPipeAndDevice_data();
    void writeRefusesLinkPipeAndDevice();
    void writeRemovesStaleTemporaries();
};

void TestHostileSettings::loadFallsBackAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("named pipe without writer") << u"pipe"_s << false;
    QTest::newRow("link to an endless device") << u"/dev/zero"_s << false;
    QTest::newRow("link to a device that is always empty") << u"/dev/null"_s << false;
    QTest::newRow("a directory") << u"directory"_s << false;
    QTest::newRow("a first line of 1 GB") << u"huge line"_s << false;
    QTest::newRow("a sixth line running past the bound") << u"long sixth"_s << false;
    // Text after the sixth line is never read, however much of it there is.
    QTest::newRow("six lines and 1 GB after them") << u"huge tail"_s << true;
    QTest::newRow("six lines and a link to them") << u"link"_s << true;
}

void TestHostileSettings::loadFallsBackAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(bool, loaded);
    TestSupport::ProgramDir dir;
    const QString path = Settings::filePath(dir.path());
    if (kind == u"pipe"_s) {
        QCOMPARE(::mkfifo(local(path).constData(), 0600), 0);
    } else if (kind.startsWith(u'/')) {
        QCOMPARE(::symlink(local(kind).constData(), local(path).constData()), 0);
    } else if (kind == u"directory"_s) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"huge line"_s) {
        dir.write(u"zembrota.ini"_s, "WS");
        QVERIFY(QFile::resize(path, qint64(1) << 30)); // sparse: a line of zero bytes
    } else if (kind == u"long sixth"_s) {
        dir.write(u"zembrota.ini"_s, "BF\r\nAus\r\n50\r\n10\r\n20\r\n" + QByteArray(20000, '3'));
    } else if (kind == u"huge tail"_s) {
        dir.write(u"zembrota.ini"_s, validSix);
        QVERIFY(QFile::resize(path, qint64(1) << 30));
    } else if (kind == u"link"_s) {
        dir.write(u"echt.ini"_s, validSix);
        QCOMPARE(::symlink("echt.ini", local(path).constData()), 0);
    }
    QElapsedTimer clock;
    clock.start();
    bool result = !loaded;
    QVERIFY2(loadsWithoutWaiting(path, &result), "loading the settings waited on the file");
    QVERIFY2(clock.elapsed() < 3000, "loading the settings took seconds");
    QCOMPARE(result, loaded);
}

void TestHostileSettings::writeRefusesLinkPipeAndDevice_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link to another user's file") << u"link"_s << u"es ist eine symbolische Verknüpfung"_s;
    QTest::newRow("named pipe") << u"pipe"_s << u"es ist eine benannte Pipe, keine gewöhnliche Datei"_s;
    QTest::newRow("device") << u"device"_s << u"es ist ein Gerät, keine gewöhnliche Datei"_s;
}

void TestHostileSettings::writeRefusesLinkPipeAndDevice()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestSupport::ProgramDir dir;
    TestSupport::ProgramDir other;
    other.write(u"notizen.txt"_s, "fremd");
    const QString path = Settings::filePath(dir.path());
    if (kind == u"link"_s)
        QCOMPARE(::symlink(local(other.file(u"notizen.txt"_s)).constData(), local(path).constData()), 0);
    else if (kind == u"pipe"_s)
        QCOMPARE(::mkfifo(local(path).constData(), 0600), 0);
    else if (::mknod(local(path).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        QSKIP("only the administrator can make a device node");

    const auto error =
        Settings::EinstellungenSchreiben(path, ColourMode::Cycling, CycleChoice::SG, u"50"_s, 1, 2, 3);
    QVERIFY(error);
    QCOMPARE(*error, u"Die Datei \"%1\" kann nicht geschrieben werden: %2."_s.arg(path, reason));
    QCOMPARE(other.read(u"notizen.txt"_s), QByteArray("fremd"));
    struct stat info
    {
    };
    QCOMPARE(::lstat(local(path).constData(), &info), 0);
    QVERIFY(!S_ISREG(info.st_mode));
}

void TestHostileSettings::writeRemovesStaleTemporaries()
{
    TestSupport::ProgramDir dir;
    // A save killed between linking its temporary file and renaming it left this one behind.
    dir.write(u"zembrota.ini.q7RZ2a"_s, "FW\r\n");
    timespec old[2];
    clock_gettime(CLOCK_REALTIME, &old[0]);
    old[0].tv_sec -= 600;
    old[1] = old[0];
    QCOMPARE(::utimensat(AT_FDCWD, local(dir.file(u"zembrota.ini.q7RZ2a"_s)).constData(), old, 0), 0);

    QVERIFY(!Settings::EinstellungenSchreiben(Settings::filePath(dir.path()), ColourMode::Standard,
                                              CycleChoice::Off, u"1000 ms"_s, 0, 128, 256));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"zembrota.ini"_s});
    QCOMPARE(dir.read(u"zembrota.ini"_s), QByteArray("WS\r\nAus\r\n1000 ms\r\n0\r\n128\r\n256\r\n"));
}

QTEST_GUILESS_MAIN(TestHostileSettings)
#include "test_hostilesettings.moc"
