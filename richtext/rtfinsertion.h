// Where the writers put text and paragraphs: straight into the document's pieces, with each of the
// reader's formats looked up in the document's format collection once.
#pragma once

#include "richtext/rtfstate.h"

#include <QString>

#include <vector>

class QTextDocument;
class QTextDocumentPrivate;
class QTextFormat;

namespace Rtf {

class Formats;

class Insertion
{
public:
    // Through the cursor: every run and paragraph goes through QTextCursor as in any other code,
    // the way the direct insertion is checked against.
    Insertion(QTextDocument *document, Formats &formats, bool throughCursor);

    Formats &formats() { return m_formats; }
    bool throughCursor() const { return m_throughCursor; }

    // Indices in the document's format collection.
    int charFormatIndex(const CharState &chars);
    int blockFormatIndex(const ParaState &para);
    int formatIndex(const QTextFormat &format);

    // Whether the document may take the text as it is: QTextCursor makes paragraphs of line ends
    // and paragraph and frame marks, the document's pieces would keep them as characters.
    static bool isPlainRun(QStringView text);
    // At a position, as QTextCursor puts them there, but without its work per call (the cursor
    // at that position moves along). The text must be a plain run.
    void insertText(int position, const QString &text, int charFormat);
    void insertBlock(int position, int blockFormat, int charFormat);

private:
    int &cachedIndex(int serial);
    // The index of a format Formats made, looked up once for its serial number.
    template <typename Made> int indexOf(const Made &made);

    QTextDocumentPrivate *m_document;
    Formats &m_formats;
    bool m_throughCursor;
    std::vector<int> m_indices; // by the formats' serial numbers; -1 until looked up
};

} // namespace Rtf
