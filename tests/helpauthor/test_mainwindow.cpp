// The authoring main window, run offscreen: start-up checks, its controls and menus, creating and
// opening projects, help and the about window.
#include "tests/helpauthor/windowdriver.h"
#include "tests/testsupport/uiseams.h"

#include "common/linefile.h"
#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/inputbox.h"
#include "common/ui/messagebox.h"
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/frminfo.h"
#include "helpauthor/ui/startup.h"
#include "helpfile/helpfile.h"
#include "richtext/richtextbox.h"
#include "tests/helpauthor/modalanswer.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using namespace WindowDriver;
using HelpProject::Type;

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
    void helpAndInfo();
    void aboutLinks();

private:
    std::optional<TestSupport::RecordedDialogs> m_seams;
    std::unique_ptr<TestSupport::ProgramDir> m_dir;
};

void TestMainWindow::init()
{
    m_seams.emplace();
    m_dir = std::make_unique<TestSupport::ProgramDir>();
}

void TestMainWindow::cleanup()
{
    m_seams.reset();
    m_dir.reset();
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
        writeProject(*m_dir, u"erstes.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"Erstes"_s, QString(), QString()});
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
    QCOMPARE(shownText(MessageBox::recorded()), u"2|Nicht gespeichert!|"_s + noProjectText());
}

void TestMainWindow::openRtfAfterTxt()
{
    auto window = showWindow();
    FileDialog::setNextAnswer(
        writeProject(*m_dir, u"t.vrp"_s, {u"TESSAVOR"_s, u"TXT"_s, u"T"_s, QString(), QString()}));
    press(window.get(), Qt::Key_F4);
    QCOMPARE(window->project().type, Type::PlainText);
    FileDialog::setNextAnswer(
        writeProject(*m_dir, u"r.vrp"_s, {u"TESSAVOR"_s, u"xyz"_s, u"R"_s, QString(), QString()}));
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
    TestSupport::UrlRecorder links;
    const QList<QUrl> &opened = links.opened;
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
