// The RTF reader: checks the signature, then lets the parser fill the document in one edit block.
#include "richtext/rtfreader.h"

#include "richtext/rtfdocumentbuilder.h"
#include "richtext/rtfparser.h"

#include <QTextDocument>

namespace Rtf {

bool isRtf(const QByteArray &bytes)
{
    // A UTF-8 byte order mark may stand first, as some editors write it.
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n' ||
                                bytes[i] == '\f' || bytes[i] == '\v'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf");
}

bool read(const QByteArray &bytes, QTextDocument *document)
{
    return read(bytes, document, ReadOptions());
}

bool read(const QByteArray &bytes, QTextDocument *document, const ReadOptions &options)
{
    document->clear();
    if (!isRtf(bytes))
        return false;
    // No undo history for a loaded document, and one layout pass at the end instead of one per
    // inserted run.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    {
        DocumentBuilder builder(document, options.throughCursor); // one edit block while it lives
        Parser(bytes, builder).run();
    }
    document->setUndoRedoEnabled(undo);
    return true;
}

} // namespace Rtf
