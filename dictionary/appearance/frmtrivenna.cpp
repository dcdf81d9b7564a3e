// The advert window: the drill program's features, its order form, the maker's page and address.
#include "dictionary/appearance/frmtrivenna.h"

#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "common/ui/maker.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/frminfo.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

using Controls::place;

namespace Zembrota {

frmTrivenna::frmTrivenna(std::function<void()> showAbout, QWidget *parent)
    : QDialog(parent), m_showAbout(std::move(showAbout))
{
    setObjectName(QStringLiteral("frmTrivenna"));
    setWindowTitle(QStringLiteral("Trivenna"));
    setFixedSize(440, 236);
    ColourScheme::paint(this, Background::systemfarbe());

    auto *frame = place<QGroupBox>(this, QStringLiteral("fraTrivenna"), {8, 4, 424, 112});
    place<QLabel>(frame, QStringLiteral("Label1"), {12, 12, 400, 34},
                  QStringLiteral("Mit dem Trivenna können sie lateinische Vokabeln erlernen und üben:"))
        ->setWordWrap(true);
    place<QLabel>(frame, QStringLiteral("Label2"), {24, 48, 388, 17},
                  QStringLiteral("- Abfrage nach Lektionen."));
    place<QLabel>(frame, QStringLiteral("Label10"), {24, 68, 388, 17},
                  QStringLiteral("- Beliebige Abfrage von einer oder mehrerer Lektionen."));
    place<QLabel>(frame, QStringLiteral("Label3"), {24, 88, 388, 17},
                  QStringLiteral("- Abfrage: Latein - Deutsch / Deutsch - Latein."));

    m_lblHomepage = new LinkLabel(QStringLiteral("Weitere Informationen auf meiner Homepage!"), this);
    m_lblHomepage->setObjectName(QStringLiteral("lblHomepage"));
    // Only the text is the link: the label is as wide as its text, centred in the window.
    m_lblHomepage->adjustSize();
    m_lblHomepage->move((width() - m_lblHomepage->width()) / 2, 126);
    m_lblHomepage->setToolTip(
        QStringLiteral("Klicken sie hier, um in ihrem Standart - Browser meine Homepage "
                       "angezeigt zu bekommen."));
    // The same hand as the main window's "Weitere Informationen!".
    m_lblHomepage->setCursor(linkCursor());

    m_cmdBestellformular = place<QPushButton>(
        this, QStringLiteral("cmdBestellformular"), {8, 160, 424, 27}, QStringLiteral("Bestellformular"),
        QStringLiteral("Klicken sie hier, um das Bestellformular zu sehen."));
    m_cmdAdresse = place<QPushButton>(this, QStringLiteral("cmdAdresse"), {8, 196, 300, 27},
                                      QStringLiteral("Hier erfahren sie meine Adresse"),
                                      QStringLiteral("Klicken sie hier, um meine Adresse zu erfahren."));
    m_cmdOK = place<QPushButton>(this, QStringLiteral("cmdOK"), {316, 196, 116, 27}, QStringLiteral("OK"),
                                 QStringLiteral("Klicken sie hier, um dieses Fenster zu schließen."));
    m_cmdBestellformular->setDefault(true);
    // The window opens with the default button focused, not the link: Enter still opens the form.
    m_cmdBestellformular->setFocus();
    m_icon = new IconAnimation(this);

    // The desktop handler's result is not looked at: a failed web link reports nothing.
    connect(m_lblHomepage, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(frmInfo::webUrl()); });
    connect(m_cmdBestellformular, &QPushButton::clicked, this, &frmTrivenna::cmdBestellformular_Click);
    connect(m_cmdAdresse, &QPushButton::clicked, this, &frmTrivenna::cmdAdresse_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmTrivenna::hide);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        HelpLaunch::showHelp(this, QStringLiteral("zembrota.vry"), QStringLiteral("Trivenna"));
    });
}

QUrl frmTrivenna::orderFormUrl()
{
    return QUrl::fromLocalFile(HelpLaunch::programDir() + QStringLiteral("/bestell.txt"));
}

void frmTrivenna::cmdBestellformular_Click()
{
    BusyCursor busy;
    // The path is handed over whether or not the file exists; the window stays open and usable.
    const QUrl url = orderFormUrl();
    if (!QDesktopServices::openUrl(url)) {
        MessageBox::warning(this, QStringLiteral("Fehler!"),
                            QStringLiteral("Das Bestellformular \"%1\" konnte nicht geöffnet werden.")
                                .arg(QDir::toNativeSeparators(url.toLocalFile())));
    }
}

void frmTrivenna::cmdAdresse_Click()
{
    if (m_showAbout)
        m_showAbout();
}

void frmTrivenna::reject()
{
    hide();
}

void frmTrivenna::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closing();
    deleteLater();
}

} // namespace Zembrota
