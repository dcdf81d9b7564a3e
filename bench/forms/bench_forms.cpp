// Speed of the form index (built from the shipped list and from a maximal one, one word analysed)
// and of zembrota-formen --tsv on 100,000 words, with the memory the index takes.
#include "apps/zembrota-formen/formstool.h"
#include "dictionary/core/wordlist.h"
#include "dictionary/forms/formindex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QByteArray &shippedBytes()
{
    static const QByteArray bytes = [] {
        QFile file(QStringLiteral(SHIPPED_WORD_LIST));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

const WordList &shippedList()
{
    static const WordList list = parseWordList(shippedBytes());
    return list;
}

// The shipped entries again and again up to the 32767 entries a list may hold: real Latin
// additions, so every entry has a full paradigm.
const WordList &maximalList()
{
    static const WordList list = [] {
        QByteArray bytes;
        int entries = 0;
        const QList<QByteArray> lines = shippedBytes().split('\n');
        while (entries < maxEntries) {
            for (const QByteArray &line : lines) {
                if (line.startsWith('#') && ++entries > maxEntries)
                    break;
                if (!line.isEmpty())
                    bytes += line + '\n';
            }
        }
        return parseWordList(bytes);
    }();
    return list;
}

long currentRssKiB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// A text of 100,000 words from the report's Latin texts, repeated.
QByteArray longText()
{
    QByteArray text;
    const QDir dir(QStringLiteral(REPORT_TEXTS));
    QByteArray all;
    for (const QString &name : dir.entryList({u"*.txt"_s}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            all += f.readAll() + '\n';
    }
    const qsizetype words = FormsTool::wordsOf(QString::fromUtf8(all)).size();
    for (qsizetype n = 0; words > 0 && n < 100000; n += words)
        text += all;
    return text;
}

void printMemoryFigures()
{
    for (const auto &[name, list] : {std::pair{"shipped", &shippedList()}, {"maximal", &maximalList()}}) {
        const long before = currentRssKiB();
        Forms::FormIndex index;
        index.build(list->words);
        const long after = currentRssKiB();
        std::printf("%s list: %d entries, %lld distinct forms, %lld records, tables %.1f MB, resident growth "
                    "%.1f MB\n",
                    name, index.entryCount(), qlonglong(index.formCount()), qlonglong(index.recordCount()),
                    index.memoryBytes() / 1048576.0, (after - before) / 1024.0);
    }
    std::fflush(stdout);
}

void BM_BuildIndexShipped(benchmark::State &state)
{
    const WordTable &words = shippedList().words;
    for (auto _ : state) {
        Forms::FormIndex index;
        index.build(words);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_BuildIndexShipped)->Unit(benchmark::kMillisecond);

void BM_BuildIndexMaximal(benchmark::State &state)
{
    const WordTable &words = maximalList().words;
    for (auto _ : state) {
        Forms::FormIndex index;
        index.build(words);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_BuildIndexMaximal)->Unit(benchmark::kMillisecond);

void BM_AnalyseWord(benchmark::State &state, QString word)
{
    static const Forms::FormIndex index = [] {
        Forms::FormIndex i;
        i.build(shippedList().words);
        return i;
    }();
    for (auto _ : state) {
        QList<Forms::FormHit> hits = index.analyse(word);
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK_CAPTURE(BM_AnalyseWord, amat, u"amat"_s)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseWord, puellae, u"puellae"_s)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseWord, populusque, u"populusque"_s)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseWord, unknown, u"Orgetorigis"_s)->Unit(benchmark::kMicrosecond);

void BM_FormenTsv100k(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile text(dir.filePath(u"text.txt"_s));
    if (!text.open(QIODevice::WriteOnly) || text.write(longText()) < 0) {
        state.SkipWithError("cannot write the text");
        return;
    }
    text.close();
    for (auto _ : state) {
        const FormsTool::Outcome o = FormsTool::run(
            {u"--liste"_s, QStringLiteral(SHIPPED_WORD_LIST), u"--tsv"_s, text.fileName()}, {}, {});
        if (o.exitCode != 0)
            state.SkipWithError("zembrota-formen failed");
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_FormenTsv100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    printMemoryFigures();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
