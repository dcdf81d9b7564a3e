// The viewer tests' program directory.
#include "tests/helpviewer/viewerfixture.h"

#include "common/ui/helplaunch.h"

using namespace Qt::StringLiterals;

namespace ViewerFixture {

QByteArray plainHelp()
{
    return TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Einfache Hilfe"_s, QString(), u"  Farben  "_s,
                              u"Anfang"_s, u"Tom & Jerry"_s, QString(), u"[Anfang]"_s, u"Willkommen"_s,
                              u"zweite Zeile"_s, QString(), u"[Farben]"_s, u"Rot und Blau"_s, QString(),
                              u"[Tom & Jerry]"_s, u"Katz und Maus"_s, QString()});
}

QByteArray richHelp()
{
    return TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"Reiche Hilfe"_s, QString(), u"Erstes"_s, u"Kaputt"_s,
                              QString(), u"[Erstes]"_s, u"{\\rtf1\\ansi {\\b Fett} und normal\\par"_s, u"}"_s,
                              QString(), u"[Kaputt]"_s, u"kein RTF"_s, QString()});
}

void writeHelpFiles(const TestSupport::ProgramDir &dir)
{
    dir.write(u"tessavor.vry"_s, plainHelp());
    dir.write(u"plain.vry"_s, plainHelp());
    dir.write(u"rich.vry"_s, richHelp());
}

Viewer::Started start(const TestSupport::ProgramDir &dir, const QString &argument)
{
    HelpLaunch::setProgramDir(dir.path());
    const QString text = argument.contains(u"%1"_s) ? argument.arg(dir.path()) : argument;
    return Viewer::startViewer(text.isEmpty() ? QStringList{} : QStringList{text});
}

} // namespace ViewerFixture
