// The colours dialog's Apply rules, free of the dialog.
#include "dictionary/appearance/uebernahme.h"

#include "common/zahlwert.h"
#include "dictionary/appearance/farbeinstellung.h"

#include <algorithm>
#include <cmath>

namespace Zembrota {

WechselzeitPruefung pruefeWechselzeit(QStringView text)
{
    const double value = Zahlwert(text);
    if (std::isnan(value) || value <= 0)
        return WechselzeitPruefung::Ungueltig;
    if (value > Einstellungen::intervalMax)
        return WechselzeitPruefung::ZuGross;
    return WechselzeitPruefung::Gueltig;
}

int wechselzeitMs(QStringView text)
{
    return RundeGanzzahl(Zahlwert(text), 0, Einstellungen::intervalMax).value_or(0);
}

int komponente(QStringView text)
{
    const double value = Zahlwert(text);
    if (std::isnan(value))
        return 0;
    const double limited =
        std::clamp(value, double(Einstellungen::componentMin), double(Einstellungen::componentMax));
    return RundeGanzzahl(limited, Einstellungen::componentMin, Einstellungen::componentMax).value_or(0);
}

Auswahl modusFuerAuswahl(bool standardFarben, const QString &zyklusCode)
{
    if (standardFarben)
        return {QStringLiteral("WS"), zyklusCode};
    if (zyklusCode == QLatin1String("Aus"))
        return {QStringLiteral("BF"), zyklusCode};
    return {QStringLiteral("FW"), zyklusCode};
}

} // namespace Zembrota
