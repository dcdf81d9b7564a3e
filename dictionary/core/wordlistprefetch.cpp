// Loading the word list ahead on a second thread: the result is the one loading it at the key would
// give, or the list is loaded again at the key.
#include "dictionary/core/wordlistprefetch.h"

#include <QFile>
#include <QThread>

#include <ctime>
#include <sys/stat.h>

namespace {

qint64 nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

qint64 nowNs()
{
    struct timespec now
    {
    };
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

QString wordListPath(const QString &programDir)
{
    return programDir + u'/' + QLatin1StringView(wordListFileName);
}

WordListPrefetch::ReadAhead readAhead(const QString &programDir, std::chrono::milliseconds settleTime)
{
    WordListPrefetch::ReadAhead result;
    const QString path = wordListPath(programDir);
    const qint64 begun = nowNs();
    result.before = stampOf(path);
    const qint64 settledBefore = begun - std::chrono::nanoseconds(settleTime).count();
    result.settled = result.before && result.before->modifiedNs < settledBefore &&
                     result.before->changedNs < settledBefore;
    result.loaded = LoadWordList(programDir);
    result.after = stampOf(path);
    return result;
}

} // namespace

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

WordListPrefetch::WordListPrefetch(const QString &programDir, std::chrono::milliseconds settleTime)
{
    // Qt takes the first thread that asks for its thread data as the main thread: the calling
    // thread asks now, before the loading thread can.
    QThread::currentThread();
    if (programDir.isEmpty())
        return;
    m_programDir = programDir;
    m_result = std::async(std::launch::async,
                          [programDir, settleTime] { return readAhead(programDir, settleTime); });
}

WordListPrefetch::~WordListPrefetch()
{
    if (m_result.valid())
        m_result.wait();
}

void WordListPrefetch::waitForReadAhead() const
{
    if (m_result.valid())
        m_result.wait();
}

LoadResult WordListPrefetch::take(const QString &programDir)
{
    m_tookReadAhead = false;
    if (m_result.valid() && programDir == m_programDir) {
        std::optional<ReadAhead> ahead;
        try {
            ahead = m_result.get();
        } catch (...) {
            // Memory that ran short on the second thread may be there now: loaded again below.
        }
        // A failed read is repeated: the file may have come, or become readable, since. A file
        // that changed while it was read, or after, is read again.
        if (ahead && ahead->loaded.ok && ahead->settled && ahead->before == ahead->after &&
            ahead->after == stampOf(wordListPath(programDir))) {
            m_tookReadAhead = true;
            return std::move(ahead->loaded);
        }
        // Its tables go before the list is loaded again, so that the two are not held at once.
        ahead.reset();
    }
    return LoadWordList(programDir);
}
