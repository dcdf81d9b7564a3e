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

class frmFarben : public QDialog
{
    Q_OBJECT
public:
    // The cycle options top to bottom with their codes in zembrota.ini.
    static constexpr int zyklusCount = 6;

    // Fills the controls from the scheme's settings record, once; Apply writes to settingsPath.
    frmFarben(ColourScheme &scheme, const QString &settingsPath, QWidget *parent = nullptr);

    // Apply: checks the interval, puts the choice into force and stores it. False when a message
    // stopped it or the file could not be written.
    bool EinstellungenUebernehmen();

    // The dialog's own copies of the components, as last applied.
    int rot() const { return m_rot; }
    int gelb() const { return m_gelb; }
    int blau() const { return m_blau; }

public Q_SLOTS:
    void reject() override; // Esc: as "Abbrechen"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void loadSettings();
    void setCustomControlsEnabled(bool enabled);
    QString selectedZyklusCode() const;
    void changed();
    void hsc_Change(int index);
    void txtKomponente_Change(int index);
    void fillPreview();

    void optWS_Click();
    void optBF_Click();
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void cmdUebernehmen_Click();

    ColourScheme &m_scheme;
    QString m_settingsPath;
    int m_rot = 0;
    int m_gelb = 0;
    int m_blau = 0;

    QRadioButton *m_optWS = nullptr;
    QRadioButton *m_optBF = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAbbrechen = nullptr;
    QPushButton *m_cmdUebernehmen = nullptr;
    QFrame *m_fraFarben = nullptr;
    QGroupBox *m_fraFW = nullptr;
    QGroupBox *m_fraBF = nullptr;
    std::array<QRadioButton *, zyklusCount> m_zyklen{};
    QButtonGroup *m_zyklusGruppe = nullptr;
    QLabel *m_lblWechsel = nullptr;
    QLineEdit *m_txtWechsel = nullptr;
    std::array<QLabel *, 3> m_anteilLabels{};
    std::array<QScrollBar *, 3> m_hsc{};
    std::array<QLabel *, 3> m_komponentLabels{};
    std::array<QLineEdit *, 3> m_txt{};
    QLabel *m_lblTest = nullptr;
    QFrame *m_picTest = nullptr;
    IconAnimation *m_icon = nullptr;
};

} // namespace Zembrota
