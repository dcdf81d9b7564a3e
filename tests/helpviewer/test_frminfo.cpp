// The about and usage windows, offscreen, and how the main window brings them up.
#include "common/ui/linklabel.h"
#include "common/ui/messagebox.h"
#include "helpviewer/frmhaupt.h"
#include "helpviewer/frminfo.h"
#include "helpviewer/frmverwendung.h"
#include "helpviewer/indexlist.h"
#include "richtext/richtextbox.h"
#include "tests/helpviewer/viewerfixture.h"
#include "tests/testsupport/uiseams.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessavor;

class TestFrmInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void texts();
    void keysClose_data();
    void keysClose();
    void linkColours();
    void linksOpen();
    void usageButtonOpensUsageAndCloses();
    void functionKeysOpenWindowsOnce();
    void usageShowsTextFile();
    void usageWithoutTextFile();

private:
    TestSupport::ProgramDir *m_dir = nullptr;
    std::optional<TestSupport::UrlRecorder> m_links;
};

void TestFrmInfo::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFrmInfo::init()
{
    m_links.emplace();
    m_dir = new TestSupport::ProgramDir;
    ViewerFixture::writeHelpFiles(*m_dir);
    MessageBox::startRecording();
}

void TestFrmInfo::cleanup()
{
    MessageBox::stopRecording();
    delete m_dir;
    m_dir = nullptr;
    m_links.reset();
}

void TestFrmInfo::texts()
{
    const QString mail = u"mailto:glossand@example.org?subject=Tessavor v2.4"_s;
    frmInfo info;
    info.show();
    QCOMPARE(info.windowTitle(), u"Info"_s);
    QCOMPARE(info.findChild<QLabel *>(u"Label1"_s)->text(), u"Windows Hilfesystem v2.4"_s);
    QCOMPARE(info.findChild<QLabel *>(u"Label2"_s)->text(), u"von"_s);
    QCOMPARE(info.findChild<QPushButton *>(u"cmdVerwendung"_s)->isVisible(), true);
    QCOMPARE(frmInfo::mailUrl().toDisplayString(), mail);
    QCOMPARE(frmInfo::mailUrl().toString(QUrl::FullyEncoded), QString(mail).replace(u" "_s, u"%20"_s));
    QStringList texts;
    for (const QLabel *label : info.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY(texts.contains(u"Oder schreiben sie mir:"_s));
    QVERIFY(texts.contains(u"Ich freue mich auf ihre Kommentare und Anregungen."_s));
}

void TestFrmInfo::keysClose_data()
{
    QTest::addColumn<bool>("usageWindow");
    QTest::addColumn<int>("key");
    QTest::newRow("about, Enter") << false << int(Qt::Key_Return);
    QTest::newRow("about, Escape") << false << int(Qt::Key_Escape);
    QTest::newRow("usage, Enter") << true << int(Qt::Key_Return);
    QTest::newRow("usage, Escape") << true << int(Qt::Key_Escape);
}

void TestFrmInfo::keysClose()
{
    QFETCH(bool, usageWindow);
    QFETCH(int, key);
    std::unique_ptr<QDialog> window;
    if (usageWindow)
        window = std::make_unique<frmVerwendung>(m_dir->path());
    else
        window = std::make_unique<frmInfo>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key(key));
    QVERIFY(!window->isVisible());
    QVERIFY(m_links->opened.isEmpty());
}

void TestFrmInfo::linkColours()
{
    frmInfo info;
    info.show();
    for (const QString &name : {u"lbl1"_s, u"lbl2"_s}) {
        auto *label = info.findChild<LinkLabel *>(name);
        QCOMPARE(label->textColour(), QColor(0, 0, 255));
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(label->textColour(), QColor(128, 0, 0));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        // Released outside: blue again, but no link opened.
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(label->textColour(), QColor(0, 0, 255));
    }
    QVERIFY(m_links->opened.isEmpty());
}

void TestFrmInfo::linksOpen()
{
    frmInfo info;
    info.show();
    QTest::mouseClick(info.findChild<QLabel *>(u"lbl1"_s), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(info.findChild<QLabel *>(u"lbl2"_s), Qt::LeftButton, {}, QPoint(2, 2));
    const QList<QUrl> &opened = m_links->opened;
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).scheme(), u"https"_s);
    QCOMPARE(opened.at(0).host(), u"www.example.org"_s);
    QCOMPARE(opened.at(1), frmInfo::mailUrl());
}

void TestFrmInfo::usageButtonOpensUsageAndCloses()
{
    Viewer::Started started = ViewerFixture::start(*m_dir, u"%1/plain.vry"_s);
    QVERIFY(started.window);
    started.window->show();
    started.window->cmdInfo_Click();
    auto *info = started.window->findChild<frmInfo *>(u"frmInfo"_s);
    QVERIFY(info->isVisible());
    info->findChild<QPushButton *>(u"cmdVerwendung"_s)->click();
    QVERIFY(!info->isVisible());
    auto *usage = started.window->findChild<frmVerwendung *>(u"frmVerwendung"_s);
    QVERIFY(usage && usage->isVisible());

    usage->findChild<QPushButton *>(u"cmdOK"_s)->click();
    QVERIFY(!usage->isVisible());
    QVERIFY(started.window->isVisible());
}

void TestFrmInfo::functionKeysOpenWindowsOnce()
{
    Viewer::Started started = ViewerFixture::start(*m_dir, u"%1/plain.vry, Index"_s);
    QVERIFY(started.window);
    frmHaupt *window = started.window.get();
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();

    for (int round = 0; round < 2; ++round) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F2);
        QTest::keyClick(edit, Qt::Key_F3);
    }
    QCOMPARE(window->findChildren<frmInfo *>().size(), 1);
    QCOMPARE(window->findChildren<frmVerwendung *>().size(), 1);
    QVERIFY(window->findChild<frmInfo *>()->isVisible());
    QVERIFY(window->findChild<frmVerwendung *>()->isVisible());
    QCOMPARE(edit->text(), QString()); // the function keys type nothing
}

void TestFrmInfo::usageShowsTextFile()
{
    m_dir->write(u"tessavor.txt"_s, "Tessavor darf frei weitergegeben werden.\r\nGr\xfc\xdf"
                                    "e\r\n");
    frmVerwendung usage(m_dir->path());
    usage.show();
    QCOMPARE(usage.windowTitle(), u"Verwendung"_s);
    QCOMPARE(
        usage.findChild<QLabel *>(u"Label1"_s)->text(),
        u"Das Programm darf kopiert werden, solange an ihm und der Textdatei Tessavor.txt keine Änderungen vorgenommen werden."_s);
    const QString text = usage.findChild<RichTextBox *>(u"RichTextBox"_s)->plainText();
    QVERIFY2(text.startsWith(u"Tessavor darf frei weitergegeben werden.\nGrüße"_s), qPrintable(text));

    // Opened again, the window reads the file afresh.
    usage.hide();
    m_dir->write(u"tessavor.txt"_s, "Neu\r\n");
    usage.show();
    QVERIFY(usage.findChild<RichTextBox *>(u"RichTextBox"_s)->plainText().startsWith(u"Neu"_s));
}

void TestFrmInfo::usageWithoutTextFile()
{
    frmVerwendung usage(m_dir->path());
    usage.show();
    const QString text = usage.findChild<RichTextBox *>(u"RichTextBox"_s)->plainText();
    QVERIFY2(text.contains(u"Tessavor.txt wurde nicht gefunden"_s), qPrintable(text));
    QVERIFY(MessageBox::recorded().isEmpty());
}

QTEST_MAIN(TestFrmInfo)
#include "test_frminfo.moc"
