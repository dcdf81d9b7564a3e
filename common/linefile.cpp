// Windows-1252 line files: splitting and joining.
#include "common/linefile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace LineFile {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
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

QStringList splitLines(const QByteArray &bytes, Breaks breaks)
{
    // CR and LF decode to themselves in Windows-1252, so the text is decoded once and split after.
    const QString text = decode(bytes);
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            lines.append(text.mid(start, i - start));
            i += (i + 1 < size && text.at(i + 1) == u'\n') ? 2 : 1;
            start = i;
        } else if (c == u'\n' && breaks == Breaks::AnyBreak) {
            lines.append(text.mid(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
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
