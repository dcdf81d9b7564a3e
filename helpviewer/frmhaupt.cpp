// The main window: its controls, menus, keys and the three display operations.
#include "helpviewer/frmhaupt.h"

#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpviewer/frminfo.h"
#include "helpviewer/frmverwendung.h"
#include "helpviewer/indexlist.h"
#include "helpviewer/pagebutton.h"
#include "helpviewer/topiclink.h"
#include "helpviewer/topicsource.h"
#include "helpviewer/viewerargument.h"
#include "richtext/richtextbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;
using Controls::place;

namespace Tessavor {

namespace {
constexpr QRect bannerRect{8, 8, 504, 44};
constexpr QRect pageRect{8, 112, 504, 300};
constexpr QRect okRect{412, 420, 100, 28};
constexpr QSize clientSize{520, 456};

// The banner shows names as they are; a "&" must not become a keyboard mnemonic.
QString bannerText(const QString &name)
{
    QString text = name;
    return text.replace(u'&', u"&&"_s);
}

bool isEnterOrEscape(const QKeyEvent *event)
{
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}
} // namespace

frmHaupt::frmHaupt(QWidget *parent) : QMainWindow(parent), m_programDir(HelpLaunch::programDir())
{
    setObjectName(u"frmHaupt"_s);
    setWindowTitle(u"Hilfe: "_s);
    buildControls();
    buildMenus();
    adjustSize();
    setFixedSize(sizeHint());
    // Sees every key before the control with the focus does: the digit keys switch pages.
    qApp->installEventFilter(this);
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(u"frmHauptFlaeche"_s);
    central->setFixedSize(clientSize);
    setCentralWidget(central);
    // The pictures are decoded before the first button's text: that first accessibility update
    // waits for the session bus, which a thread is connecting meanwhile.
    const QPixmap inhaltPicture = pagePicture(central, QStyle::SP_FileDialogContentsView);
    const QPixmap indexPicture = pagePicture(central, QStyle::SP_FileDialogDetailedView);
    const QPixmap infoPicture = pagePicture(central, QStyle::SP_FileDialogInfoView);
    const QPixmap verwendungPicture = pagePicture(central, QStyle::SP_FileIcon);

    m_command0 = place<QPushButton>(central, u"Command0"_s, bannerRect);
    m_command0->setFocusPolicy(Qt::NoFocus);
    QFont bannerFont(u"Arial"_s);
    bannerFont.setPointSize(14);
    m_command0->setFont(bannerFont);
    m_command0->setStyleSheet(
        u"QPushButton { color: white; border: 1px solid #203060; border-radius: 3px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1c3f8c, stop:0.6 #4a78c8,"
        " stop:1 #9cc0ee); }"_s);

    auto *cmdInhalt = addPageButton(central, u"cmdInhalt"_s, u"Inhalt"_s, 0, inhaltPicture);
    auto *cmdIndex = addPageButton(central, u"cmdIndex"_s, u"Index"_s, 1, indexPicture);
    auto *cmdInfo = addPageButton(central, u"cmdInfo"_s, u"Info"_s, 2, infoPicture);
    auto *cmdVerwendung = addPageButton(central, u"cmdVerwendung"_s, u"Verwendung"_s, 3, verwendungPicture);

    m_listeInhalt = place<QListWidget>(central, u"ListeInhalt"_s, pageRect);
    m_listeInhalt->installEventFilter(this);
    // One line of one font per entry: the list need not measure every row to show a few.
    m_listeInhalt->setUniformItemSizes(true);

    m_listeIndex = new IndexList(central);
    m_listeIndex->setGeometry(pageRect);

    m_text = place<RichTextBox>(central, u"Text"_s, pageRect);
    m_text->setReadOnly(true);

    m_cmdOK = place<QPushButton>(central, u"cmdOK"_s, okRect, u"OK"_s);
    m_cmdOK->setAutoDefault(true);
    m_cmdOK->setDefault(true);

    connect(cmdInhalt, &QPushButton::clicked, this, [this] {
        BusyCursor busy;
        InhaltZeigen();
    });
    connect(cmdIndex, &QPushButton::clicked, this, [this] {
        BusyCursor busy;
        IndexZeigen();
    });
    connect(cmdInfo, &QPushButton::clicked, this, &frmHaupt::cmdInfo_Click);
    connect(cmdVerwendung, &QPushButton::clicked, this, &frmHaupt::cmdVerwendung_Click);
    connect(m_listeInhalt, &QListWidget::itemClicked, this, &frmHaupt::ListeInhalt_Click);
    connect(m_listeIndex, &IndexList::entryChosen, this, &frmHaupt::ListeIndex_Click);
    connect(m_listeIndex, &IndexList::enterPressed, this, &frmHaupt::ListeIndex_Enter);
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(m_text, &RichTextBox::linkActivated, this, &frmHaupt::Text_LinkActivated);

    InhaltZeigen();
}

void frmHaupt::buildMenus()
{
    QMenuBar *bar = menuBar();
    QAction *mnuEnde = bar->addAction(u"Ende!"_s);
    mnuEnde->setObjectName(u"mnuEnde"_s);
    connect(mnuEnde, &QAction::triggered, this, &QWidget::close);

    QAction *mnuInhalt = bar->addAction(u"Inhalt!"_s);
    mnuInhalt->setObjectName(u"mnuInhalt"_s);
    connect(mnuInhalt, &QAction::triggered, this, [this] {
        BusyCursor busy;
        InhaltZeigen();
    });

    QAction *mnuIndex = bar->addAction(u"Index!"_s);
    mnuIndex->setObjectName(u"mnuIndex"_s);
    connect(mnuIndex, &QAction::triggered, this, [this] {
        BusyCursor busy;
        IndexZeigen();
    });

    QMenu *help = bar->addMenu(u"?"_s);
    help->setObjectName(u"mnuFragezeichen"_s);
    QAction *mnuHilfe = help->addAction(u"Hilfe zur Hilfe"_s);
    mnuHilfe->setObjectName(u"mnuHilfezurHilfe"_s);
    mnuHilfe->setShortcut(Qt::Key_F1);
    connect(mnuHilfe, &QAction::triggered, this, &frmHaupt::mnuHilfezurHilfe_Click);
    QAction *mnuInfo = help->addAction(u"Info"_s);
    mnuInfo->setObjectName(u"mnuInfo"_s);
    mnuInfo->setShortcut(Qt::Key_F2);
    connect(mnuInfo, &QAction::triggered, this, &frmHaupt::cmdInfo_Click);
    QAction *mnuVerwendung = help->addAction(u"Verwendung"_s);
    mnuVerwendung->setObjectName(u"mnuVerwendung"_s);
    mnuVerwendung->setShortcut(Qt::Key_F3);
    connect(mnuVerwendung, &QAction::triggered, this, &frmHaupt::cmdVerwendung_Click);
    // The shortcuts work from every control of the window, also while the menu bar is closed.
    addActions({mnuHilfe, mnuInfo, mnuVerwendung});
}

void frmHaupt::setHelp(const HelpFile::Document &document)
{
    m_document = document;
    setWindowTitle(u"Hilfe: "_s + document.title);
    m_listeInhalt->clear();
    m_contentsFilled = false;
    if (m_listeInhalt->isVisible())
        fillContents();
    // A help read for a topic or the contents page comes without its index (read for a topic,
    // also without its contents list): it is made when the index page is first shown or a link
    // needs it.
    if (document.indexPending)
        m_listeIndex->setEntries([help = document]() mutable {
            help.makeIndex();
            return help.index;
        });
    else
        m_listeIndex->setEntries(document.index);
}

void frmHaupt::fillContents()
{
    // The rows are made when the contents page is first shown: a viewer started on a topic of a
    // large help does not wait for a list it does not show.
    if (m_contentsFilled)
        return;
    m_contentsFilled = true;
    m_document.makeContents();
    m_listeInhalt->addItems(m_document.contents);
}

void frmHaupt::InhaltZeigen()
{
    m_text->hide();
    m_listeIndex->hide();
    fillContents();
    m_listeInhalt->show();
    m_command0->setText(u"Inhalt"_s);
    m_page = Page::Contents;
    // The keys go to the page just shown; a key being delivered keeps its receiver.
    m_listeInhalt->setFocus();
}

void frmHaupt::IndexZeigen()
{
    m_text->hide();
    m_listeInhalt->hide();
    m_listeIndex->show();
    m_command0->setText(u"Index"_s);
    m_page = Page::Index;
    m_listeIndex->setFocus();
}

bool frmHaupt::ThemaZeigen(const QString &topic)
{
    m_listeInhalt->hide();
    m_listeIndex->hide();
    m_text->clear();
    m_command0->setText(bannerText(topic));
    m_text->show();
    m_text->setFocus();
    m_page = Page::Topic;

    const Viewer::TopicSource source = Viewer::findTopic(m_document, topic, m_programDir);
    if (source.form == Viewer::TopicSource::Form::PlainText) {
        m_text->setPlainText(source.text);
        return true;
    }
    // temp.tmp is written beside the reading of the topic, which comes from the same bytes; both
    // are done before the topic is shown.
    const Viewer::TopicFileWrite written(source);
    return showRtfFromMemory(source.bytes);
}

bool frmHaupt::showRtfFromMemory(const QByteArray &bytes)
{
    // As after loading the file: the topic opens at its top.
    return m_text->loadRtf(bytes);
}

void frmHaupt::Text_LinkActivated(const QString &target)
{
    const Viewer::TopicLink link = Viewer::topicLink(target, m_listeIndex->entries());
    switch (link.kind) {
    case Viewer::TopicLink::Kind::Nowhere:
        break;
    case Viewer::TopicLink::Kind::Bookmark:
        m_text->scrollToAnchor(link.bookmark);
        break;
    case Viewer::TopicLink::Kind::Desktop:
        QDesktopServices::openUrl(link.url);
        break;
    case Viewer::TopicLink::Kind::Topic:
        showChosenTopic(link.topic, Page::Contents);
        if (m_page == Page::Topic && !link.bookmark.isEmpty())
            m_text->scrollToAnchor(link.bookmark);
        break;
    }
}

void frmHaupt::showChosenTopic(const QString &topic, Page cameFrom)
{
    {
        BusyCursor busy;
        if (ThemaZeigen(topic))
            return;
        // Only a damaged file lists a topic it cannot show; the user goes back to the list.
        if (cameFrom == Page::Index)
            IndexZeigen();
        else
            InhaltZeigen();
    }
    // The box shows the normal pointer.
    MessageBox::warning(this, u"Hilfethema nicht gefunden!"_s,
                        u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s);
}

void frmHaupt::ListeInhalt_Click()
{
    if (const QListWidgetItem *item = m_listeInhalt->currentItem())
        showChosenTopic(HelpFile::trimSpaces(item->text()), Page::Contents);
}

void frmHaupt::ListeIndex_Click(const QString &entry)
{
    showChosenTopic(HelpFile::trimSpaces(entry), Page::Index);
}

void frmHaupt::ListeIndex_Enter(const QString &typed)
{
    if (Viewer::indexAccepts(m_listeIndex->entries(), typed))
        showChosenTopic(typed, Page::Index);
}

void frmHaupt::cmdInfo_Click()
{
    BusyCursor busy;
    if (!m_info) {
        m_info = new frmInfo(this);
        connect(m_info, &frmInfo::usageRequested, this, &frmHaupt::cmdVerwendung_Click);
    }
    m_info->show();
    m_info->raise();
    m_info->activateWindow();
}

void frmHaupt::cmdVerwendung_Click()
{
    BusyCursor busy;
    if (!m_verwendung)
        m_verwendung = new frmVerwendung(m_programDir, this);
    m_verwendung->show();
    m_verwendung->raise();
    m_verwendung->activateWindow();
}

void frmHaupt::mnuHilfezurHilfe_Click()
{
    BusyCursor busy;
    HelpLaunch::showHelp(this, QString(Viewer::ownHelpFile), QString(Viewer::contentsTopic));
}

bool frmHaupt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_listeInhalt && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        ListeInhalt_Click();
        return true;
    }
    // Every key of this window passes here first; the digit goes on to the focused control. An
    // ignored key travels on to the parents, so a switch may run twice; that changes nothing.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (widget && widget->window() == this && !key->modifiers().testFlag(Qt::KeypadModifier)) {
        if (key->key() == Qt::Key_1) {
            BusyCursor busy;
            InhaltZeigen();
        } else if (key->key() == Qt::Key_2) {
            BusyCursor busy;
            IndexZeigen();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmHaupt::keyPressEvent(QKeyEvent *event)
{
    // cmdOK is default and cancel button: Enter and Escape that no control took close the viewer.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (isEnterOrEscape(event) && modifiers == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmHaupt::closeEvent(QCloseEvent *event)
{
    Viewer::removeTempFile(m_programDir);
    if (m_info)
        m_info->close();
    if (m_verwendung)
        m_verwendung->close();
    event->accept();
}

} // namespace Tessavor
