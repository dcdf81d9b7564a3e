// The colour scheme: the five coloured windows in their painting order, the start-up step that puts
// the loaded settings into force, and the cycle timer tmeFarben with its tick.
#pragma once

#include "dictionary/appearance/colourcycle.h"
#include "dictionary/appearance/settings.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <optional>

class QWidget;

namespace Zembrota {

// What a window's background shows: the desktop's face colour, or a colour of the appearance.
struct Background
{
    std::optional<Colour> colour; // nothing: the Systemfarbe

    static Background systemfarbe() { return {}; }
    static Background of(Colour f) { return {f}; }
    QColor toQColor() const;
    friend bool operator==(const Background &, const Background &) = default;
};

class ColourScheme : public QObject
{
    Q_OBJECT
public:
    // The coloured windows, in the order they are always painted.
    enum class Window { Anzeige, Farben, Haupt, Info, Trivenna };
    static constexpr int windowCount = 5;

    explicit ColourScheme(QObject *parent = nullptr);

    // A coloured window just created by its owner: the scheme keeps it while it exists. It is
    // painted with the colour in force if a painting took place while its place was empty, so that
    // it shows what it would have been given had it existed; otherwise it keeps its Systemfarbe
    // until the next painting (an advert window created afresh after its close box destroyed the
    // one before).
    void addWindow(Window order, QWidget *window);
    // The window is going (the advert window's close box); its place is empty from now on.
    void removeWindow(Window order);
    // The window of that order while it exists, else nullptr.
    QWidget *window(Window order) const;

    // The desktop's face colour, following the theme.
    static QColor systemfarbe();
    // Gives one window its own background only; it shows it when it is next shown.
    static void paint(QWidget *window, const Background &background);
    static void keepControlsOwnColour(QWidget *window);

    // Sets the background of the coloured windows that exist, in order, showing none of them.
    void FensterFaerben(const Background &background);
    // Puts the loaded settings into force, once at start-up.
    void EinstellungenAnwenden(bool loaded);
    // One tick of tmeFarben.
    void tmeFarben_Timer();

    // The timer as the colours dialog drives it. An interval of 0 is a running timer that never
    // fires, so the QTimer itself is not started for it.
    void startCycle(int intervalMs);
    void stopCycle();
    bool cycleRunning() const { return m_running; }
    int cycleInterval() const { return m_interval; }
    // The cycle timer: stopped with the interval 0 until the settings or the dialog start it.
    QTimer *tmeFarben() const { return m_tmeFarben; }

    Farbeinstellung &settings() { return m_settings; }
    Farbwechselzustand &cycleState() { return m_cycleState; }
    // The main window's load: phase 1, rising, black, every counter 0.
    void resetCycleState() { m_cycleState = Farbwechselzustand{}; }
    // What the windows were last painted with.
    Background current() const { return m_current; }

Q_SIGNALS:
    void painted(const Background &background);

private:
    std::array<QPointer<QWidget>, windowCount> m_windows;
    // Per place: a painting found it empty since its last window was added.
    std::array<bool, windowCount> m_missedPainting{};
    QTimer *m_tmeFarben = nullptr;
    bool m_running = false;
    int m_interval = 0;
    Farbeinstellung m_settings;
    Farbwechselzustand m_cycleState;
    Background m_current;
};

} // namespace Zembrota
