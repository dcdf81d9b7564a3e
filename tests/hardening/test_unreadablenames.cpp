// The dictionary's command-line programs (the real ones) given a file or folder name whose bytes
// are no UTF-8 ("groß" in Windows-1252): Qt cannot hold such a name as text, so each says that the
// name cannot be read, instead of calling a file that exists missing or unreadable.
#include "tests/testsupport/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString program(const QString &name)
{
    // The programs are built beside the tests.
    const QString dir = QString::fromLocal8Bit(qgetenv("GLOSSAND_PROGRAM_DIR"));
    return (dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir) + u'/' + name;
}

// "gr\xf6\xdf" followed by the suffix, inside the folder.
QByteArray unreadableName(const QString &folder, const QByteArray &suffix)
{
    return QFile::encodeName(folder) + "/gr\xf6\xdf" + suffix;
}

} // namespace

class TestUnreadableNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void programsNameTheUnreadableName_data();
    void programsNameTheUnreadableName();
};

void TestUnreadableNames::programsNameTheUnreadableName_data()
{
    // The arguments as a shell line: $1 is the temporary folder, $N the name "groß" in its bytes.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("word list") << u"zembrota-check"_s << u"\"$1/${N}.lst\""_s << 2
                               << u"zembrota-check: Die Wortliste kann nicht verwendet werden: "_s;
    QTest::newRow("word list folder") << u"zembrota-check"_s << u"\"$1/${N}\""_s << 2
                                      << u"zembrota-check: Die Wortliste kann nicht verwendet werden: "_s;
    QTest::newRow("text for the forms") << u"zembrota-formen"_s << u"\"$1/${N}.txt\""_s << 1
                                        << u"zembrota-formen: Die Datei kann nicht verwendet werden: "_s;
    QTest::newRow("list for the forms")
        << u"zembrota-formen"_s << u"--liste \"$1/${N}.lst\" \"$1/text.txt\""_s << 1
        << u"zembrota-formen: Die Datei kann nicht verwendet werden: "_s;
}

void TestUnreadableNames::programsNameTheUnreadableName()
{
    QFETCH(QString, name);
    QFETCH(QString, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    TestSupport::ProgramDir dir;
    QFile shipped(program(u"latein.lst"_s));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray list = shipped.readAll();
    dir.write(u"text.txt"_s, "Amicus venit.");
    // The files exist under the unreadable names, so a program that reached them would succeed.
    const QByteArray listName = unreadableName(dir.path(), ".lst");
    const QByteArray textName = unreadableName(dir.path(), ".txt");
    const QByteArray folderName = unreadableName(dir.path(), "");
    const QByteArray folderList = folderName + "/latein.lst";
    QVERIFY(::mkdir(folderName.constData(), 0700) == 0);
    for (const auto &[path, bytes] :
         {std::pair{listName, list}, std::pair{textName, QByteArray("Amicus venit.")},
          std::pair{folderList, list}}) {
        // QFile cannot name it either: through the C library.
        FILE *out = std::fopen(path.constData(), "wb");
        QVERIFY(out);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
        std::fclose(out);
    }

    QProcess process;
    // Through the shell, since QProcess hands on arguments as text.
    process.start(u"/bin/sh"_s, {u"-c"_s, u"N=$(printf 'gr\\366\\337'); exec \"$0\" "_s + arguments,
                                 program(name), dir.path()});
    const bool finished = process.waitForFinished(20000);
    // The temporary folder cannot remove names it cannot read.
    for (const QByteArray &path : {listName, textName, folderList})
        ::unlink(path.constData());
    ::rmdir(folderName.constData());
    QVERIFY(finished);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(err.startsWith(message), qPrintable(err));
    QVERIFY2(
        err.contains(u"enthält Zeichen, die nicht gelesen werden können (kein gültiges UTF-8); bitte die "
                     "Datei oder den Ordner umbenennen."_s),
        qPrintable(err));
}

QTEST_GUILESS_MAIN(TestUnreadableNames)
#include "test_unreadablenames.moc"
