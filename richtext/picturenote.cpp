// The stand-in frame of a picture: a grey border, a light face and the note in the middle.
#include "richtext/picturenote.h"

#include "richtext/rtfcursorwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

void PictureNote::registerWith(QTextDocument *document)
{
    document->documentLayout()->registerHandler(Rtf::pictureNoteObjectType, new PictureNote(document));
}

QSizeF PictureNote::intrinsicSize(QTextDocument *, int, const QTextFormat &format)
{
    return QSizeF(format.doubleProperty(Rtf::pictureNoteWidthProperty),
                  format.doubleProperty(Rtf::pictureNoteHeightProperty));
}

void PictureNote::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                             const QTextFormat &format)
{
    painter->save();
    painter->setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
    painter->setBrush(QColor(245, 245, 245));
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setPen(QColor(80, 80, 80));
    QFont font = painter->font();
    font.setPointSizeF(8);
    painter->setFont(font);
    painter->drawText(rect.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                      format.stringProperty(Rtf::pictureNoteTextProperty));
    painter->restore();
}
