// frmTrivenna, the advert for the maker's vocabulary drill program, with its order form and links.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class IconAnimation;
class LinkLabel;
class QPushButton;

namespace Zembrota {

class frmTrivenna : public QDialog
{
    Q_OBJECT
public:
    // showAbout shows the about window modally; the window waits until it is hidden again.
    frmTrivenna(std::function<void()> showAbout, QWidget *parent = nullptr);

    // The order form beside the program, opened with the desktop's handler for text files.
    static QUrl orderFormUrl();

public Q_SLOTS:
    void reject() override; // Esc: as "OK"

Q_SIGNALS:
    // Sent by the close box just before the window goes; the next use must create it afresh.
    void closing();

protected:
    // The close box destroys the window; "OK" only hides it.
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdBestellformular_Click();
    void cmdAdresse_Click();

    std::function<void()> m_showAbout;
    LinkLabel *m_lblHomepage = nullptr;
    QPushButton *m_cmdBestellformular = nullptr;
    QPushButton *m_cmdAdresse = nullptr;
    QPushButton *m_cmdOK = nullptr;
    IconAnimation *m_icon = nullptr;
};

} // namespace Zembrota
