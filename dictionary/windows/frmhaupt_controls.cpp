// The main window's controls, menus and timers, one row per control.
#include "common/ui/controls.h"
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "dictionary/windows/dropdownlist.h"
#include "dictionary/windows/frmhaupt.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Controls;

namespace Zembrota {

namespace {

const QColor navy(0, 0, 128);
const QColor blue(0, 0, 255);
const QColor green(0, 128, 0);
const QColor red(255, 0, 0);
const QColor lightYellow(255, 255, 192);

constexpr int clientWidth = 721;
constexpr int clientHeight = 694;

QFont courier()
{
    return Controls::font(u"Courier New"_s, 12);
}

QFont heading()
{
    return Controls::font(u"Arial"_s, 14.25, true, true, true);
}

} // namespace

void frmHaupt::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(u"Client"_s);
    m_client->setFixedSize(clientWidth, clientHeight);
    setCentralWidget(m_client);
    QWidget *c = m_client;

    // The left column: the word to look up and the result fields.
    QFrame *fra1 = frame(c, u"fraHaupt1"_s, {24, 24, 297, 49});
    m_lblWortEingabe = label(fra1, u"lblWortEingabe"_s, inside(fra1->geometry()),
                             u"Bitte geben sie das gesuchte Wort ein:"_s, {},
                             {Controls::font(u"Arial"_s, 15.75, true, true), navy});
    m_lblWortEingabe->setWordWrap(true);
    m_cmdSuchen = button(c, u"cmdSuchen"_s, {392, 24, 97, 33}, u"Suchen"_s,
                         u"Klicken sie bitte hier, um den Suchvorgang zu starten."_s,
                         {Controls::font(u"System"_s, 9.75, true)});
    m_cmdSuchen->setDefault(true);
    m_txtL = textField(c, u"txtL"_s, {24, 80, 465, 26},
                       u"Geben sie hier bitte das gesuchte lateinische Wort ein."_s,
                       {courier(), navy, lightYellow});

    m_fraHaupt2 = frame(c, u"fraHaupt2"_s, {248, 112, 241, 17});
    const Look message{standardFont(0, true), red};
    m_lblKUeg = label(m_fraHaupt2, u"lblKÜg"_s, inside(m_fraHaupt2->geometry()),
                      u"Keine Übereinstimmung gefunden!"_s, {}, message);
    m_lblWnv = label(m_fraHaupt2, u"lblWnv"_s, inside(m_fraHaupt2->geometry()), u"Wort nicht vorhanden!"_s,
                     {}, message);
    m_lblKWe = label(m_fraHaupt2, u"lblKWe"_s, inside(m_fraHaupt2->geometry()), u"Kein Wort eingegeben!"_s,
                     {}, message);
    m_lblKUeg->hide();
    m_lblWnv->hide();
    m_lblKWe->hide();
    m_fraHaupt2->hide();

    QFrame *fra3 = frame(c, u"fraHaupt3"_s, {24, 120, 121, 17});
    label(fra3, u"lblLZ"_s, inside(fra3->geometry()), u"Lateinische Zusätze:"_s, {}, {standardFont(), navy});
    for (int i = 0; i < int(m_txtLZ.size()); ++i) {
        m_txtLZ[i] =
            readOnlyField(c, u"txtLZ%1"_s.arg(i), {24, 144 + 56 * i, 465, 26},
                          u"Hier werden die gefundenen lateinischen Zusätze angezeigt."_s, {courier(), navy});
    }
    QFrame *fra4 = frame(c, u"fraHaupt4"_s, {24, 352, 145, 17});
    label(fra4, u"lblD"_s, inside(fra4->geometry()), u"Deutsche Bedeutungen:"_s, {}, {standardFont(), blue});
    for (int i = 0; i < int(m_txtD.size()); ++i) {
        m_txtD[i] =
            readOnlyField(c, u"txtD%1"_s.arg(i), {24, 376 + 56 * i, 465, 26},
                          u"Hier weren die gefundenen deutschen Bedeutungen angezeigt."_s, {courier(), blue});
    }

    // The divider between the columns: a sunken double line.
    QFrame *fra9 = frame(c, u"fraHaupt9"_s, {504, 80, 9, 545});
    line(fra9, u"Line1"_s, {3, 0, 1, 545}, QColor(128, 128, 128));
    line(fra9, u"Line2"_s, {4, 0, 1, 545}, Qt::white);
    line(fra9, u"Line3"_s, {5, 0, 1, 545}, QColor(128, 128, 128));

    // The right column: manual search, all words, full-text search, books and lessons.
    QFrame *fra5 = frame(c, u"fraHaupt5"_s, {528, 80, 169, 25});
    label(fra5, u"lblManuelleSuche"_s, inside(fra5->geometry()), u"Manuelle - Suche:"_s, {}, {heading()});
    m_CboBuecher = new DropDownList(c, u"CboBücher"_s, {528, 120, 169, 21},
                                    u"Wählen sie hier das Buch aus, in welchem das Wort, welches sie wissen "
                                    u"wollen, vorkommt."_s);
    applyLook(m_CboBuecher, {standardFont(), green});
    m_CboBuecher->setItems({u"Buch 1"_s, u"Buch 2"_s, u"Buch 3"_s});
    m_CboLektionen = new DropDownList(c, u"CboLektionen"_s, {528, 168, 169, 21},
                                      u"Wählen sie hier die Lektion, in der das Wort, welches sie wissen "
                                      u"wollen, vorkommt."_s);
    applyLook(m_CboLektionen, {standardFont(), green});
    m_CboWoerter = new DropDownList(c, u"CboWörter"_s, {528, 216, 169, 21},
                                    u"Wählen sie hier das Wort, welches sie wissen wollen."_s);
    applyLook(m_CboWoerter, {standardFont(), navy});
    QFrame *fra12 = frame(c, u"fraHaupt12"_s, {528, 256, 169, 1});
    line(fra12, u"Line5"_s, inside(fra12->geometry()), QColor(128, 128, 128));
    m_CboAlleWoerter = new DropDownList(c, u"CboAlleWörter"_s, {528, 280, 169, 21},
                                        u"Wählen sie hier das Wort, welches sie wissen wollen."_s);
    applyLook(m_CboAlleWoerter, {standardFont(), navy});
    QFrame *fra10 = frame(c, u"fraHaupt10"_s, {512, 320, 185, 1});
    line(fra10, u"Line4"_s, inside(fra10->geometry()), QColor(128, 128, 128));

    QFrame *fra6 = frame(c, u"fraHaupt6"_s, {528, 344, 153, 25});
    label(fra6, u"lblVolltextSuche"_s, inside(fra6->geometry()), u"Volltext - Suche:"_s, {}, {heading()});
    m_txtVolltext = textField(c, u"txtVolltext"_s, {528, 384, 169, 19},
                              u"Geben sie hier den Text ein, nach welchem gesucht werden soll."_s);
    m_cmdVSuchen = button(c, u"cmdVSuchen"_s, {528, 416, 81, 17}, u"Suchen"_s,
                          u"Klicken sie hier, um die Suche zu starten."_s);
    m_cmdVWeitersuchen = button(c, u"cmdVWeitersuchen"_s, {616, 416, 81, 17}, u"Weiter suchen"_s,
                                u"Klicken sie hier, um nach der aktuellen Wortnummer weiter zu suchen."_s);
    QFrame *fra11 = frame(c, u"fraHaupt11"_s, {512, 448, 185, 1});
    line(fra11, u"Line6"_s, inside(fra11->geometry()), QColor(128, 128, 128));

    QFrame *fra7 = frame(c, u"fraHaupt7"_s, {528, 464, 33, 17});
    label(fra7, u"lblBuch"_s, inside(fra7->geometry()), u"Buch:"_s, {}, {standardFont(), green});
    m_txtBuch = readOnlyBox(c, u"txtBuch"_s, {528, 488, 169, 49},
                            u"Hier wird / werden die Nummer(n) des / der Buches / Bücher angezeigt, in dem / "
                            u"denen das Wort vorkommt."_s,
                            {courier(), green});
    QFrame *fra8 = frame(c, u"fraHaupt8"_s, {528, 560, 41, 17});
    label(fra8, u"lblLektion"_s, inside(fra8->geometry()), u"Lektion:"_s, {}, {standardFont(), green});
    m_txtLektion =
        readOnlyBox(c, u"txtLektion"_s, {528, 576, 169, 49},
                    u"Hier wird / werden die Lektion(en) angezeit, in der / denen das Wort vorkommt."_s,
                    {courier(), green});

    // The bottom: the advertisement line and its link.
    QFrame *fra13 = frame(c, u"fraHaupt13"_s, {16, 632, 689, 41});
    QLabel *trivenna =
        label(fra13, u"lblTrivenna"_s, inside(fra13->geometry()),
              u"Wenn sie nicht nur ein lateinisches Wörterbuch brauchen, sondern auch abgefragt "
              u"werden wollen, bestellen sie bei mir den Trivenna!"_s);
    trivenna->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    trivenna->setWordWrap(true);
    QFrame *fra14 = frame(c, u"fraHaupt14"_s, {264, 672, 193, 25});
    // A link: blue, it takes the focus and follows with Enter or Space as with a click.
    m_lblWI = new LinkLabel(u"Weitere Informationen!"_s, fra14);
    m_lblWI->setObjectName(u"lblWI"_s);
    m_lblWI->setGeometry(inside(fra14->geometry()));
    m_lblWI->setToolTip(u"Klicken sie hier für weitere Informationen zum Trivenna."_s);
    applyLook(m_lblWI, {standardFont(), blue});
    m_lblWI->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The same hand as the about and advert windows' links, which take their pointer from this label.
    m_lblWI->setCursor(linkCursor());

    // The sixteen icon frames, kept hidden beyond the right edge.
    for (int i = 0; i < IconFrames::count; ++i) {
        auto *image = new QLabel(c);
        image->setObjectName(u"Image1%1"_s.arg(i));
        image->setGeometry(clientWidth, 0, IconFrames::size, IconFrames::size);
        image->setPixmap(IconFrames::frame(i));
        image->hide();
    }
}

void frmHaupt::buildMenus()
{
    QMenuBar *bar = menuBar();
    m_mnuDatei = bar->addMenu(u"Datei"_s);
    m_mnuDatei->setObjectName(u"mnuDatei"_s);
    m_mnuEnde = m_mnuDatei->addAction(u"Ende"_s);
    m_mnuEnde->setObjectName(u"mnuEnde"_s);
    m_mnuEnde->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    m_mnuAnsicht = bar->addMenu(u"Ansicht"_s);
    m_mnuAnsicht->setObjectName(u"mnuAnsicht"_s);
    m_mnuStatus = m_mnuAnsicht->addAction(u"Status"_s);
    m_mnuStatus->setObjectName(u"mnuStatus"_s);
    m_mnuStatus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuStatus->setCheckable(true);
    m_mnuFarben = m_mnuAnsicht->addAction(u"Hintergrund - Farben"_s);
    m_mnuFarben->setObjectName(u"mnuFarben"_s);
    m_mnuFarben->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_mnuFormen = m_mnuAnsicht->addAction(u"Formen"_s);
    m_mnuFormen->setObjectName(u"mnuFormen"_s);
    m_mnuFormen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_mnuFormen->setToolTip(u"Zeigt alle Formen des angezeigten Wortes als Tabelle."_s);
    m_mnuAnsicht->setToolTipsVisible(true);

    m_mnuHilfe = bar->addMenu(u"?"_s);
    m_mnuHilfe->setObjectName(u"mnuHilfe"_s);
    m_mnuHilfe1 = m_mnuHilfe->addAction(u"Inhalt"_s);
    m_mnuHilfe1->setObjectName(u"mnuHilfe1"_s);
    m_mnuHilfe1->setShortcut(QKeySequence(Qt::Key_F1));
    m_mnuHilfe2 = m_mnuHilfe->addAction(u"Index"_s);
    m_mnuHilfe2->setObjectName(u"mnuHilfe2"_s);
    m_mnuHilfe2->setShortcut(QKeySequence(Qt::Key_F2));
    m_mnuHilfe3 = m_mnuHilfe->addAction(u"Info"_s);
    m_mnuHilfe3->setObjectName(u"mnuHilfe3"_s);
    m_mnuHilfe3->setShortcut(QKeySequence(Qt::Key_F3));
    // The shortcuts work from every control of the window, also while a list is open.
    for (QAction *action :
         {m_mnuEnde, m_mnuStatus, m_mnuFarben, m_mnuFormen, m_mnuHilfe1, m_mnuHilfe2, m_mnuHilfe3})
        action->setShortcutContext(Qt::WindowShortcut);
}

void frmHaupt::buildTimers()
{
    // Time: the clock of the status window, every minute.
    m_time = new QTimer(this);
    m_time->setObjectName(u"Time"_s);
    m_time->setInterval(60000);
    // Timer: the icon animation, every 100 ms, with its own timer.
    m_iconAnimation = new IconAnimation(this);
    m_iconAnimation->setObjectName(u"IconAnimation"_s);
    m_iconAnimation->timer()->setObjectName(u"Timer"_s);
}

void frmHaupt::setTabOrderOfControls()
{
    QList<QWidget *> order{m_txtL, m_cmdSuchen};
    order.append(QList<QWidget *>(m_txtLZ.begin(), m_txtLZ.end()));
    order.append(QList<QWidget *>(m_txtD.begin(), m_txtD.end()));
    order.append({m_CboBuecher, m_CboLektionen, m_CboWoerter, m_CboAlleWoerter, m_txtBuch, m_txtLektion,
                  m_txtVolltext, m_cmdVSuchen, m_cmdVWeitersuchen, m_lblWI});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace Zembrota
