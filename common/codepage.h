// Windows-1252 decoded one byte at a time through a table: the same characters as LineFile::decode,
// for readers that decode many short pieces.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace Windows1252 {

// The character of one byte.
char16_t unit(unsigned char byte);

// Writes bytes.size() characters to `out`.
void decodeInto(QByteArrayView bytes, char16_t *out);
QString decode(QByteArrayView bytes);

} // namespace Windows1252
