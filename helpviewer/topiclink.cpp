// Where a topic's link leads, decided from its target text alone.
#include "helpviewer/topiclink.h"

namespace Viewer {

TopicLink topicLink(const QString &target, const QStringList &topics)
{
    TopicLink link;
    const QString text = target.trimmed();
    if (text.isEmpty())
        return link;
    if (text.startsWith(u'#')) {
        link.kind = TopicLink::Kind::Bookmark;
        link.bookmark = text.mid(1);
        return link;
    }
    // A one-letter scheme is a drive letter, not a scheme.
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1) {
        link.kind = TopicLink::Kind::Desktop;
        link.url = url;
        return link;
    }
    if (text.startsWith(u"www.", Qt::CaseInsensitive)) {
        link.kind = TopicLink::Kind::Desktop;
        link.url = QUrl(QStringLiteral("http://") + text);
        return link;
    }
    const qsizetype hash = text.indexOf(u'#');
    const QString topic = (hash < 0 ? text : text.left(hash)).trimmed();
    if (topics.contains(topic)) {
        link.kind = TopicLink::Kind::Topic;
        link.topic = topic;
        link.bookmark = hash < 0 ? QString() : text.mid(hash + 1);
    }
    return link;
}

} // namespace Viewer
