// Text and paragraphs into the document's pieces, with a format index per distinct format.
#include "richtext/rtfinsertion.h"

#include "richtext/rtfformats.h"

#include <QTextDocument>
#include <private/qtextdocument_p.h>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

template <typename Made> int Insertion::indexOf(const Made &made)
{
    int &index = cachedIndex(made.serial);
    if (index < 0)
        index = formatIndex(made.format);
    return index;
}

int Insertion::charFormatIndex(const CharState &chars)
{
    return indexOf(m_formats.madeCharFormat(chars));
}

int Insertion::blockFormatIndex(const ParaState &para)
{
    return indexOf(m_formats.madeBlockFormat(para));
}

int Insertion::formatIndex(const QTextFormat &format)
{
    return m_document->formatCollection()->indexForFormat(format);
}

bool Insertion::isPlainRun(QStringView text)
{
    const auto breaksBlock = [](char16_t u) {
        return u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator ||
               u == QTextBeginningOfFrame.unicode() || u == QTextEndOfFrame.unicode();
    };
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
#if defined(__SSE2__)
    // Eight characters at a time; the two frame marks differ in the lowest bit only.
    const __m128i lineFeed = _mm_set1_epi16(u'\n');
    const __m128i carriageReturn = _mm_set1_epi16(u'\r');
    const __m128i paragraph = _mm_set1_epi16(short(QChar::ParagraphSeparator));
    const __m128i frame = _mm_set1_epi16(short(QTextBeginningOfFrame.unicode()));
    const __m128i lowBitOff = _mm_set1_epi16(short(0xFFFE));
    for (; end - p >= 8; p += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi16(units, lineFeed), _mm_cmpeq_epi16(units, carriageReturn)),
            _mm_or_si128(_mm_cmpeq_epi16(units, paragraph),
                         _mm_cmpeq_epi16(_mm_and_si128(units, lowBitOff), frame)));
        if (_mm_movemask_epi8(hits) != 0)
            return false;
    }
#endif
    for (; p < end; ++p)
        if (breaksBlock(*p))
            return false;
    return true;
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
