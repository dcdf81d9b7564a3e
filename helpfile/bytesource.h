// The bytes of a help file as the reader keeps them: in memory, or in the open file read by offset,
// so that a large help costs memory only for what is shown of it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QFile;

namespace HelpFile {

class ByteSource
{
public:
    virtual ~ByteSource() = default;

    // Up to `length` bytes from `offset`, fewer at the end (none past it). The view stays valid
    // until `buffer` is used again.
    virtual QByteArrayView read(qint64 offset, qint64 length, QByteArray &buffer) const = 0;

    static std::shared_ptr<const ByteSource> fromBytes(const QByteArray &bytes);
    // Takes an open file; it stays open as long as the source lives.
    static std::shared_ptr<const ByteSource> fromFile(std::unique_ptr<QFile> file);
};

// Windows-1252 bytes as text, one character per byte.
QString decodeLine(QByteArrayView bytes);
// The bytes of a text whose every character is one Windows-1252 byte; false when a character has
// no byte (no line of a file can then equal the text).
bool encodeLine(const QString &text, QByteArray &bytes);

// Reads a source line by line from an offset; lines end at CR LF or a lone CR, a lone LF stays
// part of its line.
class LineCursor
{
public:
    LineCursor(const ByteSource &source, qint64 offset) : m_source(source), m_offset(offset) {}

    // The next line without its break; false at the end of the source.
    bool next(QByteArray &line);
    // Offset of the line next() reads.
    qint64 offset() const { return m_offset; }

private:
    const ByteSource &m_source;
    qint64 m_offset;
    QByteArray m_buffer;
};

} // namespace HelpFile
