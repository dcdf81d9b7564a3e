// The Windows-1252 table, written out: opening the platform's converter (ICU) takes about a
// millisecond, and a reader that only needs this code page should not pay it. The tests compare
// every byte with the converter.
#include "common/codepage.h"

#include <array>

namespace Windows1252 {

namespace {

// Bytes 0x80 to 0x9F; every other byte is the character of its own number. The five bytes the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for themselves, as in the converter.
constexpr std::array<char16_t, 32> from0x80 = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> chars{};
    for (size_t b = 0; b < chars.size(); ++b)
        chars[b] = b >= 0x80 && b < 0xA0 ? from0x80[b - 0x80] : char16_t(b);
    return chars;
}

constexpr std::array<char16_t, 256> table = makeTable();

} // namespace

char16_t unit(unsigned char byte)
{
    return table[byte];
}

void decodeInto(QByteArrayView bytes, char16_t *out)
{
    const std::array<char16_t, 256> &chars = table;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    // Eight at a time: the fuzzing builds trace every comparison, the loop's test among them.
    for (; i + 8 <= size; i += 8) {
        for (int k = 0; k < 8; ++k)
            out[i + k] = chars[in[i + k]];
    }
    for (; i < size; ++i)
        out[i] = chars[in[i]];
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace Windows1252
