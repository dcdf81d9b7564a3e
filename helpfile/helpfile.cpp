// Reading help files and finding topic bodies in their lines.
#include "helpfile/helpfile.h"

#include "common/linefile.h"

#include <QCollator>
#include <QFile>
#include <QLocale>

#include <algorithm>

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
    // Windows-1252 maps CR and LF to themselves and no other byte to them, so the text is decoded
    // once and split afterwards; a decoder per line would dominate the viewer's start-up.
    const QString text = LineFile::decode(bytes);
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (text.at(i) != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
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
    std::stable_sort(entries.begin(), entries.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

QStringList indexList(const QStringList &lines)
{
    QStringList entries;
    for (const QString &entry : contentsList(lines)) {
        const QString name = trimSpaces(entry);
        if (!entries.contains(name))
            entries.append(name);
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

ReadResult read(const QByteArray &bytes)
{
    ReadResult result;
    Document &document = result.document;
    document.lines = splitLines(bytes);
    if (document.lines.isEmpty() || !hasSignature(document.lines.at(0))) {
        result.status = ReadStatus::NoSignature;
        return result;
    }
    // The type and title lines are needed before anything can be shown.
    if (document.lines.size() < 3) {
        result.status = ReadStatus::TooShort;
        return result;
    }
    document.typeLine = document.lines.at(1);
    document.kind = kindOf(document.typeLine);
    document.title = document.lines.at(2);
    document.contents = contentsList(document.lines);
    document.index = indexList(document.lines);
    result.status = ReadStatus::Ok;
    return result;
}

ReadResult readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return read(bytes);
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
