// The frame that stands in for a picture the reader cannot show: drawn at the picture's size with
// its short note.
#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

class PictureNote : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Lets the document's layout draw the frames; the document owns the handler.
    static void registerWith(QTextDocument *document);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;

private:
    using QObject::QObject;
};
