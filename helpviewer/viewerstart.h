// Starting the viewer: the start-up sequence run against a new main window, with the error box
// of a failed start.
#pragma once

#include "helpviewer/frmhaupt.h"
#include "helpviewer/helpprefetch.h"
#include "helpviewer/startup.h"

#include <QStringList>

#include <memory>

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

} // namespace Viewer
