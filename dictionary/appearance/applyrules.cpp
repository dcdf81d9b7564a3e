// The colours dialog's Apply rules, free of the dialog.
#include "dictionary/appearance/applyrules.h"

#include "common/zahlwert.h"
#include "dictionary/appearance/settings.h"

#include <algorithm>
#include <cmath>

namespace Zembrota {

IntervalCheck checkInterval(QStringView text)
{
    const double value = Zahlwert(text);
    if (std::isnan(value) || value <= 0)
        return IntervalCheck::Invalid;
    if (value > Settings::intervalMax)
        return IntervalCheck::TooLarge;
    return IntervalCheck::Valid;
}

int timerInterval(QStringView text)
{
    return roundHalfEven(Zahlwert(text), 0, Settings::intervalMax).value_or(0);
}

int componentValue(QStringView text)
{
    const double value = Zahlwert(text);
    if (std::isnan(value))
        return 0;
    const double limited = std::clamp(value, double(Settings::componentMin), double(Settings::componentMax));
    return roundHalfEven(limited, Settings::componentMin, Settings::componentMax).value_or(0);
}

ModeChoice modeForChoice(bool standardColours, CycleChoice cycle)
{
    if (standardColours)
        return {ColourMode::Standard, cycle};
    if (cycle == CycleChoice::Off)
        return {ColourMode::Fixed, cycle};
    return {ColourMode::Cycling, cycle};
}

} // namespace Zembrota
