// Running the start-up against the real main window.
#include "helpviewer/viewerstart.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpviewer/viewerargument.h"

namespace Viewer {

Started startViewer(const QStringList &arguments)
{
    Started started;
    {
        BusyCursor busy;
        started.window = std::make_unique<Tessavor::frmHaupt>();
        started.outcome = start(HelpLaunch::programDir(), joinArguments(arguments), *started.window);
    }
    if (started.outcome != StartOutcome::Shown) {
        started.window.reset();
        const Message message = startMessage(started.outcome);
        MessageBox::critical(nullptr, message.title, message.text);
    }
    return started;
}

} // namespace Viewer
