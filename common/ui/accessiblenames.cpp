// Accessible names and buddy labels, found from where the window's labels stand.
#include "common/ui/accessiblenames.h"

#include "common/ui/linklabel.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QWidget>

#include <limits>

namespace AccessibleNames {

namespace {

// The room between a label and its field: a few pixels beside it, a little more above it.
constexpr int besideGap = 16;
constexpr int aboveGap = 14;
constexpr int leftEdgeSlack = 8;

bool isField(const QWidget *widget)
{
    // The edit field inside an editable drop-down list is named with its list.
    if (qobject_cast<const QLineEdit *>(widget))
        return !qobject_cast<const QComboBox *>(widget->parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox *>(widget->parentWidget());
    return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QTextEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget);
}

QRect rectIn(const QWidget *window, const QWidget *widget)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// How far a label stands from a field, for choosing the nearest.
int distance(const QRect &label, const QRect &field)
{
    return std::abs(field.left() - label.right()) + std::abs(field.top() - label.bottom());
}

} // namespace

QString captionOf(const QString &labelText)
{
    QString text =
        Qt::mightBeRichText(labelText) ? QTextDocumentFragment::fromHtml(labelText).toPlainText() : labelText;
    // "&&" is a literal ampersand, a single "&" marks the accelerator.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

bool standsBeside(const QRect &labelRect, const QRect &fieldRect)
{
    const bool leftOnSameLine =
        labelRect.right() < fieldRect.left() && fieldRect.left() - labelRect.right() <= besideGap &&
        labelRect.center().y() >= fieldRect.top() && labelRect.center().y() <= fieldRect.bottom();
    // A caption above may touch its field by a pixel or two.
    const bool aboveSameEdge = labelRect.center().y() < fieldRect.top() &&
                               labelRect.bottom() <= fieldRect.top() + 2 &&
                               fieldRect.top() - labelRect.bottom() <= aboveGap &&
                               std::abs(labelRect.left() - fieldRect.left()) <= leftEdgeSlack;
    return leftOnSameLine || aboveSameEdge;
}

void assign(QWidget *window)
{
    QList<QLabel *> labels;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!qobject_cast<LinkLabel *>(label) && label->pixmap().isNull() && !label->text().isEmpty() &&
            label->window() == window)
            labels << label;
    }
    QList<QWidget *> taken;
    for (QLabel *label : labels) {
        if (label->buddy())
            taken << label->buddy();
    }

    for (QWidget *field : window->findChildren<QWidget *>()) {
        if (!isField(field) || field->window() != window || !field->accessibleName().isEmpty())
            continue;
        const QRect fieldRect = rectIn(window, field);
        QLabel *nearest = nullptr;
        int nearestDistance = std::numeric_limits<int>::max();
        for (QLabel *label : labels) {
            if (label->buddy() && label->buddy() != field)
                continue;
            const QRect labelRect = rectIn(window, label);
            if (!standsBeside(labelRect, fieldRect))
                continue;
            if (const int d = distance(labelRect, fieldRect); d < nearestDistance) {
                nearest = label;
                nearestDistance = d;
            }
        }
        if (nearest && !taken.contains(field)) {
            nearest->setBuddy(field);
            taken << field;
            field->setAccessibleName(captionOf(nearest->text()));
        } else if (nearest) {
            field->setAccessibleName(captionOf(nearest->text()));
        } else if (!field->toolTip().isEmpty()) {
            field->setAccessibleName(captionOf(field->toolTip()));
        }
    }
}

} // namespace AccessibleNames
