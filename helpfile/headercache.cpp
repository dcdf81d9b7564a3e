// Keeping the bracketed lines of a large help file in the user's cache folder.
#include "helpfile/headercache.h"

#include "common/atomicwriter.h"
#include "common/fnv1a.h"
#include "common/plainfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <array>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <memory>
#include <sys/stat.h>
#include <type_traits>

namespace HelpFile {

namespace {

// The kept file: the signature, the help file's identity, the number of lines and the pool's size,
// the lines (five numbers each), the pool, and a checksum of all before it. Numbers are 64 bits in
// the machine's own byte order: the file never leaves the machine that wrote it.
constexpr std::array<char, 16> keptSignature{'T', 'E', 'S', 'S', 'A', 'V', 'O', 'R',
                                             '-', 'K', 'O', 'P', 'F', '-', '2', '\n'};
constexpr qsizetype numbersBeforeLines = 7;
constexpr qsizetype headerSize = qsizetype(keptSignature.size()) + numbersBeforeLines * 8;
constexpr qsizetype numbersPerLine = 5;
// The lines are read straight into their vector: a line is its five numbers, in the file's order.
static_assert(sizeof(BracketedLine) == numbersPerLine * 8 && std::is_trivially_copyable_v<BracketedLine> &&
              offsetof(BracketedLine, start) == 0 && offsetof(BracketedLine, end) == 8 &&
              offsetof(BracketedLine, trimStart) == 16 && offsetof(BracketedLine, trimEnd) == 24 &&
              offsetof(BracketedLine, pooled) == 32);
constexpr qint64 settleNanoseconds = 2'000'000'000;

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Enough to tell a damaged file, which is all it is for. The header and the lines are whole
// eight-byte numbers, so the three parts can be hashed one after the other.
quint64 checksum(const char *bytes, qint64 size, quint64 hash = fnv1a64Offset)
{
    return fnv1a64Words(std::string_view(bytes, size_t(size)), hash);
}

bool readExactly(QFile &file, void *into, qint64 bytes)
{
    return bytes == 0 || file.read(static_cast<char *>(into), bytes) == bytes;
}

void appendNumber(QByteArray &bytes, qint64 number)
{
    bytes.append(reinterpret_cast<const char *>(&number), sizeof number);
}

qint64 numberAt(const char *data, qsizetype index)
{
    qint64 number = 0;
    std::memcpy(&number, data + index * qsizetype(sizeof number), sizeof number);
    return number;
}

// Lines that a scan of a file of `size` bytes can have found: in file order, each within the
// file, its trimmed part inside it, pooled exactly when it is short enough.
bool plausible(const BracketedLines &found, qint64 size)
{
    qint64 previousEnd = -1;
    for (const BracketedLine &line : found.lines) {
        if (line.start <= previousEnd || line.start > line.trimStart || line.trimStart >= line.trimEnd ||
            line.trimEnd > line.end || line.end > size)
            return false;
        const qint64 length = line.trimEnd - line.trimStart;
        if ((length <= pooledLength) != (line.pooled >= 0))
            return false;
        if (line.pooled >= 0 && (line.pooled > found.pool.size() || length > found.pool.size() - line.pooled))
            return false;
        previousEnd = line.end;
    }
    return true;
}

} // namespace

std::optional<FileIdentity> identityOf(int fileDescriptor)
{
    struct stat info
    {
    };
    if (fileDescriptor < 0 || ::fstat(fileDescriptor, &info) != 0)
        return std::nullopt;
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                        nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

QString defaultHeaderCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QLatin1String("/tessavor");
}

HeaderCache::HeaderCache(const QString &folder, const QString &canonicalPath, const FileIdentity &identity)
    : m_folder(folder), m_identity(identity)
{
    const QByteArray name =
        QCryptographicHash::hash(QFile::encodeName(canonicalPath), QCryptographicHash::Sha1);
    m_file = folder + QLatin1Char('/') + QLatin1String(name.toHex()) + QLatin1String(".kopf");
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    m_settled = std::max(identity.modified, identity.changed) <= nanoseconds(now) - settleNanoseconds;
}

std::optional<BracketedLines> HeaderCache::load() const
{
    // No larger than the help file: store() keeps nothing larger, so a larger file is not ours.
    QString reason;
    const std::unique_ptr<QFile> file = PlainFile::open(m_file, m_identity.size, &reason);
    if (!file)
        return std::nullopt;
    const qint64 fileSize = file->size();
    std::array<char, headerSize> header{};
    if (fileSize < headerSize + 8 || !readExactly(*file, header.data(), headerSize) ||
        std::memcmp(header.data(), keptSignature.data(), keptSignature.size()) != 0)
        return std::nullopt;
    const char *numbers = header.data() + keptSignature.size();
    const FileIdentity kept{quint64(numberAt(numbers, 0)), quint64(numberAt(numbers, 1)),
                            numberAt(numbers, 2), numberAt(numbers, 3), numberAt(numbers, 4)};
    const qint64 lineCount = numberAt(numbers, 5);
    const qint64 poolSize = numberAt(numbers, 6);
    if (!(kept == m_identity) || lineCount < 0 || poolSize < 0 || lineCount > fileSize || poolSize > fileSize)
        return std::nullopt;
    const qint64 linesSize = lineCount * numbersPerLine * 8;
    if (headerSize + linesSize + poolSize + 8 != fileSize)
        return std::nullopt;

    // Each part goes straight where it is kept, without a copy of the whole file on the way.
    BracketedLines found;
    found.lines.resize(size_t(lineCount));
    found.pool = QByteArray(qsizetype(poolSize), Qt::Uninitialized);
    qint64 keptChecksum = 0;
    if (!readExactly(*file, found.lines.data(), linesSize) ||
        !readExactly(*file, found.pool.data(), poolSize) ||
        !readExactly(*file, &keptChecksum, sizeof keptChecksum))
        return std::nullopt;
    quint64 hash = checksum(header.data(), headerSize);
    hash = checksum(reinterpret_cast<const char *>(found.lines.data()), linesSize, hash);
    hash = checksum(found.pool.constData(), poolSize, hash);
    if (quint64(keptChecksum) != hash || !plausible(found, m_identity.size))
        return std::nullopt;
    return found;
}

void HeaderCache::store(const BracketedLines &lines) const
{
    const qint64 size = qint64(keptSignature.size()) + (numbersBeforeLines + 1) * 8 +
                        qint64(lines.lines.size()) * numbersPerLine * 8 + lines.pool.size();
    // A file of little more than bracketed lines would be kept in more bytes than it has: it is
    // searched each time instead.
    if (!m_settled || size > m_identity.size || m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return;
    QByteArray bytes;
    bytes.reserve(qsizetype(size));
    bytes.append(keptSignature.data(), keptSignature.size());
    for (const qint64 number :
         {qint64(m_identity.device), qint64(m_identity.inode), m_identity.size, m_identity.modified,
          m_identity.changed, qint64(lines.lines.size()), qint64(lines.pool.size())})
        appendNumber(bytes, number);
    for (const BracketedLine &line : lines.lines) {
        for (const qint64 number : {line.start, line.end, line.trimStart, line.trimEnd, qint64(line.pooled)})
            appendNumber(bytes, number);
    }
    bytes.append(lines.pool);
    appendNumber(bytes, qint64(checksum(bytes.constData(), bytes.size())));
    // Replaced whole, so another viewer reading it meanwhile finds the old or the new lines.
    AtomicWriter::writeScratchBytes(m_file, bytes);
}

} // namespace HelpFile
