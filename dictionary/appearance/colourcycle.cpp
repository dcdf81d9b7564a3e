// The colour cycles step by step: black up to a bright colour and back, one component unit a tick.
#include "dictionary/appearance/colourcycle.h"

#include <algorithm>
#include <limits>

namespace Zembrota {

QColor Colour::toQColor() const
{
    // 256 is a legal component value and shows as 255.
    return QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

std::optional<TwoColourCycle> twoColourCycle(CycleChoice cycle)
{
    switch (cycle) {
    case CycleChoice::ST:
        return TwoColourCycle::ST;
    case CycleChoice::SG:
        return TwoColourCycle::SG;
    case CycleChoice::SV:
        return TwoColourCycle::SV;
    case CycleChoice::SW:
        return TwoColourCycle::SW;
    case CycleChoice::Off:
    case CycleChoice::All:
        break;
    }
    return std::nullopt;
}

void tickCounter(qint16 &counter)
{
    if (counter == std::numeric_limits<qint16>::max())
        counter = 2;
    ++counter;
}

namespace {

// Which components a cycle moves; the leading one decides the turns at 0 and 256.
struct Movement
{
    bool r, g, b;
    qint16 Farbwechselzustand::*leading;
};

Movement movementOf(TwoColourCycle cycle)
{
    switch (cycle) {
    case TwoColourCycle::ST:
        return {false, true, true, &Farbwechselzustand::g};
    case TwoColourCycle::SG:
        return {true, true, false, &Farbwechselzustand::r};
    case TwoColourCycle::SV:
        return {true, false, true, &Farbwechselzustand::r};
    case TwoColourCycle::SW:
        break;
    }
    return {true, true, true, &Farbwechselzustand::r};
}

void shift(Farbwechselzustand &z, const Movement &m, int delta)
{
    if (m.r)
        z.r = qint16(z.r + delta);
    if (m.g)
        z.g = qint16(z.g + delta);
    if (m.b)
        z.b = qint16(z.b + delta);
}

qint16 &startCounter(Farbwechselzustand &z, TwoColourCycle cycle)
{
    switch (cycle) {
    case TwoColourCycle::ST:
        return z.zaehlerST;
    case TwoColourCycle::SG:
        return z.zaehlerSG;
    case TwoColourCycle::SV:
        return z.zaehlerSV;
    case TwoColourCycle::SW:
        break;
    }
    return z.zaehlerSW;
}

void startFromBlack(Farbwechselzustand &z)
{
    z.richtung = 1;
    z.r = z.g = z.b = 0;
}

TwoColourCycle cycleOfPhase(int phase)
{
    return static_cast<TwoColourCycle>(phase - 1);
}

// The block of one phase of "Alle"; at the bottom of a phase it hands over to the next phase in
// the same tick.
void phaseBlock(Farbwechselzustand &z)
{
    const int k = z.phase;
    const Movement m = movementOf(cycleOfPhase(k));
    qint16 &counter = z.phasenzaehler[k - 1];
    tickCounter(counter);
    if (z.richtung == 1) {
        if (z.*m.leading != 256) {
            // The first tick of a phase since the cycle started shows the colour unchanged.
            if (counter != 1)
                shift(z, m, +1);
            return;
        }
        z.richtung = 2;
    }
    if (z.*m.leading == 0) {
        z.richtung = 1;
        z.phase = qint16(k == 4 ? 1 : k + 1);
        phaseBlock(z);
        return;
    }
    shift(z, m, -1);
}

} // namespace

Colour WechselSchritt(Farbwechselzustand &z, TwoColourCycle cycle)
{
    qint16 &own = startCounter(z, cycle);
    tickCounter(own);
    if (own == 1) {
        // A fresh start: every other cycle starts afresh too when it is chosen next.
        for (qint16 *other : {&z.zaehlerAlle, &z.zaehlerST, &z.zaehlerSG, &z.zaehlerSV, &z.zaehlerSW})
            if (other != &own)
                *other = 0;
        startFromBlack(z);
        return z.colour();
    }
    const Movement m = movementOf(cycle);
    if (z.richtung == 1) {
        if (z.*m.leading != 256) {
            shift(z, m, +1);
            return z.colour();
        }
        z.richtung = 2;
    }
    if (z.*m.leading == 0) {
        z.richtung = 1;
        shift(z, m, +1);
    } else {
        shift(z, m, -1);
    }
    return z.colour();
}

Colour WechselAlleSchritt(Farbwechselzustand &z)
{
    tickCounter(z.zaehlerAlle);
    if (z.zaehlerAlle == 1) {
        z.phasenzaehler.fill(0);
        z.zaehlerST = z.zaehlerSG = z.zaehlerSV = z.zaehlerSW = 0;
        z.phase = 1;
        startFromBlack(z);
        return z.colour();
    }
    phaseBlock(z);
    return z.colour();
}

} // namespace Zembrota
