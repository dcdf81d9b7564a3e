// zembrota-check names the entries whose forms the dictionary cannot build, with their lines, as
// warnings after its report; they leave the exit status alone.
#include "dictionary/core/wordlist.h"
#include "dictionary/forms/formwarnings.h"
#include "tests/testsupport/testsupport.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray listWithWarnings()
{
    return TestSupport::crlf({u"#amare"_s,   u"amo, amavi, amatum"_s,
                              u"="_s,        u"lieben"_s,
                              u"$1"_s,       u"%1"_s,
                              u"#xyz"_s,     u"Gen. ???"_s,
                              u"="_s,        u"unbekannt"_s,
                              u"$1"_s,       u"%1"_s,
                              u"#laudare"_s, u"alicui"_s,
                              u"="_s,        u"loben"_s,
                              u"$1"_s,       u"%2"_s,
                              u"#ad"_s,      u"m. Akk."_s,
                              u"="_s,        u"zu"_s,
                              u"$1"_s,       u"%2"_s});
}

const QStringList expected = {
    u"Zeile 7: Die Formen von „xyz“ können aus den lateinischen Angaben nicht gebildet werden; "
    "nur das Stichwort wird erkannt."_s,
    u"Zeile 13: Die Formen von „laudare“ sind aus dem Stichwort geraten (Stammformen fehlen)."_s};

} // namespace

class TestFormWarnings : public QObject
{
    Q_OBJECT

private slots:
    void warnings();
    void program();
};

void TestFormWarnings::warnings()
{
    const WordList list = parseWordList(listWithWarnings());
    QCOMPARE(Forms::formWarnings(list.words), expected);
}

void TestFormWarnings::program()
{
    const QString binary = qEnvironmentVariable("GLOSSAND_PROGRAM_DIR") + u"/zembrota-check"_s;
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, listWithWarnings());
    QProcess p;
    p.start(binary, {dir.file(u"latein.lst"_s)});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.filter(u"Warnung: "_s),
             QStringList({u"Warnung: "_s + expected[0], u"Warnung: "_s + expected[1]}));
    QVERIFY(lines.contains(u"Keine Probleme gefunden."_s));
}

QTEST_GUILESS_MAIN(TestFormWarnings)
#include "test_formwarnings.moc"
