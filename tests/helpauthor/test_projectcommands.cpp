// The main window's project commands, run offscreen: a whole authoring session read back through
// the help file reader, deleting and adding topics without losing typed text, building the help
// file, and what happens when no project is open or the project file cannot be written.
#include "tests/helpauthor/windowdriver.h"
#include "tests/testsupport/uiseams.h"

#include "common/linefile.h"
#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpauthor/helpproject.h"
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/frminfo.h"
#include "helpauthor/ui/startup.h"
#include "helpfile/helpfile.h"
#include "richtext/richtextbox.h"
#include "tests/helpauthor/modalanswer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using namespace WindowDriver;
using HelpProject::Type;

class TestProjectCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void authorScenario_data();
    void authorScenario();
    void deleteSavesUnsavedTyping();
    void deleteEntryWithSpaces();
    void deleteWithoutSelection();
    void addKeepsUnsavedTyping();
    void noProjectOpen_data();
    void noProjectOpen();
    void compileWithMissingRtfFile();
    void compileToEditedTarget();
    void rtfProjectNamedLikeItsHelpFile();
    void unwritableProjectKeepsText();
    void warningsShowTheNormalPointer_data();
    void warningsShowTheNormalPointer();
    // The text area's plain text as the project file is saved from it.
    void savePlainText_data();
    void savePlainText();
    void plainRoundTripKeepsBytes_data();
    void plainRoundTripKeepsBytes();
    void lastLineWithoutBreakGainsOne();
    void saveFailureKeepsOldFile();

private:
    std::optional<TestSupport::RecordedDialogs> m_seams;
    std::unique_ptr<TestSupport::ProgramDir> m_dir;
};

void TestProjectCommands::init()
{
    m_seams.emplace();
    m_dir = std::make_unique<TestSupport::ProgramDir>();
}

void TestProjectCommands::cleanup()
{
    m_seams.reset();
    m_dir.reset();
}

void TestProjectCommands::authorScenario_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::newRow("typed topics") << false;
    QTest::newRow("rtf files") << true;
}

void TestProjectCommands::authorScenario()
{
    QFETCH(bool, rtf);
    auto window = showWindow();
    const QString path = m_dir->file(u"kurs.vrp"_s);
    newProjectVia(window.get(), path, rtf ? Type::RichText : Type::PlainText, u"Lateinkurs"_s);
    QCOMPARE(window->project().path, path);

    const QStringList names{u"Verben"_s, u" Nomen "_s, u"Pronomen"_s};
    for (const QString &name : names) {
        const QString trimmed = name.trimmed();
        QString content = u"Über %1\nZweite Zeile"_s.arg(trimmed);
        if (rtf) {
            m_dir->write(trimmed + u".rtf"_s,
                         LineFile::encode(u"{\\rtf1\\ansi\r\n\\'dcber %1\\par\r\n}"_s.arg(trimmed)));
            content = m_dir->file(trimmed + u".rtf"_s);
        }
        addTopicVia(window.get(), name, content);
    }
    // A topic kept out of the contents.
    addTopicVia(window.get(), u"Versteckt"_s, rtf ? m_dir->file(u"Verben.rtf"_s) : u"still"_s, false);
    QVERIFY2(MessageBox::recorded().isEmpty(), qPrintable(shownText(MessageBox::recorded())));

    select(window.get(), u"Pronomen"_s);
    press(window.get(), Qt::Key_F7);
    press(window.get(), Qt::Key_F5);
    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QVERIFY2(MessageBox::recorded().isEmpty(), qPrintable(shownText(MessageBox::recorded())));

    const HelpFile::ReadResult read = HelpFile::readFile(m_dir->file(u"kurs.vry"_s));
    QVERIFY(read.ok());
    QCOMPARE(read.document.title, u"Lateinkurs"_s);
    QCOMPARE(read.document.contents, (QStringList{u"Verben"_s, u" Nomen "_s}));
    QCOMPARE(read.document.index, (QStringList{u"Nomen"_s, u"Verben"_s}));
    if (rtf) {
        QCOMPARE(read.document.kind, HelpFile::Kind::RichText);
        for (const QString &name : {u"Verben"_s, u"Nomen"_s})
            QCOMPARE(read.document.richLines(name),
                     (QStringList{u"{\\rtf1\\ansi"_s, u"\\'dcber %1\\par"_s.arg(name), u"}"_s, QString()}));
        QCOMPARE(read.document.richLines(u"Versteckt"_s), read.document.richLines(u"Verben"_s));
        QVERIFY(read.document.richLines(u"Pronomen"_s).isEmpty());
    } else {
        QCOMPARE(read.document.kind, HelpFile::Kind::PlainText);
        QCOMPARE(read.document.plainText(u"Verben"_s), u"Über Verben\nZweite Zeile"_s);
        QCOMPARE(read.document.plainText(u"Nomen"_s), u"Über Nomen\nZweite Zeile"_s);
        QCOMPARE(read.document.plainText(u"Versteckt"_s), u"still"_s);
        QCOMPARE(read.document.plainText(u"Pronomen"_s), QString());
        // A plain-text project is the help file itself.
        QCOMPARE(m_dir->read(u"kurs.vry"_s), m_dir->read(u"kurs.vrp"_s));
    }
}

void TestProjectCommands::deleteSavesUnsavedTyping()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(*m_dir, u"p.vrp"_s,
                     {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(), u"[A]"_s, u"a"_s,
                      QString(), u"[B]"_s, u"b"_s, QString()}));
    press(window.get(), Qt::Key_F4);
    RichTextBox *box = textBox(window.get());
    // The author corrects topic B's text without saving, then deletes A.
    QVERIFY(box->find(u"b"_s, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords));
    box->setFocus();
    QTest::keyClicks(box, u"Neuer Text zu B"_s);
    select(window.get(), u"A"_s);
    press(window.get(), Qt::Key_F7);
    QVERIFY(MessageBox::recorded().isEmpty());
    QCOMPARE(m_dir->read(u"p.vrp"_s),
             TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), u"B"_s, QString(), u"[B]"_s,
                                u"Neuer Text zu B"_s, QString()}));
    QCOMPARE(box->plainText(), u"TESSAVOR\nTXT\nT\n\nB\n\n[B]\nNeuer Text zu B\n"_s);
}

void TestProjectCommands::deleteEntryWithSpaces()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(writeProject(*m_dir, u"p.vrp"_s,
                                           {u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"  A "_s, QString(),
                                            u"[A]"_s, u"/r/a.rtf"_s, QString()}));
    press(window.get(), Qt::Key_F4);
    select(window.get(), u"  A "_s);
    press(window.get(), Qt::Key_F7);
    QCOMPARE(m_dir->read(u"p.vrp"_s), TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(),
                                                         QString(), u"[A]"_s, u"/r/a.rtf"_s, QString()}));
}

void TestProjectCommands::deleteWithoutSelection()
{
    auto window = showWindow();
    const QByteArray bytes = TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()});
    m_dir->write(u"p.vrp"_s, bytes);
    FileDialog::setNextAnswer(m_dir->file(u"p.vrp"_s));
    press(window.get(), Qt::Key_F4);
    textBox(window.get())->setPlainText(u"ungespeichert"_s);
    press(window.get(), Qt::Key_F7);
    QCOMPARE(shownText(MessageBox::recorded()), u"0|Kein Thema makiert!|Sie haben kein Thema makiert!"_s);
    QCOMPARE(m_dir->read(u"p.vrp"_s), bytes);
    QCOMPARE(textBox(window.get())->plainText(), u"ungespeichert"_s);
}

void TestProjectCommands::addKeepsUnsavedTyping()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(*m_dir, u"p.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()}));
    press(window.get(), Qt::Key_F4);
    textBox(window.get())->setPlainText(u"TESSAVOR\nTXT\nNeuer Titel\n\n"_s);
    addTopicVia(window.get(), u"A"_s, u"a"_s);
    QCOMPARE(m_dir->read(u"p.vrp"_s), TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Neuer Titel"_s, QString(),
                                                         u"A"_s, QString(), u"[A]"_s, u"a"_s, QString()}));
}

void TestProjectCommands::noProjectOpen_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown");
    QTest::newRow("save") << u"save"_s << u"2|Nicht gespeichert!|"_s + noProjectText();
    QTest::newRow("delete") << u"delete"_s << u"2|Thema nicht gelöscht!|"_s + noProjectText();
    QTest::newRow("build") << u"build"_s << u"2|Keine Hilfedatei erstellt!|"_s + noProjectText();
    QTest::newRow("add does nothing") << u"add"_s << QString();
}

void TestProjectCommands::noProjectOpen()
{
    QFETCH(QString, command);
    QFETCH(QString, shown);
    auto window = showWindow();
    textBox(window.get())->setPlainText(u"Thema"_s);
    select(window.get(), u"Thema"_s);
    bool dialogOpened = false;
    QObject guard;
    if (command == u"add"_s) {
        whenModalOpens(&guard, [&dialogOpened](QDialog *dialog) {
            dialogOpened = true;
            dialog->reject();
        });
    }
    if (command == u"save"_s)
        press(window.get(), Qt::Key_F5);
    else if (command == u"delete"_s)
        press(window.get(), Qt::Key_F7);
    else if (command == u"add"_s)
        press(window.get(), Qt::Key_F6);
    else
        window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QTest::qWait(100);
    QVERIFY(!dialogOpened);
    QCOMPARE(shownText(MessageBox::recorded()), shown);
    QCOMPARE(textBox(window.get())->plainText(), u"Thema"_s);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void TestProjectCommands::compileWithMissingRtfFile()
{
    auto window = showWindow();
    m_dir->write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    FileDialog::setNextAnswer(
        writeProject(*m_dir, u"p.vrp"_s,
                     {u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(), u"[A]"_s,
                      m_dir->file(u"a.rtf"_s), QString(), u"[B]"_s, m_dir->file(u"b.rtf"_s), QString()}));
    press(window.get(), Qt::Key_F4);
    m_dir->write(u"p.vry"_s, "die vorige Hilfedatei");
    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown shown = MessageBox::recorded().first();
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, u"RTF - Datei fehlt!"_s);
    QVERIFY2(shown.text.startsWith(u"Die RTF - Datei \"%1\" des Themas \"B\" kann nicht gelesen werden"_s.arg(
                 m_dir->file(u"b.rtf"_s))),
             qPrintable(shown.text));
    QCOMPARE(m_dir->read(u"p.vry"_s), QByteArray("die vorige Hilfedatei"));

    // Once the file is there, the same button builds the help file.
    m_dir->write(u"b.rtf"_s, "{\\rtf1 B}\r\n");
    MessageBox::clearRecorded();
    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QVERIFY(MessageBox::recorded().isEmpty());
    QVERIFY(m_dir->read(u"p.vry"_s).endsWith("[B]\r\n{\\rtf1 B}\r\n\r\n"));
}

void TestProjectCommands::compileToEditedTarget()
{
    auto window = showWindow();
    const QString project =
        writeProject(*m_dir, u"p.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()});
    FileDialog::setNextAnswer(project);
    press(window.get(), Qt::Key_F4);
    auto *target = window->findChild<QLineEdit *>(u"txtNameHilfedatei"_s);
    target->setText(m_dir->file(u"anders.vry"_s));
    textBox(window.get())->setPlainText(u"TESSAVOR\nTXT\nGeändert\n\n"_s);
    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QVERIFY(MessageBox::recorded().isEmpty());
    const QByteArray saved =
        TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Geändert"_s, QString(), QString()});
    QCOMPARE(m_dir->read(u"p.vrp"_s), saved);
    QCOMPARE(m_dir->read(u"anders.vry"_s), saved);
    QVERIFY(!m_dir->exists(u"p.vry"_s));
}

void TestProjectCommands::rtfProjectNamedLikeItsHelpFile()
{
    auto window = showWindow();
    m_dir->write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    // "kurs.vry" as the project's name: the help file's path becomes the project's own.
    const QString project = m_dir->file(u"kurs.vry"_s);
    newProjectVia(window.get(), project, Type::RichText, u"Kurs"_s);
    addTopicVia(window.get(), u"A"_s, m_dir->file(u"a.rtf"_s));
    const QByteArray saved = m_dir->read(u"kurs.vry"_s);
    auto *target = window->findChild<QLineEdit *>(u"txtNameHilfedatei"_s);
    QCOMPARE(target->text(), project);
    MessageBox::clearRecorded();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    textBox(window.get())->setFocus();

    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown shown = MessageBox::recorded().first();
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, u"Keine Hilfedatei erstellt!"_s);
    QVERIFY2(shown.text.startsWith(u"Die Hilfedatei \"%1\" wäre die Projektdatei selbst"_s.arg(project)),
             qPrintable(shown.text));
    // The project keeps its RTF file names, and the path can be changed at once.
    QCOMPARE(m_dir->read(u"kurs.vry"_s), saved);
    QCOMPARE(QApplication::focusWidget(), target);

    target->setText(m_dir->file(u"hilfe.vry"_s));
    MessageBox::clearRecorded();
    window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    QVERIFY(MessageBox::recorded().isEmpty());
    QVERIFY(m_dir->read(u"hilfe.vry"_s).endsWith("[A]\r\n{\\rtf1 A}\r\n\r\n"));
    QCOMPARE(m_dir->read(u"kurs.vry"_s), saved);
}

void TestProjectCommands::unwritableProjectKeepsText()
{
    auto window = showWindow();
    QVERIFY(QDir(m_dir->path()).mkdir(u"ordner"_s));
    const QString project = m_dir->file(u"ordner/p.vrp"_s);
    m_dir->write(u"ordner/p.vrp"_s,
                 TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()}));
    FileDialog::setNextAnswer(project);
    press(window.get(), Qt::Key_F4);
    QVERIFY(QDir(m_dir->file(u"ordner"_s)).removeRecursively());

    const QString typed = u"TESSAVOR\nTXT\nViel Arbeit\n\n"_s;
    textBox(window.get())->setPlainText(typed);
    press(window.get(), Qt::Key_F5);
    QCOMPARE(MessageBox::recorded().size(), 1);
    QCOMPARE(MessageBox::recorded().first().title, u"Nicht gespeichert!"_s);
    QVERIFY(MessageBox::recorded().first().text.contains(project));
    QCOMPARE(textBox(window.get())->plainText(), typed);

    MessageBox::clearRecorded();
    addTopicVia(window.get(), u"A"_s, u"a"_s);
    QCOMPARE(MessageBox::recorded().size(), 1);
    QCOMPARE(MessageBox::recorded().first().title, u"Thema nicht hinzugefügt!"_s);
    QCOMPARE(textBox(window.get())->plainText(), typed);
}

void TestProjectCommands::warningsShowTheNormalPointer_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::newRow("open a file that is no project") << u"open"_s << u"Datei ungültig!"_s;
    QTest::newRow("save into a vanished folder") << u"save"_s << u"Nicht gespeichert!"_s;
    QTest::newRow("delete from a vanished folder") << u"delete"_s << u"Thema nicht gelöscht!"_s;
    QTest::newRow("build with a missing RTF file") << u"build"_s << u"RTF - Datei fehlt!"_s;
}

void TestProjectCommands::warningsShowTheNormalPointer()
{
    QFETCH(QString, command);
    QFETCH(QString, title);
    auto window = showWindow();
    QVERIFY(QDir(m_dir->path()).mkdir(u"ordner"_s));
    const QString project = m_dir->file(u"ordner/p.vrp"_s);
    m_dir->write(u"ordner/p.vrp"_s,
                 TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, QString(), u"[A]"_s,
                                    m_dir->file(u"a.rtf"_s), QString()}));
    m_dir->write(u"falsch.vrp"_s, "TESSAVOR \r\n");
    FileDialog::setNextAnswer(project);
    press(window.get(), Qt::Key_F4);
    QCOMPARE(window->project().path, project);
    if (command == u"save"_s || command == u"delete"_s)
        QVERIFY(QDir(m_dir->file(u"ordner"_s)).removeRecursively());

    // Real boxes from here on: the pointer is looked at while the box is up.
    MessageBox::stopRecording();
    QString shownTitle;
    bool busyWhileShown = true;
    whenModalOpens(window.get(), [&](QDialog *box) {
        shownTitle = box->windowTitle();
        busyWhileShown = QGuiApplication::overrideCursor() != nullptr;
        box->accept();
    });
    if (command == u"open"_s) {
        FileDialog::setNextAnswer(m_dir->file(u"falsch.vrp"_s));
        press(window.get(), Qt::Key_F4);
    } else if (command == u"save"_s) {
        press(window.get(), Qt::Key_F5);
    } else if (command == u"delete"_s) {
        select(window.get(), u"A"_s);
        press(window.get(), Qt::Key_F7);
    } else {
        window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->click();
    }
    QTRY_COMPARE(shownTitle, title);
    QVERIFY(!busyWhileShown);
    // After the command the pointer is the normal one again.
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestProjectCommands::savePlainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lines") << u"a\nb"_s << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty last line") << u"a\n"_s << QByteArray("a\r\n\r\n");
    QTest::newRow("umlauts") << u"Grüße €"_s
                             << QByteArray("Gr\xfc\xdf"
                                           "e \x80\r\n");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestProjectCommands::savePlainText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    TestSupport::ProgramDir dir;
    RichTextBox box;
    box.setPlainText(text);
    QVERIFY(!HelpProject::saveText(dir.file(u"p.vrp"_s), box.plainText()).has_value());
    QCOMPARE(dir.read(u"p.vrp"_s), bytes);
}

void TestProjectCommands::plainRoundTripKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("project") << TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Hilfe"_s, u"Thema"_s, QString(),
                                                   u"[Thema]"_s, u"Text mit Ä und\u00A0Leerzeichen"_s,
                                                   QString()});
    QTest::newRow("empty lines at end") << QByteArray("a\r\nb\r\n\r\n\r\n");
    QTest::newRow("tabs and blanks") << QByteArray("\ta  b \r\n  \r\n");
}

void TestProjectCommands::plainRoundTripKeepsBytes()
{
    QFETCH(QByteArray, bytes);
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, bytes);
    RichTextBox box;
    QVERIFY(box.loadPlainFile(dir.file(u"p.vrp"_s)));
    QVERIFY(!HelpProject::saveText(dir.file(u"p.vrp"_s), box.plainText()).has_value());
    QCOMPARE(dir.read(u"p.vrp"_s), bytes);
}

void TestProjectCommands::lastLineWithoutBreakGainsOne()
{
    TestSupport::ProgramDir dir;
    dir.write(u"p.vrp"_s, "a\r\nb");
    RichTextBox box;
    QVERIFY(box.loadPlainFile(dir.file(u"p.vrp"_s)));
    QVERIFY(!HelpProject::saveText(dir.file(u"p.vrp"_s), box.plainText()).has_value());
    QCOMPARE(dir.read(u"p.vrp"_s), QByteArray("a\r\nb\r\n"));
}

void TestProjectCommands::saveFailureKeepsOldFile()
{
    TestSupport::ProgramDir dir;
    RichTextBox box;
    box.setPlainText(u"neu"_s);
    // The target's directory does not exist.
    QVERIFY(HelpProject::saveText(dir.file(u"fehlt/p.vrp"_s), box.plainText()).has_value());
    // The target is a directory.
    QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
    QVERIFY(HelpProject::saveText(dir.file(u"ordner"_s), box.plainText()).has_value());
    // A read-only directory keeps the old file as it was.
    QDir(dir.path()).mkdir(u"schutz"_s);
    dir.write(u"schutz/p.vrp"_s, "alt\r\n");
    QFile::setPermissions(dir.file(u"schutz"_s), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = !HelpProject::saveText(dir.file(u"schutz/p.vrp"_s), box.plainText()).has_value();
    QFile::setPermissions(dir.file(u"schutz"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written)
        QSKIP("running with rights that ignore directory permissions");
    QCOMPARE(dir.read(u"schutz/p.vrp"_s), QByteArray("alt\r\n"));
}

QTEST_MAIN(TestProjectCommands)
#include "test_projectcommands.moc"
