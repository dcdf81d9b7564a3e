// A page button in its picture frame.
#include "helpviewer/pagebutton.h"

#include "helpviewer/viewerstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Tessavor {

namespace {
constexpr int left = 8;
constexpr int top = 60;
constexpr int width = 123;
constexpr int height = 44;
constexpr int step = 127;
constexpr int pictureSize = 32;

// Qt's common style keeps these pictures as files of its resources; a theme lookup for them
// costs several milliseconds of the start-up, the file well under one.
QString styleFileOf(QStyle::StandardPixmap which)
{
    switch (which) {
    case QStyle::SP_FileDialogContentsView:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/filecontents-32.png");
    case QStyle::SP_FileDialogDetailedView:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/viewdetailed-32.png");
    case QStyle::SP_FileDialogInfoView:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/fileinfo-32.png");
    case QStyle::SP_FileIcon:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-32.png");
    default:
        return QString();
    }
}
} // namespace

QPixmap pagePicture(const QWidget *widget, QStyle::StandardPixmap which)
{
    const QString file = styleFileOf(which);
    if (!file.isEmpty()) {
        const QPixmap picture = Viewer::builtInPng(file);
        if (picture.width() == pictureSize && picture.height() == pictureSize)
            return picture;
    }
    return widget->style()->standardIcon(which).pixmap(pictureSize, pictureSize);
}

QPushButton *addPageButton(QWidget *parent, const QString &name, const QString &text, int slot,
                           const QPixmap &picture)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("fra") + name.mid(3));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(left + slot * step, top, width, height);

    auto *label = new QLabel(frame);
    label->setGeometry(4, 6, pictureSize, pictureSize);
    label->setPixmap(picture);

    auto *button = new QPushButton(text, frame);
    button->setObjectName(name);
    button->setGeometry(39, 8, 80, 28);
    button->setAutoDefault(true);
    return button;
}

} // namespace Tessavor
