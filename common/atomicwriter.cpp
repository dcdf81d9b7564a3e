// Whole-file replacement through QSaveFile. Three things QSaveFile leaves to its caller:
// - it follows a symbolic link and replaces the link's target, and it would replace a named pipe
//   or a device node by a plain file; such targets are refused before and checked again after the
//   temporary file is open;
// - commit() alone misses a failure while its buffer is flushed on closing and would then put a
//   cut file in the old one's place, so the buffer is flushed and checked first;
// - its error texts are English and say "Unknown error" for a full disk; the reason is taken from
//   the error number instead, and from the free space when that is lost.
#include "common/atomicwriter.h"

#include "common/linefile.h"
#include "common/plainfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace AtomicWriter {

namespace {

QString notWritten(const QString &path, const QString &reason)
{
    return u"Die Datei \"%1\" kann nicht geschrieben werden: %2."_s.arg(QDir::toNativeSeparators(path),
                                                                        reason);
}

QString notComplete(const QString &path, const QString &reason)
{
    return u"Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2. Die vorige Fassung bleibt "
           "erhalten."_s.arg(QDir::toNativeSeparators(path), reason);
}

// The free space of the target's file system is below what was to be written.
bool diskTooFull(const QString &folder, qint64 needed)
{
    struct statvfs info
    {
    };
    if (::statvfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return qint64(info.f_bavail) * qint64(info.f_frsize) < needed + 4096;
}

// Why the write failed: the error number the system gave right after the failing call, else the
// free space, else Qt's own text.
QString failureReason(int errorNumber, const QString &folder, qint64 needed, const QSaveFile &file)
{
    if (errorNumber != 0)
        return PlainFile::writeReason(errorNumber);
    if (diskTooFull(folder, needed))
        return PlainFile::writeReason(ENOSPC);
    if (file.error() == QFileDevice::ResourceError)
        return PlainFile::writeReason(ENOSPC);
    if (file.error() == QFileDevice::PermissionsError)
        return PlainFile::writeReason(EACCES);
    return u"Schreibfehler"_s;
}

} // namespace

int removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString name = target.fileName();
    if (name.isEmpty())
        return 0;
    // QSaveFile's temporary is the file name, a dot and six letters or digits.
    static const QRegularExpression suffix(u"^\\.[A-Za-z0-9]{6}$"_s);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    const QStringList candidates =
        folder.entryList({name + u".??????"_s}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &candidate : candidates) {
        if (!suffix.match(candidate.mid(name.size())).hasMatch())
            continue;
        const QString candidatePath = folder.filePath(candidate);
        struct stat info
        {
        };
        if (::lstat(QFile::encodeName(candidatePath).constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (QDateTime::fromSecsSinceEpoch(info.st_mtime, Qt::UTC) >= staleBefore)
            continue;
        if (::unlink(QFile::encodeName(candidatePath).constData()) == 0)
            ++removed;
    }
    return removed;
}

std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return notWritten(path, u"es ist kein Dateiname angegeben"_s);
    if (const std::optional<QString> kind = PlainFile::unwritableKind(path))
        return notWritten(path, *kind);
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (PlainFile::kindOf(folder) != PlainFile::Kind::Directory && !QFileInfo(folder).isDir())
        return notWritten(
            path, u"das Verzeichnis \"%1\" ist nicht vorhanden"_s.arg(QDir::toNativeSeparators(folder)));

    removeStaleTemporaries(path);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int openError = errno;
        return notWritten(path, failureReason(openError, folder, 0, file));
    }
    // A link or a pipe put in the target's place while the file was opened: QSaveFile would write
    // through it on commit. Without a commit the temporary file goes.
    if (const std::optional<QString> kind = PlainFile::unwritableKind(path)) {
        file.cancelWriting();
        return notWritten(path, *kind);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int writeError = errno;
        file.cancelWriting();
        return notComplete(path, failureReason(writeError, folder, bytes.size(), file));
    }
    errno = 0;
    if (!file.commit()) {
        const int commitError = errno;
        return notComplete(path, failureReason(commitError, folder, bytes.size(), file));
    }
    return std::nullopt;
}

std::optional<QString> writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, LineFile::joinLines(lines));
}

} // namespace AtomicWriter
