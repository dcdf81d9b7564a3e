// Quorant, the help authoring program: start-up checks, then the main window.
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorant"));
    Quorant::useGermanStandardTexts();
    if (!Quorant::startUpChecksPass())
        return 1;
    Quorant::frmHaupt window;
    window.show();
    return app.exec();
}
