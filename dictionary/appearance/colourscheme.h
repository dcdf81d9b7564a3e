// The colour scheme: the five coloured windows in their painting order, the start-up step that puts
// the loaded settings into force, and the cycle timer tmeFarben with its tick.
#pragma once

#include "dictionary/appearance/farbeinstellung.h"
#include "dictionary/appearance/farbwechsel.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

class QWidget;

// What a window's background shows: the desktop's face colour, or a colour of the appearance.
struct Hintergrund
{
    std::optional<Farbe> farbe; // nothing: the Systemfarbe

    static Hintergrund systemfarbe() { return {}; }
    static Hintergrund aus(Farbe f) { return {f}; }
    QColor toQColor() const;
    friend bool operator==(const Hintergrund &, const Hintergrund &) = default;
};

class ColourScheme : public QObject
{
    Q_OBJECT
public:
    // The coloured windows are always painted in this order.
    static constexpr int windowCount = 5;
    // Returns the window, creating it hidden when it does not exist yet.
    using WindowGetter = std::function<QWidget *()>;

    explicit ColourScheme(QObject *parent = nullptr);

    // order 0..4: status window, colours dialog, main window, about window, advert window.
    void setWindow(int order, WindowGetter getter);
    // The window that owns the cycle timer (the main window); without one the scheme owns it.
    void setTimerHost(WindowGetter getter);

    // The desktop's face colour, following the theme.
    static QColor systemfarbe();
    // Gives one window its own background only; it shows it when it is next shown.
    static void paint(QWidget *window, const Hintergrund &hintergrund);
    static void keepControlsOwnColour(QWidget *window);

    // Sets the background of the five windows in order, creating those not yet there, showing none.
    void FensterFaerben(const Hintergrund &hintergrund);
    // Puts the loaded settings into force, once at start-up.
    void EinstellungenAnwenden(bool geladen);
    // One tick of tmeFarben.
    void tmeFarben_Timer();

    // The timer as the colours dialog drives it. An interval of 0 is a running timer that never
    // fires, so the QTimer itself is not started for it.
    void startCycle(int intervalMs);
    void stopCycle();
    bool cycleRunning() const { return m_running; }
    int cycleInterval() const { return m_interval; }
    QTimer *tmeFarben();
    // The main window takes the timer when it is created, so that tmeFarben stands on it from the
    // start: stopped with the interval 0 at program start, or as the scheme last set it.
    void hostTimer(QObject *host);

    Farbeinstellung &einstellung() { return m_einstellung; }
    Farbwechselzustand &zustand() { return m_zustand; }
    // The main window's load: phase 1, rising, black, every counter 0.
    void resetCycleState() { m_zustand = Farbwechselzustand{}; }
    // What the windows were last painted with.
    Hintergrund current() const { return m_current; }

Q_SIGNALS:
    void painted(const Hintergrund &hintergrund);

private:
    void createTimer(QObject *parent);

    std::array<WindowGetter, windowCount> m_windows;
    WindowGetter m_timerHost;
    QPointer<QTimer> m_timer;
    bool m_running = false;
    int m_interval = 0;
    Farbeinstellung m_einstellung;
    Farbwechselzustand m_zustand;
    Hintergrund m_current;
};
