// The kept topic headers: given back only for the very file they were found in and only when
// undamaged, and a read of a large file through them gives what a full search gives.
#include "helpfile/bytesource.h"
#include "helpfile/headercache.h"
#include "helpfile/helpfile.h"
#include "helpfile/linescan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// A rich help whose topics are numbered; a topic may come twice (its blocks are joined), and a
// body line may look like a header.
QByteArray richHelp(int topics, int linesPerTopic)
{
    QByteArray bytes = "TESSAVOR\r\nRTF\r\nGroße Hilfe\r\n\r\n";
    for (int t = 1; t <= topics; ++t)
        bytes += "Thema " + QByteArray::number(t) + "\r\n";
    bytes += "\r\n";
    for (int t = 1; t <= topics; ++t) {
        bytes += "[Thema " + QByteArray::number(t) + "]\r\n{\\rtf1 ";
        for (int l = 0; l < linesPerTopic; ++l)
            bytes += "Zeile " + QByteArray::number(l) + " von Thema " + QByteArray::number(t) + "\\par\r\n";
        if (t % 7 == 0)
            bytes += "  [kein Kopf, nur eine Zeile]  \r\n";
        bytes += "}\r\n\r\n";
        if (t % 50 == 0)
            bytes += "[Thema 1]\r\n{\\rtf1 noch ein Block}\r\n\r\n";
    }
    return bytes;
}

HelpFile::BracketedLines scan(const QByteArray &bytes)
{
    return HelpFile::findBracketedLines(*HelpFile::ByteSource::fromBytes(bytes));
}

// An identity of a file unchanged for long: the lines of such a file are kept.
HelpFile::FileIdentity settled(qint64 size)
{
    return {7, 1234, size, 1'000'000'000, 1'000'000'000};
}

bool sameLines(const HelpFile::BracketedLines &a, const HelpFile::BracketedLines &b)
{
    return a.lines == b.lines && a.pool == b.pool;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestHeaderCache : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keptLinesComeBack();
    void otherFileGetsNothing_data();
    void otherFileGetsNothing();
    void damageIsNoticed_data();
    void damageIsNoticed();
    void freshOrDenseFileIsNotKept();
    void unwritableFolderKeepsNothing();
    void largeFileReadThroughCache();
};

void TestHeaderCache::keptLinesComeBack()
{
    QTemporaryDir dir;
    const QByteArray bytes = richHelp(300, 3);
    const HelpFile::BracketedLines found = scan(bytes);
    QVERIFY(found.lines.size() > 300);
    const HelpFile::HeaderCache cache(dir.path(), u"/hilfe/gross.vry"_s, settled(bytes.size()));
    QVERIFY(!cache.load());
    cache.store(found);
    const std::optional<HelpFile::BracketedLines> kept = cache.load();
    QVERIFY(kept);
    QVERIFY(sameLines(*kept, found));
    // Another path has its own place.
    QVERIFY(!HelpFile::HeaderCache(dir.path(), u"/hilfe/andere.vry"_s, settled(bytes.size())).load());
}

void TestHeaderCache::otherFileGetsNothing_data()
{
    QTest::addColumn<int>("field");
    QTest::newRow("device") << 0;
    QTest::newRow("inode") << 1;
    QTest::newRow("size") << 2;
    QTest::newRow("modified") << 3;
    QTest::newRow("status changed") << 4;
}

void TestHeaderCache::otherFileGetsNothing()
{
    QFETCH(int, field);
    QTemporaryDir dir;
    const QByteArray bytes = richHelp(20, 2);
    const HelpFile::FileIdentity identity = settled(bytes.size());
    HelpFile::HeaderCache(dir.path(), u"/hilfe/h.vry"_s, identity).store(scan(bytes));
    HelpFile::FileIdentity other = identity;
    switch (field) {
    case 0:
        ++other.device;
        break;
    case 1:
        ++other.inode;
        break;
    case 2:
        ++other.size;
        break;
    case 3:
        ++other.modified;
        break;
    default:
        ++other.changed;
    }
    QVERIFY(HelpFile::HeaderCache(dir.path(), u"/hilfe/h.vry"_s, identity).load());
    QVERIFY(!HelpFile::HeaderCache(dir.path(), u"/hilfe/h.vry"_s, other).load());
}

void TestHeaderCache::damageIsNoticed_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("signature") << u"signature"_s;
    QTest::newRow("cut short") << u"cut"_s;
    QTest::newRow("one byte more") << u"longer"_s;
    QTest::newRow("a line's offset") << u"line"_s;
    QTest::newRow("the pool") << u"pool"_s;
    QTest::newRow("the checksum") << u"checksum"_s;
    QTest::newRow("empty") << u"empty"_s;
}

void TestHeaderCache::damageIsNoticed()
{
    QFETCH(QString, damage);
    QTemporaryDir dir;
    const QByteArray bytes = richHelp(40, 2);
    const HelpFile::HeaderCache cache(dir.path(), u"/hilfe/h.vry"_s, settled(bytes.size()));
    cache.store(scan(bytes));
    QFile file(cache.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray kept = file.readAll();
    file.close();
    QVERIFY(cache.load());
    // Signature (16 bytes), seven numbers, then the lines; the pool and checksum at the end.
    const qsizetype linesStart = 16 + 7 * 8;
    if (damage == u"signature")
        kept[3] = 'X';
    else if (damage == u"cut")
        kept.chop(1);
    else if (damage == u"longer")
        kept.append('\0');
    else if (damage == u"line")
        kept[linesStart + 5 * 8 + 1] = char(kept[linesStart + 5 * 8 + 1] ^ 0x10);
    else if (damage == u"pool")
        kept[kept.size() - 9] = char(kept[kept.size() - 9] ^ 0x01);
    else if (damage == u"checksum")
        kept[kept.size() - 1] = char(kept[kept.size() - 1] ^ 0x01);
    else
        kept.clear();
    write(cache.fileName(), kept);
    QVERIFY(!cache.load());
}

void TestHeaderCache::freshOrDenseFileIsNotKept()
{
    QTemporaryDir dir;
    const QByteArray bytes = richHelp(20, 2);
    HelpFile::FileIdentity fresh = settled(bytes.size());
    fresh.changed = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    const HelpFile::HeaderCache cache(dir.path(), u"/hilfe/h.vry"_s, fresh);
    cache.store(scan(bytes));
    QVERIFY(!QFile::exists(cache.fileName()));
    QVERIFY(!cache.load());

    // Nothing but bracketed lines: kept, they would be larger than the file.
    QByteArray brackets;
    for (int i = 0; i < 2000; ++i)
        brackets += "[" + QByteArray::number(i % 10) + "]\r\n";
    const HelpFile::HeaderCache dense(dir.path(), u"/hilfe/dicht.vry"_s, settled(brackets.size()));
    dense.store(scan(brackets));
    QVERIFY(!QFile::exists(dense.fileName()));
}

void TestHeaderCache::unwritableFolderKeepsNothing()
{
    QTemporaryDir dir;
    // A file where the folder should be.
    write(dir.filePath(u"tessavor"_s), "kein Ordner");
    const QByteArray bytes = richHelp(20, 2);
    const HelpFile::HeaderCache cache(dir.filePath(u"tessavor"_s), u"/hilfe/h.vry"_s, settled(bytes.size()));
    cache.store(scan(bytes));
    QVERIFY(!cache.load());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"tessavor"_s});
}

// Through readFile: the first read of a large, settled file keeps its headers, a second read finds
// them (a planted set of lines shows that it really takes them), and a changed file is searched
// again.
void TestHeaderCache::largeFileReadThroughCache()
{
    QTemporaryDir dir;
    const QString help = dir.filePath(u"gross.vry"_s);
    const QString folder = dir.filePath(u"cache"_s);
    const QByteArray bytes = richHelp(3000, 12);
    QVERIFY(bytes.size() >= HelpFile::headerCacheMinBytes);
    write(help, bytes);
    // The file must have stood unchanged for two seconds before its headers are kept.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));

    const HelpFile::ReadPlan plan;
    const QStringList topics{u"Thema 1"_s, u"Thema 7"_s, u"Thema 2999"_s, u"kein Kopf, nur eine Zeile"_s,
                             u"Thema 3001"_s};
    const HelpFile::ReadResult plain = HelpFile::readFile(help);
    QVERIFY(plain.ok());
    const HelpFile::ReadResult first = HelpFile::readFile(help, plan, folder);
    QVERIFY(first.ok());
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    const HelpFile::ReadResult second = HelpFile::readFile(help, plan, folder);
    for (const QString &topic : topics) {
        QCOMPARE(first.document.richLines(topic), plain.document.richLines(topic));
        QCOMPARE(second.document.richLines(topic), plain.document.richLines(topic));
        QCOMPARE(second.document.plainText(topic), plain.document.plainText(topic));
    }
    QVERIFY(!plain.document.richLines(u"Thema 1"_s).isEmpty());

    // Lines kept for this file are believed: planted empty, no topic is found.
    QFile opened(help);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    const std::optional<HelpFile::FileIdentity> identity = HelpFile::identityOf(opened.handle());
    QVERIFY(identity);
    HelpFile::HeaderCache(folder, QFileInfo(help).canonicalFilePath(), *identity).store({});
    QVERIFY(HelpFile::readFile(help, plan, folder).document.richLines(u"Thema 1"_s).isEmpty());

    // Changed in place, to the same size: searched again.
    QByteArray changed = bytes;
    const qsizetype at = changed.indexOf("[Thema 2999]");
    changed.replace(at, 12, "[Thema 2998]");
    write(help, changed);
    const HelpFile::ReadResult after = HelpFile::readFile(help, plan, folder);
    QVERIFY(after.document.richLines(u"Thema 2999"_s).isEmpty());
    QCOMPARE(after.document.richLines(u"Thema 2998"_s).size(),
             2 * plain.document.richLines(u"Thema 2998"_s).size());
}

QTEST_GUILESS_MAIN(TestHeaderCache)
#include "test_headercache.moc"
