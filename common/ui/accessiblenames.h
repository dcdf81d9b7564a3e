// Accessible names and buddy labels for a window's text fields and drop-down lists.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace AccessibleNames {

// The caption a label gives the field it stands beside: its text without accelerator marks, rich
// text and the closing colon ("&Rot:" gives "Rot").
QString captionOf(const QString &labelText);

// Whether a label at labelRect stands beside a field at fieldRect (both in one coordinate system):
// just left of it on the same line, or just above it with the same left edge.
bool standsBeside(const QRect &labelRect, const QRect &fieldRect);

// Gives every text field, text area, spin box and drop-down list of the window that has no
// accessible name one: the caption of the label standing beside it, which also becomes its buddy
// (its accelerator then moves the focus to the field), or else its tooltip. Labels that already
// have a buddy keep it, and each label names one field, the nearest.
void assign(QWidget *window);

} // namespace AccessibleNames
