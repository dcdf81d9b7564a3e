// Windows-1252 line files: splitting, joining, reading and safe rewriting.
#include "common/linefile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace LineFile {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QStringList splitLines(const QByteArray &bytes, Breaks breaks)
{
    // CR and LF decode to themselves in Windows-1252, so the text is decoded once and split after.
    const QString text = decode(bytes);
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            lines.append(text.mid(start, i - start));
            i += (i + 1 < size && text.at(i + 1) == u'\n') ? 2 : 1;
            start = i;
        } else if (c == u'\n' && breaks == Breaks::AnyBreak) {
            lines.append(text.mid(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

ReadResult readLines(const QString &path, Breaks breaks)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error =
            QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2").arg(path, file.errorString());
        return result;
    }
    result.lines = splitLines(file.readAll(), breaks);
    result.ok = true;
    return result;
}

std::optional<QString> writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
            .arg(path, file.errorString());
    // commit() misses a failure while the last buffered bytes are flushed (a full disk), and would
    // then replace the old file with a cut one; flushing first catches it.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2")
            .arg(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, joinLines(lines));
}

} // namespace LineFile
