// The start-up checks with their messages.
#include "helpauthor/ui/startup.h"

#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpauthor/startupcheck.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Quorant {

bool startUpChecksPass()
{
    std::optional<BusyCursor> busy(std::in_place);
    const StartupCheck::Outcome outcome = StartupCheck::check(HelpLaunch::programDir());
    busy.reset();
    switch (outcome) {
    case StartupCheck::Outcome::Ready:
        return true;
    case StartupCheck::Outcome::ViewerMissing:
        MessageBox::critical(nullptr, u"Programm Tessavor nicht gefunden!"_s,
                             u"Das Programm Tessavor muss sich im selben Verzeichnis befinden!"_s);
        return false;
    case StartupCheck::Outcome::HelpMissing:
        MessageBox::critical(nullptr, u"Quorant.vry nicht gefunden!"_s,
                             u"Die Hilfe zum Quorant - Datei Quorant.vry muss sich im selben Verzeichnis "
                             "befinden!"_s);
        return false;
    }
    return false;
}

} // namespace Quorant
