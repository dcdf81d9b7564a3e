// The word list read ahead on a second thread while the opening window is made and waits for its
// key: the start-up sequence takes the result where it loads the list, only sooner.
#pragma once

#include "dictionary/core/wordlist.h"

#include <QString>

#include <chrono>
#include <future>

// What identifies a file's contents without reading them: which file (device and inode), its size,
// and when its contents and its entry last changed.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    bool operator==(const FileStamp &) const = default;
};

// The stamp of the file a path names now (links followed, as a read follows them); nothing when
// there is no such file.
std::optional<FileStamp> stampOf(const QString &path);

class WordListPrefetch
{
public:
    // A file whose contents or entry changed this shortly before the read-ahead began may still be
    // changing within the file system's timestamp granularity (up to two seconds), so that a later
    // change could leave its stamp as it was: such a file is read again at the key.
    static constexpr std::chrono::milliseconds defaultSettleTime{3000};

    // Reads nothing: take() loads the list.
    WordListPrefetch() = default;
    // Starts loading programDir's word list on a second thread; an empty programDir starts
    // nothing. Made on the main thread, also before the application object exists.
    explicit WordListPrefetch(const QString &programDir,
                              std::chrono::milliseconds settleTime = defaultSettleTime);
    // Waits for the thread; its result goes unused.
    ~WordListPrefetch();
    WordListPrefetch(const WordListPrefetch &) = delete;
    WordListPrefetch &operator=(const WordListPrefetch &) = delete;

    // The list exactly as LoadWordList(programDir) gives it now: the result read ahead (waiting
    // for it if need be) when it was read from this folder, succeeded, and the file still has the
    // stamp it had before and after the read-ahead; otherwise the list is loaded now. The result
    // read ahead is handed out once.
    LoadResult take(const QString &programDir);

    // Whether the last take() handed out the result read ahead (for tests and measurements).
    bool tookReadAhead() const { return m_tookReadAhead; }
    // Waits until the read-ahead is done (for tests that change the file after it).
    void waitForReadAhead() const;

    // The read-ahead's outcome before take(), kept for take() to judge.
    struct ReadAhead
    {
        LoadResult loaded;
        // The file's stamp before and after the read; unset when there was no file.
        std::optional<FileStamp> before;
        std::optional<FileStamp> after;
        // Whether the file had settled (see defaultSettleTime) when the read began.
        bool settled = false;
    };

private:
    QString m_programDir;
    std::future<ReadAhead> m_result;
    bool m_tookReadAhead = false;
};
