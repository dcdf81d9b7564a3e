// Windows-1252 line files: splitting and joining.
#include "common/linefile.h"

#include "common/codepage.h"

#include <QStringEncoder>

#include <algorithm>

namespace LineFile {

QString decode(const QByteArray &bytes)
{
    // Through the table, made once from the converter: opening a converter per call cost more than
    // the decoding of a short file.
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
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size && lines.size() != most) {
        const char c = data[i];
        if (c == '\r') {
            take(start, i);
            i += (i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else if (c == '\n' && breaks == Breaks::AnyBreak) {
            take(start, i);
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < size && lines.size() != most)
        take(start, size);
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
