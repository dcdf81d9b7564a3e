// The about window and the advert window: texts, version, link labels, the order form, the modal
// about window from the advert, close boxes, F1 and the icon animation.
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"
#include "tests/testsupport/testsupport.h"
#include "tests/testsupport/uiseams.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Zembrota;
using namespace Qt::StringLiterals;

class TestInfoWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void infoTexts_data();
    void infoTexts();
    void versionAppendedOnce();
    void linkColours();
    void links_data();
    void links();
    void linkClickOnlyOverTheLabel();
    void linkPointers();
    void infoKeysAndCloseBox_data();
    void infoKeysAndCloseBox();
    void trivennaTexts_data();
    void trivennaTexts();
    void orderFormOnEnter();
    void homepageLink();
    void adresseShowsAboutModally();
    void trivennaEscapeHidesCloseBoxDestroys();
    void helpTopics_data();
    void helpTopics();
    void iconAnimationPerWindow();

private:
    std::unique_ptr<TestSupport::ProgramDir> m_dir;
    QStringList m_started;
};

void TestInfoWindows::init()
{
    MessageBox::startRecording();
    MessageBox::clearRecorded();
    m_dir = std::make_unique<TestSupport::ProgramDir>();
    m_dir->write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(m_dir->file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(m_dir->path());
    m_started.clear();
    HelpLaunch::setStarter([this](const QString &program, const QStringList &arguments) {
        m_started.append(program);
        m_started.append(arguments);
        return true;
    });
}

void TestInfoWindows::cleanup()
{
    MessageBox::stopRecording();
    HelpLaunch::resetStarter();
    HelpLaunch::setProgramDir(QString());
    m_dir.reset();
}

void TestInfoWindows::infoTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("product") << u"lblProductName"_s << u"Glossand"_s;
    QTest::newRow("version") << u"lbl0"_s << u"Version 2.5"_s;
    QTest::newRow("von") << u"lblvon"_s << u"von"_s;
    QTest::newRow("maker") << u"lblHersteller"_s << u"Matthias Wendelin"_s;
    QTest::newRow("web") << u"lbl1"_s << u"https://www.example.org/glossand/"_s;
    QTest::newRow("mail") << u"lbl2"_s << u"glossand@example.org"_s;
    QTest::newRow("write to me") << u"lbl3"_s << u"Oder schreiben sie mir:"_s;
    QTest::newRow("name") << u"lbl4"_s << u"Matthias Wendelin"_s;
    QTest::newRow("street") << u"lbl5"_s << u"Lindenweg 12"_s;
    QTest::newRow("city") << u"lbl6"_s << u"D-12345 Musterstadt"_s;
    QTest::newRow("comments") << u"lbl7"_s << u"Ich freue mich auf ihre Kommentare und Anregungen."_s;
    QTest::newRow("spelling")
        << u"lbl8"_s
        << u"Ich habe mich sehr bemüht, jegliche Rechtschreibfehler zu vermeiden. Sollten "
           u"sie jedoch dennoch einen entdecken, machen sie mich darauf aufmerksam und ich "
           u"werde ihn im Programm verbessern."_s;
}

void TestInfoWindows::infoTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    frmInfo info;
    QCOMPARE(info.objectName(), u"frmInfo"_s);
    QCOMPARE(info.windowTitle(), u"Glossand: Info"_s);
    auto *label = info.findChild<QLabel *>(name);
    QVERIFY2(label, qPrintable(name));
    QCOMPARE(label->text(), text);
    QVERIFY(info.findChild<QLabel *>(u"lbl9"_s)->text().contains(u"Freeware"_s));
    // The licence as LICENSE, the copyright file and the AppStream data name it.
    QVERIFY(info.findChild<QLabel *>(u"lbl9"_s)->text().contains(
        u"GNU General Public License, Version 3 oder später"_s));
    QVERIFY(info.findChild<QLabel *>(u"lbl10"_s)->text().contains(u"Warenzeichen"_s));
    QVERIFY(info.findChild<QGroupBox *>(u"Frame1"_s)->isAncestorOf(info.findChild<QLabel *>(u"lbl1"_s)));
    auto *ok = info.findChild<QPushButton *>(u"cmdOK"_s);
    QCOMPARE(ok->text(), u"OK"_s);
    QCOMPARE(ok->toolTip(), u"Klicken sie hier, um zum Hauptmenü zurückzukehren."_s);
}

void TestInfoWindows::versionAppendedOnce()
{
    frmInfo info;
    info.show();
    info.hide();
    info.show();
    QCOMPARE(info.findChild<QLabel *>(u"lbl0"_s)->text(), u"Version 2.5"_s);
}

void TestInfoWindows::linkColours()
{
    TestSupport::UrlRecorder urls;
    frmInfo info;
    info.show();
    auto *web = info.findChild<LinkLabel *>(u"lbl1"_s);
    QCOMPARE(web->textColour(), QColor(0, 0, 255));
    QTest::mousePress(web, Qt::LeftButton);
    QCOMPARE(web->textColour(), QColor(128, 0, 0));
    QVERIFY(urls.opened.isEmpty()); // the press alone opens nothing
    QTest::mouseRelease(web, Qt::LeftButton);
    QCOMPARE(web->textColour(), QColor(0, 0, 255));
    QCOMPARE(urls.opened.size(), 1);
    // The other labels are no links.
    QVERIFY(!qobject_cast<LinkLabel *>(info.findChild<QLabel *>(u"lbl3"_s)));
}

void TestInfoWindows::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("url");
    QTest::newRow("web page") << u"lbl1"_s << u"https://www.example.org/glossand/"_s;
    QTest::newRow("mail with version") << u"lbl2"_s << u"mailto:glossand@example.org?Subject=Glossand v2.5"_s;
}

void TestInfoWindows::links()
{
    QFETCH(QString, label);
    QFETCH(QString, url);
    TestSupport::UrlRecorder urls;
    frmInfo info;
    info.show();
    QTest::mouseClick(info.findChild<QLabel *>(label), Qt::LeftButton);
    QCOMPARE(urls.opened.size(), 1);
    QCOMPARE(urls.opened.at(0).toString(), url);
    QVERIFY(info.isVisible());
}

void TestInfoWindows::linkClickOnlyOverTheLabel()
{
    TestSupport::UrlRecorder urls;
    frmInfo info;
    info.show();
    auto *mail = info.findChild<LinkLabel *>(u"lbl2"_s);
    QTest::mousePress(mail, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(mail->textColour(), QColor(128, 0, 0));
    // Released off the label: blue again, but no click.
    QTest::mouseRelease(mail, Qt::LeftButton, {}, QPoint(5, mail->height() + 20));
    QCOMPARE(mail->textColour(), QColor(0, 0, 255));
    QVERIFY(urls.opened.isEmpty());
}

void TestInfoWindows::linkPointers()
{
    frmInfo info;
    const QCursor web = info.findChild<QLabel *>(u"lbl1"_s)->cursor();
    const QCursor mail = info.findChild<QLabel *>(u"lbl2"_s)->cursor();
    // The pointing hand of the desktop's cursor theme.
    QCOMPARE(web.shape(), Qt::PointingHandCursor);
    QCOMPARE(mail.shape(), Qt::PointingHandCursor);
    frmTrivenna advert({});
    QCOMPARE(advert.findChild<QLabel *>(u"lblHomepage"_s)->cursor().shape(), Qt::PointingHandCursor);
}

void TestInfoWindows::infoKeysAndCloseBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << u"esc"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("OK") << u"ok"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestInfoWindows::infoKeysAndCloseBox()
{
    QFETCH(QString, how);
    frmInfo info;
    QPointer<frmInfo> alive = &info;
    info.show();
    auto *ok = info.findChild<QPushButton *>(u"cmdOK"_s);
    ok->setFocus();
    if (how == u"esc"_s)
        QTest::keyClick(ok, Qt::Key_Escape);
    else if (how == u"enter"_s)
        QTest::keyClick(ok, Qt::Key_Return);
    else if (how == u"ok"_s)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QVERIFY(!info.close());
    QVERIFY(!info.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    // Shown again, it is the same window.
    info.show();
    QVERIFY(info.isVisible());
}

void TestInfoWindows::trivennaTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("Label1") << u"Label1"_s
                            << u"Mit dem Trivenna können sie lateinische Vokabeln erlernen und üben:"_s
                            << QString();
    QTest::newRow("Label2") << u"Label2"_s << u"- Abfrage nach Lektionen."_s << QString();
    QTest::newRow("Label10") << u"Label10"_s << u"- Beliebige Abfrage von einer oder mehrerer Lektionen."_s
                             << QString();
    QTest::newRow("Label3") << u"Label3"_s << u"- Abfrage: Latein - Deutsch / Deutsch - Latein."_s
                            << QString();
    QTest::newRow("lblHomepage")
        << u"lblHomepage"_s << u"Weitere Informationen auf meiner Homepage!"_s
        << u"Klicken sie hier, um in ihrem Standart - Browser meine Homepage angezeigt zu bekommen."_s;
    QTest::newRow("cmdBestellformular") << u"cmdBestellformular"_s << u"Bestellformular"_s
                                        << u"Klicken sie hier, um das Bestellformular zu sehen."_s;
    QTest::newRow("cmdAdresse") << u"cmdAdresse"_s << u"Hier erfahren sie meine Adresse"_s
                                << u"Klicken sie hier, um meine Adresse zu erfahren."_s;
    QTest::newRow("cmdOK") << u"cmdOK"_s << u"OK"_s << u"Klicken sie hier, um dieses Fenster zu schließen."_s;
}

void TestInfoWindows::trivennaTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    frmTrivenna advert({});
    QCOMPARE(advert.objectName(), u"frmTrivenna"_s);
    QCOMPARE(advert.windowTitle(), u"Trivenna"_s);
    QWidget *control = advert.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    const QString shown = qobject_cast<QLabel *>(control) ? qobject_cast<QLabel *>(control)->text()
                                                          : qobject_cast<QPushButton *>(control)->text();
    QCOMPARE(shown, text);
    QCOMPARE(control->toolTip(), toolTip);
}

void TestInfoWindows::orderFormOnEnter()
{
    TestSupport::UrlRecorder urls;
    frmTrivenna advert({});
    advert.show();
    auto *ok = advert.findChild<QPushButton *>(u"cmdOK"_s);
    QVERIFY(!ok->isDefault());
    QVERIFY(advert.findChild<QPushButton *>(u"cmdBestellformular"_s)->isDefault());
    advert.findChild<QLabel *>(u"Label1"_s)->setFocus();
    QTest::keyClick(&advert, Qt::Key_Return);
    QCOMPARE(urls.opened.size(), 1);
    // The order form beside the program, whether or not it exists.
    QCOMPARE(urls.opened.at(0), QUrl::fromLocalFile(m_dir->path() + u"/bestell.txt"_s));
    QVERIFY(advert.isVisible());
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestInfoWindows::homepageLink()
{
    TestSupport::UrlRecorder urls;
    frmTrivenna advert({});
    advert.show();
    auto *link = advert.findChild<LinkLabel *>(u"lblHomepage"_s);
    QTest::mousePress(link, Qt::LeftButton);
    QCOMPARE(link->textColour(), QColor(128, 0, 0));
    QTest::mouseRelease(link, Qt::LeftButton);
    QCOMPARE(link->textColour(), QColor(0, 0, 255));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl(u"https://www.example.org/glossand/"_s)});
}

void TestInfoWindows::adresseShowsAboutModally()
{
    frmInfo about;
    about.show(); // already open without modality from the main window
    frmTrivenna advert([&about] { about.showModal(); });
    advert.show();
    bool sawModal = false;
    bool okPressed = false;
    QTimer::singleShot(0, this, [&] {
        sawModal = about.isVisible() && QApplication::activeModalWidget() == &about;
        okPressed = true;
        QTest::mouseClick(about.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    });
    QTest::mouseClick(advert.findChild<QPushButton *>(u"cmdAdresse"_s), Qt::LeftButton);
    // The click returned only after "OK" hid the about window.
    QVERIFY(okPressed);
    QVERIFY(sawModal);
    QVERIFY(!about.isVisible());
    QVERIFY(advert.isVisible());
    // Shown from the menu again, it is no longer modal.
    about.show();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestInfoWindows::trivennaEscapeHidesCloseBoxDestroys()
{
    auto *advert = new frmTrivenna({});
    QPointer<frmTrivenna> alive = advert;
    QSignalSpy closing(advert, &frmTrivenna::closing);
    advert->show();
    QTest::keyClick(advert, Qt::Key_Escape);
    QVERIFY(!advert->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    advert->show();
    QTest::mouseClick(advert->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QVERIFY(!advert->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    QCOMPARE(closing.count(), 0);
    advert->show();
    QVERIFY(advert->close());
    QCOMPARE(closing.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!alive);
}

void TestInfoWindows::helpTopics_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("topic");
    QTest::newRow("about") << u"info"_s << u"Info"_s;
    QTest::newRow("advert") << u"trivenna"_s << u"Trivenna"_s;
}

void TestInfoWindows::helpTopics()
{
    QFETCH(QString, window);
    QFETCH(QString, topic);
    std::unique_ptr<QWidget> w;
    if (window == u"info"_s)
        w = std::make_unique<frmInfo>();
    else
        w = std::make_unique<frmTrivenna>(std::function<void()>());
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget *focus = w->findChild<QPushButton *>(u"cmdOK"_s);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(m_started,
             (QStringList{m_dir->path() + u"/tessavor"_s, m_dir->path() + u"/zembrota.vry, "_s + topic}));
    QVERIFY(w->isVisible());
}

void TestInfoWindows::iconAnimationPerWindow()
{
    frmInfo info;
    frmTrivenna advert({});
    auto *a = info.findChild<IconAnimation *>();
    auto *b = advert.findChild<IconAnimation *>();
    QVERIFY(a && b);
    QVERIFY(a->timer()->isActive());
    QVERIFY(b->timer()->isActive());
    QCOMPARE(a->timer()->interval(), 100);
    a->timer()->stop();
    b->timer()->stop();
    for (int i = 0; i < 17; ++i)
        a->NextIconFrame();
    b->NextIconFrame();
    QCOMPARE(a->frame(), 1);
    QCOMPARE(b->frame(), 1);
    b->NextIconFrame();
    QCOMPARE(b->frame(), 2);
    QCOMPARE(a->frame(), 1);
}

QTEST_MAIN(TestInfoWindows)
#include "test_infowindows.moc"
