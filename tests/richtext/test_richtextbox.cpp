// The rich-text control: loading RTF and plain text, saving plain text, plain and selected text.
#include "richtext/richtextbox.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestRichTextBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readOnlyByDefault();
    void loadRtfFile();
    void loadRtfFileFails_data();
    void loadRtfFileFails();
    void loadPlainFile_data();
    void loadPlainFile();
    void loadPlainFileMissing();
    void plainTextOfRtfTable();
    void selectedText();
    void scrollBarAsQtPlacesIt_data();
    void scrollBarAsQtPlacesIt();
};

void TestRichTextBox::readOnlyByDefault()
{
    RichTextBox box;
    QVERIFY(box.isReadOnly());
    box.setReadOnly(false);
    QVERIFY(!box.isReadOnly());
}

void TestRichTextBox::loadRtfFile()
{
    RichTextBox box;
    QVERIFY(box.loadRtfFile(TestSupport::dataPath(u"rtf/libreoffice-kopfzeile.rtf"_s)));
    QCOMPARE(box.plainText(), u"Überschrift in Grün\nEingerückter Absatz mit kleiner kursiver Schrift.1\n"
                              "Letzter Absatz.\n\n1\tEine Fußnote, die nicht im Text erscheint."_s);
    QCOMPARE(box.textCursor().position(), 0);
}

void TestRichTextBox::loadRtfFileFails_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty name: the file does not exist
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("plain text") << QByteArray("TESSAVOR\r\nRTF\r\n") << true;
}

void TestRichTextBox::loadRtfFileFails()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    TestSupport::ProgramDir dir;
    if (exists)
        dir.write(u"temp.tmp"_s, bytes);
    RichTextBox box;
    box.setPlainText(u"vorher"_s);
    QVERIFY(!box.loadRtfFile(dir.file(u"temp.tmp"_s)));
    QCOMPARE(box.plainText(), QString());
}

void TestRichTextBox::loadPlainFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("crlf") << QByteArray("a\r\nb") << u"a\nb"_s;
    QTest::newRow("lone cr") << QByteArray("a\rb") << u"a\nb"_s;
    QTest::newRow("lone lf") << QByteArray("a\nb") << u"a\nb"_s;
    QTest::newRow("mixed and empty lines") << QByteArray("a\r\n\rb\n\r\nc") << u"a\n\nb\n\nc"_s;
    QTest::newRow("final break ends last line")
        << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\n\r\n") << u"TESSAVOR\nTXT\nT\n\n"_s;
    QTest::newRow("windows-1252") << QByteArray("Gr\xfc\xdf"
                                                "e \x80 \x84x\x93")
                                  << u"Grüße € „x“"_s;
    QTest::newRow("no-break space kept") << QByteArray("a\xa0"
                                                       "b")
                                         << u"a\u00A0b"_s;
    QTest::newRow("rtf shown as text") << QByteArray("{\\rtf1 \\b x}") << u"{\\rtf1 \\b x}"_s;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestRichTextBox::loadPlainFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TestSupport::ProgramDir dir;
    dir.write(u"t.txt"_s, bytes);
    RichTextBox box;
    QVERIFY(box.loadPlainFile(dir.file(u"t.txt"_s)));
    QCOMPARE(box.plainText(), text);
    QCOMPARE(box.toPlainText().count(u'\n'), text.count(u'\n')); // each break is a line of its own
}

void TestRichTextBox::loadPlainFileMissing()
{
    TestSupport::ProgramDir dir;
    RichTextBox box;
    box.setPlainText(u"vorher"_s);
    QVERIFY(!box.loadPlainFile(dir.file(u"fehlt.txt"_s)));
    QCOMPARE(box.plainText(), QString());
}

void TestRichTextBox::plainTextOfRtfTable()
{
    TestSupport::ProgramDir dir;
    dir.write(u"t.rtf"_s,
              "{\\rtf1 Vor\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\pard Nach\\~x}");
    RichTextBox box;
    QVERIFY(box.loadRtfFile(dir.file(u"t.rtf"_s)));
    QCOMPARE(box.plainText().split(u'\n', Qt::SkipEmptyParts),
             QStringList({u"Vor"_s, u"a"_s, u"b"_s, u"Nach\u00A0x"_s}));
}

void TestRichTextBox::selectedText()
{
    RichTextBox box;
    box.setPlainText(u"Inhalt\nThema eins\nThema zwei"_s);
    QCOMPARE(box.selectedText(), QString());
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(7);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.selectedText(), u"Thema eins"_s);
    cursor.setPosition(0);
    cursor.setPosition(12, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.selectedText(), u"Inhalt\nThema"_s);
}

namespace {
QByteArray wordsOf(int words)
{
    QByteArray text;
    for (int w = 0; w < words; ++w)
        text += w % 3 == 0 ? "Wort " : (w % 3 == 1 ? "und " : "Satz ");
    return text;
}
} // namespace

void TestRichTextBox::scrollBarAsQtPlacesIt_data()
{
    QTest::addColumn<bool>("plain");
    QTest::newRow("RTF") << false;
    QTest::newRow("plain text") << true;
}

// Texts that fit, that are too tall at every width, and that are too tall only once the bar takes
// its room: the control ends with the scroll bar, the width and the layout that Qt's own text area
// gives the same text, whether or not it placed the bar before its first layout.
void TestRichTextBox::scrollBarAsQtPlacesIt()
{
    QFETCH(bool, plain);
    TestSupport::ProgramDir dir;
    const QRect geometry(100, 100, 240, 160);
    int onlyWhenNarrower = 0;
    int taller = 0;
    for (int paragraphs = 1; paragraphs <= 14; ++paragraphs) {
        for (int words = 1; words <= 16; ++words) {
            RichTextBox box;
            box.setGeometry(geometry);
            if (plain) {
                dir.write(u"t.txt"_s, (wordsOf(words) + "\r\n").repeated(paragraphs));
                QVERIFY(box.loadPlainFile(dir.file(u"t.txt"_s)));
            } else {
                const QByteArray body = (wordsOf(words) + "\\par ").repeated(paragraphs);
                QVERIFY(box.loadRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + body + "}"));
            }
            QTextBrowser reference;
            reference.setWordWrapMode(QTextOption::WordWrap);
            reference.setDocument(box.document()->clone(&reference));
            reference.setGeometry(geometry);
            box.show();
            reference.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QVERIFY(QTest::qWaitForWindowExposed(&reference));
            const QString row = u"%1 paragraphs of %2 words"_s.arg(paragraphs).arg(words);
            QVERIFY2(box.verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded, qPrintable(row));
            QVERIFY2(box.verticalScrollBar()->isVisible() == reference.verticalScrollBar()->isVisible(),
                     qPrintable(row));
            QCOMPARE(box.viewport()->width(), reference.viewport()->width());
            QCOMPARE(box.verticalScrollBar()->maximum(), reference.verticalScrollBar()->maximum());
            QCOMPARE(box.document()->size(), reference.document()->size());
            // Laid out at the narrower width, would this text be too tall?
            QTextDocument *narrow = box.document()->clone(&box);
            narrow->setTextWidth(reference.viewport()->width() -
                                 (reference.verticalScrollBar()->isVisible()
                                      ? 0
                                      : box.verticalScrollBar()->sizeHint().width()));
            if (narrow->size().height() > reference.viewport()->height())
                (reference.verticalScrollBar()->isVisible() ? taller : onlyWhenNarrower) += 1;
        }
    }
    // The sweep holds both kinds of tall text.
    QVERIFY(taller > 0);
    QVERIFY(onlyWhenNarrower > 0);
}

QTEST_MAIN(TestRichTextBox)
#include "test_richtextbox.moc"
