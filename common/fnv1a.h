// 64-bit FNV-1a over bytes: quick to compute, for hash tables and for telling a damaged file.
#pragma once

#include <QtGlobal>

#include <string_view>

inline constexpr quint64 fnv1a64(std::string_view bytes)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}
