// The colour cycles: the shared cycle state and the steps of the two-colour and four-phase cycles.
#pragma once

#include "dictionary/appearance/settings.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace Zembrota {

// A colour of the appearance: components 0 to 256, where 256 shows as 255.
struct Colour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    QColor toQColor() const;
    friend bool operator==(const Colour &, const Colour &) = default;
};

// The two-colour cycles, in the order the four-phase cycle runs them.
enum class TwoColourCycle { ST, SG, SV, SW };

// The cycle options "ST", "SG", "SV", "SW" are two-colour cycles; "Alle" and "Aus" are none (a
// cycling mode then runs the four-phase cycle).
std::optional<TwoColourCycle> twoColourCycle(CycleChoice cycle);

// One record shared by all five cycles.
struct Farbwechselzustand
{
    qint16 phase = 1;    // 1 to 4: ST, SG, SV, SW within "Alle"
    qint16 richtung = 1; // 1 rising, 2 falling
    qint16 r = 0;
    qint16 g = 0;
    qint16 b = 0;
    std::array<qint16, 4> phasenzaehler{}; // ticks in each phase of "Alle" since it last started
    qint16 zaehlerAlle = 0;                // start counters: ticks of each cycle since it started
    qint16 zaehlerST = 0;
    qint16 zaehlerSG = 0;
    qint16 zaehlerSV = 0;
    qint16 zaehlerSW = 0;

    Colour colour() const { return {r, g, b}; }
};

// A counter only tells 0, 1 and 2-or-more apart; at its largest value it goes back to 2 before the
// addition, so it never overflows and never returns to 0 or 1.
void tickCounter(qint16 &counter);

// One step of a two-colour cycle; returns the colour to paint.
Colour WechselSchritt(Farbwechselzustand &state, TwoColourCycle cycle);

// One step of the four-phase cycle "Alle"; returns the colour to paint.
Colour WechselAlleSchritt(Farbwechselzustand &state);

} // namespace Zembrota
