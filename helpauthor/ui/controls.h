// Building fixed-position controls in code: one call per control with its name, place and text.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace Quorant {

template <typename Widget>
Widget *place(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = QString())
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    if constexpr (requires { widget->setText(text); })
        widget->setText(text);
    return widget;
}

} // namespace Quorant
