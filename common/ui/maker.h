// The maker of the suite as the about, advert and opening windows of all three programs name him.
#pragma once

#include <QString>

namespace Maker {

inline QString name()
{
    return QStringLiteral("Matthias Wendelin");
}
inline QString street()
{
    return QStringLiteral("Lindenweg 12");
}
inline QString city()
{
    return QStringLiteral("D-12345 Musterstadt");
}
inline QString webAddress()
{
    return QStringLiteral("https://www.example.org/glossand/");
}
inline QString mailAddress()
{
    return QStringLiteral("glossand@example.org");
}

} // namespace Maker
