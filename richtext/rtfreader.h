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

// How the text goes into the document; every way gives the same document.
struct ReadOptions
{
    // Every run and paragraph through QTextCursor, on one thread: slower, the way the tests check
    // the others against.
    bool throughCursor = false;
    // From this size on the document is parsed on a second thread while this one puts its
    // content in; a help topic, which is much smaller, takes no thread, nor does any document on
    // a machine with one processor.
    qsizetype twoThreadsFrom = defaultTwoThreadsFrom();

    static qsizetype defaultTwoThreadsFrom();
};
bool read(const QByteArray &bytes, QTextDocument *document, const ReadOptions &options);

} // namespace Rtf
