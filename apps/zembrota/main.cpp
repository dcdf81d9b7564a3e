// Zembrota, the Latin dictionary: shows the opening window and waits for a key.
#include "common/commandline.h"
#include "common/programfolder.h"
#include "common/ui/helplaunch.h"
#include "common/version.h"
#include "dictionary/core/wordlistprefetch.h"
#include "dictionary/windows/program.h"

#include <QApplication>

using namespace Zembrota;

using namespace Qt::StringLiterals;

namespace {

CommandLine::Description description()
{
    return {u"zembrota"_s,
            u"Lateinisch-deutsches Wörterbuch für einen dreibändigen Lateinkurs. Das Programm "
            "nimmt außer diesen Optionen keine Argumente; die Wortliste latein.lst liegt neben "
            "ihm."_s,
            u"zembrota %1.%2"_s.arg(Version::dictionaryMajor).arg(Version::dictionaryMinor)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode =
            CommandLine::answerHelpOrVersion(CommandLine::rawArguments(argc, argv), description()))
        return *exitCode;
    // The word list is loaded on a second thread while the application and the opening window are
    // made and the opening window waits for its key; the start-up takes the result where it loads
    // the list, so everything it shows keeps its order. Qt cannot name the program folder before
    // the application object exists; the process's own path can. A folder whose name cannot be
    // read is reported below, and nothing is read ahead from it.
    bool folderUnreadable = false;
    const QString folder = ProgramFolder::fromProcess(&folderUnreadable);
    WordListPrefetch prefetch(folderUnreadable ? QString() : folder);
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(u"org.glossand.Zembrota"_s);
    // Qt's own options (-platform, -style ...) are gone by now; anything else is a mistake.
    if (const std::optional<int> exitCode =
            CommandLine::answer(CommandLine::parse(QApplication::arguments(), 0, 0), description()))
        return *exitCode;
    // The run ends through the program (the main window's "Ende" or close box, the opening
    // window's close box, or a word list that cannot be read), not when the opening window closes
    // on the way to the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    DictionaryProgram::useGermanStandardTexts();
    if (!HelpLaunch::programDirReadable())
        return 1;
    DictionaryProgram program(HelpLaunch::programDir(), &prefetch);
    program.start();
    // The program and every window it owns go before the application object.
    return app.exec();
}
