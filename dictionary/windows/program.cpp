// The dictionary program: start-up in its order, its windows created and handed to the colour
// scheme, and the end of the run.
#include "dictionary/windows/program.h"

#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/germantexts.h"
#include "common/ui/messagebox.h"
#include "common/ui/screenfit.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmeroeffnung.h"
#include "dictionary/windows/frmhaupt.h"

#include <QCoreApplication>

namespace Zembrota {

DictionaryProgram::DictionaryProgram(const QString &programDir, WordListPrefetch *prefetch, QObject *parent)
    : QObject(parent), m_programDir(programDir), m_prefetch(prefetch), m_appearance(programDir),
      m_exit([](int code) { QCoreApplication::exit(code); })
{
    Controls::installFontSubstitutes();
}

DictionaryProgram::~DictionaryProgram() = default;

void DictionaryProgram::useGermanStandardTexts()
{
    GermanTexts::install();
}

void DictionaryProgram::start()
{
    m_opening = std::make_unique<frmEroeffnung>();
    connect(m_opening.get(), &frmEroeffnung::StartUpRequested, this, &DictionaryProgram::StartUpLoad);
    connect(m_opening.get(), &frmEroeffnung::ClosedWithoutStart, this, [this] { endProgram(0); });
    m_opening->show();
}

void DictionaryProgram::StartUpLoad()
{
    const StartUpOutcome outcome = ::StartUpLoad(*this, m_programDir, m_prefetch);
    Q_EMIT startUpFinished(outcome);
}

frmAnzeige *DictionaryProgram::statusWindow()
{
    if (!m_status) {
        m_status = std::make_unique<frmAnzeige>();
        m_appearance.scheme().addWindow(ColourScheme::Window::Anzeige, m_status.get());
    }
    return m_status.get();
}

frmHaupt *DictionaryProgram::mainWindow()
{
    if (!m_main) {
        m_main = std::make_unique<frmHaupt>(m_list.words, m_list.lessons, statusWindow(), m_appearance,
                                            m_programDir);
        connect(m_main.get(), &frmHaupt::EndRequested, this, [this] { endProgram(0); });
        m_appearance.scheme().addWindow(ColourScheme::Window::Haupt, m_main.get());
    }
    return m_main.get();
}

void DictionaryProgram::setExit(Exit exit)
{
    m_exit = std::move(exit);
}

void DictionaryProgram::setBusyPointer(bool busy)
{
    if (busy && !m_busy)
        m_busy = std::make_unique<BusyCursor>();
    else if (!busy)
        m_busy.reset();
}

void DictionaryProgram::showStatusWindow()
{
    statusWindow()->show();
}

void DictionaryProgram::takeWordList(WordList list)
{
    m_list = std::move(list);
}

void DictionaryProgram::applySettings()
{
    // The main window is created as the settings come into force; its load fills the lists and
    // the status figures.
    mainWindow();
    m_appearance.startUp();
}

void DictionaryProgram::showMainWindow()
{
    mainWindow()->show();
    // On a small or strongly scaled screen the main window scrolls rather than reach off the
    // screen or over the status window.
    ScreenFit::fitMainWindow(mainWindow(), ScreenFit::availableArea(mainWindow()),
                             statusWindow()->isVisible() ? statusWindow()->frameGeometry() : QRect());
    mainWindow()->activateWindow();
}

void DictionaryProgram::closeOpeningWindow()
{
    if (m_opening)
        m_opening->close();
}

void DictionaryProgram::showError(const QString &title, const QString &text)
{
    MessageBox::critical(m_opening.get(), title, text);
}

void DictionaryProgram::showWarning(const QString &title, const QString &text)
{
    MessageBox::warning(m_main.get(), title, text);
}

void DictionaryProgram::endProgram(int exitCode)
{
    // Every window goes at once; nothing is saved.
    if (m_main)
        m_main->hide();
    if (m_status)
        m_status->hide();
    if (m_opening)
        m_opening->hide();
    m_exit(exitCode);
}

} // namespace Zembrota
