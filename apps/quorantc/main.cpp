// quorantc: compiles a help project without a window, for build systems.
#include "helpauthor/helpcompiler.h"
#include "helpauthor/helpproject.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

const QString usage = u"Aufruf: quorantc PROJEKT.vrp [ZIEL.vry]\n"
                      "Übersetzt ein Hilfeprojekt in eine Hilfedatei. Ohne ZIEL wird die Hilfedatei "
                      "neben das Projekt geschrieben, mit der Endung .vry statt .vrp."_s;

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 1 && (arguments.first() == u"-h"_s || arguments.first() == u"--help"_s)) {
        print(stdout, usage);
        return 0;
    }
    if (arguments.isEmpty() || arguments.size() > 2 || arguments.first().isEmpty() ||
        (arguments.size() == 2 && arguments.at(1).isEmpty())) {
        print(stderr, usage);
        return 2;
    }

    const QString project = arguments.at(0);
    const QString target = arguments.size() == 2 ? arguments.at(1) : defaultTarget(project);

    // Compiling an RTF project onto itself would put the RTF files' lines in place of their names.
    const QFileInfo projectInfo(project);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && projectInfo.exists() &&
        targetInfo.canonicalFilePath() == projectInfo.canonicalFilePath()) {
        print(stderr, u"quorantc: Die Hilfedatei \"%1\" wäre die Projektdatei selbst; bitte ein anderes Ziel "
                      "angeben."_s.arg(target));
        return 1;
    }

    const HelpProject::OpenResult opened = HelpProject::openProject(project);
    if (opened.status == HelpProject::OpenStatus::Unreadable) {
        print(stderr, u"quorantc: "_s + opened.error);
        return 1;
    }
    if (opened.status == HelpProject::OpenStatus::NotAProject) {
        print(stderr, u"quorantc: \"%1\" ist keine gültige Quorant - Datei: die erste Zeile ist nicht "
                      "genau \"TESSAVOR\"."_s.arg(project));
        return 1;
    }

    const HelpCompiler::Result result = HelpCompiler::compile(project, opened.type, target);
    if (!result.ok()) {
        print(stderr, u"quorantc: "_s + HelpCompiler::message(result));
        return 1;
    }
    const bool plain = opened.type == HelpProject::Type::PlainText;
    print(stdout, plain ? u"quorantc: %1 geschrieben (TXT, %2 Bytes)"_s.arg(target).arg(result.bytes)
                        : u"quorantc: %1 geschrieben (RTF, %2 RTF - Dateien, %3 Bytes)"_s.arg(target)
                              .arg(result.sourceCount)
                              .arg(result.bytes));
    return 0;
}
