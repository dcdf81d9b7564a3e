// Reading the files a user hands the programs: plain files only, of bounded size, with the German
// reason when a file cannot be read.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QFile;

namespace PlainFile {

inline constexpr qint64 KiB = 1024;
inline constexpr qint64 MiB = 1024 * 1024;

// What a path names, without following a symbolic link at its end.
enum class Kind { Missing, Regular, Directory, Link, Fifo, Device, Socket, Unreachable };
Kind kindOf(const QString &path);

// "64 MB", "4 KB": the limit as the messages name it.
QString sizeText(qint64 bytes);

// The whole content of a plain file (a link to one is followed). A named pipe, a device, a socket
// or a directory is refused at once without waiting on it, and so is a file larger than maxBytes;
// the reason then comes back in German ("es ist keine gewöhnliche Datei", "die Datei ist größer
// als 64 MB", "die Datei ist nicht vorhanden", "zu wenig Arbeitsspeicher", ...).
std::optional<QByteArray> read(const QString &path, qint64 maxBytes, QString *reason);
// The plain file open for reading, for readers that read it piece by piece; the same checks and
// reasons as read(), nothing read yet.
std::unique_ptr<QFile> open(const QString &path, qint64 maxBytes, QString *reason);
// The same for a file whose tail is never used: at most its first maxBytes bytes; `more` tells
// whether the file goes on beyond them.
std::optional<QByteArray> readStart(const QString &path, qint64 maxBytes, bool *more, QString *reason);

// The German reason for a failed read or write, from the error number the system gave.
QString readReason(int errorNumber);
QString writeReason(int errorNumber);

// The reason why a path cannot be written as a file, or nothing when it is missing or a plain
// file: a symbolic link, a named pipe, a device, a socket or a directory is never written.
std::optional<QString> unwritableKind(const QString &path);

// File names are bytes on Linux; a name that is not valid in the locale's encoding (UTF-8) cannot
// be held as text without loss. False for such a name as the system gave it.
bool nameIsReadable(const QByteArray &localName);
// The German explanation for such a name, showing the bytes that are readable.
QString unreadableNameReason(const QByteArray &localName);
// The same for a path that already went through the lossy decoding (U+FFFD in place of the bytes).
QString unreadableNameReason(const QString &path);

} // namespace PlainFile
