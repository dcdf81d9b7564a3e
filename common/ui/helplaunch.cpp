// The help launch: the viewer started detached from the program directory.
#include "common/ui/helplaunch.h"

#include "common/programfolder.h"
#include "common/ui/busycursor.h"
#include "common/ui/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace HelpLaunch {

namespace {
QString overrideDir;

bool startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

Starter starter = startDetached;
} // namespace

QString programDir()
{
    if (!overrideDir.isEmpty())
        return overrideDir;
    // Qt's own lookup gives an empty folder when the folder's name is no UTF-8.
    const QString dir = ProgramFolder::fromProcess();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

bool programDirReadable()
{
    bool unreadable = false;
    if (!overrideDir.isEmpty())
        return true;
    ProgramFolder::fromProcess(&unreadable);
    if (unreadable)
        MessageBox::critical(nullptr, QStringLiteral("Programmordner nicht lesbar!"),
                             ProgramFolder::unreadableMessage(ProgramFolder::processFolderName()));
    return !unreadable;
}

void setProgramDir(const QString &dir)
{
    overrideDir = dir;
}

QString viewerArgument(const QString &dir, const QString &helpFile, const QString &topic)
{
    return dir + QLatin1Char('/') + helpFile + QStringLiteral(", ") + topic;
}

bool showHelp(QWidget *parent, const QString &helpFile, const QString &topic)
{
    BusyCursor busy;
    const QString dir = programDir();
    const QString program = dir + QStringLiteral("/tessavor");
    const QFileInfo info(program);
    const bool started =
        info.isFile() && info.isExecutable() && starter(program, {viewerArgument(dir, helpFile, topic)});
    if (!started) {
        MessageBox::warning(parent, QStringLiteral("Hilfe nicht verfügbar!"),
                            QStringLiteral("Das Hilfeprogramm \"%1\" konnte nicht gestartet werden. "
                                           "Es muss sich im selben Verzeichnis befinden.")
                                .arg(QDir::toNativeSeparators(program)));
    }
    return started;
}

void setStarter(Starter newStarter)
{
    starter = std::move(newStarter);
}

void resetStarter()
{
    starter = startDetached;
}

} // namespace HelpLaunch
