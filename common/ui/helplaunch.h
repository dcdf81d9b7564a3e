// Starting the help viewer as a process of its own, without waiting for it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace HelpLaunch {

// The program directory: where the three programs and their companion files live.
QString programDir();
// False, after an error box that says why, when the program folder's name is no UTF-8: no file
// beside the program can then be reached, and the program ends instead of calling them missing.
bool programDirReadable();
// Tests point the programs at a directory of their own.
void setProgramDir(const QString &dir);

// The viewer's one argument: "<dir>/<helpFile>, <topic>".
QString viewerArgument(const QString &dir, const QString &helpFile, const QString &topic);

// Starts "<dir>/tessavor" detached with the argument above; on failure (the program is missing or
// cannot be started) shows a German warning naming the program, and the caller stays usable.
// Sets the busy pointer while it works. Returns whether the viewer was started.
bool showHelp(QWidget *parent, const QString &helpFile, const QString &topic);

// Test seam: replaces the process start; the starter gets the program path and its arguments and
// says whether the start succeeded.
using Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
void setStarter(Starter starter);
void resetStarter();

} // namespace HelpLaunch
