// Building the fixed-position windows in code: one call per control with its name, place, text,
// tooltip and look, so that a window's control table reads row by row.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Controls {

// Creates a control of type T on parent with its name, position and size (relative to the
// parent), caption and tooltip. Controls without a caption (scroll bars, frames) pass an empty text.
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

// Font and colours of a control. An invalid colour keeps the inherited one; the text colour is
// black unless stated.
struct Look
{
    Look() = default;
    Look(const QFont &f, const QColor &textColour = Qt::black, const QColor &baseColour = {})
        : font(f), text(textColour), base(baseColour)
    {}

    std::optional<QFont> font; // the standard font when not given
    QColor text = Qt::black;
    QColor base; // background of text fields
};

// A font by family and point size; the platform substitutes fonts it lacks.
QFont font(const QString &family, qreal pointSize, bool bold = false, bool italic = false,
           bool underline = false);
// The windows' standard font ("MS Sans Serif" 8.25 pt), or that family at another size or style.
QFont standardFont(qreal pointSize = 0, bool bold = false, bool italic = false, bool underline = false);

// The old Windows fonts the windows name are replaced by the metric-compatible Liberation fonts
// where the platform has no better choice, so that captions fit their fixed places.
void installFontSubstitutes();

inline QRect inside(const QRect &frameRect)
{
    return {0, 0, frameRect.width(), frameRect.height()};
}

void applyLook(QWidget *control, const Look &look);

// The builders below give each control the look (the standard font when none is given); every
// rect is relative to the parent.
QFrame *frame(QWidget *parent, const QString &name, const QRect &rect);
QFrame *line(QWidget *parent, const QString &name, const QRect &rect, const QColor &colour);
QLabel *label(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
              const QString &toolTip = {}, const Look &look = {});
QLineEdit *textField(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                     const Look &look = {});
QLineEdit *readOnlyField(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                         const Look &look = {});
QPlainTextEdit *readOnlyBox(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                            const Look &look = {});
QPushButton *button(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                    const QString &toolTip, const Look &look = {});

} // namespace Controls
