// Text files of the suite: Windows-1252 bytes split into lines, written back with CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace LineFile {

// Which byte sequences end a line. CR LF and a lone CR always do; a lone LF only with AnyBreak
// (the word list, which a Linux editor may have saved), otherwise it stays part of the line.
enum class Breaks { CrLfOrCr, AnyBreak };

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// A file that ends without a line break still yields its last line; a final break yields no
// extra empty line; an empty file yields no lines.
QStringList splitLines(const QByteArray &bytes, Breaks breaks);

// Every line followed by CR LF, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

struct ReadResult
{
    bool ok = false;
    QStringList lines;
    QString error; // German, names the path; set when !ok
};
ReadResult readLines(const QString &path, Breaks breaks);

// Replaces the file whole through QSaveFile: on failure the old file stays as it was and the
// German reason is returned.
std::optional<QString> writeLines(const QString &path, const QStringList &lines);
std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes);

} // namespace LineFile
