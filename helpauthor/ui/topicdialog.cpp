// The add-topic dialogs: validation messages with their focus moves, and the hand-over of the topic.
#include "helpauthor/ui/topicdialog.h"

#include "common/ui/accessiblenames.h"
#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <optional>

using namespace Qt::StringLiterals;
using TopicValidation::Problem;

namespace Quorant {

using Controls::place;

TopicDialog::TopicDialog(const QString &name, const QString &caption, TopicAdder adder, QWidget *parent)
    : QDialog(parent), m_adder(std::move(adder))
{
    setObjectName(name);
    setWindowTitle(caption);
    // F1 reaches the dialog whichever control has the focus.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { HelpLaunch::showHelp(this, u"quorant.vry"_s, u"Thema hinzufügen"_s); });
}

void TopicDialog::addNameControls(int top)
{
    place<QLabel>(this, u"lblName"_s, {12, top, 120, 22}, u"Name des Themas:"_s);
    m_textName = place<QLineEdit>(this, u"TextName"_s, {136, top, width() - 148, 22});
}

void TopicDialog::addBottomControls(int top)
{
    m_check = place<QCheckBox>(this, u"Check"_s, {12, top, width() - 24, 22},
                               u"Thema im Inhalt und Index anzeigen"_s);
    m_check->setChecked(true);
    const int buttons = top + 32;
    auto *add =
        place<QPushButton>(this, u"cmdThemahinzufügen"_s, {12, buttons, 150, 28}, u"Thema hinzufügen"_s);
    auto *cancel =
        place<QPushButton>(this, u"cmdAbbrechen"_s, {width() - 162, buttons, 150, 28}, u"Abbrechen"_s);
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &TopicDialog::cmdThemahinzufuegen_Click);
    // Escape rejects the dialog too: the cancel button's role.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget *TopicDialog::focusFor(Problem) const
{
    return m_textName;
}

void TopicDialog::cmdThemahinzufuegen_Click()
{
    std::optional<BusyCursor> busy(std::in_place);
    const Problem problem = check();
    if (problem != Problem::None) {
        busy.reset();
        switch (problem) {
        case Problem::NoName:
            MessageBox::warning(this, noNameTitle(), u"Das Thema muss einen Namen haben!"_s);
            break;
        case Problem::ReservedName:
            MessageBox::warning(this, u"Name!"_s,
                                u"Der Name des Themas darf nicht ~Inhalt~ oder ~Index~ sein!"_s);
            break;
        case Problem::NoRtfFile:
            MessageBox::warning(this, u"RTF - Datei!"_s, u"Keine RTF - Datei angegeben!"_s);
            break;
        case Problem::NoText:
            MessageBox::warning(this, u"Keinen Text!"_s,
                                u"Sie haben keinen Text für das Thema eingegeben!"_s);
            break;
        case Problem::None:
            break;
        }
        if (QWidget *target = focusFor(problem))
            target->setFocus(Qt::OtherFocusReason);
        return;
    }
    HelpProject::NewTopic topic;
    topic.name = m_textName->text();
    topic.listed = m_check->isChecked();
    topic.body = body();
    busy.reset();
    if (m_adder(topic))
        accept();
}

frmRTFThema::frmRTFThema(TopicAdder adder, QWidget *parent)
    : TopicDialog(u"frmRTFThema"_s, u"RTF - Thema hinzufügen"_s, std::move(adder), parent)
{
    setFixedSize(460, 180);
    addNameControls(14);
    m_textRTFDatei = place<QLineEdit>(this, u"TextRTFDatei"_s, {12, 50, 436, 22});
    m_textRTFDatei->setReadOnly(true);
    m_textRTFDatei->setAccessibleName(u"RTF - Datei"_s);
    m_cmdRTFDateiwaehlen =
        place<QPushButton>(this, u"cmdRTFDateiwählen"_s, {12, 78, 180, 26}, u"RFT - Datei wählen"_s);
    addBottomControls(110);
    AccessibleNames::assign(this);
    connect(m_cmdRTFDateiwaehlen, &QPushButton::clicked, this, &frmRTFThema::cmdRTFDateiwaehlen_Click);
}

void frmRTFThema::cmdRTFDateiwaehlen_Click()
{
    const QString path = FileDialog::getOpenFileName(this, u"*.rtf|*.rtf"_s);
    BusyCursor busy;
    if (!path.isEmpty())
        m_textRTFDatei->setText(path);
}

Problem frmRTFThema::check() const
{
    return TopicValidation::checkRtfTopic(m_textName->text(), m_textRTFDatei->text());
}

QStringList frmRTFThema::body() const
{
    return {m_textRTFDatei->text()};
}

QString frmRTFThema::noNameTitle() const
{
    return u"Namen!"_s;
}

QWidget *frmRTFThema::focusFor(Problem problem) const
{
    return problem == Problem::NoRtfFile ? m_cmdRTFDateiwaehlen : TopicDialog::focusFor(problem);
}

frmTXTThema::frmTXTThema(TopicAdder adder, QWidget *parent)
    : TopicDialog(u"frmTXTThema"_s, u"TXT - Thema hinzufügen"_s, std::move(adder), parent)
{
    setFixedSize(520, 400);
    addNameControls(14);
    place<QLabel>(this, u"lblText"_s, {12, 48, 300, 22}, u"Geben sie hier den Text ein:"_s);
    m_textThema = place<QPlainTextEdit>(this, u"TextThema"_s, {12, 72, 496, 250});
    m_textThema->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textThema->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textThema->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textThema->setTabChangesFocus(true);
    addBottomControls(330);
    AccessibleNames::assign(this);
}

Problem frmTXTThema::check() const
{
    return TopicValidation::checkTxtTopic(m_textName->text(), m_textThema->toPlainText());
}

QStringList frmTXTThema::body() const
{
    return HelpProject::typedBody(m_textThema->toPlainText());
}

QString frmTXTThema::noNameTitle() const
{
    return u"Name!"_s;
}

QWidget *frmTXTThema::focusFor(Problem problem) const
{
    return problem == Problem::NoText ? m_textThema : TopicDialog::focusFor(problem);
}

} // namespace Quorant
