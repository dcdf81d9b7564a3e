// The compiled help file (.vry): one line-oriented format read by the viewer and written by the
// authoring program. Qt Core only.
//
// Layout (lines numbered from 1): 1 signature "TESSAVOR", 2 type ("TXT" is plain text, anything
// else rich text), 3 title, 4 reserved, 5.. the topic list up to the first blank line, then topic
// blocks: a header "[name]", the body lines, one empty line.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace HelpFile {

// What the writer puts on line 1.
inline constexpr QLatin1StringView signature{"TESSAVOR"};
// The type lines the writer produces; the reader knows only "exactly TXT" and "anything else".
inline constexpr QLatin1StringView plainTypeLine{"TXT"};
inline constexpr QLatin1StringView richTypeLine{"RTF"};

enum class Kind { PlainText, RichText };

// Lines split at CR LF or at a lone CR; a lone LF stays part of the line. Windows-1252 bytes.
QStringList splitLines(const QByteArray &bytes);

// Leading and trailing spaces (only the blank character, not tabs or line breaks) removed: the
// trimming every rule of the format means.
QString trimSpaces(const QString &text);

// The viewer's signature check: line 1 with leading and trailing spaces removed.
bool hasSignature(const QString &firstLine);
// The authoring program's stricter check when it opens a project: line 1 exactly.
bool hasExactSignature(const QString &firstLine);

// Exactly "TXT" (no trimming, case-sensitive) is plain text; every other type line is rich text.
Kind kindOf(const QString &typeLine);
QString typeLineFor(Kind kind);

// The header line a topic block must have for the name as requested: "[" + name + "]".
QString headerFor(const QString &name);

// The topic list as the contents show it: lines 5.. up to the first blank line (spaces only
// count as blank), unchanged, duplicates kept. `lines` holds line 1 at index 0.
QStringList contentsList(const QStringList &lines);
// The topic list as the index shows it: each entry trimmed, kept once, in alphabetical order
// (German collation, letter case ignored, ties broken by the exact text).
QStringList indexList(const QStringList &lines);
// The index list made from the contents list.
QStringList indexOfContents(const QStringList &contents);
// Sorts in the index list's order.
void sortIndex(QStringList &entries);

// Body of a plain-text topic: the first block whose header (trimmed) equals "[topic]", its lines
// joined with LF up to the block's empty line. The name is used exactly as passed. An absent
// topic gives an empty text. The scan starts at line 2 and enters a block on the line after a
// matching header, even when that first body line is empty.
QString plainTopicText(const QStringList &lines, const QString &topic);

// Body of a rich-text topic: the lines of every block whose header (trimmed) equals "[topic]",
// in file order, each block followed by its terminating empty line; the headers are left out.
// An absent topic gives no lines.
QStringList richTopicLines(const QStringList &lines, const QString &topic);

// Why a file could not be taken as a help file.
enum class ReadStatus {
    Ok,
    CannotOpen,  // the file does not exist or cannot be read
    NoSignature, // line 1 is missing or is not the signature
    TooShort,    // signature present, but the type or title line is missing
};

struct Layout;

// Every line of a read help file, decoded when asked for: the reader keeps offsets, not lines.
// Reading line i walks the file from its start; for tests and checks, not for the viewer.
class Lines
{
public:
    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    QString at(qsizetype i) const { return value(i); }
    QString value(qsizetype i) const; // empty outside 0 .. size() - 1
    QStringList toList() const;
    operator QStringList() const { return toList(); }

    class const_iterator
    {
    public:
        const_iterator() = default;
        QString operator*() const { return m_line; }
        const_iterator &operator++();
        bool operator==(const const_iterator &other) const { return m_done == other.m_done; }

    private:
        friend class Lines;
        std::shared_ptr<const Layout> m_layout;
        qint64 m_offset = 0;
        QString m_line;
        bool m_done = true;
    };
    const_iterator begin() const;
    const_iterator end() const { return {}; }

private:
    friend struct Layout;
    std::shared_ptr<const Layout> m_layout;
};

// A help file as read by the viewer. The bytes stay in the file (or the array they came from);
// the reader keeps the offsets of the lines that can be topic headers and decodes a body only
// when it is asked for, so a large help costs little more than its contents and index.
struct Document
{
    Lines lines;      // line 1 at index 0
    QString typeLine; // line 2 as it stands
    Kind kind = Kind::RichText;
    QString title;        // line 3
    QStringList contents; // see contentsList(); empty while contentsPending
    QStringList index;    // see indexList(); empty while indexPending
    // Read without its contents list (ReadPlan::contents false): makeContents() makes it.
    bool contentsPending = false;
    void makeContents();
    // Read without its index (ReadPlan::index false): makeIndex() makes it, with the contents list
    // if that is still pending.
    bool indexPending = false;
    void makeIndex();

    // The same results as plainTopicText() and richTopicLines() on the file's lines.
    QString plainText(const QString &topic) const;
    QStringList richLines(const QString &topic) const;

    std::shared_ptr<const Layout> m_layout; // the bytes and the offsets found in them
};

struct ReadResult
{
    ReadStatus status = ReadStatus::CannotOpen;
    Document document; // filled when status is Ok

    bool ok() const { return status == ReadStatus::Ok; }
};

// What a read prepares besides the type and title lines. The results are the same either way; what
// is not prepared is made when it is first needed: the search for topic headers when the first
// topic is asked for, the contents list by Document::makeContents(), the index by
// Document::makeIndex(). The viewer prepares only what its first page shows.
struct ReadPlan
{
    bool topics = true;   // find the topic headers now
    bool index = true;    // make the index now (and so the contents list)
    bool contents = true; // decode the contents list now
};

ReadResult read(const QByteArray &bytes, ReadPlan plan = {});
// Help files, projects and the RTF files of topics are read up to this size (the authoring
// program builds no larger help file); course help runs to a few hundred KB.
inline constexpr qint64 maxFileBytes = 64 * 1024 * 1024;
// Only a plain file of at most maxFileBytes can be opened (a named pipe, a device, a larger file
// count as CannotOpen). With a `headerCacheFolder`, the topic headers of a large file are kept
// there between reads (see headercache.h): a later read of the unchanged file takes them from there.
ReadResult readFile(const QString &path, ReadPlan plan = {}, const QString &headerCacheFolder = {});

// A readable summary of a document for test comparisons.
QStringList dump(const Document &document);

} // namespace HelpFile
