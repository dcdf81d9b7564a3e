// Placing the fixed-position controls of the appearance windows: one call per control.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace Controls {

// Creates a control of type T on parent with its name, position and size, caption and tooltip.
// Controls without a caption (scroll bars, frames) pass an empty text.
template <typename T>
T *place(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = {},
         const QString &toolTip = {})
{
    T *control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    if constexpr (requires { control->setText(text); }) {
        if (!text.isEmpty())
            control->setText(text);
    } else if constexpr (requires { control->setTitle(text); }) {
        if (!text.isEmpty())
            control->setTitle(text);
    }
    if (!toolTip.isEmpty())
        control->setToolTip(toolTip);
    return control;
}

} // namespace Controls
