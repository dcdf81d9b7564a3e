// Text files of the suite: Windows-1252 bytes split into lines and joined again with CR LF (the
// files themselves are read by PlainFile and written by AtomicWriter).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace LineFile {

// Which byte sequences end a line. CR LF and a lone CR always do; a lone LF only with AnyBreak
// (the word list, which a Linux editor may have saved), otherwise it stays part of the line.
enum class Breaks { CrLfOrCr, AnyBreak };

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// A file that ends without a line break still yields its last line; a final break yields no
// extra empty line; an empty file yields no lines. With `most`, only the first `most` lines are
// decoded (for a look at a file's head).
QStringList splitLines(const QByteArray &bytes, Breaks breaks, qsizetype most = -1);

// Every line followed by CR LF, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

} // namespace LineFile
