// Reading a file whole and why a file could not be read or written, in German, for the messages of
// the authoring programs.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace FileErrors {

// The bytes of a plain file. A named pipe would wait for a writer for ever and a device may never
// end, so only plain files are read; otherwise nothing, and the German reason.
std::optional<QByteArray> readWhole(const QString &path, QString *reason);

// "die Datei ist nicht vorhanden", "es ist ein Verzeichnis", "keine Berechtigung zum Lesen", ...
QString readReason(const QString &path, const QFileDevice &file);
// The same for a file that could not be created or written.
QString writeReason(const QString &path, const QFileDevice &file);

} // namespace FileErrors
