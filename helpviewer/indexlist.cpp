// The index field and its list.
#include "helpviewer/indexlist.h"

#include "helpviewer/listrowsahead.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace Tessavor {

namespace {
constexpr int editHeight = 22;
constexpr int gap = 2;
// Below this many entries the rows are made when the list is shown, as quickly as handed over.
constexpr int rowsAheadFrom = 1000;

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

IndexList::IndexList(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ListeIndex"));
}

IndexList::~IndexList() = default;

void IndexList::makeControls() const
{
    if (m_edit)
        return;
    auto *self = const_cast<IndexList *>(this);
    m_edit = new QLineEdit(self);
    m_list = new QListWidget(self);
    m_edit->setObjectName(QStringLiteral("ListeIndexEingabe"));
    m_list->setObjectName(QStringLiteral("ListeIndexListe"));
    m_edit->setAccessibleName(QStringLiteral("Index"));
    m_list->setAccessibleName(QStringLiteral("Index"));
    m_edit->installEventFilter(self);
    m_list->installEventFilter(self);
    // One line of one font per entry: the list need not measure 10,000 rows to show a few.
    m_list->setUniformItemSizes(true);
    // Made late, the two would come last in the Tab order; they take the place they had when they
    // were made with the index: after the last control before it that takes the focus.
    QWidget *before = previousInFocusChain();
    while (before != window() && before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    if (before != window())
        QWidget::setTabOrder(before, m_edit);
    QWidget::setTabOrder(m_edit, m_list);
    self->setFocusProxy(m_edit);
    placeControls();
    m_edit->show();
    m_list->show();

    connect(m_list, &QListWidget::itemClicked, self,
            [self](QListWidgetItem *item) { self->choose(item->text()); });
    connect(m_edit, &QLineEdit::textEdited, self, &IndexList::followTyping);
}

void IndexList::setVisible(bool visible)
{
    if (visible)
        makeControls();
    QWidget::setVisible(visible);
}

QLineEdit *IndexList::edit() const
{
    makeControls();
    return m_edit;
}

void IndexList::setEntries(const QStringList &entries)
{
    m_entries = entries;
    m_make = nullptr;
    m_rowsAhead.reset();
    if (m_list)
        m_list->clear();
    m_listFilled = false;
    if (isVisible())
        fillList();
    else if (entries.size() >= rowsAheadFrom)
        m_rowsAhead = std::make_unique<Viewer::ListRowsAhead>(entries);
}

void IndexList::setEntries(std::function<QStringList()> make)
{
    m_entries.clear();
    m_make = std::move(make);
    m_rowsAhead.reset();
    if (m_list)
        m_list->clear();
    m_listFilled = false;
    if (isVisible())
        fillList();
}

QStringList IndexList::entries() const
{
    return madeEntries();
}

const QStringList &IndexList::madeEntries() const
{
    if (m_make) {
        m_entries = m_make();
        m_make = nullptr;
    }
    return m_entries;
}

QListWidget *IndexList::list() const
{
    makeControls();
    fillList();
    return m_list;
}

void IndexList::fillList() const
{
    // The rows are made when the list is first needed: a viewer started on a topic never pays
    // for an index of thousands of entries it does not show.
    if (m_listFilled)
        return;
    makeControls();
    m_listFilled = true;
    if (m_rowsAhead) {
        m_rowsAhead->fill(m_list);
        m_rowsAhead.reset();
    } else {
        m_list->addItems(madeEntries());
    }
}

void IndexList::showEvent(QShowEvent *event)
{
    fillList();
    QWidget::showEvent(event);
}

void IndexList::resizeEvent(QResizeEvent *)
{
    if (m_edit)
        placeControls();
}

void IndexList::placeControls() const
{
    m_edit->setGeometry(0, 0, width(), editHeight);
    m_list->setGeometry(0, editHeight + gap, width(), height() - editHeight - gap);
}

bool IndexList::eventFilter(QObject *watched, QEvent *event)
{
    // Enter is taken here, so that it never falls through to the window's OK button.
    if (!isEnter(event))
        return QWidget::eventFilter(watched, event);
    if (watched == m_edit) {
        emit enterPressed(m_edit->text());
    } else if (watched == m_list) {
        if (const QListWidgetItem *item = m_list->currentItem())
            choose(item->text());
    }
    return true;
}

void IndexList::choose(const QString &entry)
{
    m_edit->setText(entry);
    emit entryChosen(entry);
}

void IndexList::followTyping(const QString &text)
{
    // The list follows what is typed, without choosing anything.
    if (text.isEmpty())
        return;
    fillList();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (item->text().startsWith(text, Qt::CaseInsensitive)) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

} // namespace Tessavor
