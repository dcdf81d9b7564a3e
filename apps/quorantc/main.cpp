// quorantc: compiles a help project without a window, for build systems.
#include "common/commandline.h"
#include "common/plainfile.h"
#include "common/version.h"
#include "helpauthor/helpcompiler.h"
#include "helpauthor/helpproject.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <new>

using namespace Qt::StringLiterals;

namespace {

CommandLine::Description description()
{
    return {u"quorantc PROJEKT.vrp [ZIEL.vry]"_s,
            u"Übersetzt ein Hilfeprojekt in eine Hilfedatei. Ohne ZIEL wird die Hilfedatei "
            "neben das Projekt geschrieben, mit der Endung .vry statt .vrp."_s,
            u"quorantc %1.%2"_s.arg(Version::helpMajor).arg(Version::helpMinor)};
}

// Beside the project, its last extension replaced; unlike the window's rule a dot in a folder
// name ("./help/x.vrp") does not cut the path.
QString defaultTarget(const QString &projectPath)
{
    const QFileInfo info(projectPath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString folder = projectPath.left(projectPath.size() - name.size());
    return folder + base + u".vry"_s;
}

int run(const QStringList &arguments)
{

    const QString project = arguments.at(0);
    const QString target = arguments.size() == 2 ? arguments.at(1) : defaultTarget(project);

    // Compiling an RTF project onto itself would put the RTF files' lines in place of their names.
    const QFileInfo projectInfo(project);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && projectInfo.exists() &&
        targetInfo.canonicalFilePath() == projectInfo.canonicalFilePath()) {
        CommandLine::printLine(
            stderr, u"quorantc: Die Hilfedatei \"%1\" wäre die Projektdatei selbst; bitte ein anderes Ziel "
                    "angeben."_s.arg(target));
        return 1;
    }

    const HelpProject::OpenResult opened = HelpProject::openProject(project);
    if (opened.status == HelpProject::OpenStatus::Unreadable) {
        CommandLine::printLine(stderr, u"quorantc: "_s + opened.error);
        return 1;
    }
    if (opened.status == HelpProject::OpenStatus::NotAProject) {
        CommandLine::printLine(
            stderr, u"quorantc: \"%1\" ist keine gültige Quorant - Datei: die erste Zeile ist nicht "
                    "genau \"TESSAVOR\"."_s.arg(project));
        return 1;
    }

    const HelpCompiler::Result result = HelpCompiler::compile(project, opened.type, target);
    if (!result.ok()) {
        CommandLine::printLine(stderr, u"quorantc: "_s + HelpCompiler::message(result));
        return 1;
    }
    const bool plain = opened.type == HelpProject::Type::PlainText;
    CommandLine::printLine(stdout,
                           plain ? u"quorantc: %1 geschrieben (TXT, %2 Bytes)"_s.arg(target).arg(result.bytes)
                                 : u"quorantc: %1 geschrieben (RTF, %2 RTF - Dateien, %3 Bytes)"_s.arg(target)
                                       .arg(result.sourceCount)
                                       .arg(result.bytes));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine::Parsed parsed = CommandLine::parse(app.arguments(), 1, 2);
    if (parsed.request == CommandLine::Request::Run && parsed.positional.contains(QString()))
        parsed = {CommandLine::Request::Error, u"Ein leerer Dateiname ist kein Argument."_s, {}};
    if (const std::optional<int> exitCode = CommandLine::answer(parsed, description()))
        return *exitCode;
    // A name whose bytes are no UTF-8 would arrive with U+FFFD in their place and name nothing.
    for (int i = 1; i < argc; ++i) {
        if (!PlainFile::nameIsReadable(QByteArray(argv[i]))) {
            CommandLine::printLine(stderr, u"quorantc: Die Datei kann nicht verwendet werden: "_s +
                                               PlainFile::unreadableNameReason(QByteArray(argv[i])) + u"."_s);
            return 1;
        }
    }
    try {
        return run(parsed.positional);
    } catch (const std::bad_alloc &) {
        // Every file is read within its limit, but the machine may still have too little memory.
        CommandLine::printLine(stderr, u"quorantc: "_s + HelpCompiler::outOfMemoryMessage());
        return 1;
    }
}
