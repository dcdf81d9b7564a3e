// Reading a help file by offsets: the head lines are read at once, the lines that can be topic
// headers are found when the first topic is asked for (or at once, as the read plan says); a topic's
// body is read and decoded only when it is shown.
#include "helpfile/bytesource.h"
#include "helpfile/headercache.h"
#include "helpfile/helpfile.h"
#include "helpfile/linescan.h"

#include "common/plainfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace HelpFile {

// The bytes and what was found in them. The bracketed lines and the line count are found once,
// when first asked for (by any copy of the document); the bracketed lines of a large file come
// from the header cache when it has them for the unchanged file, and go there when they are found.
struct Layout
{
    std::shared_ptr<const ByteSource> source;
    std::optional<HeaderCache> cache;

    const BracketedLines &bracketed() const
    {
        std::call_once(m_scanned, [this] {
            if (cache) {
                if (std::optional<BracketedLines> kept = cache->load()) {
                    m_bracketed = std::move(*kept);
                    return;
                }
            }
            m_bracketed = findBracketedLines(*source);
            if (cache)
                cache->store(m_bracketed);
        });
        return m_bracketed;
    }

    qint64 lineCount() const
    {
        std::call_once(m_counted, [this] { m_lineCount = countLines(*source); });
        return m_lineCount;
    }

    // The trimmed part of a bracketed line is exactly these bytes.
    bool matches(const BracketedLine &line, const QByteArray &header, QByteArray &buffer) const
    {
        if (line.trimEnd - line.trimStart != header.size())
            return false;
        if (line.pooled >= 0)
            return QByteArrayView(bracketed().pool).sliced(line.pooled, header.size()) == header;
        return source->read(line.trimStart, header.size(), buffer) == header;
    }

    static Lines linesOf(const std::shared_ptr<const Layout> &layout)
    {
        Lines lines;
        lines.m_layout = layout;
        return lines;
    }

private:
    mutable std::once_flag m_scanned;
    mutable BracketedLines m_bracketed;
    mutable std::once_flag m_counted;
    mutable qint64 m_lineCount = 0;
};

namespace {

// The head is read in pieces of this size; it is usually a small part of the file.
constexpr qint64 chunkSize = 64 * 1024;
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
    qint64 lines = 0;        // lines read; all of the file's when it ends within the head
};

// Reads the head lines: the signature, type and title lines and, with `withList`, the topic list up
// to its blank line.
class HeadScanner
{
public:
    HeadScanner(const Layout &layout, bool withList) : m_layout(layout), m_withList(withList) {}

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
                noteSegment(p + i, p + e);
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
        if (!m_stopped && m_lineStart < offset)
            endLine(offset);
        return m_scan;
    }

private:
    // The bytes [from, to) belong to the current line: is there more than spaces on it?
    void noteSegment(const char *from, const char *to)
    {
        m_blank = m_blank && std::all_of(from, to, [](char c) { return c == ' '; });
    }

    void endLine(qint64 end)
    {
        const qint64 index = m_scan.lines++;
        const bool blank = m_blank;
        m_blank = true;
        if (index == 0) {
            m_scan.head.push_back({m_lineStart, end});
            if (!hasSignature(lineText({m_lineStart, end})))
                m_scan.status = ReadStatus::NoSignature;
            m_stopped = m_scan.status != ReadStatus::Ok;
        } else if (index <= titleLine) {
            m_scan.head.push_back({m_lineStart, end});
            m_stopped = index == titleLine && !m_withList;
        } else if (index >= firstListLine) {
            // The topic list ends at its first blank line; the rest of the file is not the head.
            if (blank)
                m_stopped = true;
            else
                m_scan.head.push_back({m_lineStart, end});
        }
    }

    QString lineText(Range range) const
    {
        QByteArray buffer;
        return decodeLine(m_layout.source->read(range.start, range.end - range.start, buffer));
    }

    const Layout &m_layout;
    const bool m_withList;
    Scan m_scan;
    qint64 m_lineStart = 0;
    bool m_blank = true; // the current line holds only spaces so far
    bool m_stopped = false;
};

QString readText(const ByteSource &source, Range range)
{
    QByteArray buffer;
    if (range.end <= range.start)
        return QString();
    return decodeLine(source.read(range.start, range.end - range.start, buffer));
}

// The texts of the head lines from `first` on. They lie together at the start of the file: one
// read for all of them, not one per line (a contents list of 10,000 topics is 10,000 lines).
QStringList headTexts(const ByteSource &source, const std::vector<Range> &head, size_t first)
{
    QStringList texts;
    if (first >= head.size())
        return texts;
    const qint64 headStart = head[first].start;
    QByteArray headBuffer;
    const QByteArrayView bytes = source.read(headStart, head.back().end - headStart, headBuffer);
    texts.reserve(qsizetype(head.size() - first));
    for (size_t i = first; i < head.size(); ++i) {
        const Range range = head[i];
        if (range.end <= range.start)
            texts.append(QString());
        else if (range.end - headStart > bytes.size())
            texts.append(readText(source, range));
        else
            texts.append(decodeLine(bytes.sliced(range.start - headStart, range.end - range.start)));
    }
    return texts;
}

// The head ranges are lines 1 to 3, then the topic list (line 4 is not kept).
constexpr size_t typeLineRange = 1;
constexpr size_t firstListRange = 3;

ReadResult readSource(std::shared_ptr<const ByteSource> source, const ReadPlan &plan,
                      std::optional<HeaderCache> cache = std::nullopt)
{
    auto layout = std::make_shared<Layout>();
    layout->source = std::move(source);
    layout->cache = std::move(cache);
    // The index is made from the contents list.
    const bool listNow = plan.contents || plan.index;
    const Scan scan = HeadScanner(*layout, listNow).run();
    ReadResult result;
    if (scan.status != ReadStatus::Ok || scan.lines == 0) {
        result.status = ReadStatus::NoSignature;
        return result;
    }
    // The type and title lines are needed before anything can be shown.
    if (scan.lines < 3) {
        result.status = ReadStatus::TooShort;
        return result;
    }
    QStringList texts = headTexts(*layout->source, scan.head, typeLineRange);
    Document &document = result.document;
    document.lines = Layout::linesOf(layout);
    document.typeLine = texts.takeFirst();
    document.kind = kindOf(document.typeLine);
    document.title = texts.takeFirst();
    if (listNow)
        document.contents = std::move(texts);
    else
        document.contentsPending = true;
    if (plan.index)
        document.index = indexOfContents(document.contents);
    else
        document.indexPending = true;
    if (plan.topics)
        layout->bracketed();
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
    for (const BracketedLine &candidate : layout.bracketed().lines) {
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
    for (const BracketedLine &candidate : layout.bracketed().lines) {
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
    return m_layout ? qsizetype(m_layout->lineCount()) : 0;
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

void Document::makeContents()
{
    if (!contentsPending)
        return;
    contentsPending = false;
    if (!m_layout)
        return;
    const Scan scan = HeadScanner(*m_layout, true).run();
    contents = headTexts(*m_layout->source, scan.head, firstListRange);
}

void Document::makeIndex()
{
    if (!indexPending)
        return;
    makeContents();
    index = indexOfContents(contents);
    indexPending = false;
}

ReadResult read(const QByteArray &bytes, ReadPlan plan)
{
    return readSource(ByteSource::fromBytes(bytes), plan);
}

ReadResult readFile(const QString &path, ReadPlan plan, const QString &headerCacheFolder)
{
    // A named pipe would wait for a writer for ever and a device may never end: plain files only,
    // and none larger than the authoring program builds.
    QString reason;
    std::unique_ptr<QFile> file = PlainFile::open(path, maxFileBytes, &reason);
    if (!file)
        return {};
    std::optional<HeaderCache> cache;
    if (!headerCacheFolder.isEmpty() && file->size() >= headerCacheMinBytes) {
        const std::optional<FileIdentity> identity = identityOf(file->handle());
        const QString canonicalPath = QFileInfo(path).canonicalFilePath();
        if (identity && !canonicalPath.isEmpty())
            cache.emplace(headerCacheFolder, canonicalPath, *identity);
    }
    return readSource(ByteSource::fromFile(std::move(file)), plan, std::move(cache));
}

} // namespace HelpFile
