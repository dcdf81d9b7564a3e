// Reading a help file by offsets: one pass over its bytes finds the head lines and every line that
// can be a topic header; a topic's body is read and decoded only when it is shown.
#include "helpfile/bytesource.h"
#include "helpfile/helpfile.h"

#include "common/plainfile.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

namespace HelpFile {

// What one pass over the bytes found.
struct Layout
{
    // A line that, trimmed of spaces, begins with "[" and ends with "]": it may head a topic.
    struct Bracketed
    {
        qint64 start;     // the line's first byte
        qint64 end;       // its line break (or the end of the bytes)
        qint64 trimStart; // the trimmed part, "[" to "]"
        qint64 trimEnd;
        qsizetype pooled; // where the trimmed part is copied in `pool`, -1 when it is too long
    };

    std::shared_ptr<const ByteSource> source;
    qint64 lineCount = 0;
    std::vector<Bracketed> bracketed;
    QByteArray pool; // the trimmed parts of the short bracketed lines, one after the other

    // The trimmed part of a bracketed line is exactly these bytes.
    bool matches(const Bracketed &line, const QByteArray &header, QByteArray &buffer) const
    {
        if (line.trimEnd - line.trimStart != header.size())
            return false;
        if (line.pooled >= 0)
            return QByteArrayView(pool).sliced(line.pooled, header.size()) == header;
        return source->read(line.trimStart, header.size(), buffer) == header;
    }

    static Lines linesOf(const std::shared_ptr<const Layout> &layout)
    {
        Lines lines;
        lines.m_layout = layout;
        return lines;
    }
};

namespace {

constexpr qint64 chunkSize = 1024 * 1024;
// A longer bracketed line is compared by reading it again; topic names are far shorter.
constexpr qint64 pooledLength = 512;
// Head lines: 1 signature, 2 type, 3 title, 4 reserved, 5.. the topic list.
constexpr qint64 titleLine = 2;
constexpr qint64 firstListLine = 4;

struct Range
{
    qint64 start;
    qint64 end;
};

struct Scan
{
    ReadStatus status = ReadStatus::Ok;
    std::vector<Range> head; // lines 1 to 3 and the topic list, without line 4
};

class Scanner
{
public:
    explicit Scanner(Layout &layout) : m_layout(layout) {}

    Scan run()
    {
        const ByteSource &source = *m_layout.source;
        QByteArray buffer;
        qint64 offset = 0;
        bool crPending = false; // the last chunk ended with CR: an LF after it belongs to that break
        while (!m_stopped) {
            const QByteArrayView view = source.read(offset, chunkSize, buffer);
            if (view.isEmpty())
                break;
            m_view = view;
            m_viewOffset = offset;
            const char *p = view.data();
            const qsizetype n = view.size();
            qsizetype i = 0;
            if (crPending) {
                crPending = false;
                if (p[0] == '\n') {
                    i = 1;
                    m_lineStart = offset + 1;
                }
            }
            while (i < n && !m_stopped) {
                const char *cr = static_cast<const char *>(std::memchr(p + i, '\r', size_t(n - i)));
                const qsizetype e = cr ? cr - p : n;
                noteSegment(p, i, e);
                if (!cr)
                    break;
                endLine(offset + e);
                if (e + 1 < n) {
                    i = e + 1 + (p[e + 1] == '\n' ? 1 : 0);
                } else {
                    i = n;
                    crPending = true;
                }
                m_lineStart = offset + i;
            }
            offset += n;
        }
        // A file that ends without a break still has its last line.
        if (!m_stopped && m_lineStart < offset) {
            m_view = {};
            endLine(offset);
        }
        return m_scan;
    }

private:
    // Bytes [from, to) of the chunk belong to the current line: its first and last non-space byte.
    void noteSegment(const char *p, qsizetype from, qsizetype to)
    {
        if (m_first < 0) {
            qsizetype j = from;
            while (j < to && p[j] == ' ')
                ++j;
            if (j < to) {
                m_first = m_viewOffset + j;
                m_firstByte = p[j];
            }
        }
        qsizetype k = to;
        while (k > from && p[k - 1] == ' ')
            --k;
        if (k > from) {
            m_last = m_viewOffset + k - 1;
            m_lastByte = p[k - 1];
        }
    }

    void endLine(qint64 end)
    {
        const qint64 index = m_layout.lineCount++;
        const bool blank = m_first < 0;
        if (m_inHead) {
            if (index == 0) {
                m_scan.head.push_back({m_lineStart, end});
                if (!hasSignature(lineText({m_lineStart, end}))) {
                    m_scan.status = ReadStatus::NoSignature;
                    m_stopped = true;
                    return;
                }
            } else if (index <= titleLine) {
                m_scan.head.push_back({m_lineStart, end});
            } else if (index >= firstListLine) {
                if (blank)
                    m_inHead = false;
                else
                    m_scan.head.push_back({m_lineStart, end});
            }
        }
        if (!blank && m_last > m_first && m_firstByte == '[' && m_lastByte == ']')
            noteBracketed(end);
        m_first = -1;
        m_last = -1;
    }

    void noteBracketed(qint64 end)
    {
        Layout::Bracketed line{m_lineStart, end, m_first, m_last + 1, -1};
        const qint64 length = line.trimEnd - line.trimStart;
        if (length <= pooledLength) {
            line.pooled = m_layout.pool.size();
            if (line.trimStart >= m_viewOffset && !m_view.isEmpty()) {
                m_layout.pool.append(m_view.sliced(line.trimStart - m_viewOffset, length));
            } else {
                QByteArray buffer;
                m_layout.pool.append(m_layout.source->read(line.trimStart, length, buffer));
            }
        }
        m_layout.bracketed.push_back(line);
    }

    QString lineText(Range range) const
    {
        QByteArray buffer;
        return decodeLine(m_layout.source->read(range.start, range.end - range.start, buffer));
    }

    Layout &m_layout;
    Scan m_scan;
    QByteArrayView m_view;
    qint64 m_viewOffset = 0;
    qint64 m_lineStart = 0;
    qint64 m_first = -1; // offsets of the current line's first and last non-space bytes
    qint64 m_last = -1;
    char m_firstByte = 0;
    char m_lastByte = 0;
    bool m_inHead = true;
    bool m_stopped = false;
};

QString readText(const ByteSource &source, Range range)
{
    QByteArray buffer;
    if (range.end <= range.start)
        return QString();
    return decodeLine(source.read(range.start, range.end - range.start, buffer));
}

ReadResult readSource(std::shared_ptr<const ByteSource> source)
{
    auto layout = std::make_shared<Layout>();
    layout->source = std::move(source);
    const Scan scan = Scanner(*layout).run();
    ReadResult result;
    if (scan.status != ReadStatus::Ok || layout->lineCount == 0) {
        result.status = ReadStatus::NoSignature;
        return result;
    }
    // The type and title lines are needed before anything can be shown.
    if (layout->lineCount < 3) {
        result.status = ReadStatus::TooShort;
        return result;
    }
    // The head lines lie together at the start of the file: one read for all of them, not one
    // per line (a contents list of 10,000 topics is 10,000 lines).
    const qint64 headStart = scan.head.front().start;
    QByteArray headBuffer;
    const QByteArrayView head = layout->source->read(headStart, scan.head.back().end - headStart, headBuffer);
    const auto headText = [&](Range range) {
        if (range.end <= range.start)
            return QString();
        if (range.end - headStart > head.size())
            return readText(*layout->source, range);
        return decodeLine(head.sliced(range.start - headStart, range.end - range.start));
    };
    Document &document = result.document;
    document.lines = Layout::linesOf(layout);
    document.typeLine = headText(scan.head[1]);
    document.kind = kindOf(document.typeLine);
    document.title = headText(scan.head[2]);
    document.contents.reserve(qsizetype(scan.head.size()) - 3);
    for (size_t i = 3; i < scan.head.size(); ++i)
        document.contents.append(headText(scan.head[i]));
    document.index = indexOfContents(document.contents);
    document.m_layout = layout;
    result.status = ReadStatus::Ok;
    return result;
}

bool trimmedEquals(const QByteArray &line, const QByteArray &header)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin] == ' ')
        ++begin;
    while (end > begin && line[end - 1] == ' ')
        --end;
    return QByteArrayView(line).sliced(begin, end - begin) == header;
}

} // namespace

QString Document::plainText(const QString &topic) const
{
    QByteArray header;
    if (!m_layout || !encodeLine(headerFor(topic), header))
        return QString();
    const Layout &layout = *m_layout;
    QByteArray buffer;
    QByteArray line;
    for (const Layout::Bracketed &candidate : layout.bracketed) {
        if (!layout.matches(candidate, header, buffer))
            continue;
        // The first matching header that has a line after it starts the body.
        LineCursor cursor(*layout.source, candidate.end);
        if (!cursor.next(line) || !cursor.next(line))
            continue;
        QString result = decodeLine(line);
        bool afterHeader = trimmedEquals(line, header);
        while (cursor.next(line) && !line.isEmpty()) {
            // A header line inside the body starts the body anew on the line after it.
            if (afterHeader)
                result = decodeLine(line);
            else
                result += QLatin1Char('\n') + decodeLine(line);
            afterHeader = trimmedEquals(line, header);
        }
        return result;
    }
    return QString();
}

QStringList Document::richLines(const QString &topic) const
{
    QStringList output;
    QByteArray header;
    if (!m_layout || !encodeLine(headerFor(topic), header))
        return output;
    const Layout &layout = *m_layout;
    QByteArray buffer;
    QByteArray line;
    qint64 blockEnd = -1; // a matching header before this offset lies inside the last block
    for (const Layout::Bracketed &candidate : layout.bracketed) {
        if (candidate.start < blockEnd || !layout.matches(candidate, header, buffer))
            continue;
        // Every body line up to and including the block's empty line.
        LineCursor cursor(*layout.source, candidate.end);
        if (cursor.next(line)) {
            while (cursor.next(line)) {
                output.append(decodeLine(line));
                if (line.isEmpty())
                    break;
            }
        }
        blockEnd = cursor.offset();
    }
    return output;
}

qsizetype Lines::size() const
{
    return m_layout ? qsizetype(m_layout->lineCount) : 0;
}

QString Lines::value(qsizetype i) const
{
    if (!m_layout || i < 0 || i >= size())
        return QString();
    LineCursor cursor(*m_layout->source, 0);
    QByteArray line;
    for (qsizetype n = 0; n <= i; ++n)
        cursor.next(line);
    return decodeLine(line);
}

QStringList Lines::toList() const
{
    QStringList all;
    all.reserve(size());
    for (const QString &line : *this)
        all.append(line);
    return all;
}

Lines::const_iterator Lines::begin() const
{
    const_iterator it;
    it.m_layout = m_layout;
    it.m_done = false;
    return ++it;
}

Lines::const_iterator &Lines::const_iterator::operator++()
{
    QByteArray line;
    if (m_done || !m_layout) {
        m_done = true;
        return *this;
    }
    LineCursor cursor(*m_layout->source, m_offset);
    m_done = !cursor.next(line);
    m_offset = cursor.offset();
    m_line = m_done ? QString() : decodeLine(line);
    return *this;
}

ReadResult read(const QByteArray &bytes)
{
    return readSource(ByteSource::fromBytes(bytes));
}

ReadResult readFile(const QString &path)
{
    // A named pipe would wait for a writer for ever and a device may never end: plain files only,
    // and none larger than the authoring program builds.
    QString reason;
    std::unique_ptr<QFile> file = PlainFile::open(path, maxFileBytes, &reason);
    if (!file)
        return {};
    return readSource(ByteSource::fromFile(std::move(file)));
}

} // namespace HelpFile
