// zembrota-formen: reads a Latin text and the word list, prints the vocabulary or every word's
// analyses.
#include "apps/zembrota-formen/formstool.h"

#include "common/lessoncode.h"
#include "common/version.h"
#include "dictionary/core/wordlist.h"
#include "dictionary/forms/formindex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace FormsTool {

namespace {

const QString usageText =
    u"Aufruf: zembrota-formen [--liste DATEI] [--bis BUCH.LEKTION] [--tsv] [TEXTDATEI…]\n"
    "Liest einen lateinischen Text (UTF-8 oder Windows-1252; ohne TEXTDATEI die "
    "Standardeingabe) und zeigt seinen Wortschatz nach der Wortliste des Kurses: jedes "
    "Wort der Liste mit den Formen im Text, seinen Bedeutungen, Büchern und Lektionen, "
    "am Ende die unbekannten Wörter.\n"
    "  --liste DATEI      diese Wortliste statt der latein.lst neben dem Programm\n"
    "  --bis BUCH.LEKTION markiert mit „*“ die Wörter, die erst nach dieser Lektion "
    "gelernt werden (etwa 1.12; Buch 3 etwa 3.4.1)\n"
    "  --tsv              eine Zeile je Wort des Textes: Wort, Tabulator, Stichwörter "
    "(mit „|“ getrennt), Tabulator, Bestimmungen\n"
    "  --help             zeigt diese Hilfe\n"
    "  --version          zeigt die Version\n"
    "Rückgabewert: 0 bei Erfolg, 1 wenn eine Datei nicht gelesen werden kann, 2 bei "
    "falschem Aufruf.\n"_s;

struct Options
{
    QString list;
    bool tsv = false;
    bool until = false;
    int untilBook = 0, untilLesson = 0;
    QStringList files;
    bool help = false, version = false;
    QString error;
};

Options parse(const QStringList &arguments)
{
    Options o;
    bool filesOnly = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (filesOnly || !a.startsWith(u"-"_s) || a == u"-"_s) {
            o.files << a;
        } else if (a == u"--"_s) {
            filesOnly = true;
        } else if (a == u"--help"_s || a == u"-h"_s) {
            o.help = true;
        } else if (a == u"--version"_s) {
            o.version = true;
        } else if (a == u"--tsv"_s) {
            o.tsv = true;
        } else if (a == u"--liste"_s || a == u"--bis"_s) {
            if (i + 1 >= arguments.size()) {
                o.error = u"Die Option „%1“ braucht einen Wert."_s.arg(a);
                return o;
            }
            const QString value = arguments[++i];
            if (a == u"--liste"_s) {
                o.list = value;
            } else if (!parseLesson(value, o.untilBook, o.untilLesson)) {
                o.error = u"„%1“ ist keine Lektion: BUCH.LEKTION, etwa 1.12 oder 3.4.1."_s.arg(value);
                return o;
            } else {
                o.until = true;
            }
        } else {
            o.error = u"Unbekannte Option „%1“."_s.arg(a);
            return o;
        }
    }
    return o;
}

bool readFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// An entry's meanings and its books and lessons, read from the word table.
struct EntryText
{
    QStringList meanings;
    QList<std::pair<int, int>> lessons; // (book, lesson as stored)
};

EntryText entryText(const WordTable &table, int headLine)
{
    EntryText t;
    int i = headLine + 1;
    while (i <= table.lineCount() && table.marker(i) != Marker::separator &&
           table.marker(i) != Marker::books && table.marker(i) != Marker::head)
        ++i;
    if (table.marker(i) == Marker::separator)
        ++i;
    for (; i <= table.lineCount() && table.marker(i) != Marker::books && table.marker(i) != Marker::head;
         ++i) {
        const QString meaning = rightTrimmed(table.text(i)).toString();
        if (!meaning.trimmed().isEmpty())
            t.meanings << meaning.trimmed();
    }
    if (table.marker(i) != Marker::books)
        return t;
    const QStringList books = SplitList(blankTrimmed(table.content(i)).toString());
    const QStringList lessons = SplitList(blankTrimmed(table.content(i + 1)).toString());
    for (qsizetype n = 0; n < books.size() && n < lessons.size(); ++n) {
        bool okBook = false, okLesson = false;
        const int b = books[n].trimmed().toInt(&okBook);
        const int l = lessons[n].trimmed().toInt(&okLesson);
        if (okBook && okLesson)
            t.lessons.append({b, l});
    }
    return t;
}

QString lessonName(std::pair<int, int> lesson)
{
    const QString l = lesson.first == 3 ? LessonCodeText(lesson.second) : QString::number(lesson.second);
    return u"Buch %1, Lektion %2"_s.arg(lesson.first).arg(l);
}

} // namespace

bool readsStandardInput(const QStringList &arguments)
{
    const Options o = parse(arguments);
    return o.error.isEmpty() && !o.help && !o.version && o.files.isEmpty();
}

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1252("windows-1252");
    return cp1252.decode(bytes);
}

QStringList wordsOf(const QString &text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter =
            i < text.size() && (text.at(i).isLetter() || text.at(i).category() == QChar::Mark_NonSpacing);
        if (letter && start < 0)
            start = i;
        else if (!letter && start >= 0) {
            words << text.mid(start, i - start);
            start = -1;
        }
    }
    return words;
}

bool parseLesson(const QString &text, int &book, int &lesson)
{
    const QStringList parts = text.split(u'.');
    bool ok = false;
    if (parts.size() < 2)
        return false;
    book = parts[0].toInt(&ok);
    if (!ok || book < 1 || book > 3)
        return false;
    if (book == 3 && parts.size() == 3) {
        bool okA = false, okB = false;
        const int a = parts[1].toInt(&okA);
        const int b = parts[2].toInt(&okB);
        if (!okA || !okB || a < 1 || a > 20 || b < 1 || b > 2)
            return false;
        lesson = 2 * a - 2 + b;
        return true;
    }
    if (parts.size() != 2)
        return false;
    lesson = parts[1].toInt(&ok);
    return ok && lesson >= 1 && lesson <= (book == 3 ? 40 : 60);
}

Outcome run(const QStringList &arguments, const QString &programDir, const QByteArray &standardInput)
{
    Outcome outcome;
    const Options o = parse(arguments);
    auto fail = [&](int code, const QString &message) {
        outcome.exitCode = code;
        outcome.err += (u"zembrota-formen: "_s + message + u'\n').toUtf8();
        return outcome;
    };
    if (!o.error.isEmpty()) {
        fail(2, o.error);
        outcome.err += usageText.toUtf8();
        return outcome;
    }
    if (o.help) {
        outcome.out = usageText.toUtf8();
        return outcome;
    }
    if (o.version) {
        outcome.out =
            u"zembrota-formen %1.%2\n"_s.arg(Version::dictionaryMajor).arg(Version::dictionaryMinor).toUtf8();
        return outcome;
    }

    const QString listPath =
        o.list.isEmpty() ? programDir + u'/' + QLatin1StringView(wordListFileName) : o.list;
    QByteArray listBytes;
    if (!readFile(listPath, listBytes))
        return fail(
            1, u"Die Wortliste „%1“ kann nicht gelesen werden."_s.arg(QDir::toNativeSeparators(listPath)));
    QString text;
    if (o.files.isEmpty()) {
        text = decodeText(standardInput);
    } else {
        for (const QString &path : o.files) {
            QByteArray bytes;
            if (path == u"-"_s)
                bytes = standardInput;
            else if (!readFile(path, bytes))
                return fail(
                    1, u"Die Datei „%1“ kann nicht gelesen werden."_s.arg(QDir::toNativeSeparators(path)));
            text += decodeText(bytes) + u'\n';
        }
    }

    const WordList list = parseWordList(listBytes);
    Forms::FormIndex index;
    index.build(list.words);

    // Each distinct spelling is analysed once.
    QHash<QString, QList<Forms::FormHit>> cache;
    const QStringList words = wordsOf(text);
    auto hitsOf = [&](const QString &word) -> const QList<Forms::FormHit> & {
        auto it = cache.find(word);
        if (it == cache.end())
            it = cache.insert(word, index.analyse(word));
        return *it;
    };

    QString out;
    if (o.tsv) {
        for (const QString &word : words) {
            QStringList heads, analyses;
            for (const Forms::FormHit &hit : hitsOf(word)) {
                heads << index.entry(hit.entry).head;
                analyses << hit.analysisText();
            }
            out += word + u'\t' + heads.join(u'|') + u'\t' + analyses.join(u'|') + u'\n';
        }
        outcome.out = out.toUtf8();
        return outcome;
    }

    // The vocabulary: entries in the order the text meets them, each with its forms met.
    QList<int> order;
    QHash<int, QStringList> formsMet;
    QStringList unknown;
    QSet<QString> unknownSeen;
    for (const QString &word : words) {
        const QList<Forms::FormHit> &hits = hitsOf(word);
        if (hits.isEmpty()) {
            const QString lower = word.toLower();
            if (!unknownSeen.contains(lower)) {
                unknownSeen.insert(lower);
                unknown << word;
            }
            continue;
        }
        for (const Forms::FormHit &hit : hits) {
            auto it = formsMet.find(hit.entry);
            if (it == formsMet.end()) {
                order << hit.entry;
                it = formsMet.insert(hit.entry, {});
            }
            if (!it->contains(word, Qt::CaseInsensitive))
                it->append(word);
        }
    }
    int notLearnt = 0;
    for (int entry : order) {
        const Forms::FormIndex::EntryInfo &info = index.entry(entry);
        const EntryText details = entryText(list.words, info.headLine);
        bool later = false;
        if (o.until && !details.lessons.isEmpty()) {
            const auto first = *std::min_element(details.lessons.begin(), details.lessons.end());
            later = first > std::pair{o.untilBook, o.untilLesson};
        }
        notLearnt += later ? 1 : 0;
        QStringList lessons;
        for (const auto &l : details.lessons)
            lessons << lessonName(l);
        QString line = (o.until ? (later ? u"* "_s : u"  "_s) : QString()) + info.head;
        if (!info.additions.isEmpty())
            line += u" ("_s + info.additions.join(u"; "_s) + u')';
        line += u": "_s + details.meanings.join(u"; "_s);
        if (!lessons.isEmpty())
            line += u" – "_s + lessons.join(u"; "_s);
        out += line + u'\n';
        out += (o.until ? u"    "_s : u"  "_s) + u"Formen im Text: "_s + formsMet.value(entry).join(u", "_s) +
               u'\n';
    }
    if (o.until)
        out +=
            u"\n%1 von %2 Wörtern (mit „*“) werden erst nach Buch %3, Lektion %4 gelernt.\n"_s.arg(notLearnt)
                .arg(order.size())
                .arg(o.untilBook)
                .arg(o.untilBook == 3 ? LessonCodeText(o.untilLesson) : QString::number(o.untilLesson));
    if (!unknown.isEmpty())
        out += u"\nUnbekannte Wörter (%1): "_s.arg(unknown.size()) + unknown.join(u", "_s) + u'\n';
    outcome.out = out.toUtf8();
    return outcome;
}

} // namespace FormsTool
