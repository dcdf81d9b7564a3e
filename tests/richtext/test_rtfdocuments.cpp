// The RTF reader on documents written by LibreOffice, pandoc and latex2rtf: the text must be what
// LibreOffice reads from them, and the formatting must survive.
#include "richtext/rtfreader.h"
#include "tests/richtext/rtftestutil.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

using namespace Qt::StringLiterals;
using namespace RtfTest;

class TestRtfDocuments : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textAsLibreOfficeReadsIt_data();
    void textAsLibreOfficeReadsIt();
    void formatting_data();
    void formatting();
    void pictureAndTableOfLibreOffice();
    void tableOfPandoc();
};

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(TestSupport::dataPath(u"rtf/"_s + name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Runs of blanks, tabs and other spaces folded into one blank, lines trimmed: LibreOffice spaces
// list numbers and section numbers its own way.
QStringList normalized(const QString &text)
{
    static const QRegularExpression blanks(u"[\\s\\x{00A0}\\x{2000}-\\x{200A}]+"_s);
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        line.replace(blanks, u" "_s);
        lines.append(line.trimmed());
    }
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void TestRtfDocuments::textAsLibreOfficeReadsIt_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"libreoffice-formatiert", "libreoffice-kapitel", "libreoffice-kopfzeile",
                             "pandoc-kapitel", "latex2rtf-brief"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestRtfDocuments::textAsLibreOfficeReadsIt()
{
    QFETCH(QString, name);
    const QByteArray rtf = fixture(name + u".rtf"_s);
    const QByteArray expected = fixture(name + u".txt"_s);
    QVERIFY(!rtf.isEmpty());
    QVERIFY(!expected.isEmpty());
    QTextDocument document;
    QVERIFY(Rtf::read(rtf, &document));
    // LibreOffice's text leaves the notes out.
    QString shown = bodyText(document);
    shown.remove(QChar::ObjectReplacementCharacter); // pictures have no text
    QCOMPARE(normalized(shown), normalized(QString::fromUtf8(expected)));
}

void TestRtfDocuments::formatting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    const QString lo = u"libreoffice-formatiert"_s;
    QTest::newRow("lo heading centred")
        << lo << u"Hilfe zur"_s << u"align"_s << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("lo heading bold") << lo << u"Hilfe zur"_s << u"bold"_s << QVariant(true);
    QTest::newRow("lo heading size") << lo << u"Hilfe zur"_s << u"size"_s << QVariant(24.0);
    QTest::newRow("lo times") << lo << u"Geben Sie"_s << u"font"_s << QVariant(u"Times New Roman"_s);
    QTest::newRow("lo times size") << lo << u"Geben Sie"_s << u"size"_s << QVariant(12.0);
    QTest::newRow("lo arial") << lo << u"Das Wörterbuch"_s << u"font"_s << QVariant(u"Arial"_s);
    QTest::newRow("lo arial size") << lo << u"Das Wörterbuch"_s << u"size"_s << QVariant(10.0);
    QTest::newRow("lo not bold") << lo << u"Das Wörterbuch"_s << u"bold"_s << QVariant(false);
    QTest::newRow("lo bold") << lo << u"fett gedruckte"_s << u"bold"_s << QVariant(true);
    QTest::newRow("lo italic") << lo << u"kursive"_s << u"italic"_s << QVariant(true);
    QTest::newRow("lo underline") << lo << u"unterstrichene"_s << u"underline"_s << QVariant(true);
    QTest::newRow("lo courier") << lo << u"Achtung"_s << u"font"_s << QVariant(u"Courier New"_s);
    QTest::newRow("lo courier size") << lo << u"Achtung"_s << u"size"_s << QVariant(14.0);
    QTest::newRow("lo red") << lo << u"Achtung"_s << u"colour"_s << QVariant(QColor(192, 0, 0));
    QTest::newRow("lo right") << lo << u"Rechtsbündig"_s << u"align"_s << QVariant(int(Qt::AlignRight));
    QTest::newRow("lo justify") << lo << u"Blocksatz"_s << u"align"_s << QVariant(int(Qt::AlignJustify));
    QTest::newRow("lo left indent") << lo << u"Blocksatz"_s << u"left"_s << QVariant(1134 / 15.0);
    QTest::newRow("lo right indent") << lo << u"Blocksatz"_s << u"right"_s << QVariant(567 / 15.0);
    QTest::newRow("lo hanging indent") << lo << u"Hängender"_s << u"indent"_s << QVariant(-283 / 15.0);
    QTest::newRow("lo spacing after") << lo << u"Geben Sie"_s << u"after"_s << QVariant(140 / 15.0);
    QTest::newRow("lo heading spacing before") << lo << u"Hilfe zur"_s << u"before"_s << QVariant(240 / 15.0);
    QTest::newRow("lo highlight") << lo << u"Hervorgehobener"_s << u"background"_s
                                  << QVariant(QColor(255, 255, 0));
    QTest::newRow("lo strike") << lo << u"durchgestrichen"_s << u"strike"_s << QVariant(true);
    QTest::newRow("lo link colour") << lo << u"die Hilfeseite"_s << u"colour"_s
                                    << QVariant(QColor(0, 0, 128));

    const QString head = u"libreoffice-kopfzeile"_s;
    QTest::newRow("head green") << head << u"Überschrift"_s << u"colour"_s << QVariant(QColor(0, 128, 0));
    QTest::newRow("head size") << head << u"Überschrift"_s << u"size"_s << QVariant(16.0);
    QTest::newRow("head centred") << head << u"Überschrift"_s << u"align"_s
                                  << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("head italic small") << head << u"kleiner kursiver"_s << u"size"_s << QVariant(9.0);
    QTest::newRow("head italic") << head << u"kleiner kursiver"_s << u"italic"_s << QVariant(true);
    QTest::newRow("head left") << head << u"Eingerückter"_s << u"left"_s << QVariant(720 / 15.0);
    QTest::newRow("head first line") << head << u"Eingerückter"_s << u"indent"_s << QVariant(360 / 15.0);

    const QString pandoc = u"pandoc-kapitel"_s;
    QTest::newRow("pandoc bold") << pandoc << u"a-Deklination"_s << u"bold"_s << QVariant(true);
    QTest::newRow("pandoc italic") << pandoc << u"feminine"_s << u"italic"_s << QVariant(true);
    QTest::newRow("pandoc title centred")
        << pandoc << u"Lektion 12"_s << u"align"_s << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("pandoc quote indented") << pandoc << u"Ein eingerücktes"_s << u"left"_s << QVariant(48.0);

    const QString latex = u"latex2rtf-brief"_s;
    QTest::newRow("latex heading bold") << latex << u"Einleitung"_s << u"bold"_s << QVariant(true);
    QTest::newRow("latex heading size") << latex << u"Einleitung"_s << u"size"_s << QVariant(16.0);
    QTest::newRow("latex bold") << latex << u"fetter"_s << u"bold"_s << QVariant(true);
    QTest::newRow("latex italic") << latex << u"betonter"_s << u"italic"_s << QVariant(true);
    QTest::newRow("latex justify") << latex << u"Dies ist"_s << u"align"_s << QVariant(int(Qt::AlignJustify));
    QTest::newRow("latex centre") << latex << u"Zentrierte"_s << u"align"_s
                                  << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("latex large") << latex << u"Große Schrift"_s << u"size"_s << QVariant(12.0);
    QTest::newRow("latex small") << latex << u"kleine Schrift"_s << u"size"_s << QVariant(9.0);
    QTest::newRow("latex underline") << latex << u"unterstrichen."_s << u"underline"_s << QVariant(true);
}

void TestRtfDocuments::formatting()
{
    QFETCH(QString, name);
    QFETCH(QString, needle);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QTextDocument document;
    QVERIFY(Rtf::read(fixture(name + u".rtf"_s), &document));
    QVERIFY2(find(document, needle) >= 0, qPrintable(needle));
    const QTextCharFormat chars = charFormatAt(document, needle);
    const QTextBlockFormat block = blockFormatAt(document, needle);
    if (property == u"bold")
        QCOMPARE(chars.fontWeight() >= QFont::Bold, value.toBool());
    else if (property == u"italic")
        QCOMPARE(chars.fontItalic(), value.toBool());
    else if (property == u"underline")
        QCOMPARE(chars.fontUnderline(), value.toBool());
    else if (property == u"strike")
        QCOMPARE(chars.fontStrikeOut(), value.toBool());
    else if (property == u"size")
        QCOMPARE(chars.fontPointSize(), value.toDouble());
    else if (property == u"font")
        QCOMPARE(chars.fontFamilies().toStringList().value(0), value.toString());
    else if (property == u"colour")
        QCOMPARE(chars.foreground().color(), value.value<QColor>());
    else if (property == u"background")
        QCOMPARE(chars.background().color(), value.value<QColor>());
    else if (property == u"align")
        QCOMPARE(int(block.alignment() & Qt::AlignHorizontal_Mask), value.toInt());
    else if (property == u"left")
        QCOMPARE(block.leftMargin(), value.toDouble());
    else if (property == u"right")
        QCOMPARE(block.rightMargin(), value.toDouble());
    else if (property == u"indent")
        QCOMPARE(block.textIndent(), value.toDouble());
    else if (property == u"before")
        QCOMPARE(block.topMargin(), value.toDouble());
    else if (property == u"after")
        QCOMPARE(block.bottomMargin(), value.toDouble());
    else
        QFAIL("unknown property");
}

void TestRtfDocuments::pictureAndTableOfLibreOffice()
{
    QTextDocument document;
    QVERIFY(Rtf::read(fixture(u"libreoffice-formatiert.rtf"_s), &document));
    // The PNG is shown once (not its metafile twin), at 600 x 300 twips.
    const QString shown = docText(document);
    QCOMPARE(shown.count(QChar::ObjectReplacementCharacter), 1);
    QTextCursor cursor(&document);
    cursor.setPosition(int(shown.indexOf(QChar::ObjectReplacementCharacter)) + 1);
    const QTextImageFormat image = cursor.charFormat().toImageFormat();
    QVERIFY(image.isValid());
    QCOMPARE(image.width(), 40.0);
    QCOMPARE(image.height(), 20.0);
    QCOMPARE(pictureOf(document, image.name()).pixelColor(5, 5), QColor(200, 30, 30));

    cursor.setPosition(find(document, u"laudare"_s));
    QTextTable *table = cursor.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), u"loben"_s);
}

void TestRtfDocuments::tableOfPandoc()
{
    QTextDocument document;
    QVERIFY(Rtf::read(fixture(u"pandoc-kapitel.rtf"_s), &document));
    QTextCursor cursor(&document);
    cursor.setPosition(find(document, u"rosarum"_s));
    QTextTable *table = cursor.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->cellAt(0, 2).firstCursorPosition().block().text(), u"Plural"_s);
    QCOMPARE(table->cellAt(2, 2).firstCursorPosition().block().text(), u"rosarum"_s);
}

QTEST_MAIN(TestRtfDocuments)
#include "test_rtfdocuments.moc"
