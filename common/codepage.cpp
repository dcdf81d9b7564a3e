// The Windows-1252 table, filled from the converter so that it cannot differ from it.
#include "common/codepage.h"

#include <QStringDecoder>

#include <array>

namespace Windows1252 {

namespace {

struct Table
{
    std::array<char16_t, 256> chars{};

    Table()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(all);
        // Every byte of this code page is one character; were it not, the bytes would stand for
        // themselves rather than shift every later character.
        for (int b = 0; b < 256; ++b)
            chars[size_t(b)] = text.size() == 256 ? text.at(b).unicode() : char16_t(b);
    }
};

const Table &table()
{
    static const Table instance;
    return instance;
}

} // namespace

void decodeInto(QByteArrayView bytes, char16_t *out)
{
    const std::array<char16_t, 256> &chars = table().chars;
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
