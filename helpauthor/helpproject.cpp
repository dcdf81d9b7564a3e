// The help project file: its rewrites as line transformations, and the thin file layer around them.
#include "helpauthor/helpproject.h"

#include "common/linefile.h"
#include "helpauthor/savefile.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace HelpProject {

QString targetPath(const QString &projectPath)
{
    const qsizetype dot = projectPath.indexOf(u'.');
    return projectPath.left(dot + 1) + u"vry"_s;
}

QStringList newProjectLines(Type type, const QString &title)
{
    return {QString(HelpFile::signature), HelpFile::typeLineFor(type), title, QString(), QString()};
}

OpenResult checkProject(const QByteArray &bytes)
{
    const QStringList lines = HelpFile::splitLines(bytes);
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
    // A named pipe would wait for a writer for ever and a device may never end: plain files only.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        OpenResult result;
        result.error = u"Die Datei \"%1\" kann nicht gelesen werden: keine gewöhnliche Datei"_s.arg(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        OpenResult result;
        result.error = u"Die Datei \"%1\" kann nicht gelesen werden: %2"_s.arg(path, file.errorString());
        return result;
    }
    return checkProject(file.readAll());
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
    return SaveFile::writeLines(path, newProjectLines(type, title));
}

std::optional<QString> saveText(const QString &path, const QString &text)
{
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    return SaveFile::writeLines(path, lines);
}

namespace {
template <typename Change> std::optional<QString> rewrite(const QString &path, Change change)
{
    const LineFile::ReadResult read = LineFile::readLines(path, LineFile::Breaks::CrLfOrCr);
    if (!read.ok)
        return read.error;
    return SaveFile::writeLines(path, change(read.lines));
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
