// The back buffer made present ahead: the window's first frame is painted as without it.
#include "helpviewer/backbufferahead.h"

#include <QBackingStore>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

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
    void firstFrameAsWithout();
};

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
