// The X11 platform's libraries are loaded ahead only where the application object will start on X11.
#include "helpviewer/platformahead.h"

#include <QTest>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

class TestPlatformAhead : public QObject
{
    Q_OBJECT

private slots:
    void startsOnX11_data();
    void startsOnX11();
    void loadsTheLibrariesOnlyForX11();
};

void TestPlatformAhead::startsOnX11_data()
{
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("x11");

    const QStringList help{u"/opt/glossand/hilfe.vry, Thema"_s};
    QTest::newRow("plain X11 desktop")
        << QByteArray() << QByteArray("x11") << QByteArray(":0") << help << true;
    QTest::newRow("no session named") << QByteArray() << QByteArray() << QByteArray(":0") << help << true;
    QTest::newRow("xcb asked for") << QByteArray("xcb") << QByteArray() << QByteArray(":1") << help << true;
    QTest::newRow("xcb with an option")
        << QByteArray("xcb:foo=1") << QByteArray() << QByteArray(":0") << help << true;
    QTest::newRow("xcb first in a list")
        << QByteArray("xcb;wayland") << QByteArray() << QByteArray(":0") << help << true;
    QTest::newRow("xcb on a Wayland session")
        << QByteArray("xcb") << QByteArray("wayland") << QByteArray(":0") << help << true;
    QTest::newRow("no display") << QByteArray() << QByteArray("x11") << QByteArray() << help << false;
    QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray(":0") << help
                               << false;
    QTest::newRow("wayland first in a list")
        << QByteArray("wayland;xcb") << QByteArray() << QByteArray(":0") << help << false;
    QTest::newRow("Wayland session") << QByteArray() << QByteArray("wayland") << QByteArray(":0") << help
                                     << false;
    QTest::newRow("-platform argument") << QByteArray() << QByteArray() << QByteArray(":0")
                                        << QStringList{u"-platform"_s, u"offscreen"_s} << false;
    QTest::newRow("the word in a help path")
        << QByteArray() << QByteArray() << QByteArray(":0") << QStringList{u"/hilfe/-platform.vry"_s} << true;
}

void TestPlatformAhead::startsOnX11()
{
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, display);
    QFETCH(QStringList, arguments);
    QFETCH(bool, x11);
    QCOMPARE(Viewer::startsOnX11(platform, session, display, arguments), x11);
}

void TestPlatformAhead::loadsTheLibrariesOnlyForX11()
{
    // The test runs offscreen: nothing is loaded for it.
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    QVERIFY(!Viewer::loadX11PlatformAhead({}));
    QVERIFY(!dlopen("libQt6XcbQpa.so.6", RTLD_NOW | RTLD_NOLOAD));

    // Asked for X11 (no display is opened by loading), the libraries are in the process.
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", ":99");
    const bool loaded = Viewer::loadX11PlatformAhead({});
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    QVERIFY(loaded);
    QVERIFY(dlopen("libQt6XcbQpa.so.6", RTLD_NOW | RTLD_NOLOAD));
    QVERIFY(dlopen("libXcursor.so.1", RTLD_NOW | RTLD_NOLOAD));
}

QTEST_GUILESS_MAIN(TestPlatformAhead)
#include "test_platformahead.moc"
