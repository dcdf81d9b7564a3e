// Every program answers --help and --version in German without a window, and refuses an unknown
// option with the usage on standard error; the viewer takes only a lone option as one.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void options_data();
    void options();
};

void TestProgramOptions::options_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstOut");
    QTest::addColumn<QString>("firstErr");

    const struct
    {
        QString program;
        QString usage;
        QString version;
    } programs[] = {
        {u"zembrota"_s, u"Aufruf: zembrota"_s, u"zembrota 2.5"_s},
        {u"quorant"_s, u"Aufruf: quorant [PROJEKT.vrp]"_s, u"quorant 2.4"_s},
        {u"quorantc"_s, u"Aufruf: quorantc PROJEKT.vrp [ZIEL.vry]"_s, u"quorantc 2.4"_s},
        {u"zembrota-check"_s, u"Aufruf: zembrota-check WORTLISTE"_s, u"zembrota-check 2.5"_s},
        {u"tessavor"_s, u"Aufruf: tessavor \"ORDNER/DATEI.vry[, THEMA]\""_s, u"tessavor 2.4"_s},
    };
    for (const auto &p : programs) {
        QTest::newRow(qPrintable(p.program + u" --help"_s))
            << p.program << QStringList{u"--help"_s} << 0 << p.usage << QString();
        QTest::newRow(qPrintable(p.program + u" --version"_s))
            << p.program << QStringList{u"--version"_s} << 0 << p.version << QString();
        if (p.program == u"tessavor"_s)
            continue; // any other argument names a help file
        QTest::newRow(qPrintable(p.program + u" -h"_s))
            << p.program << QStringList{u"-h"_s} << 0 << p.usage << QString();
        QTest::newRow(qPrintable(p.program + u" -v"_s))
            << p.program << QStringList{u"-v"_s} << 0 << p.version << QString();
        QTest::newRow(qPrintable(p.program + u" unknown option"_s))
            << p.program << QStringList{u"--bunt"_s} << 2 << QString() << p.usage;
    }
    // The text tool has only the long options.
    const QString formenUsage =
        u"Aufruf: zembrota-formen [--liste DATEI] [--bis BUCH.LEKTION] [--tsv] [TEXTDATEI…]"_s;
    QTest::newRow("zembrota-formen --help")
        << u"zembrota-formen"_s << QStringList{u"--help"_s} << 0 << formenUsage << QString();
    QTest::newRow("zembrota-formen --version")
        << u"zembrota-formen"_s << QStringList{u"--version"_s} << 0 << u"zembrota-formen 2.5"_s << QString();
    QTest::newRow("zembrota with an argument")
        << u"zembrota"_s << QStringList{u"amare"_s} << 2 << QString() << u"Aufruf: zembrota"_s;
    QTest::newRow("quorant with two projects") << u"quorant"_s << QStringList{u"a.vrp"_s, u"b.vrp"_s} << 2
                                               << QString() << u"Aufruf: quorant [PROJEKT.vrp]"_s;
    QTest::newRow("quorantc with an empty name") << u"quorantc"_s << QStringList{QString()} << 2 << QString()
                                                 << u"Aufruf: quorantc PROJEKT.vrp [ZIEL.vry]"_s;
}

void TestProgramOptions::options()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, firstOut);
    QFETCH(QString, firstErr);
    const QString path = qEnvironmentVariable("GLOSSAND_PROGRAM_DIR") + u'/' + program;
    if (!QFileInfo(path).isExecutable())
        QSKIP(qPrintable(program + u" is not built"_s));

    QProcess process;
    // No display at all: help and version must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    if (exitCode == 0)
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    process.setProcessEnvironment(env);
    process.start(path, arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(process.exitCode() == exitCode, qPrintable(out + err));
    QCOMPARE(out.section(u'\n', 0, 0), firstOut);
    // A windowed program may have a warning of Qt's before its own lines.
    if (!firstErr.isEmpty())
        QVERIFY2(err.startsWith(firstErr + u'\n') || err.contains(u'\n' + firstErr + u'\n'), qPrintable(err));
    if (exitCode == 2)
        QVERIFY2(err.contains(u"Mehr mit „--help“."_s), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestProgramOptions)
#include "test_program_options.moc"
