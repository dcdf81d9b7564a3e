// The start-up load of the dictionary, in its fixed order, behind the small interface that the
// program's windows implement (a test drives it with a recording fake).
#pragma once

#include "dictionary/core/wordlist.h"
#include "dictionary/core/wordlistprefetch.h"

#include <QList>
#include <QString>

class StartUpWindows
{
public:
    virtual ~StartUpWindows() = default;

    virtual void setBusyPointer(bool busy) = 0;
    virtual void showStatusWindow() = 0;
    // The loaded tables, handed over before anything reads them.
    virtual void takeWordList(WordList list) = 0;
    // Reads the settings file and puts it into force, or colours the windows with the standard
    // face colour when that fails. Creates the main window, whose load fills its lists.
    virtual void applySettings() = 0;
    virtual void showMainWindow() = 0;
    virtual void closeOpeningWindow() = 0;
    virtual void showError(const QString &title, const QString &text) = 0;
    virtual void showWarning(const QString &title, const QString &text) = 0;
    virtual void endProgram(int exitCode) = 0;
};

enum class StartUpOutcome { MainWindowShown, WordListUnreadable };

namespace StartUp {

// How many problems of a faulty list the warning names before it sums up the rest.
inline constexpr int problemsShown = 5;

// The error shown when the word list cannot be read; the program then ends.
QString unreadableTitle();
QString unreadableText(const QString &loaderError);

// The one warning about a list with faulty entries; start-up goes on.
QString faultyTitle();
QString faultyText(const QString &path, const QList<WordListProblem> &problems);

} // namespace StartUp

// Busy pointer, status window, word list, settings, main window, default pointer, opening window
// closed, in this order. A word list that cannot be read ends the program with an error and no
// main window; a list with faulty entries is used, and a warning follows once the main window is
// shown. The list comes from `prefetch` when it was read ahead (the same list, only sooner).
StartUpOutcome StartUpLoad(StartUpWindows &windows, const QString &programDir,
                           WordListPrefetch *prefetch = nullptr);
