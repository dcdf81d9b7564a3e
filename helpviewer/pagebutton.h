// The main window's page buttons, each in a small picture frame with an icon.
#pragma once

#include <QIcon>
#include <QString>

class QPushButton;
class QWidget;

namespace Tessavor {

// Places button number `slot` (0 to 3, left to right) under the banner; the frame is named after
// the button ("cmdInhalt" sits in "fraInhalt").
QPushButton *addPageButton(QWidget *parent, const QString &name, const QString &text, int slot,
                           const QIcon &icon);

} // namespace Tessavor
