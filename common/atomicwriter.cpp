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

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
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

QString notWrittenReason(int errorNumber, const QString &folder, qint64 needed)
{
    if (errorNumber != 0 && errorNumber != ENOSPC)
        return PlainFile::writeReason(errorNumber);
    if (errorNumber == ENOSPC || diskTooFull(folder, needed))
        return PlainFile::writeReason(ENOSPC);
    return u"Schreibfehler"_s;
}

// QSaveFile's temporary of `name`: the name, a dot and six ASCII letters or digits.
bool isTemporaryOf(const char *entry, const QByteArray &name)
{
    const size_t length = std::strlen(entry);
    if (length != size_t(name.size()) + 7 || std::memcmp(entry, name.constData(), size_t(name.size())) != 0 ||
        entry[name.size()] != '.')
        return false;
    for (size_t i = size_t(name.size()) + 1; i < length; ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

} // namespace

int removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QByteArray name = QFile::encodeName(target.fileName());
    if (name.isEmpty())
        return 0;
    // The folder's entries read directly: a listing with name patterns and a regular expression
    // took a third of a millisecond on every write of the viewer's temp.tmp.
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(::opendir(folder.constData()), ::closedir);
    if (!entries)
        return 0;
    const time_t staleBefore = ::time(nullptr) - 60;
    int removed = 0;
    while (const dirent *entry = ::readdir(entries.get())) {
        if (!isTemporaryOf(entry->d_name, name))
            continue;
        const QByteArray candidate = folder + '/' + entry->d_name;
        struct stat info
        {
        };
        if (::lstat(candidate.constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (info.st_mtime >= staleBefore)
            continue;
        if (::unlink(candidate.constData()) == 0)
            ++removed;
    }
    return removed;
}

namespace {

// The checks before either writer starts: a name, a target that is no special file, its folder.
std::optional<QString> refusal(const QString &path, QString &folder)
{
    if (path.isEmpty())
        return notWritten(path, u"es ist kein Dateiname angegeben"_s);
    if (const std::optional<QString> kind = PlainFile::unwritableKind(path))
        return notWritten(path, *kind);
    folder = QFileInfo(path).absolutePath();
    if (PlainFile::kindOf(folder) != PlainFile::Kind::Directory && !QFileInfo(folder).isDir())
        return notWritten(
            path, u"das Verzeichnis \"%1\" ist nicht vorhanden"_s.arg(QDir::toNativeSeparators(folder)));
    return std::nullopt;
}

// The temporary file of a scratch write, named as QSaveFile names its own ("<name>.XXXXXX", which
// removeStaleTemporaries knows); removed unless it took the target's place.
class ScratchFile
{
public:
    ~ScratchFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }

    // Creates it beside the target with the target's permissions (a new target's as QSaveFile
    // gives them); the error number on failure.
    int create(const QByteArray &target)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        mode_t mode = 0666;
        struct stat info
        {
        };
        // The permission bits only, as QSaveFile keeps them: a set-user-ID or set-group-ID bit of
        // the old file (which another user may have planted) does not pass to the new one.
        if (::stat(target.constData(), &info) == 0 && S_ISREG(info.st_mode))
            mode = info.st_mode & 0777;
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = target + '.';
            for (int i = 0; i < 6; ++i)
                name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
            m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
            if (m_fd >= 0) {
                m_name = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // Every byte written and the file closed; the error number on failure.
    int writeAndClose(const QByteArray &bytes)
    {
        const char *data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(m_fd, data, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return written < 0 ? errno : ENOSPC;
            data += written;
            left -= written;
        }
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

    // Takes the target's place; the error number on failure. An existing target is exchanged with
    // the new file, which is as atomic, and then removed: ext4 starts writing a file out when it is
    // renamed over another (its guard for programs that replace files without a sync), about
    // 0.5 ms per write here, which a scratch file need not wait for.
    int replace(const QByteArray &target)
    {
        if (::renameat2(AT_FDCWD, m_name.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
            if (::unlink(m_name.constData()) == 0) {
                m_name.clear();
                return 0;
            }
            // A folder put in the target's place meanwhile goes back, and the file is not written.
            const int error = errno;
            ::renameat2(AT_FDCWD, m_name.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE);
            return error;
        }
        // No target yet, or a file system that cannot exchange two names: a plain rename.
        if (::rename(m_name.constData(), target.constData()) != 0)
            return errno;
        m_name.clear();
        return 0;
    }

private:
    int m_fd = -1;
    QByteArray m_name;
};

} // namespace

std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes)
{
    QString folder;
    if (std::optional<QString> refused = refusal(path, folder))
        return refused;

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

std::optional<QString> writeScratchBytes(const QString &path, const QByteArray &bytes)
{
    QString folder;
    if (std::optional<QString> refused = refusal(path, folder))
        return refused;

    removeStaleTemporaries(path);

    const QByteArray target = QFile::encodeName(path);
    ScratchFile file;
    if (const int error = file.create(target))
        return notWritten(path, notWrittenReason(error, folder, 0));
    if (const int error = file.writeAndClose(bytes))
        return notComplete(path, notWrittenReason(error, folder, bytes.size()));
    // A link or a pipe put in the target's place meanwhile is refused as before the write.
    if (const std::optional<QString> kind = PlainFile::unwritableKind(path))
        return notWritten(path, *kind);
    if (const int error = file.replace(target))
        return notComplete(path, notWrittenReason(error, folder, bytes.size()));
    return std::nullopt;
}

std::optional<QString> writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, LineFile::joinLines(lines));
}

} // namespace AtomicWriter
