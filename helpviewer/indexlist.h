// ListeIndex: an edit field over an always-shown sorted list, as a simple combo box draws it.
#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace Tessavor {

class IndexList : public QWidget
{
    Q_OBJECT
public:
    explicit IndexList(QWidget *parent = nullptr);

    // Entries in the order given (already sorted by the help file reader).
    void setEntries(const QStringList &entries);
    QStringList entries() const { return m_entries; }

    QLineEdit *edit() const { return m_edit; }
    // The list with its rows (made on first need).
    QListWidget *list() const;

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
    void fillList() const;
    void choose(const QString &entry);
    void followTyping(const QString &text);

    QStringList m_entries;
    QLineEdit *m_edit;
    QListWidget *m_list;
    mutable bool m_listFilled = true;
};

} // namespace Tessavor
