// The help project (.vrp): a help file whose rich-text topics hold RTF file paths. Creating,
// opening, saving, adding and deleting topics, each a rewrite of the whole file. Qt Core only.
#pragma once

#include "helpfile/helpfile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace HelpProject {

using Type = HelpFile::Kind; // PlainText is a TXT project, RichText an RTF project

// Projects and the RTF files of topics are read up to the help files' size limit; a larger one is
// refused with the limit named.
inline constexpr qint64 maxFileBytes = HelpFile::maxFileBytes;

// The open project, shared by the main window, the topic dialogs and the compiler.
struct State
{
    QString path;               // empty while no project is open
    Type type = Type::RichText; // RTF until a project is created or opened
    bool isOpen() const { return !path.isEmpty(); }
};

// Where the compiled help file goes: the project path up to and including its first "." followed
// by "vry". A dot in a folder name cuts the path there; a path without a dot gives "vry" alone.
QString targetPath(const QString &projectPath);

// The five lines of a new project: signature, type, title, the reserved line, the empty topic list.
QStringList newProjectLines(Type type, const QString &title);

enum class OpenStatus { Opened, NotAProject, Unreadable };
struct OpenResult
{
    OpenStatus status = OpenStatus::Unreadable;
    Type type = Type::RichText; // line 2 exactly "TXT" is a TXT project; set when opened
    QString error;              // German reason when unreadable
};
// A project file is accepted only when line 1 is exactly "TESSAVOR", without spaces around it.
OpenResult checkProject(const QByteArray &bytes);
OpenResult openProject(const QString &path);

struct NewTopic
{
    QString name;       // as typed, spaces included; the header holds it trimmed
    bool listed = true; // put into the topic list (the "show in contents and index" box)
    QStringList body;   // the block's body lines
};

// The body of a typed topic: every line break of the text starts a line of its own.
QStringList typedBody(const QString &text);

// The name goes in front of the first empty line after line 4 (the end of the topic list), only
// when listed; the block is appended at the end.
QStringList addTopic(const QStringList &lines, const NewTopic &topic);

// Removes every line equal to the selection (its topic list entry) and the block headed
// "[" + selection + "]" up to and including the block's empty line. Exact comparisons, the
// selection untrimmed: an entry written with spaces around the name leaves its block alone.
QStringList deleteTopic(const QStringList &lines, const QString &selection);

// The project file's lines (CR LF or a lone CR end a line); nothing and the German reason when it
// cannot be read.
std::optional<QStringList> readLines(const QString &path, QString *error);

// File-level operations. Each rewrites the project file whole through a save file, so a failure
// leaves the previous file as it was; the German reason comes back.
std::optional<QString> createProject(const QString &path, Type type, const QString &title);
// The window's plain text, one line per line break, each written with CR LF.
std::optional<QString> saveText(const QString &path, const QString &text);
std::optional<QString> addTopicToFile(const QString &path, const NewTopic &topic);
std::optional<QString> deleteTopicFromFile(const QString &path, const QString &selection);

} // namespace HelpProject
