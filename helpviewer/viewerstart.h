// Starting the viewer: the start-up sequence run against a new main window, with the error box
// of a failed start.
#pragma once

#include "helpviewer/frmhaupt.h"
#include "helpviewer/helpprefetch.h"
#include "helpviewer/startup.h"

#include <QStringList>

#include <memory>
#include <thread>

namespace Viewer {

struct Started
{
    StartOutcome outcome = StartOutcome::Shown;
    std::unique_ptr<Tessavor::frmHaupt> window; // ready to show when the outcome is Shown
};

// `arguments` are the process arguments after the program name. The busy pointer shows while the
// checks run; a failure shows its error box (after the pointer is back to normal) and returns no
// window, and the caller ends the process without any closing steps.
// `prefetch`, when given, holds the help file read ahead from the same arguments.
Started startViewer(const QStringList &arguments, HelpPrefetch *prefetch = nullptr);

// Starts the threads of Qt's global thread pool, one per processor, and returns at once; they wait
// there for work. The raster painter splits a large gradient fill (the banner's background) across
// that pool and waits for it: without this, the first frame waits for the threads to be made.
void startPaintThreads();

// Each of the two threads below first steps aside (a new thread often starts on its maker's
// processor and would hold up the window's thread): the font thread to the other processors
// (HelperThreads::stepAside), the bus thread only by yielding. Both are joined when their
// std::jthread is destroyed.

// Connects to the session bus. The first accessibility update of the window (a button's text)
// connects Qt's accessibility bridge to that bus and waits for it; where no bus runs, Qt first
// tries to start one (dbus-launch) and waits for that to fail. main() begins the attempt first of
// all, before the application object; the thread must end before the application object does.
std::jthread connectSessionBusAhead();

// Loads fontconfig's configuration (fonts.conf and the fifty-odd files it includes, about 4 ms of
// processor time), which Qt needs before it can fill its font database. main() has the reading
// thread do it before it reads the help file, so it is ready when the window is built. Loaded
// once: a thread that asks while it is being loaded waits for it (fontconfig alone would load a
// second copy meanwhile).
void loadFontConfiguration();

// Fills Qt's font database (the list of installed fonts, and fontconfig's configuration unless it
// is loaded) on a thread of its own, made right after the application object, which must outlive
// it. Qt fills the database when the window first needs a font, a few milliseconds into building
// it, and the window's thread then waits for it; begun ahead, the filling runs beside the
// building. The database is shared by all threads and guarded by Qt; the fonts themselves are
// still loaded by the thread that draws with them.
std::jthread fillFontDatabaseAhead();

} // namespace Viewer
