// Lesson browsing, list-file figures and the start-up order, without windows.
#include "dictionary/core/browsing.h"
#include "dictionary/core/listfigures.h"
#include "dictionary/core/startup.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBrowsingCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lessonCaptions_data();
    void lessonCaptions();
    void lessonWordsStopAtFirstEmptySlot();
    void lessonWordsThirtySlots();
    void allWordsSkipEmptySlotsAndCountBooks();
    void allWordsLeaveUnusedLessonRowsOut();
    void listOrder_data();
    void listOrder();
    void countLines_data();
    void countLines();
    void countLinesInPieces();
    void lastChangeText_data();
    void lastChangeText();
    void fileFigures();
    void fileFiguresOfMissingFile();
    void startUpOrder();
    void startUpWithUnreadableList();
    void startUpWithFaultyList();
    void startUpWithListReadAhead_data();
    void startUpWithListReadAhead();
    void faultyTextNamesFirstProblems_data();
    void faultyTextNamesFirstProblems();
};

void TestBrowsingCore::lessonCaptions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("third");
    QTest::addColumn<QString>("last");
    QTest::newRow("Buch 1") << 0 << 60 << u"Lektion 1"_s << u"Lektion 3"_s << u"Lektion 60"_s;
    QTest::newRow("Buch 2") << 1 << 50 << u"Lektion 1"_s << u"Lektion 3"_s << u"Lektion 50"_s;
    QTest::newRow("Buch 3 in double numbering")
        << 2 << 40 << u"Lektion 1.1"_s << u"Lektion 2.1"_s << u"Lektion 20.2"_s;
    QTest::newRow("no book chosen") << -1 << 0 << QString() << QString() << QString();
    QTest::newRow("beyond the books") << 3 << 0 << QString() << QString() << QString();
}

void TestBrowsingCore::lessonCaptions()
{
    QFETCH(int, position);
    QFETCH(int, count);
    const QStringList captions = Browsing::lessonCaptions(position);
    QCOMPARE(captions.size(), count);
    if (count == 0)
        return;
    QFETCH(QString, first);
    QFETCH(QString, third);
    QFETCH(QString, last);
    QCOMPARE(captions.first(), first);
    QCOMPARE(captions.at(2), third);
    QCOMPARE(captions.last(), last);
    if (position == 2) {
        QCOMPARE(captions.at(1), u"Lektion 1.2"_s);
        QCOMPARE(captions.at(6), u"Lektion 4.1"_s);
        QCOMPARE(captions.at(9), u"Lektion 5.2"_s);
        QCOMPARE(captions.at(38), u"Lektion 20.1"_s);
    }
}

void TestBrowsingCore::lessonWordsStopAtFirstEmptySlot()
{
    LessonTable lessons;
    lessons.put(1, 4, u"videre"_s);
    lessons.put(1, 4, u"clamare"_s);
    lessons.put(1, 4, u"Ubi"_s);
    lessons.put(1, 5, u"amicus"_s);
    QCOMPARE(Browsing::lessonWords(lessons, 1, 4), (QStringList{u"clamare"_s, u"Ubi"_s, u"videre"_s}));
    QCOMPARE(Browsing::lessonWords(lessons, 1, 6), QStringList());
    QCOMPARE(Browsing::lessonWords(lessons, 3, 40), QStringList());
}

void TestBrowsingCore::lessonWordsThirtySlots()
{
    LessonTable lessons;
    for (int i = 1; i <= 31; ++i)
        lessons.put(2, 50, u"w%1"_s.arg(i, 2, 10, QLatin1Char('0')));
    const QStringList words = Browsing::lessonWords(lessons, 2, 50);
    QCOMPARE(words.size(), 30);
    QCOMPARE(words.first(), u"w01"_s);
    QCOMPARE(words.last(), u"w30"_s);
}

void TestBrowsingCore::allWordsSkipEmptySlotsAndCountBooks()
{
    LessonTable lessons;
    lessons.put(1, 1, u"esse"_s);
    lessons.put(1, 60, u"terra"_s);
    lessons.put(2, 50, u"puella"_s);
    lessons.put(3, 1, u"bellum"_s);
    lessons.put(3, 40, u"finis"_s);
    // A word in three lessons is listed and counted three times.
    lessons.put(1, 5, u"amicus"_s);
    lessons.put(2, 5, u"amicus"_s);
    lessons.put(3, 1, u"amicus"_s);
    const Browsing::AllWords all = Browsing::collectAllWords(lessons);
    QCOMPARE(all.words, (QStringList{u"amicus"_s, u"amicus"_s, u"amicus"_s, u"bellum"_s, u"esse"_s,
                                     u"finis"_s, u"puella"_s, u"terra"_s}));
    QCOMPARE(all.perBook[0], qint16(3));
    QCOMPARE(all.perBook[1], qint16(2));
    QCOMPARE(all.perBook[2], qint16(3));
}

void TestBrowsingCore::allWordsLeaveUnusedLessonRowsOut()
{
    // Book 2 uses lessons 1 to 50, book 3 the codes 1 to 40; later rows are never listed.
    LessonTable lessons;
    lessons.put(2, 51, u"extra"_s);
    lessons.put(3, 41, u"extra"_s);
    lessons.put(3, 60, u"extra"_s);
    lessons.put(1, 60, u"caelum"_s);
    const Browsing::AllWords all = Browsing::collectAllWords(lessons);
    QCOMPARE(all.words, QStringList{u"caelum"_s});
    QCOMPARE(all.perBook[0], qint16(1));
    QCOMPARE(all.perBook[1], qint16(0));
    QCOMPARE(all.perBook[2], qint16(0));
}

void TestBrowsingCore::listOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("case does not decide") << QStringList{u"Marcus"_s, u"amare"_s, u"Ubi"_s, u"bonus"_s}
                                          << QStringList{u"amare"_s, u"bonus"_s, u"Marcus"_s, u"Ubi"_s};
    QTest::newRow("same word in two cases keeps its order")
        << QStringList{u"aqua"_s, u"Aqua"_s, u"ager"_s} << QStringList{u"ager"_s, u"aqua"_s, u"Aqua"_s};
    QTest::newRow("prefix first") << QStringList{u"amicus"_s, u"ami"_s} << QStringList{u"ami"_s, u"amicus"_s};
}

void TestBrowsingCore::listOrder()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, listed);
    Browsing::sortLikeList(added);
    QCOMPARE(added, listed);
}

void TestBrowsingCore::countLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("CR LF after each line") << QByteArray("#et\r\n=\r\n") << 2;
    QTest::newRow("last line without break counts") << QByteArray("#et\r\n=") << 2;
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << 2;
    QTest::newRow("lone CR") << QByteArray("a\rb") << 2;
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\n\r\n") << 3;
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << 3;
    QTest::newRow("bytes 0x80 to 0x9F are text") << QByteArray("\x80\x85\x9f\r\n\x8d") << 2;
}

void TestBrowsingCore::countLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, lines);
    QCOMPARE(ListFigures::countLines(bytes), lines);
    // Given in two pieces, split anywhere (a CR LF too), the count is the same.
    for (qsizetype split = 0; split <= bytes.size(); ++split) {
        ListFigures::LineCounter counter;
        counter.add(QByteArrayView(bytes).first(split));
        counter.add(QByteArrayView(bytes).sliced(split));
        QCOMPARE(counter.lines(), lines);
    }
}

void TestBrowsingCore::countLinesInPieces()
{
    // Random texts of breaks and letters against the byte-by-byte definition, fed in random pieces.
    const auto reference = [](const QByteArray &bytes) {
        int lines = 0;
        qsizetype start = 0;
        for (qsizetype pos = 0; pos < bytes.size(); ++pos) {
            if (bytes[pos] == '\r') {
                if (pos + 1 < bytes.size() && bytes[pos + 1] == '\n')
                    ++pos;
            } else if (bytes[pos] != '\n') {
                continue;
            }
            ++lines;
            start = pos + 1;
        }
        return lines + (start < bytes.size() ? 1 : 0);
    };
    QRandomGenerator random(14);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes;
        const int length = random.bounded(200);
        for (int i = 0; i < length; ++i)
            bytes.append("\r\nab"[random.bounded(4)]);
        ListFigures::LineCounter counter;
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype piece = qMin<qsizetype>(random.bounded(1, 8), bytes.size() - at);
            counter.add(QByteArrayView(bytes).sliced(at, piece));
            at += piece;
        }
        QCOMPARE(counter.lines(), reference(bytes));
        QCOMPARE(ListFigures::countLines(bytes), reference(bytes));
    }
}

void TestBrowsingCore::lastChangeText_data()
{
    QTest::addColumn<QDateTime>("modified");
    QTest::addColumn<QString>("text");
    const QDate christmas(2001, 12, 24);
    QTest::newRow("four characters cut, not three")
        << QDateTime(christmas, QTime(10, 30, 45)) << u"24.12.2001 10:3"_s;
    QTest::newRow("midnight shows the date alone, cut")
        << QDateTime(christmas, QTime(0, 0, 0)) << u"24.12."_s;
    QTest::newRow("milliseconds after midnight are still midnight")
        << QDateTime(christmas, QTime(0, 0, 0, 250)) << u"24.12."_s;
    QTest::newRow("one second after midnight")
        << QDateTime(christmas, QTime(0, 0, 1)) << u"24.12.2001 00:0"_s;
    QTest::newRow("single-digit day and month")
        << QDateTime(QDate(2024, 3, 5), QTime(9, 5, 7)) << u"05.03.2024 09:0"_s;
}

void TestBrowsingCore::lastChangeText()
{
    QFETCH(QDateTime, modified);
    QFETCH(QString, text);
    QCOMPARE(ListFigures::lastChangeText(modified, QLocale(QLocale::German, QLocale::Germany)), text);
}

void TestBrowsingCore::fileFigures()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, QByteArray("#et\r\n=\r\nund\r\n$1\r\n%1"));
    QFile file(dir.file(u"latein.lst"_s));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 12, 24), QTime(10, 30, 45)),
                             QFileDevice::FileModificationTime));
    file.close();
    const ListFigures::FileFigures figures =
        ListFigures::readFileFigures(dir.file(u"latein.lst"_s), QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(figures.ok);
    QCOMPARE(figures.size, qint64(19));
    QCOMPARE(figures.lineCount, 5);
    QCOMPARE(figures.lastChange, u"24.12.2001 10:3"_s);

    // A file read in several pieces, one CR LF across the border of two.
    dir.write(u"latein.lst"_s, QByteArray(65535, 'a') + "\r\n" + QByteArray(70000, 'b') + "\r\nc");
    const ListFigures::FileFigures large = ListFigures::readFileFigures(dir.file(u"latein.lst"_s), QLocale());
    QVERIFY(large.ok);
    QCOMPARE(large.size, qint64(65535 + 2 + 70000 + 3));
    QCOMPARE(large.lineCount, 3);
}

void TestBrowsingCore::fileFiguresOfMissingFile()
{
    TestSupport::ProgramDir dir;
    const ListFigures::FileFigures figures =
        ListFigures::readFileFigures(dir.file(u"latein.lst"_s), QLocale());
    QVERIFY(!figures.ok);
    QCOMPARE(figures.lineCount, 0);
}

namespace {

// Records every step start-up asks of the windows, in order.
class RecordingWindows : public StartUpWindows
{
public:
    QStringList steps;
    WordList list;
    QStringList texts; // of the messages, in order

    void setBusyPointer(bool busy) override { steps << (busy ? u"busy"_s : u"default pointer"_s); }
    void showStatusWindow() override { steps << u"status window"_s; }
    void takeWordList(WordList taken) override
    {
        list = std::move(taken);
        steps << u"word list %1 lines"_s.arg(list.words.lineCount());
    }
    void applySettings() override { steps << u"settings"_s; }
    void showMainWindow() override { steps << u"main window"_s; }
    void closeOpeningWindow() override { steps << u"opening window closed"_s; }
    void showError(const QString &title, const QString &text) override
    {
        steps << u"error "_s + title;
        texts << text;
    }
    void showWarning(const QString &title, const QString &text) override
    {
        steps << u"warning "_s + title;
        texts << text;
    }
    void endProgram(int exitCode) override { steps << u"end %1"_s.arg(exitCode); }
};

} // namespace

void TestBrowsingCore::startUpOrder()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$1"_s, u"%3"_s}));
    RecordingWindows windows;
    QCOMPARE(StartUpLoad(windows, dir.path()), StartUpOutcome::MainWindowShown);
    QCOMPARE(windows.steps,
             (QStringList{u"busy"_s, u"status window"_s, u"word list 5 lines"_s, u"settings"_s,
                          u"main window"_s, u"default pointer"_s, u"opening window closed"_s}));
    QCOMPARE(windows.list.lessons.lessonWord(1, 3, 1), u"amare"_s);
}

void TestBrowsingCore::startUpWithUnreadableList()
{
    TestSupport::ProgramDir dir;
    RecordingWindows windows;
    QCOMPARE(StartUpLoad(windows, dir.path()), StartUpOutcome::WordListUnreadable);
    // No settings and no main window: the program ends after the message.
    QCOMPARE(windows.steps, (QStringList{u"busy"_s, u"status window"_s, u"default pointer"_s,
                                         u"error Wortliste nicht lesbar!"_s, u"end 1"_s}));
}

void TestBrowsingCore::startUpWithFaultyList()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$4"_s, u"%3"_s,
                                                  u"#et"_s, u"="_s, u"und"_s, u"$1"_s, u"%1"_s}));
    RecordingWindows windows;
    QCOMPARE(StartUpLoad(windows, dir.path()), StartUpOutcome::MainWindowShown);
    QCOMPARE(windows.steps, (QStringList{u"busy"_s, u"status window"_s, u"word list 10 lines"_s,
                                         u"settings"_s, u"main window"_s, u"default pointer"_s,
                                         u"opening window closed"_s, u"warning Fehlerhafte Wortliste!"_s}));
    QCOMPARE(windows.list.lessons.lessonWord(1, 1, 1), u"et"_s);
}

void TestBrowsingCore::startUpWithListReadAhead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    QTest::newRow("good list") << TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$1"_s, u"%3"_s})
                               << true;
    QTest::newRow("faulty list") << TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$4"_s, u"%3"_s,
                                                       u"#et"_s, u"="_s, u"und"_s, u"$1"_s, u"%x"_s})
                                 << true;
    QTest::newRow("no list") << QByteArray() << false;
}

// The list read ahead gives the same steps, messages and tables as the list loaded at the key.
void TestBrowsingCore::startUpWithListReadAhead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    TestSupport::ProgramDir dir;
    if (present)
        dir.write(u"latein.lst"_s, bytes);
    RecordingWindows atTheKey;
    const StartUpOutcome expected = StartUpLoad(atTheKey, dir.path());
    WordListPrefetch prefetch(dir.path(), std::chrono::milliseconds(0));
    RecordingWindows readAhead;
    QCOMPARE(StartUpLoad(readAhead, dir.path(), &prefetch), expected);
    QCOMPARE(prefetch.tookReadAhead(), present);
    QCOMPARE(readAhead.steps, atTheKey.steps);
    QCOMPARE(readAhead.texts, atTheKey.texts);
    QCOMPARE(readAhead.list.lessons.dump(), atTheKey.list.lessons.dump());
    QCOMPARE(readAhead.list.problemTexts(), atTheKey.list.problemTexts());
}

void TestBrowsingCore::faultyTextNamesFirstProblems_data()
{
    QTest::addColumn<int>("problems");
    QTest::addColumn<QString>("ending");
    QTest::newRow("one problem") << 1 << u"\n\nZeile 10: Fehler 1"_s;
    QTest::newRow("five problems, all named") << 5 << u"\nZeile 50: Fehler 5"_s;
    QTest::newRow("six problems, one summed up")
        << 6 << u"\nZeile 50: Fehler 5\n… und ein weiterer Fehler."_s;
    QTest::newRow("eight problems") << 8 << u"\nZeile 50: Fehler 5\n… und 3 weitere Fehler."_s;
}

void TestBrowsingCore::faultyTextNamesFirstProblems()
{
    QFETCH(int, problems);
    QFETCH(QString, ending);
    QList<WordListProblem> list;
    for (int i = 1; i <= problems; ++i)
        list.append({10 * i, u"Zeile %1: Fehler %2"_s.arg(10 * i).arg(i)});
    const QString text = StartUp::faultyText(u"/opt/glossand/latein.lst"_s, list);
    QVERIFY2(text.startsWith(u"Die Wortliste „/opt/glossand/latein.lst“ enthält Fehler."_s),
             qPrintable(text));
    QVERIFY2(text.endsWith(ending), qPrintable(text));
    QVERIFY(!text.contains(u"Fehler 6"_s));
}

QTEST_GUILESS_MAIN(TestBrowsingCore)
#include "test_browsingcore.moc"
