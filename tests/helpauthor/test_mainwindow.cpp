// The authoring main window, run offscreen: start-up checks, new, open, save, add and delete
// topics, building the help file, and what happens when no project is open or a file fails.
#include "common/linefile.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpauthor/ui/authorseams.h"
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/frminfo.h"
#include "helpauthor/ui/startup.h"
#include "helpfile/helpfile.h"
#include "richtext/richtextbox.h"
#include "tests/helpauthor/modalanswer.h"
#include "tests/testsupport/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include <memory>

using namespace Qt::StringLiterals;
using HelpProject::Type;

namespace {
const QString noProjectText = u"Es ist kein Hilfeprojekt geöffnet. Legen sie mit \"Neu\" ein Projekt an oder "
                              "öffnen sie eines mit \"Öffnen\"."_s;

QString shownText(const QList<MessageBox::Shown> &shown)
{
    QStringList lines;
    for (const MessageBox::Shown &box : shown)
        lines.append(u"%1|%2|%3"_s.arg(int(box.icon)).arg(box.title, box.text));
    return lines.join(u'\n');
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUpChecks_data();
    void startUpChecks();
    void controlsAndMenus();
    void newProject_data();
    void newProject();
    void newProjectCancelled();
    void openProject_data();
    void openProject();
    void openRtfAfterTxt();
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
    void unwritableProjectKeepsText();
    void helpAndInfo();
    void aboutLinks();

private:
    std::unique_ptr<Quorant::frmHaupt> showWindow();
    QString writeProject(const QString &name, const QStringList &lines);
    void newProjectVia(Quorant::frmHaupt *window, const QString &path, Type type, const QString &title);
    void addTopicVia(Quorant::frmHaupt *window, const QString &name, const QString &content,
                     bool listed = true);
    void select(Quorant::frmHaupt *window, const QString &text);
    RichTextBox *textBox(Quorant::frmHaupt *window);
    // A menu key pressed in the main window, made active again after a modal dialog closed.
    void press(Quorant::frmHaupt *window, Qt::Key key);

    std::unique_ptr<TestSupport::ProgramDir> m_dir;
};

void TestMainWindow::init()
{
    MessageBox::startRecording();
    FileDialog::startRecording();
    InputBox::startRecording();
    m_dir = std::make_unique<TestSupport::ProgramDir>();
}

void TestMainWindow::cleanup()
{
    MessageBox::stopRecording();
    FileDialog::stopRecording();
    InputBox::stopRecording();
    HelpLaunch::setProgramDir(QString());
    HelpLaunch::resetStarter();
    Quorant::frmInfo::resetLinkOpener();
    m_dir.reset();
}

std::unique_ptr<Quorant::frmHaupt> TestMainWindow::showWindow()
{
    auto window = std::make_unique<Quorant::frmHaupt>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window not active");
    return window;
}

RichTextBox *TestMainWindow::textBox(Quorant::frmHaupt *window)
{
    return window->findChild<RichTextBox *>(u"RichTextBox"_s);
}

QString TestMainWindow::writeProject(const QString &name, const QStringList &lines)
{
    m_dir->write(name, TestSupport::crlf(lines));
    return m_dir->file(name);
}

void TestMainWindow::newProjectVia(Quorant::frmHaupt *window, const QString &path, Type type,
                                   const QString &title)
{
    FileDialog::setNextAnswer(path);
    InputBox::setNextAnswer(title);
    whenModalOpens(window, [type](QDialog *dialog) {
        const QString option = type == Type::PlainText ? u"optTXT"_s : u"optRTF"_s;
        dialog->findChild<QRadioButton *>(option)->click();
        dialog->findChild<QPushButton *>(u"cmdWeiter"_s)->click();
    });
    press(window, Qt::Key_F3);
}

void TestMainWindow::addTopicVia(Quorant::frmHaupt *window, const QString &name, const QString &content,
                                 bool listed)
{
    whenModalOpens(window, [name, content, listed](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(u"TextName"_s)->setText(name);
        if (auto *text = dialog->findChild<QPlainTextEdit *>(u"TextThema"_s)) {
            text->setPlainText(content);
        } else {
            FileDialog::setNextAnswer(content);
            dialog->findChild<QPushButton *>(u"cmdRTFDateiwählen"_s)->click();
        }
        dialog->findChild<QCheckBox *>(u"Check"_s)->setChecked(listed);
        dialog->findChild<QPushButton *>(u"cmdThemahinzufügen"_s)->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    press(window, Qt::Key_F6);
}

void TestMainWindow::press(Quorant::frmHaupt *window, Qt::Key key)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, key);
}

void TestMainWindow::select(Quorant::frmHaupt *window, const QString &text)
{
    RichTextBox *box = textBox(window);
    box->moveCursor(QTextCursor::Start);
    QVERIFY(box->find(text));
    QCOMPARE(box->selectedText(), text);
}

void TestMainWindow::startUpChecks_data()
{
    QTest::addColumn<bool>("viewer");
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("shown");
    const QString viewerMissing = u"3|Programm Tessavor nicht gefunden!|Das Programm Tessavor muss sich im "
                                  "selben Verzeichnis befinden!"_s;
    QTest::newRow("both present") << true << true << QString();
    QTest::newRow("viewer missing") << false << true << viewerMissing;
    QTest::newRow("both missing: the viewer first") << false << false << viewerMissing;
    QTest::newRow("help missing")
        << true << false
        << u"3|Quorant.vry nicht gefunden!|Die Hilfe zum Quorant - Datei Quorant.vry "
           "muss sich im selben Verzeichnis befinden!"_s;
}

void TestMainWindow::startUpChecks()
{
    QFETCH(bool, viewer);
    QFETCH(bool, help);
    QFETCH(QString, shown);
    if (viewer)
        m_dir->write(u"tessavor"_s, "\x7f"
                                    "ELF");
    if (help)
        m_dir->write(u"quorant.vry"_s, "TESSAVOR\r\nRTF\r\n");
    // A file of the right name in other letter case is not the file.
    m_dir->write(u"Quorant.vry"_s, "TESSAVOR\r\n");
    HelpLaunch::setProgramDir(m_dir->path());
    QCOMPARE(Quorant::startUpChecksPass(), shown.isEmpty());
    QCOMPARE(shownText(MessageBox::recorded()), shown);
}

void TestMainWindow::controlsAndMenus()
{
    auto window = showWindow();
    QCOMPARE(window->windowTitle(), u"Quorant"_s);
    QCOMPARE(window->findChild<QPushButton *>(u"cmdHilfedateierstellen"_s)->text(),
             u"Hilfedatei erstellen"_s);
    QVERIFY(window->findChild<QLineEdit *>(u"txtNameHilfedatei"_s));
    QVERIFY(!textBox(window.get())->isReadOnly());
    const QList<std::pair<QString, QString>> menu{
        {u"mnuNeu"_s, u"Neu|F3"_s},
        {u"mnuÖffnen"_s, u"Öffnen|F4"_s},
        {u"mnuSpeichern"_s, u"Speichern|F5"_s},
        {u"mnuThemahinzufügen"_s, u"Thema hinzufügen|F6"_s},
        {u"mnuThemalöschen"_s, u"Thema löschen|F7"_s},
        {u"mnuHilfe1"_s, u"Hilfe|F1"_s},
        {u"mnuInfo"_s, u"Info|F2"_s},
    };
    for (const auto &[name, entry] : menu) {
        auto *action = window->findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->text() + u'|' + action->shortcut().toString(), entry);
    }
    QCOMPARE(window->project().type, Type::RichText);
    QVERIFY(!window->project().isOpen());
}

void TestMainWindow::newProject_data()
{
    QTest::addColumn<QString>("choice"); // what the type dialog is answered with
    QTest::addColumn<QVariant>("title"); // null: the input box is cancelled
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("txt") << u"txt"_s << QVariant(u"Latein"_s)
                         << QByteArray("TESSAVOR\r\nTXT\r\nLatein\r\n\r\n\r\n");
    QTest::newRow("rtf") << u"rtf"_s << QVariant(u"Latein"_s)
                         << QByteArray("TESSAVOR\r\nRTF\r\nLatein\r\n\r\n\r\n");
    QTest::newRow("type dialog cancelled: RTF as at start")
        << u"cancel"_s << QVariant(u"L"_s) << QByteArray("TESSAVOR\r\nRTF\r\nL\r\n\r\n\r\n");
    QTest::newRow("title cancelled") << u"txt"_s << QVariant()
                                     << QByteArray("TESSAVOR\r\nTXT\r\n\r\n\r\n\r\n");
}

void TestMainWindow::newProject()
{
    QFETCH(QString, choice);
    QFETCH(QVariant, title);
    QFETCH(QByteArray, bytes);
    auto window = showWindow();
    const QString path = m_dir->file(u"latein.vrp"_s);
    m_dir->write(u"latein.vrp"_s, "alter Inhalt");
    FileDialog::setNextAnswer(path);
    InputBox::setNextAnswer(title.isNull() ? std::nullopt : std::optional<QString>(title.toString()));
    whenModalOpens(window.get(), [choice](QDialog *dialog) {
        QCOMPARE(dialog->objectName(), u"frmRTFoTXT"_s);
        if (choice == u"cancel"_s) {
            dialog->findChild<QRadioButton *>(u"optTXT"_s)->click();
            dialog->findChild<QPushButton *>(u"cmdAbbrechen"_s)->click();
            return;
        }
        dialog->findChild<QRadioButton *>(choice == u"txt"_s ? u"optTXT"_s : u"optRTF"_s)->click();
        dialog->findChild<QPushButton *>(u"cmdWeiter"_s)->click();
    });
    press(window.get(), Qt::Key_F3);

    QCOMPARE(FileDialog::recorded().size(), 1);
    QCOMPARE(FileDialog::recorded().first().mode, FileDialog::Mode::Save);
    QCOMPARE(FileDialog::recorded().first().filter, u"*.vrp|*.vrp"_s);
    QCOMPARE(InputBox::recorded().size(), 1);
    QCOMPARE(InputBox::recorded().first().title, u"Namen eingeben!"_s);
    QCOMPARE(InputBox::recorded().first().prompt, u"Geben sie einen Namen für die Hilfe ein."_s);
    QCOMPARE(m_dir->read(u"latein.vrp"_s), bytes);
    QCOMPARE(window->project().path, path);
    QCOMPARE(window->project().type, bytes.contains("TXT") ? Type::PlainText : Type::RichText);
    QCOMPARE(textBox(window.get())->plainText(),
             LineFile::decode(bytes).replace(u"\r\n"_s, u"\n"_s).chopped(1));
    QCOMPARE(window->findChild<QLineEdit *>(u"txtNameHilfedatei"_s)->text(), m_dir->file(u"latein.vry"_s));
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestMainWindow::newProjectCancelled()
{
    auto window = showWindow();
    textBox(window.get())->setPlainText(u"bleibt"_s);
    press(window.get(), Qt::Key_F3);
    QCOMPARE(FileDialog::recorded().size(), 1);
    QVERIFY(InputBox::recorded().isEmpty());
    QVERIFY(!window->project().isOpen());
    QCOMPARE(textBox(window.get())->plainText(), u"bleibt"_s);
}

void TestMainWindow::openProject_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("type");
    QTest::newRow("txt project") << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\n\r\n") << true
                                 << int(Type::PlainText);
    QTest::newRow("compiled rtf help")
        << QByteArray("TESSAVOR\r\nRTF\r\nT\r\n\r\nA\r\n\r\n[A]\r\n{\\rtf1 a}\r\n\r\n") << true
        << int(Type::RichText);
    QTest::newRow("trailing space rejected") << QByteArray("TESSAVOR \r\nTXT\r\n") << false << 0;
    QTest::newRow("other file rejected") << QByteArray("[Allgemein]\r\n") << false << 0;
}

void TestMainWindow::openProject()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(int, type);
    auto window = showWindow();
    // A project is open first, so a rejected open shows what it leaves behind.
    const QString first =
        writeProject(u"erstes.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"Erstes"_s, QString(), QString()});
    FileDialog::setNextAnswer(first);
    press(window.get(), Qt::Key_F4);
    QCOMPARE(window->project().path, first);

    m_dir->write(u"b.vrp"_s, bytes);
    FileDialog::setNextAnswer(m_dir->file(u"b.vrp"_s));
    press(window.get(), Qt::Key_F4);
    QCOMPARE(FileDialog::recorded().last().mode, FileDialog::Mode::Open);
    QCOMPARE(FileDialog::recorded().last().filter, u"*.vrp|*.vrp"_s);
    if (accepted) {
        QVERIFY(MessageBox::recorded().isEmpty());
        QCOMPARE(window->project().path, m_dir->file(u"b.vrp"_s));
        QCOMPARE(int(window->project().type), type);
        QCOMPARE(textBox(window.get())->plainText() + u'\n',
                 LineFile::decode(bytes).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(window->findChild<QLineEdit *>(u"txtNameHilfedatei"_s)->text(), m_dir->file(u"b.vry"_s));
        return;
    }
    QCOMPARE(shownText(MessageBox::recorded()),
             u"2|Datei ungültig!|Dies ist keine Gültige Quorant - Datei!"_s);
    QVERIFY(!window->project().isOpen());
    QCOMPARE(textBox(window.get())->plainText(), u"TESSAVOR\nTXT\nErstes\n\n"_s);
    // The file shown is not saved anywhere now.
    MessageBox::clearRecorded();
    press(window.get(), Qt::Key_F5);
    QCOMPARE(m_dir->read(u"b.vrp"_s), bytes);
    QCOMPARE(shownText(MessageBox::recorded()), u"2|Nicht gespeichert!|"_s + noProjectText);
}

void TestMainWindow::openRtfAfterTxt()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(u"t.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()}));
    press(window.get(), Qt::Key_F4);
    QCOMPARE(window->project().type, Type::PlainText);
    FileDialog::setNextAnswer(
        writeProject(u"r.vrp"_s, {u"TESSAVOR"_s, u"xyz"_s, u"R"_s, QString(), QString()}));
    press(window.get(), Qt::Key_F4);
    QCOMPARE(window->project().type, Type::RichText);
    // The add-topic command now offers the RTF dialog.
    QString opened;
    whenModalOpens(window.get(), [&opened](QDialog *dialog) {
        opened = dialog->objectName();
        dialog->reject();
    });
    press(window.get(), Qt::Key_F6);
    QCOMPARE(opened, u"frmRTFThema"_s);
}

void TestMainWindow::authorScenario_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::newRow("typed topics") << false;
    QTest::newRow("rtf files") << true;
}

void TestMainWindow::authorScenario()
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

void TestMainWindow::deleteSavesUnsavedTyping()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(u"p.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(),
                                  u"[A]"_s, u"a"_s, QString(), u"[B]"_s, u"b"_s, QString()}));
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

void TestMainWindow::deleteEntryWithSpaces()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(writeProject(u"p.vrp"_s, {u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"  A "_s,
                                                        QString(), u"[A]"_s, u"/r/a.rtf"_s, QString()}));
    press(window.get(), Qt::Key_F4);
    select(window.get(), u"  A "_s);
    press(window.get(), Qt::Key_F7);
    QCOMPARE(m_dir->read(u"p.vrp"_s), TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(),
                                                         QString(), u"[A]"_s, u"/r/a.rtf"_s, QString()}));
}

void TestMainWindow::deleteWithoutSelection()
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

void TestMainWindow::addKeepsUnsavedTyping()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(u"p.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()}));
    press(window.get(), Qt::Key_F4);
    textBox(window.get())->setPlainText(u"TESSAVOR\nTXT\nNeuer Titel\n\n"_s);
    addTopicVia(window.get(), u"A"_s, u"a"_s);
    QCOMPARE(m_dir->read(u"p.vrp"_s), TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Neuer Titel"_s, QString(),
                                                         u"A"_s, QString(), u"[A]"_s, u"a"_s, QString()}));
}

void TestMainWindow::noProjectOpen_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown");
    QTest::newRow("save") << u"save"_s << u"2|Nicht gespeichert!|"_s + noProjectText;
    QTest::newRow("delete") << u"delete"_s << u"2|Thema nicht gelöscht!|"_s + noProjectText;
    QTest::newRow("build") << u"build"_s << u"2|Keine Hilfedatei erstellt!|"_s + noProjectText;
    QTest::newRow("add does nothing") << u"add"_s << QString();
}

void TestMainWindow::noProjectOpen()
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

void TestMainWindow::compileWithMissingRtfFile()
{
    auto window = showWindow();
    m_dir->write(u"a.rtf"_s, "{\\rtf1 A}\r\n");
    FileDialog::setNextAnswer(writeProject(
        u"p.vrp"_s, {u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(), u"[A]"_s,
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

void TestMainWindow::compileToEditedTarget()
{
    auto window = showWindow();
    const QString project = writeProject(u"p.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()});
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

void TestMainWindow::unwritableProjectKeepsText()
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

void TestMainWindow::helpAndInfo()
{
    m_dir->write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(m_dir->file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(m_dir->path());
    QStringList started;
    HelpLaunch::setStarter([&](const QString &program, const QStringList &arguments) {
        started = QStringList{program} + arguments;
        return true;
    });
    auto window = showWindow();
    press(window.get(), Qt::Key_F1);
    QCOMPARE(started, (QStringList{m_dir->file(u"tessavor"_s), m_dir->path() + u"/quorant.vry, Inhalt"_s}));

    press(window.get(), Qt::Key_F2);
    auto *info = window->findChild<Quorant::frmInfo *>(u"frmInfo"_s);
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QVERIFY(!info->isModal());
    QCOMPARE(info->windowTitle(), u"Info"_s);
    QCOMPARE(info->findChild<QLabel *>(u"Label1"_s)->text(), u"Windows Hilfesystem Editor v2.4"_s);
    QVERIFY(!info->findChild<QPushButton *>(u"cmdVerwendung"_s));
    QCOMPARE(info->findChild<QLabel *>(u"lblKommentare"_s)->text(),
             u"Ich freue mich auf ihre Kommentare und Anregungen."_s);
    QTest::keyClick(info, Qt::Key_Escape);
    QVERIFY(!info->isVisible());
    // Shown again, it is the same window with the version written once.
    press(window.get(), Qt::Key_F2);
    QCOMPARE(window->findChildren<Quorant::frmInfo *>().size(), 1);
    QCOMPARE(info->findChild<QLabel *>(u"Label1"_s)->text(), u"Windows Hilfesystem Editor v2.4"_s);
    QTest::keyClick(info, Qt::Key_Return);
    QVERIFY(!info->isVisible());
}

void TestMainWindow::aboutLinks()
{
    QList<QUrl> opened;
    Quorant::frmInfo::setLinkOpener([&](const QUrl &url) { opened.append(url); });
    Quorant::frmInfo info;
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    for (int index : {1, 2}) {
        QLabel *link = info.link(index);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    // Released off the label: blue again, but no click.
    QTest::mousePress(info.link(1), Qt::LeftButton);
    QTest::mouseRelease(info.link(1), Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(info.link(1)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0), Quorant::frmInfo::webPage());
    QCOMPARE(opened.at(1).scheme(), u"mailto"_s);
    QVERIFY(opened.at(1).toString().endsWith(u"?Subject=Quorant v2.4"_s));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
