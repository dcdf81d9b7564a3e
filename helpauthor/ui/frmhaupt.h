// frmHaupt: the authoring program's main window. It shows the open project file as plain text and
// runs the project commands: new, open, save, add and delete a topic, build the help file.
#pragma once

#include "helpauthor/helpproject.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLineEdit;
class QPushButton;
class RichTextBox;

namespace Quorant {

class frmInfo;

class frmHaupt : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmHaupt(QWidget *parent = nullptr);

    const HelpProject::State &project() const { return m_project; }

    void mnuNeu_Click();
    void mnuOeffnen_Click();
    // Opens a project as "Öffnen" does once its file is chosen (also a file given on the command
    // line); an unreadable or invalid file gets the same warnings.
    void openProject(const QString &path);
    void mnuSpeichern_Click();
    void mnuThemahinzufuegen_Click();
    void mnuThemaloeschen_Click();
    void mnuHilfe1_Click();
    void mnuInfo_Click();
    void cmdHilfedateierstellen_Click();

    // The add-topic dialogs' last step: save the window's text, add the topic to the file and show
    // the file again. False, after a message, when the project could not be saved or rewritten.
    bool addTopic(const HelpProject::NewTopic &topic);

private:
    QAction *addCommand(QMenu *menu, const QString &name, const QString &text, Qt::Key key,
                        void (frmHaupt::*handler)());
    // Writes the window's text to the project file; a failure is reported and gives false.
    bool saveProjectText(const QString &failureTitle);
    // Shows the project file in the window; on failure the window keeps its text.
    bool loadProjectText();
    bool requireProject(const QString &title);
    // Every warning of the window, shown with the normal pointer.
    void warn(const QString &title, const QString &text);

    HelpProject::State m_project;
    QLineEdit *m_txtNameHilfedatei;
    QPushButton *m_cmdHilfedateierstellen;
    RichTextBox *m_richTextBox;
    QPointer<frmInfo> m_info;
};

} // namespace Quorant
