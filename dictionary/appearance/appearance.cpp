// The appearance: one colour scheme, the three windows of this library and the start-up step.
#include "dictionary/appearance/appearance.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"
#include "dictionary/appearance/settings.h"

#include <QStandardPaths>
#include <QWidget>

namespace Zembrota {

namespace {

void showWindow(QWidget *window)
{
    BusyCursor busy;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Appearance::Appearance(const QString &programDir, QObject *parent) : QObject(parent), m_programDir(programDir)
{}

Appearance::~Appearance()
{
    delete m_advertWindow.data();
}

Settings::SettingsLocation Appearance::settingsPath() const
{
    return Settings::settingsLocation(m_programDir.isEmpty() ? HelpLaunch::programDir() : m_programDir,
                                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

void Appearance::startUp()
{
    if (m_startedUp)
        return;
    m_startedUp = true;
    const bool loaded = Settings::EinstellungenLaden(settingsPath().readPath, m_scheme.settings());
    m_scheme.EinstellungenAnwenden(loaded);
}

frmFarben *Appearance::coloursDialog()
{
    if (!m_coloursDialog) {
        // Filled from the settings record as it stands now: after start-up, the loaded settings.
        m_coloursDialog = std::make_unique<frmFarben>(m_scheme, settingsPath().writePath);
        m_scheme.addWindow(ColourScheme::Window::Farben, m_coloursDialog.get());
    }
    return m_coloursDialog.get();
}

frmInfo *Appearance::aboutWindow()
{
    if (!m_aboutWindow) {
        m_aboutWindow = std::make_unique<frmInfo>();
        m_scheme.addWindow(ColourScheme::Window::Info, m_aboutWindow.get());
    }
    return m_aboutWindow.get();
}

frmTrivenna *Appearance::advertWindow()
{
    if (!m_advertWindow) {
        m_advertWindow = new frmTrivenna([this] {
            frmInfo *about = nullptr;
            {
                BusyCursor busy;
                about = aboutWindow();
            }
            about->showModal();
        });
        // The close box destroys the window (later); from then on the next use creates a new one.
        connect(m_advertWindow, &frmTrivenna::closing, this, [this] {
            m_advertWindow = nullptr;
            m_scheme.removeWindow(ColourScheme::Window::Trivenna);
        });
        m_scheme.addWindow(ColourScheme::Window::Trivenna, m_advertWindow);
    }
    return m_advertWindow;
}

void Appearance::showColoursDialog()
{
    showWindow(coloursDialog());
}

void Appearance::showAbout()
{
    showWindow(aboutWindow());
}

void Appearance::showAdvert()
{
    showWindow(advertWindow());
}

} // namespace Zembrota
