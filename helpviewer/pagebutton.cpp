// A page button in its picture frame.
#include "helpviewer/pagebutton.h"

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
} // namespace

QPushButton *addPageButton(QWidget *parent, const QString &name, const QString &text, int slot,
                           const QIcon &icon)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("fra") + name.mid(3));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(left + slot * step, top, width, height);

    auto *picture = new QLabel(frame);
    picture->setGeometry(4, 6, 32, 32);
    picture->setPixmap(icon.pixmap(32, 32));

    auto *button = new QPushButton(text, frame);
    button->setObjectName(name);
    button->setGeometry(39, 8, 80, 28);
    button->setAutoDefault(true);
    return button;
}

} // namespace Tessavor
