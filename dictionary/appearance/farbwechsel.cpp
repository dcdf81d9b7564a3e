// The colour cycles step by step: black up to a bright colour and back, one component unit a tick.
#include "dictionary/appearance/farbwechsel.h"

#include <algorithm>
#include <limits>

namespace Zembrota {

QColor Farbe::toQColor() const
{
    // 256 is a legal component value and shows as 255.
    return QColor(std::clamp(rot, 0, 255), std::clamp(gelb, 0, 255), std::clamp(blau, 0, 255));
}

std::optional<Zyklus> zyklusAusCode(const QString &wechselart)
{
    if (wechselart == QLatin1String("ST"))
        return Zyklus::ST;
    if (wechselart == QLatin1String("SG"))
        return Zyklus::SG;
    if (wechselart == QLatin1String("SV"))
        return Zyklus::SV;
    if (wechselart == QLatin1String("SW"))
        return Zyklus::SW;
    return std::nullopt;
}

void ZaehlerTicken(qint16 &zaehler)
{
    if (zaehler == std::numeric_limits<qint16>::max())
        zaehler = 2;
    ++zaehler;
}

namespace {

// Which components a cycle moves; the leading one decides the turns at 0 and 256.
struct Bewegung
{
    bool r, g, b;
    qint16 Farbwechselzustand::*fuehrend;
};

Bewegung bewegung(Zyklus zyklus)
{
    switch (zyklus) {
    case Zyklus::ST:
        return {false, true, true, &Farbwechselzustand::g};
    case Zyklus::SG:
        return {true, true, false, &Farbwechselzustand::r};
    case Zyklus::SV:
        return {true, false, true, &Farbwechselzustand::r};
    case Zyklus::SW:
        break;
    }
    return {true, true, true, &Farbwechselzustand::r};
}

void verschieben(Farbwechselzustand &z, const Bewegung &m, int delta)
{
    if (m.r)
        z.r = qint16(z.r + delta);
    if (m.g)
        z.g = qint16(z.g + delta);
    if (m.b)
        z.b = qint16(z.b + delta);
}

qint16 &startzaehler(Farbwechselzustand &z, Zyklus zyklus)
{
    switch (zyklus) {
    case Zyklus::ST:
        return z.zaehlerST;
    case Zyklus::SG:
        return z.zaehlerSG;
    case Zyklus::SV:
        return z.zaehlerSV;
    case Zyklus::SW:
        break;
    }
    return z.zaehlerSW;
}

void schwarzBeginnen(Farbwechselzustand &z)
{
    z.richtung = 1;
    z.r = z.g = z.b = 0;
}

Zyklus zyklusDerPhase(int phase)
{
    return static_cast<Zyklus>(phase - 1);
}

// The block of one phase of "Alle"; at the bottom of a phase it hands over to the next phase in
// the same tick.
void phasenBlock(Farbwechselzustand &z)
{
    const int k = z.phase;
    const Bewegung m = bewegung(zyklusDerPhase(k));
    qint16 &zaehler = z.phasenzaehler[k - 1];
    ZaehlerTicken(zaehler);
    if (z.richtung == 1) {
        if (z.*m.fuehrend != 256) {
            // The first tick of a phase since the cycle started shows the colour unchanged.
            if (zaehler != 1)
                verschieben(z, m, +1);
            return;
        }
        z.richtung = 2;
    }
    if (z.*m.fuehrend == 0) {
        z.richtung = 1;
        z.phase = qint16(k == 4 ? 1 : k + 1);
        phasenBlock(z);
        return;
    }
    verschieben(z, m, -1);
}

} // namespace

Farbe WechselSchritt(Farbwechselzustand &z, Zyklus zyklus)
{
    qint16 &eigener = startzaehler(z, zyklus);
    ZaehlerTicken(eigener);
    if (eigener == 1) {
        // A fresh start: every other cycle starts afresh too when it is chosen next.
        for (qint16 *andere : {&z.zaehlerAlle, &z.zaehlerST, &z.zaehlerSG, &z.zaehlerSV, &z.zaehlerSW})
            if (andere != &eigener)
                *andere = 0;
        schwarzBeginnen(z);
        return z.farbe();
    }
    const Bewegung m = bewegung(zyklus);
    if (z.richtung == 1) {
        if (z.*m.fuehrend != 256) {
            verschieben(z, m, +1);
            return z.farbe();
        }
        z.richtung = 2;
    }
    if (z.*m.fuehrend == 0) {
        z.richtung = 1;
        verschieben(z, m, +1);
    } else {
        verschieben(z, m, -1);
    }
    return z.farbe();
}

Farbe WechselAlleSchritt(Farbwechselzustand &z)
{
    ZaehlerTicken(z.zaehlerAlle);
    if (z.zaehlerAlle == 1) {
        z.phasenzaehler.fill(0);
        z.zaehlerST = z.zaehlerSG = z.zaehlerSV = z.zaehlerSW = 0;
        z.phase = 1;
        schwarzBeginnen(z);
        return z.farbe();
    }
    phasenBlock(z);
    return z.farbe();
}

} // namespace Zembrota
