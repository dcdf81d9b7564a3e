// The shared link label: colours while pressed and after, when a click counts, and the hand pointer.
#include "common/ui/linklabel.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestLinkLabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsBlue();
    void pressAndRelease_data();
    void pressAndRelease();
    void releaseWithoutPressIsNoClick();
    void handPointer();
};

void TestLinkLabel::startsBlue()
{
    LinkLabel label(QStringLiteral("https://www.example.org/"));
    QCOMPARE(label.textColour(), QColor(0, 0, 255));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.text(), QStringLiteral("https://www.example.org/"));
}

void TestLinkLabel::pressAndRelease_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releasedAt"); // relative to the label's size: -1 before, 1 after it
    QTest::addColumn<QColor>("whilePressed");
    QTest::addColumn<int>("clicks");
    const QColor darkRed(128, 0, 0);
    const QColor blue(0, 0, 255);
    QTest::newRow("released over the label") << int(Qt::LeftButton) << QPoint(0, 0) << darkRed << 1;
    QTest::newRow("released below the label") << int(Qt::LeftButton) << QPoint(0, 1) << darkRed << 0;
    QTest::newRow("released right of the label") << int(Qt::LeftButton) << QPoint(1, 0) << darkRed << 0;
    QTest::newRow("released above and left") << int(Qt::LeftButton) << QPoint(-1, -1) << darkRed << 0;
    // Only the left button works the link.
    QTest::newRow("right button") << int(Qt::RightButton) << QPoint(0, 0) << blue << 0;
    QTest::newRow("middle button") << int(Qt::MiddleButton) << QPoint(0, 0) << blue << 0;
}

void TestLinkLabel::pressAndRelease()
{
    QFETCH(int, button);
    QFETCH(QPoint, releasedAt);
    QFETCH(QColor, whilePressed);
    QFETCH(int, clicks);
    QWidget window;
    window.resize(300, 100);
    auto *label = new LinkLabel(QStringLiteral("glossand@example.org"), &window);
    label->setGeometry(50, 30, 200, 20);
    window.show();
    QSignalSpy clicked(label, &LinkLabel::clicked);

    const auto mouseButton = Qt::MouseButton(button);
    QTest::mousePress(label, mouseButton, {}, QPoint(5, 5));
    QCOMPARE(label->textColour(), whilePressed);
    QCOMPARE(clicked.count(), 0); // the press alone is no click
    // The release comes to the pressed label wherever the pointer is, and always restores the blue.
    const QPoint at(releasedAt.x() < 0   ? -5
                    : releasedAt.x() > 0 ? label->width() + 5
                                         : 5,
                    releasedAt.y() < 0   ? -5
                    : releasedAt.y() > 0 ? label->height() + 5
                                         : 5);
    QTest::mouseRelease(label, mouseButton, {}, at);
    QCOMPARE(label->textColour(), QColor(0, 0, 255));
    QCOMPARE(clicked.count(), clicks);
}

void TestLinkLabel::releaseWithoutPressIsNoClick()
{
    LinkLabel label(QStringLiteral("Weitere Informationen auf meiner Homepage!"));
    label.resize(200, 20);
    label.show();
    QSignalSpy clicked(&label, &LinkLabel::clicked);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
    // A full click after it still counts once.
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(label.textColour(), QColor(0, 0, 255));
}

void TestLinkLabel::handPointer()
{
    const QCursor hand = linkCursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    // The hot spot is the finger tip, at the top of the picture.
    QCOMPARE(hand.hotSpot(), QPoint(11, 1));
    QVERIFY(qAlpha(hand.pixmap().toImage().pixel(11, 3)) > 0);
    QCOMPARE(qAlpha(hand.pixmap().toImage().pixel(0, 0)), 0);
    // Every label that asks gets the same picture.
    QCOMPARE(linkCursor().pixmap().toImage(), hand.pixmap().toImage());
}

QTEST_MAIN(TestLinkLabel)
#include "test_linklabel.moc"
