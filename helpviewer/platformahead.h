// Loading the X11 platform's libraries before the viewer's helper threads start.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace Viewer {

// Whether the application object will start on X11: no other platform asked for (QT_QPA_PLATFORM,
// whose first entry counts, or a "-platform" argument), no Wayland session named, and a display.
bool startsOnX11(const QByteArray &platformVariable, const QByteArray &sessionType, const QByteArray &display,
                 const QStringList &arguments);

// Loads the libraries of Qt's X11 platform (the platform plugin's library with the 18 it needs, and
// the cursor library) when the environment says the application object will start on X11. Called
// on the window's thread before any other thread is made: each change of the process's mappings the
// dynamic loader makes (mprotect, munmap) makes the kernel interrupt every other processor where a
// thread of the process runs, to flush its address translations. Loaded while the application object
// is made, beside the reading and font threads, that cost the window's thread about 0.7 ms; loaded
// here, with no other thread yet, none. True when the libraries were loaded.
bool loadX11PlatformAhead(const QStringList &arguments);

} // namespace Viewer
