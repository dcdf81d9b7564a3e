// The screen-wide busy pointer, restored on every path out of a handler.
#pragma once

// Sets the hourglass for its lifetime. Guards nest: the default pointer returns when the
// outermost one ends.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    static bool active();
};
