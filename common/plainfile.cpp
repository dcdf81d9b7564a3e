// Bounded reading of plain files and the German reasons for file failures.
#include "common/plainfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace PlainFile {

namespace {

// Closes the descriptor on every path.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISDIR(mode))
        return Kind::Directory;
    if (S_ISLNK(mode))
        return Kind::Link;
    if (S_ISFIFO(mode))
        return Kind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Kind::Device;
    return Kind::Socket;
}

QString kindReason(Kind kind)
{
    switch (kind) {
    case Kind::Directory:
        return u"es ist ein Verzeichnis"_s;
    case Kind::Link:
        return u"es ist eine symbolische Verknüpfung"_s;
    case Kind::Fifo:
        return u"es ist eine benannte Pipe, keine gewöhnliche Datei"_s;
    case Kind::Device:
        return u"es ist ein Gerät, keine gewöhnliche Datei"_s;
    default:
        return u"es ist keine gewöhnliche Datei"_s;
    }
}

QString commonReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return u"die Datei ist nicht vorhanden"_s;
    case ENOTDIR:
        return u"ein Teil des Pfades ist kein Verzeichnis"_s;
    case EISDIR:
        return u"es ist ein Verzeichnis"_s;
    case ENAMETOOLONG:
        return u"der Name ist zu lang"_s;
    case ELOOP:
        return u"zu viele symbolische Verknüpfungen"_s;
    case ENOMEM:
        return u"zu wenig Arbeitsspeicher"_s;
    case EMFILE:
    case ENFILE:
        return u"zu viele offene Dateien"_s;
    case EIO:
        return u"Ein-/Ausgabefehler des Datenträgers"_s;
    case ENXIO:
    case ENODEV:
        return u"das Gerät ist nicht verfügbar"_s;
    default:
        return {};
    }
}

} // namespace

Kind kindOf(const QString &path)
{
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? Kind::Missing : Kind::Unreachable;
    return kindOfMode(info.st_mode);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= MiB && bytes % MiB == 0)
        return u"%1 MB"_s.arg(bytes / MiB);
    if (bytes >= KiB && bytes % KiB == 0)
        return u"%1 KB"_s.arg(bytes / KiB);
    return u"%1 Bytes"_s.arg(bytes);
}

QString readReason(int errorNumber)
{
    if (errorNumber == EACCES || errorNumber == EPERM)
        return u"keine Berechtigung zum Lesen"_s;
    const QString reason = commonReason(errorNumber);
    if (!reason.isEmpty())
        return reason;
    return u"Lesefehler (Fehlernummer %1)"_s.arg(errorNumber);
}

QString writeReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return u"keine Berechtigung zum Schreiben"_s;
    case ENOSPC:
        return u"der Datenträger ist voll"_s;
    case EDQUOT:
        return u"der zugeteilte Speicherplatz (Quota) ist erschöpft"_s;
    case EFBIG:
        return u"die Datei würde größer, als das System erlaubt"_s;
    case EROFS:
        return u"der Datenträger ist schreibgeschützt"_s;
    case ETXTBSY:
        return u"die Datei wird gerade ausgeführt"_s;
    case EXDEV:
        return u"die Datei liegt auf einem anderen Datenträger als ihr Verzeichnis"_s;
    default:
        break;
    }
    const QString reason = commonReason(errorNumber);
    if (!reason.isEmpty())
        return errorNumber == ENOENT ? u"das Verzeichnis ist nicht vorhanden"_s : reason;
    return u"Schreibfehler (Fehlernummer %1)"_s.arg(errorNumber);
}

std::optional<QString> unwritableKind(const QString &path)
{
    const Kind kind = kindOf(path);
    if (kind == Kind::Missing || kind == Kind::Regular || kind == Kind::Unreachable)
        return std::nullopt;
    return kindReason(kind);
}

namespace {

// Reads at most maxBytes + 1 bytes of a plain file; `more` tells whether the file held more than
// maxBytes. With `refuseLarger` a file whose size is already known to exceed the bound is refused
// before anything is read.
std::optional<QByteArray> readBounded(const QString &path, qint64 maxBytes, bool refuseLarger, bool *more,
                                      QString *reason)
{
    *more = false;
    if (path.isEmpty()) {
        *reason = u"es ist kein Dateiname angegeben"_s;
        return std::nullopt;
    }
    // O_NONBLOCK: opening a named pipe must not wait for a writer; the kind is checked on the open
    // descriptor, so nothing can be swapped in between the check and the reading.
    Descriptor file;
    file.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        const int openError = errno;
        // A name the system gave as bytes that are no UTF-8 arrives here with U+FFFD in their
        // place and names nothing: say so rather than "not there".
        *reason = openError == ENOENT && path.contains(QChar::ReplacementCharacter)
                      ? unreadableNameReason(path)
                      : readReason(openError);
        return std::nullopt;
    }
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0) {
        *reason = readReason(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        const Kind kind = kindOfMode(info.st_mode);
        *reason = kind == Kind::Directory ? kindReason(kind) : u"es ist keine gewöhnliche Datei"_s;
        return std::nullopt;
    }
    const QString tooLarge = u"die Datei ist größer als %1"_s.arg(sizeText(maxBytes));
    if (refuseLarger && info.st_size > maxBytes) {
        *reason = tooLarge;
        return std::nullopt;
    }
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    try {
        QByteArray bytes;
        bytes.resize(qsizetype(std::min<qint64>(info.st_size, maxBytes + 1)));
        qsizetype done = 0;
        for (;;) {
            if (done == bytes.size()) {
                // The file may have grown since it was measured: read on, within the limit.
                if (bytes.size() >= maxBytes + 1)
                    break;
                bytes.resize(
                    qsizetype(std::min<qint64>(maxBytes + 1, std::max<qint64>(4096, bytes.size() * 2))));
            }
            const ssize_t got = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                *reason = readReason(errno);
                return std::nullopt;
            }
            if (got == 0)
                break;
            done += got;
        }
        if (done > maxBytes) {
            *more = true;
            if (refuseLarger) {
                *reason = tooLarge;
                return std::nullopt;
            }
            done = maxBytes;
        }
        bytes.truncate(done);
        return bytes;
    } catch (const std::bad_alloc &) {
        *reason = u"zu wenig Arbeitsspeicher, um die Datei zu lesen"_s;
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<QFile> open(const QString &path, qint64 maxBytes, QString *reason)
{
    if (path.isEmpty()) {
        *reason = u"es ist kein Dateiname angegeben"_s;
        return nullptr;
    }
    Descriptor file;
    file.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat info
    {
    };
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        *reason = readReason(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        *reason = S_ISDIR(info.st_mode) ? kindReason(Kind::Directory) : u"es ist keine gewöhnliche Datei"_s;
        return nullptr;
    }
    if (info.st_size > maxBytes) {
        *reason = u"die Datei ist größer als %1"_s.arg(sizeText(maxBytes));
        return nullptr;
    }
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    auto opened = std::make_unique<QFile>();
    if (!opened->open(file.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = readReason(EIO);
        return nullptr;
    }
    file.fd = -1; // the QFile closes it now
    return opened;
}

std::optional<QByteArray> read(const QString &path, qint64 maxBytes, QString *reason)
{
    bool more = false;
    return readBounded(path, maxBytes, true, &more, reason);
}

std::optional<QByteArray> readStart(const QString &path, qint64 maxBytes, bool *more, QString *reason)
{
    return readBounded(path, maxBytes, false, more, reason);
}

QString unreadableNameReason(const QString &path)
{
    return u"der Name \"%1\" enthält Zeichen, die nicht gelesen werden können (kein gültiges UTF-8); bitte "
           "die Datei oder den Ordner umbenennen"_s.arg(path);
}

bool nameIsReadable(const QByteArray &localName)
{
    return QFile::encodeName(QFile::decodeName(localName)) == localName;
}

QString unreadableNameReason(const QByteArray &localName)
{
    return unreadableNameReason(QString::fromUtf8(localName));
}

} // namespace PlainFile
