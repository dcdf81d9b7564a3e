// The usage window, built at fixed positions.
#include "helpviewer/frmverwendung.h"

#include "common/ui/controls.h"
#include "richtext/richtextbox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using Controls::place;

namespace Tessavor {

frmVerwendung::frmVerwendung(const QString &programDir, QWidget *parent)
    : QDialog(parent), m_programDir(programDir)
{
    setObjectName(u"frmVerwendung"_s);
    setWindowTitle(u"Verwendung"_s);
    setFixedSize(440, 360);

    auto *label1 = place<QLabel>(this, u"Label1"_s, {12, 10, 416, 36},
                                 u"Das Programm darf kopiert werden, solange an ihm und der Textdatei "
                                 "Tessavor.txt keine Änderungen vorgenommen werden."_s);
    label1->setWordWrap(true);

    m_richTextBox = place<RichTextBox>(this, u"RichTextBox"_s, {12, 52, 416, 256});
    m_richTextBox->setReadOnly(true);

    auto *cmdOK = place<QPushButton>(this, u"cmdOK"_s, {328, 320, 100, 28}, u"OK"_s);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

void frmVerwendung::showEvent(QShowEvent *event)
{
    const QString path = m_programDir + u'/' + textFileName;
    if (!m_richTextBox->loadPlainFile(path)) {
        m_richTextBox->setPlainText(
            u"Die Textdatei Tessavor.txt wurde nicht gefunden oder kann nicht gelesen "
            "werden. Sie gehört in dasselbe Verzeichnis wie das Programm:\n"_s +
            QDir::toNativeSeparators(m_programDir));
    }
    QDialog::showEvent(event);
}

} // namespace Tessavor
