// The programs' --help and --version: parsed with QCommandLineParser, answered in German.
#include "common/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLine {

namespace {

const QString helpDescription = u"Zeigt diese Hilfe und endet."_s;
const QString versionDescription = u"Zeigt die Versionsnummer und endet."_s;

// The help and error texts end in one line end, whether or not they bring their own.
void print(FILE *stream, const QString &text)
{
    printLine(stream, text.endsWith(u'\n') ? text.chopped(1) : text);
    std::fflush(stream);
}

} // namespace

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

Parsed parse(const QStringList &arguments, int minPositional, int maxPositional)
{
    QCommandLineParser parser;
    const QCommandLineOption help({u"h"_s, u"help"_s}, helpDescription);
    const QCommandLineOption version({u"v"_s, u"version"_s}, versionDescription);
    parser.addOption(help);
    parser.addOption(version);
    const bool ok = parser.parse(arguments);

    Parsed parsed;
    if (parser.isSet(help)) {
        parsed.request = Request::Help;
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.request = Request::Version;
        return parsed;
    }
    parsed.positional = parser.positionalArguments();
    const qsizetype count = parsed.positional.size();
    if (!ok) {
        const QStringList unknown = parser.unknownOptionNames();
        parsed.error = unknown.isEmpty()
                           ? parser.errorText()
                           : u"Unbekannte Option „%1%2“."_s.arg(
                                 unknown.first().size() == 1 ? u"-"_s : u"--"_s, unknown.first());
    } else if (count < minPositional) {
        parsed.error = u"Zu wenige Argumente."_s;
    } else if (count > maxPositional) {
        parsed.error = u"Zu viele Argumente."_s;
    }
    if (!parsed.error.isEmpty())
        parsed.request = Request::Error;
    return parsed;
}

QStringList rawArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> answerHelpOrVersion(const QStringList &arguments, const Description &description)
{
    const Parsed parsed = parse(arguments, 0, int(arguments.size()));
    if (parsed.request != Request::Help && parsed.request != Request::Version)
        return std::nullopt;
    return answer(parsed, description);
}

QString helpText(const Description &description)
{
    return u"Aufruf: %1\n%2\n\nOptionen:\n  -h, --help     %3\n  -v, --version  %4\n"_s.arg(
        description.usage, description.summary, helpDescription, versionDescription);
}

QString versionText(const Description &description)
{
    return description.version +
           u"\nLizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later)\n"_s;
}

std::optional<int> answer(const Parsed &parsed, const Description &description)
{
    switch (parsed.request) {
    case Request::Run:
        return std::nullopt;
    case Request::Help:
        print(stdout, helpText(description));
        return 0;
    case Request::Version:
        print(stdout, versionText(description));
        return 0;
    case Request::Error:
        break;
    }
    print(stderr, u"Aufruf: %1\n%2\nMehr mit „--help“."_s.arg(description.usage, parsed.error));
    return 2;
}

} // namespace CommandLine
