// frmHaupt, the viewer's main window: one page at a time (contents, index or a topic).
#pragma once

#include "helpfile/helpfile.h"
#include "helpviewer/startup.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QListWidget;
class QPushButton;
class RichTextBox;

namespace Tessavor {

class IndexList;
class frmInfo;
class frmVerwendung;

class frmHaupt : public QMainWindow, public Viewer::Pages
{
    Q_OBJECT
public:
    enum class Page { Contents, Index, Topic };

    // The program directory is taken once: temp.tmp, tessavor.txt and the help on help live there.
    explicit frmHaupt(QWidget *parent = nullptr);
    ~frmHaupt() override;

    void setHelp(const HelpFile::Document &document) override;
    void InhaltZeigen() override;
    void IndexZeigen() override;
    bool ThemaZeigen(const QString &topic) override;

    Page page() const { return m_page; }
    QString programDir() const { return m_programDir; }

    // The windows' handlers, one per control and event.
    void ListeInhalt_Click();
    void ListeIndex_Click(const QString &entry);
    void ListeIndex_Enter(const QString &typed);
    void cmdInfo_Click();
    void cmdVerwendung_Click();
    void mnuHilfezurHilfe_Click();
    // A link of the shown topic: a bookmark scrolls, a web or mail address opens on the desktop,
    // another topic of the help file is shown.
    void Text_LinkActivated(const QString &target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void fillContents();
    // A topic chosen from a list after start-up: a failure warns and returns to that list.
    void showChosenTopic(const QString &topic, Page cameFrom);
    // A rich topic read from the bytes of the help file (temp.tmp may hold another viewer's topic).
    bool showRtfFromMemory(const QByteArray &bytes);

    QString m_programDir;
    HelpFile::Document m_document;
    Page m_page = Page::Contents;
    bool m_contentsFilled = true;

    QPushButton *m_command0 = nullptr;
    QListWidget *m_listeInhalt = nullptr;
    IndexList *m_listeIndex = nullptr;
    RichTextBox *m_text = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPointer<frmInfo> m_info;
    QPointer<frmVerwendung> m_verwendung;
};

} // namespace Tessavor
