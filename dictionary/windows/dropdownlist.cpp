// The dictionary's drop-down lists on top of an editable QComboBox.
#include "dictionary/windows/dropdownlist.h"

#include <QAbstractListModel>
#include <QLineEdit>
#include <QListView>

namespace Zembrota {

// The texts of a drop-down list, read-only: the combo box shows and edits by text only.
class WordItems : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setTexts(const QStringList &texts)
    {
        beginResetModel();
        m_texts = texts;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_texts.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_texts.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_texts.at(index.row());
        return {};
    }

private:
    QStringList m_texts;
};

DropDownList::DropDownList(QWidget *parent, const QString &name, const QRect &rect, const QString &toolTip)
    : QComboBox(parent), m_items(new WordItems(this))
{
    setModel(m_items);
    // Every row is one line of the list's font: the open list need not measure all rows.
    if (auto *rows = qobject_cast<QListView *>(view()))
        rows->setUniformItemSizes(true);
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
    m_items->setTexts({});
    clearEditText();
    m_listIndex = -1;
}

void DropDownList::setItems(const QStringList &items)
{
    m_items->setTexts(items);
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
