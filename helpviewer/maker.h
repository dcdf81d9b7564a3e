// The maker of the help programs as their about windows name him.
#pragma once

#include <QString>

namespace Viewer::Maker {

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

} // namespace Viewer::Maker
