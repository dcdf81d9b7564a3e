// The compiled help files beside the programs: layout, the topics the programs ask for, and every
// topic read back the way the viewer reads it.
#include "tests/shipped/test_help.h"

#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "helpfile/helpfile.h"
#include "richtext/richtextbox.h"
#include "richtext/rtfreader.h"

#include <QFont>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

HelpFile::ReadResult readHelp(const QString &fileName)
{
    return HelpFile::readFile(ShippedHelp::programDir() + u'/' + fileName);
}

// The topic as the viewer shows it, as plain text with runs of white space made single blanks,
// so that a phrase is found whatever line or paragraph breaks it spans.
QString shownText(const HelpFile::Document &document, const QString &topic)
{
    if (document.kind == HelpFile::Kind::PlainText)
        return document.plainText(topic).simplified();
    QTextDocument rendered;
    if (!Rtf::read(LineFile::joinLines(document.richLines(topic)), &rendered))
        return {};
    return rendered.toPlainText().simplified();
}

const QStringList helpFiles{u"zembrota.vry"_s, u"quorant.vry"_s, u"tessavor.vry"_s};

} // namespace

class HelpFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void requestedTopic_data();
    void requestedTopic();
    void richTopicLoads_data();
    void richTopicLoads();
    void plainTopic_data();
    void plainTopic();
    void quotesProgramTexts_data();
    void quotesProgramTexts();
    void crossReferences_data();
    void crossReferences();
};

void HelpFilesTest::layout_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("typeLine");
    QTest::newRow("zembrota.vry") << u"zembrota.vry"_s << u"RTF"_s;
    QTest::newRow("quorant.vry") << u"quorant.vry"_s << u"RTF"_s;
    QTest::newRow("tessavor.vry") << u"tessavor.vry"_s << u"TXT"_s;
}

// Signature, type, title, the reserved line, a topic list, then nothing but blocks: a header of a
// listed topic, at least one body line, one empty line. An empty line inside a body leaves the
// rest of the body outside any block, which the viewer would never show.
void HelpFilesTest::layout()
{
    QFETCH(QString, fileName);
    QFETCH(QString, typeLine);
    const HelpFile::ReadResult read = readHelp(fileName);
    QVERIFY2(read.ok(), qPrintable(u"cannot read "_s + ShippedHelp::programDir() + u'/' + fileName));
    const QStringList &lines = read.document.lines;
    QVERIFY(lines.size() > 6);
    QCOMPARE(lines.at(0), u"TESSAVOR"_s);
    QCOMPARE(lines.at(1), typeLine);
    QVERIFY(!lines.at(2).trimmed().isEmpty());
    QCOMPARE(lines.at(3), QString());

    qsizetype i = 4;
    QStringList listed;
    for (; i < lines.size() && !lines.at(i).isEmpty(); ++i) {
        const QString name = lines.at(i);
        QVERIFY2(name == name.trimmed(), qPrintable(u"list entry with spaces: "_s + name));
        QVERIFY2(!listed.contains(name), qPrintable(u"listed twice: "_s + name));
        QVERIFY2(name != u"Inhalt"_s && name != u"Index"_s, qPrintable(u"reserved name listed"_s));
        listed << name;
    }
    QVERIFY2(!listed.isEmpty(), "empty topic list");
    QVERIFY2(i < lines.size(), "topic list not ended by an empty line");
    QCOMPARE(read.document.contents, listed);

    QSet<QString> blocks;
    for (++i; i < lines.size();) {
        const QString header = lines.at(i);
        const QString where = u"%1 line %2: "_s.arg(fileName).arg(i + 1);
        QVERIFY2(header.startsWith(u'[') && header.endsWith(u']'),
                 qPrintable(where +
                            u"expected a topic header (an empty line inside the previous topic?): "_s +
                            header));
        const QString name = header.mid(1, header.size() - 2);
        QVERIFY2(listed.contains(name), qPrintable(where + u"topic not in the list: "_s + name));
        QVERIFY2(!blocks.contains(name), qPrintable(where + u"topic twice: "_s + name));
        blocks.insert(name);
        qsizetype bodyLines = 0;
        for (++i; i < lines.size() && !lines.at(i).isEmpty(); ++i)
            ++bodyLines;
        QVERIFY2(bodyLines > 0, qPrintable(where + u"topic without body: "_s + name));
        QVERIFY2(i < lines.size(), qPrintable(where + u"last topic not ended by an empty line"_s));
        ++i;
    }
    QCOMPARE(blocks.size(), listed.size());
}

void HelpFilesTest::requestedTopic_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("topic");
    // Every topic a program asks the viewer for, besides the contents and the index.
    QTest::newRow("dictionary about window") << u"zembrota.vry"_s << u"Info"_s;
    QTest::newRow("dictionary status window") << u"zembrota.vry"_s << u"Status - Anzeige"_s;
    QTest::newRow("dictionary colours dialog") << u"zembrota.vry"_s << u"Hintergrund - Farben"_s;
    QTest::newRow("dictionary advert window") << u"zembrota.vry"_s << u"Trivenna"_s;
    QTest::newRow("author help type dialog") << u"quorant.vry"_s << u"Neu"_s;
    QTest::newRow("author add-topic dialogs") << u"quorant.vry"_s << u"Thema hinzufügen"_s;
}

void HelpFilesTest::requestedTopic()
{
    QFETCH(QString, fileName);
    QFETCH(QString, topic);
    const HelpFile::ReadResult read = readHelp(fileName);
    QVERIFY(read.ok());
    QVERIFY(read.document.contents.contains(topic));
    QVERIFY(read.document.index.contains(topic));
    QVERIFY2(!read.document.richLines(topic).isEmpty(), qPrintable(u"no block for "_s + topic));
    QVERIFY2(shownText(read.document, topic).startsWith(topic),
             qPrintable(u"topic does not open with its name: "_s + topic));
}

void HelpFilesTest::richTopicLoads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("topic");
    for (const QString &fileName : {u"zembrota.vry"_s, u"quorant.vry"_s}) {
        const HelpFile::ReadResult read = readHelp(fileName);
        if (!read.ok()) {
            QTest::newRow(qPrintable(fileName + u" missing"_s)) << fileName << QString();
            continue;
        }
        for (const QString &topic : read.document.contents)
            QTest::newRow(qPrintable(fileName + u'/' + topic)) << fileName << topic;
    }
}

// What the viewer does for a rich-text topic: the block's lines into a file, the file into the
// rich-text control. The heading is the topic's name in bold; no control word shows as text.
void HelpFilesTest::richTopicLoads()
{
    QFETCH(QString, fileName);
    QFETCH(QString, topic);
    const HelpFile::ReadResult read = readHelp(fileName);
    QVERIFY2(read.ok(), qPrintable(u"cannot read "_s + fileName));
    const QByteArray bytes = LineFile::joinLines(read.document.richLines(topic));

    QTextDocument document;
    QVERIFY(Rtf::read(bytes, &document));
    const QString text = document.toPlainText();
    QVERIFY2(text.startsWith(topic), qPrintable(text.left(80)));
    QVERIFY2(!text.contains(u'\\') && !text.contains(u'{') && !text.contains(u'}'),
             qPrintable(u"RTF markup shown as text: "_s + text.left(200)));
    QVERIFY2(!text.contains(u'\uFFFD'), "undecodable character");
    QTextCursor heading(document.begin());
    heading.movePosition(QTextCursor::NextCharacter);
    QVERIFY(heading.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(heading.charFormat().fontFamilies().toStringList().value(0), u"Arial"_s);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"temp.tmp"_s);
    QVERIFY(!AtomicWriter::writeBytes(path, bytes));
    RichTextBox box;
    QVERIFY(box.loadRtfFile(path));
    QCOMPARE(box.toPlainText(), text);
}

void HelpFilesTest::plainTopic_data()
{
    QTest::addColumn<QString>("topic");
    const HelpFile::ReadResult read = readHelp(u"tessavor.vry"_s);
    if (!read.ok()) {
        QTest::newRow("tessavor.vry missing") << QString();
        return;
    }
    for (const QString &topic : read.document.contents)
        QTest::newRow(qPrintable(topic)) << topic;
}

// The viewer's own help is plain text: each topic opens with its name in capitals and holds more
// than its heading.
void HelpFilesTest::plainTopic()
{
    QFETCH(QString, topic);
    const HelpFile::ReadResult read = readHelp(u"tessavor.vry"_s);
    QVERIFY(read.ok());
    QCOMPARE(read.document.kind, HelpFile::Kind::PlainText);
    const QStringList lines = read.document.plainText(topic).split(u'\n');
    QVERIFY(lines.size() > 3);
    QCOMPARE(lines.first(), topic.toUpper());
}

void HelpFilesTest::quotesProgramTexts_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("phrase");
    const auto row = [](const char *name, const QString &file, const QString &topic, const QString &phrase) {
        QTest::newRow(name) << file << topic << phrase;
    };
    const QString z = u"zembrota.vry"_s;
    row("no input", z, u"Wort suchen"_s, u"Kein Wort eingegeben!"_s);
    row("not present", z, u"Wort suchen"_s, u"Wort nicht vorhanden!"_s);
    row("prompt", z, u"Wort suchen"_s, u"Bitte geben sie das gesuchte Wort ein:"_s);
    row("no match", z, u"Volltext - Suche"_s, u"Keine Übereinstimmung gefunden!"_s);
    row("search on", z, u"Volltext - Suche"_s, u"Weiter suchen"_s);
    row("first book 3 lesson", z, u"Manuelle - Suche"_s, u"Lektion 1.1"_s);
    row("last book 3 lesson", z, u"Bücher und Lektionen"_s, u"40 wird 20.2"_s);
    row("interval zero", z, u"Hintergrund - Farben"_s,
        u"Geben sie bitte eine korrekte Wechsel - Zeit ein!"_s);
    row("interval too long", z, u"Hintergrund - Farben"_s,
        u"Die Wechsel - Zeit darf 65535 Millisekunden nicht überschreiten!"_s);
    row("standard colours", z, u"Hintergrund - Farben"_s, u"Windows Standard - Farben verwenden"_s);
    row("own colour", z, u"Hintergrund - Farben"_s, u"Benutzerdefinierte Farben verwenden"_s);
    row("four-phase cycle", z, u"Hintergrund - Farben"_s,
        u"Schwarz - Türkis - Schwarz - Gelb - Schwarz - Violett - Schwarz - Weiß"_s);
    row("turquoise caption as the dialog spells it", z, u"Hintergrund - Farben"_s, u"Schwarz Tükis"_s);
    row("interval label", z, u"Hintergrund - Farben"_s, u"Wechsel (in Millisek.):"_s);
    row("total words", z, u"Status - Anzeige"_s, u"Wörter (Insgesamt):"_s);
    row("file size", z, u"Status - Anzeige"_s, u"Größe (in Bytes):"_s);
    row("lesson count label as the window spells it", z, u"Status - Anzeige"_s, u"Manual - Suche:"_s);
    row("entry number", z, u"Status - Anzeige"_s, u"Aktuelle Wortnummer"_s);
    row("order form", z, u"Trivenna"_s, u"Bestellformular"_s);
    row("address button", z, u"Trivenna"_s, u"Hier erfahren sie meine Adresse"_s);
    row("home page link", z, u"Trivenna"_s, u"Weitere Informationen auf meiner Homepage!"_s);
    row("colours shortcut", z, u"Menüs und Tasten"_s, u"Hintergrund - Farben (Strg+F)"_s);
    row("advert link", z, u"Menüs und Tasten"_s, u"Weitere Informationen!"_s);
    row("dictionary version", z, u"Info"_s, u"Version (2.5)"_s);
    row("word list unreadable", z, u"Programmstart"_s, u"Wortliste nicht lesbar!"_s);
    row("word list faulty", z, u"Programmstart"_s, u"Fehlerhafte Wortliste!"_s);

    const QString q = u"quorant.vry"_s;
    row("viewer missing", q, u"Willkommen"_s,
        u"Das Programm Tessavor muss sich im selben Verzeichnis befinden!"_s);
    row("own help missing", q, u"Willkommen"_s,
        u"Die Hilfe zum Quorant - Datei Quorant.vry muss sich im selben Verzeichnis befinden!"_s);
    row("type dialog", q, u"Neu"_s, u"RTF - oder TXT - Hilfedatei"_s);
    row("title prompt", q, u"Neu"_s, u"Geben sie einen Namen für die Hilfe ein."_s);
    row("not a project", q, u"Öffnen und Speichern"_s, u"Dies ist keine Gültige Quorant - Datei!"_s);
    row("no name", q, u"Thema hinzufügen"_s, u"Das Thema muss einen Namen haben!"_s);
    row("reserved name", q, u"Thema hinzufügen"_s,
        u"Der Name des Themas darf nicht ~Inhalt~ oder ~Index~ sein!"_s);
    row("no RTF file", q, u"Thema hinzufügen"_s, u"Keine RTF - Datei angegeben!"_s);
    row("no text", q, u"Thema hinzufügen"_s, u"Sie haben keinen Text für das Thema eingegeben!"_s);
    row("listed box", q, u"Thema hinzufügen"_s, u"Thema im Inhalt und Index anzeigen"_s);
    row("file button as the dialog spells it", q, u"Thema hinzufügen"_s, u"RFT - Datei wählen"_s);
    row("nothing selected", q, u"Thema löschen"_s, u"Sie haben kein Thema makiert!"_s);
    row("target field", q, u"Hilfedatei erstellen"_s, u"Pfad der Hilfedatei:"_s);
    row("RTF file unreadable", q, u"Hilfedatei erstellen"_s, u"RTF - Datei fehlt!"_s);
    row("help file not written", q, u"Hilfedatei erstellen"_s, u"Keine Hilfedatei erstellt!"_s);
    row("author version", q, u"Info"_s, u"Windows Hilfesystem Editor v2.4"_s);
    row("command line compiler", q, u"Hilfedatei ohne Fenster erstellen"_s,
        u"quorantc PROJEKT.vrp [ZIEL.vry]"_s);

    const QString t = u"tessavor.vry"_s;
    row("viewer help missing", t, u"Fehlermeldungen"_s,
        u"Die Hilfe zur Hilfe - Datei Tessavor.vry muss sich im selben Verzeichnis befinden!"_s);
    row("no help file named", t, u"Fehlermeldungen"_s, u"Es wurde keine Hilfedatei angegeben!"_s);
    row("help file not found", t, u"Fehlermeldungen"_s, u"Die Hilfedatei wurde nicht gefunden!"_s);
    row("not a help file", t, u"Fehlermeldungen"_s, u"Das ist keine gültige Tessavor - Hilfedatei!"_s);
    row("topic not found", t, u"Fehlermeldungen"_s,
        u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s);
    row("viewer version", t, u"Info und Verwendung"_s, u"Windows Hilfesystem v2.4"_s);
    row("help on help key", t, u"Tasten und Menüs"_s, u"F1: Hilfe zur Hilfe"_s);
}

// The help quotes the programs' own captions and messages exactly, umlauts and all.
void HelpFilesTest::quotesProgramTexts()
{
    QFETCH(QString, fileName);
    QFETCH(QString, topic);
    QFETCH(QString, phrase);
    const HelpFile::ReadResult read = readHelp(fileName);
    QVERIFY(read.ok());
    const QString text = shownText(read.document, topic);
    QVERIFY2(!text.isEmpty(), qPrintable(u"no such topic: "_s + topic));
    QVERIFY2(text.contains(phrase), qPrintable(u"missing: "_s + phrase));
}

void HelpFilesTest::crossReferences_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("zembrota.vry") << u"zembrota.vry"_s;
    QTest::newRow("quorant.vry") << u"quorant.vry"_s;
}

// A topic that sends the reader to another one ("Thema „Volltext - Suche“") names a topic that
// exists, spelled as in the contents.
void HelpFilesTest::crossReferences()
{
    QFETCH(QString, fileName);
    const HelpFile::ReadResult read = readHelp(fileName);
    QVERIFY(read.ok());
    static const QRegularExpression reference(u"Thema „([^“]+)“"_s);
    int references = 0;
    for (const QString &topic : read.document.contents) {
        const QString text = shownText(read.document, topic);
        for (const QRegularExpressionMatch &match : reference.globalMatch(text)) {
            ++references;
            QVERIFY2(read.document.contents.contains(match.captured(1)),
                     qPrintable(topic + u": no topic "_s + match.captured(1)));
        }
    }
    QVERIFY(references > 3);
}

int ShippedHelp::runHelpFilesTest(int argc, char **argv)
{
    HelpFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_help.moc"
