// The settings file zembrota.ini: reading with its order of conversion and ranges, writing, and
// the Apply rules of the colours dialog that decide what is written.
#include "dictionary/appearance/applyrules.h"
#include "dictionary/appearance/settings.h"
#include "tests/dictionary/appearance/readonlydir.h"
#include "tests/testsupport/testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

QString dump(const Farbeinstellung &e)
{
    return u"modus=[%1] wechselart=[%2] rot=%3 gelb=%4 blau=%5 wechselzeit=%6"_s.arg(e.modus, e.wechselart)
        .arg(e.rot)
        .arg(e.gelb)
        .arg(e.blau)
        .arg(e.wechselzeit);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readRecord_data();
    void readRecord();
    void loadFixture_data();
    void loadFixture();
    void loadWithoutFile();
    void loadKeepsEarlierValues();
    void writeRecord_data();
    void writeRecord();
    void writeReplacesWhole();
    void failedWriteKeepsOldFile();
    void settingsLocation_data();
    void settingsLocation();
    void checkInterval_data();
    void checkInterval();
    void componentValue_data();
    void componentValue();
    void modeForChoice_data();
    void modeForChoice();
    void modeAndCycleParsedOnLoad_data();
    void modeAndCycleParsedOnLoad();
    void chooseSetsTheCodes();
};

void TestSettings::readRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const QByteArray &bytes, bool ok, const QString &expected) {
        QTest::newRow(name) << bytes << ok << expected;
    };
    using TestSupport::crlf;
    row("example four-phase", crlf({u"FW"_s, u"Alle"_s, u"50"_s, u"0"_s, u"128"_s, u"255"_s}), true,
        u"modus=[FW] wechselart=[Alle] rot=0 gelb=128 blau=255 wechselzeit=50"_s);
    row("empty file", QByteArray(), false, u"modus=[] wechselart=[] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("one line keeps the mode", "BF\r\n", false,
        u"modus=[BF] wechselart=[] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("five lines keep both codes", crlf({u"BF"_s, u"SG"_s, u"100"_s, u"10"_s, u"20"_s}), false,
        u"modus=[BF] wechselart=[SG] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("blue out of range keeps red and green",
        crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"10"_s, u"20"_s, u"40000"_s}), false,
        u"modus=[BF] wechselart=[Aus] rot=10 gelb=20 blau=0 wechselzeit=0"_s);
    row("red out of range stores no number",
        crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"32768"_s, u"20"_s, u"30"_s}), false,
        u"modus=[BF] wechselart=[Aus] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("red -32769 out of range", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"-32769"_s, u"20"_s, u"30"_s}), false,
        u"modus=[BF] wechselart=[Aus] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("interval converted after the colour", crlf({u"FW"_s, u"ST"_s, u"70000"_s, u"1"_s, u"2"_s, u"3"_s}),
        false, u"modus=[FW] wechselart=[ST] rot=1 gelb=2 blau=3 wechselzeit=0"_s);
    row("interval 65535", crlf({u"FW"_s, u"ST"_s, u"65535"_s, u"1"_s, u"2"_s, u"3"_s}), true,
        u"modus=[FW] wechselart=[ST] rot=1 gelb=2 blau=3 wechselzeit=65535"_s);
    row("interval 65536", crlf({u"FW"_s, u"ST"_s, u"65536"_s, u"1"_s, u"2"_s, u"3"_s}), false,
        u"modus=[FW] wechselart=[ST] rot=1 gelb=2 blau=3 wechselzeit=0"_s);
    row("interval 40000", crlf({u"FW"_s, u"SW"_s, u"40000"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[SW] rot=0 gelb=0 blau=0 wechselzeit=40000"_s);
    row("interval -5 loads", crlf({u"FW"_s, u"SW"_s, u"-5"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[SW] rot=0 gelb=0 blau=0 wechselzeit=-5"_s);
    row("interval -32768", crlf({u"BF"_s, u"Aus"_s, u"-32768"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=0 gelb=0 blau=0 wechselzeit=-32768"_s);
    row("interval -32769", crlf({u"BF"_s, u"Aus"_s, u"-32769"_s, u"0"_s, u"0"_s, u"0"_s}), false,
        u"modus=[BF] wechselart=[Aus] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("interval as typed with unit", crlf({u"FW"_s, u"SG"_s, u"1000 ms"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[SG] rot=0 gelb=0 blau=0 wechselzeit=1000"_s);
    row("interval 2.5 rounds to even", crlf({u"FW"_s, u"SG"_s, u"2.5"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[SG] rot=0 gelb=0 blau=0 wechselzeit=2"_s);
    row("interval 3.5 rounds to even", crlf({u"FW"_s, u"SG"_s, u"3.5"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[SG] rot=0 gelb=0 blau=0 wechselzeit=4"_s);
    row("interval 0 is no failure", crlf({u"FW"_s, u"Alle"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[Alle] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("interval text not a number", crlf({u"FW"_s, u"Alle"_s, u"schnell"_s, u"0"_s, u"0"_s, u"0"_s}), true,
        u"modus=[FW] wechselart=[Alle] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("red 300 limited to 256", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"300"_s, u"0"_s, u"0"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=256 gelb=0 blau=0 wechselzeit=100"_s);
    row("256 stays 256", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"256"_s, u"256"_s, u"255"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=256 gelb=256 blau=255 wechselzeit=100"_s);
    row("32767 limited to 256", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"0"_s, u"32767"_s, u"0"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=0 gelb=256 blau=0 wechselzeit=100"_s);
    row("negative green limited to 0", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"5"_s, u"-7"_s, u"9"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=5 gelb=0 blau=9 wechselzeit=100"_s);
    row("components round halves to even",
        crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"12.5"_s, u"13.5"_s, u"0.5"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=12 gelb=14 blau=0 wechselzeit=100"_s);
    row("blanks between digits", crlf({u"BF"_s, u"Aus"_s, u"1 0 0"_s, u" 2 5"_s, u"0"_s, u"0"_s}), true,
        u"modus=[BF] wechselart=[Aus] rot=25 gelb=0 blau=0 wechselzeit=100"_s);
    row("empty sixth line is 0", crlf({u"BF"_s, u"Aus"_s, u"100"_s, u"1"_s, u"2"_s, QString()}), true,
        u"modus=[BF] wechselart=[Aus] rot=1 gelb=2 blau=0 wechselzeit=100"_s);
    row("lines after the sixth ignored",
        crlf({u"WS"_s, u"Aus"_s, u"10"_s, u"1"_s, u"2"_s, u"3"_s, u"99999"_s, u"Unsinn"_s}), true,
        u"modus=[WS] wechselart=[Aus] rot=1 gelb=2 blau=3 wechselzeit=10"_s);
    row("text after the sixth line break ignored", "WS\r\nAus\r\n10\r\n1\r\n2\r\n3\r\n\xffUnsinn\r", true,
        u"modus=[WS] wechselart=[Aus] rot=1 gelb=2 blau=3 wechselzeit=10"_s);
    row("last line without a break", "FW\r\nAlle\r\n50\r\n0\r\n128\r\n255", true,
        u"modus=[FW] wechselart=[Alle] rot=0 gelb=128 blau=255 wechselzeit=50"_s);
    row("lone CR ends lines", "FW\rSV\r20\r7\r8\r9\r", true,
        u"modus=[FW] wechselart=[SV] rot=7 gelb=8 blau=9 wechselzeit=20"_s);
    row("lone LF ends no line", "FW\nSV\n20\n7\n8\n9\n", false,
        u"modus=[FW\nSV\n20\n7\n8\n9\n] wechselart=[] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    row("codes verbatim with blanks and case", crlf({u"ws "_s, u" Alle"_s, u"10"_s, u"1"_s, u"2"_s, u"3"_s}),
        true, u"modus=[ws ] wechselart=[ Alle] rot=1 gelb=2 blau=3 wechselzeit=10"_s);
    row("Windows-1252 byte in a code", "B\x84\r\nA\x80\r\n10\r\n1\r\n2\r\n3\r\n", true,
        u"modus=[B\u201e] wechselart=[A\u20ac] rot=1 gelb=2 blau=3 wechselzeit=10"_s);
}

void TestSettings::readRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Farbeinstellung e;
    QCOMPARE(Settings::readSettings(buffer, e), ok);
    QCOMPARE(dump(e), expected);
}

void TestSettings::loadFixture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed red") << u"bf-red.ini"_s << true
                               << u"modus=[BF] wechselart=[Aus] rot=255 gelb=0 blau=0 wechselzeit=1000"_s;
    QTest::newRow("short file") << u"five-lines.ini"_s << false
                                << u"modus=[FW] wechselart=[SG] rot=0 gelb=0 blau=0 wechselzeit=0"_s;
}

void TestSettings::loadFixture()
{
    QFETCH(QString, file);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    Farbeinstellung e;
    QCOMPARE(Settings::EinstellungenLaden(TestSupport::dataPath(u"appearance/"_s + file), e), ok);
    QCOMPARE(dump(e), expected);
}

void TestSettings::loadWithoutFile()
{
    TestSupport::ProgramDir dir;
    Farbeinstellung e;
    QVERIFY(!Settings::EinstellungenLaden(Settings::filePath(dir.path()), e));
    QCOMPARE(dump(e), u"modus=[] wechselart=[] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
    // A directory of that name cannot be read as the file either.
    QVERIFY(QDir(dir.path()).mkdir(u"zembrota.ini"_s));
    QVERIFY(!Settings::EinstellungenLaden(Settings::filePath(dir.path()), e));
    QCOMPARE(dump(e), u"modus=[] wechselart=[] rot=0 gelb=0 blau=0 wechselzeit=0"_s);
}

void TestSettings::loadKeepsEarlierValues()
{
    // What the record held before stays where the file fails first.
    Farbeinstellung e{u"alt"_s, u"alt"_s, 1, 2, 3, 4};
    QByteArray bytes = TestSupport::crlf({u"BF"_s, u"SW"_s, u"100"_s, u"50"_s, u"99999"_s, u"60"_s});
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(!Settings::readSettings(buffer, e));
    QCOMPARE(dump(e), u"modus=[BF] wechselart=[SW] rot=50 gelb=2 blau=3 wechselzeit=4"_s);
}

void TestSettings::writeRecord_data()
{
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("wechselart");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("rot");
    QTest::addColumn<int>("gelb");
    QTest::addColumn<int>("blau");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cycle") << u"FW"_s << u"Alle"_s << u"50"_s << 0 << 128 << 255
                           << QByteArray("FW\r\nAlle\r\n50\r\n0\r\n128\r\n255\r\n");
    QTest::newRow("interval text as typed") << u"BF"_s << u"Aus"_s << u"1000 ms"_s << 255 << 0 << 0
                                            << QByteArray("BF\r\nAus\r\n1000 ms\r\n255\r\n0\r\n0\r\n");
    QTest::newRow("top value 256") << u"WS"_s << u"SW"_s << u"0.4"_s << 256 << 256 << 256
                                   << QByteArray("WS\r\nSW\r\n0.4\r\n256\r\n256\r\n256\r\n");
    QTest::newRow("Windows-1252 text") << u"FW"_s << u"ST"_s << u"5\u00e4\u20ac"_s << 1 << 2 << 3
                                       << QByteArray("FW\r\nST\r\n5\xe4\x80\r\n1\r\n2\r\n3\r\n");
    QTest::newRow("line break pasted into the interval") << u"FW"_s << u"ST"_s << u"5\r\n6"_s << 1 << 2 << 3
                                                         << QByteArray("FW\r\nST\r\n5  6\r\n1\r\n2\r\n3\r\n");
}

void TestSettings::writeRecord()
{
    QFETCH(QString, modus);
    QFETCH(QString, wechselart);
    QFETCH(QString, interval);
    QFETCH(int, rot);
    QFETCH(int, gelb);
    QFETCH(int, blau);
    QFETCH(QByteArray, bytes);
    TestSupport::ProgramDir dir;
    const QString path = Settings::filePath(dir.path());
    QCOMPARE(Settings::EinstellungenSchreiben(path, Settings::modeFromCode(modus),
                                              Settings::cycleFromCode(wechselart), interval, rot, gelb, blau),
             std::nullopt);
    QCOMPARE(dir.read(u"zembrota.ini"_s), bytes);
}

void TestSettings::writeReplacesWhole()
{
    TestSupport::ProgramDir dir;
    dir.write(u"zembrota.ini"_s, "FW\r\nAlle\r\n50\r\n0\r\n128\r\n255\r\nalte achte Zeile\r\n");
    QCOMPARE(Settings::EinstellungenSchreiben(Settings::filePath(dir.path()), ColourMode::Standard,
                                              CycleChoice::Off, u"7"_s, 1, 2, 3),
             std::nullopt);
    QCOMPARE(dir.read(u"zembrota.ini"_s), QByteArray("WS\r\nAus\r\n7\r\n1\r\n2\r\n3\r\n"));
    // Written and read back, the values come round unchanged.
    Farbeinstellung e;
    QVERIFY(Settings::EinstellungenLaden(Settings::filePath(dir.path()), e));
    QCOMPARE(dump(e), u"modus=[WS] wechselart=[Aus] rot=1 gelb=2 blau=3 wechselzeit=7"_s);
}

void TestSettings::failedWriteKeepsOldFile()
{
    TestSupport::ProgramDir dir;
    const QByteArray old("BF\r\nAus\r\n100\r\n255\r\n0\r\n0\r\n");
    dir.write(u"zembrota.ini"_s, old);
    std::optional<QString> error;
    {
        ReadOnlyDir readOnly(dir.path());
        if (!readOnly.ok())
            QSKIP("No way to make a directory read-only on this machine");
        error = Settings::EinstellungenSchreiben(Settings::filePath(dir.path()), ColourMode::Cycling,
                                                 CycleChoice::SG, u"20"_s, 1, 2, 3);
    }
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(u"zembrota.ini"_s), qPrintable(*error));
    QCOMPARE(dir.read(u"zembrota.ini"_s), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"zembrota.ini"_s});
}

void TestSettings::checkInterval_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("ms");
    const int ok = int(IntervalCheck::Valid);
    const int invalid = int(IntervalCheck::Invalid);
    const int tooLarge = int(IntervalCheck::TooLarge);
    QTest::newRow("0") << u"0"_s << invalid << 0;
    QTest::newRow("empty") << QString() << invalid << 0;
    QTest::newRow("not a number") << u"oft"_s << invalid << 0;
    QTest::newRow("negative") << u"-5"_s << invalid << 0;
    QTest::newRow("negative fraction") << u"-0.4"_s << invalid << 0;
    QTest::newRow("1") << u"1"_s << ok << 1;
    QTest::newRow("0.4 passes but gives 0") << u"0.4"_s << ok << 0;
    QTest::newRow("2.5 to even") << u"2.5"_s << ok << 2;
    QTest::newRow("3.5 to even") << u"3.5"_s << ok << 4;
    QTest::newRow("with unit") << u"1000 ms"_s << ok << 1000;
    QTest::newRow("65535") << u"65535"_s << ok << 65535;
    QTest::newRow("65535.4 above the limit") << u"65535.4"_s << tooLarge << 65535;
    QTest::newRow("65536") << u"65536"_s << tooLarge << 0;
    QTest::newRow("exponent") << u"1e9"_s << tooLarge << 0;
}

void TestSettings::checkInterval()
{
    QFETCH(QString, text);
    QFETCH(int, check);
    QFETCH(int, ms);
    QCOMPARE(int(::checkInterval(text)), check);
    if (check == int(IntervalCheck::Valid))
        QCOMPARE(timerInterval(text), ms);
}

void TestSettings::componentValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << u"128"_s << 128;
    QTest::newRow("top 256") << u"256"_s << 256;
    QTest::newRow("above the top") << u"300"_s << 256;
    QTest::newRow("negative") << u"-3"_s << 0;
    QTest::newRow("12.5 to even") << u"12.5"_s << 12;
    QTest::newRow("13.5 to even") << u"13.5"_s << 14;
    QTest::newRow("not a number") << u"rot"_s << 0;
}

void TestSettings::componentValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(::componentValue(text), value);
}

void TestSettings::modeForChoice_data()
{
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("wechselart");
    QTest::newRow("standard keeps a cycle option") << true << u"SG"_s << u"WS"_s << u"SG"_s;
    QTest::newRow("standard with Aus") << true << u"Aus"_s << u"WS"_s << u"Aus"_s;
    QTest::newRow("own colour") << false << u"Aus"_s << u"BF"_s << u"Aus"_s;
    QTest::newRow("own colour with a cycle") << false << u"Alle"_s << u"FW"_s << u"Alle"_s;
    QTest::newRow("own colour with black-white") << false << u"SW"_s << u"FW"_s << u"SW"_s;
}

void TestSettings::modeForChoice()
{
    QFETCH(bool, standard);
    QFETCH(QString, cycle);
    QFETCH(QString, modus);
    QFETCH(QString, wechselart);
    const ModeChoice choice = ::modeForChoice(standard, Settings::cycleFromCode(cycle));
    QCOMPARE(Settings::codeOf(choice.mode), modus);
    QCOMPARE(Settings::codeOf(choice.cycle), wechselart);
}

// Where: "program" the file beside the program, "user" the user's own file.
void TestSettings::settingsLocation_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("userHasFile");
    QTest::addColumn<bool>("viaLink");
    QTest::addColumn<bool>("userDirKnown");
    QTest::addColumn<QString>("readFrom");
    QTest::addColumn<QString>("writeTo");

    QTest::newRow("build tree keeps the file beside the program")
        << false << false << false << true << u"program"_s << u"program"_s;
    QTest::newRow("portable copy ignores a user file")
        << false << true << false << true << u"program"_s << u"program"_s;
    QTest::newRow("installed, first run reads the shipped default")
        << true << false << false << true << u"program"_s << u"user"_s;
    QTest::newRow("installed, the user's file wins")
        << true << true << false << true << u"user"_s << u"user"_s;
    QTest::newRow("installed, started through a link")
        << true << false << true << true << u"program"_s << u"user"_s;
    QTest::newRow("installed without a user folder")
        << true << false << false << false << u"program"_s << u"program"_s;
}

void TestSettings::settingsLocation()
{
    QFETCH(bool, installed);
    QFETCH(bool, userHasFile);
    QFETCH(bool, viaLink);
    QFETCH(bool, userDirKnown);
    QFETCH(QString, readFrom);
    QFETCH(QString, writeTo);

    TestSupport::ProgramDir program;
    TestSupport::ProgramDir user;
    TestSupport::ProgramDir elsewhere;
    const QString userConfig = user.file(u"zembrota"_s);
    if (userHasFile) {
        QVERIFY(QDir().mkpath(userConfig));
        user.write(u"zembrota/zembrota.ini"_s, "WS\r\nAus\r\n0\r\n0\r\n0\r\n0\r\n");
    }
    QString programDir = program.path();
    if (viaLink) {
        programDir = elsewhere.file(u"link"_s);
        QVERIFY(QFile::link(program.path(), programDir));
    }
    const QString installDir = installed ? program.path() : elsewhere.path();

    const Settings::SettingsLocation location =
        Settings::settingsLocation(programDir, userDirKnown ? userConfig : QString(), installDir);
    auto expected = [&](const QString &where) {
        return where == u"user"_s ? userConfig + u"/zembrota.ini"_s : programDir + u"/zembrota.ini"_s;
    };
    QCOMPARE(location.readPath, expected(readFrom));
    QCOMPARE(location.writePath, expected(writeTo));
    // The user's folder is made only where the user's file is written.
    QCOMPARE(QFileInfo(userConfig).isDir(), userHasFile || writeTo == u"user"_s);
}

// Lines 1 and 2 compare exactly: a code with a blank or in lower case is no code.
void TestSettings::modeAndCycleParsedOnLoad_data()
{
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("wechselart");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cycle");
    const int standard = int(ColourMode::Standard), fixed = int(ColourMode::Fixed),
              cycling = int(ColourMode::Cycling);
    QTest::newRow("standard, four phases") << u"WS"_s << u"Alle"_s << standard << int(CycleChoice::All);
    QTest::newRow("fixed, off") << u"BF"_s << u"Aus"_s << fixed << int(CycleChoice::Off);
    QTest::newRow("cycle turquoise") << u"FW"_s << u"ST"_s << cycling << int(CycleChoice::ST);
    QTest::newRow("cycle yellow") << u"FW"_s << u"SG"_s << cycling << int(CycleChoice::SG);
    QTest::newRow("cycle violet") << u"FW"_s << u"SV"_s << cycling << int(CycleChoice::SV);
    QTest::newRow("cycle white") << u"FW"_s << u"SW"_s << cycling << int(CycleChoice::SW);
    QTest::newRow("lower case") << u"ws"_s << u"sw"_s << cycling << int(CycleChoice::Off);
    QTest::newRow("blanks around") << u"BF "_s << u" SG"_s << cycling << int(CycleChoice::Off);
    QTest::newRow("empty lines") << QString() << QString() << cycling << int(CycleChoice::Off);
}

void TestSettings::modeAndCycleParsedOnLoad()
{
    QFETCH(QString, modus);
    QFETCH(QString, wechselart);
    QFETCH(int, mode);
    QFETCH(int, cycle);
    QByteArray bytes = TestSupport::crlf({modus, wechselart, u"10"_s, u"1"_s, u"2"_s, u"3"_s});
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Farbeinstellung e;
    QVERIFY(Settings::readSettings(buffer, e));
    QCOMPARE(int(e.mode), mode);
    QCOMPARE(int(e.cycle), cycle);
    QCOMPARE(e.modus, modus);
    QCOMPARE(e.wechselart, wechselart);
}

void TestSettings::chooseSetsTheCodes()
{
    Farbeinstellung e(u"ws"_s, u"xy"_s, 1, 2, 3, 4);
    e.choose(ColourMode::Fixed, CycleChoice::SW);
    QCOMPARE(e.modus, u"BF"_s);
    QCOMPARE(e.wechselart, u"SW"_s);
    e.choose(ColourMode::Cycling, CycleChoice::All);
    QCOMPARE(e.modus, u"FW"_s);
    QCOMPARE(e.wechselart, u"Alle"_s);
    e.choose(ColourMode::Standard, CycleChoice::Off);
    QCOMPARE(e.modus, u"WS"_s);
    QCOMPARE(e.wechselart, u"Aus"_s);
    QCOMPARE(dump(e), u"modus=[WS] wechselart=[Aus] rot=1 gelb=2 blau=3 wechselzeit=4"_s);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
