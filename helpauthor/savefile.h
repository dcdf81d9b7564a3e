// Replacing a file whole: the new content goes to a temporary file beside it, which takes the
// old file's place only when every byte reached the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace SaveFile {

// On failure (no permission, a full disk, a missing folder) the old file stays as it was, no
// temporary file is left behind, and the German reason naming the path comes back.
std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes);
// Each line in Windows-1252, followed by CR LF.
std::optional<QString> writeLines(const QString &path, const QStringList &lines);

} // namespace SaveFile
