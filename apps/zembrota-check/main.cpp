// zembrota-check: checks a word list (latein.lst) and prints its problems and figures.
#include "common/commandline.h"
#include "common/plainfile.h"
#include "common/version.h"
#include "dictionary/core/wordlistcheck.h"
#include "dictionary/forms/formwarnings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <new>

using namespace Qt::StringLiterals;

namespace {

CommandLine::Description description()
{
    return {u"zembrota-check WORTLISTE"_s,
            u"Prüft eine Wortliste (latein.lst; bei einem Verzeichnis die latein.lst darin) und "
            "zeigt ihre Probleme mit Zeilennummern und die Zahl der Wörter je Buch und Lektion. "
            "Rückgabewert: 0 ohne Probleme, 1 mit Problemen, 2 wenn die Datei nicht gelesen "
            "werden kann."_s,
            u"zembrota-check %1.%2"_s.arg(Version::dictionaryMajor).arg(Version::dictionaryMinor)};
}

// Reads and checks the list; the exit status as described in the help text.
int check(const QString &path)
{
    // The dictionary's own reading: a plain file of bounded size, so that a pipe, a device or a
    // huge file is refused instead of hanging or exhausting the memory.
    const WordListBytes file = readWordListFile(path);
    switch (file.status) {
    case WordListBytes::Status::Ok:
        break;
    case WordListBytes::Status::TooLarge:
        CommandLine::printLine(stderr, u"zembrota-check: "_s + file.error);
        return 2;
    case WordListBytes::Status::CannotOpen:
        if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
            CommandLine::printLine(
                stderr, u"zembrota-check: Die Wortliste „%1“ kann nicht gelesen werden: keine gewöhnliche "
                        u"Datei."_s.arg(path));
            return 2;
        }
        [[fallthrough]];
    default:
        CommandLine::printLine(stderr,
                               u"zembrota-check: Die Wortliste „%1“ kann nicht gelesen werden."_s.arg(path));
        return 2;
    }
    const QByteArray &bytes = file.bytes;

    const WordListCheck::Report report = WordListCheck::check(bytes);
    for (const QString &line : WordListCheck::reportText(report, path))
        CommandLine::printLine(stdout, line);
    // Entries without a paradigm are warnings only: they leave the exit status alone.
    for (const QString &warning : Forms::formWarnings(report.list.words))
        CommandLine::printLine(stdout, u"Warnung: "_s + warning);
    return report.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine::Parsed parsed = CommandLine::parse(app.arguments(), 1, 1);
    if (parsed.request == CommandLine::Request::Run && parsed.positional.first().isEmpty())
        parsed = {CommandLine::Request::Error, u"Ein leerer Dateiname ist kein Argument."_s, {}};
    if (const std::optional<int> exitCode = CommandLine::answer(parsed, description()))
        return *exitCode;
    // A name whose bytes are no UTF-8 would arrive with U+FFFD in their place and name nothing.
    if (const QByteArray name(argv[argc - 1]); !PlainFile::nameIsReadable(name)) {
        CommandLine::printLine(stderr, u"zembrota-check: Die Wortliste kann nicht verwendet werden: "_s +
                                           PlainFile::unreadableNameReason(name) + u"."_s);
        return 2;
    }

    // A directory stands for the word list in it, as the dictionary finds it in its own directory.
    QString path = parsed.positional.first();
    if (QFileInfo(path).isDir())
        path += u'/' + QLatin1StringView(wordListFileName);
    try {
        return check(path);
    } catch (const std::bad_alloc &) {
        // The list lies within its size limit, but the machine may still have too little memory.
        CommandLine::printLine(
            stderr, u"zembrota-check: Für die Prüfung der Wortliste „%1“ reicht der Arbeitsspeicher nicht "
                    "aus."_s.arg(path));
        return 2;
    }
}
