// The forms window.
#include "dictionary/windows/frmformen.h"

#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

namespace Zembrota {

frmFormen::frmFormen(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"frmFormen"_s);
    setWindowTitle(u"Formen"_s);
    setFixedSize(640, 560);
    m_lblWort = Controls::label(this, u"lblWort"_s, QRect(16, 12, 608, 24), QString(), QString(),
                                Controls::Look(Controls::font(u"Arial"_s, 12, true), QColor(0, 0, 128)));
    m_txtFormen = Controls::place<QTextBrowser>(
        this, u"txtFormen"_s, QRect(16, 44, 608, 464), QString(),
        u"Alle Formen des angezeigten Wortes. Markieren und mit Strg+C kopieren."_s);
    m_txtFormen->setOpenLinks(false);
    m_cmdKopieren =
        Controls::place<QPushButton>(this, u"cmdKopieren"_s, QRect(16, 520, 120, 28), u"Kopieren"_s,
                                     u"Kopiert die ganze Tabelle in die Zwischenablage."_s);
    m_cmdSchliessen = Controls::place<QPushButton>(this, u"cmdSchliessen"_s, QRect(504, 520, 120, 28),
                                                   u"Schließen"_s, u"Schließt das Fenster „Formen“."_s);
    connect(m_cmdKopieren, &QPushButton::clicked, this, &frmFormen::cmdKopieren_Click);
    connect(m_cmdSchliessen, &QPushButton::clicked, this, &QWidget::hide);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this,
            [this] { HelpLaunch::showHelp(this, u"zembrota.vry"_s, u"Formentabelle"_s); });
    showNothing();
}

void frmFormen::showEntry(const QString &head, const QStringList &additions)
{
    m_table = Forms::formsTableOf(head, additions);
    render();
}

void frmFormen::showNothing()
{
    m_table = Forms::FormsTable();
    render();
}

void frmFormen::render()
{
    m_lblWort->setText(m_table.heading.isEmpty() ? u"Noch kein Wort gefunden."_s : m_table.heading);
    m_txtFormen->setHtml(m_table.sections.isEmpty() ? QString() : m_table.html());
    m_cmdKopieren->setEnabled(!m_table.sections.isEmpty());
}

void frmFormen::cmdKopieren_Click()
{
    QApplication::clipboard()->setText(m_table.plainText());
}

void frmFormen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The tables follow the window's colours: text and lines in the palette's text colour on its
// background, so the colour settings paint this window like the others.
void frmFormen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        QPalette p = m_txtFormen->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
        m_txtFormen->setPalette(p);
    }
    QWidget::changeEvent(event);
}

} // namespace Zembrota
