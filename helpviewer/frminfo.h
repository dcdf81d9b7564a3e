// frmInfo, the viewer's about window: version, maker, web and mail links, and the way to the usage
// window.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QPushButton;
class QLabel;
class LinkLabel;

namespace Tessavor {

class frmInfo : public QDialog
{
    Q_OBJECT
public:
    // The version as the window shows it: "2.4".
    static QString versionText();
    // The link targets; the mail link carries the subject "Tessavor v" and the version.
    static QUrl webUrl();
    static QUrl mailUrl();

    explicit frmInfo(QWidget *parent = nullptr);

Q_SIGNALS:
    // cmdVerwendung: the main window shows the usage window.
    void usageRequested();

private:
    void lbl_Click(int index);
    void cmdVerwendung_Click();

    LinkLabel *m_lbl1 = nullptr;
    LinkLabel *m_lbl2 = nullptr;
};

} // namespace Tessavor
