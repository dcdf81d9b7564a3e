// Zahlwert: the value of the number at the start of a text, as the numeric fields and settings read it.
#pragma once

#include <QStringView>

#include <optional>

// Blanks (space, tab, line feed) are skipped anywhere, also between digits; an optional sign, digits
// with an optional decimal point (a full stop) and an optional exponent ("E" or "e", its own sign and
// digits) follow; the number ends at the first character that cannot continue it. A text that does
// not start with a number gives 0.
double Zahlwert(QStringView text);

// The value rounded to the nearest integer, a half going to the even neighbour (2.5 gives 2, 3.5
// gives 4); nothing when the rounded value lies outside min..max or is not finite.
std::optional<int> roundedZahlwert(QStringView text, int min, int max);

// The rounding rule alone, for values that are already numbers.
std::optional<int> roundHalfEven(double value, int min, int max);
