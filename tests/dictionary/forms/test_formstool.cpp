// zembrota-formen: the vocabulary and the tab-separated forms of a small text, options, encodings,
// errors and exit codes; the real program end to end.
#include "apps/zembrota-formen/formstool.h"
#include "tests/testsupport/testsupport.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray smallList()
{
    return TestSupport::crlf({u"#puella"_s,
                              u"puellae f."_s,
                              u"="_s,
                              u"Mädchen"_s,
                              u"$1"_s,
                              u"%1"_s,
                              u"#amare"_s,
                              u"amo, amavi, amatum"_s,
                              u"="_s,
                              u"lieben"_s,
                              u"gern haben"_s,
                              u"$1"_s,
                              u"%12"_s,
                              u"#populus"_s,
                              u"populi m."_s,
                              u"="_s,
                              u"Volk"_s,
                              u"$2"_s,
                              u"%3"_s,
                              u"#-que"_s,
                              u"angehängt"_s,
                              u"="_s,
                              u"und"_s,
                              u"$1"_s,
                              u"%5"_s,
                              u"#Romanus"_s,
                              u"Romana, Romanum"_s,
                              u"="_s,
                              u"römisch"_s,
                              u"Römer"_s,
                              u"$1 / 3"_s,
                              u"%2 / 7"_s});
}

const QByteArray text = "Puella amat. Puellae am\xc4\x81nt populusque Romanus. Marcus venit.\n";

const QString tsv = u"Puella\tpuella\tNom. Sg. / Abl. Sg.\n"
                    "amat\tamare\t3. Pers. Sg. Präs. Ind. Akt.\n"
                    "Puellae\tpuella\tGen. Sg. / Dat. Sg. / Nom. Pl.\n"
                    "amānt\tamare\t3. Pers. Pl. Präs. Ind. Akt.\n"
                    "populusque\tpopulus|-que\tNom. Sg. + -que|unveränderlich\n"
                    "Romanus\tRomanus\tNom. Sg. m.\n"
                    "Marcus\t\t\n"
                    "venit\t\t\n"_s;

const QString vocabulary =
    u"puella (puellae f.): Mädchen – Buch 1, Lektion 1\n"
    "  Formen im Text: Puella, Puellae\n"
    "amare (amo, amavi, amatum): lieben; gern haben – Buch 1, Lektion 12\n"
    "  Formen im Text: amat, amānt\n"
    "populus (populi m.): Volk – Buch 2, Lektion 3\n"
    "  Formen im Text: populusque\n"
    "-que (angehängt): und – Buch 1, Lektion 5\n"
    "  Formen im Text: populusque\n"
    "Romanus (Romana, Romanum): römisch; Römer – Buch 1, Lektion 2; Buch 3, Lektion 4.1\n"
    "  Formen im Text: Romanus\n"
    "\n"
    "Unbekannte Wörter (2): Marcus, venit\n"_s;

const QString untilLesson =
    u"  puella (puellae f.): Mädchen – Buch 1, Lektion 1\n"
    "    Formen im Text: Puella, Puellae\n"
    "* amare (amo, amavi, amatum): lieben; gern haben – Buch 1, Lektion 12\n"
    "    Formen im Text: amat, amānt\n"
    "* populus (populi m.): Volk – Buch 2, Lektion 3\n"
    "    Formen im Text: populusque\n"
    "  -que (angehängt): und – Buch 1, Lektion 5\n"
    "    Formen im Text: populusque\n"
    "  Romanus (Romana, Romanum): römisch; Römer – Buch 1, Lektion 2; Buch 3, Lektion 4.1\n"
    "    Formen im Text: Romanus\n"
    "\n"
    "2 von 5 Wörtern (mit „*“) werden erst nach Buch 1, Lektion 5 gelernt.\n"
    "\n"
    "Unbekannte Wörter (2): Marcus, venit\n"_s;

} // namespace

class TestFormsTool : public QObject
{
    Q_OBJECT

private slots:
    void outputs_data();
    void outputs();
    void windows1252Text();
    void failures_data();
    void failures();
    void lessons_data();
    void lessons();
    void words();
    void program();
};

void TestFormsTool::outputs_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Wortschatz") << QStringList() << vocabulary;
    QTest::newRow("--tsv") << QStringList{u"--tsv"_s} << tsv;
    QTest::newRow("--bis") << QStringList{u"--bis"_s, u"1.5"_s} << untilLesson;
}

void TestFormsTool::outputs()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, smallList());
    dir.write(u"text.txt"_s, text);
    // The word list beside the program, the text from a file.
    const FormsTool::Outcome fromFile =
        FormsTool::run(options + QStringList{dir.file(u"text.txt"_s)}, dir.path(), {});
    QCOMPARE(fromFile.exitCode, 0);
    QCOMPARE(QString::fromUtf8(fromFile.err), QString());
    QCOMPARE(QString::fromUtf8(fromFile.out), expected);
    // --liste names the list; without a file the text comes from standard input.
    const FormsTool::Outcome fromInput = FormsTool::run(
        options + QStringList{u"--liste"_s, dir.file(u"latein.lst"_s)}, u"/nonexistent"_s, text);
    QCOMPARE(QString::fromUtf8(fromInput.out), expected);
}

void TestFormsTool::windows1252Text()
{
    QCOMPARE(FormsTool::decodeText("amat \x96 am\xe2t"), u"amat – amât"_s);
    QCOMPARE(FormsTool::decodeText("am\xc4\x81t"), u"amāt"_s);
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, smallList());
    const FormsTool::Outcome o = FormsTool::run({u"--tsv"_s}, dir.path(), "Puell\xe2 \x96 am\xe2t");
    QCOMPARE(QString::fromUtf8(o.out),
             u"Puellâ\tpuella\tNom. Sg. / Abl. Sg.\namât\tamare\t3. Pers. Sg. Präs. Ind. Akt.\n"_s);
}

void TestFormsTool::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("Datei fehlt") << QStringList{u"fehlt.txt"_s} << 1
                                 << u"zembrota-formen: Die Datei „fehlt.txt“ kann nicht gelesen werden.\n"_s;
    QTest::newRow("Liste fehlt")
        << QStringList{u"--liste"_s, u"keine.lst"_s} << 1
        << u"zembrota-formen: Die Wortliste „keine.lst“ kann nicht gelesen werden.\n"_s;
    QTest::newRow("unbekannte Option")
        << QStringList{u"--csv"_s} << 2 << u"zembrota-formen: Unbekannte Option „--csv“.\n"_s;
    QTest::newRow("Wert fehlt") << QStringList{u"--bis"_s} << 2
                                << u"zembrota-formen: Die Option „--bis“ braucht einen Wert.\n"_s;
    QTest::newRow("falsche Lektion")
        << QStringList{u"--bis"_s, u"4.1"_s} << 2
        << u"zembrota-formen: „4.1“ ist keine Lektion: BUCH.LEKTION, etwa 1.12 oder 3.4.1.\n"_s;
}

void TestFormsTool::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, smallList());
    const FormsTool::Outcome o = FormsTool::run(arguments, dir.path(), "amat");
    QCOMPARE(o.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(o.err).startsWith(error), o.err.constData());
    QCOMPARE(o.out, QByteArray());
    if (exitCode == 2)
        QVERIFY(QString::fromUtf8(o.err).contains(u"Aufruf: zembrota-formen"_s));
}

void TestFormsTool::lessons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("lesson");
    QTest::newRow("Buch 1") << u"1.12"_s << 1 << 12;
    QTest::newRow("Buch 2") << u"2.50"_s << 2 << 50;
    QTest::newRow("Buch 3 als a.b") << u"3.4.1"_s << 3 << 7;
    QTest::newRow("Buch 3 als Code") << u"3.40"_s << 3 << 40;
    QTest::newRow("Buch 4") << u"4.1"_s << 0 << 0;
    QTest::newRow("Lektion 61") << u"1.61"_s << 0 << 0;
    QTest::newRow("Buch 3 21.1") << u"3.21.1"_s << 0 << 0;
    QTest::newRow("ohne Punkt") << u"12"_s << 0 << 0;
}

void TestFormsTool::lessons()
{
    QFETCH(QString, text);
    QFETCH(int, book);
    QFETCH(int, lesson);
    int b = 0, l = 0;
    const bool ok = FormsTool::parseLesson(text, b, l);
    QCOMPARE(ok, book != 0);
    if (ok) {
        QCOMPARE(b, book);
        QCOMPARE(l, lesson);
    }
}

void TestFormsTool::words()
{
    QCOMPARE(FormsTool::wordsOf(u"Gallia est omnis divisa in partes tres, quarum-unam 12 incolunt."_s),
             QStringList({u"Gallia"_s, u"est"_s, u"omnis"_s, u"divisa"_s, u"in"_s, u"partes"_s, u"tres"_s,
                          u"quarum"_s, u"unam"_s, u"incolunt"_s}));
    QCOMPARE(FormsTool::wordsOf(u"ămō, Rōma"_s), QStringList({u"ămō"_s, u"Rōma"_s}));
}

// The installed program: arguments, standard input, exit codes.
void TestFormsTool::program()
{
    const QString binary = qEnvironmentVariable("GLOSSAND_PROGRAM_DIR") + u"/zembrota-formen"_s;
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, smallList());
    dir.write(u"text.txt"_s, text);
    auto runProgram = [&](const QStringList &arguments, const QByteArray &input, QByteArray &out,
                          QByteArray &err) {
        QProcess p;
        p.start(binary, arguments);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(30000);
        out = p.readAllStandardOutput();
        err = p.readAllStandardError();
        return p.exitCode();
    };
    QByteArray out, err;
    const QString list = dir.file(u"latein.lst"_s);
    QCOMPARE(runProgram({u"--liste"_s, list, u"--tsv"_s, dir.file(u"text.txt"_s)}, {}, out, err), 0);
    QCOMPARE(QString::fromUtf8(out), tsv);
    QCOMPARE(runProgram({u"--liste"_s, list}, text, out, err), 0);
    QCOMPARE(QString::fromUtf8(out), vocabulary);
    QCOMPARE(runProgram({u"--liste"_s, list, dir.file(u"fehlt.txt"_s)}, {}, out, err), 1);
    QVERIFY(QString::fromUtf8(err).contains(u"kann nicht gelesen werden"_s));
    QCOMPARE(runProgram({u"--falsch"_s}, {}, out, err), 2);
    QCOMPARE(runProgram({u"--help"_s}, {}, out, err), 0);
    QVERIFY(QString::fromUtf8(out).startsWith(
        u"Aufruf: zembrota-formen [--liste DATEI] [--bis BUCH.LEKTION] [--tsv] [TEXTDATEI…]"_s));
    QCOMPARE(runProgram({u"--version"_s}, {}, out, err), 0);
    QCOMPARE(out, QByteArray("zembrota-formen 2.5\n"));
}

QTEST_GUILESS_MAIN(TestFormsTool)
#include "test_formstool.moc"
