// The colours dialog: controls, enabling rules, the loading order, Apply, OK, Abbrechen and F1.
#include "dictionary/appearance/frmfarben.h"

#include "common/ui/accessiblenames.h"
#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/messagebox.h"
#include "common/zahlwert.h"
#include "dictionary/appearance/applyrules.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/wrappingradiobutton.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include <optional>

using Controls::place;

namespace Zembrota {

frmFarben::frmFarben(ColourScheme &scheme, const QString &settingsPath, QWidget *parent)
    : QDialog(parent), m_scheme(scheme), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("frmFarben"));
    setWindowTitle(QStringLiteral("Glossand: Farben"));
    setFixedSize(480, 392);
    ColourScheme::paint(this, Background::systemfarbe());
    buildControls();
    m_icon = new IconAnimation(this);

    connect(m_optWS, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optWS_Click();
    });
    connect(m_optBF, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optBF_Click();
    });
    connect(m_cycleGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            changed();
    });
    connect(m_txtWechsel, &QLineEdit::textChanged, this, &frmFarben::changed);
    for (int i = 0; i < 3; ++i) {
        connect(m_hsc[i], &QScrollBar::valueChanged, this, [this, i] { hsc_Change(i); });
        connect(m_txt[i], &QLineEdit::textChanged, this, [this, i] { txtComponent_Change(i); });
    }
    connect(m_cmdOK, &QPushButton::clicked, this, &frmFarben::cmdOK_Click);
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, &frmFarben::cmdAbbrechen_Click);
    connect(m_cmdUebernehmen, &QPushButton::clicked, this, &frmFarben::cmdUebernehmen_Click);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        HelpLaunch::showHelp(this, QStringLiteral("zembrota.vry"), QStringLiteral("Hintergrund - Farben"));
    });
    // Screen readers name each field after the label above it.
    AccessibleNames::assign(this);

    loadSettings();
}

void frmFarben::buildControls()
{
    const QString modeTip =
        QStringLiteral("Sie können hier wählen, ob die Windows - Standard Farben verwendet "
                       "werden sollen, oder ob sie diese selber definieren wollen.");
    m_optWS = place<QRadioButton>(this, QStringLiteral("optWS"), {16, 10, 448, 20},
                                  QStringLiteral("Windows Standard - Farben verwenden"), modeTip);
    m_optBF = place<QRadioButton>(this, QStringLiteral("optBF"), {16, 34, 448, 20},
                                  QStringLiteral("Benutzerdefinierte Farben verwenden"), modeTip);
    m_optWS->setChecked(true);

    m_cmdOK =
        place<QPushButton>(this, QStringLiteral("cmdOK"), {16, 64, 128, 27}, QStringLiteral("OK"),
                           QStringLiteral("Klicken sie hier, wenn sie mit ihren Einstellungen fertig sind."));
    m_cmdAbbrechen =
        place<QPushButton>(this, QStringLiteral("cmdAbbrechen"), {176, 64, 128, 27},
                           QStringLiteral("Abbrechen"), QStringLiteral("Klicken sie hier, um abzubrechen."));
    m_cmdUebernehmen = place<QPushButton>(
        this, QStringLiteral("cmdÜbernehmen"), {336, 64, 128, 27}, QStringLiteral("Übernehmen"),
        QStringLiteral("Klicken sie hier, um die Einstellungen zu aktualisieren."));
    m_cmdOK->setDefault(true);
    m_cmdUebernehmen->setEnabled(false);

    m_fraFarben = place<QFrame>(this, QStringLiteral("fraFarben"), {8, 102, 464, 2});
    m_fraFarben->setFrameShape(QFrame::HLine);
    m_fraFarben->setFrameShadow(QFrame::Sunken);

    m_fraFW =
        place<QGroupBox>(this, QStringLiteral("fraFW"), {8, 114, 228, 270}, QStringLiteral("Farbenwechsel"));
    const QString cycleTip =
        QStringLiteral("Hier können sie wählen ob, und wenn ja, in welcher Art die Farbe wechseln soll.");
    m_cycleGroup = new QButtonGroup(this);
    const struct
    {
        const char *name;
        QRect rect;
        QString caption;
    } cycles[cycleOptionCount] = {
        {"optFWAus", {12, 22, 204, 20}, QStringLiteral("Aus")},
        {"optFWAlle",
         {12, 44, 204, 52},
         QStringLiteral("Schwarz - Türkis - Schwarz - Gelb - Schwarz - Violett - Schwarz - Weiß")},
        {"optFWST", {12, 98, 204, 20}, QStringLiteral("Schwarz Tükis")},
        {"optFWSG", {12, 120, 204, 20}, QStringLiteral("Schwarz - Gelb")},
        {"optFWSV", {12, 142, 204, 20}, QStringLiteral("Schwarz - Violett")},
        {"optFWSW", {12, 164, 204, 20}, QStringLiteral("Schwarz - Weiß")},
    };
    for (int i = 0; i < cycleOptionCount; ++i) {
        const QString name = QString::fromLatin1(cycles[i].name);
        m_cycleOptions[i] =
            i == 1 ? place<WrappingRadioButton>(m_fraFW, name, cycles[i].rect, cycles[i].caption, cycleTip)
                   : place<QRadioButton>(m_fraFW, name, cycles[i].rect, cycles[i].caption, cycleTip);
        m_cycleGroup->addButton(m_cycleOptions[i], i);
    }
    m_cycleOptions[0]->setChecked(true);
    m_lblWechsel = place<QLabel>(m_fraFW, QStringLiteral("lblWechsel"), {12, 196, 204, 17},
                                 QStringLiteral("Wechsel (in Millisek.):"));
    m_txtWechsel = place<QLineEdit>(m_fraFW, QStringLiteral("txtWechsel"), {12, 216, 120, 22}, {},
                                    QStringLiteral("Geben sie hier die Anzahl der Miliisekunden ein, bis die "
                                                   "nächste Schattierung angezeigt wird."));

    m_fraBF = place<QGroupBox>(this, QStringLiteral("fraBF"), {244, 114, 228, 270},
                               QStringLiteral("Benutzerdefinierte Farbe"));
    const char *const shareNames[3] = {"lblAnteilrot", "lblAnteilgelb", "lblAnteilblau"};
    const char *const shareTexts[3] = {"Anteil rot:", "Anteil gelb:", "Anteil blau:"};
    const char *const hscNames[3] = {"hscAr", "hscAg", "hscAb"};
    for (int i = 0; i < 3; ++i) {
        const int top = 22 + i * 46;
        m_shareLabels[i] = place<QLabel>(m_fraBF, QString::fromLatin1(shareNames[i]), {12, top, 204, 17},
                                         QString::fromLatin1(shareTexts[i]));
        m_hsc[i] = place<QScrollBar>(m_fraBF, QString::fromLatin1(hscNames[i]), {12, top + 19, 204, 17});
        m_hsc[i]->setOrientation(Qt::Horizontal);
        // 256, not 255, is the top value; arrows and trough move by 1; a dragged thumb counts
        // when it is released.
        m_hsc[i]->setRange(0, 256);
        m_hsc[i]->setSingleStep(1);
        m_hsc[i]->setPageStep(1);
        m_hsc[i]->setTracking(false);
        m_hsc[i]->setFocusPolicy(Qt::StrongFocus);
    }
    const char *const labelNames[3] = {"lblRot", "lblGelb", "lblBlau"};
    const char *const labelTexts[3] = {"Rot:", "Gelb:", "Blau:"};
    const char *const txtNames[3] = {"txtRot", "txtGelb", "txtBlau"};
    const QString txtTips[3] = {
        QStringLiteral("Hier wird angezeigt, welchen Rot - Anteil die Farbe jetzt hat."),
        QStringLiteral("Hier wird angezeigt, welchen Gelb - Anteil die Farbe jetzt hat."),
        QStringLiteral("Hier wird angezeigt, welchen Blau - Anteil die Farbe jetzt hat."),
    };
    for (int i = 0; i < 3; ++i) {
        const int left = 12 + i * 52;
        m_componentLabels[i] = place<QLabel>(m_fraBF, QString::fromLatin1(labelNames[i]), {left, 164, 46, 17},
                                             QString::fromLatin1(labelTexts[i]));
        m_txt[i] = place<QLineEdit>(m_fraBF, QString::fromLatin1(txtNames[i]), {left, 184, 46, 22},
                                    QStringLiteral("0"), txtTips[i]);
    }
    m_lblTest =
        place<QLabel>(m_fraBF, QStringLiteral("lblTest"), {168, 164, 48, 17}, QStringLiteral("Test:"));
    m_picTest = place<QFrame>(m_fraBF, QStringLiteral("picTest"), {168, 184, 48, 48}, {},
                              QStringLiteral("Hier wird die aktuelle Schttierung angezeigt."));
    m_picTest->setFrameShape(QFrame::Box);
    m_picTest->setAutoFillBackground(true);
    m_picTest->setFocusPolicy(Qt::TabFocus);
    fillPreview();

    setCustomControlsEnabled(false);

    QList<QWidget *> order{m_optWS, m_optBF, m_cmdOK, m_cmdAbbrechen, m_cmdUebernehmen};
    order.append(QList<QWidget *>(m_cycleOptions.begin(), m_cycleOptions.end()));
    order.append(m_txtWechsel);
    order.append(QList<QWidget *>(m_hsc.begin(), m_hsc.end()));
    order.append(QList<QWidget *>(m_txt.begin(), m_txt.end()));
    order.append(m_picTest);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

// The controls filled from the settings record, in this order: the scroll bars, the interval,
// the cycle option, then the mode. Each filling runs its change handling, as the user's would.
void frmFarben::loadSettings()
{
    const Farbeinstellung &e = m_scheme.settings();
    m_hsc[0]->setValue(e.rot);
    m_hsc[1]->setValue(e.gelb);
    m_hsc[2]->setValue(e.blau);
    m_txtWechsel->setText(QString::number(e.wechselzeit));
    // "Aus" is selected already, and stays so for a text that names no option.
    if (e.cycle != CycleChoice::Off)
        m_cycleOptions[std::size_t(e.cycle)]->setChecked(true);
    if (e.mode != ColourMode::Standard) {
        m_optBF->setChecked(true);
        m_cmdUebernehmen->setEnabled(false);
    }
    // In mode "WS" "Übernehmen" stays as the fillings left it: enabled.
}

void frmFarben::setCustomControlsEnabled(bool enabled)
{
    m_fraFW->setEnabled(enabled);
    for (QRadioButton *option : m_cycleOptions)
        option->setEnabled(enabled);
    m_lblWechsel->setEnabled(enabled);
    m_fraBF->setEnabled(enabled);
    for (int i = 0; i < 3; ++i) {
        m_shareLabels[i]->setEnabled(enabled);
        m_hsc[i]->setEnabled(enabled);
        m_componentLabels[i]->setEnabled(enabled);
        m_txt[i]->setEnabled(enabled);
    }
    m_lblTest->setEnabled(enabled);
    m_picTest->setEnabled(enabled);
}

CycleChoice frmFarben::selectedCycle() const
{
    const int id = m_cycleGroup->checkedId();
    return id < 0 ? CycleChoice::Off : CycleChoice(id);
}

void frmFarben::changed()
{
    m_cmdUebernehmen->setEnabled(true);
}

void frmFarben::optWS_Click()
{
    changed();
    setCustomControlsEnabled(false);
}

void frmFarben::optBF_Click()
{
    changed();
    setCustomControlsEnabled(true);
}

void frmFarben::hsc_Change(int index)
{
    changed();
    m_txt[index]->setText(QString::number(m_hsc[index]->value()));
    fillPreview();
}

void frmFarben::txtComponent_Change(int index)
{
    changed();
    const QString text = m_txt[index]->text();
    const double value = Zahlwert(text);
    // The scroll bars take 0 to 256: a larger value becomes 256, a negative one 0. Setting the
    // text runs this handling again with the plain number.
    if (value > 256) {
        m_txt[index]->setText(QStringLiteral("256"));
        return;
    }
    if (value < 0) {
        m_txt[index]->setText(QStringLiteral("0"));
        return;
    }
    m_hsc[index]->setValue(componentValue(text));
    fillPreview();
}

void frmFarben::fillPreview()
{
    const Colour colour{m_hsc[0]->value(), m_hsc[1]->value(), m_hsc[2]->value()};
    QPalette palette = m_picTest->palette();
    palette.setColor(QPalette::Window, colour.toQColor());
    m_picTest->setPalette(palette);
}

bool frmFarben::EinstellungenUebernehmen()
{
    std::optional<BusyCursor> busy(std::in_place);
    const QString interval = m_txtWechsel->text();
    const IntervalCheck check = checkInterval(interval);
    if (check != IntervalCheck::Valid) {
        busy.reset();
        MessageBox::critical(this, QStringLiteral("Fehler!"),
                             check == IntervalCheck::TooLarge ? intervalTooLargeMessage()
                                                              : invalidIntervalMessage());
        return false;
    }

    m_red = componentValue(m_txt[0]->text());
    m_green = componentValue(m_txt[1]->text());
    m_blue = componentValue(m_txt[2]->text());

    Farbeinstellung &e = m_scheme.settings();
    const ModeChoice choice = modeForChoice(m_optWS->isChecked(), selectedCycle());
    e.choose(choice.mode, choice.cycle);
    if (e.mode == ColourMode::Standard) {
        m_scheme.stopCycle();
        m_scheme.FensterFaerben(Background::systemfarbe());
    } else if (e.mode == ColourMode::Fixed) {
        m_scheme.stopCycle();
        m_scheme.FensterFaerben(Background::of({m_red, m_green, m_blue}));
    } else {
        // The windows keep their colour until the first tick.
        m_scheme.startCycle(timerInterval(interval));
    }

    const std::optional<QString> error =
        Settings::EinstellungenSchreiben(m_settingsPath, e.mode, e.cycle, interval, m_red, m_green, m_blue);
    if (error) {
        // The choice is in force but not stored: "Übernehmen" stays enabled so that it can be retried.
        busy.reset();
        MessageBox::warning(this, QStringLiteral("Fehler!"), saveFailedMessage(*error));
        return false;
    }
    m_cmdUebernehmen->setEnabled(false);
    return true;
}

void frmFarben::cmdUebernehmen_Click()
{
    EinstellungenUebernehmen();
}

void frmFarben::cmdOK_Click()
{
    // Hidden also when a message stopped Apply.
    EinstellungenUebernehmen();
    hide();
}

void frmFarben::cmdAbbrechen_Click()
{
    // The controls keep what the user left in them for the next opening.
    hide();
}

void frmFarben::reject()
{
    cmdAbbrechen_Click();
}

void frmFarben::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

} // namespace Zembrota
