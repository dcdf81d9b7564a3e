// The process-wide appearance: one colour scheme, the three windows of this library and start-up.
#include "dictionary/appearance/appearance.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/farbeinstellung.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QWidget>

#include <memory>

namespace Appearance {

namespace {

struct State
{
    State()
    {
        scheme.setWindow(int(Window::Farben), [this] { return farben(); });
        scheme.setWindow(int(Window::Info), [this] { return info(); });
        scheme.setWindow(int(Window::Trivenna), [this] { return trivenna(); });
    }
    ~State()
    {
        delete m_farben.data();
        delete m_info.data();
        delete m_trivenna.data();
    }

    Einstellungen::Einstellungsort settingsPath() const
    {
        return Einstellungen::einstellungsOrt(
            programDir.isEmpty() ? HelpLaunch::programDir() : programDir,
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    }

    frmFarben *farben()
    {
        if (!m_farben)
            m_farben = new frmFarben(scheme, settingsPath().schreiben);
        return m_farben;
    }
    frmInfo *info()
    {
        if (!m_info)
            m_info = new frmInfo;
        return m_info;
    }
    frmTrivenna *trivenna()
    {
        if (!m_trivenna) {
            m_trivenna = new frmTrivenna([this] {
                frmInfo *about = nullptr;
                {
                    BusyCursor busy;
                    about = info();
                }
                about->showModal();
            });
            // The close box destroys the window; from then on the next use creates a new one.
            QObject::connect(m_trivenna, &frmTrivenna::closing, &scheme, [this] { m_trivenna = nullptr; });
        }
        return m_trivenna;
    }

    ColourScheme scheme;
    QString programDir;
    bool startedUp = false;

private:
    QPointer<frmFarben> m_farben;
    QPointer<frmInfo> m_info;
    QPointer<frmTrivenna> m_trivenna;
};

std::unique_ptr<State> &statePointer()
{
    static std::unique_ptr<State> state;
    return state;
}

State &state()
{
    std::unique_ptr<State> &s = statePointer();
    if (!s) {
        s = std::make_unique<State>();
        // The windows go before the application object does.
        static bool hooked = false;
        if (!hooked && QCoreApplication::instance()) {
            hooked = true;
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             QCoreApplication::instance(), [] { statePointer().reset(); });
        }
    }
    return *s;
}

void showWindow(QWidget *window)
{
    BusyCursor busy;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void registerWindow(Window window, WindowGetter getter)
{
    State &s = state();
    if (window == Window::Haupt)
        s.scheme.setTimerHost(getter);
    s.scheme.setWindow(int(window), std::move(getter));
}

void startUp(const QString &programDir)
{
    State &s = state();
    if (s.startedUp)
        return;
    s.startedUp = true;
    s.programDir = programDir;
    const bool geladen = Einstellungen::EinstellungenLaden(s.settingsPath().lesen, s.scheme.einstellung());
    // A failed load is coloured here once, as the fallback path.
    s.scheme.EinstellungenAnwenden(geladen);
}

void hostCycleTimer(QWidget *mainWindow)
{
    state().scheme.hostTimer(mainWindow);
}

void resetCycleState()
{
    state().scheme.resetCycleState();
}

void showColoursDialog()
{
    showWindow(state().farben());
}

void showAbout()
{
    showWindow(state().info());
}

void showAdvert()
{
    showWindow(state().trivenna());
}

QWidget *coloursDialog()
{
    return state().farben();
}

QWidget *aboutWindow()
{
    return state().info();
}

QWidget *advertWindow()
{
    return state().trivenna();
}

ColourScheme &colourScheme()
{
    return state().scheme;
}

void shutDown()
{
    statePointer().reset();
}

} // namespace Appearance
