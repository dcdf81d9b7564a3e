// Links in a viewer topic: where a target leads, and the real window following a topic link, a
// bookmark link and a web link (through the desktop's URL handler).
#include "helpviewer/frmhaupt.h"
#include "helpviewer/topiclink.h"
#include "richtext/richtextbox.h"
#include "tests/helpviewer/viewerfixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessavor;

// Catches the addresses handed to the desktop, so that no browser starts in the test.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const QString &scheme : {u"http"_s, u"https"_s, u"mailto"_s})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const QString &scheme : {u"http"_s, u"https"_s, u"mailto"_s})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

class TestTopicLinks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void topicLink_data();
    void topicLink();
    void windowFollowsLinks();
};

namespace {

const QStringList topics{u"Start"_s, u"Zweites Thema"_s, u"Über uns"_s};

QByteArray linkHelp()
{
    QStringList lines{
        u"TESSAVOR"_s,
        u"RTF"_s,
        u"Verweise"_s,
        QString(),
        u"Start"_s,
        u"Zweites Thema"_s,
        QString(),
        u"[Start]"_s,
        u"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0"_s,
        u"\\pard Weiter zum {\\field{\\*\\fldinst HYPERLINK \"Zweites Thema\"}{\\fldrslt zweiten "
        u"Thema}}, nach {\\field{\\*\\fldinst HYPERLINK \\\\l \"unten\"}{\\fldrslt unten}} oder ins "
        u"{\\field{\\*\\fldinst HYPERLINK \"https://example.org/latein\"}{\\fldrslt Netz}}.\\par"_s};
    for (int i = 1; i <= 40; ++i)
        lines << u"\\pard Zeile %1\\par"_s.arg(i);
    lines << u"\\pard {\\*\\bkmkstart unten}Unten angekommen\\par"_s << u"}"_s << QString()
          << u"[Zweites Thema]"_s << u"{\\rtf1\\ansi Angekommen im zweiten Thema\\par"_s << u"}"_s
          << QString();
    return TestSupport::crlf(lines);
}

// Clicks the middle of the text's first characters.
void clickText(RichTextBox *box, const QString &text)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(int(box->document()->toRawText().indexOf(text)) + 2);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(cursor).center());
}

} // namespace

void TestTopicLinks::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTopicLinks::topicLink_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("bookmark");
    QTest::addColumn<QString>("url");
    using Kind = Viewer::TopicLink::Kind;
    QTest::newRow("bookmark") << u"#unten"_s << int(Kind::Bookmark) << QString() << u"unten"_s << QString();
    QTest::newRow("web") << u"https://example.org/a?b=1"_s << int(Kind::Desktop) << QString() << QString()
                         << u"https://example.org/a?b=1"_s;
    QTest::newRow("mail") << u"mailto:lehrer@example.org"_s << int(Kind::Desktop) << QString() << QString()
                          << u"mailto:lehrer@example.org"_s;
    QTest::newRow("www without scheme") << u"www.example.org"_s << int(Kind::Desktop) << QString()
                                        << QString() << u"http://www.example.org"_s;
    QTest::newRow("topic") << u"Zweites Thema"_s << int(Kind::Topic) << u"Zweites Thema"_s << QString()
                           << QString();
    QTest::newRow("topic with umlaut and blanks")
        << u" Über uns "_s << int(Kind::Topic) << u"Über uns"_s << QString() << QString();
    QTest::newRow("topic and bookmark")
        << u"Zweites Thema#Teil2"_s << int(Kind::Topic) << u"Zweites Thema"_s << u"Teil2"_s << QString();
    QTest::newRow("topic in other case")
        << u"zweites thema"_s << int(Kind::Nowhere) << QString() << QString() << QString();
    QTest::newRow("unknown name") << u"Fehlt"_s << int(Kind::Nowhere) << QString() << QString() << QString();
    QTest::newRow("drive letter is no scheme")
        << u"C:\\Hilfe\\a.rtf"_s << int(Kind::Nowhere) << QString() << QString() << QString();
    QTest::newRow("empty") << QString() << int(Kind::Nowhere) << QString() << QString() << QString();
}

void TestTopicLinks::topicLink()
{
    QFETCH(QString, target);
    QFETCH(int, kind);
    QFETCH(QString, topic);
    QFETCH(QString, bookmark);
    QFETCH(QString, url);
    const Viewer::TopicLink link = Viewer::topicLink(target, topics);
    QCOMPARE(int(link.kind), kind);
    QCOMPARE(link.topic, topic);
    QCOMPARE(link.bookmark, bookmark);
    QCOMPARE(link.url.toString(), url);
}

void TestTopicLinks::windowFollowsLinks()
{
    TestSupport::ProgramDir dir;
    ViewerFixture::writeHelpFiles(dir);
    dir.write(u"links.vry"_s, linkHelp());
    Viewer::Started started = ViewerFixture::start(dir, u"%1/links.vry, Start"_s);
    QVERIFY(started.window);
    frmHaupt &window = *started.window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *text = window.findChild<RichTextBox *>(u"Text"_s);
    auto *banner = window.findChild<QPushButton *>(u"Command0"_s);

    // Tab reaches the first link, Enter follows it to the other topic; the viewer stays open.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    QCOMPARE(text->textCursor().selectedText(), u"zweiten Thema"_s);
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(window.isVisible());
    QCOMPARE(banner->text(), u"Zweites Thema"_s);
    QCOMPARE(text->plainText(), u"Angekommen im zweiten Thema"_s);

    // A click on the bookmark link scrolls down to the bookmark.
    QVERIFY(window.ThemaZeigen(u"Start"_s));
    QCOMPARE(text->verticalScrollBar()->value(), 0);
    clickText(text, u"unten"_s);
    QCOMPARE(banner->text(), u"Start"_s);
    QVERIFY(text->verticalScrollBar()->value() > 0);
    QTextCursor bookmark(text->document());
    bookmark.setPosition(int(text->document()->toRawText().indexOf(u"Unten angekommen")));
    QVERIFY(text->viewport()->rect().contains(text->cursorRect(bookmark).center()));

    // A web link goes to the desktop.
    UrlCatcher catcher;
    QVERIFY(window.ThemaZeigen(u"Start"_s));
    // The pointer shows the link under it.
    QTextCursor web(text->document());
    web.setPosition(int(text->document()->toRawText().indexOf(u"Netz")) + 2);
    QTest::mouseMove(text->viewport(), text->cursorRect(web).center());
    QTRY_COMPARE(text->viewport()->cursor().shape(), Qt::PointingHandCursor);
    clickText(text, u"Netz"_s);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(u"https://example.org/latein"_s)});
    QCOMPARE(banner->text(), u"Start"_s);
    window.close();
}

QTEST_MAIN(TestTopicLinks)
#include "test_topiclinks.moc"
