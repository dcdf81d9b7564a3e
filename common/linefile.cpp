// Windows-1252 line files: splitting and joining.
#include "common/linefile.h"

#include "common/codepage.h"

#include <QStringEncoder>

#include <algorithm>

namespace LineFile {

QString decode(const QByteArray &bytes)
{
    // Through the table: opening a converter per call cost more than the decoding of a short file.
    return Windows1252::decode(bytes);
}

QByteArray encode(const QString &text)
{
    // Plain ASCII is the same in Windows-1252; anything else goes through the encoder, which knows
    // what to put for a character the code page lacks.
    const qsizetype size = text.size();
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    qsizetype i = 0;
    while (i < size && in[i] < 0x80)
        ++i;
    if (i == size) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (qsizetype j = 0; j < size; ++j)
            bytes[j] = char(in[j]);
        return bytes;
    }
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QStringList splitLines(const QByteArray &bytes, Breaks breaks, qsizetype most)
{
    // Windows-1252 gives CR and LF for these bytes alone and one character per byte, so each line
    // is decoded straight from its bytes.
    QStringList lines;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    const qsizetype breaksAtMost = bytes.count('\r') + (breaks == Breaks::AnyBreak ? bytes.count('\n') : 0);
    lines.reserve(most >= 0 ? std::min(most, breaksAtMost + 1) : breaksAtMost + 1);
    const auto take = [&](qsizetype start, qsizetype end) {
        QString line(end - start, Qt::Uninitialized);
        Windows1252::decodeInto(QByteArrayView(data + start, end - start),
                                reinterpret_cast<char16_t *>(line.data()));
        lines.append(std::move(line));
    };
    // The breaks are found by indexOf (memchr), not by a test of every byte in a loop of our own.
    const QByteArrayView view(bytes);
    const bool lineFeeds = breaks == Breaks::AnyBreak;
    qsizetype nextCr = view.indexOf('\r');
    qsizetype nextLf = lineFeeds ? view.indexOf('\n') : -1;
    qsizetype start = 0;
    while (start < size && lines.size() != most) {
        if (nextCr >= 0 && nextCr < start)
            nextCr = view.indexOf('\r', start);
        if (nextLf >= 0 && nextLf < start)
            nextLf = view.indexOf('\n', start);
        qsizetype end = size;
        qsizetype next = size;
        if (nextCr >= 0 && (nextLf < 0 || nextCr < nextLf)) {
            end = nextCr;
            next = end + 1 < size && data[end + 1] == '\n' ? end + 2 : end + 1;
        } else if (nextLf >= 0) {
            end = nextLf;
            next = end + 1;
        }
        take(start, end);
        start = next;
    }
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    // Encoded as one text: CR LF are themselves in Windows-1252, and a converter opened for every
    // line that is not plain ASCII cost more than the encoding.
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += u"\r\n";
    }
    return encode(text);
}

} // namespace LineFile
