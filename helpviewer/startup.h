// The viewer's start-up sequence: its checks in their order and the page it opens on. The main
// window implements the display operations; tests drive the sequence with a recording fake.
#pragma once

#include "helpfile/helpfile.h"

#include <QString>

#include <functional>

namespace Viewer {

// The display operations every page change goes through.
class Pages
{
public:
    virtual ~Pages() = default;
    // Takes the file just read: the caption gets its title, the two lists its topic list.
    virtual void setHelp(const HelpFile::Document &document) = 0;
    virtual void InhaltZeigen() = 0;
    virtual void IndexZeigen() = 0;
    // Shows one topic, the name used exactly as passed; false when it cannot be shown.
    virtual bool ThemaZeigen(const QString &topic) = 0;
};

enum class StartOutcome {
    Shown,
    OwnHelpMissing,   // tessavor.vry is not in the program directory
    NoHelpFile,       // empty argument or empty help file path
    HelpFileNotFound, // the help file cannot be opened
    InvalidHelpFile,  // no signature on line 1, or too short to hold type and title
    TopicNotFound,    // the requested topic cannot be shown
};

struct Message
{
    QString title;
    QString text;
};

// The error box for a failed start; empty for Shown.
Message startMessage(StartOutcome outcome);

// The viewer's own help file, which must lie in the program directory.
inline constexpr QLatin1StringView ownHelpFile{"tessavor.vry"};

// Runs the checks in order (own help file, argument, opening the file, signature, topic); the
// first failure ends the sequence. On success the pages show the requested page. `readFile` reads
// the help file (a caller may hand in a file read ahead).
using HelpReader = std::function<HelpFile::ReadResult(const QString &path)>;
StartOutcome start(
    const QString &programDir, const QString &argument, Pages &pages,
    const HelpReader &readFile = [](const QString &path) { return HelpFile::readFile(path); });

} // namespace Viewer
