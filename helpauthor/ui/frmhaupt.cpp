// The main window: its controls and menus, and the project commands, each a call into the project
// library followed by showing the rewritten file.
#include "helpauthor/ui/frmhaupt.h"

#include "common/linefile.h"
#include "common/plainfile.h"
#include "common/ui/busycursor.h"
#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/inputbox.h"
#include "common/ui/messagebox.h"
#include "helpauthor/helpcompiler.h"
#include "helpauthor/ui/frminfo.h"
#include "helpauthor/ui/frmrtfotxt.h"
#include "helpauthor/ui/topicdialog.h"
#include "richtext/richtextbox.h"

#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Quorant {

namespace {
const QString projectFilter = u"*.vrp|*.vrp"_s;
const QString helpFile = u"quorant.vry"_s;
} // namespace

frmHaupt::frmHaupt(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"frmHaupt"_s);
    setWindowTitle(u"Quorant"_s);
    resize(720, 520);

    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    auto *label = new QLabel(u"Pfad der Hilfedatei:"_s, central);
    label->setObjectName(u"lblPfad"_s);
    m_txtNameHilfedatei = new QLineEdit(central);
    m_txtNameHilfedatei->setObjectName(u"txtNameHilfedatei"_s);
    m_cmdHilfedateierstellen = new QPushButton(u"Hilfedatei erstellen"_s, central);
    m_cmdHilfedateierstellen->setObjectName(u"cmdHilfedateierstellen"_s);
    m_richTextBox = new RichTextBox(central);
    m_richTextBox->setObjectName(u"RichTextBox"_s);
    m_richTextBox->setReadOnly(false);
    m_richTextBox->setLineWrapMode(QTextEdit::NoWrap);
    // The caption names the field for screen readers and moves the focus to it.
    label->setBuddy(m_txtNameHilfedatei);
    m_txtNameHilfedatei->setAccessibleName(u"Pfad der Hilfedatei"_s);
    m_richTextBox->setAccessibleName(u"Projektdatei"_s);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_txtNameHilfedatei, 0, 1);
    layout->addWidget(m_cmdHilfedateierstellen, 0, 2);
    layout->addWidget(m_richTextBox, 1, 0, 1, 3);
    setCentralWidget(central);
    connect(m_cmdHilfedateierstellen, &QPushButton::clicked, this, &frmHaupt::cmdHilfedateierstellen_Click);

    QMenu *datei = menuBar()->addMenu(u"Datei"_s);
    datei->setObjectName(u"mnuDatei"_s);
    addCommand(datei, u"mnuNeu"_s, u"Neu"_s, Qt::Key_F3, &frmHaupt::mnuNeu_Click);
    addCommand(datei, u"mnuÖffnen"_s, u"Öffnen"_s, Qt::Key_F4, &frmHaupt::mnuOeffnen_Click);
    addCommand(datei, u"mnuSpeichern"_s, u"Speichern"_s, Qt::Key_F5, &frmHaupt::mnuSpeichern_Click);
    QMenu *bearbeiten = menuBar()->addMenu(u"Bearbeiten"_s);
    bearbeiten->setObjectName(u"mnuBearbeiten"_s);
    addCommand(bearbeiten, u"mnuThemahinzufügen"_s, u"Thema hinzufügen"_s, Qt::Key_F6,
               &frmHaupt::mnuThemahinzufuegen_Click);
    addCommand(bearbeiten, u"mnuThemalöschen"_s, u"Thema löschen"_s, Qt::Key_F7,
               &frmHaupt::mnuThemaloeschen_Click);
    QMenu *hilfe = menuBar()->addMenu(u"?"_s);
    hilfe->setObjectName(u"mnuFragezeichen"_s);
    addCommand(hilfe, u"mnuHilfe1"_s, u"Hilfe"_s, Qt::Key_F1, &frmHaupt::mnuHilfe1_Click);
    addCommand(hilfe, u"mnuInfo"_s, u"Info"_s, Qt::Key_F2, &frmHaupt::mnuInfo_Click);
}

QAction *frmHaupt::addCommand(QMenu *menu, const QString &name, const QString &text, Qt::Key key,
                              void (frmHaupt::*handler)())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(QKeySequence(key));
    // Also while the text area or the path field has the focus.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void frmHaupt::warn(const QString &title, const QString &text)
{
    // A command's busy pointer makes way for the normal one while the user reads the box, and
    // comes back until the command ends.
    const bool busy = BusyCursor::active();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    MessageBox::warning(this, title, text);
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

bool frmHaupt::requireProject(const QString &title)
{
    if (m_project.isOpen())
        return true;
    warn(title, u"Es ist kein Hilfeprojekt geöffnet. Legen sie mit \"Neu\" ein Projekt an "
                "oder öffnen sie eines mit \"Öffnen\"."_s);
    return false;
}

bool frmHaupt::saveProjectText(const QString &failureTitle)
{
    const std::optional<QString> error = HelpProject::saveText(m_project.path, m_richTextBox->plainText());
    if (!error)
        return true;
    warn(failureTitle, *error + u"\nDer Text bleibt im Fenster erhalten; die Datei ist unverändert."_s);
    return false;
}

bool frmHaupt::loadProjectText()
{
    // The file as plain text, each line break of any kind a line, as the text area loads it; read
    // here first so that a failure keeps what the window shows.
    QString reason;
    const std::optional<QByteArray> bytes =
        PlainFile::read(m_project.path, HelpProject::maxFileBytes, &reason);
    if (!bytes) {
        warn(u"Datei nicht lesbar!"_s, u"Die Datei \"%1\" kann nicht gelesen werden: %2."_s.arg(
                                           QDir::toNativeSeparators(m_project.path), reason));
        return false;
    }
    const QStringList lines = LineFile::splitLines(*bytes, LineFile::Breaks::AnyBreak);
    m_richTextBox->setPlainText(lines.join(u'\n'));
    return true;
}

void frmHaupt::mnuNeu_Click()
{
    const QString path = FileDialog::getSaveFileName(this, projectFilter);
    if (path.isEmpty())
        return;
    const HelpProject::State previous = m_project;
    m_project.path = path;
    frmRTFoTXT typeDialog(m_project.type, this);
    typeDialog.exec();
    // A cancelled input box gives an empty title.
    const QString title =
        InputBox::getText(this, u"Namen eingeben!"_s, u"Geben sie einen Namen für die Hilfe ein."_s)
            .value_or(QString());

    BusyCursor busy;
    if (const std::optional<QString> error = HelpProject::createProject(path, m_project.type, title)) {
        // The project open before stays open, with the window's text.
        m_project = previous;
        warn(u"Projekt nicht angelegt!"_s, *error);
        return;
    }
    loadProjectText();
    m_txtNameHilfedatei->setText(HelpProject::targetPath(path));
}

void frmHaupt::mnuOeffnen_Click()
{
    const QString path = FileDialog::getOpenFileName(this, projectFilter);
    if (path.isEmpty())
        return;
    openProject(path);
}

void frmHaupt::openProject(const QString &path)
{
    BusyCursor busy;
    const HelpProject::OpenResult opened = HelpProject::openProject(path);
    switch (opened.status) {
    case HelpProject::OpenStatus::Unreadable:
        // Nothing was opened: the project open before stays open.
        warn(u"Datei nicht lesbar!"_s, opened.error);
        return;
    case HelpProject::OpenStatus::NotAProject:
        m_project.path.clear();
        warn(u"Datei ungültig!"_s, u"Dies ist keine Gültige Quorant - Datei!"_s);
        return;
    case HelpProject::OpenStatus::Opened:
        break;
    }
    m_project.path = path;
    m_project.type = opened.type;
    loadProjectText();
    m_txtNameHilfedatei->setText(HelpProject::targetPath(path));
}

void frmHaupt::mnuSpeichern_Click()
{
    if (!requireProject(u"Nicht gespeichert!"_s))
        return;
    BusyCursor busy;
    saveProjectText(u"Nicht gespeichert!"_s);
}

void frmHaupt::mnuThemahinzufuegen_Click()
{
    // Without a project there is nowhere to add a topic to; the command does nothing.
    if (!m_project.isOpen())
        return;
    auto adder = [this](const HelpProject::NewTopic &topic) { return addTopic(topic); };
    if (m_project.type == HelpProject::Type::PlainText) {
        frmTXTThema dialog(adder, this);
        dialog.exec();
    } else {
        frmRTFThema dialog(adder, this);
        dialog.exec();
    }
}

bool frmHaupt::addTopic(const HelpProject::NewTopic &topic)
{
    BusyCursor busy;
    const QString title = u"Thema nicht hinzugefügt!"_s;
    if (!saveProjectText(title))
        return false;
    if (const std::optional<QString> error = HelpProject::addTopicToFile(m_project.path, topic)) {
        warn(title, *error);
        return false;
    }
    loadProjectText();
    return true;
}

void frmHaupt::mnuThemaloeschen_Click()
{
    const QString selection = m_richTextBox->selectedText();
    if (selection.isEmpty()) {
        MessageBox::show(this, QMessageBox::NoIcon, u"Kein Thema makiert!"_s,
                         u"Sie haben kein Thema makiert!"_s, QMessageBox::Ok);
        return;
    }
    const QString title = u"Thema nicht gelöscht!"_s;
    if (!requireProject(title))
        return;
    BusyCursor busy;
    // The author's typing since the last save goes into the file before the topic leaves it.
    if (!saveProjectText(title))
        return;
    if (const std::optional<QString> error = HelpProject::deleteTopicFromFile(m_project.path, selection)) {
        warn(title, *error);
        return;
    }
    loadProjectText();
}

void frmHaupt::mnuHilfe1_Click()
{
    HelpLaunch::showHelp(this, helpFile, u"Inhalt"_s);
}

void frmHaupt::mnuInfo_Click()
{
    BusyCursor busy;
    if (!m_info)
        m_info = new frmInfo(this);
    m_info->show();
    m_info->raise();
    m_info->activateWindow();
}

void frmHaupt::cmdHilfedateierstellen_Click()
{
    if (!requireProject(u"Keine Hilfedatei erstellt!"_s))
        return;
    BusyCursor busy;
    if (!saveProjectText(u"Keine Hilfedatei erstellt!"_s))
        return;
    HelpCompiler::Result result;
    try {
        result = HelpCompiler::compile(m_project.path, m_project.type, m_txtNameHilfedatei->text());
    } catch (const std::bad_alloc &) {
        // The files are read within their limit, but the machine may still have too little memory.
        warn(u"Keine Hilfedatei erstellt!"_s, HelpCompiler::outOfMemoryMessage());
        return;
    }
    switch (result.status) {
    case HelpCompiler::Status::Written:
        return;
    case HelpCompiler::Status::SourceUnreadable:
        warn(u"RTF - Datei fehlt!"_s, HelpCompiler::message(result));
        return;
    case HelpCompiler::Status::ProjectUnreadable:
    case HelpCompiler::Status::TargetUnwritable:
    case HelpCompiler::Status::TargetTooLarge:
        warn(u"Keine Hilfedatei erstellt!"_s, HelpCompiler::message(result));
        return;
    case HelpCompiler::Status::TargetIsProject:
        warn(u"Keine Hilfedatei erstellt!"_s, HelpCompiler::message(result));
        m_txtNameHilfedatei->setFocus();
        return;
    }
}

} // namespace Quorant
