// Help file bytes in memory or read from the open file, their Windows-1252 text, and line reading.
#include "helpfile/bytesource.h"

#include "common/codepage.h"
#include "common/linefile.h"

#include <QFile>

#include <cstring>

namespace HelpFile {

namespace {

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(const QByteArray &bytes) : m_bytes(bytes) {}

    QByteArrayView read(qint64 offset, qint64 length, QByteArray &) const override
    {
        const qsizetype size = m_bytes.size();
        if (offset < 0 || offset >= size || length <= 0)
            return {};
        return QByteArrayView(m_bytes).sliced(qsizetype(offset),
                                              qsizetype(qMin<qint64>(length, size - offset)));
    }

private:
    QByteArray m_bytes;
};

class FileSource : public ByteSource
{
public:
    explicit FileSource(std::unique_ptr<QFile> file) : m_file(std::move(file)) {}

    // A file that shrank since it was scanned simply ends earlier; nothing is read past its end.
    QByteArrayView read(qint64 offset, qint64 length, QByteArray &buffer) const override
    {
        if (offset < 0 || length <= 0 || !m_file->seek(offset))
            return {};
        if (buffer.size() < length)
            buffer.resize(qsizetype(length));
        const qint64 got = m_file->read(buffer.data(), length);
        return got > 0 ? QByteArrayView(buffer.constData(), got) : QByteArrayView();
    }

private:
    std::unique_ptr<QFile> m_file;
};

} // namespace

std::shared_ptr<const ByteSource> ByteSource::fromBytes(const QByteArray &bytes)
{
    return std::make_shared<MemorySource>(bytes);
}

std::shared_ptr<const ByteSource> ByteSource::fromFile(std::unique_ptr<QFile> file)
{
    return std::make_shared<FileSource>(std::move(file));
}

QString decodeLine(QByteArrayView bytes)
{
    return Windows1252::decode(bytes);
}

bool encodeLine(const QString &text, QByteArray &bytes)
{
    const QByteArray encoded = LineFile::encode(text);
    // A character without a byte comes out as a stand-in; decoding back tells it apart.
    if (decodeLine(encoded) != text)
        return false;
    bytes = encoded;
    return true;
}

bool LineCursor::next(QByteArray &line)
{
    constexpr qint64 chunk = 64 * 1024;
    line.clear();
    bool any = false;
    for (;;) {
        const QByteArrayView view = m_source.read(m_offset, chunk, m_buffer);
        if (view.isEmpty())
            return any;
        any = true;
        const char *cr = static_cast<const char *>(std::memchr(view.data(), '\r', size_t(view.size())));
        if (!cr) {
            line.append(view);
            m_offset += view.size();
            continue;
        }
        const qsizetype end = cr - view.data();
        line.append(view.first(end));
        m_offset += end + 1;
        if (end + 1 < view.size()) {
            if (view[end + 1] == '\n')
                ++m_offset;
        } else {
            QByteArray after;
            const QByteArrayView next = m_source.read(m_offset, 1, after);
            if (!next.isEmpty() && next[0] == '\n')
                ++m_offset;
        }
        return true;
    }
}

} // namespace HelpFile
