// The main window's page buttons, each in a small picture frame with an icon.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStyle>

class QPushButton;
class QWidget;

namespace Tessavor {

// Places button number `slot` (0 to 3, left to right) under the banner; the frame is named after
// the button ("cmdInhalt" sits in "fraInhalt").
QPushButton *addPageButton(QWidget *parent, const QString &name, const QString &text, int slot,
                           const QPixmap &picture);

// The 32 x 32 picture of a page button: the style's own picture file when it has one, read
// without an icon theme search or the image format plugins while the viewer starts; otherwise the
// style's standard icon.
QPixmap pagePicture(const QWidget *widget, QStyle::StandardPixmap which);

} // namespace Tessavor
