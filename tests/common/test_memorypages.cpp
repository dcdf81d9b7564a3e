// Memory pages made present ahead: present afterwards, and their bytes unchanged.
#include "common/memorypages.h"

#include <QScopeGuard>
#include <QTest>

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long faultsOfThisThread()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// Not instrumented: under AddressSanitizer each checked write would first read the block's shadow
// memory, whose own fresh pages would be counted as the block's faults.
__attribute__((no_sanitize("address"))) void writeEachPage(void *block, size_t size, size_t pageSize)
{
    for (size_t offset = 0; offset < size; offset += pageSize)
        static_cast<volatile char *>(block)[offset] = 1;
}

} // namespace

class TestMemoryPages : public QObject
{
    Q_OBJECT

private slots:
    void freshPagesArePresentAfterwards();
    void bytesStayAsTheyAre_data();
    void bytesStayAsTheyAre();
    void nothingToMake();
};

// Written after it, a fresh block takes no page fault: its pages are there already.
void TestMemoryPages::freshPagesArePresentAfterwards()
{
    const long pageSize = sysconf(_SC_PAGESIZE);
    const size_t size = size_t(pageSize) * 64;
    void *block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    QVERIFY(block != MAP_FAILED);
    const auto unmap = qScopeGuard([&] { munmap(block, size); });
    QVERIFY(MemoryPages::makePresent(block, qsizetype(size)));
    const long before = faultsOfThisThread();
    writeEachPage(block, size, size_t(pageSize));
    QCOMPARE(faultsOfThisThread() - before, 0);
}

void TestMemoryPages::bytesStayAsTheyAre_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::newRow("one byte") << 5 << 1;
    QTest::newRow("across a page border") << 4000 << 300;
    QTest::newRow("many pages, unaligned") << 17 << 200000;
}

// The range is widened to whole pages; neither its bytes nor those around it change.
void TestMemoryPages::bytesStayAsTheyAre()
{
    QFETCH(int, offset);
    QFETCH(int, size);
    QByteArray buffer(offset + size + 9000, Qt::Uninitialized);
    for (qsizetype i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i * 7 + 3);
    const QByteArray before = buffer;
    QVERIFY(MemoryPages::makePresent(buffer.constData() + offset, size));
    QVERIFY(buffer == before);
}

void TestMemoryPages::nothingToMake()
{
    QVERIFY(!MemoryPages::makePresent(nullptr, 4096));
    const char byte = 0;
    QVERIFY(!MemoryPages::makePresent(&byte, 0));
}

QTEST_GUILESS_MAIN(TestMemoryPages)
#include "test_memorypages.moc"
