// The help compiler: turns a saved help project into the compiled help file the viewer reads.
// A TXT project is copied byte for byte; in an RTF project every line that follows a line
// beginning with "[" names an RTF file whose lines take its place. Qt Core only.
#pragma once

#include "helpauthor/helpproject.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace HelpCompiler {

// A line of an RTF project that names an RTF file.
struct Source
{
    qsizetype line = 0; // 1-based line number in the project
    QString path;       // as written in the project
    QString topic;      // the line before it, without the brackets of a topic header
};

// Every line after a line that begins with "[" (line 1 never is one): topic headers, but also a
// list entry that happens to begin with "[" makes the next line a file name.
QList<Source> sources(const QByteArray &project);

enum class Status {
    Written,
    ProjectUnreadable,
    SourceUnreadable,
    TargetUnwritable,
    TargetIsProject,
    TargetTooLarge
};

struct Result
{
    Status status = Status::Written;
    QString target;      // the help file written, or not written
    qsizetype bytes = 0; // its size when written
    int sourceCount = 0; // RTF files put in
    QString file;        // the file that failed: the project, the RTF file as named, or the target
    QString topic;       // for an unreadable RTF file: the topic that names it
    QString reason;      // the system's reason, German where it comes from this program

    bool ok() const { return status == Status::Written; }
};

// The German explanation of a failed result, for message boxes and standard error.
QString message(const Result &result);
// The German explanation when the memory for a build ran out.
QString outOfMemoryMessage();

// Builds the compiled bytes of an RTF project held in memory. Relative RTF paths are taken from
// baseDir (the project's folder). Every RTF file is read before anything is assembled, so an
// unreadable one fails the whole build; `out` is then left empty. Every file is read up to
// HelpProject::maxFileBytes, and a help file that would grow past that size is not built
// (TargetTooLarge).
Result compileRich(const QByteArray &project, const QString &baseDir, QByteArray *out);

// Compiles the project file at projectPath to targetPath. The target is replaced through a save
// file and only when every input could be read, so a failed build leaves a previous help file
// untouched. An RTF project is never compiled onto itself (TargetIsProject): its topics would hold
// the RTF files' lines instead of their names, and the project would be lost. A TXT project may
// be, since its help file is the same bytes.
Result compile(const QString &projectPath, HelpProject::Type type, const QString &targetPath);

} // namespace HelpCompiler
