// The offset reader: every result equals the line-by-line definition (splitLines with the list and
// body functions), for odd line breaks, bytes 0x80 to 0x9F, chunk borders and files read from disk.
#include "helpfile/bytesource.h"
#include "helpfile/helpfile.h"
#include "helpfile/linescan.h"
#include "tests/testsupport/testsupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the reader must give, taken from the file's lines with the definitions on lines.
void compareWithLines(const QByteArray &bytes, const HelpFile::Document &document, const QStringList &topics)
{
    const QStringList lines = HelpFile::splitLines(bytes);
    QCOMPARE(document.lines.size(), lines.size());
    QCOMPARE(document.lines.toList(), lines);
    QCOMPARE(document.typeLine, lines.at(1));
    QCOMPARE(document.title, lines.at(2));
    QCOMPARE(document.contents, HelpFile::contentsList(lines));
    QCOMPARE(document.index, HelpFile::indexList(lines));
    for (const QString &topic : topics) {
        QCOMPARE(document.plainText(topic), HelpFile::plainTopicText(lines, topic));
        QCOMPARE(document.richLines(topic), HelpFile::richTopicLines(lines, topic));
    }
}

QByteArray cp1252(const char *text)
{
    return QByteArray(text);
}

// The bracketed lines by their definition: split into lines (CR LF or a lone CR), trim the spaces,
// keep those of two bytes or more from "[" to "]".
std::vector<HelpFile::BracketedLine> bracketedByLines(const QByteArray &bytes)
{
    std::vector<HelpFile::BracketedLine> found;
    const auto note = [&](qint64 start, qint64 end) {
        qint64 first = start;
        qint64 last = end;
        while (first < last && bytes[first] == ' ')
            ++first;
        while (last > first && bytes[last - 1] == ' ')
            --last;
        if (last - first >= 2 && bytes[first] == '[' && bytes[last - 1] == ']')
            found.push_back({start, end, first, last, -1});
    };
    qint64 start = 0;
    for (qint64 i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        note(start, i);
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        note(start, bytes.size());
    return found;
}

// The scan finds exactly those lines, each short one's text in the pool.
void compareBracketed(const QByteArray &bytes, qint64 blockSize)
{
    const auto source = HelpFile::ByteSource::fromBytes(bytes);
    const HelpFile::BracketedLines scanned = HelpFile::findBracketedLines(*source, blockSize);
    std::vector<HelpFile::BracketedLine> expected = bracketedByLines(bytes);
    QCOMPARE(scanned.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const HelpFile::BracketedLine &line = scanned.lines[i];
        const qint64 length = line.trimEnd - line.trimStart;
        expected[i].pooled = line.pooled;
        QVERIFY(line == expected[i]);
        QCOMPARE(line.pooled<0, length> HelpFile::pooledLength);
        if (line.pooled >= 0)
            QCOMPARE(scanned.pool.mid(line.pooled, length), bytes.mid(line.trimStart, length));
    }
    QCOMPARE(HelpFile::countLines(*source, blockSize), qint64(HelpFile::splitLines(bytes).size()));
}

} // namespace

class TestHelpReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameAsTheLineDefinition_data();
    void sameAsTheLineDefinition();
    void randomFiles();
    void chunkBorders_data();
    void chunkBorders();
    void linesOfAnEmptyDocument();
    void bracketScanAcrossBlocks_data();
    void bracketScanAcrossBlocks();
    void bracketScanOfRandomFiles();
    void readPlansGiveTheSame_data();
    void readPlansGiveTheSame();
    void listLaterGivesTheSame_data();
    void listLaterGivesTheSame();
    void statusWithoutTheList_data();
    void statusWithoutTheList();
};

void TestHelpReader::sameAsTheLineDefinition_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("topics");
    const QByteArray head = "TESSAVOR\r\nRTF\r\nTitel\r\n\r\nA\r\n B \r\n\r\n";
    QTest::newRow("two blocks") << head + "[A]\r\na1\r\na2\r\n\r\n[B]\r\nb\r\n\r\n"
                                << QStringList{u"A"_s, u"B"_s, u"C"_s, u" B "_s};
    QTest::newRow("lone CR ends lines, lone LF does not")
        << QByteArray("TESSAVOR\rTXT\r\nT\n2\r\r[A]\ra\nb\r\r[B]\r\nb") << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("header with spaces around it") << head + "   [A]  \r\nx\r\n\r\n" << QStringList{u"A"_s};
    QTest::newRow("header as the last line, with and without break") << head + "[A]\r\n"
                                                                     << QStringList{u"A"_s};
    QTest::newRow("header as the last line without break") << head + "[A]" << QStringList{u"A"_s};
    QTest::newRow("header inside a body starts it anew")
        << head + "[A]\r\none\r\n[A]\r\ntwo\r\nthree\r\n\r\n[A]\r\nfour\r\n\r\n"
        << QStringList{u"A"_s};
    QTest::newRow("first body line empty runs into the next block") << head + "[A]\r\n\r\n[B]\r\nb\r\n\r\n"
                                                                    << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("block without its empty line runs to the end")
        << head + "[A]\r\nx\r\n[B]\r\ny" << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("type, title and list lines that look like headers")
        << QByteArray("TESSAVOR\r\n[A]\r\n[A]\r\n\r\n[A]\r\n\r\n[A]\r\nbody\r\n\r\n") << QStringList{u"A"_s};
    QTest::newRow("empty topic name") << head + "[]\r\nleer\r\n\r\n" << QStringList{QString(), u" "_s};
    QTest::newRow("names and bodies in 0x80 to 0x9F")
        << head + cp1252("[\x80uro \x84\x93 \x9f]\r\n\x81\x8d\x8f\x90\x9d \x96 \x85\r\n\r\n")
        << QStringList{u"€uro „“ Ÿ"_s, u"\u0080uro"_s, u"Ω"_s};
    QTest::newRow("space-only line does not end a block") << head + "[A]\r\nx\r\n   \r\ny\r\n\r\nz\r\n"
                                                          << QStringList{u"A"_s};
    QTest::newRow("brackets not alone on the line") << head + "[A] x\r\n[A]x]\r\nb\r\n\r\n"
                                                    << QStringList{u"A"_s, u"A] x"_s, u"A]x"_s};
}

void TestHelpReader::sameAsTheLineDefinition()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, topics);
    const HelpFile::ReadResult result = HelpFile::read(bytes);
    QVERIFY(result.ok());
    compareWithLines(bytes, result.document, topics);
}

// Small files from a few bytes that matter: brackets, blanks, both breaks, letters, 0x80 and 0x9F.
void TestHelpReader::randomFiles()
{
    const char alphabet[] = {'[', ']', ' ', 'A', 'B', '\r', '\n', '\r', char(0x80), char(0x9f)};
    const QStringList topics{u"A"_s, u"B"_s, u"AB"_s, QString(), u" A"_s, u"€"_s};
    QRandomGenerator random(14);
    int checked = 0;
    for (int round = 0; round < 1000; ++round) {
        QByteArray bytes = "TESSAVOR\r\nRTF\r\nT\r\n\r\n";
        const int length = int(random.bounded(60));
        for (int i = 0; i < length; ++i)
            bytes += alphabet[random.bounded(int(sizeof alphabet))];
        const HelpFile::ReadResult result = HelpFile::read(bytes);
        QVERIFY(result.ok());
        compareWithLines(bytes, result.document, topics);
        if (QTest::currentTestFailed()) {
            qWarning() << "file:" << bytes.toPercentEncoding();
            return;
        }
        ++checked;
    }
    QCOMPARE(checked, 1000);
}

// The reader takes the file in chunks of 1 MiB: a break, a header and a list line across the
// border between two chunks read as they would from one piece, from memory and from disk.
void TestHelpReader::chunkBorders_data()
{
    QTest::addColumn<int>("shift");
    // The last byte of the first chunk is: the CR of a CR LF, the LF, the "[" of a header, its "]".
    QTest::newRow("CR LF split") << 0;
    QTest::newRow("after CR LF") << 1;
    QTest::newRow("header split after its [") << 4;
    QTest::newRow("header split before its ]") << 5;
    QTest::newRow("header ends the chunk") << 6;
    QTest::newRow("lone CR at the border") << 100;
}

void TestHelpReader::chunkBorders()
{
    QFETCH(int, shift);
    constexpr int chunk = 1024 * 1024;
    QByteArray bytes = "TESSAVOR\r\nRTF\r\nGroß\r\n\r\nA\r\nB\r\n\r\n[A]\r\n";
    // Filler lines of one topic body up to the border.
    const int target = chunk - 1 - (shift == 100 ? 0 : shift);
    while (bytes.size() < target - 40)
        bytes += QByteArray(30, 'x') + "\r\n";
    bytes += QByteArray(target - bytes.size(), 'y');
    if (shift == 100)
        bytes += "\r[B]\rb\r\r";
    else
        bytes += "\r\n\r\n[B]\r\nb\r\n\r\n"; // the CR of the body's last line is the chunk's last byte
    bytes += "[A]\r\nzweiter\r\n\r\n";
    const QStringList topics{u"A"_s, u"B"_s};
    const HelpFile::ReadResult fromMemory = HelpFile::read(bytes);
    QVERIFY(fromMemory.ok());
    compareWithLines(bytes, fromMemory.document, topics);

    TestSupport::ProgramDir dir;
    dir.write(u"gross.vry"_s, bytes);
    const HelpFile::ReadResult fromDisk = HelpFile::readFile(dir.file(u"gross.vry"_s));
    QVERIFY(fromDisk.ok());
    compareWithLines(bytes, fromDisk.document, topics);
}

void TestHelpReader::linesOfAnEmptyDocument()
{
    const HelpFile::Document document;
    QCOMPARE(document.lines.size(), 0);
    QCOMPARE(document.lines.value(0), QString());
    QCOMPARE(document.plainText(u"A"_s), QString());
    QVERIFY(document.richLines(u"A"_s).isEmpty());
    QCOMPARE(HelpFile::read(QByteArray("KEINE HILFE\r\n")).status, HelpFile::ReadStatus::NoSignature);
    QCOMPARE(HelpFile::read(QByteArray("TESSAVOR\r\nTXT")).status, HelpFile::ReadStatus::TooShort);
}

void TestHelpReader::bracketScanAcrossBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("headers") << QByteArray(
        "TESSAVOR\r\n[A]\r\nx [B]\r\n  [C]  \r\n[D]x\r\n[]\r\n[\r\n]\r\n[E]");
    QTest::newRow("breaks around headers") << QByteArray("\n[A]\r\r\n[B]\n\r[C]\r\n\n[D]\r\r[E]\r\n");
    QTest::newRow("several brackets on a line") << QByteArray("[[A]]\r[A] [B]\r x[A]\r[A]]]\r[ ]\r[ \r\n");
    QTest::newRow("a long header and a long line") << QByteArray(
        "[" + QByteArray(600, 'L') + "]\r\n[" + QByteArray(511, 'M') + "]\r\n" + QByteArray(3000, ' ') + "[" +
        QByteArray(2000, 'x') + "]" + QByteArray(700, ' ') + "\r\n[" + QByteArray(5000, 'y'));
    QTest::newRow("no bracket") << QByteArray("TESSAVOR\r\nRTF\r\n{\\rtf1 x}\r\n");
    QTest::newRow("empty") << QByteArray();
}

// Every block size from one byte up puts each "[", "]", CR and LF on a block border once.
void TestHelpReader::bracketScanAcrossBlocks()
{
    QFETCH(QByteArray, bytes);
    for (const qint64 blockSize : {1, 2, 3, 4, 5, 7, 16, 64, 4096, 1024 * 1024}) {
        compareBracketed(bytes, blockSize);
        if (QTest::currentTestFailed()) {
            qWarning() << "block size" << blockSize;
            return;
        }
    }
}

void TestHelpReader::bracketScanOfRandomFiles()
{
    const char alphabet[] = {'[', ']', ' ', ' ', 'A', '\r', '\n', '\r', char(0x9f)};
    QRandomGenerator random(1414);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        const int length = int(random.bounded(80));
        for (int i = 0; i < length; ++i)
            bytes += alphabet[random.bounded(int(sizeof alphabet))];
        compareBracketed(bytes, 1 + random.bounded(9));
        compareBracketed(bytes, 1024);
        if (QTest::currentTestFailed()) {
            qWarning() << "file:" << bytes.toPercentEncoding();
            return;
        }
    }
}

void TestHelpReader::readPlansGiveTheSame_data()
{
    sameAsTheLineDefinition_data();
}

// A read that leaves the topic headers or the index for later gives the same results when they
// are asked for; the index is made by makeIndex().
void TestHelpReader::readPlansGiveTheSame()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, topics);
    for (const bool topicsNow : {false, true}) {
        for (const bool indexNow : {false, true}) {
            HelpFile::ReadResult result = HelpFile::read(bytes, {topicsNow, indexNow});
            QVERIFY(result.ok());
            QCOMPARE(result.document.indexPending, !indexNow);
            if (!indexNow) {
                QVERIFY(result.document.index.isEmpty());
                result.document.makeIndex();
                QVERIFY(!result.document.indexPending);
            }
            compareWithLines(bytes, result.document, topics);
        }
    }
}

void TestHelpReader::listLaterGivesTheSame_data()
{
    sameAsTheLineDefinition_data();
    // The contents list read later runs over the head's read pieces (64 KiB) as at once.
    QByteArray longList = "TESSAVOR\r\nRTF\r\nLang\r\n\r\n";
    for (int i = 1; i <= 8000; ++i)
        longList += "Thema " + QByteArray::number(i) + "\r\n";
    QTest::newRow("a list longer than a piece of the head") << longList + "\r\n[Thema 8000]\r\nx\r\n\r\n"
                                                            << QStringList{u"Thema 8000"_s};
    QTest::newRow("a list up to the file's end") << longList << QStringList{u"Thema 1"_s};
    QTest::newRow("the head alone") << QByteArray("TESSAVOR\r\nTXT\r\nT") << QStringList{u"T"_s};
}

// A read that also leaves the contents list for later gives the same results when it is asked
// for; makeContents() and makeIndex() make the list and the index, in either order.
void TestHelpReader::listLaterGivesTheSame()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, topics);
    for (int plan = 0; plan < 8; ++plan) {
        const bool topicsNow = plan & 1;
        const bool indexNow = plan & 2;
        const bool contentsNow = plan & 4;
        HelpFile::ReadResult result = HelpFile::read(bytes, {topicsNow, indexNow, contentsNow});
        QVERIFY(result.ok());
        HelpFile::Document &document = result.document;
        QCOMPARE(document.indexPending, !indexNow);
        QCOMPARE(document.contentsPending, !indexNow && !contentsNow);
        if (document.contentsPending)
            QVERIFY(document.contents.isEmpty());
        // Half the plans make the list before the index, the others leave it to makeIndex().
        if (topicsNow) {
            document.makeContents();
            QCOMPARE(document.contents, HelpFile::contentsList(HelpFile::splitLines(bytes)));
            QCOMPARE(document.indexPending, !indexNow);
        }
        document.makeIndex();
        QVERIFY(!document.indexPending && !document.contentsPending);
        compareWithLines(bytes, document, topics);
        if (QTest::currentTestFailed()) {
            qWarning() << "plan" << topicsNow << indexNow << contentsNow;
            return;
        }
    }
}

// Whether the file is a help file does not depend on what the read prepares.
void TestHelpReader::statusWithoutTheList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::newRow("no signature") << QByteArray("KEINE HILFE\r\nRTF\r\nT\r\n\r\nA\r\n")
                                  << int(HelpFile::ReadStatus::NoSignature);
    QTest::newRow("empty") << QByteArray() << int(HelpFile::ReadStatus::NoSignature);
    QTest::newRow("no title line") << QByteArray("TESSAVOR\r\nTXT") << int(HelpFile::ReadStatus::TooShort);
    QTest::newRow("title without break")
        << QByteArray("TESSAVOR\r\nTXT\r\nT") << int(HelpFile::ReadStatus::Ok);
    QTest::newRow("signature with spaces, lone CRs")
        << QByteArray("  TESSAVOR \rRTF\rT\r\r") << int(HelpFile::ReadStatus::Ok);
}

void TestHelpReader::statusWithoutTheList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    for (const bool contentsNow : {false, true}) {
        HelpFile::ReadResult result = HelpFile::read(bytes, {false, false, contentsNow});
        QCOMPARE(int(result.status), status);
        if (!result.ok())
            continue;
        result.document.makeContents();
        const QStringList lines = HelpFile::splitLines(bytes);
        QCOMPARE(result.document.title, lines.at(2));
        QCOMPARE(result.document.contents, HelpFile::contentsList(lines));
    }
}

QTEST_GUILESS_MAIN(TestHelpReader)
#include "test_helpreader.moc"
