// The help file writer: the exact bytes it produces and that the reader takes them back.
#include "common/atomicwriter.h"
#include "common/linefile.h"
#include "helpfile/helpfile.h"
#include "helpfile/helpwriter.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHelpWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void composeLines_data();
    void composeLines();
    void writtenFileReadsBack();
    void failedWriteReportsPath();
};

void TestHelpWriter::composeLines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("topicList");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("bodies"); // one body per topic, lines split at "|"
    QTest::addColumn<QByteArray>("bytes");

    const int plain = int(HelpFile::Kind::PlainText);
    const int rich = int(HelpFile::Kind::RichText);
    QTest::newRow("new plain project") << plain << u"Hilfe"_s << QStringList{} << QStringList{}
                                       << QStringList{} << QByteArray("TESSAVOR\r\nTXT\r\nHilfe\r\n\r\n\r\n");
    QTest::newRow("new rich project, empty title")
        << rich << QString() << QStringList{} << QStringList{} << QStringList{}
        << QByteArray("TESSAVOR\r\nRTF\r\n\r\n\r\n\r\n");
    QTest::newRow("header holds the trimmed name") << plain << u"T"_s << QStringList{u"  Grüße "_s}
                                                   << QStringList{u"  Grüße "_s} << QStringList{u"a|b"_s}
                                                   << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\n  Gr\xfc\xdf"
                                                                 "e \r\n\r\n[Gr\xfc\xdf"
                                                                 "e]\r\na\r\nb\r\n\r\n");
    QTest::newRow("blocks in order, list order free")
        << rich << u"T"_s << QStringList{u"B"_s, u"A"_s} << QStringList{u"A"_s, u"B"_s}
        << QStringList{u"{\\rtf1 a}"_s, u"{\\rtf1 b}"_s}
        << QByteArray("TESSAVOR\r\nRTF\r\nT\r\n\r\nB\r\nA\r\n\r\n[A]\r\n{\\rtf1 a}\r\n\r\n[B]\r\n{\\rtf1 "
                      "b}\r\n\r\n");
    QTest::newRow("empty body keeps one body line")
        << plain << u"T"_s << QStringList{u"A"_s} << QStringList{u"A"_s} << QStringList{QString()}
        << QByteArray("TESSAVOR\r\nTXT\r\nT\r\n\r\nA\r\n\r\n[A]\r\n\r\n\r\n");
}

void TestHelpWriter::composeLines()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, topicList);
    QFETCH(QStringList, names);
    QFETCH(QStringList, bodies);
    QFETCH(QByteArray, bytes);

    HelpFile::Content content;
    content.kind = HelpFile::Kind(kind);
    content.title = title;
    content.topicList = topicList;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString body = bodies.at(i);
        content.topics.append({names.at(i), body.isEmpty() ? QStringList{} : body.split(u'|')});
    }
    QCOMPARE(LineFile::joinLines(HelpFile::composeLines(content)), bytes);
}

void TestHelpWriter::writtenFileReadsBack()
{
    TestSupport::ProgramDir dir;
    HelpFile::Content content;
    content.kind = HelpFile::Kind::PlainText;
    content.title = u"Wörterbuch – Hilfe"_s;
    content.topicList = {u"Zweites"_s, u" Erstes "_s};
    content.topics = {{u"Erstes"_s, {u"eins"_s, u"€ 5"_s}}, {u"Zweites"_s, {u"zwei"_s}}};
    const QString path = dir.file(u"neu.vry"_s);
    QCOMPARE(AtomicWriter::writeBytes(path, LineFile::joinLines(HelpFile::composeLines(content))),
             std::nullopt);

    const auto result = HelpFile::readFile(path);
    QVERIFY(result.ok());
    QCOMPARE(result.document.title, content.title);
    QCOMPARE(result.document.contents, content.topicList);
    QCOMPARE(result.document.index, (QStringList{u"Erstes"_s, u"Zweites"_s}));
    QCOMPARE(result.document.plainText(u"Erstes"_s), u"eins\n€ 5"_s);
    QCOMPARE(result.document.plainText(u"Zweites"_s), u"zwei"_s);
    QVERIFY(dir.read(u"neu.vry"_s).contains("\r\n\x80 5\r\n"));
}

void TestHelpWriter::failedWriteReportsPath()
{
    TestSupport::ProgramDir dir;
    const QString path = dir.file(u"fehlt/neu.vry"_s);
    const auto error =
        AtomicWriter::writeBytes(path, LineFile::joinLines(HelpFile::composeLines(HelpFile::Content{})));
    QVERIFY(error.has_value());
    QVERIFY(error->contains(path));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestHelpWriter)
#include "test_helpwriter.moc"
