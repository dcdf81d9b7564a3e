// 64-bit FNV-1a over bytes: quick to compute, for hash tables and for telling a damaged file.
#pragma once

#include <QtGlobal>

#include <cstring>
#include <string_view>

inline constexpr quint64 fnv1a64Offset = 14695981039346656037ULL;
inline constexpr quint64 fnv1a64Prime = 1099511628211ULL;

inline constexpr quint64 fnv1a64(std::string_view bytes)
{
    quint64 hash = fnv1a64Offset;
    for (const char c : bytes) {
        hash ^= quint8(c);
        hash *= fnv1a64Prime;
    }
    return hash;
}

// The same steps over eight bytes at a time (in the machine's byte order), the bytes after the
// last whole eight one by one: for telling a damaged file of some hundred KB, where the byte-wise
// hash, one multiplication per byte, takes a millisecond. Every change of a single eight-byte word
// changes the result. Pieces whose sizes before the last are multiples of eight can be hashed one
// after the other: each call continues from the `hash` of the one before.
inline quint64 fnv1a64Words(std::string_view bytes, quint64 hash = fnv1a64Offset)
{
    const char *at = bytes.data();
    const char *const wholeEnd = at + (bytes.size() & ~size_t(7));
    for (; at != wholeEnd; at += 8) {
        quint64 word = 0;
        std::memcpy(&word, at, sizeof word);
        hash ^= word;
        hash *= fnv1a64Prime;
    }
    for (const char *const end = bytes.data() + bytes.size(); at != end; ++at) {
        hash ^= quint8(*at);
        hash *= fnv1a64Prime;
    }
    return hash;
}
