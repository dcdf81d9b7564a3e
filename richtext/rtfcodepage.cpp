// Code pages of RTF text: tables for 8-bit pages, the platform converter for multi-byte pages.
#include "richtext/rtfcodepage.h"

#include "richtext/rtfsymbolfonts.h"

#include "common/codepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <mutex>
#include <optional>

namespace Rtf {

int codePageForCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Shift-JIS
    case 129:
        return 949; // Hangul
    case 134:
        return 936; // GB2312
    case 136:
        return 950; // Big5
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Eastern European
    case 254:
        return 437; // PC 437
    default:
        return 0; // ANSI, default, symbol and unknown: the document's code page
    }
}

namespace {

QByteArray converterName(int number, bool *singleByte)
{
    *singleByte = true;
    switch (number) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    case 932:
        *singleByte = false;
        return "Shift_JIS";
    case 936:
        *singleByte = false;
        return "GBK";
    case 949:
        *singleByte = false;
        return "windows-949";
    case 950:
        *singleByte = false;
        return "Big5";
    case 65001:
        *singleByte = false;
        return "UTF-8";
    default:
        if (number == 874 || (number >= 1250 && number <= 1258))
            return "windows-" + QByteArray::number(number);
        return "windows-1252";
    }
}

} // namespace

CodePage::CodePage(int number) : m_number(number)
{
    if (number == symbolCodePage || number == wingdingsCodePage) {
        for (int b = 0; b < 256; ++b)
            m_table[b] = symbolFontUnit(number, static_cast<unsigned char>(b));
        m_name = "windows-1252";
        m_symbol = true;
        return;
    }
    m_name = converterName(number, &m_singleByte);
    if (m_name == "windows-1252") {
        // The page of nearly every document, from the written-out table: no converter is opened.
        for (int b = 0; b < 256; ++b)
            m_table[b] = Windows1252::unit(static_cast<unsigned char>(b));
        return;
    }
    if (!QStringDecoder(m_name.constData()).isValid()) {
        m_name = "windows-1252";
        m_singleByte = true;
    }
    for (int b = 0; b < 128; ++b)
        m_table[b] = char16_t(b);
    if (!m_singleByte)
        return;
    for (int b = 128; b < 256; ++b) {
        const char byte = char(b);
        QStringDecoder decoder(m_name.constData());
        const QString unit = decoder.decode(QByteArrayView(&byte, 1));
        m_table[b] = unit.size() == 1 ? unit.at(0).unicode() : u'\uFFFD';
    }
}

QString CodePage::decodeMultiByte(const QByteArray &bytes) const
{
    QStringDecoder decoder(m_name.constData());
    return decoder.decode(bytes);
}

const CodePage &CodePage::forNumber(int number)
{
    // Every number converterName() or the symbol fonts tell apart; any other decodes as 1252.
    static constexpr std::array known = {symbolCodePage,
                                         wingdingsCodePage,
                                         437,
                                         850,
                                         874,
                                         932,
                                         936,
                                         949,
                                         950,
                                         1250,
                                         1251,
                                         1252,
                                         1253,
                                         1254,
                                         1255,
                                         1256,
                                         1257,
                                         1258,
                                         10000,
                                         65001};
    const auto *found = std::find(known.begin(), known.end(), number);
    if (found == known.end())
        found = std::find(known.begin(), known.end(), 1252);
    const std::size_t index = std::size_t(found - known.begin());
    static std::array<std::once_flag, known.size()> built;
    static std::array<std::optional<CodePage>, known.size()> pages;
    std::call_once(built[index], [index] { pages[index].emplace(known[index]); });
    return *pages[index];
}

} // namespace Rtf
