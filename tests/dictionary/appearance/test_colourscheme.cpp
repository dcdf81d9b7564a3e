// The colour scheme: painting order, the start-up step, the cycle timer and the tick dispatch.
#include "common/ui/linklabel.h"
#include "dictionary/appearance/colourscheme.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

const QStringList windowNames{u"frmAnzeige"_s, u"frmFarben"_s, u"frmHaupt"_s, u"frmInfo"_s, u"frmTrivenna"_s};

// A plain window that logs every change of its palette, that is every painting, by its name.
class LoggedWindow : public QWidget
{
public:
    LoggedWindow(const QString &name, QStringList &log) : m_log(log) { setObjectName(name); }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            m_log.append(objectName());
        QWidget::changeEvent(event);
    }

private:
    QStringList &m_log;
};

// Five plain windows handed to the scheme as their owner creates them, last one first, so that the
// painting order is the scheme's own.
struct FakeWindows
{
    std::array<std::unique_ptr<QWidget>, 5> windows;
    QStringList painted; // windows in the order they were painted

    void registerInto(ColourScheme &scheme)
    {
        for (int i = 4; i >= 0; --i) {
            windows[i] = std::make_unique<LoggedWindow>(windowNames.at(i), painted);
            scheme.addWindow(ColourScheme::Window(i), windows[i].get());
        }
    }
    QWidget *get(int i) const { return windows[i].get(); }
    // Each window's background as text.
    QStringList backgrounds() const
    {
        QStringList result;
        for (const auto &w : windows)
            result.append(w ? w->palette().color(QPalette::Window).name() : u"-"_s);
        return result;
    }
};

QString systemName()
{
    return QApplication::palette().color(QPalette::Button).name();
}

QStringList all(const QString &colour)
{
    return QStringList(5, colour);
}

} // namespace

class TestColourScheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void paintsInOrderWithoutShowing();
    void paintsOnlyTheWindowsOwnBackground();
    void textsStandOnTheFaceColour_data();
    void textsStandOnTheFaceColour();
    void einstellungenAnwenden_data();
    void einstellungenAnwenden();
    void tickByCycleCode_data();
    void tickByCycleCode();
    void tickDoesNothingInFixedModes_data();
    void tickDoesNothingInFixedModes();
    void fixedColourPauseResumesTheCycle();
    void otherCycleStartsFromBlack();
    void timerBelongsToTheScheme();
    void windowsAddedLater_data();
    void windowsAddedLater();
    void intervalZeroNeverFires();
    void runningTimerTicks();
    void resetCycleState();
};

void TestColourScheme::initTestCase()
{
    // A face colour that no cycle colour can be mistaken for.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(0xd4, 0xd0, 0xc8));
    QApplication::setPalette(palette);
}

void TestColourScheme::paintsInOrderWithoutShowing()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    QVERIFY(fake.painted.isEmpty()); // added before any painting: they keep their colour
    scheme.FensterFaerben(Background::of({255, 0, 0}));
    QCOMPARE(fake.painted, windowNames);
    QCOMPARE(fake.backgrounds(), all(u"#ff0000"_s));
    for (const auto &w : fake.windows) {
        QVERIFY(!w->isVisible());
        QVERIFY(w->autoFillBackground());
    }
    // A window shown later shows the colour it was given while hidden.
    fake.windows[3]->show();
    QCOMPARE(fake.windows[3]->palette().color(QPalette::Window), QColor(255, 0, 0));
    // 256 shows as 255; the desktop's face colour follows the application palette.
    scheme.FensterFaerben(Background::of({256, 0, 256}));
    QCOMPARE(fake.backgrounds(), all(u"#ff00ff"_s));
    scheme.FensterFaerben(Background::systemfarbe());
    QCOMPARE(fake.backgrounds(), all(systemName()));
}

void TestColourScheme::paintsOnlyTheWindowsOwnBackground()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    auto *field = new QLabel(fake.get(0));
    QPalette own = field->palette();
    own.setColor(QPalette::Window, QColor(255, 255, 192));
    field->setPalette(own);
    scheme.FensterFaerben(Background::of({0, 0, 255}));
    QCOMPARE(field->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(fake.windows[0]->palette().color(QPalette::Window), QColor(0, 0, 255));

    // A frame and a label of their own colour keep the face colour and paint it; a label inside
    // the frame stands on the frame. In a main window the controls stand on the client area.
    auto *frame = new QFrame(fake.get(1));
    auto *inner = new QLabel(frame);
    auto *bare = new QLabel(fake.get(1));
    QMainWindow main;
    auto *client = new QWidget;
    main.setCentralWidget(client);
    auto *onClient = new QLabel(client);
    ColourScheme::paint(&main, Background::of({255, 0, 0}));
    scheme.FensterFaerben(Background::of({255, 0, 0}));
    const QColor face = ColourScheme::systemfarbe();
    QVERIFY(face != QColor(255, 0, 0));
    QCOMPARE(fake.windows[1]->palette().color(QPalette::Window), QColor(255, 0, 0));
    for (QWidget *control :
         {static_cast<QWidget *>(frame), static_cast<QWidget *>(bare), static_cast<QWidget *>(onClient)}) {
        QCOMPARE(control->palette().color(QPalette::Window), face);
        QVERIFY(control->autoFillBackground());
    }
    QCOMPARE(inner->palette().color(QPalette::Window), face);
    QCOMPARE(client->palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(!client->autoFillBackground());
}

void TestColourScheme::textsStandOnTheFaceColour_data()
{
    QTest::addColumn<QColor>("windowColour");
    QTest::newRow("fixed red") << QColor(255, 0, 0);
    QTest::newRow("dark cycle colour") << QColor(16, 16, 16);
    QTest::newRow("bright cycle colour") << QColor(255, 255, 255);
    QTest::newRow("blue as the link") << QColor(0, 0, 255);
}

void TestColourScheme::textsStandOnTheFaceColour()
{
    // A control with colours of its own (a blue link, a red message straight on the window) keeps
    // them and stands on the face colour like every other control, whatever the window's colour.
    QFETCH(QColor, windowColour);
    QWidget window;
    auto *link = new LinkLabel(u"Weitere Informationen auf meiner Homepage!"_s, &window);
    auto *message = new QLabel(u"Wort nicht vorhanden!"_s, &window);
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    message->setPalette(red);
    ColourScheme::paint(&window,
                        Background::of({windowColour.red(), windowColour.green(), windowColour.blue()}));
    QCOMPARE(window.palette().color(QPalette::Window), windowColour);
    const QColor face = ColourScheme::systemfarbe();
    for (QLabel *text : {static_cast<QLabel *>(link), message}) {
        QCOMPARE(text->palette().color(QPalette::Window), face);
        QVERIFY(text->autoFillBackground());
    }
    QCOMPARE(link->palette().color(QPalette::WindowText), LinkLabel::normalColour());
    QCOMPARE(message->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Pressed and released, the link keeps its background.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton);
    QCOMPARE(link->palette().color(QPalette::Window), face);
}

void TestColourScheme::einstellungenAnwenden_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("modus");
    QTest::addColumn<int>("wechselzeit");
    QTest::addColumn<QString>("backgrounds"); // one colour for all five, "-" for none created
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("qtimerActive");
    const QString sys = u"system"_s;
    QTest::newRow("load failed") << false << u"FW"_s << 50 << sys << false << 0 << false;
    QTest::newRow("standard colours") << true << u"WS"_s << 50 << sys << false << 0 << false;
    QTest::newRow("fixed colour") << true << u"BF"_s << 50 << u"#ff8000"_s << false << 0 << false;
    QTest::newRow("cycle") << true << u"FW"_s << 50 << u"-"_s << true << 50 << true;
    QTest::newRow("cycle every 40 s") << true << u"FW"_s << 40000 << u"-"_s << true << 40000 << true;
    QTest::newRow("lower-case ws cycles") << true << u"ws"_s << 75 << u"-"_s << true << 75 << true;
    QTest::newRow("empty mode cycles") << true << QString() << 20 << u"-"_s << true << 20 << true;
    QTest::newRow("cycle with negative interval") << true << u"FW"_s << -5 << sys << false << 0 << false;
    QTest::newRow("fixed colour with negative interval")
        << true << u"BF"_s << -5 << u"#ff8000"_s << false << 0 << false;
    QTest::newRow("cycle with interval 0") << true << u"FW"_s << 0 << u"-"_s << true << 0 << false;
}

void TestColourScheme::einstellungenAnwenden()
{
    QFETCH(bool, loaded);
    QFETCH(QString, modus);
    QFETCH(int, wechselzeit);
    QFETCH(QString, backgrounds);
    QFETCH(bool, running);
    QFETCH(int, interval);
    QFETCH(bool, qtimerActive);
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.settings() = {modus, u"Alle"_s, 255, 128, 0, wechselzeit};
    scheme.EinstellungenAnwenden(loaded);
    if (backgrounds == u"-"_s) {
        // A cycle leaves the windows as they are until its first tick.
        QVERIFY(fake.painted.isEmpty());
        QCOMPARE(fake.windows[2]->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
    } else {
        QCOMPARE(fake.backgrounds(), all(backgrounds == u"system"_s ? systemName() : backgrounds));
    }
    QCOMPARE(scheme.cycleRunning(), running);
    QCOMPARE(scheme.cycleInterval(), interval);
    QCOMPARE(scheme.tmeFarben()->isActive(), qtimerActive);
    if (qtimerActive)
        QCOMPARE(scheme.tmeFarben()->interval(), interval);
}

void TestColourScheme::tickByCycleCode_data()
{
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("wechselart");
    QTest::addColumn<QStringList>("ticks");
    QTest::newRow("FW Alle") << u"FW"_s << u"Alle"_s << QStringList{u"#000000"_s, u"#000000"_s, u"#000101"_s};
    QTest::newRow("FW Aus runs Alle")
        << u"FW"_s << u"Aus"_s << QStringList{u"#000000"_s, u"#000000"_s, u"#000101"_s};
    QTest::newRow("FW empty runs Alle")
        << u"FW"_s << QString() << QStringList{u"#000000"_s, u"#000000"_s, u"#000101"_s};
    QTest::newRow("FW ST") << u"FW"_s << u"ST"_s << QStringList{u"#000000"_s, u"#000101"_s, u"#000202"_s};
    QTest::newRow("FW SG") << u"FW"_s << u"SG"_s << QStringList{u"#000000"_s, u"#010100"_s, u"#020200"_s};
    QTest::newRow("FW SV") << u"FW"_s << u"SV"_s << QStringList{u"#000000"_s, u"#010001"_s, u"#020002"_s};
    QTest::newRow("FW SW") << u"FW"_s << u"SW"_s << QStringList{u"#000000"_s, u"#010101"_s, u"#020202"_s};
    QTest::newRow("other mode text SW")
        << u"xy"_s << u"SW"_s << QStringList{u"#000000"_s, u"#010101"_s, u"#020202"_s};
}

void TestColourScheme::tickByCycleCode()
{
    QFETCH(QString, modus);
    QFETCH(QString, wechselart);
    QFETCH(QStringList, ticks);
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.settings().setModus(modus);
    scheme.settings().setWechselart(wechselart);
    int paints = 0;
    connect(&scheme, &ColourScheme::painted, this, [&paints] { ++paints; });
    for (int i = 0; i < ticks.size(); ++i) {
        scheme.tmeFarben_Timer();
        QCOMPARE(paints, i + 1); // every tick paints exactly once
        QCOMPARE(fake.backgrounds(), all(ticks.at(i)));
    }
}

void TestColourScheme::tickDoesNothingInFixedModes_data()
{
    QTest::addColumn<QString>("modus");
    QTest::newRow("BF") << u"BF"_s;
    QTest::newRow("WS") << u"WS"_s;
}

void TestColourScheme::tickDoesNothingInFixedModes()
{
    QFETCH(QString, modus);
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.settings().setModus(modus);
    scheme.settings().setWechselart(u"ST"_s);
    scheme.tmeFarben_Timer();
    QVERIFY(fake.painted.isEmpty());
    QCOMPARE(scheme.cycleState().zaehlerST, qint16(0));
}

void TestColourScheme::fixedColourPauseResumesTheCycle()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    Farbeinstellung &e = scheme.settings();
    e = {u"FW"_s, u"SW"_s, 0, 0, 0, 10};
    for (int t = 1; t <= 300; ++t)
        scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#d5d5d5"_s)); // 213
    // The dialog applies a fixed colour: the timer stops and a stray tick changes nothing.
    e.setModus(u"BF"_s);
    e.setWechselart(u"Aus"_s);
    scheme.stopCycle();
    scheme.FensterFaerben(Background::of({0, 0, 255}));
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#0000ff"_s));
    // Back to the same cycle: it goes on where it stopped.
    e.setModus(u"FW"_s);
    e.setWechselart(u"SW"_s);
    scheme.startCycle(10);
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#d4d4d4"_s)); // 212
}

void TestColourScheme::otherCycleStartsFromBlack()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    Farbeinstellung &e = scheme.settings();
    e = {u"FW"_s, u"Alle"_s, 0, 0, 0, 10};
    for (int t = 1; t <= 600; ++t)
        scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#555500"_s)); // phase 2 at 85
    e.setWechselart(u"SG"_s);
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#000000"_s));
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#010100"_s));
}

void TestColourScheme::timerBelongsToTheScheme()
{
    // tmeFarben is there from the scheme's creation on: stopped, interval 0, owned by the scheme.
    ColourScheme scheme;
    QTimer *timer = scheme.tmeFarben();
    QCOMPARE(timer->objectName(), u"tmeFarben"_s);
    QCOMPARE(timer->parent(), &scheme);
    QCOMPARE(scheme.findChildren<QTimer *>(u"tmeFarben"_s).size(), 1);
    QCOMPARE(timer->interval(), 0);
    QVERIFY(!timer->isActive());
    // A cycle started before any window exists runs in the same timer.
    scheme.startCycle(40);
    QCOMPARE(scheme.tmeFarben(), timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 40);
}

void TestColourScheme::windowsAddedLater_data()
{
    QTest::addColumn<bool>("paintedBefore");
    QTest::addColumn<QString>("background");
    QTest::newRow("nothing painted yet: keeps its colour") << false << u"#123456"_s;
    QTest::newRow("painted while it was missing: takes the colour") << true << u"#ff0000"_s;
}

void TestColourScheme::windowsAddedLater()
{
    QFETCH(bool, paintedBefore);
    QFETCH(QString, background);
    ColourScheme scheme;
    if (paintedBefore)
        scheme.FensterFaerben(Background::of({255, 0, 0}));
    auto window = std::make_unique<QWidget>();
    ColourScheme::paint(window.get(), Background::of({0x12, 0x34, 0x56}));
    scheme.addWindow(ColourScheme::Window::Info, window.get());
    QCOMPARE(window->palette().color(QPalette::Window).name(), background);
    QCOMPARE(scheme.window(ColourScheme::Window::Info), window.get());
    QVERIFY(!window->isVisible()); // adding paints, it never shows

    // A window that goes leaves its place empty; its successor takes the colour painted since.
    window.reset();
    QCOMPARE(scheme.window(ColourScheme::Window::Info), nullptr);
    scheme.FensterFaerben(Background::of({0, 0, 255})); // paints no dangling window
    QWidget successor;
    scheme.addWindow(ColourScheme::Window::Info, &successor);
    QCOMPARE(successor.palette().color(QPalette::Window), QColor(0, 0, 255));
    // Added with no painting in between, a further window keeps its own colour.
    scheme.removeWindow(ColourScheme::Window::Info);
    QWidget third;
    ColourScheme::paint(&third, Background::systemfarbe());
    scheme.addWindow(ColourScheme::Window::Info, &third);
    QCOMPARE(third.palette().color(QPalette::Window).name(), systemName());
}

void TestColourScheme::intervalZeroNeverFires()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.settings() = {u"FW"_s, u"ST"_s, 0, 0, 0, 0};
    scheme.startCycle(0);
    QVERIFY(scheme.cycleRunning());
    QVERIFY(!scheme.tmeFarben()->isActive());
    QTest::qWait(50);
    QCOMPARE(scheme.cycleState().zaehlerST, qint16(0));
    // A later interval takes over the running state.
    scheme.startCycle(5);
    QVERIFY(scheme.tmeFarben()->isActive());
    scheme.stopCycle();
    QVERIFY(!scheme.cycleRunning());
    QVERIFY(!scheme.tmeFarben()->isActive());
}

void TestColourScheme::runningTimerTicks()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.settings() = {u"FW"_s, u"ST"_s, 0, 0, 0, 1};
    scheme.EinstellungenAnwenden(true);
    QTRY_VERIFY(scheme.cycleState().zaehlerST >= 2);
    scheme.stopCycle();
    QVERIFY(fake.painted.contains(u"frmAnzeige"_s));
}

void TestColourScheme::resetCycleState()
{
    ColourScheme scheme;
    Farbwechselzustand &z = scheme.cycleState();
    z.phase = 3;
    z.richtung = 2;
    z.r = 5;
    z.zaehlerAlle = 7;
    z.zaehlerSW = 2;
    z.phasenzaehler = {1, 2, 3, 4};
    scheme.resetCycleState();
    QCOMPARE(z.phase, qint16(1));
    QCOMPARE(z.richtung, qint16(1));
    QCOMPARE(z.colour(), (Colour{0, 0, 0}));
    QCOMPARE(z.zaehlerAlle, qint16(0));
    QCOMPARE(z.zaehlerSW, qint16(0));
    QCOMPARE(z.phasenzaehler, (std::array<qint16, 4>{0, 0, 0, 0}));
}

QTEST_MAIN(TestColourScheme)
#include "test_colourscheme.moc"
