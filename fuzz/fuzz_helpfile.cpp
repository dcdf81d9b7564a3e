// Fuzzes the help file reader, then both body searches (plain and rich) for the topics the file
// lists, for a topic named by a header of the file and for one that is surely absent.
#include "fuzz/fuzzsupport.h"
#include "helpfile/helpfile.h"

#include <QSet>

#include <cstdlib>

namespace {

void searchBoth(const HelpFile::Document &document, const QString &topic)
{
    const QString plain = document.plainText(topic);
    const QStringList rich = document.richLines(topic);
    // Both searches find the same blocks: no plain body without a rich one.
    if (!plain.isEmpty() && rich.isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HelpFile::ReadResult result = HelpFile::read(fuzzBytes(data, size));
    if (!result.ok())
        return 0;
    const HelpFile::Document &document = result.document;
    if (!HelpFile::hasSignature(document.lines.value(0)))
        std::abort();

    // The index holds each trimmed entry once.
    if (QSet<QString>(document.index.cbegin(), document.index.cend()).size() != document.index.size())
        std::abort();
    if (document.index.size() > document.contents.size())
        std::abort();

    // A few searches cover both body searches; each scans the whole file, so searching every
    // listed topic would multiply the work per input without reaching new code.
    if (!document.contents.isEmpty()) {
        // The input picks the entry, so that every entry of a file can be reached.
        const QString &entry = document.contents.at(qsizetype(size % size_t(document.contents.size())));
        searchBoth(document, entry);
        const QString trimmed = HelpFile::trimSpaces(entry);
        if (trimmed != entry)
            searchBoth(document, trimmed);
    }
    for (const QString &line : document.lines) {
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            searchBoth(document, line.mid(1, line.size() - 2));
            break;
        }
    }
    searchBoth(document, QString());
    // A topic the input cannot name has no body (the input may name the probe itself).
    static constexpr char absent[] = "\x01 fehlt \x02";
    const bool named =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).contains(absent);
    if (!named && !document.richLines(QString::fromLatin1(absent)).isEmpty())
        std::abort();
    HelpFile::dump(document);
    return 0;
}
