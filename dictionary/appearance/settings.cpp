// Reading and writing zembrota.ini.
#include "dictionary/appearance/settings.h"

#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "common/plainfile.h"
#include "common/zahlwert.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <array>

namespace Zembrota {

Farbeinstellung::Farbeinstellung(const QString &modus, const QString &wechselart, qint16 rot, qint16 gelb,
                                 qint16 blau, qint32 wechselzeit)
    : rot(rot), gelb(gelb), blau(blau), wechselzeit(wechselzeit)
{
    setModus(modus);
    setWechselart(wechselart);
}

void Farbeinstellung::setModus(const QString &line)
{
    modus = line;
    mode = Settings::modeFromCode(line);
}

void Farbeinstellung::setWechselart(const QString &line)
{
    wechselart = line;
    cycle = Settings::cycleFromCode(line);
}

void Farbeinstellung::choose(ColourMode chosenMode, CycleChoice chosenCycle)
{
    mode = chosenMode;
    cycle = chosenCycle;
    modus = Settings::codeOf(mode);
    wechselart = Settings::codeOf(cycle);
}

namespace Settings {

namespace {

constexpr std::array<QLatin1String, 3> modeCodes{QLatin1String("WS"), QLatin1String("BF"),
                                                 QLatin1String("FW")};
constexpr std::array<QLatin1String, 6> cycleCodes{QLatin1String("Aus"), QLatin1String("Alle"),
                                                  QLatin1String("ST"),  QLatin1String("SG"),
                                                  QLatin1String("SV"),  QLatin1String("SW")};

} // namespace

ColourMode modeFromCode(const QString &code)
{
    if (code == modeCodes[int(ColourMode::Standard)])
        return ColourMode::Standard;
    if (code == modeCodes[int(ColourMode::Fixed)])
        return ColourMode::Fixed;
    return ColourMode::Cycling;
}

QString codeOf(ColourMode mode)
{
    return modeCodes[std::size_t(mode)];
}

CycleChoice cycleFromCode(const QString &code)
{
    for (std::size_t i = 0; i < cycleCodes.size(); ++i)
        if (code == cycleCodes[i])
            return CycleChoice(i);
    return CycleChoice::Off;
}

QString codeOf(CycleChoice cycle)
{
    return cycleCodes[std::size_t(cycle)];
}

namespace {

// One line up to CR LF or a lone CR; the last line may end at the end of the device. Nothing when
// the device is already at its end or a read fails.
std::optional<QString> readLine(QIODevice &device)
{
    if (device.atEnd())
        return std::nullopt;
    QByteArray bytes;
    char c = 0;
    while (device.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (device.peek(&next, 1) == 1 && next == '\n')
                device.getChar(&next);
            return LineFile::decode(bytes);
        }
        bytes += c;
    }
    // getChar fails at the end of the device, and also on a read error.
    if (!device.atEnd())
        return std::nullopt;
    return LineFile::decode(bytes);
}

bool storeComponent(const QString &line, qint16 &field)
{
    const std::optional<int> value = roundedZahlwert(line, -32768, 32767);
    if (!value)
        return false;
    // Values outside 0..256 reach the file only by hand; the scroll bars and colours take 0..256.
    field = qint16(std::clamp(*value, componentMin, componentMax));
    return true;
}

} // namespace

QString filePath(const QString &programDir)
{
    return programDir + QStringLiteral("/zembrota.ini");
}

SettingsLocation settingsLocation(const QString &programDir, const QString &userConfigDir,
                                  const QString &installDir)
{
    const QString beside = filePath(programDir);
    if (userConfigDir.isEmpty() || !Installation::isInstalledProgramDir(programDir, installDir))
        return {beside, beside};
    QDir().mkpath(userConfigDir);
    const QString own = filePath(userConfigDir);
    return {QFileInfo::exists(own) ? own : beside, own};
}

bool readSettings(QIODevice &device, Farbeinstellung &record)
{
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) {
        std::optional<QString> line = readLine(device);
        if (!line)
            return false;
        if (i == 0)
            record.setModus(*line);
        else if (i == 1)
            record.setWechselart(*line);
        lines.append(*line);
    }
    if (!storeComponent(lines.at(3), record.rot) || !storeComponent(lines.at(4), record.gelb) ||
        !storeComponent(lines.at(5), record.blau))
        return false;
    const std::optional<int> interval = roundedZahlwert(lines.at(2), intervalMin, intervalMax);
    if (!interval)
        return false;
    record.wechselzeit = *interval;
    return true;
}

bool EinstellungenLaden(const QString &path, Farbeinstellung &record)
{
    // Only the start of a plain file: a named pipe would hold the start-up for ever, a device or a
    // huge line would be read without end. Six lines never need more.
    bool more = false;
    QString reason;
    std::optional<QByteArray> bytes = PlainFile::readStart(path, maxFileBytes, &more, &reason);
    if (!bytes)
        return false;
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!readSettings(buffer, record))
        return false;
    // The sixth line ran into the bound: it goes on beyond what was read.
    return !(more && buffer.atEnd() && !bytes->endsWith('\r'));
}

QStringList settingsLines(const QString &modus, const QString &wechselart, const QString &intervalText,
                          int rot, int gelb, int blau)
{
    // The interval text is written as typed, but a pasted line break must not split the file.
    QString interval = intervalText;
    interval.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {modus, wechselart, interval, QString::number(rot), QString::number(gelb), QString::number(blau)};
}

std::optional<QString> EinstellungenSchreiben(const QString &path, ColourMode mode, CycleChoice cycle,
                                              const QString &intervalText, int rot, int gelb, int blau)
{
    return AtomicWriter::writeLines(
        path, settingsLines(codeOf(mode), codeOf(cycle), intervalText, rot, gelb, blau));
}

} // namespace Settings

} // namespace Zembrota
