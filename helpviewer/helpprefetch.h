// The help file named on the command line, read on a second thread while the windows are built.
#pragma once

#include "helpfile/helpfile.h"

#include <QString>

#include <functional>
#include <future>

namespace Viewer {

class HelpPrefetch
{
public:
    HelpPrefetch() = default;
    // Starts reading the help file the argument names; an argument that names no file starts
    // nothing. Made on the main thread, also before the application object exists. The reading
    // thread first runs `beforeReading`: work the window needs sooner than the file.
    explicit HelpPrefetch(const QString &argument, std::function<void()> beforeReading = {});
    ~HelpPrefetch();
    HelpPrefetch(const HelpPrefetch &) = delete;
    HelpPrefetch &operator=(const HelpPrefetch &) = delete;

    // The file read as HelpFile::readFile reads it: the result read ahead when it was read from
    // this path (waiting for it if need be), otherwise read now. The result read ahead is handed
    // out once; it holds what the page the argument names needs (its index may be pending, and for
    // a topic of a help of listLaterFrom bytes or more its contents list, see HelpFile::ReadPlan).
    HelpFile::ReadResult read(const QString &path);

    // From this size on, a help read ahead for a topic leaves its contents list for later.
    static constexpr qint64 listLaterFrom = 1024 * 1024;

private:
    QString m_path;
    std::future<HelpFile::ReadResult> m_result;
};

} // namespace Viewer
