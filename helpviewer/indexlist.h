// ListeIndex: an edit field over an always-shown sorted list, as a simple combo box draws it.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;
class QListWidget;

namespace Viewer {
class ListRowsAhead;
}

namespace Tessavor {

class IndexList : public QWidget
{
    Q_OBJECT
public:
    explicit IndexList(QWidget *parent = nullptr);
    ~IndexList() override;

    // Entries in the order given (already sorted by the help file reader).
    void setEntries(const QStringList &entries);
    // Entries made by `make` when they are first needed (the list is shown or they are asked for).
    void setEntries(std::function<QStringList()> make);
    QStringList entries() const;

    // The edit field (made on first need, like the list).
    QLineEdit *edit() const;
    // The list with its rows (made on first need).
    QListWidget *list() const;

    void setVisible(bool visible) override;

Q_SIGNALS:
    // An entry was clicked (or chosen with Enter in the list); its text went into the edit field.
    void entryChosen(const QString &entry);
    // Enter in the edit field; the text is the field's as typed.
    void enterPressed(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The edit field and the list are made when the index is first shown or asked for: a viewer
    // started on a topic does not build and polish a page it may never show.
    void makeControls() const;
    // The edit field above the list, both as wide as the page.
    void placeControls() const;
    void fillList() const;
    void choose(const QString &entry);
    void followTyping(const QString &text);

    // The entries, made first when they are made on demand.
    const QStringList &madeEntries() const;

    mutable QStringList m_entries;
    mutable std::function<QStringList()> m_make;
    mutable QLineEdit *m_edit = nullptr;
    mutable QListWidget *m_list = nullptr;
    mutable bool m_listFilled = true;
    // The rows of a long index given while the list is hidden, made ahead for its first showing.
    mutable std::unique_ptr<Viewer::ListRowsAhead> m_rowsAhead;
};

} // namespace Tessavor
