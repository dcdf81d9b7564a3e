// The help compiler, at the byte level: RTF files keep every byte except that their line ends
// become CR LF, and project lines are copied as they stand.
#include "helpauthor/helpcompiler.h"

#include "common/atomicwriter.h"
#include "common/codepage.h"
#include "common/linefile.h"
#include "common/plainfile.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace HelpCompiler {

namespace {

// The lines of the bytes, split at CR LF or a lone CR, as views into the bytes. A final
// terminator yields no extra line.
QList<QByteArrayView> lineViews(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    lines.reserve(bytes.count('\r') + 1);
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        const qsizetype cr = bytes.indexOf('\r', start);
        if (cr < 0) {
            lines.append(bytes.sliced(start));
            break;
        }
        lines.append(bytes.sliced(start, cr - start));
        start = cr + ((cr + 1 < size && bytes.at(cr + 1) == '\n') ? 2 : 1);
    }
    return lines;
}

// Each line of the bytes followed by CR LF, the same as reading the lines and writing them back.
void appendAsLines(QByteArray &out, QByteArrayView bytes)
{
    for (const QByteArrayView line : lineViews(bytes)) {
        out.append(line);
        out.append("\r\n", 2);
    }
}

QString topicOf(QByteArrayView previousLine)
{
    QString topic = Windows1252::decode(previousLine);
    if (topic.startsWith(u'[') && topic.endsWith(u']') && topic.size() >= 2)
        topic = topic.mid(1, topic.size() - 2);
    return topic;
}

struct Loaded
{
    std::optional<QByteArray> bytes;
    QString reason;
};

Loaded load(const QString &path)
{
    Loaded loaded;
    loaded.bytes = PlainFile::read(path, HelpProject::maxFileBytes, &loaded.reason);
    return loaded;
}

// The same file, also through a link or a differently written path.
bool sameFile(const QString &first, const QString &second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

} // namespace

QList<Source> sources(const QByteArray &project)
{
    const QList<QByteArrayView> lines = lineViews(project);
    QList<Source> result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i - 1).startsWith('['))
            result.append({i + 1, Windows1252::decode(lines.at(i)), topicOf(lines.at(i - 1))});
    }
    return result;
}

QString message(const Result &result)
{
    switch (result.status) {
    case Status::Written:
        return {};
    case Status::ProjectUnreadable:
        return u"Die Projektdatei \"%1\" kann nicht gelesen werden (%2).\nDie Hilfedatei wurde nicht erstellt."_s
            .arg(QDir::toNativeSeparators(result.file), result.reason);
    case Status::SourceUnreadable:
        return u"Die RTF - Datei \"%1\" des Themas \"%2\" kann nicht gelesen werden (%3).\n"
               "Die Hilfedatei wurde nicht erstellt; eine vorhandene Hilfedatei bleibt unverändert."_s.arg(
                   QDir::toNativeSeparators(result.file), result.topic, result.reason);
    case Status::TargetUnwritable:
        // The reason names the file already.
        return result.reason + u"\nDie Hilfedatei wurde nicht erstellt."_s;
    case Status::TargetTooLarge:
        return u"Die Hilfedatei \"%1\" würde größer als %2; so große Hilfedateien liest Tessavor nicht.\n"
               "Die Hilfedatei wurde nicht erstellt; eine vorhandene Hilfedatei bleibt unverändert."_s.arg(
                   QDir::toNativeSeparators(result.file), PlainFile::sizeText(HelpProject::maxFileBytes));
    case Status::TargetIsProject:
        return u"Die Hilfedatei \"%1\" wäre die Projektdatei selbst: an die Stelle der Namen der RTF - "
               "Dateien träte ihr Inhalt, und das Projekt ginge verloren.\nGeben sie als Pfad der "
               "Hilfedatei einen anderen Pfad an. Die Hilfedatei wurde nicht erstellt."_s.arg(
                   QDir::toNativeSeparators(result.file));
    }
    return {};
}

QString outOfMemoryMessage()
{
    return u"Für die Hilfedatei reicht der Arbeitsspeicher nicht aus.\nDie Hilfedatei wurde nicht erstellt; "
           u"eine "
           "vorhandene Hilfedatei bleibt unverändert."_s;
}

Result compileRich(const QByteArray &project, const QString &baseDir, QByteArray *out)
{
    out->clear();
    Result result;
    const QList<QByteArrayView> lines = lineViews(project);
    const QDir base(baseDir);

    // Read every named file first: one that cannot be read stops the build before any output.
    QList<QByteArray> contents(lines.size());
    qsizetype total = project.size() + 2 * lines.size();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i - 1).startsWith('['))
            continue;
        const QString named = Windows1252::decode(lines.at(i));
        Loaded loaded = load(named.isEmpty() ? QString() : base.filePath(named));
        if (!loaded.bytes) {
            result.status = Status::SourceUnreadable;
            result.file = named;
            result.topic = topicOf(lines.at(i - 1));
            result.reason = named.isEmpty() ? u"es ist kein Dateiname angegeben"_s : loaded.reason;
            return result;
        }
        // Line ends may grow from a lone CR to CR LF, and a last line gains its terminator.
        total += loaded.bytes->size() + loaded.bytes->count('\r') + 2;
        contents[i] = std::move(*loaded.bytes);
        // Checked as the files come in, so that many large RTF files are not all held at once.
        if (total > HelpProject::maxFileBytes) {
            result.status = Status::TargetTooLarge;
            return result;
        }
        ++result.sourceCount;
    }

    QByteArray compiled;
    compiled.reserve(total);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines.at(i - 1).startsWith('[')) {
            appendAsLines(compiled, contents.at(i));
        } else {
            compiled.append(lines.at(i));
            compiled.append("\r\n", 2);
        }
    }
    *out = std::move(compiled);
    return result;
}

Result compile(const QString &projectPath, HelpProject::Type type, const QString &targetPath)
{
    Result result;
    result.target = targetPath;
    if (type == HelpProject::Type::RichText && sameFile(projectPath, targetPath)) {
        result.status = Status::TargetIsProject;
        result.file = targetPath;
        return result;
    }
    const Loaded project = load(projectPath);
    if (!project.bytes) {
        result.status = Status::ProjectUnreadable;
        result.file = projectPath;
        result.reason = project.reason;
        return result;
    }

    QByteArray compiled;
    if (type == HelpProject::Type::PlainText) {
        compiled = *project.bytes;
    } else {
        const Result rich = compileRich(*project.bytes, QFileInfo(projectPath).absolutePath(), &compiled);
        if (!rich.ok()) {
            Result failed = rich;
            failed.target = targetPath;
            if (failed.status == Status::TargetTooLarge)
                failed.file = targetPath;
            return failed;
        }
        result.sourceCount = rich.sourceCount;
    }

    if (const std::optional<QString> error = AtomicWriter::writeBytes(targetPath, compiled)) {
        result.status = Status::TargetUnwritable;
        result.file = targetPath;
        result.reason = *error;
        return result;
    }
    result.bytes = compiled.size();
    return result;
}

} // namespace HelpCompiler
