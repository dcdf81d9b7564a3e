// The control builders of the three programs' fixed-position windows.
#include "common/ui/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Controls {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("System"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

QFont font(const QString &family, qreal pointSize, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont standardFont(qreal pointSize, bool bold, bool italic, bool underline)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(pointSize > 0 ? pointSize : 8.25);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

void applyLook(QWidget *control, const Look &look)
{
    control->setFont(look.font.value_or(standardFont()));
    QPalette palette = control->palette();
    if (look.text.isValid()) {
        palette.setColor(QPalette::WindowText, look.text);
        palette.setColor(QPalette::Text, look.text);
        palette.setColor(QPalette::ButtonText, look.text);
    }
    if (look.base.isValid())
        palette.setColor(QPalette::Base, look.base);
    control->setPalette(palette);
}

namespace {
template <typename W> W *named(W *control, const QString &name, const QRect &rect)
{
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}
} // namespace

QFrame *frame(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *f = named(new QFrame(parent), name, rect);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

QFrame *line(QWidget *parent, const QString &name, const QRect &rect, const QColor &colour)
{
    auto *l = named(new QFrame(parent), name, rect);
    l->setFrameShape(QFrame::NoFrame);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, colour);
    l->setPalette(palette);
    return l;
}

QLabel *label(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
              const QString &toolTip, const Look &look)
{
    auto *l = named(new QLabel(text, parent), name, rect);
    l->setToolTip(toolTip);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyLook(l, look);
    return l;
}

QLineEdit *textField(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                     const Look &look)
{
    auto *t = named(new QLineEdit(parent), name, rect);
    t->setToolTip(toolTip);
    applyLook(t, look);
    return t;
}

QLineEdit *readOnlyField(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                         const Look &look)
{
    QLineEdit *t = textField(parent, name, rect, toolTip, look);
    t->setReadOnly(true);
    return t;
}

QPlainTextEdit *readOnlyBox(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip,
                            const Look &look)
{
    auto *t = named(new QPlainTextEdit(parent), name, rect);
    t->setToolTip(toolTip);
    t->setReadOnly(true);
    // Tab moves on to the next control, as in the other fields.
    t->setTabChangesFocus(true);
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    applyLook(t, look);
    return t;
}

QPushButton *button(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                    const QString &toolTip, const Look &look)
{
    auto *b = named(new QPushButton(text, parent), name, rect);
    b->setToolTip(toolTip);
    applyLook(b, look);
    return b;
}

} // namespace Controls
