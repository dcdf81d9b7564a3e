// The help project file: its rewrites as line transformations, and the thin file layer around them.
#include "helpauthor/helpproject.h"

#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "common/plainfile.h"
#include "helpfile/helpwriter.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace HelpProject {

namespace {
std::optional<QByteArray> readProject(const QString &path, QString *error)
{
    QString reason;
    std::optional<QByteArray> bytes = PlainFile::read(path, maxFileBytes, &reason);
    if (!bytes)
        *error =
            u"Die Datei \"%1\" kann nicht gelesen werden: %2."_s.arg(QDir::toNativeSeparators(path), reason);
    return bytes;
}
} // namespace

std::optional<QStringList> readLines(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readProject(path, error);
    if (!bytes)
        return std::nullopt;
    return HelpFile::splitLines(*bytes);
}

QString targetPath(const QString &projectPath)
{
    const qsizetype dot = projectPath.indexOf(u'.');
    return projectPath.left(dot + 1) + u"vry"_s;
}

QStringList newProjectLines(Type type, const QString &title)
{
    return HelpFile::composeLines({type, title, {}, {}});
}

OpenResult checkProject(const QByteArray &bytes)
{
    // Only the signature and the type line count: the rest of the file is not decoded.
    const QStringList lines = LineFile::splitLines(bytes, LineFile::Breaks::CrLfOrCr, 2);
    OpenResult result;
    if (lines.isEmpty() || !HelpFile::hasExactSignature(lines.first())) {
        result.status = OpenStatus::NotAProject;
        return result;
    }
    result.status = OpenStatus::Opened;
    // A file that stops after its signature has no type line; "anything but TXT" makes it RTF.
    result.type = HelpFile::kindOf(lines.value(1));
    return result;
}

OpenResult openProject(const QString &path)
{
    OpenResult result;
    const std::optional<QByteArray> bytes = readProject(path, &result.error);
    if (!bytes)
        return result;
    return checkProject(*bytes);
}

QStringList typedBody(const QString &text)
{
    QString normalized = text;
    normalized.replace(u"\r\n"_s, u"\n"_s);
    normalized.replace(u'\r', u'\n');
    return normalized.split(u'\n');
}

QStringList addTopic(const QStringList &lines, const NewTopic &topic)
{
    QStringList result;
    result.reserve(lines.size() + topic.body.size() + 3);
    bool inserted = !topic.listed;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Line numbers count from 1: the list may end at line 5 at the earliest.
        if (!inserted && i + 1 > 4 && lines.at(i).isEmpty()) {
            result.append(topic.name);
            inserted = true;
        }
        result.append(lines.at(i));
    }
    result.append(HelpFile::headerFor(HelpFile::trimSpaces(topic.name)));
    result.append(topic.body);
    result.append(QString());
    return result;
}

QStringList deleteTopic(const QStringList &lines, const QString &selection)
{
    const QString header = HelpFile::headerFor(selection);
    QStringList result;
    result.reserve(lines.size());
    bool skipping = false;
    for (const QString &line : lines) {
        if (line == selection)
            continue;
        if (line == header) {
            skipping = true;
            continue;
        }
        if (skipping) {
            if (line.isEmpty())
                skipping = false;
            continue;
        }
        result.append(line);
    }
    return result;
}

std::optional<QString> createProject(const QString &path, Type type, const QString &title)
{
    return AtomicWriter::writeLines(path, newProjectLines(type, title));
}

std::optional<QString> saveText(const QString &path, const QString &text)
{
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    return AtomicWriter::writeLines(path, lines);
}

namespace {
template <typename Change> std::optional<QString> rewrite(const QString &path, Change change)
{
    QString error;
    const std::optional<QStringList> lines = readLines(path, &error);
    if (!lines)
        return error;
    return AtomicWriter::writeLines(path, change(*lines));
}
} // namespace

std::optional<QString> addTopicToFile(const QString &path, const NewTopic &topic)
{
    return rewrite(path, [&](const QStringList &lines) { return addTopic(lines, topic); });
}

std::optional<QString> deleteTopicFromFile(const QString &path, const QString &selection)
{
    return rewrite(path, [&](const QStringList &lines) { return deleteTopic(lines, selection); });
}

} // namespace HelpProject
