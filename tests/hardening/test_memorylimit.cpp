// The command-line programs when memory runs out: quorantc and zembrota-check (the real programs)
// on large files within their size limits, started with a limit on their address space. Each must
// end with its German message and its error status, never with an abort. Not in sanitizer builds,
// whose shadow memory alone exceeds any such limit.
#include "tests/testsupport/testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

#if defined(__SANITIZE_ADDRESS__)
#define GLOSSAND_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLOSSAND_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

QString program(const QString &name)
{
    // The programs are built beside the tests.
    const QString dir = QString::fromLocal8Bit(qgetenv("GLOSSAND_PROGRAM_DIR"));
    return (dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir) + u'/' + name;
}

struct Run
{
    bool crashed = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program with its address space limited to the given megabytes.
Run runLimited(const QString &name, const QStringList &arguments, int megabytes)
{
    QProcess process;
    const rlim_t limit = rlim_t(megabytes) * 1024 * 1024;
    process.setChildProcessModifier([limit] {
        const rlimit address{limit, limit};
        ::setrlimit(RLIMIT_AS, &address);
    });
    process.start(program(name), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        run.err = u"hängt"_s;
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestMemoryLimit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void quorantcReportsShortMemory_data();
    void quorantcReportsShortMemory();
    void wordListCheckReportsShortMemory_data();
    void wordListCheckReportsShortMemory();
};

void TestMemoryLimit::init()
{
#ifdef GLOSSAND_ADDRESS_SANITIZER
    QSKIP("AddressSanitizer reserves more address space than any limit these tests set");
#endif
}

void TestMemoryLimit::quorantcReportsShortMemory_data()
{
    // The project's two RTF files hold 62 MB together, just within the 64 MB a help file may hold.
    // At the lower limit reading the files fails, at the higher one building the help file.
    QTest::addColumn<int>("megabytes");
    QTest::newRow("96 MB") << 96;
    QTest::newRow("128 MB") << 128;
    QTest::newRow("160 MB") << 160;
}

void TestMemoryLimit::quorantcReportsShortMemory()
{
    QFETCH(int, megabytes);
    TestSupport::ProgramDir dir;
    for (const QString &name : {u"a.rtf"_s, u"b.rtf"_s}) {
        dir.write(name, "{\\rtf1 ");
        QVERIFY(QFile::resize(dir.file(name), 31 * 1024 * 1024)); // sparse, no disk used
    }
    dir.write(u"p.vrp"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"T"_s, QString(), u"A"_s, u"B"_s, QString(),
                                 u"[A]"_s, u"a.rtf"_s, QString(), u"[B]"_s, u"b.rtf"_s, QString()}));
    dir.write(u"p.vry"_s, "alt");

    const Run run = runLimited(u"quorantc"_s, {dir.file(u"p.vrp"_s)}, megabytes);
    QVERIFY2(!run.crashed, qPrintable(run.err));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(u"quorantc: "_s), qPrintable(run.err));
    QVERIFY2(run.err.contains(u"Arbeitsspeicher"_s), qPrintable(run.err));
    QVERIFY2(run.err.contains(
                 u"Die Hilfedatei wurde nicht erstellt; eine vorhandene Hilfedatei bleibt unverändert."_s),
             qPrintable(run.err));
    QCOMPARE(dir.read(u"p.vry"_s), QByteArray("alt"));
}

void TestMemoryLimit::wordListCheckReportsShortMemory_data()
{
    QTest::addColumn<int>("megabytes");
    QTest::newRow("96 MB") << 96;
    QTest::newRow("128 MB") << 128;
}

void TestMemoryLimit::wordListCheckReportsShortMemory()
{
    QFETCH(int, megabytes);
    // The shipped list a hundred times over: 11 MB, well within the 64 MB a word list may have.
    QFile shipped(program(u"latein.lst"_s));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray list = shipped.readAll().repeated(100);
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, list);

    const Run run = runLimited(u"zembrota-check"_s, {dir.file(u"latein.lst"_s)}, megabytes);
    QVERIFY2(!run.crashed, qPrintable(run.err));
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(
        run.err,
        u"zembrota-check: Für die Prüfung der Wortliste „%1“ reicht der Arbeitsspeicher nicht aus.\n"_s.arg(
            dir.file(u"latein.lst"_s)));
}

QTEST_GUILESS_MAIN(TestMemoryLimit)
#include "test_memorylimit.moc"
