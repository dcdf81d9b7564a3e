// Helpers for the harnesses: the fuzzer's bytes as Qt types.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString fuzzText(const uint8_t *data, size_t size)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(fuzzBytes(data, size));
}
