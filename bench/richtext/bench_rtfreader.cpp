// Speed and memory of the RTF reader on a 10 MB formatted German document, beside unrtf --text.
#include "bench/richtext/germanrtf.h"
#include "richtext/richtextbox.h"
#include "richtext/rtfreader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <private/qtextdocument_p.h>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <limits>
#include <memory>
#include <vector>

namespace {

double megabytes(qsizetype bytes)
{
    return bytes / 1e6;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// Processor time of the finished child processes (unrtf), which this process's own clock leaves out.
double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Timing
{
    double wall = -1; // best of the runs: the figure least disturbed by other work on the machine
    double cpu = -1;  // processor time of this process in that run
    // The least processor time of any run: on a busy machine other work inflates it least.
    double lowestCpu = -1;
};

// prepare() runs before each measured run() and is not measured (it frees the last result).
template <typename Prepare, typename Run>
Timing best(int runs, Prepare prepare, Run run, double (*cpuClock)() = cpuSeconds)
{
    Timing result;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        const double cpuStart = cpuClock();
        timer.start();
        if (!run())
            return Timing();
        const double wall = timer.nsecsElapsed() / 1e9;
        const double cpu = cpuClock() - cpuStart;
        if (result.wall < 0 || wall < result.wall) {
            result.wall = wall;
            result.cpu = cpu;
        }
        if (result.lowestCpu < 0 || cpu < result.lowestCpu)
            result.lowestCpu = cpu;
    }
    return result;
}

// The document's text as QTextCursor takes it: runs of one format, and paragraph ends.
struct Insertion
{
    QString text; // empty: a paragraph end
    QTextCharFormat charFormat;
    QTextBlockFormat blockFormat;
    // The formats' indices in the source document: equal indices, equal formats.
    int charFormatIndex = -1;
    int blockFormatIndex = -1;
};

// A table's frame marks carry the frame's object: without it they are plain paragraph ends, as
// QTextCursor makes them.
QTextCharFormat withoutObject(QTextCharFormat format)
{
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

std::vector<Insertion> insertionsOf(const QTextDocument &document)
{
    std::vector<Insertion> insertions;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            insertions.push_back(Insertion{QString(), withoutObject(block.charFormat()), block.blockFormat(),
                                           block.charFormatIndex(), block.blockFormatIndex()});
        for (auto it = block.begin(); !it.atEnd(); ++it)
            insertions.push_back(Insertion{it.fragment().text(),
                                           withoutObject(it.fragment().charFormat()),
                                           {},
                                           it.fragment().charFormatIndex(),
                                           -1});
    }
    return insertions;
}

// Inserts the runs and paragraphs through one cursor, as a reader must: what Qt alone takes.
[[gnu::noinline]] bool insertAll(const std::vector<Insertion> &insertions, QTextDocument *document)
{
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const Insertion &insertion : insertions) {
        if (insertion.text.isEmpty())
            cursor.insertBlock(insertion.blockFormat, insertion.charFormat);
        else
            cursor.insertText(insertion.text, insertion.charFormat);
    }
    cursor.endEditBlock();
    return true;
}

// The same through the document's private interface: each distinct format is looked up once, and
// the runs go in at the end without a cursor.
[[gnu::noinline]] bool insertAllPrivately(const std::vector<Insertion> &insertions, QTextDocument *document)
{
    document->setUndoRedoEnabled(false);
    QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    QTextFormatCollection *formats = priv->formatCollection();
    QHash<int, int> charIndices; // source index -> index in this document
    QHash<int, int> blockIndices;
    const auto indexOf = [formats](QHash<int, int> &indices, int source, const QTextFormat &format) {
        auto it = indices.constFind(source);
        if (it == indices.constEnd())
            it = indices.insert(source, formats->indexForFormat(format));
        return it.value();
    };
    priv->beginEditBlock();
    for (const Insertion &insertion : insertions) {
        const int end = priv->length() - 1;
        if (insertion.text.isEmpty())
            priv->insertBlock(end, indexOf(blockIndices, insertion.blockFormatIndex, insertion.blockFormat),
                              indexOf(charIndices, insertion.charFormatIndex, insertion.charFormat));
        else
            priv->insert(end, insertion.text,
                         indexOf(charIndices, insertion.charFormatIndex, insertion.charFormat));
    }
    priv->endEditBlock();
    return true;
}

// Each fragment's text with its character format, and each block's format: what both ways must
// produce alike.
QList<QVariant> fragmentsOf(const QTextDocument &document)
{
    QList<QVariant> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        result.append(QVariant(block.blockFormat()));
        result.append(QVariant(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            result.append(it.fragment().text());
            result.append(QVariant(it.fragment().charFormat()));
        }
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Arguments: the document size in MB (10 by default); "--no-compare" leaves unrtf out; "--once"
    // reads the document once and does nothing else, for a profiler
    // (valgrind --tool=callgrind --toggle-collect='Rtf::read*').
    const QStringList args = app.arguments();
    const qsizetype size = args.size() > 1 && args.at(1).toLongLong() > 0
                               ? args.at(1).toLongLong() * 1000 * 1000
                               : 10 * 1000 * 1000;
    const int runs = 10;

    const QByteArray rtf = GermanRtf::generate(size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deutsch.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return 1;
    file.close();
    std::printf("document: %s, %.2f MB\n", qPrintable(path), megabytes(rtf.size()));

    if (args.contains(QStringLiteral("--once"))) {
        QTextDocument once;
        return Rtf::read(rtf, &once) ? 0 : 1;
    }

    qsizetype characters = 0;
    std::unique_ptr<QTextDocument> document;
    const auto newDocument = [&] {
        document.reset();
        document = std::make_unique<QTextDocument>();
    };
    const Timing reader = best(runs, newDocument, [&] {
        const bool ok = Rtf::read(rtf, document.get());
        characters = document->characterCount();
        return ok;
    });
    const double mb = megabytes(rtf.size());
    std::printf("Rtf::read into QTextDocument: best of %d %.3f s (%.1f MB/s), cpu %.3f s (%.1f MB/s), "
                "lowest cpu %.3f s, %lld characters\n",
                runs, reader.wall, mb / reader.wall, reader.cpu, mb / reader.cpu, reader.lowestCpu,
                static_cast<long long>(characters));

    // The same with the parsing on the inserting thread, as for a help topic (below 1 MB).
    const Timing oneThread = best(runs, newDocument, [&] {
        return Rtf::read(rtf, document.get(), Rtf::ReadOptions{false, std::numeric_limits<qsizetype>::max()});
    });
    std::printf("Rtf::read on one thread: best of %d %.3f s (%.1f MB/s), cpu %.3f s, lowest cpu %.3f s\n",
                runs, oneThread.wall, mb / oneThread.wall, oneThread.cpu, oneThread.lowestCpu);

    document.reset();
    std::unique_ptr<RichTextBox> control;
    const auto newControl = [&] {
        control.reset();
        control = std::make_unique<RichTextBox>();
    };
    const Timing box = best(runs, newControl, [&] { return control->loadRtfFile(path); });
    control.reset();
    std::printf(
        "RichTextBox::loadRtfFile (file read, no layout yet): best of %d %.3f s (%.1f MB/s), cpu %.3f s, "
        "lowest cpu %.3f s\n",
        runs, box.wall, mb / box.wall, box.cpu, box.lowestCpu);
    std::printf("peak memory of this process: %.1f MB\n", peakKilobytes() / 1024.0);

    // What Qt alone takes for the document the reader built (after the memory figure, which this
    // would raise). Tables and pictures come out as plain paragraphs and characters: a lower bound.
    newDocument();
    Rtf::read(rtf, document.get());
    const std::vector<Insertion> insertions = insertionsOf(*document);
    const Timing floor = best(runs, newDocument, [&] { return insertAll(insertions, document.get()); });
    std::printf("the same %lld runs and paragraphs through QTextCursor alone, nothing parsed: best of %d "
                "%.3f s, cpu %.3f s, lowest cpu %.3f s\n",
                static_cast<long long>(insertions.size()), runs, floor.wall, floor.cpu, floor.lowestCpu);
    const Timing privateFloor =
        best(runs, newDocument, [&] { return insertAllPrivately(insertions, document.get()); });
    // Both ways must give the same document: the same text in the same fragments and formats.
    QTextDocument publicDocument;
    insertAll(insertions, &publicDocument);
    const bool same = fragmentsOf(publicDocument) == fragmentsOf(*document);
    document.reset();
    std::printf("the same through QTextDocumentPrivate (a format index per distinct format): best of %d "
                "%.3f s, cpu %.3f s, lowest cpu %.3f s; %s\n",
                runs, privateFloor.wall, privateFloor.cpu, privateFloor.lowestCpu,
                same ? "the same document as through QTextCursor" : "A DIFFERENT DOCUMENT");
    if (!same)
        return 1;

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (args.contains(QStringLiteral("--no-compare")))
        return 0;
    if (unrtf.isEmpty()) {
        std::printf("unrtf --text: not installed, comparison skipped\n");
        return 0;
    }
    const Timing other = best(
        runs, [] {},
        [&] {
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            process.start(unrtf, {QStringLiteral("--text"), path});
            return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
        },
        childrenCpuSeconds);
    std::printf(
        "unrtf --text (whole process, output to /dev/null): best of %d %.3f s (%.1f MB/s), cpu %.3f s, "
        "lowest cpu %.3f s\n",
        runs, other.wall, mb / other.wall, other.cpu, other.lowestCpu);
    std::printf("Rtf::read is %.1f times as fast as unrtf --text\n", other.wall / reader.wall);
    // On a busy machine the wall times mostly measure the waits for a processor.
    std::printf("by the lowest processor times: %.1f times as fast\n", other.lowestCpu / reader.lowestCpu);
    return 0;
}
