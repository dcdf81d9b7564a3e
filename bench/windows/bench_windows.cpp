// Start-up of the dictionary on generated word lists (realistic ~1800 entries and the maximal
// 32767), measured from the key press in the opening window to the main window shown and painted;
// and filling the list of all words with up to 4500 sorted entries.
#include "common/linefile.h"
#include "dictionary/core/browsing.h"
#include "dictionary/windows/dropdownlist.h"
#include "dictionary/windows/frmeroeffnung.h"
#include "dictionary/windows/frmhaupt.h"
#include "dictionary/windows/program.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Zembrota;

using namespace Qt::StringLiterals;

namespace {

// A word list of `entries` entries in the shipped format: one or two additions, one to three
// meanings, one or two books with lessons spread over all lessons of each book.
QByteArray generateWordList(int entries)
{
    QRandomGenerator random(4711);
    QStringList lines;
    lines.reserve(entries * 7);
    const int lessonsOfBook[] = {60, 50, 40};
    for (int n = 1; n <= entries; ++n) {
        const QString word = u"verbum%1"_s.arg(n);
        lines << u"#"_s + word;
        const int additions = 1 + int(random.bounded(2));
        for (int a = 0; a < additions; ++a)
            lines << u"verbi%1, verbo, verbum n."_s.arg(a);
        lines << u"="_s;
        const int meanings = 1 + int(random.bounded(3));
        for (int m = 0; m < meanings; ++m)
            lines << u"Bedeutung %1 von Nummer %2"_s.arg(m + 1).arg(n);
        const int books = 1 + int(random.bounded(2));
        QStringList bookList;
        QStringList lessonList;
        int book = 1 + int(random.bounded(3));
        for (int b = 0; b < books; ++b) {
            bookList << QString::number(book);
            lessonList << QString::number(1 + random.bounded(lessonsOfBook[book - 1]));
            book = book % 3 + 1;
        }
        lines << u"$"_s + bookList.join(u" / "_s);
        lines << u"%"_s + lessonList.join(u" / "_s);
    }
    return LineFile::joinLines(lines);
}

// Entries 0 stands for the shipped word list.
QByteArray wordList(int entries)
{
    if (entries > 0)
        return generateWordList(entries);
    QFile shipped(QStringLiteral(GLOSSAND_SHIPPED_LIST));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    return shipped.readAll();
}

struct ProgramDir
{
    explicit ProgramDir(int entries)
    {
        const QByteArray bytes = wordList(entries);
        QFile file(dir.filePath(u"latein.lst"_s));
        available = !bytes.isEmpty();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
            qFatal("cannot write the word list");
    }
    QTemporaryDir dir;
    bool available = false;
};

void pressKey(QWidget *window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
    QCoreApplication::sendEvent(window, &press);
}

void BM_StartUp(benchmark::State &state)
{
    const ProgramDir dir(int(state.range(0)));
    if (!dir.available) {
        state.SkipWithError("no shipped word list");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<DictionaryProgram>(dir.dir.path());
        program->setExit([](int) {});
        program->start();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        pressKey(program->openingWindow());
        // The main window's first paint is part of "shown".
        QCoreApplication::processEvents();

        state.PauseTiming();
        if (!program->hasMainWindow() || !program->mainWindow()->isVisible())
            state.SkipWithError("main window not shown");
        program.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
// Argument: entries of a generated list, or 0 for the shipped data/latein.lst.
BENCHMARK(BM_StartUp)->Arg(1800)->Arg(32767)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

// The list of all words: the lesson table's slots collected, sorted once and put into the list.
void BM_FillAllWordsList(benchmark::State &state)
{
    LessonTable lessons;
    QRandomGenerator random(42);
    const int words = int(state.range(0));
    int placed = 0;
    for (int book = 1; book <= 3 && placed < words; ++book) {
        for (int lesson = 1; lesson <= Browsing::lessonsOfBook(book) && placed < words; ++lesson) {
            for (int slot = 1; slot <= LessonTable::slotCount && placed < words; ++slot, ++placed)
                lessons.put(book, lesson, u"w%1"_s.arg(random.bounded(1000000)));
        }
    }
    QWidget parent;
    DropDownList list(&parent, u"CboAlleWörter"_s, {0, 0, 169, 21}, {});
    for (auto _ : state) {
        const Browsing::AllWords all = Browsing::collectAllWords(lessons);
        list.setItems(all.words);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetComplexityN(words);
}
BENCHMARK(BM_FillAllWordsList)->Arg(1125)->Arg(2250)->Arg(4500)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
