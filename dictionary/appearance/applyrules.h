// What the colours dialog's Apply decides: the interval check and the mode that comes into force.
#pragma once

#include "dictionary/appearance/settings.h"

#include <QString>
#include <QStringView>

namespace Zembrota {

// The interval text as Apply checks it, in every mode.
enum class IntervalCheck {
    Valid,
    Invalid, // 0, empty, not a number, or negative (no timer takes a negative interval)
    TooLarge // above 65535
};
IntervalCheck checkInterval(QStringView text);

// The timer interval of a checked text: its value rounded, halves to the even neighbour. A text
// such as 0.4 passes the check but gives 0, a cycle that never steps.
int timerInterval(QStringView text);

// A component field's value as Apply stores it: rounded, halves to even, within 0..256.
int componentValue(QStringView text);

struct ModeChoice
{
    ColourMode mode;
    CycleChoice cycle;
};
// optWS gives the standard colours and keeps the cycle option as chosen; optBF with "Aus" gives the
// fixed colour; optBF with a cycle gives that cycle.
ModeChoice modeForChoice(bool standardColours, CycleChoice cycle);

inline QString invalidIntervalMessage()
{
    return QStringLiteral("Geben sie bitte eine korrekte Wechsel - Zeit ein!");
}
inline QString intervalTooLargeMessage()
{
    return QStringLiteral("Die Wechsel - Zeit darf 65535 Millisekunden nicht überschreiten!");
}
inline QString saveFailedMessage(const QString &reason)
{
    return QStringLiteral("Die Einstellungen konnten nicht gespeichert werden. Die Farben gelten nur bis "
                          "zum Ende des Programms.\n\n%1")
        .arg(reason);
}

} // namespace Zembrota
