// The authoring program's start-up: the files it needs beside it, checked before the main window.
#pragma once

namespace Quorant {

// Qt's own dialogs (file dialog, input box, message box buttons) speak German like the program,
// when Qt's German texts are installed; otherwise they stay as Qt ships them.
void useGermanStandardTexts();

// Checks the program directory under the busy pointer; a missing file is reported with an error
// message and gives false, after which the program ends.
bool startUpChecksPass();

} // namespace Quorant
