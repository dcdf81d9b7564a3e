// German reasons for file failures, from what the file system says about the path.
#include "helpauthor/fileerrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace FileErrors {

std::optional<QByteArray> readWhole(const QString &path, QString *reason)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *reason = readReason(path, file);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = readReason(path, file);
        return std::nullopt;
    }
    return bytes;
}

QString readReason(const QString &path, const QFileDevice &file)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return u"es ist kein Dateiname angegeben"_s;
    if (!info.exists())
        return u"die Datei ist nicht vorhanden"_s;
    if (info.isDir())
        return u"es ist ein Verzeichnis"_s;
    if (!info.isFile())
        return u"es ist keine gewöhnliche Datei"_s;
    if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
        return u"keine Berechtigung zum Lesen"_s;
    return u"Lesefehler (%1)"_s.arg(file.errorString());
}

QString writeReason(const QString &path, const QFileDevice &file)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return u"es ist kein Dateiname angegeben"_s;
    if (info.isDir())
        return u"es ist ein Verzeichnis"_s;
    if (!info.absoluteDir().exists())
        return u"der Ordner \"%1\" ist nicht vorhanden"_s.arg(QDir::toNativeSeparators(info.absolutePath()));
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return u"der Datenträger ist voll"_s;
    case QFileDevice::PermissionsError:
        return u"keine Berechtigung zum Schreiben"_s;
    default:
        return u"Schreibfehler (%1)"_s.arg(file.errorString());
    }
}

} // namespace FileErrors
