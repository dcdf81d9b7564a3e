// Driving the authoring main window in tests: the window shown offscreen with every modal question
// answered through its seam, menu keys, the dialogs filled in, text selected.
#pragma once

#include "common/ui/messagebox.h"
#include "helpauthor/helpproject.h"
#include "tests/testsupport/testsupport.h"

#include <QList>
#include <QString>

#include <memory>

class RichTextBox;
namespace Quorant {
class frmHaupt;
}

namespace WindowDriver {

// The message shown when a command needs a project and none is open.
QString noProjectText();
// The boxes shown, one "icon|title|text" line each, for readable comparisons.
QString shownText(const QList<MessageBox::Shown> &shown);

std::unique_ptr<Quorant::frmHaupt> showWindow();
RichTextBox *textBox(Quorant::frmHaupt *window);
QString writeProject(const TestSupport::ProgramDir &dir, const QString &name, const QStringList &lines);
// A menu key pressed in the main window, made active again after a modal dialog closed.
void press(Quorant::frmHaupt *window, Qt::Key key);
// "Neu" with the path, the type and the title answered.
void newProjectVia(Quorant::frmHaupt *window, const QString &path, HelpProject::Type type,
                   const QString &title);
// "Thema hinzufügen" with the dialog filled in: typed text, or the RTF file's path.
void addTopicVia(Quorant::frmHaupt *window, const QString &name, const QString &content, bool listed = true);
// Selects the first occurrence of the text in the project text area.
void select(Quorant::frmHaupt *window, const QString &text);

} // namespace WindowDriver
