// The wrapping option button of the cycle choice "Schwarz - Türkis - ... - Weiß".
#include "dictionary/appearance/wrappingradiobutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace Zembrota {

void WrappingRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const int lineHeight = fontMetrics().height();
    indicator.rect.moveTop(qMax(0, (lineHeight - indicator.rect.height()) / 2));
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    const QRect textRect = rect().adjusted(indicator.rect.right() + 1 + spacing, 0, 0, 0);
    painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, palette(), isEnabled(),
                         caption, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption)
                         .adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace Zembrota
