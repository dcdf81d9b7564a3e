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

// The two threads below are made right after the application object and joined when their
// std::jthread is destroyed, so the application object must outlive them.

// Connects to the session bus. The first accessibility update of the window (a button's text)
// connects Qt's accessibility bridge to that bus and waits for it; where no bus runs, Qt first
// tries to start one (dbus-launch) and waits for that to fail. Begun ahead, the attempt runs while
// the window is built.
std::jthread connectSessionBusAhead();

// Fills Qt's font database (fontconfig's configuration and the list of installed fonts). Qt fills
// it when the window first needs a font, a few milliseconds into building it, and the window's
// thread then waits for it; begun ahead, the filling runs beside the building. The database is
// shared by all threads and guarded by Qt; the fonts themselves are still loaded by the thread
// that draws with them.
std::jthread fillFontDatabaseAhead();

} // namespace Viewer
