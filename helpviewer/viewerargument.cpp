// Cutting the viewer's argument into help file path and topic.
#include "helpviewer/viewerargument.h"

#include "helpfile/helpfile.h"

namespace Viewer {

QString joinArguments(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

namespace {

Request cutAt(const QString &argument, qsizetype comma)
{
    return {HelpFile::trimSpaces(argument.left(comma)), argument.mid(comma + 2)}; // empty topic past the end
}

} // namespace

std::optional<Request> parseArgument(const QString &argument,
                                     const std::function<bool(const QString &)> &isFile)
{
    if (argument.isEmpty())
        return std::nullopt;
    Request request;
    const qsizetype comma = argument.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        request = cutAt(argument, comma);
        // A folder name with a comma in it: only where the first cut names no file does a longer
        // path that names one win, so every argument that worked before keeps its meaning.
        if (isFile && !isFile(request.helpPath)) {
            for (qsizetype later = argument.indexOf(QLatin1Char(','), comma + 1); later >= 0;
                 later = argument.indexOf(QLatin1Char(','), later + 1)) {
                const Request longer = cutAt(argument, later);
                if (isFile(longer.helpPath)) {
                    request = longer;
                    break;
                }
            }
        }
    } else {
        request.helpPath = HelpFile::trimSpaces(argument);
        request.topic = QString(contentsTopic);
    }
    if (request.helpPath.isEmpty())
        return std::nullopt;
    return request;
}

} // namespace Viewer
