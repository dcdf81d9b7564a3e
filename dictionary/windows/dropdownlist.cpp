// The dictionary's drop-down lists on top of an editable QComboBox.
#include "dictionary/windows/dropdownlist.h"

#include <QLineEdit>

namespace Zembrota {

DropDownList::DropDownList(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip)
    : QComboBox(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setToolTip(toolTip);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    // The combo box would pick a matching item whenever editing ends (Enter or leaving the
    // field) and report it as a choice; here only a real choice is a Click, and Enter looks up the
    // typed text itself.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &DropDownList::EnterPressed);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_listIndex = -1; });
    connect(this, &QComboBox::activated, this, &DropDownList::itemActivated);
}

void DropDownList::clearAll()
{
    clear();
    clearEditText();
    m_listIndex = -1;
}

void DropDownList::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
    clearEditText();
    m_listIndex = -1;
}

void DropDownList::itemActivated(int index)
{
    m_listIndex = index;
    Q_EMIT Click();
}

} // namespace Zembrota
