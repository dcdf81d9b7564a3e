// Generating a large help file through the writer the authoring program uses.
#include "bench/helpviewer/largehelp.h"

#include "common/linefile.h"
#include "helpfile/helpwriter.h"

namespace LargeHelp {

QString topicName(int number)
{
    return QStringLiteral("Thema %1").arg(number);
}

QByteArray compose(HelpFile::Kind kind, int topics)
{
    // About 5 KB a topic, so that 10,000 topics make a help of about 50 MB.
    const int paragraphs = kind == HelpFile::Kind::RichText ? 27 : 60;
    HelpFile::Content content;
    content.kind = kind;
    content.title = QStringLiteral("Große Hilfe mit %1 Themen").arg(topics);
    for (int n = 1; n <= topics; ++n) {
        const QString name = topicName(n);
        content.topicList << name;
        QStringList body;
        if (kind == HelpFile::Kind::RichText) {
            body << QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                                   "{\\f1\\froman Times New Roman;}}")
                 << QStringLiteral("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue160;}")
                 << QStringLiteral("\\pard\\sa120\\f0\\fs28\\b\\cf2 %1\\b0\\cf1\\par").arg(name);
            for (int p = 0; p < paragraphs; ++p) {
                body << QStringLiteral("\\pard\\sa120\\fs20 Absatz %1 von %2: Die \\i a-Deklination\\i0  "
                                       "kennt amica, amicae, amicae, amicam, amica; W\\'f6rter f\\'fcr "
                                       "\\b Lektion %3\\b0  stehen im W\\'f6rterbuch.\\par")
                            .arg(p + 1)
                            .arg(name)
                            .arg(n % 60 + 1);
            }
            body << QStringLiteral("}");
        } else {
            for (int p = 0; p < paragraphs; ++p)
                body << QStringLiteral("Absatz %1 von %2: Wörter für Lektion %3.")
                            .arg(p + 1)
                            .arg(name)
                            .arg(n % 60 + 1);
        }
        content.topics.append({name, body});
    }
    return LineFile::joinLines(HelpFile::composeLines(content));
}

} // namespace LargeHelp
