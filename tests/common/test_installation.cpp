// The test whether a program runs from its installation folder: links resolved, nothing else counts.
#include "common/installation.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestInstallation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void isInstalledProgramDir_data();
    void isInstalledProgramDir();
    void compiledInFolderIsBelowThePrefix();
};

void TestInstallation::isInstalledProgramDir_data()
{
    QTest::addColumn<QString>("program"); // relative to a temporary root
    QTest::addColumn<QString>("install");
    QTest::addColumn<bool>("installed");

    QTest::newRow("the installation folder") << u"lib/glossand"_s << u"lib/glossand"_s << true;
    QTest::newRow("with a trailing slash") << u"lib/glossand/"_s << u"lib/glossand"_s << true;
    QTest::newRow("through a linked folder") << u"link"_s << u"lib/glossand"_s << true;
    QTest::newRow("a copy elsewhere") << u"copy"_s << u"lib/glossand"_s << false;
    QTest::newRow("a folder below it") << u"lib/glossand/sub"_s << u"lib/glossand"_s << false;
    QTest::newRow("installation folder missing") << u"copy"_s << u"missing"_s << false;
    QTest::newRow("both missing") << u"missing"_s << u"missing"_s << false;
    QTest::newRow("no installation known") << u"lib/glossand"_s << QString() << false;
}

void TestInstallation::isInstalledProgramDir()
{
    QFETCH(QString, program);
    QFETCH(QString, install);
    QFETCH(bool, installed);
    TestSupport::ProgramDir root;
    QVERIFY(QDir(root.path()).mkpath(u"lib/glossand/sub"_s));
    QVERIFY(QDir(root.path()).mkpath(u"copy"_s));
    QVERIFY(QFile::link(root.file(u"lib/glossand"_s), root.file(u"link"_s)));
    const QString installDir = install.isEmpty() ? QString() : root.file(install);
    QCOMPARE(Installation::isInstalledProgramDir(root.file(program), installDir), installed);
}

void TestInstallation::compiledInFolderIsBelowThePrefix()
{
    const QString dir = Installation::installedProgramDir();
    QVERIFY2(dir.startsWith(u'/') && dir.endsWith(u"/lib/glossand"_s), qPrintable(dir));
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
