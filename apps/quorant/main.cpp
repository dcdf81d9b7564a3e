// Quorant, the help authoring program: start-up checks, then the main window.
#include "common/commandline.h"
#include "common/ui/germantexts.h"
#include "common/ui/helplaunch.h"
#include "common/version.h"
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/startup.h"

#include <QApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

CommandLine::Description description()
{
    return {u"quorant [PROJEKT.vrp]"_s,
            u"Schreibt Hilfeprojekte und übersetzt sie in Hilfedateien für den Tessavor. Ein "
            "angegebenes Projekt wird gleich geöffnet."_s,
            u"quorant %1.%2"_s.arg(Version::helpMajor).arg(Version::helpMinor)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitCode =
            CommandLine::answerHelpOrVersion(CommandLine::rawArguments(argc, argv), description()))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorant"));
    QApplication::setDesktopFileName(u"org.glossand.Quorant"_s);
    const CommandLine::Parsed parsed = CommandLine::parse(QApplication::arguments(), 0, 1);
    if (const std::optional<int> exitCode = CommandLine::answer(parsed, description()))
        return *exitCode;
    GermanTexts::install();
    if (!HelpLaunch::programDirReadable() || !Quorant::startUpChecksPass())
        return 1;
    Quorant::frmHaupt window;
    window.show();
    // A project opened from the file manager.
    if (!parsed.positional.isEmpty())
        window.openProject(QFileInfo(parsed.positional.first()).absoluteFilePath());
    return app.exec();
}
