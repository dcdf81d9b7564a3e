// The Latin forms beside the lookup: the hint lines under the message ("Form von amare: …"), which
// lead to the entry by click or keyboard, and the forms window of the entry shown. The form index
// is built on a thread of its own after the main window shows, so start-up waits for nothing.
#pragma once

#include "dictionary/core/wordtable.h"
#include "dictionary/forms/formindex.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QLabel;
class QThread;

namespace Zembrota {

class Appearance;
class frmFormen;

class FormsAssistant : public QObject
{
    Q_OBJECT
public:
    // The hint label is placed on client; the forms window follows the appearance's colours.
    FormsAssistant(const WordTable &words, Appearance &appearance, QWidget *client,
                   QObject *parent = nullptr);
    ~FormsAssistant() override;

    // Starts building the form index (once).
    void buildIndex();
    // Blocks until the index is built (for tests and for a lookup that comes very early).
    void waitForIndex();

    // After every lookup: the typed word, and the entry shown (0 when none was found).
    void afterLookup(const QString &word, int shownEntry);

    QLabel *lblFormen() const { return m_lblFormen; }
    // The forms window, created hidden on first use; it shows the entry last shown.
    frmFormen *formsWindow();
    void showFormsWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // A hint line was followed: look this head word up as if typed.
    void lookUpRequested(const QString &head);

private:
    void showHints();
    void followLink(const QString &link);

    const WordTable &m_words;
    Appearance &m_appearance;
    QLabel *m_lblFormen = nullptr;
    std::unique_ptr<frmFormen> m_formen;
    Forms::FormIndex m_index;
    QThread *m_builder = nullptr;
    bool m_ready = false;
    QString m_lastWord;
    int m_lastEntry = 0;
    QStringList m_lineHeads;
};

} // namespace Zembrota
