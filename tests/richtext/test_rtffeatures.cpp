// The RTF reader on word-processor documents: tables, links, notes, symbol fonts, pictures and the
// smaller things a word processor shows.
#include "richtext/rtfcursorwriter.h"
#include "richtext/rtffield.h"
#include "richtext/rtfreader.h"
#include "richtext/rtftablefit.h"
#include "tests/richtext/rtftestutil.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>

using namespace Qt::StringLiterals;
using namespace RtfTest;

class TestRtfFeatures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyCellsKeepTheirFormat();
    void rowDefinitionAfterTheCells();
    void mergedShadedAndAlignedCells();
    void nestedTable();
    void tablesFitTheArea_data();
    void tablesFitTheArea();
    void nestedTablesFitTheirCell_data();
    void nestedTablesFitTheirCell();
    void links_data();
    void links();
    void bookmarkIsAnAnchorName();
    void notesFollowTheText();
    void symbolFonts();
    void pictures();
    void columnBreakAndOneBullet();
    void underlines_data();
    void underlines();
    void byteOrderMark();
    void hyperlinkTargets_data();
    void hyperlinkTargets();
    void ignoredGroupsSkippedWhole_data();
    void ignoredGroupsSkippedWhole();
};

namespace {

// The fixture read into the document; false if it is missing or no RTF.
bool readFixture(const QString &name, QTextDocument *document)
{
    QFile file(TestSupport::dataPath(u"rtf/"_s + name));
    return file.open(QIODevice::ReadOnly) && Rtf::read(file.readAll(), document);
}

QTextTable *tableAt(QTextDocument &document, const QString &needle)
{
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, needle));
    return cursor.currentTable();
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QTextTableCellFormat cellFormat(QTextTable *table, int row, int column)
{
    return table->cellAt(row, column).format().toTableCellFormat();
}

} // namespace

void TestRtfFeatures::emptyCellsKeepTheirFormat()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-leere-zellen.rtf"_s, &document));
    QTextTable *table = tableAt(document, u"Latein"_s);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    // Empty cells, shaded or not, keep their borders and shading.
    for (const auto &[row, column] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{1, 1}}) {
        QCOMPARE(cellText(table, row, column), QString());
        const QTextTableCellFormat format = cellFormat(table, row, column);
        QCOMPARE(format.topBorder(), 1.0);
        QCOMPARE(format.bottomBorder(), 1.0);
        QCOMPARE(format.leftBorder(), 0.0);
        QCOMPARE(table->cellAt(row, column).firstCursorPosition().blockCharFormat().fontPointSize(), 12.0);
    }
    QCOMPARE(cellFormat(table, 0, 1).background().color(), QColor(204, 230, 255));
    QCOMPARE(cellFormat(table, 1, 1).background().color(), QColor(204, 230, 255));
    QCOMPARE(cellFormat(table, 1, 0).background().style(), Qt::NoBrush);
    QCOMPARE(cellText(table, 1, 2), u"lieben"_s);
    QVERIFY(!tableAt(document, u"Nach der Tabelle"_s));
}

void TestRtfFeatures::rowDefinitionAfterTheCells()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-zeilen-danach.rtf"_s, &document));
    QTextTable *table = tableAt(document, u"amare"_s);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(cellText(table, 0, 1), u"lieben"_s);
    QCOMPARE(cellText(table, 1, 0), u"laudare"_s);
    // Widths and borders of the first row come from the definition after its cells; every cell
    // has all four borders, which the table format draws.
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths.at(0).rawValue(), 160.0);
    QCOMPARE(widths.at(1).rawValue(), 320.0);
    QCOMPARE(table->format().border(), 1.0);
    // The numbered list after the table is no row of it.
    QVERIFY(!tableAt(document, u"Erste Regel"_s));
    QVERIFY(docText(document).contains(u"loben\n1.\tErste Regel\n2.\tZweite Regel"_s));
}

void TestRtfFeatures::mergedShadedAndAlignedCells()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-zellen.rtf"_s, &document));
    QTextTable *table = tableAt(document, u"Singular"_s);
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->format().alignment(), Qt::AlignHCenter);
    QCOMPARE(table->format().border(), 1.0);
    // The header's first two cells are one; a pattern of 25 % black over white is grey.
    QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);
    QCOMPARE(cellText(table, 0, 0), u"Singular"_s);
    QCOMPARE(cellFormat(table, 0, 0).background().color(), QColor(204, 230, 255));
    QCOMPARE(cellText(table, 0, 2), u"Plural"_s);
    QCOMPARE(cellFormat(table, 0, 2).background().color(), QColor(191, 191, 191));
    // "Nom." spans two rows, centred in its height; "rosae" stands at its cell's bottom.
    QCOMPARE(table->cellAt(1, 0).rowSpan(), 2);
    QCOMPARE(cellText(table, 1, 0), u"Nom."_s);
    QCOMPARE(cellFormat(table, 1, 0).verticalAlignment(), QTextCharFormat::AlignMiddle);
    QCOMPARE(cellFormat(table, 1, 2).verticalAlignment(), QTextCharFormat::AlignBottom);
    QCOMPARE(cellText(table, 2, 1), u"rosae"_s);
    QCOMPARE(cellText(table, 2, 2), u"rosarum"_s);
}

void TestRtfFeatures::nestedTable()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-verschachtelt.rtf"_s, &document));
    QTextTable *outer = tableAt(document, u"Außen links"_s);
    QVERIFY(outer);
    QCOMPARE(outer->rows(), 1);
    QCOMPARE(outer->columns(), 2);
    QCOMPARE(cellText(outer, 0, 1), u"Außen rechts"_s);
    QTextTable *inner = tableAt(document, u"innen A"_s);
    QVERIFY(inner && inner != outer);
    QCOMPARE(inner->parentFrame(), outer);
    QCOMPARE(inner->rows(), 2);
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(cellText(inner, 0, 1), u"innen B"_s);
    QCOMPARE(cellText(inner, 1, 1), u"innen D"_s);
    QCOMPARE(inner->format().columnWidthConstraints().at(1).rawValue(), 2000 / 15.0);
    QVERIFY(!tableAt(document, u"Danach"_s));
}

void TestRtfFeatures::tablesFitTheArea_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("narrow area: shrunk") << 300.0 << true;
    QTest::newRow("just too narrow: shrunk") << 490.0 << true;
    QTest::newRow("wide area: natural widths") << 1000.0 << false;
}

void TestRtfFeatures::tablesFitTheArea()
{
    QFETCH(double, width);
    QFETCH(bool, shrunk);
    QTextDocument document;
    QVERIFY(readFixture(u"word-zeilen-danach.rtf"_s, &document));
    // Fitted twice, the second time from the first result: the natural widths are kept.
    Rtf::fitTablesToWidth(&document, 200);
    Rtf::fitTablesToWidth(&document, width);
    const QTextTableFormat format = tableAt(document, u"amare"_s)->format();
    const QList<QTextLength> widths = format.columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    if (shrunk) {
        QCOMPARE(widths.at(0).type(), QTextLength::PercentageLength);
        QCOMPARE(qRound(widths.at(0).rawValue() * 3), 100);
        QCOMPARE(qRound(widths.at(1).rawValue() * 3), 200);
        QCOMPARE(format.width(), QTextLength(QTextLength::PercentageLength, 100));
    } else {
        QCOMPARE(widths.at(0), QTextLength(QTextLength::FixedLength, 160));
        QCOMPARE(widths.at(1), QTextLength(QTextLength::FixedLength, 320));
        QCOMPARE(format.width().type(), QTextLength::VariableLength);
    }
}

void TestRtfFeatures::nestedTablesFitTheirCell_data()
{
    // Outer columns of 300 px (padding 7.2 px, borders 1 px: 631.8 px in all), inner columns of
    // 100 px (231.8 px in all) in the outer's first cell.
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("outerShrunk");
    QTest::addColumn<bool>("innerShrunk");
    QTest::newRow("wide area: both natural") << 1000.0 << false << false;
    QTest::newRow("outer shrunk, its cell still holds the inner table") << 560.0 << true << false;
    QTest::newRow("outer shrunk, the inner table shrinks into its cell") << 400.0 << true << true;
}

void TestRtfFeatures::nestedTablesFitTheirCell()
{
    QFETCH(double, width);
    QFETCH(bool, outerShrunk);
    QFETCH(bool, innerShrunk);
    const QByteArray border = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                              "\\clbrdrr\\brdrs\\brdrw10";
    const QByteArray innerRow = "{\\*\\nesttableprops\\trowd\\trgaph108" + border + "\\cellx1500" + border +
                                "\\cellx3000\\nestrow}{\\nonesttables\\par}";
    const QByteArray rtf = "{\\rtf1\\ansi\\trowd\\trgaph108" + border + "\\cellx4500" + border +
                           "\\cellx9000\\pard\\intbl\\itap2 innen A\\nestcell innen B\\nestcell\n"
                           "\\pard\\intbl\\itap2" +
                           innerRow + "\\pard\\intbl\\cell rechts\\cell\\row\\pard Danach\\par}";
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    QTextTable *outer = tableAt(document, u"rechts"_s);
    QTextTable *inner = tableAt(document, u"innen A"_s);
    QVERIFY(outer && inner && inner->parentFrame() == outer);
    // Fitted twice, the second time from the first result: the natural widths are kept.
    Rtf::fitTablesToWidth(&document, 200);
    Rtf::fitTablesToWidth(&document, width);
    const QList<QTextLength> outerWidths = outer->format().columnWidthConstraints();
    const QList<QTextLength> innerWidths = inner->format().columnWidthConstraints();
    QCOMPARE(outerWidths.size(), 2);
    QCOMPARE(innerWidths.size(), 2);
    QCOMPARE(outerWidths.at(0), outerShrunk ? QTextLength(QTextLength::PercentageLength, 50)
                                            : QTextLength(QTextLength::FixedLength, 300));
    QCOMPARE(innerWidths.at(1), innerShrunk ? QTextLength(QTextLength::PercentageLength, 50)
                                            : QTextLength(QTextLength::FixedLength, 100));
    QCOMPARE(inner->format().width().type(),
             innerShrunk ? QTextLength::PercentageLength : QTextLength::VariableLength);
}

void TestRtfFeatures::links_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("web, in the author's colour")
        << u"die Lateinseite"_s << u"https://example.org/latein"_s << QColor(192, 0, 0);
    QTest::newRow("bookmark, blue") << u"unten"_s << u"#Vokabeln"_s << QColor(0, 0, 255);
    QTest::newRow("topic") << u"das nächste Thema"_s << u"Zweites Thema"_s << QColor(0, 0, 255);
    QTest::newRow("mail, tooltip switch left out")
        << u"Schreiben"_s << u"mailto:lehrer@example.org"_s << QColor(0, 0, 255);
}

void TestRtfFeatures::links()
{
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(QColor, colour);
    QTextDocument document;
    QVERIFY(readFixture(u"word-links.rtf"_s, &document));
    const QTextCharFormat first = charFormatAt(document, text);
    QVERIFY(first.isAnchor());
    QCOMPARE(first.anchorHref(), target);
    QCOMPARE(first.foreground().color(), colour);
    QVERIFY(first.fontUnderline());
    // The whole result is the link, and the text after it is not.
    const int end = find(document, text) + int(text.size());
    QTextCursor cursor(&document);
    cursor.setPosition(end);
    QCOMPARE(cursor.charFormat().anchorHref(), target);
    cursor.setPosition(end + 1);
    QVERIFY(cursor.charFormat().anchorHref().isEmpty());
}

void TestRtfFeatures::bookmarkIsAnAnchorName()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-links.rtf"_s, &document));
    const QTextCharFormat format = charFormatAt(document, u"Vokabeln:"_s);
    QVERIFY(format.isAnchor());
    QCOMPARE(format.anchorNames(), QStringList{u"Vokabeln"_s});
    QVERIFY(!charFormatAt(document, u"amare"_s).isAnchor());
}

void TestRtfFeatures::notesFollowTheText()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-fussnoten.rtf"_s, &document));
    QCOMPARE(bodyText(document),
             u"Gallia est omnis divisa1 in partes tresi, quarum unam incolunt Belgae.2\n"_s);
    // Footnotes first, numbered; then the endnotes in their own numbering.
    QCOMPARE(docText(document).mid(bodyText(document).size()),
             u"\n1 Caesar, De bello Gallico 1,1.\n2 Zweite Fußnote.\n\ni Belgae, Aquitani, Galli."_s);
    // Each mark links to its note, whose number carries the anchor.
    const QString text = docText(document);
    const struct
    {
        int markAt;
        QString target;
        int noteAt;
    } marks[] = {{int(text.indexOf(u"divisa1")) + 6, u"rtf-footnote-1"_s, int(text.indexOf(u"1 Caesar"))},
                 {int(text.indexOf(u"tresi")) + 4, u"rtf-endnote-1"_s, int(text.indexOf(u"i Belgae"))},
                 {int(text.indexOf(u"Belgae.2")) + 7, u"rtf-footnote-2"_s, int(text.indexOf(u"2 Zweite"))}};
    QTextCursor cursor(&document);
    for (const auto &mark : marks) {
        cursor.setPosition(mark.markAt + 1);
        QCOMPARE(cursor.charFormat().anchorHref(), u"#"_s + mark.target);
        QCOMPARE(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
        cursor.setPosition(mark.noteAt + 1);
        QVERIFY(cursor.charFormat().anchorNames().contains(mark.target));
    }
}

void TestRtfFeatures::symbolFonts()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-symbole.rtf"_s, &document));
    QCOMPARE(docText(document), u"Griechisch: αβγδ und Ω; Pfeil: →; Grad: 30°\n"
                                "•\tErster Punkt\n▪\tZweiter Punkt\n✔\tErledigt\n"
                                "Αθήνα"_s);
    // Symbol characters take the text's font, not a symbol font that may be missing.
    QVERIFY(charFormatAt(document, u"αβγδ"_s).fontFamilies().toStringList().isEmpty());
}

void TestRtfFeatures::pictures()
{
    QTextDocument document;
    QVERIFY(readFixture(u"libreoffice-bilder.rtf"_s, &document));
    QList<QTextImageFormat> images;
    QList<QTextCharFormat> frames;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                images.append(format.toImageFormat());
            else if (format.objectType() == Rtf::pictureNoteObjectType)
                frames.append(format);
        }
    }
    // The shape's picture once (not its metafile result as well), the bitmap, the metafile's frame.
    QCOMPARE(images.size(), 2);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(QSizeF(images.at(0).width(), images.at(0).height()), QSizeF(60, 30));
    QCOMPARE(pictureOf(document, images.at(0).name()).pixelColor(5, 5), QColor(200, 30, 30));
    const QImage bitmap = pictureOf(document, images.at(1).name());
    QCOMPARE(bitmap.size(), QSize(4, 2));
    QCOMPARE(bitmap.pixelColor(0, 0), QColor(0, 160, 0));
    QCOMPARE(QSizeF(images.at(1).width(), images.at(1).height()), QSizeF(40, 20));
    QCOMPARE(frames.at(0).doubleProperty(Rtf::pictureNoteWidthProperty), 100.0);
    QCOMPARE(frames.at(0).doubleProperty(Rtf::pictureNoteHeightProperty), 50.0);
}

void TestRtfFeatures::columnBreakAndOneBullet()
{
    QTextDocument document;
    QVERIFY(readFixture(u"word-kleinigkeiten.rtf"_s, &document));
    QCOMPARE(document.toRawText().section(QChar::ParagraphSeparator, 0, 0),
             u"Spalte eins\u2028Spalte zwei"_s);
    QVERIFY(docText(document).contains(u"\n•\tEin Punkt\n"_s));
}

void TestRtfFeatures::underlines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("style");
    QTest::newRow("dotted") << u"gepunktet"_s << int(QTextCharFormat::DotLine);
    QTest::newRow("dashed") << u"gestrichelt"_s << int(QTextCharFormat::DashUnderline);
    QTest::newRow("wavy") << u"wellig"_s << int(QTextCharFormat::WaveUnderline);
    QTest::newRow("double, drawn single") << u"doppelt"_s << int(QTextCharFormat::SingleUnderline);
    QTest::newRow("single") << u"einfach"_s << int(QTextCharFormat::SingleUnderline);
}

void TestRtfFeatures::underlines()
{
    QFETCH(QString, text);
    QFETCH(int, style);
    QTextDocument document;
    QVERIFY(readFixture(u"word-kleinigkeiten.rtf"_s, &document));
    QCOMPARE(int(charFormatAt(document, text).underlineStyle()), style);
}

void TestRtfFeatures::byteOrderMark()
{
    QFile file(TestSupport::dataPath(u"rtf/utf8-bom.rtf"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF{\\rtf1"));
    QVERIFY(Rtf::isRtf(bytes));
    QTextDocument document;
    QVERIFY(Rtf::read(bytes, &document));
    QCOMPARE(docText(document), u"Mit Byte-Order-Mark"_s);
    // A mark of another encoding, or a mark after blanks, is no RTF.
    QVERIFY(!Rtf::isRtf("\xFF\xFE{\\rtf1 x}"));
    QVERIFY(!Rtf::isRtf(" \xEF\xBB\xBF{\\rtf1 x}"));
}

void TestRtfFeatures::hyperlinkTargets_data()
{
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("target");
    QTest::newRow("quoted address") << u" HYPERLINK \"https://x.de/a b\" "_s << u"https://x.de/a b"_s;
    QTest::newRow("bare address") << u"HYPERLINK http://x.de"_s << u"http://x.de"_s;
    QTest::newRow("bookmark only") << u"HYPERLINK \\l \"Teil2\""_s << u"#Teil2"_s;
    QTest::newRow("address and bookmark") << u"HYPERLINK \"Thema\" \\l \"Teil2\""_s << u"Thema#Teil2"_s;
    QTest::newRow("tooltip and frame skipped")
        << u"HYPERLINK \\o \"Hinweis\" \\t \"_blank\" \"mailto:a@b.de\""_s << u"mailto:a@b.de"_s;
    QTest::newRow("lower case") << u"hyperlink \"Ziel\""_s << u"Ziel"_s;
    QTest::newRow("doubled backslashes")
        << u"HYPERLINK \"C:\\\\Ordner\\\\a.rtf\""_s << u"C:\\Ordner\\a.rtf"_s;
    QTest::newRow("other field") << u"PAGE \\* MERGEFORMAT"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestRtfFeatures::hyperlinkTargets()
{
    QFETCH(QString, instruction);
    QFETCH(QString, target);
    QCOMPARE(Rtf::hyperlinkTarget(instruction), target);
}

void TestRtfFeatures::ignoredGroupsSkippedWhole_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("binary braces") << QByteArray("{\\rtf1 a{\\*\\unbekannt x\\bin3 }}}y}b}") << u"ab"_s;
    QTest::newRow("escaped braces") << QByteArray("{\\rtf1 a{\\*\\unbekannt \\} \\{ {z}\\\\}b}") << u"ab"_s;
    QTest::newRow("nested groups") << QByteArray("{\\rtf1 a{\\info{\\title {T}}{\\author A}}b}") << u"ab"_s;
    QTest::newRow("word bin with letters") << QByteArray("{\\rtf1 a{\\*\\x \\binx }b}") << u"ab"_s;
    QTest::newRow("unclosed to the end") << QByteArray("{\\rtf1 a{\\*\\x {y}") << u"a"_s;
}

void TestRtfFeatures::ignoredGroupsSkippedWhole()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    QCOMPARE(docText(document), text);
}

QTEST_MAIN(TestRtfFeatures)
#include "test_rtffeatures.moc"
