// The authoring program's start-up: the files it needs beside it, checked before the main window.
#pragma once

namespace Quorant {

// Checks the program directory under the busy pointer; a missing file is reported with an error
// message and gives false, after which the program ends.
bool startUpChecksPass();

} // namespace Quorant
