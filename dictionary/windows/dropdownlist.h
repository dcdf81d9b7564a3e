// A drop-down list with an edit field that behaves like the dictionary's lists: typed text is
// never added as an item, nothing completes it, and it reports choices and Enter separately.
#pragma once

#include <QComboBox>

namespace Zembrota {

class WordItems;

class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    DropDownList(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip);

    // The position of the chosen item, or -1 when none is chosen: typing into the edit field
    // un-chooses it, as does emptying the list.
    int listIndex() const { return m_listIndex; }

    // Removes the items and the edit text.
    void clearAll();
    // Replaces the items in one go (no item chosen, edit text kept empty).
    void setItems(const QStringList &items);

Q_SIGNALS:
    // An item became chosen, by mouse, by the arrow keys or by the wheel.
    void Click();
    // Enter was pressed in the edit field, whatever it holds.
    void EnterPressed();

private:
    void itemActivated(int index);

    // The items as one list of texts: tens of thousands of words go in without an item object
    // each.
    WordItems *m_items;
    int m_listIndex = -1;
};

} // namespace Zembrota
