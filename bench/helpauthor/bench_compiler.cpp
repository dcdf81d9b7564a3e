// Speed of the help compiler: an RTF project of 1000 topics, each a 5 KB RTF file, compiled to a
// help file on disk; and a TXT project of the same size, which is a copy.
#include "helpauthor/helpcompiler.h"

#include "common/linefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int topicCount = 1000;
constexpr int rtfSize = 5 * 1024;

QByteArray rtfDocument(int topic)
{
    QByteArray bytes = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n{\\b Thema " +
                       QByteArray::number(topic) + "}\\par\r\n";
    int line = 0;
    while (bytes.size() < rtfSize - 80)
        bytes += "Zeile " + QByteArray::number(++line) +
                 ": amare, amo, amavi, amatum \\'e4\\'f6\\'fc lieben\\par\r\n";
    bytes += QByteArray(rtfSize - 3 - bytes.size(), ' ') + "}\r\n";
    return bytes;
}

// The project folder with its RTF files, made once for all runs.
struct Fixture
{
    QTemporaryDir dir;
    QString richProject;
    QString plainProject;

    Fixture()
    {
        QStringList rich{u"TESSAVOR"_s, u"RTF"_s, u"Lastprobe"_s, QString()};
        QStringList plain{u"TESSAVOR"_s, u"TXT"_s, u"Lastprobe"_s, QString()};
        for (int i = 1; i <= topicCount; ++i) {
            rich.append(u"Thema %1"_s.arg(i));
            plain.append(u"Thema %1"_s.arg(i));
        }
        rich.append(QString());
        plain.append(QString());
        for (int i = 1; i <= topicCount; ++i) {
            const QString path = dir.filePath(u"thema%1.rtf"_s.arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write the benchmark's RTF files");
            const QByteArray document = rtfDocument(i);
            file.write(document);
            rich << u"[Thema %1]"_s.arg(i) << path << QString();
            plain << u"[Thema %1]"_s.arg(i) << LineFile::splitLines(document, LineFile::Breaks::CrLfOrCr)
                  << QString();
        }
        richProject = dir.filePath(u"rtf.vrp"_s);
        plainProject = dir.filePath(u"txt.vrp"_s);
        QFile rf(richProject);
        QFile pf(plainProject);
        if (!rf.open(QIODevice::WriteOnly) || !pf.open(QIODevice::WriteOnly))
            qFatal("cannot write the benchmark's projects");
        rf.write(LineFile::joinLines(rich));
        pf.write(LineFile::joinLines(plain));
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void compileRtfProject(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString target = f.dir.filePath(u"rtf.vry"_s);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const HelpCompiler::Result result =
            HelpCompiler::compile(f.richProject, HelpProject::Type::RichText, target);
        if (!result.ok() || result.sourceCount != topicCount)
            state.SkipWithError("compile failed");
        bytes = result.bytes;
    }
    state.counters["topics"] = topicCount;
    state.counters["output_bytes"] = double(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(compileRtfProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void compileRtfProjectInMemory(benchmark::State &state)
{
    Fixture &f = fixture();
    QFile file(f.richProject);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the project");
    const QByteArray project = file.readAll();
    for (auto _ : state) {
        QByteArray out;
        HelpCompiler::compileRich(project, f.dir.path(), &out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(compileRtfProjectInMemory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void compileTxtProject(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString target = f.dir.filePath(u"txt.vry"_s);
    for (auto _ : state) {
        if (!HelpCompiler::compile(f.plainProject, HelpProject::Type::PlainText, target).ok())
            state.SkipWithError("compile failed");
    }
}
BENCHMARK(compileTxtProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
