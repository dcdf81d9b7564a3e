// The suite's one way to write a file: the new content goes to a temporary file beside the target,
// which takes the target's place only when every byte reached the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace AtomicWriter {

// Replaces the file whole. On failure the old file stays as it was, no temporary file is left
// behind, and the German reason naming the path comes back:
//   "Die Datei "<path>" kann nicht geschrieben werden: <reason>."  (nothing was written), or
//   "Die Datei "<path>" konnte nicht vollständig geschrieben werden: <reason>. Die vorige Fassung
//    bleibt erhalten."  (the disk refused part of it).
// A target that is a symbolic link, a named pipe, a device, a socket or a directory is refused:
// the write would otherwise land in whatever the link points to. Temporaries of an earlier save
// of the same file that were left behind (the program was killed) are removed on the way.
std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes);
// Each line in Windows-1252, followed by CR LF.
std::optional<QString> writeLines(const QString &path, const QStringList &lines);

// The same replacement, refusals and messages for a scratch file that the program throws away
// (the viewer's temp.tmp): it does not wait until the bytes reached the disk, which writeBytes
// does and which can take milliseconds while the disk is busy. After a crash of the system the
// file may be empty or missing; the old file is never left half replaced.
std::optional<QString> writeScratchBytes(const QString &path, const QByteArray &bytes);

// Removes "<name>.XXXXXX" files beside the target that an interrupted save left: plain files of
// this user, not changed for a minute (a save in progress elsewhere keeps its file). Returns how
// many were removed.
int removeStaleTemporaries(const QString &path);

} // namespace AtomicWriter
