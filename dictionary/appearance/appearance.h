// The dictionary's appearance as one object: the colour scheme with its cycle timer, the settings
// put into force at start-up, and the colours, about and advert windows, which it owns.
#pragma once

#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/settings.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace Zembrota {

class frmFarben;
class frmInfo;
class frmTrivenna;

class Appearance : public QObject
{
    Q_OBJECT
public:
    // The program directory holds zembrota.ini; empty means the running program's directory.
    explicit Appearance(const QString &programDir, QObject *parent = nullptr);
    ~Appearance() override;

    // Start-up: reads zembrota.ini and puts it into force, or takes the fallback path (standard
    // face colour on the coloured windows, no cycle). Runs once; a second call does nothing.
    void startUp();

    // Menu and label actions of the main window; each shows its window without making it modal.
    void showColoursDialog(); // "Hintergrund - Farben"
    void showAbout();         // "Info"
    void showAdvert();        // "Weitere Informationen!"

    // The appearance's own windows, created hidden on first use and then kept (the advert window
    // is created afresh after its close box destroyed it).
    frmFarben *coloursDialog();
    frmInfo *aboutWindow();
    frmTrivenna *advertWindow();

    // The settings record, the cycle state and the timer.
    ColourScheme &scheme() { return m_scheme; }
    // The file start-up reads and the file Apply writes.
    Settings::SettingsLocation settingsPath() const;

private:
    ColourScheme m_scheme;
    QString m_programDir;
    bool m_startedUp = false;
    std::unique_ptr<frmFarben> m_coloursDialog;
    std::unique_ptr<frmInfo> m_aboutWindow;
    // The close box destroys the advert window itself.
    QPointer<frmTrivenna> m_advertWindow;
};

} // namespace Zembrota
