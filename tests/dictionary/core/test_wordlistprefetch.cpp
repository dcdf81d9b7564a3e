// The word list read ahead: the same list as a load at the key, or loaded again when it may differ.
#include "dictionary/core/wordlistprefetch.h"
#include "tests/testsupport/testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QByteArray goodList = TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$1"_s, u"%3"_s, u"#et"_s,
                                               u"="_s, u"und"_s, u"$1 / 2"_s, u"%1 / 4"_s});
const QByteArray faultyList =
    TestSupport::crlf({u"#amare"_s, u"="_s, u"lieben"_s, u"$4"_s, u"%3"_s, u"#et"_s, u"="_s, u"und"_s,
                       u"$1"_s, u"%x"_s, u"#puella"_s, u"="_s, u"Mädchen"_s, u"$1"_s, u"%1"_s});

// Everything a load gives, as text: outcome, error, problems with their lines, every line of the
// table and the lesson table.
QStringList described(const LoadResult &r)
{
    QStringList d{r.ok ? u"ok"_s : u"failed"_s, r.error};
    for (const WordListProblem &p : r.list.problems)
        d << u"problem %1: %2"_s.arg(p.line).arg(p.description);
    for (int i = 1; i <= r.list.words.lineCount(); ++i)
        d << QString(r.list.words.marker(i)) + r.list.words.text(i);
    d << r.list.lessons.dump();
    return d;
}

// The file's times set back, so that the read-ahead finds it settled; its entry changes now, which
// the settle time of zero in these tests lets pass.
void setBack(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
}

} // namespace

class TestWordListPrefetch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameAsLoadAtTheKey_data();
    void sameAsLoadAtTheKey();
    void changedFileIsLoadedAgain_data();
    void changedFileIsLoadedAgain();
    void freshFileIsLoadedAgain();
    void otherFolderIsLoaded();
    void handedOutOnce();
    void nothingReadAhead();
    void endsWithoutTake();
};

void TestWordListPrefetch::sameAsLoadAtTheKey_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readAheadUsed");
    QTest::newRow("good list") << u"good"_s << true;
    QTest::newRow("list with problems") << u"faulty"_s << true;
    QTest::newRow("empty file") << u"empty"_s << true;
    QTest::newRow("no list") << u"missing"_s << false;
    QTest::newRow("a directory in its place") << u"directory"_s << false;
}

void TestWordListPrefetch::sameAsLoadAtTheKey()
{
    QFETCH(QString, kind);
    QFETCH(bool, readAheadUsed);
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"latein.lst"_s);
    if (kind == u"good"_s)
        dir.write(u"latein.lst"_s, goodList);
    else if (kind == u"faulty"_s)
        dir.write(u"latein.lst"_s, faultyList);
    else if (kind == u"empty"_s)
        dir.write(u"latein.lst"_s, {});
    else if (kind == u"directory"_s)
        QVERIFY(QDir(dir.path()).mkdir(u"latein.lst"_s));
    if (QFileInfo(path).isFile())
        setBack(path);

    WordListPrefetch prefetch(dir.path(), 0ms);
    const LoadResult taken = prefetch.take(dir.path());
    QCOMPARE(prefetch.tookReadAhead(), readAheadUsed);
    const LoadResult direct = LoadWordList(dir.path());
    QCOMPARE(described(taken), described(direct));
    if (kind == u"faulty"_s)
        QCOMPARE(taken.list.problems.size(), 2);
}

void TestWordListPrefetch::changedFileIsLoadedAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("rewritten in place, longer") << u"longer"_s;
    QTest::newRow("rewritten in place, same size") << u"same size"_s;
    QTest::newRow("replaced by another file") << u"replaced"_s;
    QTest::newRow("removed") << u"removed"_s;
    QTest::newRow("made after the read-ahead found none") << u"made"_s;
}

void TestWordListPrefetch::changedFileIsLoadedAgain()
{
    QFETCH(QString, change);
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"latein.lst"_s);
    if (change != u"made"_s) {
        dir.write(u"latein.lst"_s, goodList);
        setBack(path);
    }
    WordListPrefetch prefetch(dir.path(), 0ms);
    prefetch.waitForReadAhead();

    QByteArray other = goodList;
    other.replace("lieben", "amare!"); // the same size
    if (change == u"longer"_s || change == u"same size"_s) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite)); // in place: the same inode
        QVERIFY(file.write(change == u"longer"_s ? faultyList : other) > 0);
        file.close();
        // The modification time as it was: the size, or the entry's change, still tells.
        setBack(path);
    } else if (change == u"replaced"_s) {
        dir.write(u"neu.lst"_s, other);
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::rename(dir.file(u"neu.lst"_s), path));
    } else if (change == u"removed"_s) {
        QVERIFY(QFile::remove(path));
    } else {
        dir.write(u"latein.lst"_s, goodList);
    }

    const LoadResult taken = prefetch.take(dir.path());
    QVERIFY(!prefetch.tookReadAhead());
    QCOMPARE(described(taken), described(LoadWordList(dir.path())));
    if (change == u"same size"_s || change == u"replaced"_s)
        QCOMPARE(taken.list.words.text(3).trimmed(), u"amare!"_s);
}

// A file changed just before the start may still change within the timestamp granularity; it is
// read again at the key.
void TestWordListPrefetch::freshFileIsLoadedAgain()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, goodList);
    WordListPrefetch prefetch(dir.path());
    const LoadResult taken = prefetch.take(dir.path());
    QVERIFY(!prefetch.tookReadAhead());
    QCOMPARE(described(taken), described(LoadWordList(dir.path())));
}

void TestWordListPrefetch::otherFolderIsLoaded()
{
    TestSupport::ProgramDir first;
    TestSupport::ProgramDir second;
    first.write(u"latein.lst"_s, goodList);
    second.write(u"latein.lst"_s, faultyList);
    setBack(first.file(u"latein.lst"_s));
    WordListPrefetch prefetch(first.path(), 0ms);
    const LoadResult taken = prefetch.take(second.path());
    QVERIFY(!prefetch.tookReadAhead());
    QCOMPARE(described(taken), described(LoadWordList(second.path())));
}

void TestWordListPrefetch::handedOutOnce()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, goodList);
    setBack(dir.file(u"latein.lst"_s));
    WordListPrefetch prefetch(dir.path(), 0ms);
    const LoadResult first = prefetch.take(dir.path());
    QVERIFY(prefetch.tookReadAhead());
    const LoadResult second = prefetch.take(dir.path());
    QVERIFY(!prefetch.tookReadAhead());
    QCOMPARE(described(second), described(first));
}

void TestWordListPrefetch::nothingReadAhead()
{
    TestSupport::ProgramDir dir;
    dir.write(u"latein.lst"_s, faultyList);
    WordListPrefetch none;
    QCOMPARE(described(none.take(dir.path())), described(LoadWordList(dir.path())));
    QVERIFY(!none.tookReadAhead());
    WordListPrefetch emptyFolder{QString()};
    QCOMPARE(described(emptyFolder.take(dir.path())), described(LoadWordList(dir.path())));
    QVERIFY(!emptyFolder.tookReadAhead());
}

// A program that ends at its opening window never takes the list: the thread is waited for, its
// tables freed (the sanitizer build reports a leak or a use after the end).
void TestWordListPrefetch::endsWithoutTake()
{
    TestSupport::ProgramDir dir;
    QStringList lines;
    for (int n = 1; n <= 5000; ++n)
        lines << u"#w%1"_s.arg(n) << u"="_s << u"$2"_s << u"%%1"_s.arg(n % 60 + 1);
    dir.write(u"latein.lst"_s, TestSupport::crlf(lines));
    for (int run = 0; run < 3; ++run) {
        WordListPrefetch started(dir.path(), 0ms);
    }
    WordListPrefetch finished(dir.path(), 0ms);
    finished.waitForReadAhead();
}

QTEST_GUILESS_MAIN(TestWordListPrefetch)
#include "test_wordlistprefetch.moc"
