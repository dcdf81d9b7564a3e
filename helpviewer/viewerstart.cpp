// Running the start-up against the real main window.
#include "helpviewer/viewerstart.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpviewer/viewerargument.h"

namespace Viewer {

Started startViewer(const QStringList &arguments, HelpPrefetch *prefetch)
{
    Started started;
    {
        BusyCursor busy;
        started.window = std::make_unique<Tessavor::frmHaupt>();
        const HelpReader read =
            prefetch ? HelpReader([prefetch](const QString &path) { return prefetch->read(path); })
                     : HelpReader([](const QString &path) { return HelpFile::readFile(path); });
        started.outcome = start(HelpLaunch::programDir(), joinArguments(arguments), *started.window, read);
    }
    if (started.outcome != StartOutcome::Shown) {
        started.window.reset();
        const Message message = startMessage(started.outcome);
        MessageBox::critical(nullptr, message.title, message.text);
    }
    return started;
}

} // namespace Viewer
