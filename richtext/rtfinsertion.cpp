// Text and paragraphs into the document's pieces, with a format index per distinct format.
#include "richtext/rtfinsertion.h"

#include "richtext/rtfformats.h"

#include <QTextDocument>
#include <private/qtextdocument_p.h>

#include <algorithm>

namespace Rtf {

Insertion::Insertion(QTextDocument *document, Formats &formats, bool throughCursor)
    : m_document(QTextDocumentPrivate::get(document)), m_formats(formats), m_throughCursor(throughCursor)
{}

int &Insertion::cachedIndex(int serial)
{
    if (std::size_t(serial) >= m_indices.size())
        m_indices.resize(std::max(std::size_t(m_formats.serialLimit()), std::size_t(serial) + 1), -1);
    return m_indices[std::size_t(serial)];
}

int Insertion::charFormatIndex(const CharState &chars)
{
    const Formats::CharFormat &made = m_formats.madeCharFormat(chars);
    int &index = cachedIndex(made.serial);
    if (index < 0)
        index = formatIndex(made.format);
    return index;
}

int Insertion::blockFormatIndex(const ParaState &para)
{
    const Formats::BlockFormat &made = m_formats.madeBlockFormat(para);
    int &index = cachedIndex(made.serial);
    if (index < 0)
        index = formatIndex(made.format);
    return index;
}

int Insertion::formatIndex(const QTextFormat &format)
{
    return m_document->formatCollection()->indexForFormat(format);
}

bool Insertion::isPlainRun(QStringView text)
{
    // One pass without an early exit, which the compiler can do many characters at a time.
    bool breaks = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        breaks |= u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator ||
                  u == QTextBeginningOfFrame.unicode() || u == QTextEndOfFrame.unicode();
    }
    return !breaks;
}

void Insertion::insertText(int position, const QString &text, int charFormat)
{
    m_document->insert(position, text, charFormat);
}

void Insertion::insertBlock(int position, int blockFormat, int charFormat)
{
    m_document->insertBlock(position, blockFormat, charFormat);
}

} // namespace Rtf
