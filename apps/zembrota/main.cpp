// Zembrota, the Latin dictionary: shows the opening window and waits for a key.
#include "common/ui/helplaunch.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/windows/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The run ends through the program (the main window's "Ende" or close box, the opening
    // window's close box, or a word list that cannot be read), not when the opening window closes
    // on the way to the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    DictionaryProgram::useGermanStandardTexts();
    DictionaryProgram program(HelpLaunch::programDir());
    program.start();
    const int exitCode = app.exec();
    // The appearance's windows and timer go before the program's windows and the application.
    Appearance::shutDown();
    return exitCode;
}
