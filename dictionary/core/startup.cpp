// The start-up sequence from the opening window's key to the main window.
#include "dictionary/core/startup.h"

using namespace Qt::StringLiterals;

namespace StartUp {

QString unreadableTitle()
{
    return u"Wortliste nicht lesbar!"_s;
}

QString unreadableText(const QString &loaderError)
{
    return loaderError + u"\n\nOhne die Wortliste kann Glossand nicht arbeiten und wird beendet."_s;
}

QString faultyTitle()
{
    return u"Fehlerhafte Wortliste!"_s;
}

QString faultyText(const QString &path, const QList<WordListProblem> &problems)
{
    QString text = u"Die Wortliste „%1“ enthält Fehler. Glossand arbeitet weiter, aber die betroffenen "
                   u"Einträge fehlen in den Listen der manuellen Suche."_s.arg(path);
    text += u"\n"_s;
    const qsizetype shown = qMin<qsizetype>(problems.size(), problemsShown);
    for (qsizetype i = 0; i < shown; ++i)
        text += u"\n"_s + problems[i].description;
    if (problems.size() > shown) {
        const qsizetype more = problems.size() - shown;
        text += more == 1 ? u"\n… und ein weiterer Fehler."_s : u"\n… und %1 weitere Fehler."_s.arg(more);
    }
    return text;
}

} // namespace StartUp

StartUpOutcome StartUpLoad(StartUpWindows &windows, const QString &programDir, WordListPrefetch *prefetch)
{
    windows.setBusyPointer(true);
    windows.showStatusWindow();

    LoadResult loaded = prefetch ? prefetch->take(programDir) : LoadWordList(programDir);
    if (!loaded.ok) {
        windows.setBusyPointer(false);
        windows.showError(StartUp::unreadableTitle(), StartUp::unreadableText(loaded.error));
        windows.endProgram(1);
        return StartUpOutcome::WordListUnreadable;
    }
    const QList<WordListProblem> problems = loaded.list.problems;
    windows.takeWordList(std::move(loaded.list));

    windows.applySettings();
    windows.showMainWindow();
    windows.setBusyPointer(false);
    windows.closeOpeningWindow();

    if (!problems.isEmpty()) {
        const QString path = programDir + u'/' + QLatin1StringView(wordListFileName);
        windows.showWarning(StartUp::faultyTitle(), StartUp::faultyText(path, problems));
    }
    return StartUpOutcome::MainWindowShown;
}
