// Cutting the viewer's argument into help file path and topic.
#include "helpviewer/viewerargument.h"

#include "helpfile/helpfile.h"

namespace Viewer {

QString joinArguments(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

std::optional<Request> parseArgument(const QString &argument)
{
    if (argument.isEmpty())
        return std::nullopt;
    Request request;
    const qsizetype comma = argument.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        request.helpPath = HelpFile::trimSpaces(argument.left(comma));
        request.topic = argument.mid(comma + 2); // empty when that lies beyond the end
    } else {
        request.helpPath = HelpFile::trimSpaces(argument);
        request.topic = QString(contentsTopic);
    }
    if (request.helpPath.isEmpty())
        return std::nullopt;
    return request;
}

} // namespace Viewer
