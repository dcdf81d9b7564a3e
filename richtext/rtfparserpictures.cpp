// The RTF parser's pictures: PNG and JPEG as they are, device-independent bitmaps as BMP files,
// metafiles as a frame with a note; decoded only when painted.
#include "richtext/rtfparser.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace Rtf {

namespace {

// A device-independent bitmap as a BMP file: the file header says where the pixels start.
QByteArray bmpFile(const QByteArray &dib)
{
    if (dib.size() < 40)
        return QByteArray();
    const auto *bytes = reinterpret_cast<const uchar *>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes);
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 14);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 16);
    quint32 colours = qFromLittleEndian<quint32>(bytes + 32);
    if (headerSize < 40 || headerSize > quint32(dib.size()) || colours > 256)
        return QByteArray();
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 masks = headerSize == 40 && compression == 3 ? 12 : 0;
    const quint32 offset = 14 + headerSize + masks + colours * 4;
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(offset, file.data() + 10);
    return file + dib;
}

} // namespace

void Parser::finishPicture(const GroupState &parent)
{
    PictureData data = std::move(m_picture);
    m_picture = PictureData();
    const bool inShape = parent.destination == Destination::Shape;
    if (data.kind == PictureData::Kind::Other || parent.chars.hidden ||
        (parent.destination != Destination::Text && !inShape))
        return;
    Picture picture;
    double width = data.widthGoal > 0 ? Formats::twipsToPixels(data.widthGoal) : 0;
    double height = data.heightGoal > 0 ? Formats::twipsToPixels(data.heightGoal) : 0;
    if (data.kind == PictureData::Kind::Metafile) {
        // A frame of the picture's size says what is missing.
        picture.note = QStringLiteral("Bild nicht darstellbar (WMF/EMF)");
        if (width <= 0 || height <= 0) {
            width = data.width > 0 ? data.width * 96.0 / 2540.0 : 120.0;
            height = data.height > 0 ? data.height * 96.0 / 2540.0 : 80.0;
        }
    } else {
        picture.data = data.kind == PictureData::Kind::Dib ? bmpFile(data.data) : std::move(data.data);
        picture.format = data.kind == PictureData::Kind::Png    ? QStringLiteral("PNG")
                         : data.kind == PictureData::Kind::Jpeg ? QStringLiteral("JPEG")
                                                                : QStringLiteral("BMP");
        // Only the header is read here; the picture is decoded when it is painted.
        QBuffer buffer(&picture.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, picture.format.toLatin1());
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty())
            return;
        if (width <= 0 || height <= 0) {
            width = size.width();
            height = size.height();
        }
    }
    picture.width = std::min(width * data.scaleX / 100.0, 4000.0);
    picture.height = std::min(height * data.scaleY / 100.0, 4000.0);
    flushListMarker();
    m_builder.appendPicture(picture, parent.chars, parent.para);
    if (inShape)
        m_shapePictureShown = true;
}

} // namespace Rtf
