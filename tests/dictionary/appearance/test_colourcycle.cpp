// The colour cycles tick by tick: the two-colour cycles over a full period, "Alle" over its first
// pass and into the next, fresh starts against resumed cycles, and counters that never overflow.
#include "dictionary/appearance/colourcycle.h"

#include <QTest>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

// The colour a cycle shows when its leading component has the value v.
QString colourOf(const QString &cycle, int v)
{
    if (cycle == u"ST"_s)
        return u"%1,%2,%3"_s.arg(0).arg(v).arg(v);
    if (cycle == u"SG"_s)
        return u"%1,%2,%3"_s.arg(v).arg(v).arg(0);
    if (cycle == u"SV"_s)
        return u"%1,%2,%3"_s.arg(v).arg(0).arg(v);
    return u"%1,%2,%3"_s.arg(v).arg(v).arg(v);
}

// One stretch of ticks: the leading value at its first tick and how it moves on each further tick.
struct Stretch
{
    int from;
    int to;
    QString cycle;
    int first;
    int step;
};

QStringList expected(const QList<Stretch> &stretches)
{
    QStringList lines;
    for (const Stretch &s : stretches) {
        for (int t = s.from; t <= s.to; ++t)
            lines.append(u"tick %1: %2"_s.arg(t).arg(colourOf(s.cycle, s.first + (t - s.from) * s.step)));
    }
    return lines;
}

QString line(int tick, const Colour &f)
{
    return u"tick %1: %2,%3,%4"_s.arg(tick).arg(f.red).arg(f.green).arg(f.blue);
}

TwoColourCycle cycleOf(const QString &code)
{
    return *twoColourCycle(Settings::cycleFromCode(code));
}

} // namespace

class TestColourCycle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoColourTwoPeriods_data();
    void twoColourTwoPeriods();
    void twoColourSingleTicks_data();
    void twoColourSingleTicks();
    void allFirstPassAndOn();
    void allSingleTicks_data();
    void allSingleTicks();
    void cycleStartsBlack_data();
    void cycleStartsBlack();
    void resumesAfterPause();
    void counterTicks_data();
    void counterTicks();
    void shownColour_data();
    void shownColour();
    void codes_data();
    void codes();
};

void TestColourCycle::twoColourTwoPeriods_data()
{
    QTest::addColumn<QString>("cycle");
    for (const char *c : {"ST", "SG", "SV", "SW"})
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestColourCycle::twoColourTwoPeriods()
{
    QFETCH(QString, cycle);
    // Tick 1 black; 2..257 rising to 256; 258..513 falling to 0; then 512-tick periods, black once.
    const QStringList want = expected({{1, 1, cycle, 0, 0},
                                       {2, 257, cycle, 1, +1},
                                       {258, 513, cycle, 255, -1},
                                       {514, 769, cycle, 1, +1},
                                       {770, 1025, cycle, 255, -1},
                                       {1026, 1030, cycle, 1, +1}});
    Farbwechselzustand z;
    QStringList got;
    for (int t = 1; t <= 1030; ++t)
        got.append(line(t, WechselSchritt(z, cycleOf(cycle))));
    QCOMPARE(got, want);
}

void TestColourCycle::twoColourSingleTicks_data()
{
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("colour");
    QTest::newRow("ST 1") << u"ST"_s << 1 << u"0,0,0"_s;
    QTest::newRow("ST 2") << u"ST"_s << 2 << u"0,1,1"_s;
    QTest::newRow("ST 3") << u"ST"_s << 3 << u"0,2,2"_s;
    QTest::newRow("ST 4") << u"ST"_s << 4 << u"0,3,3"_s;
    QTest::newRow("ST 257 top") << u"ST"_s << 257 << u"0,256,256"_s;
    QTest::newRow("ST 258") << u"ST"_s << 258 << u"0,255,255"_s;
    QTest::newRow("ST 513") << u"ST"_s << 513 << u"0,0,0"_s;
    QTest::newRow("ST 514") << u"ST"_s << 514 << u"0,1,1"_s;
    QTest::newRow("SG 257") << u"SG"_s << 257 << u"256,256,0"_s;
    QTest::newRow("SV 300") << u"SV"_s << 300 << u"213,0,213"_s;
    QTest::newRow("SW 1026") << u"SW"_s << 1026 << u"1,1,1"_s;
    // The start counter passes its largest value at tick 32767 and must not restart the cycle.
    QTest::newRow("ST 32766") << u"ST"_s << 32766 << u"0,3,3"_s;
    QTest::newRow("ST 32767") << u"ST"_s << 32767 << u"0,2,2"_s;
    QTest::newRow("ST 32768") << u"ST"_s << 32768 << u"0,1,1"_s;
    QTest::newRow("ST 32769") << u"ST"_s << 32769 << u"0,0,0"_s;
    QTest::newRow("ST 32770") << u"ST"_s << 32770 << u"0,1,1"_s;
    QTest::newRow("ST 32771") << u"ST"_s << 32771 << u"0,2,2"_s;
    QTest::newRow("SG 70000") << u"SG"_s << 70000 << u"145,145,0"_s;
}

void TestColourCycle::twoColourSingleTicks()
{
    QFETCH(QString, cycle);
    QFETCH(int, tick);
    QFETCH(QString, colour);
    Farbwechselzustand z;
    Colour f;
    for (int t = 1; t <= tick; ++t)
        f = WechselSchritt(z, cycleOf(cycle));
    QCOMPARE(line(tick, f), u"tick %1: %2"_s.arg(tick).arg(colour));
    QVERIFY(z.zaehlerST >= 0 && z.zaehlerSG >= 0);
}

void TestColourCycle::allFirstPassAndOn()
{
    // First pass: black twice, then each phase rises and falls, opening with one held black tick.
    // From tick 2054 every pass takes 2048 ticks, 512 per phase, with no held ticks.
    const QStringList want = expected(
        {{1, 2, u"ST"_s, 0, 0},          {3, 258, u"ST"_s, 1, +1},       {259, 514, u"ST"_s, 255, -1},
         {515, 515, u"SG"_s, 0, 0},      {516, 771, u"SG"_s, 1, +1},     {772, 1027, u"SG"_s, 255, -1},
         {1028, 1028, u"SV"_s, 0, 0},    {1029, 1284, u"SV"_s, 1, +1},   {1285, 1540, u"SV"_s, 255, -1},
         {1541, 1541, u"SW"_s, 0, 0},    {1542, 1797, u"SW"_s, 1, +1},   {1798, 2053, u"SW"_s, 255, -1},
         {2054, 2309, u"ST"_s, 1, +1},   {2310, 2565, u"ST"_s, 255, -1}, {2566, 2821, u"SG"_s, 1, +1},
         {2822, 3077, u"SG"_s, 255, -1}, {3078, 3333, u"SV"_s, 1, +1},   {3334, 3589, u"SV"_s, 255, -1},
         {3590, 3845, u"SW"_s, 1, +1},   {3846, 4101, u"SW"_s, 255, -1}, {4102, 4110, u"ST"_s, 1, +1}});
    Farbwechselzustand z;
    QStringList got;
    QList<int> phases;
    for (int t = 1; t <= 4110; ++t) {
        got.append(line(t, WechselAlleSchritt(z)));
        phases.append(z.phase);
    }
    QCOMPARE(got, want);
    QCOMPARE(phases.at(514 - 1), 1);
    QCOMPARE(phases.at(515 - 1), 2);
    QCOMPARE(phases.at(2053 - 1), 4);
    QCOMPARE(phases.at(2054 - 1), 1);
}

void TestColourCycle::allSingleTicks_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("colour");
    QTest::newRow("1 black") << 1 << u"0,0,0"_s;
    QTest::newRow("2 black held") << 2 << u"0,0,0"_s;
    QTest::newRow("3") << 3 << u"0,1,1"_s;
    QTest::newRow("258 top of turquoise") << 258 << u"0,256,256"_s;
    QTest::newRow("515 black held") << 515 << u"0,0,0"_s;
    QTest::newRow("516") << 516 << u"1,1,0"_s;
    QTest::newRow("1541 black held") << 1541 << u"0,0,0"_s;
    QTest::newRow("2053 black") << 2053 << u"0,0,0"_s;
    QTest::newRow("2054 rises at once") << 2054 << u"0,1,1"_s;
    QTest::newRow("2566 rises at once") << 2566 << u"1,1,0"_s;
    // zaehlerAlle passes its largest value at tick 32767.
    QTest::newRow("32766") << 32766 << u"7,7,7"_s;
    QTest::newRow("32767") << 32767 << u"6,6,6"_s;
    QTest::newRow("32768") << 32768 << u"5,5,5"_s;
    QTest::newRow("32769") << 32769 << u"4,4,4"_s;
    QTest::newRow("70000") << 70000 << u"0,149,149"_s;
}

void TestColourCycle::allSingleTicks()
{
    QFETCH(int, tick);
    QFETCH(QString, colour);
    Farbwechselzustand z;
    Colour f;
    for (int t = 1; t <= tick; ++t)
        f = WechselAlleSchritt(z);
    QCOMPARE(line(tick, f), u"tick %1: %2"_s.arg(tick).arg(colour));
}

void TestColourCycle::cycleStartsBlack_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("next");
    QTest::newRow("Alle in phase 2 to SG")
        << u"Alle"_s << 600 << u"SG"_s << QStringList{u"0,0,0"_s, u"1,1,0"_s};
    QTest::newRow("Alle in phase 4 to ST")
        << u"Alle"_s << 1900 << u"ST"_s << QStringList{u"0,0,0"_s, u"0,1,1"_s};
    QTest::newRow("ST to SG") << u"ST"_s << 100 << u"SG"_s << QStringList{u"0,0,0"_s, u"1,1,0"_s};
    QTest::newRow("SW falling to SV") << u"SW"_s << 400 << u"SV"_s << QStringList{u"0,0,0"_s, u"1,0,1"_s};
    QTest::newRow("SG to Alle") << u"SG"_s << 100 << u"Alle"_s
                                << QStringList{u"0,0,0"_s, u"0,0,0"_s, u"0,1,1"_s};
}

void TestColourCycle::cycleStartsBlack()
{
    QFETCH(QString, first);
    QFETCH(int, ticks);
    QFETCH(QString, second);
    QFETCH(QStringList, next);
    Farbwechselzustand z;
    auto step = [&z](const QString &code) {
        const Colour f = code == u"Alle"_s ? WechselAlleSchritt(z) : WechselSchritt(z, cycleOf(code));
        return u"%1,%2,%3"_s.arg(f.red).arg(f.green).arg(f.blue);
    };
    for (int t = 0; t < ticks; ++t)
        step(first);
    QStringList got;
    for (int t = 0; t < next.size(); ++t)
        got.append(step(second));
    QCOMPARE(got, next);
}

void TestColourCycle::resumesAfterPause()
{
    Farbwechselzustand z;
    for (int t = 1; t <= 300; ++t)
        WechselSchritt(z, TwoColourCycle::SW);
    QCOMPARE(z.colour(), (Colour{213, 213, 213}));
    // A fixed colour in between does not step the cycle: the same cycle goes on where it stopped.
    QCOMPARE(WechselSchritt(z, TwoColourCycle::SW), (Colour{212, 212, 212}));
    // Another cycle in between makes it start again from black.
    WechselSchritt(z, TwoColourCycle::SG);
    QCOMPARE(WechselSchritt(z, TwoColourCycle::SW), (Colour{0, 0, 0}));
    QCOMPARE(WechselSchritt(z, TwoColourCycle::SW), (Colour{1, 1, 1}));
}

void TestColourCycle::counterTicks_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("1") << 1 << 2;
    QTest::newRow("2") << 2 << 3;
    QTest::newRow("32766") << 32766 << 32767;
    QTest::newRow("largest goes back to 2 first") << 32767 << 3;
}

void TestColourCycle::counterTicks()
{
    QFETCH(int, before);
    QFETCH(int, after);
    qint16 counter = qint16(before);
    tickCounter(counter);
    QCOMPARE(int(counter), after);
}

void TestColourCycle::shownColour_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<int>("shown");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("128") << 128 << 128;
    QTest::newRow("255") << 255 << 255;
    QTest::newRow("256 shows as 255") << 256 << 255;
}

void TestColourCycle::shownColour()
{
    QFETCH(int, component);
    QFETCH(int, shown);
    QCOMPARE(Colour({component, 0, 0}).toQColor(), QColor(shown, 0, 0));
    QCOMPARE(Colour({0, component, 0}).toQColor(), QColor(0, shown, 0));
    QCOMPARE(Colour({0, 0, component}).toQColor(), QColor(0, 0, shown));
}

void TestColourCycle::codes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("cycle"); // -1: none, the four-phase cycle runs
    QTest::newRow("ST") << u"ST"_s << int(TwoColourCycle::ST);
    QTest::newRow("SG") << u"SG"_s << int(TwoColourCycle::SG);
    QTest::newRow("SV") << u"SV"_s << int(TwoColourCycle::SV);
    QTest::newRow("SW") << u"SW"_s << int(TwoColourCycle::SW);
    QTest::newRow("Alle") << u"Alle"_s << -1;
    QTest::newRow("Aus") << u"Aus"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("lower case") << u"st"_s << -1;
}

void TestColourCycle::codes()
{
    QFETCH(QString, code);
    QFETCH(int, cycle);
    const std::optional<TwoColourCycle> z = twoColourCycle(Settings::cycleFromCode(code));
    QCOMPARE(z ? int(*z) : -1, cycle);
}

QTEST_GUILESS_MAIN(TestColourCycle)
#include "test_colourcycle.moc"
