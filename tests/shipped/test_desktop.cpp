// Desktop integration: the desktop entries, icons and AppStream data, checked by the desktop's own
// validators when they are installed, and the installed tree whose commands in bin are links to
// the programs beside their companion files.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstring>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString dataDir = QStringLiteral(GLOSSAND_DATA_SOURCE_DIR);
const QString desktopDir = dataDir + u"/desktop"_s;

QString programDir()
{
    return qEnvironmentVariable("GLOSSAND_PROGRAM_DIR");
}

// The keys of the [Desktop Entry] group; later groups (actions) are not read.
QMap<QString, QString> readDesktopEntry(const QString &path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]"_s;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

struct Run
{
    bool started = false;
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    result.started = process.waitForStarted();
    if (result.started && process.waitForFinished(timeoutMs))
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// The text of a symbolic link, as stored.
QString linkText(const QString &path)
{
    char buffer[4096];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return size < 0 ? QString() : QFile::decodeName(QByteArray(buffer, size));
}

const QStringList apps{u"Zembrota"_s, u"Quorant"_s, u"Tessavor"_s};
const int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void desktopEntry_data();
    void desktopEntry();
    void validator_data();
    void validator();
    void metainfo_data();
    void metainfo();
    void licence_data();
    void licence();
    void icon_data();
    void icon();
    void fileType_data();
    void fileType();
    void programDirThroughLink();
    void installedTree();
};

void DesktopTest::desktopEntry_data()
{
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QString>("wmClass");
    // The window class is the application name; the dictionary keeps its program name, which
    // also names its settings folder.
    QTest::newRow("dictionary") << u"Zembrota"_s << u"zembrota"_s << false << QString() << u"zembrota"_s;
    QTest::newRow("help author") << u"Quorant"_s << u"quorant"_s << false
                                 << u"application/x-quorant-project;"_s << u"Quorant"_s;
    // The viewer needs a help file from its caller; it stays out of the menus.
    QTest::newRow("help viewer") << u"Tessavor"_s << u"tessavor"_s << true
                                 << u"application/x-tessavor-help;"_s << u"Tessavor"_s;
}

void DesktopTest::desktopEntry()
{
    QFETCH(QString, app);
    QFETCH(QString, command);
    QFETCH(bool, hidden);
    QFETCH(QString, mimeType);
    QFETCH(QString, wmClass);
    const auto keys = readDesktopEntry(desktopDir + u"/org.glossand."_s + app + u".desktop"_s);
    QCOMPARE(keys.value(u"Type"_s), u"Application"_s);
    QCOMPARE(keys.value(u"Exec"_s).section(u' ', 0, 0), command);
    QCOMPARE(keys.value(u"Icon"_s), u"org.glossand."_s + app);
    QCOMPARE(keys.value(u"NoDisplay"_s) == u"true"_s, hidden);
    QCOMPARE(keys.value(u"Terminal"_s), u"false"_s);
    // A help file given alone shows its contents page in the viewer; a project opens in Quorant.
    QCOMPARE(keys.value(u"MimeType"_s), mimeType);
    QCOMPARE(keys.value(u"Exec"_s).contains(u"%f"_s), !mimeType.isEmpty());
    QCOMPARE(keys.value(u"StartupWMClass"_s), wmClass);
    QVERIFY(!keys.value(u"Name[de]"_s).isEmpty());
    QVERIFY(!keys.value(u"Comment[de]"_s).isEmpty());
}

void DesktopTest::validator_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    for (const QString &app : apps) {
        const QString file = desktopDir + u"/org.glossand."_s + app + u".desktop"_s;
        QTest::newRow(qPrintable(app + u".desktop"_s)) << u"desktop-file-validate"_s << QStringList{file};
    }
    for (const QString &app : {u"Zembrota"_s, u"Quorant"_s}) {
        const QString file = desktopDir + u"/org.glossand."_s + app + u".metainfo.xml"_s;
        QTest::newRow(qPrintable(app + u".metainfo.xml"_s))
            << u"appstreamcli"_s << QStringList{u"validate"_s, u"--no-net"_s, file};
    }
}

// The desktop's own validators, when installed: no errors and no warnings (hints and pedantic
// remarks are allowed).
void DesktopTest::validator()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        QSKIP(qPrintable(tool + u" is not installed"_s));
    const Run result = run(path, arguments);
    QVERIFY(result.started);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    const QStringList lines = result.output.split(u'\n');
    for (const QString &line : lines) {
        QVERIFY2(!line.contains(u"error"_s, Qt::CaseInsensitive) || line.contains(u"successful"_s),
                 qPrintable(line));
        QVERIFY2(!line.startsWith(u"W:"_s) && !line.startsWith(u"E:"_s) && !line.contains(u": warning:"_s),
                 qPrintable(line));
    }
}

void DesktopTest::metainfo_data()
{
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("binary");
    QTest::newRow("dictionary") << u"Zembrota"_s << u"zembrota"_s;
    QTest::newRow("help author") << u"Quorant"_s << u"quorant"_s;
}

// The component's id, its launchable desktop entry and the command it provides agree with the
// files that are installed.
void DesktopTest::metainfo()
{
    QFETCH(QString, app);
    QFETCH(QString, binary);
    QFile file(desktopDir + u"/org.glossand."_s + app + u".metainfo.xml"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString id, launchable;
    QStringList binaries, images;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"id"_s)
            id = xml.readElementText();
        else if (xml.name() == u"launchable"_s)
            launchable = xml.readElementText();
        else if (xml.name() == u"binary"_s)
            binaries << xml.readElementText();
        else if (xml.name() == u"image"_s)
            images << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(id, u"org.glossand."_s + app);
    QCOMPARE(launchable, id + u".desktop"_s);
    QVERIFY(QFileInfo::exists(desktopDir + u'/' + launchable));
    QVERIFY(binaries.contains(binary));
    // Each screenshot the software centre fetches from the homepage ships in the package too.
    QVERIFY(!images.isEmpty());
    for (const QString &url : images) {
        QVERIFY2(url.startsWith(u"https://www.example.org/glossand/screenshots/"_s), qPrintable(url));
        const QImage image(desktopDir + u"/screenshots/"_s + url.section(u'/', -1));
        QVERIFY2(image.width() >= 400 && image.height() >= 300, qPrintable(url));
    }
}

void DesktopTest::licence_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("phrase");
    const QString root = dataDir + u"/.."_s;
    QTest::newRow("LICENSE") << root + u"/LICENSE"_s
                             << u"GNU GENERAL PUBLIC LICENSE\n                       Version 3"_s;
    QTest::newRow("copyright file") << dataDir + u"/package/copyright"_s
                                    << u"\nLicense: GPL-3.0-or-later\n"_s;
    QTest::newRow("copyright file, later versions")
        << dataDir + u"/package/copyright"_s
        << u"either version 3 of the License, or\n (at your option) any later"_s;
    for (const QString &app : {u"Zembrota"_s, u"Quorant"_s})
        QTest::newRow(qPrintable(app + u" AppStream"_s))
            << desktopDir + u"/org.glossand."_s + app + u".metainfo.xml"_s
            << u"<project_license>GPL-3.0-or-later</project_license>"_s;
}

// One licence everywhere: GPL 3 or later.
void DesktopTest::licence()
{
    QFETCH(QString, file);
    QFETCH(QString, phrase);
    QFile text(file);
    QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(file));
    QVERIFY2(QString::fromUtf8(text.readAll()).contains(phrase), qPrintable(file));
}

void DesktopTest::icon_data()
{
    QTest::addColumn<QString>("app");
    QTest::addColumn<int>("size");
    for (const QString &app : apps) {
        for (const int size : iconSizes)
            QTest::newRow(qPrintable(u"%1 %2"_s.arg(app).arg(size))) << app << size;
        QTest::newRow(qPrintable(app + u" scalable"_s)) << app << 0;
    }
}

void DesktopTest::icon()
{
    QFETCH(QString, app);
    QFETCH(int, size);
    const QString base = desktopDir + u"/icons/org.glossand."_s + app;
    if (size == 0) {
        QFile file(base + u".svg"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), u"svg"_s);
        QCOMPARE(xml.attributes().value(u"viewBox"_s), u"0 0 128 128"_s);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        return;
    }
    const QImage image(base + u"-%1.png"_s.arg(size));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0); // a shape on a clear ground, not a square
}

void DesktopTest::fileType_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("opensWith");
    // Projects and help files both start with "TESSAVOR"; the name decides.
    QTest::newRow("project") << u"kurs.vrp"_s << u"application/x-quorant-project"_s
                             << u"org.glossand.Quorant"_s;
    QTest::newRow("project, upper case")
        << u"KURS.VRP"_s << u"application/x-quorant-project"_s << u"org.glossand.Quorant"_s;
    QTest::newRow("help file") << u"kurs.vry"_s << u"application/x-tessavor-help"_s
                               << u"org.glossand.Tessavor"_s;
    QTest::newRow("help file without extension")
        << u"kurs"_s << u"application/x-tessavor-help"_s << u"org.glossand.Tessavor"_s;
    QTest::newRow("other text") << u"kurs.txt"_s << u"text/plain"_s << QString();
}

// What a file manager sees: the types and desktop entries installed into a fresh XDG_DATA_HOME,
// asked through GIO (the file type) and xdg-mime (the program that opens it).
void DesktopTest::fileType()
{
    QFETCH(QString, fileName);
    QFETCH(QString, type);
    QFETCH(QString, opensWith);
    const QString updateMime = QStandardPaths::findExecutable(u"update-mime-database"_s);
    const QString updateDesktop = QStandardPaths::findExecutable(u"update-desktop-database"_s);
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (updateMime.isEmpty() || updateDesktop.isEmpty() || gio.isEmpty() || xdgMime.isEmpty())
        QSKIP("shared-mime-info, desktop-file-utils, gio or xdg-utils is not installed");

    QTemporaryDir home;
    const QDir root(home.path());
    QVERIFY(root.mkpath(u"data/mime/packages"_s) && root.mkpath(u"data/applications"_s) &&
            root.mkpath(u"config"_s));
    for (const QString &app : {u"Tessavor"_s, u"Quorant"_s})
        QVERIFY(QFile::copy(desktopDir + u"/org.glossand."_s + app + u".mime.xml"_s,
                            root.filePath(u"data/mime/packages/org.glossand."_s + app + u".xml"_s)));
    for (const QString &app : apps)
        QVERIFY(QFile::copy(desktopDir + u"/org.glossand."_s + app + u".desktop"_s,
                            root.filePath(u"data/applications/org.glossand."_s + app + u".desktop"_s)));
    QCOMPARE(run(updateMime, {root.filePath(u"data/mime"_s)}).exitCode, 0);
    QCOMPARE(run(updateDesktop, {root.filePath(u"data/applications"_s)}).exitCode, 0);

    QFile file(root.filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("TESSAVOR\r\nKurs\r\n");
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, root.filePath(u"data"_s));
    env.insert(u"XDG_DATA_DIRS"_s, u"/usr/share"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, root.filePath(u"config"_s));
    env.insert(u"XDG_CURRENT_DESKTOP"_s, u"GNOME"_s); // xdg-mime then asks GIO, as GNOME's file manager does
    auto ask = [&](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    };
    const QString info = ask(gio, {u"info"_s, u"-a"_s, u"standard::content-type"_s, file.fileName()});
    QVERIFY2(info.endsWith(u"standard::content-type: "_s + type), qPrintable(info));
    QCOMPARE(ask(xdgMime, {u"query"_s, u"filetype"_s, file.fileName()}), type);
    if (!opensWith.isEmpty())
        QCOMPARE(ask(xdgMime, {u"query"_s, u"default"_s, type}), opensWith + u".desktop"_s);
}

// The programs find their companion files in the directory of their executable; started through a
// symbolic link (the commands in bin), that must be the directory the link points into.
void DesktopTest::programDirThroughLink()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"linked-test"_s);
    QVERIFY(QFile::link(QCoreApplication::applicationFilePath(), link));
    const Run result = run(link, {u"--print-program-dir"_s}, 30000);
    QVERIFY(result.started);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output.trimmed(), QCoreApplication::applicationDirPath());
}

// "cmake --install" into a fresh prefix: programs and companion files together in lib/glossand,
// relative links in bin, desktop files, icons and AppStream data under share.
void DesktopTest::installedTree()
{
    QTemporaryDir prefix;
    const Run install =
        run(QStringLiteral(GLOSSAND_CMAKE_COMMAND),
            {u"--install"_s, QStringLiteral(GLOSSAND_BINARY_DIR), u"--prefix"_s, prefix.path()});
    QVERIFY(install.started);
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    const QDir root(prefix.path());
    const QString lib = root.filePath(u"lib/glossand"_s);

    int programs = 0;
    for (const QString &program : {u"zembrota"_s, u"tessavor"_s, u"quorant"_s, u"quorantc"_s,
                                   u"zembrota-check"_s, u"zembrota-formen"_s}) {
        if (!QFileInfo::exists(programDir() + u'/' + program))
            continue; // not built in this build
        ++programs;
        const QFileInfo installed(lib + u'/' + program);
        QVERIFY2(installed.isExecutable(), qPrintable(program));
        const QFileInfo command(root.filePath(u"bin/"_s + program));
        QVERIFY2(command.isSymLink(), qPrintable(program));
        QCOMPARE(command.canonicalFilePath(), installed.canonicalFilePath());
        // Relative, so that the tree can move (package staging, DESTDIR).
        QCOMPARE(linkText(command.filePath()), u"../lib/glossand/"_s + program);
    }
    QVERIFY2(programs > 0, "no program built");

    QStringList companions{u"tessavor.txt"_s, u"bestell.txt"_s, u"zembrota.vry"_s, u"quorant.vry"_s,
                           u"tessavor.vry"_s};
    if (QFileInfo::exists(programDir() + u"/latein.lst"_s))
        companions << u"latein.lst"_s;
    for (const QString &name : companions) {
        QFile built(programDir() + u'/' + name);
        QFile installed(lib + u'/' + name);
        QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(u"not built: "_s + name));
        QVERIFY2(installed.open(QIODevice::ReadOnly), qPrintable(u"not installed: "_s + name));
        QVERIFY2(installed.readAll() == built.readAll(), qPrintable(name));
    }

    for (const QString &app : apps) {
        const QString id = u"org.glossand."_s + app;
        QVERIFY(root.exists(u"share/applications/"_s + id + u".desktop"_s));
        QVERIFY(root.exists(u"share/icons/hicolor/scalable/apps/"_s + id + u".svg"_s));
        for (const int size : iconSizes) {
            const QImage image(root.filePath(u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(size).arg(id)));
            QCOMPARE(image.size(), QSize(size, size));
        }
    }
    QVERIFY(root.exists(u"share/metainfo/org.glossand.Zembrota.metainfo.xml"_s));
    QVERIFY(root.exists(u"share/metainfo/org.glossand.Quorant.metainfo.xml"_s));
    QVERIFY(root.exists(u"share/mime/packages/org.glossand.Tessavor.xml"_s));
    QVERIFY(root.exists(u"share/mime/packages/org.glossand.Quorant.xml"_s));
    QVERIFY(root.exists(u"share/glossand/screenshots/zembrota-hauptfenster.png"_s));
    QVERIFY(root.exists(u"share/doc/glossand/copyright"_s));
    QVERIFY(root.exists(u"share/doc/glossand/changelog.gz"_s));
    for (const QString &program : {u"zembrota"_s, u"tessavor"_s, u"quorant"_s, u"quorantc"_s,
                                   u"zembrota-check"_s, u"zembrota-formen"_s})
        QVERIFY2(root.exists(u"share/man/man1/"_s + program + u".1.gz"_s), qPrintable(program));

    // A program started through its command runs (the compiler needs no display).
    if (QFileInfo::exists(root.filePath(u"bin/quorantc"_s))) {
        const Run help = run(root.filePath(u"bin/quorantc"_s), {u"--help"_s}, 30000);
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.output.contains(u"quorantc PROJEKT.vrp"_s));
    }
}

int main(int argc, char **argv)
{
    // Run through a link by programDirThroughLink: report where the program believes it lives.
    if (argc == 2 && std::strcmp(argv[1], "--print-program-dir") == 0) {
        QCoreApplication app(argc, argv);
        std::puts(QCoreApplication::applicationDirPath().toLocal8Bit().constData());
        return 0;
    }
    QGuiApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
