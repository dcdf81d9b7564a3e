// Where a link of a topic leads: a bookmark of the topic, an address for the desktop, or another
// topic of the same help file.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace Viewer {

struct TopicLink
{
    enum class Kind {
        Nowhere,  // nothing to follow
        Bookmark, // scroll the shown topic to `bookmark`
        Desktop,  // open `url` with the desktop's handler (web page, mail, file)
        Topic,    // show `topic`, then scroll to `bookmark` if one is given
    };
    Kind kind = Kind::Nowhere;
    QString topic;
    QString bookmark;
    QUrl url;
};

// "#name" is a bookmark; an address with a scheme ("https:", "mailto:") or starting with "www."
// goes to the desktop; a name among the help file's topics (index), optionally followed by
// "#bookmark", is that topic. Anything else leads nowhere.
TopicLink topicLink(const QString &target, const QStringList &topics);

} // namespace Viewer
