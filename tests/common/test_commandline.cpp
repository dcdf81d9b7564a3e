// The programs' command line: --help and --version win, unknown options and wrong argument counts
// are errors, and the texts are German.
#include "common/commandline.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString requestName(CommandLine::Request request)
{
    switch (request) {
    case CommandLine::Request::Run:
        return u"run"_s;
    case CommandLine::Request::Help:
        return u"help"_s;
    case CommandLine::Request::Version:
        return u"version"_s;
    case CommandLine::Request::Error:
        return u"error"_s;
    }
    return {};
}

const CommandLine::Description description{u"quorantc PROJEKT.vrp [ZIEL.vry]"_s,
                                           u"Übersetzt ein Hilfeprojekt."_s, u"quorantc 2.4"_s};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void helpText();
    void versionText();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program name
    QTest::addColumn<int>("minPositional");
    QTest::addColumn<int>("maxPositional");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QStringList>("positional");
    QTest::addColumn<QString>("error");

    QTest::newRow("one file") << QStringList{u"a.vrp"_s} << 1 << 2 << u"run"_s << QStringList{u"a.vrp"_s}
                              << QString();
    QTest::newRow("two files") << QStringList{u"a.vrp"_s, u"b.vry"_s} << 1 << 2 << u"run"_s
                               << QStringList{u"a.vrp"_s, u"b.vry"_s} << QString();
    QTest::newRow("--help") << QStringList{u"--help"_s} << 1 << 2 << u"help"_s << QStringList{} << QString();
    QTest::newRow("-h") << QStringList{u"-h"_s} << 1 << 2 << u"help"_s << QStringList{} << QString();
    QTest::newRow("--version") << QStringList{u"--version"_s} << 1 << 2 << u"version"_s << QStringList{}
                               << QString();
    QTest::newRow("-v") << QStringList{u"-v"_s} << 1 << 2 << u"version"_s << QStringList{} << QString();
    QTest::newRow("help wins over a file")
        << QStringList{u"a.vrp"_s, u"--help"_s} << 1 << 2 << u"help"_s << QStringList{} << QString();
    QTest::newRow("help wins over an unknown option")
        << QStringList{u"--bunt"_s, u"--help"_s} << 1 << 2 << u"help"_s << QStringList{} << QString();
    QTest::newRow("help before version")
        << QStringList{u"--version"_s, u"--help"_s} << 0 << 0 << u"help"_s << QStringList{} << QString();
    QTest::newRow("unknown long option") << QStringList{u"--bunt"_s, u"a.vrp"_s} << 1 << 2 << u"error"_s
                                         << QStringList{u"a.vrp"_s} << u"Unbekannte Option „--bunt“."_s;
    QTest::newRow("unknown short option") << QStringList{u"-x"_s, u"a.vrp"_s} << 1 << 2 << u"error"_s
                                          << QStringList{u"a.vrp"_s} << u"Unbekannte Option „-x“."_s;
    QTest::newRow("no file") << QStringList{} << 1 << 2 << u"error"_s << QStringList{}
                             << u"Zu wenige Argumente."_s;
    QTest::newRow("three files") << QStringList{u"a"_s, u"b"_s, u"c"_s} << 1 << 2 << u"error"_s
                                 << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"Zu viele Argumente."_s;
    QTest::newRow("a program without arguments")
        << QStringList{u"a"_s} << 0 << 0 << u"error"_s << QStringList{u"a"_s} << u"Zu viele Argumente."_s;
    QTest::newRow("-- ends the options")
        << QStringList{u"--"_s, u"--help"_s} << 1 << 2 << u"run"_s << QStringList{u"--help"_s} << QString();
    QTest::newRow("a file named with a dash after --")
        << QStringList{u"--"_s, u"-x.vrp"_s} << 1 << 2 << u"run"_s << QStringList{u"-x.vrp"_s} << QString();
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, minPositional);
    QFETCH(int, maxPositional);
    QFETCH(QString, request);
    QFETCH(QStringList, positional);
    QFETCH(QString, error);
    const CommandLine::Parsed parsed =
        CommandLine::parse(QStringList{u"programm"_s} + arguments, minPositional, maxPositional);
    QCOMPARE(requestName(parsed.request), request);
    QCOMPARE(parsed.positional, positional);
    QCOMPARE(parsed.error, error);
}

void TestCommandLine::helpText()
{
    const QStringList lines = CommandLine::helpText(description).split(u'\n');
    QCOMPARE(lines.value(0), u"Aufruf: quorantc PROJEKT.vrp [ZIEL.vry]"_s);
    QCOMPARE(lines.value(1), u"Übersetzt ein Hilfeprojekt."_s);
    QVERIFY(lines.contains(u"Optionen:"_s));
    QVERIFY(lines.contains(u"  -h, --help     Zeigt diese Hilfe und endet."_s));
    QVERIFY(lines.contains(u"  -v, --version  Zeigt die Versionsnummer und endet."_s));
}

void TestCommandLine::versionText()
{
    const QStringList lines = CommandLine::versionText(description).split(u'\n');
    QCOMPARE(lines.value(0), u"quorantc 2.4"_s);
    QVERIFY(lines.value(1).contains(u"GPL-3.0-or-later"_s));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
