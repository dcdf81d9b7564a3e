// Helpers for the RTF tests: read bytes into a document and look at text and formats.
#pragma once

#include "richtext/rtfreader.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace RtfTest {

// The document text with paragraphs, line breaks and table edges as LF, no-break spaces kept.
inline QString docText(const QTextDocument &document)
{
    QString raw = document.toRawText();
    for (QChar &c : raw)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c.unicode() == 0xFDD0 ||
            c.unicode() == 0xFDD1)
            c = QLatin1Char('\n');
    return raw;
}

// The text before the notes, which follow a block with a line.
inline QString bodyText(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            return docText(document).left(block.position());
    return docText(document);
}

// Position of the first character of needle in the document; -1 if absent.
inline int find(const QTextDocument &document, const QString &needle)
{
    return int(docText(document).indexOf(needle));
}

// The character format of the first character of needle (an invalid format if absent).
inline QTextCharFormat charFormatAt(const QTextDocument &document, const QString &needle)
{
    const int pos = find(document, needle);
    if (pos < 0)
        return QTextCharFormat();
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(pos + 1);
    return cursor.charFormat();
}

// The picture a document shows under the name, decoded as the text area decodes it to paint it.
inline QImage pictureOf(const QTextDocument &document, const QString &name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    return resource.userType() == QMetaType::QImage ? resource.value<QImage>()
                                                    : QImage::fromData(resource.toByteArray());
}

inline QTextBlockFormat blockFormatAt(const QTextDocument &document, const QString &needle)
{
    const int pos = find(document, needle);
    return pos < 0 ? QTextBlockFormat() : document.findBlock(pos).blockFormat();
}

} // namespace RtfTest
