// The authoring program's checks without a window: a new topic's name and content, and the files
// the program needs beside it at start-up.
#include "helpauthor/startupcheck.h"
#include "helpauthor/topicvalidation.h"
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using TopicValidation::Problem;

Q_DECLARE_METATYPE(Problem)
Q_DECLARE_METATYPE(StartupCheck::Outcome)

class TestAuthorChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void topic_data();
    void topic();
    void startUp_data();
    void startUp();
};

void TestAuthorChecks::topic_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content");
    QTest::addColumn<Problem>("rtf"); // the content is the RTF file's path
    QTest::addColumn<Problem>("txt"); // the content is the typed text

    QTest::newRow("all given") << u"Verben"_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("no name") << QString() << u"x"_s << Problem::NoName << Problem::NoName;
    QTest::newRow("no name, no content: the name first")
        << QString() << QString() << Problem::NoName << Problem::NoName;
    QTest::newRow("Inhalt") << u"Inhalt"_s << u"x"_s << Problem::ReservedName << Problem::ReservedName;
    QTest::newRow("Index") << u"Index"_s << u"x"_s << Problem::ReservedName << Problem::ReservedName;
    QTest::newRow("Index without content: the name first")
        << u"Index"_s << QString() << Problem::ReservedName << Problem::ReservedName;
    // Neither trimmed nor compared in other letter case.
    QTest::newRow("space before Inhalt") << u" Inhalt"_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("Inhalt with a space after") << u"Inhalt "_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("index in small letters") << u"index"_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("INHALT") << u"INHALT"_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("a blank name is a name") << u" "_s << u"x"_s << Problem::None << Problem::None;
    QTest::newRow("no content") << u"Verben"_s << QString() << Problem::NoRtfFile << Problem::NoText;
    QTest::newRow("a blank content is content") << u"Verben"_s << u" "_s << Problem::None << Problem::None;
    QTest::newRow("brackets in the name pass") << u"[Verben]"_s << u"x"_s << Problem::None << Problem::None;
}

void TestAuthorChecks::topic()
{
    QFETCH(QString, name);
    QFETCH(QString, content);
    QFETCH(Problem, rtf);
    QFETCH(Problem, txt);
    QCOMPARE(TopicValidation::checkRtfTopic(name, content), rtf);
    QCOMPARE(TopicValidation::checkTxtTopic(name, content), txt);
}

void TestAuthorChecks::startUp_data()
{
    QTest::addColumn<QStringList>("files"); // in the program directory; a trailing "/" makes a folder
    QTest::addColumn<StartupCheck::Outcome>("outcome");

    using StartupCheck::Outcome;
    QTest::newRow("both there") << QStringList{u"tessavor"_s, u"quorant.vry"_s} << Outcome::Ready;
    QTest::newRow("empty directory: the viewer first") << QStringList{} << Outcome::ViewerMissing;
    QTest::newRow("help only") << QStringList{u"quorant.vry"_s} << Outcome::ViewerMissing;
    QTest::newRow("viewer only") << QStringList{u"tessavor"_s} << Outcome::HelpMissing;
    QTest::newRow("viewer is a folder")
        << QStringList{u"tessavor/"_s, u"quorant.vry"_s} << Outcome::ViewerMissing;
    QTest::newRow("help is a folder")
        << QStringList{u"tessavor"_s, u"quorant.vry/"_s} << Outcome::HelpMissing;
    // The names are exact: the help file of the program's messages, "Quorant.vry", is not it.
    QTest::newRow("help in other letter case")
        << QStringList{u"tessavor"_s, u"Quorant.vry"_s} << Outcome::HelpMissing;
    QTest::newRow("Windows program name")
        << QStringList{u"tessavor.exe"_s, u"quorant.vry"_s} << Outcome::ViewerMissing;
}

void TestAuthorChecks::startUp()
{
    QFETCH(QStringList, files);
    QFETCH(StartupCheck::Outcome, outcome);
    TestSupport::ProgramDir dir;
    for (const QString &file : files) {
        if (file.endsWith(u'/'))
            QVERIFY(QDir(dir.path()).mkdir(file.chopped(1)));
        else
            dir.write(file, "x");
    }
    QCOMPARE(StartupCheck::check(dir.path()), outcome);
}

QTEST_MAIN(TestAuthorChecks)
#include "test_authorchecks.moc"
