// The dictionary's settings record and its six-line file zembrota.ini beside the program.
#pragma once

#include "common/installation.h"

#include <QString>
#include <QtGlobal>

#include <optional>

class QIODevice;

namespace Zembrota {

// The colour mode, line 1 of the file: "WS" the desktop's face colour, "BF" the user colour, "FW"
// the timed cycle. Codes compare exactly: any other text ("ws", an empty line) cycles too.
enum class ColourMode { Standard, Fixed, Cycling };

// The cycle option, line 2 of the file, in the dialog's order: "Aus", "Alle", "ST", "SG", "SV",
// "SW". Any other text counts as "Aus"; a cycling mode then runs the four-phase cycle.
enum class CycleChoice { Off, All, ST, SG, SV, SW };

// The settings put into force at start-up. Texts start empty and numbers 0; loading fills them
// field by field, so a failed load leaves what was stored before the failure.
struct Farbeinstellung
{
    Farbeinstellung() = default;
    // The record a file with these lines loads into.
    Farbeinstellung(const QString &modus, const QString &wechselart, qint16 rot, qint16 gelb, qint16 blau,
                    qint32 wechselzeit);

    // Lines 1 and 2 as read: the text kept verbatim, the mode or cycle parsed from it.
    void setModus(const QString &line);
    void setWechselart(const QString &line);
    // What Apply puts into force: the mode and cycle, and the codes the file is written with.
    void choose(ColourMode chosenMode, CycleChoice chosenCycle);

    QString modus;                         // line 1 verbatim
    QString wechselart;                    // line 2 verbatim
    ColourMode mode = ColourMode::Cycling; // what modus means; an empty text cycles
    CycleChoice cycle = CycleChoice::Off;  // what wechselart means
    qint16 rot = 0;                        // components of the user colour, 0 to 256 once loaded
    qint16 gelb = 0;
    qint16 blau = 0;
    qint32 wechselzeit = 0; // step interval in ms, -32768 to 65535 once loaded
};

namespace Settings {

inline constexpr int lineCount = 6;
inline constexpr int componentMin = 0;
inline constexpr int componentMax = 256;
inline constexpr int intervalMin = -32768;
inline constexpr int intervalMax = 65535;

ColourMode modeFromCode(const QString &code);
QString codeOf(ColourMode mode);
CycleChoice cycleFromCode(const QString &code);
QString codeOf(CycleChoice cycle);

// The file beside the program.
QString filePath(const QString &programDir);

// The file start-up reads and the file Apply writes.
struct SettingsLocation
{
    QString readPath;
    QString writePath;
};

// A program run from the folder it was installed to never writes there: its settings live in the
// user's configuration folder (made on the way), and a zembrota.ini beside the program is read as
// the default until the user has one. Anywhere else (the build tree, a portable copy), and
// without a user folder, the file beside the program is both.
SettingsLocation settingsLocation(const QString &programDir, const QString &userConfigDir,
                                  const QString &installDir = Installation::installedProgramDir());

// Reads the six lines from the device into the record. A line ends at CR LF or a lone CR; lines
// after the sixth are not read. Lines 1 and 2 are stored as read; then line 4 (red), 5 (green),
// 6 (blue) and 3 (interval) are converted in this order, each stored before the next is tried.
// A component must lie in -32768..32767 and is then limited to 0..256; the interval must lie in
// -32768..65535. Returns false on the first missing line, read error or value out of range.
bool readSettings(QIODevice &device, Farbeinstellung &record);

// The settings file is read up to this size; six lines written by the dialog take a few dozen bytes.
inline constexpr qint64 maxFileBytes = 8 * 1024;

// Reads the file as above, but only if it is a plain file (a link to one is followed), and only its
// first maxFileBytes bytes: a named pipe, a device or a sixth line that has not ended within them
// is a failure at once, as is a missing or unreadable file.
bool EinstellungenLaden(const QString &path, Farbeinstellung &record);

// The six lines as written: both codes verbatim, the interval text as typed, the components as
// plain decimal numbers.
QStringList settingsLines(const QString &modus, const QString &wechselart, const QString &intervalText,
                          int rot, int gelb, int blau);

// Replaces the file whole (AtomicWriter) with the codes of mode and cycle and the values given: on
// failure the old file stays as it was and the German reason comes back. A link, a named pipe or a
// device in the file's place is refused.
std::optional<QString> EinstellungenSchreiben(const QString &path, ColourMode mode, CycleChoice cycle,
                                              const QString &intervalText, int rot, int gelb, int blau);

} // namespace Settings

} // namespace Zembrota
