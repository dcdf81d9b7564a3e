// Zembrota, the Latin dictionary: shows the opening window and waits for a key.
#include "common/commandline.h"
#include "common/ui/helplaunch.h"
#include "common/version.h"
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
    DictionaryProgram program(HelpLaunch::programDir());
    program.start();
    // The program and every window it owns go before the application object.
    return app.exec();
}
