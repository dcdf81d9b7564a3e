// The session bus attempt begun before the application object exists, as the viewer's main() does:
// the application takes the connection made.
#include "helpviewer/viewerstart.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBusBeforeApp : public QObject
{
    Q_OBJECT

private slots:
    void applicationTakesTheConnectionMade();
};

// Connected where a bus runs, not connected elsewhere: either way the default connection exists
// already, and the application's own request is answered with that same connection.
void TestBusBeforeApp::applicationTakesTheConnectionMade()
{
    const QString defaultName = u"qt_default_session_bus"_s;
    const QDBusConnection made(defaultName);
    QCOMPARE(made.name(), defaultName);
    const QDBusConnection asked = QDBusConnection::sessionBus();
    QCOMPARE(asked.name(), defaultName);
    QCOMPARE(asked.isConnected(), made.isConnected());
    QCOMPARE(asked.baseService(), made.baseService());
}

int main(int argc, char *argv[])
{
    {
        const std::jthread bus = Viewer::connectSessionBusAhead();
    }
    QCoreApplication app(argc, argv);
    TestBusBeforeApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_busbeforeapp.moc"
