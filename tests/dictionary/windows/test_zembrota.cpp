// The dictionary program from the opening window to the main window, with its failure paths.
#include "common/ui/maker.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmeroeffnung.h"
#include "dictionary/windows/frmhaupt.h"
#include "dictionary/windows/program.h"
#include "tests/dictionary/windows/windowtestsupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

// A program whose end is recorded.
struct Program
{
    explicit Program(const QString &dir, WordListPrefetch *prefetch = nullptr) : program(dir, prefetch)
    {
        program.setExit([this](int code) { exitCodes << code; });
        program.start();
    }

    QString figure(const QString &name) { return program.statusWindow()->findChild<QLabel *>(name)->text(); }
    bool statusShown() const
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"frmAnzeige"_s && w->isVisible())
                return true;
        }
        return false;
    }

    QList<int> exitCodes;
    DictionaryProgram program;
};

} // namespace

class TestZembrota : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTest::quietOffscreenWarnings(); }
    void init();
    void cleanup();
    void openingWindowWaits();
    void keysWithoutCharacterDoNothing_data();
    void keysWithoutCharacterDoNothing();
    void characterKeyStartsOnce_data();
    void characterKeyStartsOnce();
    void continueSearchAfterStartUp();
    void settingsColourBothWindows();
    void programOwnsItsWindows();
    void unreadableWordList_data();
    void unreadableWordList();
    void faultyWordList();
    void endFromMenu();
    void closingOpeningWindowEnds();
    void listReadAhead_data();
    void listReadAhead();
    void standardTextsInGerman();
};

void TestZembrota::init()
{
    MessageBox::startRecording();
}

void TestZembrota::cleanup()
{
    MessageBox::stopRecording();
    MessageBox::clearRecorded();
}

void TestZembrota::openingWindowWaits()
{
    Program p(WindowTest::wordListDir());
    frmEroeffnung *opening = p.program.openingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(opening));
    QCOMPARE(opening->objectName(), u"frmEröffnung"_s);
    QCOMPARE(opening->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 2.5"_s);
    QCOMPARE(opening->findChild<QLabel *>(u"lblProductName"_s)->text(), u"Glossand"_s);
    QCOMPARE(opening->findChild<QLabel *>(u"lblvon"_s)->text(), u"von"_s);
    // The same maker as in the about window, in green 18 pt bold italic "Arial".
    auto *maker = opening->findChild<QLabel *>(u"lblHersteller"_s);
    QCOMPARE(maker->text(), Maker::name());
    QCOMPARE(maker->font().family(), u"Arial"_s);
    QCOMPARE(maker->font().pointSizeF(), 18.0);
    QVERIFY(maker->font().bold() && maker->font().italic());
    QCOMPARE(maker->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(opening->findChild<QLabel *>(u"lblProductName"_s)->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    QTest::qWait(50);
    QVERIFY(!p.program.hasMainWindow());
    QVERIFY(!p.statusShown());
    QCOMPARE(p.program.wordList().words.lineCount(), 0);
}

void TestZembrota::keysWithoutCharacterDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("function key") << int(Qt::Key_F5) << int(Qt::NoModifier);
    QTest::newRow("arrow key") << int(Qt::Key_Left) << int(Qt::NoModifier);
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
}

void TestZembrota::keysWithoutCharacterDoNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Program p(WindowTest::wordListDir());
    frmEroeffnung *opening = p.program.openingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(opening));
    QTest::keyClick(opening, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::mouseClick(opening, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!opening->started());
    QVERIFY(!p.program.hasMainWindow());
    QVERIFY(!p.statusShown());
    QVERIFY(opening->isVisible());
}

void TestZembrota::characterKeyStartsOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("digit") << int(Qt::Key_7);
    QTest::newRow("blank") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestZembrota::characterKeyStartsOnce()
{
    QFETCH(int, key);
    Program p(WindowTest::wordListDir());
    QSignalSpy finished(&p.program, &DictionaryProgram::startUpFinished);
    frmEroeffnung *opening = p.program.openingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(opening));
    QTest::keyClick(opening, Qt::Key(key));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).value<StartUpOutcome>(), StartUpOutcome::MainWindowShown);
    QVERIFY(p.program.hasMainWindow());
    frmHaupt *main = p.program.mainWindow();
    QVERIFY(main->isVisible());
    QVERIFY(p.program.statusWindow()->isVisible());
    QVERIFY(!opening->isVisible());
    QVERIFY(main->findChild<QAction *>(u"mnuStatus"_s)->isChecked());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(MessageBox::recorded().isEmpty());
    QVERIFY(p.exitCodes.isEmpty());
    QCOMPARE(p.figure(u"lblW"_s), u"50"_s);
    // The status window was made before the main window and painted by the fallback colouring.
    QCOMPARE(p.program.statusWindow()->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Button));
    // A second key starts nothing more.
    QTest::keyClick(opening, Qt::Key_B);
    QCOMPARE(finished.size(), 1);
}

void TestZembrota::continueSearchAfterStartUp()
{
    Program p(WindowTest::wordListDir());
    QTest::keyClick(p.program.openingWindow(), Qt::Key_X);
    frmHaupt *main = p.program.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(p.figure(u"lblAW"_s), u"-"_s);
    QTest::keyClicks(main->findChild<QLineEdit *>(u"txtVolltext"_s), u"lieben"_s);
    QTest::mouseClick(main->findChild<QWidget *>(u"cmdVWeitersuchen"_s), Qt::LeftButton);
    QCOMPARE(p.figure(u"lblAW"_s), u"1"_s);
    QCOMPARE(main->findChild<QLineEdit *>(u"txtL"_s)->text(), u"amare"_s);
    QCOMPARE(p.figure(u"lblS"_s), u"4 / 2"_s);
}

void TestZembrota::settingsColourBothWindows()
{
    // A fixed red from zembrota.ini reaches the status window and the main window.
    TestSupport::ProgramDir dir;
    QFile source(WindowTest::wordListDir() + u"/latein.lst"_s);
    QVERIFY(source.open(QIODevice::ReadOnly));
    dir.write(u"latein.lst"_s, source.readAll());
    dir.write(u"zembrota.ini"_s, TestSupport::crlf({u"BF"_s, u"Aus"_s, u"50"_s, u"255"_s, u"0"_s, u"0"_s}));
    Program p(dir.path());
    QTest::keyClick(p.program.openingWindow(), Qt::Key_A);
    QVERIFY(p.program.hasMainWindow());
    QCOMPARE(p.program.mainWindow()->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(p.program.statusWindow()->palette().color(QPalette::Window), QColor(255, 0, 0));
    // The fields keep their own colours.
    QCOMPARE(p.program.mainWindow()->findChild<QLineEdit *>(u"txtL"_s)->palette().color(QPalette::Base),
             QColor(255, 255, 192));
}

void TestZembrota::programOwnsItsWindows()
{
    // Each program object starts from nothing and takes every window it made with it.
    TestSupport::ProgramDir dir;
    QFile source(WindowTest::wordListDir() + u"/latein.lst"_s);
    QVERIFY(source.open(QIODevice::ReadOnly));
    dir.write(u"latein.lst"_s, source.readAll());
    dir.write(u"zembrota.ini"_s, TestSupport::crlf({u"BF"_s, u"Aus"_s, u"50"_s, u"0"_s, u"0"_s, u"255"_s}));
    QList<QPointer<QWidget>> windows;
    {
        auto p = std::make_unique<Program>(dir.path());
        QTest::keyClick(p->program.openingWindow(), Qt::Key_A);
        Zembrota::Appearance &appearance = p->program.appearance();
        const ColourScheme &scheme = appearance.scheme();
        QCOMPARE(scheme.window(ColourScheme::Window::Anzeige), p->program.statusWindow());
        QCOMPARE(scheme.window(ColourScheme::Window::Haupt), p->program.mainWindow());
        // The appearance's windows come when first used, in the colour in force.
        QCOMPARE(scheme.window(ColourScheme::Window::Info), nullptr);
        appearance.showAbout();
        QCOMPARE(scheme.window(ColourScheme::Window::Info), appearance.aboutWindow());
        QCOMPARE(appearance.aboutWindow()->palette().color(QPalette::Window), QColor(0, 0, 255));
        appearance.showAdvert();
        appearance.showColoursDialog();
        windows = {p->program.openingWindow(), p->program.statusWindow(), p->program.mainWindow(),
                   appearance.coloursDialog(), appearance.aboutWindow(),  appearance.advertWindow()};
        for (const QPointer<QWidget> &w : std::as_const(windows))
            QVERIFY(w);
    }
    for (const QPointer<QWidget> &w : std::as_const(windows))
        QVERIFY(!w);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    // A second program starts afresh: no window, no colour, no cycle of the first.
    Program second(WindowTest::wordListDir());
    QVERIFY(!second.program.hasMainWindow());
    QVERIFY(!second.program.appearance().scheme().cycleRunning());
    QCOMPARE(second.program.appearance().scheme().window(ColourScheme::Window::Anzeige), nullptr);
}

void TestZembrota::unreadableWordList_data()
{
    QTest::addColumn<bool>("directory");
    QTest::newRow("no word list") << false;
    QTest::newRow("a directory in its place") << true;
}

void TestZembrota::unreadableWordList()
{
    QFETCH(bool, directory);
    TestSupport::ProgramDir dir;
    if (directory)
        QVERIFY(QDir(dir.path()).mkdir(u"latein.lst"_s));
    Program p(dir.path());
    QSignalSpy finished(&p.program, &DictionaryProgram::startUpFinished);
    QTest::keyClick(p.program.openingWindow(), Qt::Key_A);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).value<StartUpOutcome>(), StartUpOutcome::WordListUnreadable);
    const QList<MessageBox::Shown> shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QCOMPARE(shown[0].title, u"Wortliste nicht lesbar!"_s);
    QVERIFY2(shown[0].text.contains(dir.file(u"latein.lst"_s)), qPrintable(shown[0].text));
    QVERIFY2(shown[0].text.endsWith(u"Ohne die Wortliste kann Glossand nicht arbeiten und wird beendet."_s),
             qPrintable(shown[0].text));
    QCOMPARE(p.exitCodes, QList<int>{1});
    QVERIFY(!p.program.hasMainWindow());
    QVERIFY(!p.statusShown());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestZembrota::faultyWordList()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$4"_s, u"%3"_s,
                                                  u"#et"_s, u"="_s, u"und"_s, u"$1"_s, u"%1"_s}));
    Program p(dir.path());
    QTest::keyClick(p.program.openingWindow(), Qt::Key_A);
    QVERIFY(p.program.hasMainWindow());
    QVERIFY(p.program.mainWindow()->isVisible());
    const QList<MessageBox::Shown> shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QCOMPARE(shown[0].title, u"Fehlerhafte Wortliste!"_s);
    QVERIFY2(shown[0].text.contains(u"\nZeile 4: "_s), qPrintable(shown[0].text));
    QVERIFY(p.exitCodes.isEmpty());
    // The faulty entry can still be looked up; the good one is in the lists.
    QCOMPARE(p.figure(u"lblW"_s), u"1"_s);
    p.program.mainWindow()->LookUpWord(u"amare"_s, 1);
    QCOMPARE(p.figure(u"lblAW"_s), u"1"_s);
}

void TestZembrota::endFromMenu()
{
    Program p(WindowTest::wordListDir());
    QTest::keyClick(p.program.openingWindow(), Qt::Key_A);
    frmHaupt *main = p.program.mainWindow();
    main->findChild<QAction *>(u"mnuEnde"_s)->trigger();
    QCOMPARE(p.exitCodes, QList<int>{0});
    QVERIFY(!main->isVisible());
    QVERIFY(!p.statusShown());
}

void TestZembrota::closingOpeningWindowEnds()
{
    Program p(WindowTest::wordListDir());
    p.program.openingWindow()->close();
    QCOMPARE(p.exitCodes, QList<int>{0});
    QVERIFY(!p.program.hasMainWindow());
}

void TestZembrota::listReadAhead_data()
{
    QTest::addColumn<bool>("key");
    QTest::newRow("key pressed") << true;
    QTest::newRow("closed without a key") << false;
}

// The program with its word list read ahead: the same windows and figures after the key, and a run
// that ends at the opening window waits for the reading thread and frees its tables.
void TestZembrota::listReadAhead()
{
    QFETCH(bool, key);
    TestSupport::ProgramDir dir;
    QFile::copy(WindowTest::wordListDir() + u"/latein.lst"_s, dir.file(u"latein.lst"_s));
    auto prefetch = std::make_unique<WordListPrefetch>(dir.path(), std::chrono::milliseconds(0));
    {
        Program p(dir.path(), prefetch.get());
        if (key) {
            QTest::keyClick(p.program.openingWindow(), Qt::Key_A);
            QVERIFY(prefetch->tookReadAhead());
            QVERIFY(p.program.mainWindow()->isVisible());
            QCOMPARE(p.figure(u"lblW"_s), u"50"_s);
            QVERIFY(MessageBox::recorded().isEmpty());
        } else {
            p.program.openingWindow()->close();
            QCOMPARE(p.exitCodes, QList<int>{0});
            QVERIFY(!p.program.hasMainWindow());
        }
    }
    prefetch.reset();
}

void TestZembrota::standardTextsInGerman()
{
    // The context menu of a text field speaks German like the rest of the program.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s))
        QSKIP("Qt's German texts are not installed");
    DictionaryProgram::useGermanStandardTexts();
    DictionaryProgram::useGermanStandardTexts(); // once is enough; a second call changes nothing
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts; // without the shortcut that follows a tab
    for (const QAction *action : menu->actions())
        texts << action->text().section(u'\t', 0, 0);
    QVERIFY2(texts.contains(u"&Kopieren"_s), qPrintable(texts.join(u", "_s)));
    QVERIFY(!texts.contains(u"&Copy"_s));
}

QTEST_MAIN(TestZembrota)
#include "test_zembrota.moc"
