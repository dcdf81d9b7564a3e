// Reading the help file ahead on a second thread: the result is the same as reading it when the
// start-up sequence asks, only ready sooner.
#include "helpviewer/helpprefetch.h"

#include "helpviewer/helperthreads.h"
#include "helpviewer/viewerargument.h"

#include "helpfile/headercache.h"

#include <QFileInfo>
#include <QThread>

namespace Viewer {

HelpPrefetch::HelpPrefetch(const QString &argument, std::function<void()> beforeReading)
{
    // Qt takes the first thread that asks for its thread data as the main thread: the calling
    // thread asks now, before the reading thread can.
    QThread::currentThread();
    const std::optional<Request> request =
        parseArgument(argument, [](const QString &path) { return QFileInfo(path).isFile(); });
    if (!request)
        return;
    m_path = request->helpPath;
    // Only what the first page needs: a topic needs the topic headers (the search over the whole
    // file), the index page its sorted list; the rest is made if the user goes there. A topic page
    // shows no contents list either: a large help's list of thousands of topics is decoded when the
    // contents page or the index first needs it, a small help's (well under a millisecond) comes
    // with the rest.
    HelpFile::ReadPlan plan;
    plan.topics = request->topic != contentsTopic && request->topic != indexTopic;
    plan.index = request->topic == indexTopic;
    plan.contents = !plan.topics || QFileInfo(m_path).size() < listLaterFrom;
    // A large help file's topic headers are kept between starts: the next start of the viewer on
    // the unchanged file need not go through all of it.
    const QString headerCache = HelpFile::defaultHeaderCacheFolder();
    m_result = std::async(std::launch::async,
                          [path = m_path, plan, headerCache, beforeReading = std::move(beforeReading)] {
                              // Off the window thread's processor: the reading and fontconfig's
                              // configuration take a processor for several milliseconds.
                              HelperThreads::stepAside();
                              if (beforeReading)
                                  beforeReading();
                              return HelpFile::readFile(path, plan, headerCache);
                          });
}

HelpPrefetch::~HelpPrefetch()
{
    // The thread is waited for; its result goes unused.
    if (m_result.valid())
        m_result.wait();
}

HelpFile::ReadResult HelpPrefetch::read(const QString &path)
{
    if (m_result.valid() && path == m_path)
        return m_result.get();
    return HelpFile::readFile(path);
}

} // namespace Viewer
