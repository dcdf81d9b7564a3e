// The appearance as the dictionary's windows use it: start-up once with or without zembrota.ini,
// windows created hidden by painting, the timer on the main window, the advert window recreated.
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/frmfarben.h"
#include "tests/testsupport/testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The status and main windows as dictionary/windows registers them: created hidden on first use.
struct RegisteredWindows
{
    RegisteredWindows()
    {
        Appearance::registerWindow(Appearance::Window::Anzeige,
                                   [this] { return get(anzeige, u"frmAnzeige"_s); });
        Appearance::registerWindow(Appearance::Window::Haupt, [this] {
            if (haupt)
                return haupt.get();
            ++hauptLoads; // Form_Load
            get(haupt, u"frmHaupt"_s);
            // The main window takes the cycle timer as it is created.
            Appearance::hostCycleTimer(haupt.get());
            return haupt.get();
        });
    }
    QWidget *get(std::unique_ptr<QWidget> &slot, const QString &name)
    {
        if (!slot) {
            slot = std::make_unique<QWidget>();
            slot->setObjectName(name);
        }
        return slot.get();
    }
    QList<QWidget *> all() const
    {
        return {anzeige.get(), Appearance::coloursDialog(), haupt.get(), Appearance::aboutWindow(),
                Appearance::advertWindow()};
    }
    QStringList backgrounds() const
    {
        QStringList result;
        for (QWidget *w : all())
            result.append(w ? w->palette().color(QPalette::Window).name() : u"-"_s);
        return result;
    }

    std::unique_ptr<QWidget> anzeige;
    std::unique_ptr<QWidget> haupt;
    int hauptLoads = 0;
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
    Appearance::shutDown();
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
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    ColourScheme &scheme = Appearance::colourScheme();
    QCOMPARE(scheme.cycleRunning(), cycle);
    QCOMPARE(windows.hauptLoads, 1); // the main window was created by painting or by its timer
    // One timer, on the main window from its creation on, also when the cycle created the window.
    QCOMPARE(windows.haupt->findChildren<QTimer *>(u"tmeFarben"_s).size(), 1);
    QTimer *timer = windows.haupt->findChild<QTimer *>(u"tmeFarben"_s);
    QCOMPARE(scheme.tmeFarben(), timer);
    if (cycle) {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50);
        QVERIFY(!windows.anzeige); // not painted before the first tick
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
    RegisteredWindows windows;
    int paints = 0;
    connect(&Appearance::colourScheme(), &ColourScheme::painted, this, [&paints] { ++paints; });
    Appearance::startUp(m_dir->path());
    QCOMPARE(paints, 1);
    m_dir->write(u"zembrota.ini"_s, "BF\r\nAus\r\n100\r\n0\r\n0\r\n255\r\n");
    Appearance::startUp(m_dir->path());
    QCOMPARE(paints, 1);
    QCOMPARE(windows.haupt->palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(windows.hauptLoads, 1);
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
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    Appearance::showColoursDialog();
    QWidget *dialog = Appearance::coloursDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->findChild<QRadioButton *>(mode)->isChecked());
    QVERIFY(dialog->findChild<QRadioButton *>(cycle)->isChecked());
    QCOMPARE(dialog->findChild<QPushButton *>(u"cmdÜbernehmen"_s)->isEnabled(), applyOn);
    dialog->hide();
}

void TestAppearance::applyWritesBesideTheProgram()
{
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    auto *dialog = static_cast<frmFarben *>(Appearance::coloursDialog());
    dialog->findChild<QLineEdit *>(u"txtWechsel"_s)->setText(u"250"_s);
    dialog->findChild<QLineEdit *>(u"txtGelb"_s)->setText(u"255"_s);
    QVERIFY(dialog->EinstellungenUebernehmen());
    QCOMPARE(m_dir->read(u"zembrota.ini"_s), QByteArray("BF\r\nAus\r\n250\r\n0\r\n255\r\n0\r\n"));
    QCOMPARE(windows.backgrounds(), QStringList(5, u"#00ff00"_s));
}

void TestAppearance::cycleColoursWindowsOpenedLater()
{
    m_dir->write(u"zembrota.ini"_s, "FW\r\nSW\r\n0\r\n0\r\n0\r\n0\r\n");
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    ColourScheme &scheme = Appearance::colourScheme();
    // Interval 0: running, but the timer never fires.
    QVERIFY(scheme.cycleRunning());
    QVERIFY(!windows.haupt->findChild<QTimer *>(u"tmeFarben"_s)->isActive());
    // The main window's load resets the cycle state; ticks then paint every window, also those
    // not yet open, which show the colour when they are opened.
    Appearance::resetCycleState();
    scheme.tmeFarben_Timer();
    scheme.tmeFarben_Timer();
    QCOMPARE(windows.backgrounds(), QStringList(5, u"#010101"_s));
    Appearance::showAbout();
    QCOMPARE(Appearance::aboutWindow()->palette().color(QPalette::Window), QColor(1, 1, 1));
}

void TestAppearance::advertRecreatedInStandardColour()
{
    m_dir->write(u"zembrota.ini"_s, "BF\r\nAus\r\n100\r\n0\r\n0\r\n255\r\n");
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    Appearance::showAdvert();
    QPointer<QWidget> first = Appearance::advertWindow();
    QCOMPARE(first->palette().color(QPalette::Window), QColor(0, 0, 255));
    // "OK" hides it and keeps it.
    first->hide();
    QCOMPARE(Appearance::advertWindow(), first.data());
    // The close box destroys it; the next one starts in the standard colour.
    Appearance::showAdvert();
    QVERIFY(first->close());
    QWidget *second = Appearance::advertWindow();
    QVERIFY(second != first.data());
    QCOMPARE(second->palette().color(QPalette::Window).name(), systemName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(Appearance::advertWindow(), second);
    Appearance::colourScheme().FensterFaerben(Hintergrund::aus({0, 0, 255}));
    QCOMPARE(second->palette().color(QPalette::Window), QColor(0, 0, 255));
}

void TestAppearance::showWindows()
{
    RegisteredWindows windows;
    Appearance::startUp(m_dir->path());
    Appearance::showColoursDialog();
    Appearance::showAbout();
    Appearance::showAdvert();
    for (QWidget *w : {Appearance::coloursDialog(), Appearance::aboutWindow(), Appearance::advertWindow()}) {
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
    }
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!windows.haupt->isVisible()); // showing them never shows the main window
}

QTEST_MAIN(TestAppearance)
#include "test_appearance.moc"
