// The word list's line breaks: CR LF, a lone CR or a lone LF each end a line.
#pragma once

#include <QByteArrayView>

// Calls f(line) for every line of the bytes, without its break, until f returns false. A last line
// without a break counts; a final break adds no empty line.
template <typename F> void forEachLine(QByteArrayView bytes, F &&f)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < size; ++pos) {
        const char c = data[pos];
        if (c != '\r' && c != '\n')
            continue;
        if (!f(QByteArrayView(data + start, pos - start)))
            return;
        if (c == '\r' && pos + 1 < size && data[pos + 1] == '\n')
            ++pos;
        start = pos + 1;
    }
    if (start < size)
        f(QByteArrayView(data + start, size - start));
}
