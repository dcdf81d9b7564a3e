// The viewer's style reads the window's pictures without the image format plugins, and they come
// out as the desktop style's own.
#include "helpviewer/frmhaupt.h"
#include "helpviewer/viewerstyle.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;
using Viewer::ViewerStyle;

namespace {
bool imagePluginLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Every size of the icon, as pictures.
QList<QImage> picturesOf(const QIcon &icon)
{
    QList<QImage> pictures;
    for (const QSize &size : icon.availableSizes())
        pictures.append(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
    return pictures;
}
} // namespace

class TestViewerStyle : public QObject
{
    Q_OBJECT

private slots:
    // First: every later test loads the plugins through the base styles' own pictures.
    void windowBuiltWithoutImagePlugins();
    void picturesAsTheBaseStyles_data();
    void picturesAsTheBaseStyles();
    void builtInPng_data();
    void builtInPng();
};

void TestViewerStyle::windowBuiltWithoutImagePlugins()
{
    QVERIFY(!imagePluginLoaded());
    QApplication::setStyle(new ViewerStyle);
    const auto window = std::make_unique<Tessavor::frmHaupt>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!imagePluginLoaded());
    const auto *extension = window->findChild<QToolButton *>(u"qt_menubar_ext_button"_s);
    QVERIFY(extension);
    QCOMPARE(extension->icon().availableSizes(), (QList<QSize>{{8, 5}, {16, 10}, {32, 20}}));
    const auto *inhalt = window->findChild<QWidget *>(u"fraInhalt"_s);
    QVERIFY(inhalt);
    QVERIFY(!inhalt->findChild<QLabel *>()->pixmap().isNull());
}

void TestViewerStyle::picturesAsTheBaseStyles_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("picture");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    const int extension = QStyle::SP_ToolBarHorizontalExtensionButton;
    QTest::newRow("Fusion, extension") << u"fusion"_s << extension << Qt::LeftToRight;
    QTest::newRow("Fusion, extension, right to left") << u"fusion"_s << extension << Qt::RightToLeft;
    QTest::newRow("Windows, extension") << u"windows"_s << extension << Qt::LeftToRight;
    QTest::newRow("Windows, extension, right to left") << u"windows"_s << extension << Qt::RightToLeft;
    QTest::newRow("Fusion, another picture") << u"fusion"_s << int(QStyle::SP_FileIcon) << Qt::LeftToRight;
    QTest::newRow("Fusion, the vertical extension")
        << u"fusion"_s << int(QStyle::SP_ToolBarVerticalExtensionButton) << Qt::LeftToRight;
}

void TestViewerStyle::picturesAsTheBaseStyles()
{
    QFETCH(QString, base);
    QFETCH(int, picture);
    QFETCH(Qt::LayoutDirection, direction);
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(base));
    QVERIFY(plain);
    ViewerStyle style(QStyleFactory::create(base));
    QStyleOption option;
    option.direction = direction;
    const auto which = QStyle::StandardPixmap(picture);
    const QIcon expected = plain->standardIcon(which, &option);
    const QIcon given = style.standardIcon(which, &option);
    QVERIFY(!expected.isNull());
    QCOMPARE(given.availableSizes(), expected.availableSizes());
    QCOMPARE(picturesOf(given), picturesOf(expected));
}

void TestViewerStyle::builtInPng_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("written"); // the file's bytes, written to a folder of the test's
    QTest::addColumn<bool>("read");
    const QString images = u":/qt-project.org/styles/commonstyle/images/"_s;
    QTest::newRow("contents") << images + u"filecontents-32.png"_s << QByteArray() << true;
    QTest::newRow("details") << images + u"viewdetailed-32.png"_s << QByteArray() << true;
    QTest::newRow("info") << images + u"fileinfo-32.png"_s << QByteArray() << true;
    QTest::newRow("file") << images + u"file-32.png"_s << QByteArray() << true;
    QTest::newRow("missing") << images + u"gibt-es-nicht.png"_s << QByteArray() << false;
    // A GIF named .png: no other reader is tried.
    QTest::newRow("not a PNG") << u"bild.png"_s << QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14) << false;
}

void TestViewerStyle::builtInPng()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, written);
    QFETCH(bool, read);
    QTemporaryDir folder;
    if (!written.isEmpty()) {
        file = folder.filePath(file);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(written) == written.size());
    }
    const QPixmap picture = Viewer::builtInPng(file);
    QCOMPARE(!picture.isNull(), read);
    if (read)
        QCOMPARE(picture.toImage(), QPixmap(file).toImage());
}

QTEST_MAIN(TestViewerStyle)
#include "test_viewerstyle.moc"
