// Whole-file replacement through QSaveFile, with the buffer flushed and checked before the commit:
// QSaveFile::commit() alone does not notice a write that fails while its buffer is flushed on
// closing, and would then put a truncated file in the old one's place.
#include "helpauthor/savefile.h"

#include "common/linefile.h"
#include "helpauthor/fileerrors.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace SaveFile {

std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return u"Die Datei \"%1\" kann nicht geschrieben werden: %2."_s.arg(
            shown, FileErrors::writeReason(path, file));
    // Without a commit the destructor throws the temporary file away.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return u"Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2. Die vorige Fassung bleibt "
               "erhalten."_s.arg(shown, FileErrors::writeReason(path, file));
    return std::nullopt;
}

std::optional<QString> writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, LineFile::joinLines(lines));
}

} // namespace SaveFile
