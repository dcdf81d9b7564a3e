// The dictionary's appearance as the windows see it: the five coloured windows, the settings put
// into force at start-up, the colour cycle timer, and the colours, about and advert windows.
#pragma once

#include <QString>

#include <functional>

class ColourScheme;
class QWidget;

namespace Appearance {

// The coloured windows, in the order they are always painted.
enum class Window { Anzeige, Farben, Haupt, Info, Trivenna };

// dictionary/windows registers how to reach its two coloured windows (the status window and the
// main window); the getter creates the window, hidden, on first use. The main window also hosts
// the cycle timer tmeFarben. The appearance registers its own three windows itself.
using WindowGetter = std::function<QWidget *()>;
void registerWindow(Window window, WindowGetter getter);

// Start-up steps 5 and 6: reads zembrota.ini from the program directory and puts it into force,
// or takes the fallback path (standard face colour on the five windows, no cycle). Runs once.
void startUp(const QString &programDir);

// The main window hosts the cycle timer tmeFarben from its creation on (stopped, interval 0).
void hostCycleTimer(QWidget *mainWindow);

// The main window's Form_Load resets the colour cycle state (phase 1, rising, black, counters 0).
void resetCycleState();

// Menu and label actions of the main window; each shows its window without making it modal.
void showColoursDialog(); // "Hintergrund - Farben"
void showAbout();         // "Info"
void showAdvert();        // "Weitere Informationen!"

// The appearance's own windows, created hidden on first use (the advert window again after its
// close box destroyed it).
QWidget *coloursDialog();
QWidget *aboutWindow();
QWidget *advertWindow();

// The settings record, the cycle state and the timer, for the windows and the tests.
ColourScheme &colourScheme();

// Destroys the appearance's windows and forgets everything, as at program start. It runs by itself
// when the application's event loop ends (aboutToQuit); tests call it between cases.
void shutDown();

} // namespace Appearance
