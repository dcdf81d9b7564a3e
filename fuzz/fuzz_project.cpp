// Fuzzes the help project operations on arbitrary project files: open, add a topic, delete it,
// and compile, all on real files in a private folder (in memory, /dev/shm, where there is one) that
// holds two RTF files the project can name.
#include "fuzz/fuzzsupport.h"
#include "helpauthor/helpcompiler.h"
#include "helpauthor/helpproject.h"

#include "common/linefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QTemporaryDir *folder = nullptr;

QString inFolder(const QString &name)
{
    return folder->filePath(name);
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return LineFile::splitLines(file.readAll(), LineFile::Breaks::CrLfOrCr);
}

// Only files inside the private folder may be read: a name that leaves it (absolute, "..") is not
// compiled, so the fuzzer never reads devices or the rest of the machine.
bool staysInFolder(const QByteArray &project)
{
    for (const HelpCompiler::Source &source : HelpCompiler::sources(project)) {
        if (!QDir::isRelativePath(source.path) || source.path.contains(QStringLiteral("..")) ||
            source.path.startsWith(u'~'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // In memory where the machine offers it: every input writes the project and its help file
    // through the atomic writer, whose flush to disk would otherwise be most of the time spent.
    const QString memory = QStringLiteral("/dev/shm");
    folder = QFileInfo(memory).isDir() && QFileInfo(memory).isWritable()
                 ? new QTemporaryDir(memory + QStringLiteral("/fuzz_project-XXXXXX"))
                 : new QTemporaryDir;
    if (!folder->isValid())
        std::abort();
    writeRaw(inFolder(QStringLiteral("a.rtf")), "{\\rtf1\\ansi {\\b Verben}\\par\r\n}");
    writeRaw(inFolder(QStringLiteral("b.rtf")), "{\\rtf1 Nomen\\par}\r");
    QDir(folder->path()).mkdir(QStringLiteral("themen"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString project = inFolder(QStringLiteral("projekt.vrp"));
    writeRaw(project, bytes);

    const HelpProject::OpenResult opened = HelpProject::openProject(project);
    if (opened.status != HelpProject::checkProject(bytes).status)
        std::abort();
    if (opened.status != HelpProject::OpenStatus::Opened)
        return 0;

    // Compile before the file is changed: the sources are what the bytes name.
    if (opened.type == HelpProject::Type::PlainText || staysInFolder(bytes)) {
        const QString target = inFolder(QStringLiteral("projekt.vry"));
        QFile::remove(target);
        const HelpCompiler::Result compiled = HelpCompiler::compile(project, opened.type, target);
        if (compiled.ok()) {
            QFile file(target);
            if (!file.open(QIODevice::ReadOnly))
                std::abort();
            const QByteArray written = file.readAll();
            if (written.size() != compiled.bytes || !written.startsWith("TESSAVOR"))
                std::abort();
            if (opened.type == HelpProject::Type::PlainText && written != bytes)
                std::abort(); // a TXT project is copied byte for byte
        } else if (opened.type == HelpProject::Type::PlainText || QFile::exists(target)) {
            std::abort(); // a failed build writes nothing
        }
        HelpCompiler::message(compiled);
    }

    // Add a topic and delete it again: the signature stays, the topic is gone.
    const QStringList before = linesOf(project);
    HelpProject::NewTopic topic;
    topic.name = QStringLiteral(" Fuzzthema ");
    topic.listed = bytes.size() % 2 == 0;
    topic.body = HelpProject::typedBody(QStringLiteral("Zeile eins\r\nZeile zwei\rDrei"));
    if (HelpProject::addTopicToFile(project, topic))
        std::abort();
    const QStringList added = linesOf(project);
    // The name joins the topic list only where the list has its empty end line (line 5 or later).
    bool listEnds = false;
    for (qsizetype i = 4; i < before.size() && !listEnds; ++i)
        listEnds = before.at(i).isEmpty();
    if (added.size() != before.size() + (topic.listed && listEnds ? 1 : 0) + 2 + topic.body.size())
        std::abort();
    if (HelpProject::deleteTopicFromFile(project, QStringLiteral("Fuzzthema")))
        std::abort();
    const QStringList after = linesOf(project);
    if (after.contains(QStringLiteral("[Fuzzthema]")) || after.contains(QStringLiteral("Fuzzthema")))
        std::abort();
    if (HelpProject::openProject(project).status != HelpProject::OpenStatus::Opened)
        std::abort();
    return 0;
}
