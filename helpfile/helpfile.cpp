// The help file format on lines: splitting, the contents and index lists, the topic bodies.
#include "helpfile/helpfile.h"

#include "common/linefile.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <vector>

namespace HelpFile {

namespace {
// Index of line 5, the first line of the topic list.
constexpr qsizetype firstListLine = 4;

bool isBlank(const QString &line)
{
    return trimSpaces(line).isEmpty();
}
} // namespace

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QStringList splitLines(const QByteArray &bytes)
{
    return LineFile::splitLines(bytes, LineFile::Breaks::CrLfOrCr);
}

bool hasSignature(const QString &firstLine)
{
    return trimSpaces(firstLine) == signature;
}

bool hasExactSignature(const QString &firstLine)
{
    return firstLine == signature;
}

Kind kindOf(const QString &typeLine)
{
    return typeLine == plainTypeLine ? Kind::PlainText : Kind::RichText;
}

QString typeLineFor(Kind kind)
{
    return kind == Kind::PlainText ? QString(plainTypeLine) : QString(richTypeLine);
}

QString headerFor(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QStringList contentsList(const QStringList &lines)
{
    QStringList entries;
    for (qsizetype i = firstListLine; i < lines.size(); ++i) {
        if (isBlank(lines.at(i)))
            break;
        entries.append(lines.at(i));
    }
    return entries;
}

void sortIndex(QStringList &entries)
{
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto inOrder = [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    };
    // No two entries are in the same place of this order (ties go by the exact text), so any
    // correct sort gives the same list. One pass finds the runs already in order: a list in order,
    // or in a few ordered runs ("Thema 1" to "Thema 9", "Thema 10" to "Thema 99", ...), is merged
    // from them with one comparison per entry and run level; any other is sorted by keys.
    std::vector<qsizetype> runs{0};
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (inOrder(entries.at(i), entries.at(i - 1)))
            runs.push_back(i);
    }
    runs.push_back(entries.size());
    constexpr size_t fewRuns = 16;
    if (runs.size() - 1 <= fewRuns) {
        while (runs.size() > 2) {
            std::vector<qsizetype> merged{0};
            for (size_t i = 0; i + 2 < runs.size(); i += 2) {
                std::inplace_merge(entries.begin() + runs[i], entries.begin() + runs[i + 1],
                                   entries.begin() + runs[i + 2], inOrder);
                merged.push_back(runs[i + 2]);
            }
            if (merged.back() != runs.back())
                merged.push_back(runs.back());
            runs = std::move(merged);
        }
        return;
    }
    // Sort keys are made once per entry; comparing them is far cheaper than collating each pair.
    struct Keyed
    {
        QCollatorSortKey key;
        QString text;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (const QString &entry : std::as_const(entries))
        keyed.push_back({collator.sortKey(entry), entry});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.text < b.text;
    });
    for (qsizetype i = 0; i < entries.size(); ++i)
        entries[i] = keyed[size_t(i)].text;
}

QStringList indexList(const QStringList &lines)
{
    return indexOfContents(contentsList(lines));
}

QStringList indexOfContents(const QStringList &contents)
{
    QStringList entries;
    QSet<QString> seen;
    seen.reserve(contents.size());
    for (const QString &entry : contents) {
        const QString name = trimSpaces(entry);
        if (!seen.contains(name)) {
            seen.insert(name);
            entries.append(name);
        }
    }
    sortIndex(entries);
    return entries;
}

QString plainTopicText(const QStringList &lines, const QString &topic)
{
    const QString header = headerFor(topic);
    bool inside = false;
    QString result;
    // Line i (1-based) is lines.at(i - 1); the scan looks back at line i - 1 for the header, so
    // the body starts on the line after it, and a header line inside a body starts the body anew.
    for (qsizetype i = 2; i <= lines.size(); ++i) {
        const QString &line = lines.at(i - 1);
        if (inside) {
            if (line.isEmpty())
                break;
            result += QLatin1Char('\n') + line;
        }
        if (trimSpaces(lines.at(i - 2)) == header) {
            inside = true;
            result = line;
        }
    }
    return result;
}

QStringList richTopicLines(const QStringList &lines, const QString &topic)
{
    const QString header = headerFor(topic);
    bool inside = false;
    QStringList output;
    for (const QString &line : lines) {
        if (inside) {
            if (line.isEmpty())
                inside = false;
            output.append(line);
        }
        if (trimSpaces(line) == header)
            inside = true;
    }
    return output;
}

QStringList dump(const Document &document)
{
    QStringList out;
    out << QStringLiteral("type: %1 (%2)")
               .arg(document.typeLine,
                    document.kind == Kind::PlainText ? QStringLiteral("plain") : QStringLiteral("rich"));
    out << QStringLiteral("title: ") + document.title;
    for (const QString &entry : document.contents)
        out << QStringLiteral("contents: <%1>").arg(entry);
    for (const QString &entry : document.index)
        out << QStringLiteral("index: <%1>").arg(entry);
    return out;
}

} // namespace HelpFile
