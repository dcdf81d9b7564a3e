// The programs' --help and --version: parsed with QCommandLineParser, answered in German.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace CommandLine {

// What a program says about itself.
struct Description
{
    QString usage;   // the command and its arguments: "quorantc PROJEKT.vrp [ZIEL.vry]"
    QString summary; // one or more German lines on what the program does
    QString version; // the command and its version: "quorantc 2.4"
};

enum class Request { Run, Help, Version, Error };

struct Parsed
{
    Request request = Request::Run;
    QString error;          // German, for Request::Error
    QStringList positional; // the arguments that are not options, for Request::Run
};

// Parses the arguments (the program name first) with -h/--help and -v/--version; "--" ends the
// options. Help and version win over anything else on the line; an unknown option is an error,
// and so is a number of positional arguments outside minPositional..maxPositional.
Parsed parse(const QStringList &arguments, int minPositional, int maxPositional);

// The arguments as the program got them, before QApplication takes out its own (-platform ...).
QStringList rawArguments(int argc, char *argv[]);

// A windowed program answers --help and --version before it needs a display: this looks only for
// those two in the raw arguments and answers them; nothing when neither is asked for.
std::optional<int> answerHelpOrVersion(const QStringList &arguments, const Description &description);

// "Aufruf: <usage>", the summary, and the options.
QString helpText(const Description &description);

// The version line and the licence.
QString versionText(const Description &description);

// Prints the help or version to standard output (exit code 0), or the error and the usage to
// standard error (exit code 2). Nothing for Request::Run: the program goes on.
std::optional<int> answer(const Parsed &parsed, const Description &description);

// Writes the text in the local encoding, then a line end (for the command-line tools' output).
void printLine(FILE *stream, const QString &text);

} // namespace CommandLine
