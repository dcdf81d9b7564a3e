// frmFarben, the colours dialog: standard colours, a mixed colour or a timed cycle, applied and stored.
#pragma once

#include <QDialog>

#include <array>

class IconAnimation;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace Zembrota {

class ColourScheme;
enum class CycleChoice;

class frmFarben : public QDialog
{
    Q_OBJECT
public:
    // The cycle options top to bottom, in the order of CycleChoice.
    static constexpr int cycleOptionCount = 6;

    // Fills the controls from the scheme's settings record, once; Apply writes to settingsPath.
    frmFarben(ColourScheme &scheme, const QString &settingsPath, QWidget *parent = nullptr);

    // Apply: checks the interval, puts the choice into force and stores it. False when a message
    // stopped it or the file could not be written.
    bool EinstellungenUebernehmen();

    // The dialog's own copies of the components, as last applied.
    int red() const { return m_red; }
    int green() const { return m_green; }
    int blue() const { return m_blue; }

public Q_SLOTS:
    void reject() override; // Esc: as "Abbrechen"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void loadSettings();
    void setCustomControlsEnabled(bool enabled);
    CycleChoice selectedCycle() const;
    void changed();
    void hsc_Change(int index);
    void txtComponent_Change(int index);
    void fillPreview();

    void optWS_Click();
    void optBF_Click();
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void cmdUebernehmen_Click();

    ColourScheme &m_scheme;
    QString m_settingsPath;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;

    QRadioButton *m_optWS = nullptr;
    QRadioButton *m_optBF = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAbbrechen = nullptr;
    QPushButton *m_cmdUebernehmen = nullptr;
    QFrame *m_fraFarben = nullptr;
    QGroupBox *m_fraFW = nullptr;
    QGroupBox *m_fraBF = nullptr;
    std::array<QRadioButton *, cycleOptionCount> m_cycleOptions{};
    QButtonGroup *m_cycleGroup = nullptr;
    QLabel *m_lblWechsel = nullptr;
    QLineEdit *m_txtWechsel = nullptr;
    std::array<QLabel *, 3> m_shareLabels{};
    std::array<QScrollBar *, 3> m_hsc{};
    std::array<QLabel *, 3> m_componentLabels{};
    std::array<QLineEdit *, 3> m_txt{};
    QLabel *m_lblTest = nullptr;
    QFrame *m_picTest = nullptr;
    IconAnimation *m_icon = nullptr;
};

} // namespace Zembrota
