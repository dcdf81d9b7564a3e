// The RTF reader on small documents: text, destinations, character and paragraph formatting.
#include "richtext/rtfcursorwriter.h"
#include "richtext/rtfreader.h"
#include "tests/richtext/rtftestutil.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

using namespace Qt::StringLiterals;
using namespace RtfTest;

class TestRtfReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void signature_data();
    void signature();
    void notRtfLeavesDocumentEmpty();
    void text_data();
    void text();
    void longTextRuns_data();
    void longTextRuns();
    void characterFormatting_data();
    void characterFormatting();
    void manyFormatsTakingTurns();
    void groupsRestoreFormatting();
    void fontsAndColours();
    void paragraphFormatting_data();
    void paragraphFormatting();
    void paragraphPropertiesLastUntilPard();
    void finalParagraphMarkAddsNoEmptyParagraph();
    void emptyParagraphsKeepTheirHeight();
    void tableRowsAndCells();
    void tableWithMoreCellsThanDefined();
    void tableRowCount_data();
    void tableRowCount();
    void pictures_data();
    void pictures();
    void listTextInsideTableKeepsTable();
    void readingTwiceReplacesContent();
};

namespace {

QString plain(const QByteArray &rtf)
{
    QTextDocument document;
    if (!Rtf::read(rtf, &document))
        return u"<not rtf>"_s;
    return docText(document);
}

QByteArray hex(const QByteArray &bytes, int lineLength = 64)
{
    QByteArray out;
    const QByteArray h = bytes.toHex();
    for (qsizetype i = 0; i < h.size(); i += lineLength)
        out += h.mid(i, lineLength) + "\r\n";
    return out;
}

} // namespace

void TestRtfReader::signature_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("plain start") << QByteArray("{\\rtf1 x}") << true;
    QTest::newRow("leading blanks and breaks") << QByteArray(" \r\n\t{\\rtf1 x}") << true;
    QTest::newRow("truncated after signature") << QByteArray("{\\rtf") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("only blanks") << QByteArray("   \r\n") << false;
    QTest::newRow("plain text") << QByteArray("Hallo Welt") << false;
    QTest::newRow("upper case") << QByteArray("{\\RTF1 x}") << false;
    QTest::newRow("text before brace") << QByteArray("x{\\rtf1 x}") << false;
    QTest::newRow("other group first") << QByteArray("{\\ansi{\\rtf1 x}}") << false;
    QTest::newRow("half signature") << QByteArray("{\\rt") << false;
}

void TestRtfReader::signature()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, rtf);
    QCOMPARE(Rtf::isRtf(bytes), rtf);
    QTextDocument document;
    QCOMPARE(Rtf::read(bytes, &document), rtf);
}

void TestRtfReader::notRtfLeavesDocumentEmpty()
{
    QTextDocument document;
    document.setPlainText(u"alter Inhalt"_s);
    QVERIFY(!Rtf::read("kein RTF", &document));
    QVERIFY(document.isEmpty());
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("words") << QByteArray("{\\rtf1 Hallo Welt}") << u"Hallo Welt"_s;
    QTest::newRow("line ends in source are not text")
        << QByteArray("{\\rtf1 Hal\r\nlo\nWelt}") << u"HalloWelt"_s;
    QTest::newRow("delimiting space eaten") << QByteArray("{\\rtf1\\b fett\\b0  normal}") << u"fett normal"_s;
    QTest::newRow("escaped specials") << QByteArray("{\\rtf1 a\\\\b\\{c\\}d}") << u"a\\b{c}d"_s;
    QTest::newRow("hex in 1252 by default")
        << QByteArray("{\\rtf1\\ansi gr\\'fc\\'dfe \\'80}") << u"grüße €"_s;
    QTest::newRow("hex upper case digits") << QByteArray("{\\rtf1 \\'C4\\'d6}") << u"ÄÖ"_s;
    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}") << u"При"_s;
    QTest::newRow("ansicpg 1250") << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8}") << u"šč"_s;
    QTest::newRow("font charset overrides code page")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Greek;}}\\f1 \\'e1\\f0 \\'e1}")
        << u"αá"_s;
    QTest::newRow("shift-jis double byte")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'83A}") << u"あア"_s;
    QTest::newRow("mac code page") << QByteArray("{\\rtf1\\mac \\'8a}") << u"ä"_s;
    QTest::newRow("unicode with one fallback") << QByteArray("{\\rtf1 \\u8364?x}") << u"€x"_s;
    QTest::newRow("unicode fallback hex") << QByteArray("{\\rtf1 \\u252\\'fcber}") << u"über"_s;
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-3?}") << u"\uFFFD"_s;
    QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80x}") << u"€x"_s;
    QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << u"€x"_s;
    QTest::newRow("uc scoped by group") << QByteArray("{\\rtf1{\\uc2 \\u228??}\\u246?x}") << u"äöx"_s;
    QTest::newRow("fallback ends at group end") << QByteArray("{\\rtf1\\uc3 {\\u228?}x}") << u"äx"_s;
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << u"\U0001F600"_s;
    QTest::newRow("special symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d}") << u"a\u00A0b\u00ADc\u2011d"_s;
    QTest::newRow("typographic words")
        << QByteArray("{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << u"—–•‘’“”"_s;
    QTest::newRow("par line tab") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d}") << u"a\nb\nc\td"_s;
    QTest::newRow("backslash line end is par") << QByteArray("{\\rtf1 a\\\r\nb}") << u"a\nb"_s;
    QTest::newRow("font table skipped") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}x}") << u"x"_s;
    QTest::newRow("colour table skipped")
        << QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}x}") << u"x"_s;
    QTest::newRow("stylesheet skipped") << QByteArray("{\\rtf1{\\stylesheet{\\s1 Heading 1;}}x}") << u"x"_s;
    QTest::newRow("info skipped") << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}}x}") << u"x"_s;
    QTest::newRow("headers and footers skipped")
        << QByteArray("{\\rtf1{\\header H}{\\footerl F}{\\headerf G}x}") << u"x"_s;
    QTest::newRow("footnote after the text, below a line")
        << QByteArray("{\\rtf1 x{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} Fuss}y}")
        << u"x1y\n\n1 Fuss"_s;
    QTest::newRow("unknown starred destination skipped")
        << QByteArray("{\\rtf1{\\*\\foo bar{baz}}x}") << u"x"_s;
    QTest::newRow("unknown plain group shown") << QByteArray("{\\rtf1{\\foo bar}x}") << u"barx"_s;
    QTest::newRow("field shows result")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}} ok}") << u"Link ok"_s;
    QTest::newRow("field instruction without star")
        << QByteArray("{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 3}}}") << u"3"_s;
    QTest::newRow("list texts shown")
        << QByteArray("{\\rtf1{\\listtext 1.\\tab}Eins\\par{\\pntext\\'b7\\tab}Zwei}")
        << u"1.\tEins\n·\tZwei"_s;
    QTest::newRow("bin skipped by count") << QByteArray("{\\rtf1 a{\\*\\x\\bin4 }{\\}}b}") << u"ab"_s;
    QTest::newRow("bin in text") << QByteArray("{\\rtf1 a\\bin3 xyzb}") << u"ab"_s;
    QTest::newRow("bin count beyond end") << QByteArray("{\\rtf1 a\\bin999 xyz") << u"a"_s;
    QTest::newRow("hidden text not shown") << QByteArray("{\\rtf1 a{\\v versteckt}b\\v c\\v0 d}") << u"abd"_s;
    QTest::newRow("text after document ignored") << QByteArray("{\\rtf1 a}b{c}") << u"a"_s;
    QTest::newRow("nonshppict skipped, shppict kept")
        << QByteArray("{\\rtf1{\\*\\shppict x}{\\nonshppict y}z}") << u"xz"_s;
    QTest::newRow("control word too long")
        << QByteArray("{\\rtf1 a\\abcdefghijklmnopqrstuvwxyzabcdefghij b}") << u"ab"_s;
    QTest::newRow("negative parameter") << QByteArray("{\\rtf1\\fi-360 a}") << u"a"_s;
    QTest::newRow("minus without digits is text") << QByteArray("{\\rtf1\\b-x}") << u"-x"_s;
    QTest::newRow("tab character in source") << QByteArray("{\\rtf1 a\tb}") << u"a\tb"_s;
    QTest::newRow("nested cell and row") << QByteArray("{\\rtf1 a\\nestcell b\\nestrow c}") << u"a\tb\nc"_s;
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(plain(rtf), expected);
}

void TestRtfReader::longTextRuns_data()
{
    // Plain ASCII text is copied many bytes at a time: whatever else stands at any place in a long
    // run must still come out as it does alone.
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QByteArray text = "Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae";
    struct Insert
    {
        const char *name;
        QByteArray bytes;
        QString shown;
    };
    const Insert inserts[] = {
        {"hex", "\\'e4", u"ä"_s},        {"raw high byte", "\xfc", u"ü"_s},
        {"del byte", "\x7f", u"\x7f"_s}, {"source line end", "\r\n", QString()},
        {"tab", "\t", u"\t"_s},          {"control word", "\\b ", QString()},
        {"group", "{x}", u"x"_s},        {"escaped brace", "\\{", u"{"_s},
        {"unicode", "\\u8364?", u"€"_s},
    };
    const qsizetype places[] = {0, 1, 7, 15, 16, 17, 31, 32, 33, 50, text.size()};
    for (const Insert &insert : inserts) {
        for (const qsizetype at : places) {
            QByteArray body = text;
            body.insert(at, insert.bytes);
            QString expected = QString::fromLatin1(text);
            expected.insert(at, insert.shown);
            QTest::addRow("%s at %d", insert.name, int(at)) << "{\\rtf1\\ansi " + body + "}" << expected;
        }
    }
    // A symbol font maps letters elsewhere: its text keeps going through its table.
    QTest::newRow("symbol font")
        << QByteArray(
               "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}\\f1 abababababababababababababababab\\f0 ab}")
        << (QString(u"αβ"_s).repeated(16) + u"ab"_s);
}

void TestRtfReader::longTextRuns()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(plain(rtf), expected);
}

void TestRtfReader::characterFormatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("bold") << QByteArray("{\\rtf1 \\b X}") << u"bold"_s << QVariant(true);
    QTest::newRow("bold off") << QByteArray("{\\rtf1 \\b\\b0 X}") << u"bold"_s << QVariant(false);
    QTest::newRow("italic") << QByteArray("{\\rtf1 \\i X}") << u"italic"_s << QVariant(true);
    QTest::newRow("underline") << QByteArray("{\\rtf1 \\ul X}") << u"underline"_s << QVariant(true);
    QTest::newRow("double underline") << QByteArray("{\\rtf1 \\uldb X}") << u"underline"_s << QVariant(true);
    QTest::newRow("ulnone") << QByteArray("{\\rtf1 \\ul\\ulnone X}") << u"underline"_s << QVariant(false);
    QTest::newRow("ul0") << QByteArray("{\\rtf1 \\ul\\ul0 X}") << u"underline"_s << QVariant(false);
    QTest::newRow("strike") << QByteArray("{\\rtf1 \\strike X}") << u"strike"_s << QVariant(true);
    QTest::newRow("size in half points") << QByteArray("{\\rtf1 \\fs28 X}") << u"size"_s << QVariant(14.0);
    QTest::newRow("odd half points") << QByteArray("{\\rtf1 \\fs21 X}") << u"size"_s << QVariant(10.5);
    QTest::newRow("default size") << QByteArray("{\\rtf1 X}") << u"size"_s << QVariant(12.0);
    QTest::newRow("plain resets") << QByteArray("{\\rtf1 \\b\\i\\ul\\fs40\\plain X}") << u"all off"_s
                                  << QVariant(true);
    QTest::newRow("superscript") << QByteArray("{\\rtf1 \\super X}") << u"vertical"_s
                                 << QVariant(int(QTextCharFormat::AlignSuperScript));
    QTest::newRow("subscript by dn") << QByteArray("{\\rtf1 \\dn4 X}") << u"vertical"_s
                                     << QVariant(int(QTextCharFormat::AlignSubScript));
    QTest::newRow("nosupersub") << QByteArray("{\\rtf1 \\super\\nosupersub X}") << u"vertical"_s
                                << QVariant(int(QTextCharFormat::AlignNormal));
}

void TestRtfReader::characterFormatting()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    const QTextCharFormat format = charFormatAt(document, u"X"_s);
    QVERIFY(format.isValid());
    if (property == u"bold")
        QCOMPARE(format.fontWeight() >= QFont::Bold, value.toBool());
    else if (property == u"italic")
        QCOMPARE(format.fontItalic(), value.toBool());
    else if (property == u"underline")
        QCOMPARE(format.fontUnderline(), value.toBool());
    else if (property == u"strike")
        QCOMPARE(format.fontStrikeOut(), value.toBool());
    else if (property == u"size")
        QCOMPARE(format.fontPointSize(), value.toDouble());
    else if (property == u"vertical")
        QCOMPARE(int(format.verticalAlignment()), value.toInt());
    else if (property == u"all off") {
        QVERIFY(format.fontWeight() < QFont::Bold);
        QVERIFY(!format.fontItalic());
        QVERIFY(!format.fontUnderline());
        QCOMPARE(format.fontPointSize(), 12.0);
    } else {
        QFAIL("unknown property");
    }
}

void TestRtfReader::manyFormatsTakingTurns()
{
    // More formats than the reader keeps at hand, and back again: each run keeps its own.
    QByteArray rtf = "{\\rtf1 ";
    const int count = 90;
    for (int i = 0; i < count; ++i)
        rtf += "\\fs" + QByteArray::number(16 + 2 * i) + (i % 3 == 0 ? "\\b" : "\\b0") + " [" +
               QByteArray::number(i) + "]";
    for (int i = count - 1; i >= 0; i -= 7)
        rtf += "\\fs" + QByteArray::number(16 + 2 * i) + "\\b0\\i (" + QByteArray::number(i) + ")\\i0";
    rtf += "}";
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    for (int i = 0; i < count; ++i) {
        const QTextCharFormat format = charFormatAt(document, u"[%1]"_s.arg(i));
        QCOMPARE(format.fontPointSize(), 8.0 + i);
        QCOMPARE(format.fontWeight() == QFont::Bold, i % 3 == 0);
        QVERIFY(!format.fontItalic());
    }
    for (int i = count - 1; i >= 0; i -= 7) {
        const QTextCharFormat format = charFormatAt(document, u"(%1)"_s.arg(i));
        QCOMPARE(format.fontPointSize(), 8.0 + i);
        QVERIFY(format.fontWeight() != QFont::Bold);
        QVERIFY(format.fontItalic());
    }
}

void TestRtfReader::groupsRestoreFormatting()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1\\fs20 A{\\b B{\\i\\fs40 C}D}E\\i F}", &document));
    QCOMPARE(docText(document), u"ABCDEF"_s);
    const auto check = [&](const QString &letter, bool bold, bool italic, double size) {
        const QTextCharFormat format = charFormatAt(document, letter);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        QCOMPARE(format.fontItalic(), italic);
        QCOMPARE(format.fontPointSize(), size);
    };
    check(u"A"_s, false, false, 10);
    check(u"B"_s, true, false, 10);
    check(u"C"_s, true, true, 20);
    check(u"D"_s, true, false, 10);
    check(u"E"_s, false, false, 10);
    check(u"F"_s, false, true, 10);
}

void TestRtfReader::fontsAndColours()
{
    QTextDocument document;
    QVERIFY(
        Rtf::read("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                  "{\\f1\\fswiss Arial;}{\\f2\\fmodern{\\*\\panose 0203}Courier New;}\\f3 Gr\\'fcn;"
                  "{\\f4 MS \\u26126\\'82Mincho;}}"
                  "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}"
                  "A\\f0 B\\f2 C\\f3 D\\cf1 E\\cf0 F\\cb2 G\\highlight3 H\\cf9 I\\f4 J}",
                  &document));
    QCOMPARE(docText(document), u"ABCDEFGHIJ"_s);
    QCOMPARE(charFormatAt(document, u"A"_s).fontFamilies().toStringList().value(0), u"Arial"_s);
    QVERIFY(charFormatAt(document, u"A"_s).fontFamilies().toStringList().contains(u"Liberation Sans"_s));
    QCOMPARE(charFormatAt(document, u"B"_s).fontFamilies().toStringList(),
             QStringList({u"Times New Roman"_s, u"Liberation Serif"_s}));
    QCOMPARE(charFormatAt(document, u"C"_s).fontFamilies().toStringList().value(0), u"Courier New"_s);
    QCOMPARE(charFormatAt(document, u"C"_s).fontStyleHint(), QFont::Monospace);
    QCOMPARE(charFormatAt(document, u"D"_s).fontFamilies().toStringList().value(0), u"Grün"_s);
    // The fallback of a \\uN in a font name is not part of the name.
    QCOMPARE(charFormatAt(document, u"J"_s).fontFamilies().toStringList().value(0), u"MS Mincho"_s);
    QCOMPARE(charFormatAt(document, u"E"_s).foreground().color(), QColor(255, 0, 0));
    // Colour 0 is the automatic colour: no colour of its own.
    QCOMPARE(charFormatAt(document, u"F"_s).foreground().style(), Qt::NoBrush);
    QCOMPARE(charFormatAt(document, u"G"_s).background().color(), QColor(0, 128, 0));
    QCOMPARE(charFormatAt(document, u"H"_s).background().color(), QColor(255, 255, 0));
    // An index beyond the table is the automatic colour too.
    QCOMPARE(charFormatAt(document, u"I"_s).foreground().style(), Qt::NoBrush);
}

void TestRtfReader::paragraphFormatting_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("indent");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");

    // 15 twips are one pixel at 96 dots per inch.
    QTest::newRow("defaults") << QByteArray("") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("centre") << QByteArray("\\qc") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("right") << QByteArray("\\qr") << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("justify") << QByteArray("\\qj") << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0 << 0.0
                             << 0.0;
    QTest::newRow("left after centre")
        << QByteArray("\\qc\\ql") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("indents") << QByteArray("\\li720\\ri360\\fi-360") << int(Qt::AlignLeft) << 48.0 << 24.0
                             << -24.0 << 0.0 << 0.0;
    QTest::newRow("spacing") << QByteArray("\\sb240\\sa120") << int(Qt::AlignLeft) << 0.0 << 0.0 << 0.0
                             << 16.0 << 8.0;
    QTest::newRow("absurd indent clamped")
        << QByteArray("\\li99999999") << int(Qt::AlignLeft) << 2112.0 << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestRtfReader::paragraphFormatting()
{
    QFETCH(QByteArray, words);
    QFETCH(int, alignment);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, indent);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1 Davor\\par\\pard" + words + " X\\par\\pard Danach\\par}", &document));
    QCOMPARE(docText(document), u"Davor\nX\nDanach"_s);
    const QTextBlockFormat format = blockFormatAt(document, u"X"_s);
    QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(format.leftMargin(), left);
    QCOMPARE(format.rightMargin(), right);
    QCOMPARE(format.textIndent(), indent);
    QCOMPARE(format.topMargin(), top);
    QCOMPARE(format.bottomMargin(), bottom);
    // The paragraphs around keep the defaults.
    QCOMPARE(blockFormatAt(document, u"Danach"_s).leftMargin(), 0.0);
    QCOMPARE(int(blockFormatAt(document, u"Davor"_s).alignment() & Qt::AlignHorizontal_Mask),
             int(Qt::AlignLeft));
}

void TestRtfReader::paragraphPropertiesLastUntilPard()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1\\qc\\li300 Eins\\par Zwei\\par\\pard Drei}", &document));
    QCOMPARE(int(blockFormatAt(document, u"Zwei"_s).alignment() & Qt::AlignHorizontal_Mask),
             int(Qt::AlignHCenter));
    QCOMPARE(blockFormatAt(document, u"Zwei"_s).leftMargin(), 20.0);
    QCOMPARE(blockFormatAt(document, u"Drei"_s).leftMargin(), 0.0);
}

void TestRtfReader::finalParagraphMarkAddsNoEmptyParagraph()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1 a\\par b\\par}", &document));
    QCOMPARE(document.blockCount(), 2);
    QVERIFY(Rtf::read("{\\rtf1 a\\par\\par b\\par\\par}", &document));
    QCOMPARE(docText(document), u"a\n\nb\n"_s);
}

void TestRtfReader::emptyParagraphsKeepTheirHeight()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1 a\\par\\fs48\\par b}", &document));
    QCOMPARE(document.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
}

void TestRtfReader::tableRowsAndCells()
{
    QTextDocument document;
    QVERIFY(Rtf::read(
        "{\\rtf1 Vor\\par"
        "\\trowd\\trgaph70\\clbrdrt\\brdrs\\brdrw30\\clbrdrb\\brdrs\\cellx1500\\clbrdrl\\brdrnone\\cellx4500"
        "\\pard\\intbl amare\\cell lieben\\cell\\row"
        "\\trowd\\cellx1500\\cellx4500\\pard\\intbl\\b laudare\\b0\\cell loben\\par gut\\cell\\row"
        "\\pard Nach}",
        &document));
    QCOMPARE(docText(document).split(u'\n', Qt::SkipEmptyParts),
             QStringList({u"Vor"_s, u"amare"_s, u"lieben"_s, u"laudare"_s, u"loben"_s, u"gut"_s, u"Nach"_s}));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"amare"_s));
    QTextTable *table = cursor.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), u"lieben"_s);
    QCOMPARE(table->cellAt(1, 0).firstCursorPosition().block().text(), u"laudare"_s);
    QVERIFY(charFormatAt(document, u"laudare"_s).fontWeight() >= QFont::Bold);
    // Borders as the row definition gives them, cell by cell.
    const QTextTableCellFormat first = table->cellAt(0, 0).format().toTableCellFormat();
    QCOMPARE(first.topBorder(), 2.0);
    QCOMPARE(first.bottomBorder(), 1.0);
    QCOMPARE(first.leftBorder(), 0.0);
    const QTextTableCellFormat second = table->cellAt(0, 1).format().toTableCellFormat();
    QCOMPARE(second.topBorder(), 0.0);
    QCOMPARE(second.leftBorder(), 0.0);
    QCOMPARE(table->cellAt(1, 0).format().toTableCellFormat().topBorder(), 0.0);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths.at(0).rawValue(), 100.0);
    QCOMPARE(widths.at(1).rawValue(), 200.0);
    cursor.setPosition(find(document, u"Nach"_s));
    QVERIFY(!cursor.currentTable());
    cursor.setPosition(find(document, u"Vor"_s));
    QVERIFY(!cursor.currentTable());
}

void TestRtfReader::tableWithMoreCellsThanDefined()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell b\\cell c\\cell\\row}", &document));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"a"_s));
    QVERIFY(cursor.currentTable());
    QCOMPARE(cursor.currentTable()->columns(), 3);
    QCOMPARE(docText(document).split(u'\n', Qt::SkipEmptyParts), QStringList({u"a"_s, u"b"_s, u"c"_s}));
}

void TestRtfReader::tableRowCount_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("textAfter");
    for (int rows : {1, 2, 3, 5, 9, 33, 200}) {
        QTest::addRow("%d rows, then text", rows) << rows << true;
        QTest::addRow("%d rows at the end", rows) << rows << false;
    }
}

void TestRtfReader::tableRowCount()
{
    QFETCH(int, rows);
    QFETCH(bool, textAfter);
    QByteArray rtf = "{\\rtf1 ";
    for (int row = 0; row < rows; ++row)
        rtf +=
            "\\trowd\\cellx1000\\cellx2000\\pard\\intbl r" + QByteArray::number(row) + "\\cell x\\cell\\row ";
    rtf += textAfter ? "\\pard Ende}" : "}";
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"r0"_s));
    QTextTable *table = cursor.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), rows);
    QCOMPARE(table->cellAt(rows - 1, 0).firstCursorPosition().block().text(), u"r%1"_s.arg(rows - 1));
    if (textAfter) {
        cursor.setPosition(find(document, u"Ende"_s));
        QVERIFY(!cursor.currentTable());
    }
}

void TestRtfReader::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("blip");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QSize>("size");

    QTest::newRow("png at goal size")
        << u"rtf/sources/rot.png"_s << QByteArray("\\pngblip\\picwgoal900\\pichgoal450") << true
        << QSize(60, 30);
    QTest::newRow("png scaled") << u"rtf/sources/rot.png"_s
                                << QByteArray(
                                       "\\pngblip\\picwgoal600\\pichgoal300\\picscalex50\\picscaley200")
                                << true << QSize(20, 40);
    QTest::newRow("jpeg at own size")
        << u"rtf/sources/blau.jpg"_s << QByteArray("\\jpegblip") << true << QSize(30, 30);
    QTest::newRow("metafile as a frame")
        << u"rtf/sources/rot.png"_s << QByteArray("\\wmetafile8\\picwgoal1500\\pichgoal750") << true
        << QSize(100, 50);
    QTest::newRow("emf as a frame") << u"rtf/sources/rot.png"_s
                                    << QByteArray("\\emfblip\\picwgoal300\\pichgoal600") << true
                                    << QSize(20, 40);
    QTest::newRow("damaged png skipped") << QString() << QByteArray("\\pngblip") << false << QSize();
}

void TestRtfReader::pictures()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, blip);
    QFETCH(bool, shown);
    QFETCH(QSize, size);
    QByteArray data = "89504e470d0a1a0a0000";
    if (!file.isEmpty()) {
        QFile f(TestSupport::dataPath(file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        data = hex(f.readAll());
    }
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1 a{\\pict" + blip + "\r\n" + data + "}b}", &document));
    const QString shownText = docText(document);
    QCOMPARE(shownText.size(), shown ? 3 : 2);
    QVERIFY(shownText.startsWith(u'a') && shownText.endsWith(u'b'));
    if (!shown)
        return;
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    if (blip.contains("meta") || blip.contains("emf")) {
        // A frame of the picture's size with a note stands in for a picture that cannot be shown.
        const QTextCharFormat frame = cursor.charFormat();
        QCOMPARE(frame.objectType(), Rtf::pictureNoteObjectType);
        QCOMPARE(QSize(qRound(frame.doubleProperty(Rtf::pictureNoteWidthProperty)),
                       qRound(frame.doubleProperty(Rtf::pictureNoteHeightProperty))),
                 size);
        QCOMPARE(frame.stringProperty(Rtf::pictureNoteTextProperty), u"Bild nicht darstellbar (WMF/EMF)"_s);
        return;
    }
    const QTextImageFormat format = cursor.charFormat().toImageFormat();
    QVERIFY(format.isValid());
    QCOMPARE(QSize(qRound(format.width()), qRound(format.height())), size);
    const QImage image = pictureOf(document, format.name());
    QVERIFY(!image.isNull());
}

void TestRtfReader::listTextInsideTableKeepsTable()
{
    QTextDocument document;
    QVERIFY(Rtf::read(
        "{\\rtf1\\trowd\\cellx2000\\cellx4000\\pard\\intbl{\\listtext\\pard\\plain 1.\\tab}Eins\\cell"
        " Zwei\\cell\\row}",
        &document));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"Zwei"_s));
    QVERIFY(cursor.currentTable());
    QCOMPARE(cursor.currentTable()->columns(), 2);
    QCOMPARE(cursor.currentTable()->cellAt(0, 0).firstCursorPosition().block().text(), u"1.\tEins"_s);
}

void TestRtfReader::readingTwiceReplacesContent()
{
    QTextDocument document;
    QVERIFY(Rtf::read("{\\rtf1\\b erstes}", &document));
    QVERIFY(Rtf::read("{\\rtf1 zweites}", &document));
    QCOMPARE(docText(document), u"zweites"_s);
    QVERIFY(charFormatAt(document, u"zweites"_s).fontWeight() < QFont::Bold);
}

QTEST_MAIN(TestRtfReader)
#include "test_rtfreader.moc"
