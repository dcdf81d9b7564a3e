// The status window: figures about the word list and the current work, the time and the date.
// It computes nothing; the main window writes the figures.
#pragma once

#include "dictionary/core/statusfigures.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QStatusBar;

namespace Zembrota {

class frmAnzeige : public QWidget
{
    Q_OBJECT
public:
    explicit frmAnzeige(QWidget *parent = nullptr);

    // Shows the figures as the main window last wrote them; a figure not written yet shows the
    // label's text at start (empty, or "-" for the current counts and the entry number).
    void showFigures(const StatusFigures &figures);

    // Panel 1 shows the time once more (the main window's Time timer calls it every minute).
    void RefreshClockPanel();
    // The time and date panels, kept current by the window's own timer.
    void refreshPanels();

    // Test seam: where the panels take the current time from.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The window has no close box; a close request (Alt+F4 from the desktop) is refused, so that
    // it is hidden and shown only through "Status" and that menu item's mark stays true.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildStatusBar();

    QLabel *m_lblW = nullptr;
    QLabel *m_lblB1W = nullptr;
    QLabel *m_lblB2W = nullptr;
    QLabel *m_lblB3W = nullptr;
    QLabel *m_lblG = nullptr;
    QLabel *m_lblZ = nullptr;
    QLabel *m_lblLAe = nullptr;
    QLabel *m_lblS = nullptr;
    QLabel *m_lblMS = nullptr;
    QLabel *m_lblAW = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_timePanel = nullptr;
    QLabel *m_datePanel = nullptr;
    QTimer m_panelTimer;
    Clock m_clock;
};

} // namespace Zembrota
