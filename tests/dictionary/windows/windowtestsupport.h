// Helpers for the tests of the dictionary's windows: the test word list, choosing from a list as a
// user does, and a recorded help viewer.
#pragma once

#include "dictionary/appearance/appearance.h"
#include "dictionary/core/wordlist.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmhaupt.h"
#include "tests/testsupport/testsupport.h"

#include <QStringList>

namespace Zembrota {
class DropDownList;
}
class QWidget;

namespace WindowTest {

// The program directory with the test word list (tests/data/windows/latein.lst).
QString wordListDir();
WordList loadTestList();

// The main window on the test word list, shown and active, with its status window (shown when
// showStatus is set) and an appearance whose settings live in a folder of their own.
struct MainWindows
{
    WordList wordList = loadTestList();
    TestSupport::ProgramDir settingsDir;
    Zembrota::Appearance appearance{settingsDir.path()};
    Zembrota::frmAnzeige status;
    Zembrota::frmHaupt main{wordList.words, wordList.lessons, &status, appearance, wordListDir()};

    explicit MainWindows(bool showStatus = true);
};

// Opens the list and clicks the item at this position.
void choose(Zembrota::DropDownList *list, int index);

// Drops the offscreen platform's notes that it cannot raise windows or grab the keyboard.
void quietOffscreenWarnings();

// Types the text key by key; characters beyond ASCII (umlauts) come as key events with their text.
void typeText(QWidget *widget, const QString &text);

// Items of a list, in list order.
QStringList items(const Zembrota::DropDownList *list);

// The object name of the control that has the focus (a list's edit field counts as its list).
QString focusName();

// Stands in for the help viewer: a program directory with an executable "tessavor" and a starter
// that records the viewer's argument instead of starting it.
class HelpRecorder
{
public:
    HelpRecorder();
    ~HelpRecorder();
    QStringList arguments;
    QString dir() const { return m_dir.path(); }

private:
    TestSupport::ProgramDir m_dir;
};

} // namespace WindowTest
