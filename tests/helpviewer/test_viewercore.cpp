// The viewer's logic without a window: the argument, the start-up sequence, the topic source.
#include "helpviewer/helpprefetch.h"
#include "helpviewer/startup.h"
#include "helpviewer/topicsource.h"
#include "helpviewer/viewerargument.h"
#include "helpviewer/viewerstart.h"
#include "tests/testsupport/testsupport.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThreadPool>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// Records the display operations the start-up calls, in order.
class RecordingPages : public Viewer::Pages
{
public:
    QStringList calls;
    bool topicShows = true;

    void setHelp(const HelpFile::Document &document) override { calls << u"setHelp "_s + document.title; }
    void InhaltZeigen() override { calls << u"InhaltZeigen"_s; }
    void IndexZeigen() override { calls << u"IndexZeigen"_s; }
    bool ThemaZeigen(const QString &topic) override
    {
        calls << u"ThemaZeigen <"_s + topic + u'>';
        return topicShows;
    }
};

QByteArray plainHelp()
{
    return TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Testhilfe"_s, QString(), u"A"_s, QString(), u"[A]"_s,
                              u"Text"_s, QString()});
}

// The help files the start sequence's rows name: a good one, a bad signature, a short one, blanks.
void writeStartHelps(TestSupport::ProgramDir &dir)
{
    dir.write(u"tessavor.vry"_s, plainHelp());
    dir.write(u"hilfe.vry"_s, plainHelp());
    dir.write(u"falsch.vry"_s, "TESSAVOR!\r\nTXT\r\nFalsch\r\n");
    dir.write(u"kurz.vry"_s, "TESSAVOR\r\nTXT");
    dir.write(u"blank.vry"_s, " TESSAVOR \r\nRTF\r\nBlank\r\n");
}
} // namespace

class TestViewerCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseArgument_data();
    void parseArgument();
    void joinArguments();
    void startSequence_data();
    void startSequence();
    void startSequenceReadAhead_data();
    void startSequenceReadAhead();
    void readAheadForAnotherPath();
    void readAheadLeavesOnlyALargeListForLater_data();
    void readAheadLeavesOnlyALargeListForLater();
    void startMessages_data();
    void startMessages();
    void ownHelpIsCheckedFirst();
    void ownHelpMustBeAFile();
    void plainTopicSourceWritesNoFile();
    void richTopicSourceWritesTempFile();
    void richTopicAbsentWritesEmptyFile();
    void richTopicWithoutWritableDirectory();
    void removeTempFile();
    void indexAccepts_data();
    void indexAccepts();
    void paintThreadsStartedAhead();
    void sessionBusConnectedAhead();
    // After paintThreadsStartedAhead, which counts the pool's threads this makes.
    void topicFileWrittenBesideTheReading();
};

void TestViewerCore::parseArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("topic");

    QTest::newRow("caller's form") << u"/opt/g/zembrota.vry, Inhalt"_s << true << u"/opt/g/zembrota.vry"_s
                                   << u"Inhalt"_s;
    QTest::newRow("topic with blanks")
        << u"/g/z.vry, Status - Anzeige"_s << true << u"/g/z.vry"_s << u"Status - Anzeige"_s;
    QTest::newRow("no comma: contents") << u"  /g/z.vry  "_s << true << u"/g/z.vry"_s << u"Inhalt"_s;
    QTest::newRow("no blank after comma drops a character")
        << u"/g/z.vry,Index"_s << true << u"/g/z.vry"_s << u"ndex"_s;
    QTest::newRow("trailing blank kept in topic")
        << u"/g/z.vry, Inhalt "_s << true << u"/g/z.vry"_s << u"Inhalt "_s;
    QTest::newRow("two blanks keep one") << u"/g/z.vry,  Info"_s << true << u"/g/z.vry"_s << u" Info"_s;
    QTest::newRow("ends with the comma") << u"/g/z.vry,"_s << true << u"/g/z.vry"_s << QString();
    QTest::newRow("ends with comma and blank") << u"/g/z.vry, "_s << true << u"/g/z.vry"_s << QString();
    QTest::newRow("path with a comma cut at the first")
        << u"/g/a,b.vry, Info"_s << true << u"/g/a"_s << u".vry, Info"_s;
    QTest::newRow("blanks around the path trimmed")
        << u"  /g/z.vry  , Info"_s << true << u"/g/z.vry"_s << u"Info"_s;
    QTest::newRow("tab in path not trimmed") << u"\t/g/z.vry, A"_s << true << u"\t/g/z.vry"_s << u"A"_s;
    QTest::newRow("empty argument") << QString() << false << QString() << QString();
    QTest::newRow("blanks only") << u"   "_s << false << QString() << QString();
    QTest::newRow("comma first") << u", Inhalt"_s << false << QString() << QString();
    QTest::newRow("blanks then comma") << u"   , Inhalt"_s << false << QString() << QString();
}

void TestViewerCore::parseArgument()
{
    QFETCH(QString, argument);
    QFETCH(bool, valid);
    QFETCH(QString, path);
    QFETCH(QString, topic);
    const auto request = Viewer::parseArgument(argument);
    QCOMPARE(request.has_value(), valid);
    if (valid) {
        QCOMPARE(request->helpPath, path);
        QCOMPARE(request->topic, topic);
    }
}

void TestViewerCore::joinArguments()
{
    QCOMPARE(Viewer::joinArguments({u"/g/meine"_s, u"hilfe.vry,"_s, u"Status"_s, u"-"_s, u"Anzeige"_s}),
             u"/g/meine hilfe.vry, Status - Anzeige"_s);
    QCOMPARE(Viewer::joinArguments({}), QString());
    QCOMPARE(Viewer::parseArgument(Viewer::joinArguments({u"/g/z.vry,"_s, QString()}))->topic, QString());
}

void TestViewerCore::startSequence_data()
{
    QTest::addColumn<QString>("argument"); // "%1" stands for the program directory
    QTest::addColumn<bool>("topicShows");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("calls");

    const int shown = int(Viewer::StartOutcome::Shown);
    QTest::newRow("contents") << u"%1/hilfe.vry, Inhalt"_s << true << shown
                              << QStringList{u"setHelp Testhilfe"_s, u"InhaltZeigen"_s};
    QTest::newRow("index") << u"%1/hilfe.vry, Index"_s << true << shown
                           << QStringList{u"setHelp Testhilfe"_s, u"IndexZeigen"_s};
    QTest::newRow("no comma means contents")
        << u"%1/hilfe.vry"_s << true << shown << QStringList{u"setHelp Testhilfe"_s, u"InhaltZeigen"_s};
    QTest::newRow("topic") << u"%1/hilfe.vry, A"_s << true << shown
                           << QStringList{u"setHelp Testhilfe"_s, u"ThemaZeigen <A>"_s};
    QTest::newRow("Inhalt with a blank is a topic")
        << u"%1/hilfe.vry, Inhalt "_s << true << shown
        << QStringList{u"setHelp Testhilfe"_s, u"ThemaZeigen <Inhalt >"_s};
    QTest::newRow("index in lower case is a topic")
        << u"%1/hilfe.vry, index"_s << true << shown
        << QStringList{u"setHelp Testhilfe"_s, u"ThemaZeigen <index>"_s};
    QTest::newRow("empty topic") << u"%1/hilfe.vry,"_s << true << shown
                                 << QStringList{u"setHelp Testhilfe"_s, u"ThemaZeigen <>"_s};
    QTest::newRow("topic that cannot be shown")
        << u"%1/hilfe.vry, Fehlt"_s << false << int(Viewer::StartOutcome::TopicNotFound)
        << QStringList{u"setHelp Testhilfe"_s, u"ThemaZeigen <Fehlt>"_s};
    QTest::newRow("empty argument") << QString() << true << int(Viewer::StartOutcome::NoHelpFile)
                                    << QStringList{};
    QTest::newRow("empty path") << u" , Inhalt"_s << true << int(Viewer::StartOutcome::NoHelpFile)
                                << QStringList{};
    QTest::newRow("missing help file")
        << u"%1/fehlt.vry, Inhalt"_s << true << int(Viewer::StartOutcome::HelpFileNotFound) << QStringList{};
    QTest::newRow("directory as help file")
        << u"%1, Inhalt"_s << true << int(Viewer::StartOutcome::HelpFileNotFound) << QStringList{};
    QTest::newRow("no signature") << u"%1/falsch.vry, Inhalt"_s << true
                                  << int(Viewer::StartOutcome::InvalidHelpFile) << QStringList{};
    QTest::newRow("signature only") << u"%1/kurz.vry, Inhalt"_s << true
                                    << int(Viewer::StartOutcome::InvalidHelpFile) << QStringList{};
    QTest::newRow("signature with blanks")
        << u"%1/blank.vry, Index"_s << true << shown << QStringList{u"setHelp Blank"_s, u"IndexZeigen"_s};
}

void TestViewerCore::startSequence()
{
    QFETCH(QString, argument);
    QFETCH(bool, topicShows);
    QFETCH(int, outcome);
    QFETCH(QStringList, calls);

    TestSupport::ProgramDir dir;
    writeStartHelps(dir);
    RecordingPages pages;
    pages.topicShows = topicShows;
    const auto result =
        Viewer::start(dir.path(), argument.contains(u"%1"_s) ? argument.arg(dir.path()) : argument, pages);
    QCOMPARE(int(result), outcome);
    QCOMPARE(pages.calls, calls);
}

void TestViewerCore::startSequenceReadAhead_data()
{
    startSequence_data();
}

void TestViewerCore::startSequenceReadAhead()
{
    // The file read ahead from the same argument gives the same checks, calls and document.
    QFETCH(QString, argument);
    QFETCH(bool, topicShows);
    QFETCH(int, outcome);
    QFETCH(QStringList, calls);

    TestSupport::ProgramDir dir;
    writeStartHelps(dir);
    const QString text = argument.contains(u"%1"_s) ? argument.arg(dir.path()) : argument;
    Viewer::HelpPrefetch prefetch(text);
    RecordingPages pages;
    pages.topicShows = topicShows;
    int reads = 0;
    const auto result = Viewer::start(dir.path(), text, pages, [&](const QString &path) {
        ++reads;
        return prefetch.read(path);
    });
    QCOMPARE(int(result), outcome);
    QCOMPARE(pages.calls, calls);
    QVERIFY(reads <= 1);
}

void TestViewerCore::readAheadForAnotherPath()
{
    TestSupport::ProgramDir dir;
    dir.write(u"hilfe.vry"_s, plainHelp());
    dir.write(u"andere.vry"_s,
              TestSupport::crlf({u"TESSAVOR"_s, u"TXT"_s, u"Andere"_s, QString(), u"B"_s, QString()}));
    Viewer::HelpPrefetch prefetch(dir.path() + u"/hilfe.vry, A"_s);
    // Another path is read anew; the result read ahead is handed out once, then the file is read again.
    QCOMPARE(prefetch.read(dir.path() + u"/andere.vry"_s).document.title, u"Andere"_s);
    const HelpFile::ReadResult first = prefetch.read(dir.path() + u"/hilfe.vry"_s);
    QCOMPARE(int(first.status), int(HelpFile::ReadStatus::Ok));
    QCOMPARE(first.document.title, u"Testhilfe"_s);
    QCOMPARE(first.document.contents, QStringList{u"A"_s});
    QCOMPARE(first.document.plainText(u"A"_s), u"Text"_s);
    QCOMPARE(prefetch.read(dir.path() + u"/hilfe.vry"_s).document.index, QStringList{u"A"_s});
    // A missing file reads as readFile reads it.
    Viewer::HelpPrefetch missing(dir.path() + u"/fehlt.vry"_s);
    QCOMPARE(int(missing.read(dir.path() + u"/fehlt.vry"_s).status),
             int(HelpFile::readFile(dir.path() + u"/fehlt.vry"_s).status));
}

void TestViewerCore::readAheadLeavesOnlyALargeListForLater_data()
{
    QTest::addColumn<int>("fillerLines");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<bool>("pending");
    QTest::newRow("small help, topic") << 10 << u", A"_s << false;
    QTest::newRow("large help, topic") << 150000 << u", A"_s << true;
    QTest::newRow("large help, contents page") << 150000 << QString() << false;
    QTest::newRow("large help, index page") << 150000 << u", Index"_s << false;
}

// Read ahead for a topic, a large help's contents list waits until it is asked for; then it is the
// list a whole read gives.
void TestViewerCore::readAheadLeavesOnlyALargeListForLater()
{
    QFETCH(int, fillerLines);
    QFETCH(QString, topic);
    QFETCH(bool, pending);
    TestSupport::ProgramDir dir;
    QStringList lines{u"TESSAVOR"_s, u"TXT"_s, u"Gross"_s, QString(), u"B"_s, u"A"_s, QString(), u"[A]"_s};
    for (int i = 0; i < fillerLines; ++i)
        lines << u"Text"_s + QString::number(i);
    lines << QString();
    dir.write(u"gross.vry"_s, TestSupport::crlf(lines));
    const QString path = dir.path() + u"/gross.vry"_s;
    Viewer::HelpPrefetch prefetch(path + topic);
    HelpFile::ReadResult read = prefetch.read(path);
    QCOMPARE(int(read.status), int(HelpFile::ReadStatus::Ok));
    QCOMPARE(read.document.contentsPending, pending);
    read.document.makeContents();
    QCOMPARE(read.document.contents, (QStringList{u"B"_s, u"A"_s}));
    QCOMPARE(read.document.plainText(u"A"_s).left(5), u"Text0"_s);
}

void TestViewerCore::startMessages_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("own help")
        << int(Viewer::StartOutcome::OwnHelpMissing) << u"Tessavor.vry nicht gefunden!"_s
        << u"Die Hilfe zur Hilfe - Datei Tessavor.vry muss sich im selben Verzeichnis befinden!"_s;
    QTest::newRow("no file named") << int(Viewer::StartOutcome::NoHelpFile) << u"Kein Hilfedatei angegeben!"_s
                                   << u"Es wurde keine Hilfedatei angegeben!"_s;
    QTest::newRow("not found") << int(Viewer::StartOutcome::HelpFileNotFound)
                               << u"Hilfedatei nicht gefunden!"_s
                               << u"Die Hilfedatei wurde nicht gefunden!"_s;
    QTest::newRow("invalid") << int(Viewer::StartOutcome::InvalidHelpFile) << u"Kein gültige Hilfedatei!"_s
                             << u"Das ist keine gültige Tessavor - Hilfedatei!"_s;
    QTest::newRow("topic") << int(Viewer::StartOutcome::TopicNotFound) << u"Hilfethema nicht gefunden!"_s
                           << u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s;
    QTest::newRow("shown") << int(Viewer::StartOutcome::Shown) << QString() << QString();
}

void TestViewerCore::startMessages()
{
    QFETCH(int, outcome);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Viewer::Message message = Viewer::startMessage(Viewer::StartOutcome(outcome));
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, text);
}

void TestViewerCore::ownHelpIsCheckedFirst()
{
    const QStringList arguments{QString(), u"/nirgends/z.vry, Inhalt"_s, u"%1/hilfe.vry, Inhalt"_s};
    for (const QString &argument : arguments) {
        TestSupport::ProgramDir dir;
        dir.write(u"hilfe.vry"_s, plainHelp());
        RecordingPages pages;
        QCOMPARE(Viewer::start(dir.path(), argument.contains(u"%1"_s) ? argument.arg(dir.path()) : argument,
                               pages),
                 Viewer::StartOutcome::OwnHelpMissing);
        QVERIFY(pages.calls.isEmpty());
    }
}

void TestViewerCore::ownHelpMustBeAFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"hilfe.vry"_s, plainHelp());
    QVERIFY(QDir(dir.path()).mkdir(u"tessavor.vry"_s));
    RecordingPages pages;
    QCOMPARE(Viewer::start(dir.path(), dir.file(u"hilfe.vry"_s), pages),
             Viewer::StartOutcome::OwnHelpMissing);
    QVERIFY(QDir(dir.path()).rmdir(u"tessavor.vry"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.file(u"tessavor.vry"_s)).constData(), 0600), 0);
    QCOMPARE(Viewer::start(dir.path(), dir.file(u"hilfe.vry"_s), pages),
             Viewer::StartOutcome::OwnHelpMissing);
    QVERIFY(pages.calls.isEmpty());
}

void TestViewerCore::plainTopicSourceWritesNoFile()
{
    TestSupport::ProgramDir dir;
    const auto document = HelpFile::read(plainHelp()).document;
    const auto source = Viewer::topicSource(document, u"A"_s, dir.path());
    QCOMPARE(source.form, Viewer::TopicSource::Form::PlainText);
    QCOMPARE(source.text, u"Text"_s);
    QCOMPARE(Viewer::topicSource(document, u"B"_s, dir.path()).text, QString());
    QVERIFY(!dir.exists(u"temp.tmp"_s));
}

void TestViewerCore::richTopicSourceWritesTempFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"temp.tmp"_s, "ein viel längerer alter Inhalt, der ganz ersetzt werden muss");
    const QByteArray bytes = TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"R"_s, QString(), u"A"_s, QString(),
                                                u"[A]"_s, u"{\\rtf1 Gr\\'fc\\'df"_s, u"}"_s, QString(),
                                                u"[A]"_s, u"{\\rtf1 zwei}"_s, QString()});
    const auto document = HelpFile::read(bytes).document;
    const auto source = Viewer::topicSource(document, u"A"_s, dir.path());
    QCOMPARE(source.form, Viewer::TopicSource::Form::RtfFile);
    QCOMPARE(source.path, dir.file(u"temp.tmp"_s));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("{\\rtf1 Gr\\'fc\\'df\r\n}\r\n\r\n{\\rtf1 zwei}\r\n\r\n"));
}

void TestViewerCore::richTopicAbsentWritesEmptyFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"temp.tmp"_s, "alt");
    const auto document = HelpFile::read("TESSAVOR\r\nRTF\r\nR\r\n").document;
    const auto source = Viewer::topicSource(document, u"A"_s, dir.path());
    QCOMPARE(source.form, Viewer::TopicSource::Form::RtfFile);
    QVERIFY(dir.exists(u"temp.tmp"_s));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray());
}

void TestViewerCore::richTopicWithoutWritableDirectory()
{
    TestSupport::ProgramDir dir;
    const auto document = HelpFile::read("TESSAVOR\r\nRTF\r\nR\r\n\r\n\r\n[A]\r\n{\\rtf1 a}\r\n").document;
    const auto source = Viewer::topicSource(document, u"A"_s, dir.file(u"fehlt"_s));
    // temp.tmp goes to the user's private temporary folder instead, or is not written at all; the
    // topic shows from its bytes either way.
    QVERIFY(source.form == Viewer::TopicSource::Form::RtfBytes || !source.path.startsWith(dir.path()));
    QCOMPARE(source.bytes, QByteArray("{\\rtf1 a}\r\n"));
    Viewer::removeTempFile(dir.file(u"fehlt"_s));
}

void TestViewerCore::topicFileWrittenBesideTheReading()
{
    TestSupport::ProgramDir dir;
    dir.write(u"temp.tmp"_s, "alt");
    QStringList lines{u"TESSAVOR"_s, u"RTF"_s, u"R"_s, QString()};
    for (int i = 0; i < 30; ++i)
        lines << u"T%1"_s.arg(i);
    lines << QString();
    for (int i = 0; i < 30; ++i)
        lines << u"[T%1]"_s.arg(i) << u"{\\rtf1 Thema %1}"_s.arg(i) << QString();
    const auto document = HelpFile::read(TestSupport::crlf(lines)).document;

    // Found, not yet written: temp.tmp keeps what it held.
    const Viewer::TopicSource first = Viewer::findTopic(document, u"T0"_s, dir.path());
    QCOMPARE(first.form, Viewer::TopicSource::Form::RtfBytes);
    QCOMPARE(first.path, dir.file(u"temp.tmp"_s));
    QCOMPARE(first.bytes, QByteArray("{\\rtf1 Thema 0}\r\n\r\n"));
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("alt"));

    // Each write is done when its object ends, so topics shown one after the other leave the last.
    for (int i = 0; i < 30; ++i) {
        const Viewer::TopicSource source = Viewer::findTopic(document, u"T%1"_s.arg(i), dir.path());
        Viewer::TopicFileWrite write(source);
        if (i % 2 == 0) // the last is left to the object's end
            QCOMPARE(write.form(), Viewer::TopicSource::Form::RtfFile);
    }
    QCOMPARE(dir.read(u"temp.tmp"_s), QByteArray("{\\rtf1 Thema 29}\r\n\r\n"));

    // A folder in temp.tmp's way: not written, the topic still comes from its bytes.
    QVERIFY(QFile::remove(dir.file(u"temp.tmp"_s)));
    QVERIFY(QDir(dir.path()).mkdir(u"temp.tmp"_s));
    Viewer::TopicFileWrite refused(first);
    QCOMPARE(refused.form(), Viewer::TopicSource::Form::RtfBytes);
}

void TestViewerCore::removeTempFile()
{
    TestSupport::ProgramDir dir;
    dir.write(u"temp.tmp"_s, "x");
    Viewer::removeTempFile(dir.path());
    QVERIFY(!dir.exists(u"temp.tmp"_s));
    Viewer::removeTempFile(dir.path()); // already gone: no error
    QVERIFY(!dir.exists(u"temp.tmp"_s));
}

void TestViewerCore::indexAccepts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << u"Farben"_s << true;
    QTest::newRow("other case") << u"farben"_s << false;
    QTest::newRow("trailing blank") << u"Farben "_s << false;
    QTest::newRow("prefix") << u"Farb"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestViewerCore::indexAccepts()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(Viewer::indexAccepts({u"Anfang"_s, u"Farben"_s}, typed), accepted);
}

namespace {
qsizetype threadsOfProcess()
{
    return QDir(u"/proc/self/task"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}
} // namespace

// The pool gets one waiting thread per processor without the caller waiting for them; a second
// call finds them there and makes no more. (waitForDone would end the pool's threads.)
void TestViewerCore::paintThreadsStartedAhead()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    QCOMPARE(pool->activeThreadCount(), 0);
    const qsizetype before = threadsOfProcess();
    Viewer::startPaintThreads();
    QTRY_COMPARE(pool->activeThreadCount(), 0);
    QCOMPARE(threadsOfProcess(), before + pool->maxThreadCount());
    Viewer::startPaintThreads();
    QTRY_COMPARE(pool->activeThreadCount(), 0);
    QCOMPARE(threadsOfProcess(), before + pool->maxThreadCount());
    // The threads take work as before.
    QAtomicInt done = 0;
    for (int i = 0; i < 2 * pool->maxThreadCount(); ++i)
        pool->start([&done] { done.fetchAndAddRelaxed(1); });
    QVERIFY(pool->waitForDone(5000));
    QCOMPARE(done.loadRelaxed(), 2 * pool->maxThreadCount());
}

// The session bus connection is made on the helper's thread and complete when the helper is gone:
// the window's thread then finds it made (connected where a bus runs, not connected elsewhere).
void TestViewerCore::sessionBusConnectedAhead()
{
    const QString defaultName = u"qt_default_session_bus"_s;
    QVERIFY(QDBusConnection(defaultName).name().isEmpty());
    {
        const std::jthread bus = Viewer::connectSessionBusAhead();
    }
    QCOMPARE(QDBusConnection(defaultName).name(), defaultName);
    QCOMPARE(QDBusConnection::sessionBus().name(), defaultName);
}

QTEST_GUILESS_MAIN(TestViewerCore)
#include "test_viewercore.moc"
