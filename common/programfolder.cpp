// The program folder from the process's own path, and the private folder for temporary files.
#include "common/programfolder.h"

#include "common/installation.h"
#include "common/plainfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ProgramFolder {

namespace {

bool privateTo(const struct stat &info, uid_t user)
{
    return S_ISDIR(info.st_mode) && info.st_uid == user && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

QByteArray processFolderName()
{
    QByteArray path(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), size_t(path.size()));
    if (length <= 0 || length >= path.size())
        return {};
    path.truncate(length);
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QString fromProcess(bool *unreadable)
{
    const QByteArray name = processFolderName();
    const bool readable = PlainFile::nameIsReadable(name);
    if (unreadable)
        *unreadable = !name.isEmpty() && !readable;
    return QFile::decodeName(name);
}

QString unreadableMessage(const QByteArray &folderName)
{
    return u"Das Programm liegt in einem Ordner, dessen Name nicht gelesen werden kann: \"%1\". Sein Name "
           "enthält Zeichen, die kein gültiges UTF-8 sind, so dass die Dateien neben dem Programm nicht "
           "gefunden werden können. Bitte den Ordner umbenennen."_s.arg(QString::fromUtf8(folderName));
}

bool isPrivate(const QString &folder)
{
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return privateTo(info, ::geteuid());
}

QString temporaryFolder(const QString &programDir)
{
    // An installed program never writes into its installation, not even as its administrator.
    if (!programDir.isEmpty() && !Installation::isInstalledProgramDir(programDir) && isPrivate(programDir) &&
        ::access(QFile::encodeName(programDir).constData(), W_OK) == 0)
        return programDir;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    const QString folder = runtime + u"/glossand"_s;
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    // A folder of that name that someone else made, or a link, is not used.
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) != 0 || !privateTo(info, ::geteuid()) || (info.st_mode & 077) != 0)
        return {};
    return folder;
}

} // namespace ProgramFolder
