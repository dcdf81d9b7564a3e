// The help type dialog: two options, "Weiter" as the default and "Abbrechen" as the cancel button.
#include "helpauthor/ui/frmrtfotxt.h"

#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"

#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace Quorant {

using Controls::place;

frmRTFoTXT::frmRTFoTXT(HelpProject::Type &type, QWidget *parent) : QDialog(parent), m_type(type)
{
    setObjectName(u"frmRTFoTXT"_s);
    setWindowTitle(u"RTF - oder TXT - Hilfedatei"_s);
    setFixedSize(300, 130);

    m_optTXT = place<QRadioButton>(this, u"optTXT"_s, {24, 16, 250, 24}, u"TXT - Hilfedatei"_s);
    m_optRTF = place<QRadioButton>(this, u"optRTF"_s, {24, 44, 250, 24}, u"RTF - Hilfedatei"_s);
    auto *cmdWeiter = place<QPushButton>(this, u"cmdWeiter"_s, {24, 88, 120, 28}, u"Weiter"_s);
    auto *cmdAbbrechen = place<QPushButton>(this, u"cmdAbbrechen"_s, {156, 88, 120, 28}, u"Abbrechen"_s);
    m_optRTF->setChecked(true);
    cmdWeiter->setDefault(true);

    connect(cmdWeiter, &QPushButton::clicked, this, &frmRTFoTXT::cmdWeiter_Click);
    // Escape rejects the dialog as well, which is the cancel button's role.
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    // F1 reaches the dialog whichever control has the focus.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { HelpLaunch::showHelp(this, u"quorant.vry"_s, u"Neu"_s); });
}

void frmRTFoTXT::cmdWeiter_Click()
{
    {
        BusyCursor busy;
        m_type = m_optTXT->isChecked() ? HelpProject::Type::PlainText : HelpProject::Type::RichText;
    }
    accept();
}

} // namespace Quorant
