// Tessavor, the help viewer: shows one topic of a help file named on its command line.
#include "helpviewer/viewerstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Taken before QApplication removes the options it knows (a help path "-reverse" stays a path).
    // An unquoted path with blanks arrives in pieces; the viewer joins them again.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavor"));
    Viewer::Started started = Viewer::startViewer(arguments);
    if (!started.window)
        return 1;
    started.window->show();
    return QApplication::exec();
}
