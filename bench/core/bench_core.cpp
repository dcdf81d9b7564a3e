// Speed of loading, looking up and searching the maximal word list, and the memory its tables take.
//   bench_core                    run the benchmarks (after the memory figures)
//   bench_core --write <dir>      write the maximal list as <dir>/latein.lst and stop
//   bench_core --load-once <dir>  load <dir>/latein.lst once and print the CPU and wall time
#include "bench/core/wordlistgenerator.h"

#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "dictionary/core/fulltextsearch.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const QByteArray &maximalBytes()
{
    static const QByteArray bytes = WordListGenerator::maximalWordList();
    return bytes;
}

const WordList &maximalList()
{
    static const WordList list = parseWordList(maximalBytes());
    return list;
}

bool writeList(const QString &dir)
{
    return !AtomicWriter::writeBytes(dir + u"/latein.lst"_s, maximalBytes()).has_value();
}

long maxRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long currentRssKiB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Loads the maximal list from a file as the program does and prints how much memory that took:
// the peak (file bytes, decoded text and tables at once) and what stays while the tables live.
void printMemoryFigures()
{
    QTemporaryDir dir;
    if (!writeList(dir.path())) {
        std::fprintf(stderr, "cannot write the maximal word list\n");
        return;
    }
    const long peakBefore = maxRssKiB();
    const long residentBefore = currentRssKiB();
    LoadResult loaded = LoadWordList(dir.path());
    const long peakAfter = maxRssKiB();
    const long residentAfter = currentRssKiB();
    std::printf("maximal word list: %d lines, %d problems, file %lld bytes\n", loaded.list.words.lineCount(),
                int(loaded.list.problems.size()), qlonglong(QFile(dir.filePath(u"latein.lst"_s)).size()));
    std::printf("peak RSS growth while loading: %.1f MB\n", (peakAfter - peakBefore) / 1024.0);
    std::printf("resident growth with the tables loaded: %.1f MB\n",
                (residentAfter - residentBefore) / 1024.0);
    std::printf("max RSS of the whole process: %.1f MB before loading, %.1f MB after\n", peakBefore / 1024.0,
                peakAfter / 1024.0);
    loaded = LoadResult();
    std::printf("resident after the tables are freed: %.1f MB above the start\n",
                (currentRssKiB() - residentBefore) / 1024.0);
    std::fflush(stdout);
}

void BM_LoadWordListFromFile(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!writeList(dir.path())) {
        state.SkipWithError("cannot write the word list");
        return;
    }
    for (auto _ : state) {
        LoadResult result = LoadWordList(dir.path());
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadWordListFromFile)->Unit(benchmark::kMillisecond);

void BM_ParseWordList(benchmark::State &state)
{
    for (auto _ : state) {
        WordList list = parseWordList(maximalBytes());
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ParseWordList)->Unit(benchmark::kMillisecond);

void BM_BuildLessonTable(benchmark::State &state)
{
    WordList list = maximalList();
    for (auto _ : state) {
        list.problems.clear();
        BuildLessonTable(list);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_BuildLessonTable)->Unit(benchmark::kMillisecond);

// For comparison: the generic line splitter, which decodes each line on its own.
void BM_LineFileSplitLines(benchmark::State &state)
{
    for (auto _ : state) {
        QStringList lines = LineFile::splitLines(maximalBytes(), LineFile::Breaks::AnyBreak);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_LineFileSplitLines)->Unit(benchmark::kMillisecond);

void BM_LookUpLastEntry(benchmark::State &state)
{
    const WordTable &words = maximalList().words;
    const QString last = WordListGenerator::entryWord(maxEntries);
    for (auto _ : state) {
        LookupResult result = LookUpWord(words, last);
        if (result.outcome != LookupOutcome::Found || result.entry.entryNumber != maxEntries)
            state.SkipWithError("last entry not found");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LookUpLastEntry)->Unit(benchmark::kMicrosecond);

void BM_LookUpMissingWord(benchmark::State &state)
{
    const WordTable &words = maximalList().words;
    const QString missing = u"nonexistens"_s;
    for (auto _ : state) {
        LookupResult result = LookUpWord(words, missing);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LookUpMissingWord)->Unit(benchmark::kMicrosecond);

void BM_FullTextSearchNoHit(benchmark::State &state, QString text)
{
    const WordTable &words = maximalList().words;
    for (auto _ : state) {
        SearchResult result = FullTextSearch(words, 1, text);
        if (result.found)
            state.SkipWithError("unexpected hit");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_FullTextSearchNoHit, word, u"Nashorn"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullTextSearchNoHit, one_character, u"@"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullTextSearchNoHit, frequent_letters, u"eeeee"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullTextSearchNoHit, blanks_only, QString(46, u' '))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullTextSearchNoHit, common_prefix, u"Bedeutung Nummer X"_s)
    ->Unit(benchmark::kMillisecond);

double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// One load as the program does it at start-up, in a fresh process: fresh memory to fault in, a
// cold allocator, so the figure is the one a user's start-up pays (repeated loads in one process
// reuse the freed memory and come out faster).
int loadOnce(const QString &dir)
{
    const double cpuBefore = cpuMilliseconds();
    QElapsedTimer wall;
    wall.start();
    const LoadResult loaded = LoadWordList(dir);
    const double cpu = cpuMilliseconds() - cpuBefore;
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    if (!loaded.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(loaded.error));
        return 1;
    }
    std::printf("load cpu_ms %.2f wall_ms %.2f lines %d\n", cpu, wallMs, loaded.list.words.lineCount());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--load-once") == 0)
        return loadOnce(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        const QString dir = QString::fromLocal8Bit(argv[2]);
        if (!QDir().mkpath(dir) || !writeList(dir)) {
            std::fprintf(stderr, "cannot write %s/latein.lst\n", argv[2]);
            return 1;
        }
        return 0;
    }
    printMemoryFigures();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
