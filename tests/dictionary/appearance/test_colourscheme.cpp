// The colour scheme: painting order, the start-up step, the cycle timer and the tick dispatch.
#include "dictionary/appearance/colourscheme.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList windowNames{u"frmAnzeige"_s, u"frmFarben"_s, u"frmHaupt"_s, u"frmInfo"_s, u"frmTrivenna"_s};

// Five plain windows, created hidden by their getters on first use; every getter call is logged.
struct FakeWindows
{
    std::array<std::unique_ptr<QWidget>, 5> windows;
    QStringList calls;
    QStringList created;

    void registerInto(ColourScheme &scheme)
    {
        for (int i = 0; i < 5; ++i)
            scheme.setWindow(i, [this, i] { return get(i); });
        scheme.setTimerHost([this] { return get(2); });
    }
    QWidget *get(int i)
    {
        calls.append(windowNames.at(i));
        if (!windows[i]) {
            windows[i] = std::make_unique<QWidget>();
            windows[i]->setObjectName(windowNames.at(i));
            created.append(windowNames.at(i));
        }
        return windows[i].get();
    }
    // Each window's background as text, "-" for a window not created.
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
    void einstellungenAnwenden_data();
    void einstellungenAnwenden();
    void tickByCycleCode_data();
    void tickByCycleCode();
    void tickDoesNothingInFixedModes_data();
    void tickDoesNothingInFixedModes();
    void fixedColourPauseResumesTheCycle();
    void otherCycleStartsFromBlack();
    void timerBelongsToTheMainWindow();
    void mainWindowHostsTimerFromTheStart();
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
    scheme.FensterFaerben(Hintergrund::aus({255, 0, 0}));
    QCOMPARE(fake.calls, windowNames);
    QCOMPARE(fake.created, windowNames);
    QCOMPARE(fake.backgrounds(), all(u"#ff0000"_s));
    for (const auto &w : fake.windows) {
        QVERIFY(!w->isVisible());
        QVERIFY(w->autoFillBackground());
    }
    // A window shown later shows the colour it was given while hidden.
    fake.windows[3]->show();
    QCOMPARE(fake.windows[3]->palette().color(QPalette::Window), QColor(255, 0, 0));
    // 256 shows as 255; the desktop's face colour follows the application palette.
    scheme.FensterFaerben(Hintergrund::aus({256, 0, 256}));
    QCOMPARE(fake.backgrounds(), all(u"#ff00ff"_s));
    scheme.FensterFaerben(Hintergrund::systemfarbe());
    QCOMPARE(fake.backgrounds(), all(systemName()));
    QCOMPARE(fake.created.size(), 5);
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
    scheme.FensterFaerben(Hintergrund::aus({0, 0, 255}));
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
    ColourScheme::paint(&main, Hintergrund::aus({255, 0, 0}));
    scheme.FensterFaerben(Hintergrund::aus({255, 0, 0}));
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
    scheme.einstellung() = {modus, u"Alle"_s, 255, 128, 0, wechselzeit};
    scheme.EinstellungenAnwenden(loaded);
    if (backgrounds == u"-"_s) {
        // A cycle leaves the windows as they are until its first tick; only the main window, the
        // timer's owner, is created.
        QCOMPARE(fake.created, QStringList{u"frmHaupt"_s});
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
    scheme.einstellung().modus = modus;
    scheme.einstellung().wechselart = wechselart;
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
    scheme.einstellung().modus = modus;
    scheme.einstellung().wechselart = u"ST"_s;
    scheme.tmeFarben_Timer();
    QVERIFY(fake.created.isEmpty());
    QCOMPARE(scheme.zustand().zaehlerST, qint16(0));
}

void TestColourScheme::fixedColourPauseResumesTheCycle()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    Farbeinstellung &e = scheme.einstellung();
    e = {u"FW"_s, u"SW"_s, 0, 0, 0, 10};
    for (int t = 1; t <= 300; ++t)
        scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#d5d5d5"_s)); // 213
    // The dialog applies a fixed colour: the timer stops and a stray tick changes nothing.
    e.modus = u"BF"_s;
    e.wechselart = u"Aus"_s;
    scheme.stopCycle();
    scheme.FensterFaerben(Hintergrund::aus({0, 0, 255}));
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#0000ff"_s));
    // Back to the same cycle: it goes on where it stopped.
    e.modus = u"FW"_s;
    e.wechselart = u"SW"_s;
    scheme.startCycle(10);
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#d4d4d4"_s)); // 212
}

void TestColourScheme::otherCycleStartsFromBlack()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    Farbeinstellung &e = scheme.einstellung();
    e = {u"FW"_s, u"Alle"_s, 0, 0, 0, 10};
    for (int t = 1; t <= 600; ++t)
        scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#555500"_s)); // phase 2 at 85
    e.wechselart = u"SG"_s;
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#000000"_s));
    scheme.tmeFarben_Timer();
    QCOMPARE(fake.backgrounds(), all(u"#010100"_s));
}

void TestColourScheme::timerBelongsToTheMainWindow()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    QTimer *timer = scheme.tmeFarben();
    QCOMPARE(timer->objectName(), u"tmeFarben"_s);
    QCOMPARE(timer->parent(), fake.windows[2].get());
    QCOMPARE(fake.windows[2]->findChild<QTimer *>(u"tmeFarben"_s), timer);
    QVERIFY(!timer->isActive());
    // Without a main window the scheme keeps the timer itself.
    ColourScheme alone;
    QCOMPARE(alone.tmeFarben()->parent(), &alone);
}

void TestColourScheme::mainWindowHostsTimerFromTheStart()
{
    // The main window takes tmeFarben as it is created: stopped, interval 0.
    ColourScheme scheme;
    QWidget haupt;
    scheme.hostTimer(&haupt);
    QTimer *timer = haupt.findChild<QTimer *>(u"tmeFarben"_s);
    QVERIFY(timer);
    QCOMPARE(scheme.tmeFarben(), timer);
    QCOMPARE(timer->interval(), 0);
    QVERIFY(!timer->isActive());
    scheme.hostTimer(&haupt);
    QCOMPARE(haupt.findChildren<QTimer *>(u"tmeFarben"_s).size(), 1);
    QCOMPARE(scheme.tmeFarben(), timer);

    // A cycle started while the scheme kept the timer itself runs on in the window's timer.
    ColourScheme early;
    early.startCycle(40);
    QPointer<QTimer> own = early.tmeFarben();
    QCOMPARE(own->parent(), &early);
    QWidget later;
    early.hostTimer(&later);
    QVERIFY(own.isNull());
    QCOMPARE(early.tmeFarben()->parent(), &later);
    QVERIFY(early.tmeFarben()->isActive());
    QCOMPARE(early.tmeFarben()->interval(), 40);

    // The timer's first use may create the main window, which takes the timer while it is being
    // created: there is still one timer, and it runs.
    ColourScheme lazy;
    std::unique_ptr<QWidget> created;
    lazy.setTimerHost([&lazy, &created] {
        if (!created) {
            created = std::make_unique<QWidget>();
            lazy.hostTimer(created.get());
        }
        return created.get();
    });
    lazy.startCycle(25);
    QCOMPARE(created->findChildren<QTimer *>(u"tmeFarben"_s).size(), 1);
    QCOMPARE(lazy.tmeFarben()->parent(), created.get());
    QVERIFY(lazy.tmeFarben()->isActive());
    QCOMPARE(lazy.tmeFarben()->interval(), 25);
}

void TestColourScheme::intervalZeroNeverFires()
{
    ColourScheme scheme;
    FakeWindows fake;
    fake.registerInto(scheme);
    scheme.einstellung() = {u"FW"_s, u"ST"_s, 0, 0, 0, 0};
    scheme.startCycle(0);
    QVERIFY(scheme.cycleRunning());
    QVERIFY(!scheme.tmeFarben()->isActive());
    QTest::qWait(50);
    QCOMPARE(scheme.zustand().zaehlerST, qint16(0));
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
    scheme.einstellung() = {u"FW"_s, u"ST"_s, 0, 0, 0, 1};
    scheme.EinstellungenAnwenden(true);
    QTRY_VERIFY(scheme.zustand().zaehlerST >= 2);
    scheme.stopCycle();
    QVERIFY(fake.backgrounds().at(0) != u"-"_s);
}

void TestColourScheme::resetCycleState()
{
    ColourScheme scheme;
    Farbwechselzustand &z = scheme.zustand();
    z.phase = 3;
    z.richtung = 2;
    z.r = 5;
    z.zaehlerAlle = 7;
    z.zaehlerSW = 2;
    z.phasenzaehler = {1, 2, 3, 4};
    scheme.resetCycleState();
    QCOMPARE(z.phase, qint16(1));
    QCOMPARE(z.richtung, qint16(1));
    QCOMPARE(z.farbe(), (Farbe{0, 0, 0}));
    QCOMPARE(z.zaehlerAlle, qint16(0));
    QCOMPARE(z.zaehlerSW, qint16(0));
    QCOMPARE(z.phasenzaehler, (std::array<qint16, 4>{0, 0, 0, 0}));
}

QTEST_MAIN(TestColourScheme)
#include "test_colourscheme.moc"
