// The appearance: one colour scheme, the three windows of this library and the start-up step.
#include "dictionary/appearance/appearance.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "dictionary/appearance/farbeinstellung.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"

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
    delete m_trivenna.data();
}

Einstellungen::Einstellungsort Appearance::settingsPath() const
{
    return Einstellungen::einstellungsOrt(
        m_programDir.isEmpty() ? HelpLaunch::programDir() : m_programDir,
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

void Appearance::startUp()
{
    if (m_startedUp)
        return;
    m_startedUp = true;
    const bool geladen = Einstellungen::EinstellungenLaden(settingsPath().lesen, m_scheme.einstellung());
    m_scheme.EinstellungenAnwenden(geladen);
}

frmFarben *Appearance::coloursDialog()
{
    if (!m_farben) {
        // Filled from the settings record as it stands now: after start-up, the loaded settings.
        m_farben = std::make_unique<frmFarben>(m_scheme, settingsPath().schreiben);
        m_scheme.addWindow(ColourScheme::Window::Farben, m_farben.get());
    }
    return m_farben.get();
}

frmInfo *Appearance::aboutWindow()
{
    if (!m_info) {
        m_info = std::make_unique<frmInfo>();
        m_scheme.addWindow(ColourScheme::Window::Info, m_info.get());
    }
    return m_info.get();
}

frmTrivenna *Appearance::advertWindow()
{
    if (!m_trivenna) {
        m_trivenna = new frmTrivenna([this] {
            frmInfo *about = nullptr;
            {
                BusyCursor busy;
                about = aboutWindow();
            }
            about->showModal();
        });
        // The close box destroys the window (later); from then on the next use creates a new one.
        connect(m_trivenna, &frmTrivenna::closing, this, [this] {
            m_trivenna = nullptr;
            m_scheme.removeWindow(ColourScheme::Window::Trivenna);
        });
        m_scheme.addWindow(ColourScheme::Window::Trivenna, m_trivenna);
    }
    return m_trivenna;
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
