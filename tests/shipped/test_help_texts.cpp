// The sources of the help files and the shipped texts: byte-level rules that the programs and the
// help compiler rely on (Windows-1252, CR LF, no empty line inside an RTF topic).
#include "tests/shipped/test_help.h"

#include "common/linefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every line break is CR LF: no lone CR, no lone LF.
bool onlyCrLf(const QByteArray &bytes, qsizetype *badAt)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        const bool loneCr = c == '\r' && (i + 1 == bytes.size() || bytes.at(i + 1) != '\n');
        const bool loneLf = c == '\n' && (i == 0 || bytes.at(i - 1) != '\r');
        if (loneCr || loneLf) {
            *badAt = i;
            return false;
        }
    }
    return true;
}

// Bytes that Windows-1252 leaves undefined, and the lead bytes of text saved as UTF-8 by mistake.
bool cleanWindows1252(const QByteArray &bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == 0xC3 || b == 0xE2)
            return false;
    }
    return true;
}

QStringList rtfTopicFiles()
{
    QStringList files;
    const QDir help(ShippedHelp::dataSourceDir() + u"/help"_s);
    for (const QString &folder : help.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir dir(help.filePath(folder));
        for (const QString &name : dir.entryList({u"*.rtf"_s}, QDir::Files, QDir::Name))
            files << folder + u'/' + name;
    }
    return files;
}

} // namespace

class ShippedTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void rtfSource_data();
    void rtfSource();
    void project_data();
    void project();
};

void ShippedTextsTest::text_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("phrases");
    QTest::newRow("usage terms") << u"tessavor.txt"_s
                                 << QStringList{u"Tessavor.txt"_s, u"GNU General Public License, Version 3"_s,
                                                u"Freeware"_s, u"Haftung"_s};
    QTest::newRow("order form") << u"bestell.txt"_s
                                << QStringList{u"Trivenna"_s,  u"Vorname, Name:"_s,       u"Straße, Nr.:"_s,
                                               u"PLZ, Ort:"_s, u"Anzahl der Lizenzen:"_s, u"Unterschrift"_s,
                                               u"Ort, Datum"_s};
}

// The texts lie in the program directory as they are in the sources: Windows-1252 with CR LF.
void ShippedTextsTest::text()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, phrases);
    const QByteArray source = ShippedHelp::readAll(ShippedHelp::dataSourceDir() + u'/' + fileName);
    const QByteArray shipped = ShippedHelp::readAll(ShippedHelp::programDir() + u'/' + fileName);
    QVERIFY(!source.isEmpty());
    QCOMPARE(shipped, source);
    qsizetype badAt = -1;
    QVERIFY2(onlyCrLf(source, &badAt), qPrintable(u"line break not CR LF at byte %1"_s.arg(badAt)));
    QVERIFY(source.endsWith("\r\n"));
    QVERIFY(cleanWindows1252(source));
    const QString text = LineFile::decode(source);
    for (const QString &phrase : phrases)
        QVERIFY2(text.contains(phrase), qPrintable(u"missing: "_s + phrase));
}

void ShippedTextsTest::rtfSource_data()
{
    QTest::addColumn<QString>("file");
    const QStringList files = rtfTopicFiles();
    if (files.isEmpty())
        QTest::newRow("no RTF topics found") << QString();
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

// An RTF topic is copied line by line into the help file, where an empty line ends the topic: so
// no empty line, CR LF only, plain ASCII (other characters escaped), balanced groups.
void ShippedTextsTest::rtfSource()
{
    QFETCH(QString, file);
    const QByteArray bytes = ShippedHelp::readAll(ShippedHelp::dataSourceDir() + u"/help/"_s + file);
    QVERIFY2(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1252"), qPrintable(file));
    QVERIFY(bytes.endsWith("}\r\n"));
    qsizetype badAt = -1;
    QVERIFY2(onlyCrLf(bytes, &badAt), qPrintable(u"line break not CR LF at byte %1"_s.arg(badAt)));
    QVERIFY2(!bytes.contains("\r\n\r\n"), "empty line inside the topic");
    int depth = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        QVERIFY2(b < 0x80, qPrintable(u"unescaped byte at %1"_s.arg(i)));
        if (b == '\\') {
            ++i; // an escaped brace or backslash is no group
        } else if (b == '{') {
            ++depth;
        } else if (b == '}') {
            --depth;
            QVERIFY2(depth >= 0 && (depth > 0 || i == bytes.size() - 3),
                     qPrintable(u"group closes early at %1"_s.arg(i)));
        }
    }
    QCOMPARE(depth, 0);
}

void ShippedTextsTest::project_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("typeLine");
    QTest::newRow("zembrota.vrp") << u"zembrota.vrp"_s << u"RTF"_s;
    QTest::newRow("quorant.vrp") << u"quorant.vrp"_s << u"RTF"_s;
    QTest::newRow("tessavor.vrp") << u"tessavor.vrp"_s << u"TXT"_s;
}

// The projects as the author keeps them: CR LF, the exact signature the author program opens, and
// in an RTF project every topic's file found beside the project, every file of its folder used.
void ShippedTextsTest::project()
{
    QFETCH(QString, project);
    QFETCH(QString, typeLine);
    const QString helpDir = ShippedHelp::dataSourceDir() + u"/help"_s;
    const QByteArray bytes = ShippedHelp::readAll(helpDir + u'/' + project);
    qsizetype badAt = -1;
    QVERIFY2(onlyCrLf(bytes, &badAt), qPrintable(u"line break not CR LF at byte %1"_s.arg(badAt)));
    QVERIFY(cleanWindows1252(bytes));
    const QStringList lines = LineFile::splitLines(bytes, LineFile::Breaks::CrLfOrCr);
    QVERIFY(lines.size() > 5);
    QCOMPARE(lines.at(0), u"TESSAVOR"_s);
    QCOMPARE(lines.at(1), typeLine);
    if (typeLine != u"RTF"_s)
        return;

    QSet<QString> named;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i - 1).startsWith(u'['))
            continue;
        const QString path = lines.at(i);
        QVERIFY2(QFileInfo(path).isRelative(), qPrintable(u"absolute path: "_s + path));
        QVERIFY2(QFileInfo::exists(helpDir + u'/' + path), qPrintable(u"missing: "_s + path));
        named.insert(path);
    }
    const QString folder = project.section(u'.', 0, 0);
    for (const QString &file : rtfTopicFiles()) {
        if (file.startsWith(folder + u'/'))
            QVERIFY2(named.contains(file), qPrintable(u"not in the project: "_s + file));
    }
}

int ShippedHelp::runTextsTest(int argc, char **argv)
{
    ShippedTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_help_texts.moc"
