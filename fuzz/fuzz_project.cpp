// Fuzzes the help project operations on arbitrary project files: checked, compiled (RTF files only
// from the harness's own folder, which holds two the project can name), a topic added and deleted
// again. Every input runs the operations in memory; one input in 32 also runs them on real files
// in that folder (in memory, /dev/shm, where there is one), and the files must come out as the
// memory operations did. The file layer costs most of the time per input (one in sixteen took a
// quarter of the harness's time), and running it on every input would slow the fuzzer tenfold
// without reaching more of the project code.
#include "fuzz/fuzzsupport.h"
#include "helpauthor/helpcompiler.h"
#include "helpauthor/helpproject.h"

#include "helpfile/helpfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
    return HelpFile::splitLines(file.readAll());
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

namespace {

// The project as compiled in memory; the checks of a compiled help file.
void compileInMemory(const QByteArray &bytes)
{
    QByteArray out;
    const HelpCompiler::Result compiled = HelpCompiler::compileRich(bytes, folder->path(), &out);
    if (!compiled.ok() && !out.isEmpty())
        std::abort(); // a failed build leaves nothing
    if (compiled.ok() && !out.startsWith("TESSAVOR"))
        std::abort();
    HelpCompiler::message(compiled);
}

void compileOnDisk(const QString &project, const QByteArray &bytes, HelpProject::Type type)
{
    const QString target = inFolder(QStringLiteral("projekt.vry"));
    QFile::remove(target);
    const HelpCompiler::Result compiled = HelpCompiler::compile(project, type, target);
    if (compiled.ok()) {
        QFile file(target);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray written = file.readAll();
        if (written.size() != compiled.bytes || !written.startsWith("TESSAVOR"))
            std::abort();
        if (type == HelpProject::Type::PlainText && written != bytes)
            std::abort(); // a TXT project is copied byte for byte
    } else if (type == HelpProject::Type::PlainText || QFile::exists(target)) {
        std::abort(); // a failed build writes nothing
    }
    HelpCompiler::message(compiled);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    // The input decides whether it goes through the files too, so that a finding replays alike.
    const bool onDisk = qHashBits(data, size) % 32 == 0;
    const QString project = inFolder(QStringLiteral("projekt.vrp"));

    const HelpProject::OpenResult checked = HelpProject::checkProject(bytes);
    if (onDisk) {
        writeRaw(project, bytes);
        if (HelpProject::openProject(project).status != checked.status)
            std::abort();
    }
    if (checked.status != HelpProject::OpenStatus::Opened)
        return 0;

    // Compile before the file is changed: the sources are what the bytes name.
    const bool plain = checked.type == HelpProject::Type::PlainText;
    if (onDisk && (plain || staysInFolder(bytes)))
        compileOnDisk(project, bytes, checked.type);
    else if (!plain && staysInFolder(bytes))
        compileInMemory(bytes);

    // Add a topic and delete it again: the signature stays, the topic is gone.
    const QStringList before = HelpFile::splitLines(bytes);
    HelpProject::NewTopic topic;
    topic.name = QStringLiteral(" Fuzzthema ");
    topic.listed = bytes.size() % 2 == 0;
    topic.body = HelpProject::typedBody(QStringLiteral("Zeile eins\r\nZeile zwei\rDrei"));
    const QStringList added = HelpProject::addTopic(before, topic);
    // The name joins the topic list only where the list has its empty end line (line 5 or later).
    bool listEnds = false;
    for (qsizetype i = 4; i < before.size() && !listEnds; ++i)
        listEnds = before.at(i).isEmpty();
    if (added.size() != before.size() + (topic.listed && listEnds ? 1 : 0) + 2 + topic.body.size())
        std::abort();
    const QStringList after = HelpProject::deleteTopic(added, QStringLiteral("Fuzzthema"));
    if (after.contains(QStringLiteral("[Fuzzthema]")) || after.contains(QStringLiteral("Fuzzthema")))
        std::abort();
    if (after.value(0) != before.value(0))
        std::abort(); // the signature stays

    if (onDisk) {
        // The file operations write what the line operations give.
        if (HelpProject::addTopicToFile(project, topic) || linesOf(project) != added)
            std::abort();
        if (HelpProject::deleteTopicFromFile(project, QStringLiteral("Fuzzthema")) ||
            linesOf(project) != after)
            std::abort();
        if (HelpProject::openProject(project).status != HelpProject::OpenStatus::Opened)
            std::abort();
    }
    return 0;
}
