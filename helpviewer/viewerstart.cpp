// Running the start-up against the real main window.
#include "helpviewer/viewerstart.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpviewer/helperthreads.h"
#include "helpviewer/viewerargument.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QThread>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

#include <latch>
#include <mutex>

namespace Viewer {

Started startViewer(const QStringList &arguments, HelpPrefetch *prefetch)
{
    Started started;
    // The window's first text asks fontconfig for its configuration. Where the reading thread is
    // still loading it (a busy machine), fontconfig would load a second one on this thread beside
    // it; this waits for that one instead.
    loadFontConfiguration();
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

void startPaintThreads()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const int count = pool->maxThreadCount();
    if (count < 1)
        return;
    // Each task waits until all have begun, so that the pool makes a thread for each instead of
    // handing the next task to a thread already done. A task the pool cannot start at once is not
    // waited for.
    auto started = std::make_shared<std::latch>(count);
    for (int i = 0; i < count; ++i) {
        if (!pool->tryStart([started] {
                HelperThreads::StepAsideWhile aside;
                started->arrive_and_wait();
            }))
            started->count_down();
    }
}

std::jthread connectSessionBusAhead()
{
    // Qt takes the first thread that asks for its thread data as the main thread: made before the
    // application object, the bus thread would otherwise be taken for it.
    QThread::currentThread();
    return std::jthread([] {
        // Only yields: the connection's own thread, and a bus that Qt starts, would inherit a
        // narrower choice of processors for good.
        std::this_thread::yield();
        QDBusConnection::sessionBus();
    });
}

void loadFontConfiguration()
{
    // Once: a thread that comes while another loads it waits for that instead of loading its own.
    static std::once_flag loaded;
    std::call_once(loaded, [] { FcInit(); });
}

std::jthread fillFontDatabaseAhead()
{
    return std::jthread([] {
        HelperThreads::stepAside();
        loadFontConfiguration();
        QFontDatabase::families();
    });
}

} // namespace Viewer
