// The shared link label: colours while pressed and after, when a click counts, the pointer, the
// keyboard and what assistive technology sees.
#include "common/ui/linklabel.h"

#include <QAccessible>
#include <QLineEdit>
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
    void keys_data();
    void keys();
    void accessibleLink();
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
    // The desktop's own pointing hand, as its cursor theme draws it.
    QCOMPARE(linkCursor().shape(), Qt::PointingHandCursor);
}

void TestLinkLabel::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
}

// Tab reaches the link, and Enter or Space follows it.
void TestLinkLabel::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *label = new LinkLabel(QStringLiteral("https://www.example.org/"), &window);
    label->setGeometry(0, 40, 200, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(label->hasFocus());
    QSignalSpy clicked(label, &LinkLabel::clicked);
    QTest::keyClick(label, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), clicks);
}

void TestLinkLabel::accessibleLink()
{
    QWidget window;
    auto *label = new LinkLabel(QStringLiteral("glossand@example.org"), &window);
    label->setToolTip(QStringLiteral("Klicken sie hier, um mir eine E-Mail zu schreiben."));
    window.show();
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label);
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("glossand@example.org"));
    QCOMPARE(link->text(QAccessible::Description),
             QStringLiteral("Klicken sie hier, um mir eine E-Mail zu schreiben."));
    QVERIFY(link->state().focusable);
    QAccessibleActionInterface *actions = link->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(label, &LinkLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestLinkLabel)
#include "test_linklabel.moc"
