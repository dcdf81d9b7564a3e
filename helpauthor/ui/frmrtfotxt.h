// frmRTFoTXT: chooses whether a new help project holds typed text or RTF files.
#pragma once

#include "helpauthor/helpproject.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace Quorant {

class frmRTFoTXT : public QDialog
{
    Q_OBJECT
public:
    // "Weiter" sets the type; "Abbrechen" and the close box leave it as it was.
    frmRTFoTXT(HelpProject::Type &type, QWidget *parent = nullptr);

    void cmdWeiter_Click();

private:
    HelpProject::Type &m_type;
    QRadioButton *m_optTXT;
    QRadioButton *m_optRTF;
};

} // namespace Quorant
