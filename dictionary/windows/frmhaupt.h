// The main window: the lookup of a Latin word with its result fields, the manual search by book
// and lesson, the list of all words, the full-text search, the menus, keys and timers.
#pragma once

#include "dictionary/core/statusfigures.h"
#include "dictionary/core/wordtable.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class IconAnimation;
class QAction;
class QFrame;
class LinkLabel;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
struct WordEntry;

namespace Zembrota {

class Appearance;
class DropDownList;
class FormsAssistant;
class frmAnzeige;

class frmHaupt : public QMainWindow
{
    Q_OBJECT
public:
    // The tables, the status window and the appearance live as long as the program; programDir
    // holds latein.lst.
    frmHaupt(const WordTable &words, const LessonTable &lessons, frmAnzeige *status, Appearance &appearance,
             const QString &programDir, QWidget *parent = nullptr);
    ~frmHaupt() override;

    // Looks the word up and shows the entry or the message; origin 1 (typed, or found by the
    // full-text search) gives txtL the focus, origin 0 (chosen from a list) leaves it.
    void LookUpWord(const QString &word, int originFlag);
    // Searches txtVolltext's text from the given entry on and shows the entry of the first hit.
    void FullTextSearch(int startEntry);

    // The Latin forms: hint lines after a lookup and the forms window ("Formen").
    FormsAssistant *forms() const { return m_forms; }

    // The window's animated icon (the Timer timer).
    IconAnimation *iconAnimation() const { return m_iconAnimation; }
    // The figures the status window shows.
    const StatusFigures &figures() const { return m_figures; }
    // The shortened last-change text of the word list file.
    QString lastChangeText() const { return m_figures.file ? m_figures.file->lastChange : QString(); }
    // The per-book word counters and the word count of the lesson chosen last.
    qint16 bookWordCount(int book) const
    {
        return m_figures.words ? m_figures.words->perBook.at(book - 1) : 0;
    }
    int lessonWordCount() const { return m_figures.manualLessonWords.value_or(0); }

Q_SIGNALS:
    // "Ende" or the close box: the program ends at once.
    void EndRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void setTabOrderOfControls();
    void guardShortcuts();
    void connectControls();

    void Form_Load();
    void Form_MouseUp(Qt::MouseButton button, const QPoint &globalPos);
    void Form_Unload();

    void ShowEntry(const WordEntry &entry);
    void FillAllWordsList();
    void ShowWordCounts();
    void ShowListFileFigures();
    void FillLessonList();
    void FillLessonWords();
    void showFigures();

    void cmdSuchen_Click();
    void cmdVSuchen_Click();
    void cmdVWeitersuchen_Click();
    void CboWoerter_Click();
    void CboAlleWoerter_Click();
    void mnuEnde_Click();
    void mnuStatus_Click();
    void mnuFarben_Click();
    void mnuFormen_Click();
    void mnuHilfe1_Click();
    void mnuHilfe2_Click();
    void mnuHilfe3_Click();
    void lblWI_Click();
    void Time_Timer();

    const WordTable &m_words;
    const LessonTable &m_lessons;
    frmAnzeige *m_status;
    Appearance &m_appearance;
    QString m_programDir;

    QWidget *m_client = nullptr;
    QLabel *m_lblWortEingabe = nullptr;
    QPushButton *m_cmdSuchen = nullptr;
    QLineEdit *m_txtL = nullptr;
    QFrame *m_fraHaupt2 = nullptr;
    QLabel *m_lblKUeg = nullptr;
    QLabel *m_lblWnv = nullptr;
    QLabel *m_lblKWe = nullptr;
    std::array<QLineEdit *, 4> m_txtLZ{};
    std::array<QLineEdit *, 5> m_txtD{};
    DropDownList *m_CboBuecher = nullptr;
    DropDownList *m_CboLektionen = nullptr;
    DropDownList *m_CboWoerter = nullptr;
    DropDownList *m_CboAlleWoerter = nullptr;
    QLineEdit *m_txtVolltext = nullptr;
    QPushButton *m_cmdVSuchen = nullptr;
    QPushButton *m_cmdVWeitersuchen = nullptr;
    QPlainTextEdit *m_txtBuch = nullptr;
    QPlainTextEdit *m_txtLektion = nullptr;
    LinkLabel *m_lblWI = nullptr;

    QMenu *m_mnuDatei = nullptr;
    QMenu *m_mnuAnsicht = nullptr;
    QMenu *m_mnuHilfe = nullptr;
    QAction *m_mnuEnde = nullptr;
    QAction *m_mnuStatus = nullptr;
    QAction *m_mnuFarben = nullptr;
    QAction *m_mnuFormen = nullptr;
    QAction *m_mnuHilfe1 = nullptr;
    QAction *m_mnuHilfe2 = nullptr;
    QAction *m_mnuHilfe3 = nullptr;

    QTimer *m_time = nullptr;
    FormsAssistant *m_forms = nullptr;
    bool m_painted = false;
    IconAnimation *m_iconAnimation = nullptr;

    StatusFigures m_figures;
};

} // namespace Zembrota
