// Qt's own texts in German for all three programs.
#pragma once

namespace GermanTexts {

// Installs Qt's German translations (the text fields' context menus, the standard buttons of
// message boxes and dialogs), so that Qt's texts speak German like the rest of the programs.
// Without the translations installed they stay as Qt ships them. Calling it again changes nothing.
void install();

} // namespace GermanTexts
