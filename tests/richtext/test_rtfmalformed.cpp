// The RTF reader on damaged and hostile input: it must finish, keep what it can and stay bounded.
#include "richtext/rtfreader.h"
#include "tests/richtext/rtftestutil.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

using namespace Qt::StringLiterals;
using namespace RtfTest;

class TestRtfMalformed : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void damaged_data();
    void damaged();
    void truncatedEverywhere();
    void binaryJunk();
    void deepNesting_data();
    void deepNesting();
    void hugeHexRuns_data();
    void hugeHexRuns();
    void endlessCells();
};

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(TestSupport::dataPath(u"rtf/"_s + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Shown text; the document may never hold more characters than the input has bytes.
QString readBounded(const QByteArray &bytes)
{
    QTextDocument document;
    if (!Rtf::read(bytes, &document))
        return u"<not rtf>"_s;
    const QString text = docText(document);
    if (text.size() > bytes.size() + 2)
        return u"<grew beyond input>"_s;
    return text;
}

} // namespace

void TestRtfMalformed::damaged_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {{{ a \\b b") << u" a b"_s;
    QTest::newRow("extra closing braces end document") << QByteArray("{\\rtf1 a}}}}} b") << u"a"_s;
    QTest::newRow("closing braces first") << QByteArray("{\\rtf1 }}}{{{ x") << QString();
    QTest::newRow("backslash at end") << QByteArray("{\\rtf1 a\\") << u"a"_s;
    QTest::newRow("hex escape at end") << QByteArray("{\\rtf1 a\\'") << u"a"_s;
    QTest::newRow("half hex escape at end") << QByteArray("{\\rtf1 a\\'4") << u"a4"_s;
    QTest::newRow("hex escape not hex") << QByteArray("{\\rtf1 a\\'zzb}") << u"azzb"_s;
    QTest::newRow("star at end") << QByteArray("{\\rtf1 a{\\*") << u"a"_s;
    QTest::newRow("star then text") << QByteArray("{\\rtf1 {\\* a}b}") << u" ab"_s;
    QTest::newRow("parameter overflow")
        << QByteArray("{\\rtf1\\fs99999999999999999999999 a\\li-99999999999999 b}") << u"ab"_s;
    QTest::newRow("unicode beyond 16 bits") << QByteArray("{\\rtf1 \\u99999999?a}") << u"\uFFFDa"_s;
    QTest::newRow("huge uc") << QByteArray("{\\rtf1\\uc2147483647 \\u65 bcdefghijklmnopqrstuvwxyz01234 x}")
                             << u"Arstuvwxyz01234 x"_s;
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_s;
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin2147483647 b}") << u"a"_s;
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b\0\\b\0c}", 16) << u"abc"_s;
    QTest::newRow("font table never closed")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 x") << QString();
    QTest::newRow("font without number") << QByteArray("{\\rtf1{\\fonttbl Arial;}\\f a}") << u"a"_s;
    QTest::newRow("colour table junk")
        << QByteArray("{\\rtf1{\\colortbl;;\\red999;\\green-5;x;}\\cf3\\cf-1 a}") << u"a"_s;
    QTest::newRow("font number huge")
        << QByteArray("{\\rtf1\\f2147483647\\cf2147483647\\highlight-9 a}") << u"a"_s;
    QTest::newRow("cell outside table") << QByteArray("{\\rtf1 a\\cell b\\row c}") << u"a\tbc"_s;
    QTest::newRow("row without cells") << QByteArray("{\\rtf1 a\\row\\row b}") << u"ab"_s;
    QTest::newRow("picture never closed") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47") << u"a"_s;
    QTest::newRow("picture of junk") << QByteArray("{\\rtf1 a{\\pict\\jpegblip ffd8ffe0zz}b}") << u"ab"_s;
    QTest::newRow("unknown code page") << QByteArray("{\\rtf1\\ansicpg99999 \\'e4}") << u"ä"_s;
}

void TestRtfMalformed::damaged()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(readBounded(rtf), expected);
}

void TestRtfMalformed::truncatedEverywhere()
{
    const QByteArray whole = fixture(u"libreoffice-formatiert.rtf"_s);
    QVERIFY(!whole.isEmpty());
    QTextDocument complete;
    QVERIFY(Rtf::read(whole, &complete));
    const QString full = docText(complete);
    for (qsizetype length = 5; length < whole.size(); length += 37) {
        QTextDocument document;
        QVERIFY(Rtf::read(whole.left(length), &document));
        // A truncated document shows at most what the whole one shows.
        QVERIFY2(docText(document).size() <= full.size(), qPrintable(QString::number(length)));
    }
}

void TestRtfMalformed::binaryJunk()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes("{\\rtf1 ");
        const int size = 20000 + round * 5000;
        bytes.reserve(size);
        for (int i = 0; i < size; ++i) {
            // More braces and backslashes than in random bytes, so that the parser's paths are hit.
            const quint32 r = random.bounded(256u);
            bytes.append(r < 20 ? '{' : r < 40 ? '}' : r < 70 ? '\\' : char(random.bounded(256u)));
        }
        QVERIFY(readBounded(bytes) != u"<grew beyond input>"_s);
    }
}

void TestRtfMalformed::deepNesting_data()
{
    QTest::addColumn<bool>("closed");
    QTest::newRow("closed") << true;
    QTest::newRow("never closed") << false;
}

void TestRtfMalformed::deepNesting()
{
    QFETCH(bool, closed);
    const int depth = 100000;
    QByteArray bytes = "{\\rtf1\\b " + QByteArray(depth, '{') + "\\i tief";
    if (closed)
        bytes += QByteArray(depth, '}') + " aussen}";
    QTextDocument document;
    QVERIFY(Rtf::read(bytes, &document));
    QCOMPARE(docText(document), closed ? u"tief aussen"_s : u"tief"_s);
    QVERIFY(charFormatAt(document, u"tief"_s).fontItalic());
    if (closed) {
        // The groups beyond the depth limit still close: the italic ends with them.
        QVERIFY(!charFormatAt(document, u"aussen"_s).fontItalic());
        QVERIFY(charFormatAt(document, u"aussen"_s).fontWeight() >= QFont::Bold);
    }
}

void TestRtfMalformed::hugeHexRuns_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<int>("shownPerUnit");
    QTest::newRow("hex escapes") << QByteArray("\\'e4") << 1;
    QTest::newRow("hex escapes in double-byte page") << QByteArray("\\'82\\'a0") << 1;
    QTest::newRow("unicode escapes") << QByteArray("\\u228?") << 1;
    QTest::newRow("broken hex escapes") << QByteArray("\\'g") << 1;
}

void TestRtfMalformed::hugeHexRuns()
{
    QFETCH(QByteArray, unit);
    QFETCH(int, shownPerUnit);
    const int count = 500000;
    const QByteArray header = unit.startsWith("\\'82") ? "{\\rtf1\\ansicpg932 " : "{\\rtf1 ";
    const QByteArray bytes = header + unit.repeated(count) + "}";
    QTextDocument document;
    QVERIFY(Rtf::read(bytes, &document));
    QCOMPARE(docText(document).size(), qsizetype(count) * shownPerUnit);

    // A picture whose hex data runs to the end of the file.
    const QByteArray picture = "{\\rtf1 a{\\pict\\pngblip " + QByteArray(4'000'000, 'f');
    QVERIFY(Rtf::read(picture, &document));
    QCOMPARE(docText(document), u"a"_s);
}

void TestRtfMalformed::endlessCells()
{
    // Far more cells than any table has, then very many rows: the table stays of sane size.
    QByteArray bytes = "{\\rtf1\\trowd\\cellx100\\intbl " + QByteArray("x\\cell ").repeated(20000) + "\\row";
    bytes += QByteArray("\\intbl y\\cell\\row ").repeated(12000) + "}";
    QTextDocument document;
    QVERIFY(Rtf::read(bytes, &document));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"x"_s));
    QVERIFY(cursor.currentTable());
    QVERIFY(cursor.currentTable()->columns() <= 64);
    QVERIFY(cursor.currentTable()->rows() * cursor.currentTable()->columns() <= 4000);
    QCOMPARE(docText(document).count(u'x'), 20000);
    QCOMPARE(docText(document).count(u'y'), 12000);
}

QTEST_MAIN(TestRtfMalformed)
#include "test_rtfmalformed.moc"
