// Windows on a small or strongly scaled screen: inside the available area, beside the status
// window, their content reachable through a scroll area.
#include "common/ui/screenfit.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestScreenFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
    void mainWindowGetsScrollArea();
    void dialogMovedInside();
};

void TestScreenFit::fit_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("keepClear");
    QTest::addColumn<QRect>("fitted");

    const QRect mainWindow(0, 0, 721, 740);
    // 1280 x 1024 at 100 %: the main window and the status window at the top right stand apart.
    QTest::newRow("large screen") << mainWindow << QRect(0, 0, 1280, 1024) << QRect(1040, 0, 240, 436)
                                  << mainWindow;
    // 1366 x 768 at 150 % is 911 x 512 logical pixels, less a panel of 32 at the bottom.
    QTest::newRow("150 % on 1366 x 768")
        << mainWindow << QRect(0, 0, 911, 480) << QRect(671, 0, 240, 436) << QRect(0, 0, 671, 480);
    QTest::newRow("no window to keep clear of")
        << mainWindow << QRect(0, 0, 911, 480) << QRect() << QRect(0, 0, 721, 480);
    QTest::newRow("panel at the top")
        << mainWindow << QRect(0, 28, 1280, 996) << QRect() << QRect(0, 28, 721, 740);
    QTest::newRow("off the right edge")
        << QRect(500, 10, 300, 200) << QRect(0, 0, 640, 480) << QRect() << QRect(340, 10, 300, 200);
    QTest::newRow("off the bottom") << QRect(10, 400, 300, 200) << QRect(0, 0, 640, 480) << QRect()
                                    << QRect(10, 280, 300, 200);
    QTest::newRow("status window at the left") << QRect(100, 0, 500, 300) << QRect(0, 0, 640, 480)
                                               << QRect(0, 0, 240, 436) << QRect(240, 0, 400, 300);
    QTest::newRow("clear of the status window already")
        << QRect(0, 0, 600, 300) << QRect(0, 0, 911, 480) << QRect(671, 0, 240, 436) << QRect(0, 0, 600, 300);
}

void TestScreenFit::fit()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, keepClear);
    QFETCH(QRect, fitted);
    QCOMPARE(ScreenFit::fit(frame, available, keepClear), fitted);
}

void TestScreenFit::mainWindowGetsScrollArea()
{
    QMainWindow window;
    window.menuBar()->addMenu(u"Datei"_s);
    auto *client = new QWidget;
    client->setObjectName(u"Client"_s);
    client->setFixedSize(721, 700);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize before = window.size();
    QVERIFY(before.height() > 700);

    const QRect available(0, 0, 600, 400);
    QVERIFY(ScreenFit::fitMainWindow(&window, available));
    auto *scroll = qobject_cast<QScrollArea *>(window.centralWidget());
    QVERIFY(scroll);
    QCOMPARE(scroll->widget(), client);
    QCOMPARE(client->size(), QSize(721, 700)); // the controls keep their places
    QVERIFY(available.contains(window.frameGeometry()));
    // Every part of the content can be scrolled to.
    QApplication::processEvents();
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    // Fitting again changes nothing.
    QVERIFY(!ScreenFit::fitMainWindow(&window, available));
    QCOMPARE(window.centralWidget(), scroll);
}

void TestScreenFit::dialogMovedInside()
{
    QWidget dialog;
    dialog.setFixedSize(480, 392);
    dialog.move(700, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ScreenFit::keepInside(&dialog, QRect(0, 0, 911, 480));
    QVERIFY(QRect(0, 0, 911, 480).contains(dialog.frameGeometry()));
    QCOMPARE(dialog.size(), QSize(480, 392));
}

QTEST_MAIN(TestScreenFit)
#include "test_screenfit.moc"
