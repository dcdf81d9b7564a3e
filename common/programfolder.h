// Where a program finds its companion files and where it keeps its temporary files.
#pragma once

#include <QByteArray>
#include <QString>

namespace ProgramFolder {

// The folder of the running program as the system names it, from the process's own path
// (/proc/self/exe): bytes, since a folder name need not be valid UTF-8.
QByteArray processFolderName();

// The folder of the running program as text; empty when the process's path cannot be read.
// `unreadable` is set when the folder's name is not valid UTF-8: it cannot be reached through a
// text path, and the caller reports that in German instead of looking for files that seem missing.
QString fromProcess(bool *unreadable = nullptr);

// The German message for a program folder whose name cannot be read.
QString unreadableMessage(const QByteArray &folderName);

// Whether only the current user can put files into the folder: it belongs to the user (or the user
// is the administrator and it belongs to the administrator) and neither its group nor others may
// write into it. Another user could otherwise plant a link where a temporary file is written.
bool isPrivate(const QString &folder);

// Where temporary files of a program started from `programDir` go: the program folder itself when
// it is private and writable and not the folder the programs were installed to, otherwise a private per-user
// folder ("glossand" in the user's runtime folder, created with mode 0700). Empty when no private folder can
// be had.
QString temporaryFolder(const QString &programDir);

} // namespace ProgramFolder
