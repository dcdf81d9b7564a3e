// Tessavor, the help viewer: shows one topic of a help file named on its command line.
#include "common/commandline.h"
#include "common/ui/germantexts.h"
#include "common/ui/helplaunch.h"
#include "common/version.h"
#include "helpviewer/backbufferahead.h"
#include "helpviewer/helperthreads.h"
#include "helpviewer/platformahead.h"
#include "helpviewer/viewerargument.h"
#include "helpviewer/viewerstart.h"
#include "helpviewer/viewerstyle.h"

#include <QApplication>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Taken before QApplication removes the options it knows (a help path "-reverse" stays a path).
    // An unquoted path with blanks arrives in pieces; the viewer joins them again.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Only a lone "--help" or "--version" is an option; anything else names a help file.
    if (arguments.size() == 1 && (arguments.first() == u"--help"_s || arguments.first() == u"--version"_s)) {
        const CommandLine::Description description{
            u"tessavor \"ORDNER/DATEI.vry[, THEMA]\""_s,
            u"Zeigt ein Thema einer Hilfedatei, ohne THEMA ihre Inhaltsseite. Zembrota und Quorant "
            "starten den Betrachter für ihre Hilfe."_s,
            u"tessavor %1.%2"_s.arg(Version::helpMajor).arg(Version::helpMinor)};
        return *CommandLine::answer(CommandLine::parse({u"tessavor"_s, arguments.first()}, 0, 0),
                                    description);
    }

    // The session bus first: where none runs, Qt's attempt to start one forks the process, and a
    // fork costs least while the process is smallest (fewer pages to copy and to write again).
    std::jthread sessionBus = Viewer::connectSessionBusAhead();
    // The X11 platform's libraries, before the helpers that read and draw: loading them then
    // interrupts no other processor at work.
    Viewer::loadX11PlatformAhead(arguments);
    // The helper threads made below keep off the processor this thread runs on.
    Viewer::HelperThreads::noteWindowThread();
    // The help file is read on a second thread while the application and its window are made;
    // the start-up sequence takes the result at its place, so its checks and messages stay in order.
    // That thread first loads the font configuration, which the window needs sooner.
    Viewer::HelpPrefetch prefetch(Viewer::joinArguments(arguments), Viewer::loadFontConfiguration);
    Viewer::startPaintThreads();

    QApplication app(argc, argv);
    // The bus attempt ends before the application object does, also on the early returns below.
    const auto busJoined = qScopeGuard([&sessionBus] { sessionBus.join(); });
    const std::jthread fonts = Viewer::fillFontDatabaseAhead();
    // Before the first widget: the window's pictures are read without the image format plugins.
    QApplication::setStyle(new Viewer::ViewerStyle);
    QApplication::setApplicationName(QStringLiteral("Tessavor"));
    QApplication::setDesktopFileName(u"org.glossand.Tessavor"_s);
    // The topic's context menu ("Kopieren", "Alles auswählen") speaks German like the program.
    GermanTexts::install();
    if (!HelpLaunch::programDirReadable())
        return 1;
    Viewer::Started started = Viewer::startViewer(arguments, &prefetch);
    if (!started.window)
        return 1;
    Viewer::BackBufferAhead::install(started.window.get());
    started.window->show();
    return QApplication::exec();
}
