// The back buffer made present ahead: pages present without a change of their bytes, and a window
// whose first frame is painted as without it.
#include "helpviewer/backbufferahead.h"

#include <QBackingStore>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

long faultsOfThisThread()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// A window with a few controls at a fixed size, as the viewer's.
std::unique_ptr<QWidget> sampleWindow()
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(u"Thema 1"_s));
    layout->addWidget(new QLabel(u"Absatz über die a-Deklination"_s));
    window->setFixedSize(320, 240);
    return window;
}

QImage backBuffer(QWidget &window)
{
    const QPaintDevice *device = window.backingStore()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return {};
    return static_cast<const QImage *>(device)->copy();
}

} // namespace

class TestBackBufferAhead : public QObject
{
    Q_OBJECT

private slots:
    void freshPagesArePresentAfterwards();
    void bytesStayAsTheyAre_data();
    void bytesStayAsTheyAre();
    void nothingToMake();
    void firstFrameAsWithout();
};

// Written after it, a fresh block takes no page fault: its pages are there already.
void TestBackBufferAhead::freshPagesArePresentAfterwards()
{
    const long pageSize = sysconf(_SC_PAGESIZE);
    const size_t size = size_t(pageSize) * 64;
    void *block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    QVERIFY(block != MAP_FAILED);
    const auto unmap = qScopeGuard([&] { munmap(block, size); });
    QVERIFY(Viewer::makePagesPresent(block, qsizetype(size)));
    const long before = faultsOfThisThread();
    for (size_t offset = 0; offset < size; offset += size_t(pageSize))
        static_cast<volatile char *>(block)[offset] = 1;
    QCOMPARE(faultsOfThisThread() - before, 0);
}

void TestBackBufferAhead::bytesStayAsTheyAre_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::newRow("one byte") << 5 << 1;
    QTest::newRow("across a page border") << 4000 << 300;
    QTest::newRow("many pages, unaligned") << 17 << 200000;
}

// The range is widened to whole pages; neither its bytes nor those around it change.
void TestBackBufferAhead::bytesStayAsTheyAre()
{
    QFETCH(int, offset);
    QFETCH(int, size);
    QByteArray buffer(offset + size + 9000, Qt::Uninitialized);
    for (qsizetype i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i * 7 + 3);
    const QByteArray before = buffer;
    QVERIFY(Viewer::makePagesPresent(buffer.constData() + offset, size));
    QVERIFY(buffer == before);
}

void TestBackBufferAhead::nothingToMake()
{
    QVERIFY(!Viewer::makePagesPresent(nullptr, 4096));
    const char byte = 0;
    QVERIFY(!Viewer::makePagesPresent(&byte, 0));
}

// With the back buffer sized and made present at the first update request, the window still
// paints one complete first frame: the same pixels as a window without it, and the watcher is
// gone afterwards.
void TestBackBufferAhead::firstFrameAsWithout()
{
    const auto plain = sampleWindow();
    plain->show();
    QVERIFY(QTest::qWaitForWindowExposed(plain.get()));
    QCoreApplication::processEvents();

    const auto ahead = sampleWindow();
    Viewer::BackBufferAhead::install(ahead.get());
    QCOMPARE(ahead->findChildren<Viewer::BackBufferAhead *>().size(), 1);
    ahead->show();
    QVERIFY(QTest::qWaitForWindowExposed(ahead.get()));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(ahead->findChildren<Viewer::BackBufferAhead *>().isEmpty());

    QCOMPARE(ahead->backingStore()->size(), ahead->size());
    const QImage painted = backBuffer(*ahead);
    QVERIFY(!painted.isNull());
    QCOMPARE(painted, backBuffer(*plain));
}

QTEST_MAIN(TestBackBufferAhead)
#include "test_backbufferahead.moc"
