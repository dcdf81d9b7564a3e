// The forms window: the full paradigm of the entry shown, as a school grammar's tables; copyable.
// It only shows what dictionary/forms lays out.
#pragma once

#include "dictionary/forms/formstable.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace Zembrota {

class frmFormen : public QWidget
{
    Q_OBJECT
public:
    explicit frmFormen(QWidget *parent = nullptr);

    // Shows the tables of the entry with this head word and these Latin additions.
    void showEntry(const QString &head, const QStringList &additions);
    // Shows that no entry has been found yet.
    void showNothing();

    const Forms::FormsTable &table() const { return m_table; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void cmdKopieren_Click();
    void render();

    QLabel *m_lblWort = nullptr;
    QTextBrowser *m_txtFormen = nullptr;
    QPushButton *m_cmdKopieren = nullptr;
    QPushButton *m_cmdSchliessen = nullptr;
    Forms::FormsTable m_table;
};

} // namespace Zembrota
