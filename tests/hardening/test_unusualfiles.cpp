// Files that are no plain files (a named pipe, a device) handed to the readers of help files and
// help projects: each reader refuses them at once instead of waiting forever or reading without end.
#include "helpauthor/helpcompiler.h"
#include "helpauthor/helpproject.h"
#include "helpfile/helpfile.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>

using namespace Qt::StringLiterals;

namespace {

// Runs the call on a thread. Should it still be waiting on the pipe after a few seconds, a writer
// opens and closes the pipe, so the reader sees its end and the test can report the hang.
bool returnsWithoutWriter(const QString &pipe, const std::function<void()> &call)
{
    std::future<void> done = std::async(std::launch::async, call);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const QByteArray path = QFile::encodeName(pipe);
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    done.get();
    return false;
}

QByteArray richProjectNaming(const QString &source)
{
    return TestSupport::crlf({u"TESSAVOR"_s, u"RTF"_s, u"Titel"_s, QString(), u"Thema"_s, QString(),
                              u"[Thema]"_s, source, QString()});
}

} // namespace

class TestSpecialFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pipe;

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_pipe = m_dir.filePath(u"pipe.rtf"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(m_pipe).constData(), 0600), 0);
    }

    // A project that names a pipe, or a device that never ends, as a topic's RTF file: the build
    // fails with that file named and writes nothing.
    void compilerRefusesSpecialSources_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("named pipe") << u"pipe.rtf"_s;
        QTest::newRow("endless device") << u"/dev/zero"_s;
        QTest::newRow("directory") << u"."_s;
    }
    void compilerRefusesSpecialSources()
    {
        QFETCH(QString, source);
        write(u"projekt.vrp"_s, richProjectNaming(source));
        const QString target = m_dir.filePath(u"projekt.vry"_s);
        HelpCompiler::Result result;
        QVERIFY2(returnsWithoutWriter(m_pipe,
                                      [&] {
                                          result = HelpCompiler::compile(m_dir.filePath(u"projekt.vrp"_s),
                                                                         HelpProject::Type::RichText, target);
                                      }),
                 "the compiler waited for a writer on the pipe");
        QCOMPARE(result.status, HelpCompiler::Status::SourceUnreadable);
        QCOMPARE(result.file, source);
        QCOMPARE(result.topic, u"Thema"_s);
        QVERIFY(!QFile::exists(target));
        QVERIFY(HelpCompiler::message(result).contains(source));
    }

    void compilerRefusesSpecialProject()
    {
        HelpCompiler::Result result;
        QVERIFY(returnsWithoutWriter(m_pipe, [&] {
            result =
                HelpCompiler::compile(m_pipe, HelpProject::Type::PlainText, m_dir.filePath(u"aus.vry"_s));
        }));
        QCOMPARE(result.status, HelpCompiler::Status::ProjectUnreadable);
        QVERIFY(!QFile::exists(m_dir.filePath(u"aus.vry"_s)));
    }

    // The authoring program's open command and the viewer's start-up read the file the user chose.
    void openersRefuseSpecialFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("named pipe") << u"pipe"_s;
        QTest::newRow("endless device") << u"/dev/zero"_s;
    }
    void openersRefuseSpecialFiles()
    {
        QFETCH(QString, path);
        const QString file = path == u"pipe"_s ? m_pipe : path;

        HelpProject::OpenResult opened;
        QVERIFY2(returnsWithoutWriter(m_pipe, [&] { opened = HelpProject::openProject(file); }),
                 "opening a project waited for a writer on the pipe");
        QCOMPARE(opened.status, HelpProject::OpenStatus::Unreadable);
        QVERIFY(opened.error.contains(file));

        HelpFile::ReadResult read;
        QVERIFY2(returnsWithoutWriter(m_pipe, [&] { read = HelpFile::readFile(file); }),
                 "the help file reader waited for a writer on the pipe");
        QCOMPARE(read.status, HelpFile::ReadStatus::CannotOpen);
    }
};

QTEST_GUILESS_MAIN(TestSpecialFiles)
#include "test_unusualfiles.moc"
