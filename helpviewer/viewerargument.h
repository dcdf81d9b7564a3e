// The viewer's one argument: "<help file path>, <topic>", cut at the first comma.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Viewer {

// The topic names that select a page instead of a topic (exact, case-sensitive).
inline constexpr QLatin1StringView contentsTopic{"Inhalt"};
inline constexpr QLatin1StringView indexTopic{"Index"};

struct Request
{
    QString helpPath; // trimmed
    QString topic;    // exactly as it stands after the comma and the character that follows it
};

// The argument string as the caller built it: the process arguments after the program name,
// joined with single blanks (a caller that did not quote a path with blanks split it).
QString joinArguments(const QStringList &arguments);

// Cuts the argument at its first comma: the path is everything before it, trimmed; the topic is
// everything from the second character after it, untrimmed (the character right after the comma
// is skipped whatever it is). Without a comma the whole argument, trimmed, is the path and the
// topic is "Inhalt". No value when the argument or the path is empty.
// With `isFile`, a help file path whose folder holds a comma is found too: when the text before the
// first comma names no file, the first longer text ending before a later comma that names a file is
// the path, and the topic follows that comma the same way.
std::optional<Request> parseArgument(const QString &argument,
                                     const std::function<bool(const QString &)> &isFile = {});

} // namespace Viewer
