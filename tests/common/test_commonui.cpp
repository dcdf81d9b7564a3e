// Shared window helpers: busy pointer guard, help launch, icon frame counter.
#include "common/ui/busycursor.h"
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/messagebox.h"
#include "tests/testsupport/testsupport.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

class TestCommonUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void busyCursorRestoresOnEveryPath();
    void frameCounter_data();
    void frameCounter();
    void animationSetsIconOfFrame();
    void helpLaunchStartsViewerWithOneArgument();
    void helpLaunchWarnsWhenViewerMissing();
    void messageBoxShowsNormalPointerInsideBusyHandler();
};

void TestCommonUi::busyCursorRestoresOnEveryPath()
{
    QVERIFY(!QGuiApplication::overrideCursor());
    {
        BusyCursor outer;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            BusyCursor inner;
        }
        QVERIFY(QGuiApplication::overrideCursor());
    }
    QVERIFY(!QGuiApplication::overrideCursor());
    auto early = [](bool leave) {
        BusyCursor busy;
        if (leave)
            return 1;
        return 2;
    };
    early(true);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestCommonUi::frameCounter_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("frame");
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("first tick shows frame 1") << 1 << 1;
    QTest::newRow("15 ticks") << 15 << 15;
    QTest::newRow("16 ticks wrap to 0") << 16 << 0;
    QTest::newRow("17 ticks") << 17 << 1;
    QTest::newRow("many turns") << 16 * 5000 + 3 << 3;
}

void TestCommonUi::frameCounter()
{
    QFETCH(int, ticks);
    QFETCH(int, frame);
    IconFrameCounter counter;
    for (int i = 0; i < ticks; ++i)
        counter.step();
    QCOMPARE(counter.frame(), frame);
}

void TestCommonUi::animationSetsIconOfFrame()
{
    QWidget window;
    IconAnimation animation(&window);
    QVERIFY(animation.timer()->isActive());
    QCOMPARE(animation.timer()->interval(), 100);
    for (int i = 0; i < 17; ++i)
        animation.NextIconFrame();
    QCOMPARE(animation.frame(), 1);
    const QImage shown = window.windowIcon().pixmap(32, 32).toImage();
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown, IconFrames::frame(1).toImage());
    QVERIFY(IconFrames::frame(1).toImage() != IconFrames::frame(8).toImage());
}

void TestCommonUi::helpLaunchStartsViewerWithOneArgument()
{
    TestSupport::ProgramDir dir;
    dir.write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(dir.file(u"tessavor"_s), QFile::ReadOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(dir.path());
    QString program;
    QStringList arguments;
    HelpLaunch::setStarter([&](const QString &p, const QStringList &a) {
        program = p;
        arguments = a;
        return true;
    });
    QVERIFY(HelpLaunch::showHelp(nullptr, u"zembrota.vry"_s, u"Status - Anzeige"_s));
    QCOMPARE(program, dir.path() + u"/tessavor"_s);
    QCOMPARE(arguments, QStringList{dir.path() + u"/zembrota.vry, Status - Anzeige"_s});
    QVERIFY(!QGuiApplication::overrideCursor());
    HelpLaunch::resetStarter();
}

void TestCommonUi::helpLaunchWarnsWhenViewerMissing()
{
    TestSupport::ProgramDir dir;
    HelpLaunch::setProgramDir(dir.path());
    bool called = false;
    HelpLaunch::setStarter([&](const QString &, const QStringList &) { return called = true; });
    MessageBox::startRecording();
    QVERIFY(!HelpLaunch::showHelp(nullptr, u"zembrota.vry"_s, u"Inhalt"_s));
    QVERIFY(!called);
    const auto shown = MessageBox::recorded();
    MessageBox::stopRecording();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QVERIFY(shown[0].text.contains(u"tessavor"_s));
    HelpLaunch::resetStarter();
}

void TestCommonUi::messageBoxShowsNormalPointerInsideBusyHandler()
{
    BusyCursor busy;
    Qt::CursorShape whileShown = Qt::WaitCursor;
    QTimer::singleShot(0, this, [&] {
        whileShown = QGuiApplication::overrideCursor()->shape();
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    MessageBox::warning(nullptr, u"Fehler!"_s, u"Text"_s);
    QCOMPARE(whileShown, Qt::ArrowCursor);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

QTEST_MAIN(TestCommonUi)
#include "test_commonui.moc"
