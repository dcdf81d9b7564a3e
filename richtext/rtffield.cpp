// Field instructions: words and quoted arguments, switches with their arguments.
#include "richtext/rtffield.h"

#include <QStringList>

namespace Rtf {

namespace {

QStringList words(const QString &instruction)
{
    QStringList list;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : instruction) {
        if (c == u'"') {
            if (quoted)
                list.append(word), word.clear(), inWord = false;
            quoted = !quoted;
            continue;
        }
        if (!quoted && c.isSpace()) {
            if (inWord)
                list.append(word), word.clear();
            inWord = false;
            continue;
        }
        word.append(c);
        inWord = true;
    }
    if (!word.isEmpty())
        list.append(word);
    return list;
}

} // namespace

QString hyperlinkTarget(const QString &instruction)
{
    const QStringList list = words(instruction);
    if (list.isEmpty() || list.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return QString();
    QString address;
    QString bookmark;
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString &word = list.at(i);
        if (word.size() == 2 && word.at(0) == u'\\') {
            const QChar name = word.at(1).toLower();
            // \l names a bookmark, \o a tooltip, \t a target frame; \m and \n stand alone.
            if ((name == u'l' || name == u'o' || name == u't') && i + 1 < list.size()) {
                if (name == u'l')
                    bookmark = list.at(i + 1);
                ++i;
            }
            continue;
        }
        if (address.isEmpty())
            address = word;
    }
    // Word writes a backslash in a quoted path twice.
    address.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (!bookmark.isEmpty())
        return address + QLatin1Char('#') + bookmark;
    return address;
}

} // namespace Rtf
