// The viewer's style: the extension button's picture from the style's files, read directly.
#include "helpviewer/viewerstyle.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QStyleOption>

namespace Viewer {

QPixmap builtInPng(const QString &file)
{
    // Qt's reader warns of a file that is not there.
    if (!QFile::exists(file))
        return {};
    QImageReader reader(file, "png");
    // With the format named and nothing else tried, no plugin is asked.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon ViewerStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                const QWidget *widget) const
{
    // Qt's Fusion and Windows styles take this picture from their common style's files; any other
    // style keeps its own.
    const QString base = baseStyle()->name();
    if (standardIcon != SP_ToolBarHorizontalExtensionButton ||
        (base.compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 &&
         base.compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0))
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The same files in the same three sizes.
    const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    const QString name = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                             .arg(rightToLeft ? QStringLiteral("rtl-") : QString());
    QIcon icon;
    for (const int size : {8, 16, 32}) {
        const QPixmap picture = builtInPng(name.arg(size));
        if (picture.isNull())
            return QProxyStyle::standardIcon(standardIcon, option, widget);
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace Viewer
