// The appearance as the dictionary's windows use it: start-up once with or without zembrota.ini,
// windows created hidden by painting, the timer on the main window, the advert window recreated.
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"
#include "tests/testsupport/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

// A fresh appearance with the status and main windows as the dictionary program creates them:
// the status window first, the main window as the settings come into force.
struct Program
{
    explicit Program(const QString &dir) : appearance(dir)
    {
        anzeige.setObjectName(u"frmAnzeige"_s);
        appearance.scheme().addWindow(ColourScheme::Window::Anzeige, &anzeige);
    }
    void startUp()
    {
        if (!haupt) {
            ++mainWindowLoads; // Form_Load
            haupt = std::make_unique<QWidget>();
            haupt->setObjectName(u"frmHaupt"_s);
            appearance.scheme().addWindow(ColourScheme::Window::Haupt, haupt.get());
        }
        appearance.startUp();
    }
    QList<QWidget *> all()
    {
        return {&anzeige, appearance.coloursDialog(), haupt.get(), appearance.aboutWindow(),
                appearance.advertWindow()};
    }
    QStringList backgrounds()
    {
        QStringList result;
        for (QWidget *w : all())
            result.append(w->palette().color(QPalette::Window).name());
        return result;
    }

    Zembrota::Appearance appearance;
    QWidget anzeige;
    std::unique_ptr<QWidget> haupt;
    int mainWindowLoads = 0;
};

QString systemName()
{
    return QApplication::palette().color(QPalette::Button).name();
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startUp_data();
    void startUp();
    void startUpRunsOnce();
    void dialogFilledFromTheFile_data();
    void dialogFilledFromTheFile();
    void applyWritesBesideTheProgram();
    void cycleColoursWindowsOpenedLater();
    void advertRecreatedInStandardColour();
    void showWindows();

private:
    std::unique_ptr<TestSupport::ProgramDir> m_dir;
};

void TestAppearance::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(0xd4, 0xd0, 0xc8));
    QApplication::setPalette(palette);
}

void TestAppearance::init()
{
    MessageBox::startRecording();
    MessageBox::clearRecorded();
    m_dir = std::make_unique<TestSupport::ProgramDir>();
    HelpLaunch::setProgramDir(m_dir->path());
}

void TestAppearance::cleanup()
{
    HelpLaunch::setProgramDir(QString());
    MessageBox::stopRecording();
    m_dir.reset();
}

void TestAppearance::startUp_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no zembrota.ini
    QTest::addColumn<QString>("colour");  // of all five windows
    QTest::addColumn<bool>("cycle");
    QTest::newRow("no file") << QByteArray() << u"system"_s << false;
    QTest::newRow("short file") << QByteArray("BF\r\nAus\r\n100\r\n255\r\n0\r\n") << u"system"_s << false;
    QTest::newRow("fixed red") << QByteArray("BF\r\nAus\r\n100\r\n255\r\n0\r\n0\r\n") << u"#ff0000"_s
                               << false;
    QTest::newRow("red 300 shows 255")
        << QByteArray("BF\r\nAus\r\n100\r\n300\r\n0\r\n0\r\n") << u"#ff0000"_s << false;
    QTest::newRow("standard") << QByteArray("WS\r\nSG\r\n100\r\n255\r\n0\r\n0\r\n") << u"system"_s << false;
    QTest::newRow("interval out of range")
        << QByteArray("FW\r\nSG\r\n70000\r\n255\r\n0\r\n0\r\n") << u"system"_s << false;
    QTest::newRow("negative interval cycling")
        << QByteArray("FW\r\nSG\r\n-5\r\n255\r\n0\r\n0\r\n") << u"system"_s << false;
    QTest::newRow("cycle") << QByteArray("FW\r\nSG\r\n50\r\n255\r\n0\r\n0\r\n") << u"-"_s << true;
}

void TestAppearance::startUp()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, colour);
    QFETCH(bool, cycle);
    if (!file.isEmpty())
        m_dir->write(u"zembrota.ini"_s, file);
    Program windows(m_dir->path());
    windows.startUp();
    ColourScheme &scheme = windows.appearance.scheme();
    QCOMPARE(scheme.cycleRunning(), cycle);
    QCOMPARE(windows.mainWindowLoads, 1);
    // One timer, the scheme's, whether a cycle runs or not.
    QCOMPARE(scheme.findChildren<QTimer *>(u"tmeFarben"_s).size(), 1);
    QTimer *timer = scheme.findChild<QTimer *>(u"tmeFarben"_s);
    QCOMPARE(scheme.tmeFarben(), timer);
    if (cycle) {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50);
        // not painted before the first tick
        QCOMPARE(windows.anzeige.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
    } else {
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 0);
        QCOMPARE(windows.backgrounds(), QStringList(5, colour == u"system"_s ? systemName() : colour));
        // Painting shows no window.
        for (QWidget *w : windows.all())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestAppearance::startUpRunsOnce()
{
    m_dir->write(u"zembrota.ini"_s, "BF\r\nAus\r\n100\r\n0\r\n255\r\n0\r\n");
    Program windows(m_dir->path());
    int paints = 0;
    connect(&windows.appearance.scheme(), &ColourScheme::painted, this, [&paints] { ++paints; });
    windows.startUp();
    QCOMPARE(paints, 1);
    m_dir->write(u"zembrota.ini"_s, "BF\r\nAus\r\n100\r\n0\r\n0\r\n255\r\n");
    windows.startUp();
    QCOMPARE(paints, 1);
    QCOMPARE(windows.haupt->palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(windows.mainWindowLoads, 1);
}

void TestAppearance::dialogFilledFromTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<bool>("applyOn");
    QTest::newRow("no file") << QByteArray() << u"optBF"_s << u"optFWAus"_s << false;
    QTest::newRow("five lines") << QByteArray("WS\r\nSG\r\n100\r\n255\r\n0\r\n") << u"optWS"_s << u"optFWSG"_s
                                << true;
    QTest::newRow("standard") << QByteArray("WS\r\nSV\r\n100\r\n1\r\n2\r\n3\r\n") << u"optWS"_s
                              << u"optFWSV"_s << true;
    QTest::newRow("cycle") << QByteArray("FW\r\nAlle\r\n50\r\n0\r\n128\r\n255\r\n") << u"optBF"_s
                           << u"optFWAlle"_s << false;
}

void TestAppearance::dialogFilledFromTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, mode);
    QFETCH(QString, cycle);
    QFETCH(bool, applyOn);
    if (!file.isEmpty())
        m_dir->write(u"zembrota.ini"_s, file);
    Program windows(m_dir->path());
    windows.startUp();
    windows.appearance.showColoursDialog();
    QWidget *dialog = windows.appearance.coloursDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->findChild<QRadioButton *>(mode)->isChecked());
    QVERIFY(dialog->findChild<QRadioButton *>(cycle)->isChecked());
    QCOMPARE(dialog->findChild<QPushButton *>(u"cmdÜbernehmen"_s)->isEnabled(), applyOn);
    dialog->hide();
}

void TestAppearance::applyWritesBesideTheProgram()
{
    Program windows(m_dir->path());
    windows.startUp();
    frmFarben *dialog = windows.appearance.coloursDialog();
    dialog->findChild<QLineEdit *>(u"txtWechsel"_s)->setText(u"250"_s);
    dialog->findChild<QLineEdit *>(u"txtGelb"_s)->setText(u"255"_s);
    QVERIFY(dialog->EinstellungenUebernehmen());
    QCOMPARE(m_dir->read(u"zembrota.ini"_s), QByteArray("BF\r\nAus\r\n250\r\n0\r\n255\r\n0\r\n"));
    QCOMPARE(windows.backgrounds(), QStringList(5, u"#00ff00"_s));
}

void TestAppearance::cycleColoursWindowsOpenedLater()
{
    m_dir->write(u"zembrota.ini"_s, "FW\r\nSW\r\n0\r\n0\r\n0\r\n0\r\n");
    Program windows(m_dir->path());
    windows.startUp();
    ColourScheme &scheme = windows.appearance.scheme();
    // Interval 0: running, but the timer never fires.
    QVERIFY(scheme.cycleRunning());
    QVERIFY(!scheme.findChild<QTimer *>(u"tmeFarben"_s)->isActive());
    // The main window's load resets the cycle state; ticks then paint every window, also those
    // not yet open, which show the colour when they are opened.
    scheme.resetCycleState();
    scheme.tmeFarben_Timer();
    scheme.tmeFarben_Timer();
    QCOMPARE(windows.backgrounds(), QStringList(5, u"#010101"_s));
    windows.appearance.showAbout();
    QCOMPARE(windows.appearance.aboutWindow()->palette().color(QPalette::Window), QColor(1, 1, 1));
}

void TestAppearance::advertRecreatedInStandardColour()
{
    m_dir->write(u"zembrota.ini"_s, "BF\r\nAus\r\n100\r\n0\r\n0\r\n255\r\n");
    Program windows(m_dir->path());
    windows.startUp();
    Zembrota::Appearance &appearance = windows.appearance;
    appearance.showAdvert();
    QPointer<QWidget> first = appearance.advertWindow();
    QCOMPARE(first->palette().color(QPalette::Window), QColor(0, 0, 255));
    // "OK" hides it and keeps it.
    first->hide();
    QCOMPARE(appearance.advertWindow(), first.data());
    // The close box destroys it; the next one starts in the standard colour.
    appearance.showAdvert();
    QVERIFY(first->close());
    QWidget *second = appearance.advertWindow();
    QVERIFY(second != first.data());
    QCOMPARE(second->palette().color(QPalette::Window).name(), systemName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(appearance.advertWindow(), second);
    appearance.scheme().FensterFaerben(Background::of({0, 0, 255}));
    QCOMPARE(second->palette().color(QPalette::Window), QColor(0, 0, 255));
    // Its link stands on the face colour, not straight on the blue.
    auto *link = second->findChild<QLabel *>(u"lblHomepage"_s);
    QCOMPARE(link->palette().color(QPalette::Window).name(), systemName());
    QVERIFY(link->autoFillBackground());
    // Closed again and painted while it is gone: the next one shows what it missed.
    QVERIFY(second->close());
    appearance.scheme().FensterFaerben(Background::of({0, 255, 0}));
    QCOMPARE(appearance.advertWindow()->palette().color(QPalette::Window), QColor(0, 255, 0));
}

void TestAppearance::showWindows()
{
    Program windows(m_dir->path());
    windows.startUp();
    Zembrota::Appearance &appearance = windows.appearance;
    appearance.showColoursDialog();
    appearance.showAbout();
    appearance.showAdvert();
    for (QWidget *w : {static_cast<QWidget *>(appearance.coloursDialog()),
                       static_cast<QWidget *>(appearance.aboutWindow()),
                       static_cast<QWidget *>(appearance.advertWindow())}) {
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
    }
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!windows.haupt->isVisible()); // showing them never shows the main window
}

QTEST_MAIN(TestAppearance)
#include "test_appearance.moc"
