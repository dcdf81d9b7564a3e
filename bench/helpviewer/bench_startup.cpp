// The viewer's start-up as the user waits for it: from the process start to the first frame of
// the main window with the requested page, for a help of 1,000 topics. Each iteration starts a
// fresh process running the viewer's own start-up; the child reports the monotonic clock when the
// first expose of its main window has been painted and flushed.
#include "bench/helpviewer/largehelp.h"
#include "common/ui/helplaunch.h"
#include "helpviewer/viewerstart.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int topicCount = 1000;

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The child's application: notices when the main window's first expose has been handled, which
// paints the window and flushes it to the display.
class FirstFrameApplication : public QApplication
{
public:
    using QApplication::QApplication;
    QWindow *watched = nullptr;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool result = QApplication::notify(receiver, event);
        if (watched && receiver == watched && event->type() == QEvent::Expose && watched->isExposed()) {
            std::printf("%lld\n", monotonicNanoseconds());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return result;
    }
};

int runChild(int argc, char *argv[])
{
    // argv: <self> --child <program dir> <argument>
    const QString programDir = QString::fromLocal8Bit(argv[2]);
    const QString argument = QString::fromLocal8Bit(argv[3]);
    int qtArgc = 1;
    FirstFrameApplication app(qtArgc, argv);
    (void)argc;
    HelpLaunch::setProgramDir(programDir);
    Viewer::Started started = Viewer::startViewer({argument});
    if (!started.window)
        return 2;
    started.window->show();
    app.watched = started.window->windowHandle();
    return QApplication::exec();
}

struct Fixture
{
    QTemporaryDir dir;
    Fixture()
    {
        write(QStringLiteral("tessavor.vry"), LargeHelp::compose(HelpFile::Kind::PlainText, 3));
        write(QStringLiteral("rich.vry"), LargeHelp::compose(HelpFile::Kind::RichText, topicCount));
        write(QStringLiteral("plain.vry"), LargeHelp::compose(HelpFile::Kind::PlainText, topicCount));
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

struct Run
{
    double seconds = -1;   // spawn to first frame; negative on failure
    double cpuSeconds = 0; // the child's user and system time: the figure the machine's load does not inflate
};

double cpuSecondsOf(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One viewer process from spawn to first frame.
Run startOnce(const QByteArray &programDir, const QByteArray &argument)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char self[] = "/proc/self/exe";
    char child[] = "--child";
    std::vector<char *> args{self, child, const_cast<char *>(programDir.constData()),
                             const_cast<char *>(argument.constData()), nullptr};
    const long long start = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return {};
    }
    char buffer[64] = {};
    ssize_t got = 0;
    ssize_t n = 0;
    while (got < ssize_t(sizeof buffer) - 1 &&
           (n = read(pipeFds[0], buffer + got, sizeof buffer - 1 - got)) > 0)
        got += n;
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {double(std::atoll(buffer) - start) / 1e9, cpuSecondsOf(usage)};
}

void runStartup(benchmark::State &state, const QString &file, const QString &topic)
{
    const QByteArray dir = QFile::encodeName(fixture().dir.path());
    const QByteArray argument = QFile::encodeName(fixture().dir.filePath(file)) + ", " + topic.toUtf8();
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (auto _ : state) {
        const Run run = startOnce(dir, argument);
        if (run.seconds < 0) {
            state.SkipWithError("the viewer did not show its window (is a display available?)");
            return;
        }
        times.push_back(run.seconds);
        cpuTimes.push_back(run.cpuSeconds);
        state.SetIterationTime(run.seconds);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    state.counters["min_ms"] = times.front() * 1000;
    state.counters["median_ms"] = times[times.size() / 2] * 1000;
    state.counters["max_ms"] = times.back() * 1000;
    state.counters["cpu_median_ms"] = cpuTimes[cpuTimes.size() / 2] * 1000;
}

void BM_StartupRichTopic(benchmark::State &state)
{
    runStartup(state, QStringLiteral("rich.vry"), LargeHelp::topicName(topicCount));
}
void BM_StartupPlainTopic(benchmark::State &state)
{
    runStartup(state, QStringLiteral("plain.vry"), LargeHelp::topicName(topicCount));
}
void BM_StartupContents(benchmark::State &state)
{
    runStartup(state, QStringLiteral("rich.vry"), QStringLiteral("Inhalt"));
}
void BM_StartupIndex(benchmark::State &state)
{
    runStartup(state, QStringLiteral("rich.vry"), QStringLiteral("Index"));
}

// The file work alone, in-process: reading 1,000 topics with both lists, and one topic search.
void BM_ReadLargeHelp(benchmark::State &state)
{
    const QByteArray bytes = LargeHelp::compose(HelpFile::Kind::RichText, topicCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(HelpFile::read(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
void BM_RichTopicSearch(benchmark::State &state)
{
    const auto document = HelpFile::read(LargeHelp::compose(HelpFile::Kind::RichText, topicCount)).document;
    const QString last = LargeHelp::topicName(topicCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.richLines(last));
}

} // namespace

BENCHMARK(BM_StartupRichTopic)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupPlainTopic)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupContents)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupIndex)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeHelp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RichTopicSearch)->Unit(benchmark::kMillisecond);

// Writes the viewer's own help, rich.vry and plain.vry of that many topics into the folder, for
// timing the real viewer from outside (scripts/run-benchmarks).
int writeHelps(const char *dir, const char *topics)
{
    const QString folder = QString::fromLocal8Bit(dir);
    const int count = std::atoi(topics);
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder + u'/' + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const bool written =
        count > 0 &&
        write(QStringLiteral("tessavor.vry"), LargeHelp::compose(HelpFile::Kind::PlainText, 3)) &&
        write(QStringLiteral("rich.vry"), LargeHelp::compose(HelpFile::Kind::RichText, count)) &&
        write(QStringLiteral("plain.vry"), LargeHelp::compose(HelpFile::Kind::PlainText, count));
    if (!written)
        std::fprintf(stderr, "cannot write the helps into %s\n", dir);
    return written ? 0 : 1;
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::string_view(argv[1]) == "--child")
        return runChild(argc, argv);
    if (argc == 4 && std::string_view(argv[1]) == "--write")
        return writeHelps(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
