// Loading the X11 platform's libraries before the viewer's helper threads start.
#include "helpviewer/platformahead.h"

#include <dlfcn.h>

namespace Viewer {

bool startsOnX11(const QByteArray &platformVariable, const QByteArray &sessionType, const QByteArray &display,
                 const QStringList &arguments)
{
    if (display.isEmpty())
        return false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            return false;
    }
    // Qt tries the entries of a list in their order; the first is the one it normally takes.
    const QByteArray first = platformVariable.split(';').first().split(':').first().trimmed();
    if (!first.isEmpty())
        return first == "xcb";
    return sessionType != "wayland";
}

bool loadX11PlatformAhead(const QStringList &arguments)
{
    if (!startsOnX11(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"), arguments))
        return false;
    // Never closed: Qt's platform plugin keeps them loaded for the life of the process anyway.
    // Where a library is missing, Qt fails or falls back later exactly as it would have.
    const bool platform = dlopen("libQt6XcbQpa.so.6", RTLD_NOW | RTLD_GLOBAL) != nullptr;
    const bool cursors = dlopen("libXcursor.so.1", RTLD_NOW) != nullptr;
    return platform && cursors;
}

} // namespace Viewer
