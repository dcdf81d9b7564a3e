// The usage window, built at fixed positions.
#include "helpviewer/frmverwendung.h"

#include "richtext/richtextbox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

frmVerwendung::frmVerwendung(const QString &programDir, QWidget *parent)
    : QDialog(parent), m_programDir(programDir)
{
    setObjectName(u"frmVerwendung"_s);
    setWindowTitle(u"Verwendung"_s);
    setFixedSize(440, 360);

    auto *label1 = new QLabel(u"Das Programm darf kopiert werden, solange an ihm und der Textdatei "
                              "Tessavor.txt keine Änderungen vorgenommen werden."_s,
                              this);
    label1->setObjectName(u"Label1"_s);
    label1->setGeometry(12, 10, 416, 36);
    label1->setWordWrap(true);

    m_richTextBox = new RichTextBox(this);
    m_richTextBox->setObjectName(u"RichTextBox"_s);
    m_richTextBox->setGeometry(12, 52, 416, 256);
    m_richTextBox->setReadOnly(true);

    auto *cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setGeometry(328, 320, 100, 28);
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
