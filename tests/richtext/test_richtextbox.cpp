// The rich-text control: loading RTF and plain text, saving plain text, plain and selected text.
#include "richtext/richtextbox.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextCursor>

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

QTEST_MAIN(TestRichTextBox)
#include "test_richtextbox.moc"
