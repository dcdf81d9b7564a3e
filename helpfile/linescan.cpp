// Finding the bracketed lines from their "[" and counting lines, block by block.
#include "helpfile/linescan.h"

#include <algorithm>
#include <cstring>

namespace HelpFile {

namespace {

// Single bytes anywhere in the source, read through a small window: for the rare look beyond the
// block being scanned (a line that began in the block before or runs on into the next one).
class ByteWindow
{
public:
    explicit ByteWindow(const ByteSource &source) : m_source(source) {}

    // The byte at `pos`, -1 outside the source.
    int at(qint64 pos)
    {
        if (pos < 0)
            return -1;
        if (pos < m_start || pos >= m_start + m_view.size()) {
            m_start = std::max<qint64>(0, pos - windowSize / 2);
            m_view = m_source.read(m_start, windowSize, m_buffer);
            if (pos >= m_start + m_view.size())
                return -1;
        }
        return uchar(m_view[pos - m_start]);
    }

private:
    static constexpr qint64 windowSize = 4096;
    const ByteSource &m_source;
    QByteArray m_buffer;
    QByteArrayView m_view;
    qint64 m_start = 0;
};

// The offset of the first CR at or after `from`, or the end of the source.
qint64 nextBreak(const ByteSource &source, qint64 from, qint64 blockSize)
{
    QByteArray buffer;
    for (;;) {
        const QByteArrayView view = source.read(from, blockSize, buffer);
        if (view.isEmpty())
            return from;
        if (const void *cr = std::memchr(view.data(), '\r', size_t(view.size())))
            return from + (static_cast<const char *>(cr) - view.data());
        from += view.size();
    }
}

} // namespace

BracketedLines findBracketedLines(const ByteSource &source, qint64 blockSize)
{
    BracketedLines found;
    QByteArray buffer;
    QByteArray copy;
    ByteWindow outside(source);
    qint64 offset = 0;
    for (;;) {
        const QByteArrayView view = source.read(offset, blockSize, buffer);
        if (view.isEmpty())
            break;
        const char *p = view.data();
        const qint64 n = view.size();
        const auto byteAt = [&](qint64 pos) {
            return pos >= offset && pos < offset + n ? int(uchar(p[pos - offset])) : outside.at(pos);
        };
        qint64 next = offset + n;
        qint64 i = 0;
        while (i < n) {
            const char *bracket = static_cast<const char *>(std::memchr(p + i, '[', size_t(n - i)));
            if (!bracket)
                break;
            const qint64 at = offset + (bracket - p);
            // Only spaces may stand between the start of the line and its "[".
            qint64 before = at - 1;
            while (before >= 0 && byteAt(before) == ' ')
                --before;
            const bool startsLine = before < 0 || byteAt(before) == '\r' ||
                                    (byteAt(before) == '\n' && byteAt(before - 1) == '\r');
            const char *cr = static_cast<const char *>(std::memchr(bracket, '\r', size_t(p + n - bracket)));
            const qint64 end = cr ? offset + (cr - p) : nextBreak(source, offset + n, blockSize);
            if (startsLine) {
                qint64 last = end - 1;
                while (last > at && byteAt(last) == ' ')
                    --last;
                if (last > at && byteAt(last) == ']') {
                    BracketedLine line{before + 1, end, at, last + 1, -1};
                    const qint64 length = line.trimEnd - line.trimStart;
                    if (length <= pooledLength) {
                        line.pooled = found.pool.size();
                        if (line.trimEnd <= offset + n)
                            found.pool.append(bracket, qsizetype(length));
                        else
                            found.pool.append(source.read(line.trimStart, length, copy));
                    }
                    found.lines.push_back(line);
                }
            }
            // No other "[" of this line can start a header.
            if (end >= offset + n) {
                next = end + 1;
                break;
            }
            i = end - offset + 1;
        }
        offset = next;
    }
    return found;
}

qint64 countLines(const ByteSource &source, qint64 blockSize)
{
    QByteArray buffer;
    qint64 offset = 0;
    qint64 lines = 0;
    qint64 lineStart = 0; // where the line after the last break starts
    bool crLast = false;  // the block before ended with a CR: an LF after it belongs to that break
    for (;;) {
        const QByteArrayView view = source.read(offset, blockSize, buffer);
        if (view.isEmpty())
            break;
        const char *p = view.data();
        const qint64 n = view.size();
        if (crLast && p[0] == '\n')
            lineStart = offset + 1;
        crLast = false;
        qint64 i = 0;
        while (i < n) {
            const char *cr = static_cast<const char *>(std::memchr(p + i, '\r', size_t(n - i)));
            if (!cr)
                break;
            ++lines;
            const qint64 k = cr - p;
            crLast = k + 1 == n;
            lineStart = offset + k + 1 + (!crLast && p[k + 1] == '\n' ? 1 : 0);
            i = lineStart - offset;
        }
        offset += n;
    }
    // A last line without a break counts too.
    return offset > lineStart ? lines + 1 : lines;
}

} // namespace HelpFile
