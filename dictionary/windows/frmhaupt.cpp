// The main window's handlers: each hands its event to one core function and shows the result.
#include "dictionary/windows/frmhaupt.h"

#include "common/ui/accessiblenames.h"
#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/core/browsing.h"
#include "dictionary/core/entrydisplay.h"
#include "dictionary/core/fulltextsearch.h"
#include "dictionary/core/listfigures.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"
#include "dictionary/windows/dropdownlist.h"
#include "dictionary/windows/formsassistant.h"
#include "dictionary/windows/frmanzeige.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Zembrota {

frmHaupt::frmHaupt(const WordTable &words, const LessonTable &lessons, frmAnzeige *status,
                   Appearance &appearance, const QString &programDir, QWidget *parent)
    : QMainWindow(parent), m_words(words), m_lessons(lessons), m_status(status), m_appearance(appearance),
      m_programDir(programDir)
{
    setObjectName(u"frmHaupt"_s);
    setWindowTitle(u"Glossand"_s);
    buildControls();
    buildMenus();
    m_forms = new FormsAssistant(words, appearance, m_client, this);
    buildTimers();
    setTabOrderOfControls();
    // The hint lines of the forms, when shown, come right after "Suchen".
    setTabOrder(m_cmdSuchen, m_forms->lblFormen());
    guardShortcuts();
    connectControls();
    // Screen readers name each field after the label beside it, or its tooltip.
    AccessibleNames::assign(this);
    // Fixed size: the client area and the menu bar, nothing to drag.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(0, 0);
    m_txtL->setFocus();
    Form_Load();
    m_time->start();
    // The form index is built on its own thread once the window has drawn its first frame (see
    // paintEvent); a window that is not drawn builds it a second later.
    QTimer::singleShot(1000, m_forms, &FormsAssistant::buildIndex);
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::connectControls()
{
    connect(m_cmdSuchen, &QPushButton::clicked, this, &frmHaupt::cmdSuchen_Click);
    // Enter in the input field runs the lookup, as the window's default button.
    connect(m_txtL, &QLineEdit::returnPressed, this, &frmHaupt::cmdSuchen_Click);
    connect(m_cmdVSuchen, &QPushButton::clicked, this, &frmHaupt::cmdVSuchen_Click);
    // Enter in the full-text field starts the search, as "Suchen" beside it does.
    connect(m_txtVolltext, &QLineEdit::returnPressed, this, &frmHaupt::cmdVSuchen_Click);
    connect(m_cmdVWeitersuchen, &QPushButton::clicked, this, &frmHaupt::cmdVWeitersuchen_Click);

    connect(m_CboBuecher, &DropDownList::Click, this, &frmHaupt::FillLessonList);
    connect(m_CboBuecher, &DropDownList::EnterPressed, this, &frmHaupt::FillLessonList);
    connect(m_CboLektionen, &DropDownList::Click, this, &frmHaupt::FillLessonWords);
    connect(m_CboLektionen, &DropDownList::EnterPressed, this, &frmHaupt::FillLessonWords);
    connect(m_CboWoerter, &DropDownList::Click, this, &frmHaupt::CboWoerter_Click);
    connect(m_CboWoerter, &DropDownList::EnterPressed, this, &frmHaupt::CboWoerter_Click);
    connect(m_CboAlleWoerter, &DropDownList::Click, this, &frmHaupt::CboAlleWoerter_Click);
    connect(m_CboAlleWoerter, &DropDownList::EnterPressed, this, &frmHaupt::CboAlleWoerter_Click);

    connect(m_mnuEnde, &QAction::triggered, this, &frmHaupt::mnuEnde_Click);
    connect(m_mnuStatus, &QAction::triggered, this, &frmHaupt::mnuStatus_Click);
    connect(m_mnuFarben, &QAction::triggered, this, &frmHaupt::mnuFarben_Click);
    connect(m_mnuFormen, &QAction::triggered, this, &frmHaupt::mnuFormen_Click);
    connect(m_forms, &FormsAssistant::lookUpRequested, this,
            [this](const QString &head) { LookUpWord(head, 1); });
    connect(m_mnuHilfe1, &QAction::triggered, this, &frmHaupt::mnuHilfe1_Click);
    connect(m_mnuHilfe2, &QAction::triggered, this, &frmHaupt::mnuHilfe2_Click);
    connect(m_mnuHilfe3, &QAction::triggered, this, &frmHaupt::mnuHilfe3_Click);

    connect(m_time, &QTimer::timeout, this, &frmHaupt::Time_Timer);
    m_client->installEventFilter(this);
    connect(m_lblWI, &LinkLabel::clicked, this, &frmHaupt::lblWI_Click);
}

// The text fields take some of the menu shortcuts as editing keys (Ctrl+E is "end of line" in a
// line edit); the menu comes first, so every field hands those keys on.
void frmHaupt::guardShortcuts()
{
    for (QWidget *control : m_client->findChildren<QWidget *>())
        control->installEventFilter(this);
}

bool frmHaupt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action :
             {m_mnuEnde, m_mnuStatus, m_mnuFarben, m_mnuFormen, m_mnuHilfe1, m_mnuHilfe2, m_mnuHilfe3}) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    } else if (watched == m_client && event->type() == QEvent::MouseButtonPress) {
        // The free background takes the press, so that its release comes back here.
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    } else if (watched == m_client && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // Only the free background: a press on a control or one of the frames is the control's.
        if (!m_client->childAt(mouse->position().toPoint())) {
            Form_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmHaupt::Form_Load()
{
    BusyCursor busy;
    FillAllWordsList();
    ShowWordCounts();
    ShowListFileFigures();
    m_appearance.scheme().resetCycleState();
    // Start-up shows the status window.
    m_mnuStatus->setChecked(true);
}

void frmHaupt::Form_MouseUp(Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::RightButton)
        m_mnuHilfe->popup(globalPos);
}

void frmHaupt::Form_Unload()
{
    Q_EMIT EndRequested();
}

void frmHaupt::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmHaupt::paintEvent(QPaintEvent *event)
{
    // Started before the first frame, the form index competed with it for the processors: on the
    // maximal list the main window came about a sixth later.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, m_forms, &FormsAssistant::buildIndex);
    }
    QMainWindow::paintEvent(event);
}

namespace {
// The three messages share one place; the frame shows one of them at a time.
void showMessage(QFrame *frame, QLabel *message)
{
    for (QLabel *other : frame->findChildren<QLabel *>())
        other->setVisible(other == message);
    frame->show();
}
} // namespace

void frmHaupt::LookUpWord(const QString &word, int originFlag)
{
    BusyCursor busy;
    m_lblWnv->hide();
    m_lblKWe->hide();
    m_fraHaupt2->hide();
    m_txtBuch->clear();
    m_txtLektion->clear();

    if (word.isEmpty()) {
        m_txtL->clear();
        showMessage(m_fraHaupt2, m_lblKWe);
    } else {
        if (m_txtL->text() != word)
            m_txtL->setText(word);
        const LookupResult result = ::LookUpWord(m_words, word);
        if (result.outcome == LookupOutcome::Found) {
            m_figures.currentEntry = result.entry.entryNumber;
            ShowEntry(result.entry);
            showFigures();
        } else {
            showMessage(m_fraHaupt2, m_lblWnv);
        }
        m_forms->afterLookup(word, result.outcome == LookupOutcome::Found ? result.entry.entryNumber : 0);
    }
    if (word.isEmpty())
        m_forms->afterLookup(QString(), 0);
    if (originFlag == 1)
        m_txtL->setFocus();
}

void frmHaupt::ShowEntry(const WordEntry &entry)
{
    for (std::size_t i = 0; i < m_txtLZ.size(); ++i)
        m_txtLZ[i]->setText(entry.additions[i]);
    for (std::size_t i = 0; i < m_txtD.size(); ++i)
        m_txtD[i]->setText(entry.meanings[i]);
    m_txtBuch->setPlainText(entry.bookList);
    m_txtLektion->setPlainText(FormatLessonField(entry.bookList, entry.lessonList));
    m_figures.entryLessonWords = CountLessonWords(m_lessons, entry.bookList, entry.lessonList);
}

void frmHaupt::FullTextSearch(int startEntry)
{
    BusyCursor busy;
    m_lblKUeg->hide();
    m_fraHaupt2->hide();
    const SearchResult hit = ::FullTextSearch(m_words, startEntry, m_txtVolltext->text());
    if (hit.found)
        LookUpWord(hit.word, 1);
    else
        showMessage(m_fraHaupt2, m_lblKUeg);
}

void frmHaupt::cmdSuchen_Click()
{
    LookUpWord(m_txtL->text(), 1);
}

void frmHaupt::cmdVSuchen_Click()
{
    FullTextSearch(1);
}

void frmHaupt::cmdVWeitersuchen_Click()
{
    FullTextSearch(m_figures.continueSearchFrom());
}

void frmHaupt::FillAllWordsList()
{
    const Browsing::AllWords all = Browsing::collectAllWords(m_lessons);
    m_CboAlleWoerter->setItems(all.words);
    m_figures.words = StatusFigures::WordCounts{0, all.perBook};
}

void frmHaupt::ShowWordCounts()
{
    m_figures.words->total = m_CboAlleWoerter->count();
    showFigures();
}

void frmHaupt::ShowListFileFigures()
{
    const ListFigures::FileFigures figures =
        ListFigures::readFileFigures(m_programDir + u'/' + QLatin1StringView(wordListFileName), QLocale());
    // The figures are shown and kept; the tables loaded at start-up stay as they are.
    if (!figures.ok)
        return;
    m_figures.file = StatusFigures::FileFigures{figures.size, figures.lineCount, figures.lastChange};
    showFigures();
}

void frmHaupt::showFigures()
{
    m_status->showFigures(m_figures);
}

void frmHaupt::FillLessonList()
{
    m_CboLektionen->clearAll();
    m_CboWoerter->clearAll();
    m_CboLektionen->setItems(Browsing::lessonCaptions(m_CboBuecher->listIndex()));
}

void frmHaupt::FillLessonWords()
{
    if (m_CboLektionen->listIndex() < 0)
        return;
    m_CboWoerter->clearAll();
    // The book list's text may have been changed after the lessons were listed: with no book
    // chosen there are no words to list, and the lesson count stays as it was.
    const int bookPosition = m_CboBuecher->listIndex();
    if (bookPosition < 0)
        return;
    const QStringList words =
        Browsing::lessonWords(m_lessons, bookPosition + 1, m_CboLektionen->listIndex() + 1);
    m_CboWoerter->setItems(words);
    m_figures.manualLessonWords = int(words.size());
    showFigures();
}

void frmHaupt::CboWoerter_Click()
{
    LookUpWord(m_CboWoerter->currentText(), 0);
}

void frmHaupt::CboAlleWoerter_Click()
{
    LookUpWord(m_CboAlleWoerter->currentText(), 0);
}

void frmHaupt::mnuEnde_Click()
{
    Form_Unload();
}

void frmHaupt::mnuStatus_Click()
{
    // The action has already turned its check mark over; the status window follows the mark.
    m_status->setVisible(m_mnuStatus->isChecked());
}

void frmHaupt::mnuFormen_Click()
{
    m_forms->showFormsWindow();
}

void frmHaupt::mnuFarben_Click()
{
    BusyCursor busy;
    m_appearance.showColoursDialog();
}

void frmHaupt::mnuHilfe1_Click()
{
    HelpLaunch::showHelp(this, u"zembrota.vry"_s, u"Inhalt"_s);
}

void frmHaupt::mnuHilfe2_Click()
{
    HelpLaunch::showHelp(this, u"zembrota.vry"_s, u"Index"_s);
}

void frmHaupt::mnuHilfe3_Click()
{
    BusyCursor busy;
    m_appearance.showAbout();
}

void frmHaupt::lblWI_Click()
{
    BusyCursor busy;
    m_appearance.showAdvert();
}

void frmHaupt::Time_Timer()
{
    m_status->RefreshClockPanel();
}

} // namespace Zembrota
