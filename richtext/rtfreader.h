// The RTF reader: turns the bytes of an RTF document into a QTextDocument, without any widget.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace Rtf {

// True when the bytes start, after an optional UTF-8 byte order mark and whitespace, with "{\rtf".
bool isRtf(const QByteArray &bytes);

// Replaces the document's content with the RTF document in the bytes. Returns false and leaves
// the document empty when the bytes hold no RTF document. Damaged input (unbalanced braces, a
// truncated file, junk) is read as far as it makes sense and never crashes or hangs.
bool read(const QByteArray &bytes, QTextDocument *document);

// How the text goes into the document. Through the cursor: every run and paragraph through
// QTextCursor, slower, the same document; the tests check the direct way against it.
struct ReadOptions
{
    bool throughCursor = false;
};
bool read(const QByteArray &bytes, QTextDocument *document, const ReadOptions &options);

} // namespace Rtf
