// The start-up helper threads keep off the processor of the window's thread, and a pool thread
// gets its processors back.
#include "helpviewer/helperthreads.h"

#include <QTest>

#include <functional>
#include <thread>

using namespace Viewer;

namespace {
cpu_set_t allowedNow()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    return set;
}

bool setAllowed(const cpu_set_t &set)
{
    return sched_setaffinity(0, sizeof set, &set) == 0;
}

int firstOf(const cpu_set_t &set)
{
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &set))
            return cpu;
    return -1;
}

cpu_set_t only(int cpu)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    return set;
}

// Runs `work` on a new thread made while the calling thread may run on `makerAllowed`.
void onNewThread(const cpu_set_t &makerAllowed, const std::function<void()> &work)
{
    const cpu_set_t before = allowedNow();
    QVERIFY(setAllowed(makerAllowed));
    std::thread thread(work);
    QVERIFY(setAllowed(before));
    thread.join();
}
} // namespace

class TestHelperThreads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void beforeTheWindowThreadIsNoted();
    void stepAside_data();
    void stepAside();
    void poolThreadGetsItsProcessorsBack();

private:
    cpu_set_t m_all;
    int m_window = -1;
};

void TestHelperThreads::initTestCase()
{
    m_all = allowedNow();
    m_window = firstOf(m_all);
    QVERIFY(m_window >= 0);
}

void TestHelperThreads::beforeTheWindowThreadIsNoted()
{
    // Nothing noted yet: a helper only yields and may run where it could before.
    const cpu_set_t others = HelperThreads::otherProcessors();
    QCOMPARE(CPU_COUNT(&others), 0);
    cpu_set_t seen;
    onNewThread(m_all, [&seen] {
        HelperThreads::stepAside();
        seen = allowedNow();
    });
    QVERIFY(CPU_EQUAL(&seen, &m_all));
}

void TestHelperThreads::stepAside_data()
{
    QTest::addColumn<bool>("makerOnWindowProcessorOnly");
    QTest::newRow("other processors left") << false;
    QTest::newRow("the window's processor only") << true;
}

void TestHelperThreads::stepAside()
{
    QFETCH(bool, makerOnWindowProcessorOnly);
    if (!makerOnWindowProcessorOnly && CPU_COUNT(&m_all) < 2)
        QSKIP("one processor only");
    // The window's thread is noted while it runs on a known processor.
    QVERIFY(setAllowed(only(m_window)));
    HelperThreads::noteWindowThread();
    QVERIFY(setAllowed(m_all));

    const cpu_set_t makerAllowed = makerOnWindowProcessorOnly ? only(m_window) : m_all;
    cpu_set_t seen;
    onNewThread(makerAllowed, [&seen] {
        HelperThreads::stepAside();
        seen = allowedNow();
    });
    cpu_set_t expected = makerAllowed;
    if (!makerOnWindowProcessorOnly)
        CPU_CLR(m_window, &expected);
    QVERIFY(CPU_EQUAL(&seen, &expected));
    // The window's own thread may still run everywhere.
    const cpu_set_t windowAllowed = allowedNow();
    QVERIFY(CPU_EQUAL(&windowAllowed, &m_all));
}

void TestHelperThreads::poolThreadGetsItsProcessorsBack()
{
    if (CPU_COUNT(&m_all) < 2)
        QSKIP("one processor only");
    QVERIFY(setAllowed(only(m_window)));
    HelperThreads::noteWindowThread();
    QVERIFY(setAllowed(m_all));

    cpu_set_t during;
    cpu_set_t after;
    onNewThread(m_all, [&during, &after] {
        {
            HelperThreads::StepAsideWhile aside;
            during = allowedNow();
        }
        after = allowedNow();
    });
    QVERIFY(!CPU_ISSET(m_window, &during));
    QCOMPARE(CPU_COUNT(&during), CPU_COUNT(&m_all) - 1);
    QVERIFY(CPU_EQUAL(&after, &m_all));
}

QTEST_APPLESS_MAIN(TestHelperThreads)
#include "test_helperthreads.moc"
