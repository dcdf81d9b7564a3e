// The viewer's main window, offscreen: start-up messages, pages, lists, keys and closing.
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpviewer/frmhaupt.h"
#include "helpviewer/helpprefetch.h"
#include "helpviewer/indexlist.h"
#include "richtext/richtextbox.h"
#include "tests/helpauthor/modalanswer.h"
#include "tests/helpviewer/viewerfixture.h"
#include "tests/testsupport/uiseams.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using namespace Tessavor;

class TestFrmHaupt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void failedStart_data();
    void failedStart();
    void failedRichTopicLeavesTempFile();
    void startPage_data();
    void startPage();
    void lists();
    void listsOfATopicStart();
    void readAheadStart_data();
    void readAheadStart();
    void readAheadListsOfSmallAndLargeHelps_data();
    void readAheadListsOfSmallAndLargeHelps();
    void helpReplacedOnShownContents();
    void contentsClickShowsTrimmedName();
    void indexClickShowsTopic();
    void indexEnter_data();
    void indexEnter();
    void digitKeys_data();
    void digitKeys();
    void pageButtonsAndMenus();
    void shownPageTakesFocus();
    void indexTabOrder_data();
    void indexTabOrder();
    void richTopicShown();
    void richTopicWithoutTempFile();
    void fontsFilledAheadStart();
    void brokenTopicFromListWarns();
    void closing_data();
    void closing();
    void helpOnHelpStartsViewer();

private:
    std::unique_ptr<frmHaupt> startShown(const QString &argument);
    TestSupport::ProgramDir *m_dir = nullptr;
    std::optional<TestSupport::RecordedDialogs> m_seams;
};

namespace {
QString banner(const frmHaupt &window)
{
    return window.findChild<QPushButton *>(u"Command0"_s)->text();
}

QString visiblePages(const frmHaupt &window)
{
    QStringList names;
    for (const QString &name : {u"ListeInhalt"_s, u"ListeIndex"_s, u"Text"_s}) {
        if (window.findChild<QWidget *>(name)->isVisible())
            names << name;
    }
    return names.join(u',');
}

QString shownText(const frmHaupt &window)
{
    return window.findChild<RichTextBox *>(u"Text"_s)->plainText();
}
} // namespace

void TestFrmHaupt::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFrmHaupt::init()
{
    m_dir = new TestSupport::ProgramDir;
    ViewerFixture::writeHelpFiles(*m_dir);
    m_seams.emplace();
}

void TestFrmHaupt::cleanup()
{
    m_seams.reset();
    delete m_dir;
    m_dir = nullptr;
}

std::unique_ptr<frmHaupt> TestFrmHaupt::startShown(const QString &argument)
{
    Viewer::Started started = ViewerFixture::start(*m_dir, argument);
    if (!started.window)
        return nullptr;
    started.window->show();
    QApplication::setActiveWindow(started.window.get());
    if (!QTest::qWaitForWindowActive(started.window.get()))
        return nullptr;
    return std::move(started.window);
}

void TestFrmHaupt::failedStart_data()
{
    QTest::addColumn<bool>("ownHelp");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("own help missing")
        << false << u"%1/plain.vry, Inhalt"_s << u"Tessavor.vry nicht gefunden!"_s
        << u"Die Hilfe zur Hilfe - Datei Tessavor.vry muss sich im selben Verzeichnis befinden!"_s;
    QTest::newRow("own help missing, no argument")
        << false << QString() << u"Tessavor.vry nicht gefunden!"_s
        << u"Die Hilfe zur Hilfe - Datei Tessavor.vry muss sich im selben Verzeichnis befinden!"_s;
    QTest::newRow("no argument") << true << QString() << u"Kein Hilfedatei angegeben!"_s
                                 << u"Es wurde keine Hilfedatei angegeben!"_s;
    QTest::newRow("empty path") << true << u", Index"_s << u"Kein Hilfedatei angegeben!"_s
                                << u"Es wurde keine Hilfedatei angegeben!"_s;
    QTest::newRow("missing file") << true << u"%1/fehlt.vry, Inhalt"_s << u"Hilfedatei nicht gefunden!"_s
                                  << u"Die Hilfedatei wurde nicht gefunden!"_s;
    QTest::newRow("not a help file") << true << u"%1/tessavor.txt, Inhalt"_s << u"Kein gültige Hilfedatei!"_s
                                     << u"Das ist keine gültige Tessavor - Hilfedatei!"_s;
    QTest::newRow("rich topic absent")
        << true << u"%1/rich.vry, Fehlt"_s << u"Hilfethema nicht gefunden!"_s
        << u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s;
    QTest::newRow("rich topic in other case")
        << true << u"%1/rich.vry, erstes"_s << u"Hilfethema nicht gefunden!"_s
        << u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s;
}

void TestFrmHaupt::failedStart()
{
    QFETCH(bool, ownHelp);
    QFETCH(QString, argument);
    QFETCH(QString, title);
    QFETCH(QString, text);

    if (!ownHelp)
        QFile::remove(m_dir->file(u"tessavor.vry"_s));
    m_dir->write(u"tessavor.txt"_s, "Nur Text\r\n");
    const Viewer::Started started = ViewerFixture::start(*m_dir, argument);
    QVERIFY(!started.window);
    const auto shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).icon, QMessageBox::Critical);
    QCOMPARE(shown.at(0).title, title);
    QCOMPARE(shown.at(0).text, text);
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                         [](const QWidget *w) { return w->isVisible(); }));
}

void TestFrmHaupt::failedRichTopicLeavesTempFile()
{
    QVERIFY(!ViewerFixture::start(*m_dir, u"%1/rich.vry, Kaputt"_s).window);
    QVERIFY(m_dir->exists(u"temp.tmp"_s));
    QCOMPARE(m_dir->read(u"temp.tmp"_s), QByteArray("kein RTF\r\n\r\n"));
}

void TestFrmHaupt::startPage_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("text");

    QTest::newRow("contents") << u"%1/plain.vry, Inhalt"_s << u"Hilfe: Einfache Hilfe"_s << u"Inhalt"_s
                              << u"ListeInhalt"_s << QString();
    QTest::newRow("no topic means contents")
        << u"%1/plain.vry"_s << u"Hilfe: Einfache Hilfe"_s << u"Inhalt"_s << u"ListeInhalt"_s << QString();
    QTest::newRow("index") << u"%1/plain.vry, Index"_s << u"Hilfe: Einfache Hilfe"_s << u"Index"_s
                           << u"ListeIndex"_s << QString();
    QTest::newRow("plain topic") << u"%1/plain.vry, Anfang"_s << u"Hilfe: Einfache Hilfe"_s << u"Anfang"_s
                                 << u"Text"_s << u"Willkommen\nzweite Zeile"_s;
    QTest::newRow("ampersand shown as it is") << u"%1/plain.vry, Tom & Jerry"_s << u"Hilfe: Einfache Hilfe"_s
                                              << u"Tom && Jerry"_s << u"Text"_s << u"Katz und Maus"_s;
    QTest::newRow("plain topic absent: empty page")
        << u"%1/plain.vry, Fehlt"_s << u"Hilfe: Einfache Hilfe"_s << u"Fehlt"_s << u"Text"_s << QString();
    QTest::newRow("comma without blank") << u"%1/plain.vry,XFarben"_s << u"Hilfe: Einfache Hilfe"_s
                                         << u"Farben"_s << u"Text"_s << u"Rot und Blau"_s;
    QTest::newRow("rich topic") << u"%1/rich.vry, Erstes"_s << u"Hilfe: Reiche Hilfe"_s << u"Erstes"_s
                                << u"Text"_s << u"Fett und normal"_s;
}

void TestFrmHaupt::startPage()
{
    QFETCH(QString, argument);
    QFETCH(QString, caption);
    QFETCH(QString, banner);
    QFETCH(QString, pages);
    QFETCH(QString, text);

    const auto window = startShown(argument);
    QVERIFY(window);
    QVERIFY(MessageBox::recorded().isEmpty());
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(::banner(*window), banner);
    QCOMPARE(visiblePages(*window), pages);
    if (pages == u"Text"_s)
        QCOMPARE(shownText(*window).trimmed(), text);
}

void TestFrmHaupt::lists()
{
    const auto window = startShown(u"%1/plain.vry"_s);
    QVERIFY(window);
    const auto *contents = window->findChild<QListWidget *>(u"ListeInhalt"_s);
    QStringList entries;
    for (int row = 0; row < contents->count(); ++row)
        entries << contents->item(row)->text();
    QCOMPARE(entries, (QStringList{u"  Farben  "_s, u"Anfang"_s, u"Tom & Jerry"_s}));
    QCOMPARE(window->findChild<IndexList *>(u"ListeIndex"_s)->entries(),
             (QStringList{u"Anfang"_s, u"Farben"_s, u"Tom & Jerry"_s}));
}

void TestFrmHaupt::listsOfATopicStart()
{
    // Started on a topic, the lists get their rows when their page is shown.
    const auto window = startShown(u"%1/plain.vry, Anfang"_s);
    QVERIFY(window);
    window->InhaltZeigen();
    const auto *contents = window->findChild<QListWidget *>(u"ListeInhalt"_s);
    QCOMPARE(contents->count(), 3);
    QCOMPARE(contents->item(2)->text(), u"Tom & Jerry"_s);
    window->IndexZeigen();
    auto *index = window->findChild<IndexList *>(u"ListeIndex"_s);
    const QListWidget *list = index->findChild<QListWidget *>(u"ListeIndexListe"_s);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), u"Anfang"_s);
    // Typing finds its entry in the list.
    QTest::keyClicks(index->edit(), u"to"_s);
    QCOMPARE(list->currentRow(), 2);
}

void TestFrmHaupt::readAheadStart_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("pages");
    QTest::newRow("topic") << u"%1/plain.vry, Anfang"_s << u"Text"_s;
    QTest::newRow("contents") << u"%1/plain.vry"_s << u"ListeInhalt"_s;
    QTest::newRow("index") << u"%1/plain.vry, Index"_s << u"ListeIndex"_s;
}

// Read ahead, the help holds only what the first page needs; the index and the topics are there
// all the same when the user goes to them.
void TestFrmHaupt::readAheadStart()
{
    QFETCH(QString, argument);
    QFETCH(QString, pages);
    HelpLaunch::setProgramDir(m_dir->path());
    const QString text = argument.arg(m_dir->path());
    Viewer::HelpPrefetch prefetch(text);
    Viewer::Started started = Viewer::startViewer({text}, &prefetch);
    QVERIFY(started.window);
    frmHaupt &window = *started.window;
    window.show();
    QCOMPARE(visiblePages(window), pages);
    auto *index = window.findChild<IndexList *>(u"ListeIndex"_s);
    QCOMPARE(index->entries(), (QStringList{u"Anfang"_s, u"Farben"_s, u"Tom & Jerry"_s}));
    window.IndexZeigen();
    QCOMPARE(index->list()->count(), 3);
    QCOMPARE(index->list()->item(2)->text(), u"Tom & Jerry"_s);
    // A link to a topic goes by the index.
    window.Text_LinkActivated(u"Tom & Jerry"_s);
    QCOMPARE(visiblePages(window), u"Text"_s);
    QCOMPARE(shownText(window).trimmed(), u"Katz und Maus"_s);
    QVERIFY(window.ThemaZeigen(u"Farben"_s));
    QCOMPARE(shownText(window).trimmed(), u"Rot und Blau"_s);
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestFrmHaupt::readAheadListsOfSmallAndLargeHelps_data()
{
    QTest::addColumn<int>("fillerLines");
    QTest::newRow("small help: the list comes with the rest") << 10;
    QTest::newRow("large help: the list is decoded when first shown") << 40000;
}

// Started on a topic, the contents page and the index list the help's topics in the file's and in
// alphabetical order, whether the list was read ahead or left for later.
void TestFrmHaupt::readAheadListsOfSmallAndLargeHelps()
{
    QFETCH(int, fillerLines);
    QStringList lines{u"TESSAVOR"_s, u"TXT"_s,  u"Liste"_s,  QString(),        u"Zwei"_s, u"Eins"_s,
                      u"Drei"_s,     QString(), u"[Eins]"_s, u"Erster Text"_s, QString(), u"[Zwei]"_s};
    for (int i = 0; i < fillerLines; ++i)
        lines << u"Fülltext über die a-Deklination"_s;
    lines << QString() << u"[Drei]"_s << u"Dritter Text"_s << QString();
    m_dir->write(u"liste.vry"_s, TestSupport::crlf(lines));
    const bool large = QFileInfo(m_dir->file(u"liste.vry"_s)).size() >= Viewer::HelpPrefetch::listLaterFrom;
    QCOMPARE(large, fillerLines > 1000);

    HelpLaunch::setProgramDir(m_dir->path());
    const QString text = m_dir->file(u"liste.vry"_s) + u", Eins"_s;
    Viewer::HelpPrefetch prefetch(text);
    Viewer::Started started = Viewer::startViewer({text}, &prefetch);
    QVERIFY(started.window);
    frmHaupt &window = *started.window;
    window.show();
    QCOMPARE(shownText(window).trimmed(), u"Erster Text"_s);
    window.InhaltZeigen();
    const auto *contents = window.findChild<QListWidget *>(u"ListeInhalt"_s);
    QCOMPARE(contents->count(), 3);
    QCOMPARE(contents->item(0)->text(), u"Zwei"_s);
    QCOMPARE(contents->item(2)->text(), u"Drei"_s);
    auto *index = window.findChild<IndexList *>(u"ListeIndex"_s);
    QCOMPARE(index->entries(), (QStringList{u"Drei"_s, u"Eins"_s, u"Zwei"_s}));
    QVERIFY(window.ThemaZeigen(u"Drei"_s));
    QCOMPARE(shownText(window).trimmed(), u"Dritter Text"_s);
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestFrmHaupt::helpReplacedOnShownContents()
{
    const auto window = startShown(u"%1/plain.vry"_s);
    QVERIFY(window);
    const HelpFile::ReadResult other = HelpFile::read(TestSupport::crlf(
        {u"TESSAVOR"_s, u"TXT"_s, u"Andere"_s, QString(), u"Zwei"_s, u"Eins"_s, QString()}));
    window->setHelp(other.document);
    const auto *contents = window->findChild<QListWidget *>(u"ListeInhalt"_s);
    QCOMPARE(contents->count(), 2);
    QCOMPARE(contents->item(0)->text(), u"Zwei"_s);
    QCOMPARE(window->findChild<IndexList *>(u"ListeIndex"_s)->entries(), (QStringList{u"Eins"_s, u"Zwei"_s}));
    window->IndexZeigen();
    QCOMPARE(window->findChild<IndexList *>(u"ListeIndex"_s)->list()->count(), 2);
}

void TestFrmHaupt::contentsClickShowsTrimmedName()
{
    const auto window = startShown(u"%1/plain.vry"_s);
    QVERIFY(window);
    auto *contents = window->findChild<QListWidget *>(u"ListeInhalt"_s);
    const QRect rect = contents->visualItemRect(contents->item(0));
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(::banner(*window), u"Farben"_s);
    QCOMPARE(visiblePages(*window), u"Text"_s);
    QCOMPARE(shownText(*window), u"Rot und Blau"_s);

    // Enter on the current contents entry shows it too, and does not close the viewer.
    window->InhaltZeigen();
    contents->setFocus();
    contents->setCurrentRow(1);
    QTest::keyClick(contents, Qt::Key_Return);
    QVERIFY(window->isVisible());
    QCOMPARE(::banner(*window), u"Anfang"_s);
}

void TestFrmHaupt::indexClickShowsTopic()
{
    const auto window = startShown(u"%1/plain.vry, Index"_s);
    QVERIFY(window);
    auto *index = window->findChild<IndexList *>(u"ListeIndex"_s);
    const QRect rect = index->list()->visualItemRect(index->list()->item(1));
    QTest::mouseClick(index->list()->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(::banner(*window), u"Farben"_s);
    QCOMPARE(shownText(*window), u"Rot und Blau"_s);
    QCOMPARE(index->edit()->text(), u"Farben"_s);
}

void TestFrmHaupt::indexEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("banner");

    QTest::newRow("exact name") << u"Farben"_s << u"Farben"_s;
    QTest::newRow("other letter case") << u"farben"_s << u"Index"_s;
    QTest::newRow("list entry untrimmed") << u"  Farben  "_s << u"Index"_s;
    QTest::newRow("prefix only") << u"Farb"_s << u"Index"_s;
    QTest::newRow("empty field") << QString() << u"Index"_s;
}

void TestFrmHaupt::indexEnter()
{
    QFETCH(QString, typed);
    QFETCH(QString, banner);

    const auto window = startShown(u"%1/plain.vry, Index"_s);
    QVERIFY(window);
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(window->isVisible()); // Enter in the field never reaches the OK button
    QCOMPARE(::banner(*window), banner);
}

void TestFrmHaupt::digitKeys_data()
{
    QTest::addColumn<QString>("startTopic");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("fieldText");

    QTest::newRow("1 in the index field")
        << u"Index"_s << u"edit"_s << int(Qt::Key_1) << false << u"Inhalt"_s << u"1"_s;
    QTest::newRow("2 in the index field")
        << u"Index"_s << u"edit"_s << int(Qt::Key_2) << false << u"Index"_s << u"2"_s;
    QTest::newRow("keypad 1 in the index field")
        << u"Index"_s << u"edit"_s << int(Qt::Key_1) << true << u"Index"_s << u"1"_s;
    QTest::newRow("3 switches nothing")
        << u"Index"_s << u"edit"_s << int(Qt::Key_3) << false << u"Index"_s << u"3"_s;
    QTest::newRow("2 in the contents list")
        << u"Inhalt"_s << u"contents"_s << int(Qt::Key_2) << false << u"Index"_s << QString();
    QTest::newRow("keypad 2 in the contents list")
        << u"Inhalt"_s << u"contents"_s << int(Qt::Key_2) << true << u"Inhalt"_s << QString();
    QTest::newRow("1 on a topic page")
        << u"Anfang"_s << u"text"_s << int(Qt::Key_1) << false << u"Inhalt"_s << QString();
    QTest::newRow("2 on a button") << u"Anfang"_s << u"button"_s << int(Qt::Key_2) << false << u"Index"_s
                                   << QString();
}

void TestFrmHaupt::digitKeys()
{
    QFETCH(QString, startTopic);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, banner);
    QFETCH(QString, fieldText);

    const auto window = startShown(u"%1/plain.vry, "_s + startTopic);
    QVERIFY(window);
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
    QWidget *target = focus == u"edit"_s       ? static_cast<QWidget *>(edit)
                      : focus == u"contents"_s ? window->findChild<QWidget *>(u"ListeInhalt"_s)
                      : focus == u"text"_s     ? window->findChild<QWidget *>(u"Text"_s)
                                               : window->findChild<QWidget *>(u"cmdInfo"_s);
    target->setFocus();
    const char character = char('0' + (key - Qt::Key_0));
    QTest::keyClick(target, character, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(::banner(*window), banner);
    QCOMPARE(edit->text(), fieldText);
    QVERIFY(window->isVisible());
}

void TestFrmHaupt::pageButtonsAndMenus()
{
    const auto window = startShown(u"%1/plain.vry, Anfang"_s);
    QVERIFY(window);
    window->findChild<QPushButton *>(u"cmdIndex"_s)->click();
    QCOMPARE(visiblePages(*window), u"ListeIndex"_s);
    window->findChild<QPushButton *>(u"cmdInhalt"_s)->click();
    QCOMPARE(visiblePages(*window), u"ListeInhalt"_s);
    window->findChild<QAction *>(u"mnuIndex"_s)->trigger();
    QCOMPARE(::banner(*window), u"Index"_s);
    window->findChild<QAction *>(u"mnuInhalt"_s)->trigger();
    QCOMPARE(::banner(*window), u"Inhalt"_s);
    // The banner is no button that does anything.
    window->findChild<QPushButton *>(u"Command0"_s)->click();
    QCOMPARE(visiblePages(*window), u"ListeInhalt"_s);

    const QList<std::pair<QString, QString>> menus{
        {u"mnuEnde"_s, u"Ende!"_s},   {u"mnuInhalt"_s, u"Inhalt!"_s},
        {u"mnuIndex"_s, u"Index!"_s}, {u"mnuHilfezurHilfe"_s, u"Hilfe zur Hilfe"_s},
        {u"mnuInfo"_s, u"Info"_s},    {u"mnuVerwendung"_s, u"Verwendung"_s}};
    for (const auto &[name, text] : menus)
        QCOMPARE(window->findChild<QAction *>(name)->text(), text);
    QCOMPARE(window->findChild<QAction *>(u"mnuHilfezurHilfe"_s)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(window->findChild<QAction *>(u"mnuInfo"_s)->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(window->findChild<QAction *>(u"mnuVerwendung"_s)->shortcut(), QKeySequence(Qt::Key_F3));
}

void TestFrmHaupt::shownPageTakesFocus()
{
    const auto window = startShown(u"%1/plain.vry, Index"_s);
    QVERIFY(window);
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QTest::keyClick(window.get(), Qt::Key_1);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget *>(u"ListeInhalt"_s));
    QCOMPARE(edit->text(), QString()); // the key was the window's, not the field's
    window->ThemaZeigen(u"Anfang"_s);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget *>(u"Text"_s));
}

void TestFrmHaupt::indexTabOrder_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("topic start") << u"%1/plain.vry, Anfang"_s;
    QTest::newRow("contents start") << u"%1/plain.vry"_s;
    QTest::newRow("index start") << u"%1/plain.vry, Index"_s;
}

// The index's field and list, made when the index is first shown, keep their place in the Tab order
// (between the contents list and the topic) whichever page the viewer started on.
void TestFrmHaupt::indexTabOrder()
{
    QFETCH(QString, argument);
    const auto window = startShown(argument);
    QVERIFY(window);
    window->IndexZeigen();
    QStringList chain;
    for (QWidget *widget = window->nextInFocusChain(); widget != window.get();
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
    }
    QCOMPARE(
        chain.join(u','),
        u"cmdInhalt,cmdIndex,cmdInfo,cmdVerwendung,ListeInhalt,ListeIndexEingabe,ListeIndexListe,Text,cmdOK"_s);
    // Tab and Shift+Tab pass over the hidden pages.
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->findChild<IndexList *>(u"ListeIndex"_s)->list());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdOK"_s);
    window->findChild<IndexList *>(u"ListeIndex"_s)->edit()->setFocus();
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdVerwendung"_s);
}

void TestFrmHaupt::richTopicShown()
{
    const auto window = startShown(u"%1/rich.vry, Erstes"_s);
    QVERIFY(window);
    QVERIFY(m_dir->exists(u"temp.tmp"_s));
    QVERIFY(shownText(*window).contains(u"Fett und normal"_s));
    window->IndexZeigen();
    QVERIFY(window->ThemaZeigen(u"Erstes"_s));
    QCOMPARE(visiblePages(*window), u"Text"_s);
    QCOMPARE(window->findChild<QTextEdit *>(u"Text"_s)->textCursor().position(), 0);
}

void TestFrmHaupt::richTopicWithoutTempFile()
{
    // temp.tmp cannot be written (a folder of that name is in the way): the topic still shows,
    // an absent one still fails.
    QVERIFY(QDir(m_dir->path()).mkdir(u"temp.tmp"_s));
    const auto window = startShown(u"%1/rich.vry, Erstes"_s);
    QVERIFY(window);
    QVERIFY(shownText(*window).contains(u"Fett und normal"_s));
    // Shown from memory, the topic still opens at its top.
    QCOMPARE(window->findChild<QTextEdit *>(u"Text"_s)->textCursor().position(), 0);
    QVERIFY(!window->ThemaZeigen(u"Fehlt"_s));
    QVERIFY(!window->ThemaZeigen(u"Kaputt"_s));
    window->close();
    QVERIFY(QFileInfo(m_dir->file(u"temp.tmp"_s)).isDir());
}

// Started as the program starts it: the font database is filled on its own thread while the window
// is built and the rich topic is read and laid out; both threads take the database's lock, and
// the topic shows in its fonts.
void TestFrmHaupt::fontsFilledAheadStart()
{
    HelpLaunch::setProgramDir(m_dir->path());
    const QString text = m_dir->path() + u"/rich.vry, Erstes"_s;
    std::unique_ptr<frmHaupt> window;
    {
        const std::jthread fonts = Viewer::fillFontDatabaseAhead();
        Viewer::Started started = Viewer::startViewer({text});
        QVERIFY(started.window);
        window = std::move(started.window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QVERIFY(shownText(*window).contains(u"Fett und normal"_s));
    const auto *box = window->findChild<QTextEdit *>(u"Text"_s);
    const QFont shown = box->document()->begin().charFormat().font();
    QCOMPARE(QFontInfo(shown).family(), QFontInfo(QFont(shown.family())).family());
    QVERIFY(box->document()->documentLayout()->documentSize().height() > 0);
    QVERIFY(!QFontDatabase::families().isEmpty());
}

void TestFrmHaupt::brokenTopicFromListWarns()
{
    const auto window = startShown(u"%1/rich.vry, Inhalt"_s);
    QVERIFY(window);
    auto *contents = window->findChild<QListWidget *>(u"ListeInhalt"_s);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(contents->item(1)).center());
    const auto shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).icon, QMessageBox::Warning);
    QCOMPARE(shown.at(0).title, u"Hilfethema nicht gefunden!"_s);
    QCOMPARE(shown.at(0).text, u"Dieses Hilfethema ist in der angegebenen Hilfedatei nicht vorhanden!"_s);
    QVERIFY(window->isVisible());
    QCOMPARE(visiblePages(*window), u"ListeInhalt"_s);

    // From the index the user is taken back to the index.
    window->IndexZeigen();
    auto *index = window->findChild<IndexList *>(u"ListeIndex"_s);
    QTest::mouseClick(index->list()->viewport(), Qt::LeftButton, {},
                      index->list()->visualItemRect(index->list()->item(1)).center());
    QCOMPARE(MessageBox::recorded().size(), 2);
    QCOMPARE(visiblePages(*window), u"ListeIndex"_s);

    // The box itself shows the normal pointer, not the busy one of the click.
    MessageBox::stopRecording();
    bool busyWhileShown = true;
    QString shownTitle;
    whenModalOpens(window.get(), [&](QDialog *box) {
        shownTitle = box->windowTitle();
        busyWhileShown = QGuiApplication::overrideCursor() != nullptr;
        box->accept();
    });
    QTest::mouseClick(index->list()->viewport(), Qt::LeftButton, {},
                      index->list()->visualItemRect(index->list()->item(1)).center());
    QTRY_COMPARE(shownTitle, u"Hilfethema nicht gefunden!"_s);
    QVERIFY(!busyWhileShown);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestFrmHaupt::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cmdOK") << u"ok"_s;
    QTest::newRow("mnuEnde") << u"menu"_s;
    QTest::newRow("Escape in the index field") << u"escape"_s;
    QTest::newRow("Enter in the text") << u"enter"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestFrmHaupt::closing()
{
    QFETCH(QString, how);
    const auto window = startShown(u"%1/rich.vry, Erstes"_s);
    QVERIFY(window);
    QVERIFY(m_dir->exists(u"temp.tmp"_s));
    window->cmdInfo_Click();
    window->cmdVerwendung_Click();
    auto *info = window->findChild<QWidget *>(u"frmInfo"_s);
    auto *usage = window->findChild<QWidget *>(u"frmVerwendung"_s);
    QVERIFY(info && info->isVisible() && usage && usage->isVisible());
    QApplication::setActiveWindow(window.get());

    if (how == u"ok"_s) {
        window->findChild<QPushButton *>(u"cmdOK"_s)->click();
    } else if (how == u"menu"_s) {
        window->findChild<QAction *>(u"mnuEnde"_s)->trigger();
    } else if (how == u"escape"_s) {
        window->IndexZeigen();
        QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
    } else if (how == u"enter"_s) {
        auto *text = window->findChild<QWidget *>(u"Text"_s);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Return);
    } else {
        window->close();
    }
    QVERIFY(!window->isVisible());
    QVERIFY(!info->isVisible());
    QVERIFY(!usage->isVisible());
    QVERIFY(!m_dir->exists(u"temp.tmp"_s));
}

void TestFrmHaupt::helpOnHelpStartsViewer()
{
    m_dir->write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(m_dir->file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList started;
    HelpLaunch::setStarter([&started](const QString &program, const QStringList &arguments) {
        started << program << arguments;
        return true;
    });
    const auto window = startShown(u"%1/plain.vry, Index"_s);
    QVERIFY(window);
    QLineEdit *edit = window->findChild<IndexList *>(u"ListeIndex"_s)->edit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(started,
             (QStringList{m_dir->file(u"tessavor"_s), m_dir->file(u"tessavor.vry"_s) + u", Inhalt"_s}));
    QVERIFY(MessageBox::recorded().isEmpty());
}

QTEST_MAIN(TestFrmHaupt)
#include "test_frmhaupt.moc"
