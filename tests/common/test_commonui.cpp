// Shared window helpers: busy pointer guard, help launch, icon frame counter, Qt's German texts and
// the scoped seams of the tests.
#include "common/ui/busycursor.h"
#include "common/ui/filedialog.h"
#include "common/ui/germantexts.h"
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/inputbox.h"
#include "common/ui/messagebox.h"
#include "tests/testsupport/testsupport.h"
#include "tests/testsupport/uiseams.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

class TestCommonUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void busyCursorRestoresOnEveryPath();
    void frameCounter_data();
    void frameCounter();
    void animationSetsIconOfFrame();
    void helpLaunchStartsViewerWithOneArgument();
    void helpLaunchWarnsWhenViewerMissing();
    void messageBoxShowsNormalPointerInsideBusyHandler();
    void recordedDialogsAnswerAndRestore();
    void germanContextMenus_data();
    void germanContextMenus();
};

void TestCommonUi::busyCursorRestoresOnEveryPath()
{
    QVERIFY(!QGuiApplication::overrideCursor());
    {
        BusyCursor outer;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            BusyCursor inner;
        }
        QVERIFY(QGuiApplication::overrideCursor());
    }
    QVERIFY(!QGuiApplication::overrideCursor());
    auto early = [](bool leave) {
        BusyCursor busy;
        if (leave)
            return 1;
        return 2;
    };
    early(true);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestCommonUi::frameCounter_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("frame");
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("first tick shows frame 1") << 1 << 1;
    QTest::newRow("15 ticks") << 15 << 15;
    QTest::newRow("16 ticks wrap to 0") << 16 << 0;
    QTest::newRow("17 ticks") << 17 << 1;
    QTest::newRow("many turns") << 16 * 5000 + 3 << 3;
}

void TestCommonUi::frameCounter()
{
    QFETCH(int, ticks);
    QFETCH(int, frame);
    IconFrameCounter counter;
    for (int i = 0; i < ticks; ++i)
        counter.step();
    QCOMPARE(counter.frame(), frame);
}

void TestCommonUi::animationSetsIconOfFrame()
{
    QWidget window;
    IconAnimation animation(&window);
    QVERIFY(animation.timer()->isActive());
    QCOMPARE(animation.timer()->interval(), 100);
    for (int i = 0; i < 17; ++i)
        animation.NextIconFrame();
    QCOMPARE(animation.frame(), 1);
    const QImage shown = window.windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown, IconFrames::frame(1).toImage());
    QVERIFY(IconFrames::frame(1).toImage() != IconFrames::frame(8).toImage());
}

void TestCommonUi::helpLaunchStartsViewerWithOneArgument()
{
    TestSupport::ProgramDir dir;
    dir.write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(dir.file(u"tessavor"_s), QFile::ReadOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(dir.path());
    QString program;
    QStringList arguments;
    const TestSupport::SeamGuard starter(
        [&] {
            HelpLaunch::setStarter([&](const QString &p, const QStringList &a) {
                program = p;
                arguments = a;
                return true;
            });
        },
        HelpLaunch::resetStarter);
    QVERIFY(HelpLaunch::showHelp(nullptr, u"zembrota.vry"_s, u"Status - Anzeige"_s));
    QCOMPARE(program, dir.path() + u"/tessavor"_s);
    QCOMPARE(arguments, QStringList{dir.path() + u"/zembrota.vry, Status - Anzeige"_s});
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestCommonUi::helpLaunchWarnsWhenViewerMissing()
{
    TestSupport::ProgramDir dir;
    bool called = false;
    const TestSupport::RecordedDialogs dialogs;
    HelpLaunch::setProgramDir(dir.path());
    HelpLaunch::setStarter([&](const QString &, const QStringList &) { return called = true; });
    QVERIFY(!HelpLaunch::showHelp(nullptr, u"zembrota.vry"_s, u"Inhalt"_s));
    QVERIFY(!called);
    const auto shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QVERIFY(shown[0].text.contains(u"tessavor"_s));
}

void TestCommonUi::recordedDialogsAnswerAndRestore()
{
    const QString realProgramDir = HelpLaunch::programDir();
    {
        const TestSupport::RecordedDialogs dialogs;
        TestSupport::ProgramDir dir;
        HelpLaunch::setProgramDir(dir.path());
        QVERIFY(MessageBox::recording());
        FileDialog::setNextAnswer(u"/tmp/a.vrp"_s);
        QCOMPARE(FileDialog::getOpenFileName(nullptr, u"*.vrp|*.vrp"_s), u"/tmp/a.vrp"_s);
        QCOMPARE(FileDialog::getSaveFileName(nullptr, u"*.vrp|*.vrp"_s), QString()); // empty queue: cancel
        QCOMPARE(FileDialog::recorded().size(), 2);
        QCOMPARE(FileDialog::recorded().at(1).mode, FileDialog::Mode::Save);
        InputBox::setNextAnswer(u"Titel"_s);
        QCOMPARE(InputBox::getText(nullptr, u"Namen eingeben!"_s, u"Frage"_s), std::optional(u"Titel"_s));
        QCOMPARE(InputBox::getText(nullptr, u"Namen eingeben!"_s, u"Frage"_s), std::nullopt);
        QCOMPARE(InputBox::recorded().size(), 2);
        QCOMPARE(InputBox::recorded().at(0).title, u"Namen eingeben!"_s);
    }
    // The scope is over: boxes show again and the program directory is the real one.
    QVERIFY(!MessageBox::recording());
    QCOMPARE(HelpLaunch::programDir(), realProgramDir);
}

void TestCommonUi::germanContextMenus_data()
{
    // The text fields of the dictionary, the viewer's topic and Quorant's project text.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line edit") << u"line"_s << u"&Kopieren"_s;
    QTest::newRow("rich text, read-only") << u"rich"_s << u"Alles auswählen"_s;
    QTest::newRow("rich text, read-only, copy") << u"rich"_s << u"&Kopieren"_s;
    QTest::newRow("plain text") << u"plain"_s << u"Alles auswählen"_s;
}

void TestCommonUi::germanContextMenus()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s))
        QSKIP("Qt's German texts are not installed");
    GermanTexts::install();
    GermanTexts::install(); // a second call changes nothing
    QLineEdit line;
    QTextEdit rich;
    rich.setReadOnly(true);
    rich.setPlainText(u"Text"_s);
    QPlainTextEdit plain;
    // The text areas make their menu a child of theirs: it goes before them.
    std::unique_ptr<QMenu> menu;
    if (kind == u"line"_s)
        menu.reset(line.createStandardContextMenu());
    else if (kind == u"rich"_s)
        menu.reset(rich.createStandardContextMenu());
    else
        menu.reset(plain.createStandardContextMenu());
    QStringList texts; // without the shortcut that follows a tab
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    QVERIFY2(texts.contains(expected), qPrintable(texts.join(u", "_s)));
    QVERIFY(!texts.contains(u"&Copy"_s));
    QVERIFY(!texts.contains(u"Select All"_s));
}

void TestCommonUi::messageBoxShowsNormalPointerInsideBusyHandler()
{
    BusyCursor busy;
    Qt::CursorShape whileShown = Qt::WaitCursor;
    QTimer::singleShot(0, this, [&] {
        whileShown = QGuiApplication::overrideCursor()->shape();
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    MessageBox::warning(nullptr, u"Fehler!"_s, u"Text"_s);
    QCOMPARE(whileShown, Qt::ArrowCursor);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

QTEST_MAIN(TestCommonUi)
#include "test_commonui.moc"
