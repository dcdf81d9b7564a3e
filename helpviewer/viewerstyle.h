// The viewer's style, and the style's own pictures read without the image format plugins.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QString>

namespace Viewer {

// A PNG file read by Qt's own PNG reader alone; null when it cannot be read. Read the usual way (a
// QPixmap or a QIcon file by name), a PNG file makes Qt load every image format plugin to ask
// whether it reads PNG: the GIF, ICO and JPEG plugins and libjpeg, about 0.6 ms of the start-up.
QPixmap builtInPng(const QString &file);

// The desktop's style (or the one chosen with -style), except that the menu bar's extension
// button gets its picture through builtInPng. The menu bar makes that button when it is made, and
// its picture was the last one of the window that made Qt load the image format plugins; they now
// load when a topic's picture needs them.
class ViewerStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Without a style, the desktop's; given one, that one.
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace Viewer
