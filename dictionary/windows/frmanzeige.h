// The status window: figures about the word list and the current work, the time and the date.
// It computes nothing; the main window writes the figures.
#pragma once

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QStatusBar;

class frmAnzeige : public QWidget
{
    Q_OBJECT
public:
    explicit frmAnzeige(QWidget *parent = nullptr);

    QLabel *lblW() const { return m_lblW; }
    QLabel *lblB1W() const { return m_lblB1W; }
    QLabel *lblB2W() const { return m_lblB2W; }
    QLabel *lblB3W() const { return m_lblB3W; }
    QLabel *lblG() const { return m_lblG; }
    QLabel *lblZ() const { return m_lblZ; }
    QLabel *lblLAe() const { return m_lblLAe; }
    QLabel *lblS() const { return m_lblS; }
    QLabel *lblMS() const { return m_lblMS; }
    QLabel *lblAW() const { return m_lblAW; }

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
