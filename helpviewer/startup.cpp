// The start-up sequence and its messages.
#include "helpviewer/startup.h"

#include "helpviewer/viewerargument.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Viewer {

Message startMessage(StartOutcome outcome)
{
    switch (outcome) {
    case StartOutcome::Shown:
        break;
    case StartOutcome::OwnHelpMissing:
        return {u"Tessavor.vry nicht gefunden!"_s,
                u"Die Hilfe zur Hilfe - Datei Tessavor.vry muss sich im selben Verzeichnis befinden!"_s};
    case StartOutcome::NoHelpFile:
        return {u"Kein Hilfedatei angegeben!"_s, u"Es wurde keine Hilfedatei angegeben!"_s};
    case StartOutcome::HelpFileNotFound:
        return {u"Hilfedatei nicht gefunden!"_s, u"Die Hilfedatei wurde nicht gefunden!"_s};
    case StartOutcome::InvalidHelpFile:
        return {u"Kein gültige Hilfedatei!"_s, u"Das ist keine gültige Tessavor - Hilfedatei!"_s};
    case StartOutcome::TopicNotFound:
        return {u"Hilfethema nicht gefunden!"_s,
                u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s};
    }
    return {};
}

StartOutcome start(const QString &programDir, const QString &argument, Pages &pages,
                   const HelpReader &readFile)
{
    // Opening, not merely looking: a file that exists but cannot be read counts as missing. Only
    // a plain file is opened; a named pipe would block the start.
    const QString ownHelpPath = programDir + QLatin1Char('/') + ownHelpFile;
    QFile ownHelp(ownHelpPath);
    if (!QFileInfo(ownHelpPath).isFile() || !ownHelp.open(QIODevice::ReadOnly))
        return StartOutcome::OwnHelpMissing;
    ownHelp.close();

    const std::optional<Request> request =
        parseArgument(argument, [](const QString &path) { return QFileInfo(path).isFile(); });
    if (!request)
        return StartOutcome::NoHelpFile;

    const HelpFile::ReadResult file = readFile(request->helpPath);
    switch (file.status) {
    case HelpFile::ReadStatus::Ok:
        break;
    case HelpFile::ReadStatus::CannotOpen:
        return StartOutcome::HelpFileNotFound;
    case HelpFile::ReadStatus::NoSignature:
    case HelpFile::ReadStatus::TooShort:
        return StartOutcome::InvalidHelpFile;
    }
    pages.setHelp(file.document);

    if (request->topic == contentsTopic)
        pages.InhaltZeigen();
    else if (request->topic == indexTopic)
        pages.IndexZeigen();
    else if (!pages.ThemaZeigen(request->topic))
        return StartOutcome::TopicNotFound;
    return StartOutcome::Shown;
}

} // namespace Viewer
