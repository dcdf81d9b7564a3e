// An option button whose caption wraps over several lines, the indicator beside the first line.
#pragma once

#include <QRadioButton>

namespace Zembrota {

class WrappingRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The whole caption area selects the option, not only the first line.
    bool hitButton(const QPoint &pos) const override;
};

} // namespace Zembrota
