// The main window and the status window driven as a user does: typing, lists, searches, menus.
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/appearance/frminfo.h"
#include "dictionary/appearance/frmtrivenna.h"
#include "dictionary/windows/dropdownlist.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmhaupt.h"
#include "tests/dictionary/windows/windowtestsupport.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Zembrota;
using namespace Qt::StringLiterals;
using WindowTest::choose;
using WindowTest::items;

namespace {

// The main window on the test word list, shown and active, with its status window.
struct Windows : WindowTest::MainWindows
{
    template <typename T = QWidget> T *in(const QString &name) const
    {
        T *control = main.findChild<T *>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit *txtL() const { return in<QLineEdit>(u"txtL"_s); }
    QString text(const QString &name) const
    {
        if (auto *line = main.findChild<QLineEdit *>(name))
            return line->text();
        return in<QPlainTextEdit>(name)->toPlainText();
    }
    DropDownList *list(const QString &name) const { return in<DropDownList>(name); }
    QString figure(const QString &name) const { return status.findChild<QLabel *>(name)->text(); }
    bool shown(const QString &name) const { return in(name)->isVisibleTo(&main); }
    // The visible messages of fraHaupt2, or "-" when the frame is hidden.
    QString message() const
    {
        if (!shown(u"fraHaupt2"_s))
            return u"-"_s;
        QStringList visible;
        for (const QString &name : {u"lblKÜg"_s, u"lblWnv"_s, u"lblKWe"_s}) {
            if (shown(name))
                visible << in<QLabel>(name)->text();
        }
        return visible.join(u" + "_s);
    }
    void type(const QString &word) const
    {
        txtL()->setFocus();
        txtL()->clear();
        WindowTest::typeText(txtL(), word);
        QTest::keyClick(txtL(), Qt::Key_Return);
    }
    void searchFullText(const QString &text, bool onwards) const
    {
        auto *field = in<QLineEdit>(u"txtVolltext"_s);
        field->clear();
        QTest::keyClicks(field, text);
        QTest::mouseClick(in<QPushButton>(onwards ? u"cmdVWeitersuchen"_s : u"cmdVSuchen"_s), Qt::LeftButton);
    }
    QStringList additions() const
    {
        QStringList all;
        for (int i = 0; i < 4; ++i)
            all << text(u"txtLZ%1"_s.arg(i));
        return all;
    }
    QStringList meanings() const
    {
        QStringList all;
        for (int i = 0; i < 5; ++i)
            all << text(u"txtD%1"_s.arg(i));
        return all;
    }
};

} // namespace

class TestFrmHaupt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTest::quietOffscreenWarnings(); }
    void init();
    void cleanup();

    void everyControlHasItsName_data();
    void everyControlHasItsName();
    void layoutOfTheMainWindow();
    void captionsToolTipsAndLook_data();
    void captionsToolTipsAndLook();
    void startFigures();
    void tabOrder();

    void typingAndEnter_data();
    void typingAndEnter();
    void failedLookupKeepsAdditions_data();
    void failedLookupKeepsAdditions();
    void oneMessageAtATime();

    void bookThreeLessons_data();
    void bookThreeLessons();
    void lessonWordsOfBooksOneAndTwo_data();
    void lessonWordsOfBooksOneAndTwo();
    void sameLessonTwiceListsOnce();
    void wordFromListKeepsFocusOnList();
    void arrowKeysChooseAWord();
    void enterLooksUpTypedText_data();
    void enterLooksUpTypedText();
    void enterInBookListWithoutChoiceEmptiesLessons();
    void enterInLessonListWithoutChoiceChangesNothing();
    void lessonWithoutBookChoice();
    void leavingAListIsNoChoice();
    void allWordsList();

    void fullTextSearch_data();
    void fullTextSearch();

    void rightClick_data();
    void rightClick();
    void iconFrames_data();
    void iconFrames();
    void statusMenuTogglesWindowAndMark();
    void endsWithCtrlEInInputField();
    void endsWithCloseBox();
    void helpKeys_data();
    void helpKeys();
    void helpFromPopUpMenu();
    void appearanceWindows_data();
    void appearanceWindows();
    void statusWindowF1_data();
    void statusWindowF1();
    void clockPanels();
    void clockPanelHoursAndMinutes_data();
    void clockPanelHoursAndMinutes();
};

void TestFrmHaupt::init()
{
    MessageBox::startRecording();
}

void TestFrmHaupt::cleanup()
{
    MessageBox::stopRecording();
    MessageBox::clearRecorded();
    QLocale::setDefault(QLocale::c());
}

void TestFrmHaupt::everyControlHasItsName_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"frmHaupt",
                             "lblWortEingabe",
                             "cmdSuchen",
                             "txtL",
                             "fraHaupt2",
                             "lblKÜg",
                             "lblWnv",
                             "lblKWe",
                             "lblLZ",
                             "txtLZ0",
                             "txtLZ3",
                             "lblD",
                             "txtD0",
                             "txtD4",
                             "Line1",
                             "Line2",
                             "Line3",
                             "lblManuelleSuche",
                             "CboBücher",
                             "CboLektionen",
                             "CboWörter",
                             "Line5",
                             "CboAlleWörter",
                             "Line4",
                             "lblVolltextSuche",
                             "txtVolltext",
                             "cmdVSuchen",
                             "cmdVWeitersuchen",
                             "Line6",
                             "lblBuch",
                             "txtBuch",
                             "lblLektion",
                             "txtLektion",
                             "lblTrivenna",
                             "lblWI",
                             "Image10",
                             "Image115",
                             "fraHaupt1",
                             "fraHaupt14",
                             "Time",
                             "tmeFarben",
                             "mnuDatei",
                             "mnuEnde",
                             "mnuAnsicht",
                             "mnuStatus",
                             "mnuFarben",
                             "mnuHilfe",
                             "mnuHilfe1",
                             "mnuHilfe2",
                             "mnuHilfe3"})
        QTest::newRow(name) << QString::fromUtf8(name);
    for (int i = 1; i <= 14; ++i)
        QTest::newRow(qPrintable(u"fraHaupt%1"_s.arg(i))) << u"fraHaupt%1"_s.arg(i);
}

void TestFrmHaupt::everyControlHasItsName()
{
    QFETCH(QString, name);
    Windows w;
    if (name == w.main.objectName())
        return;
    // The colour cycle's timer belongs to the colour scheme, which drives every coloured window.
    const QObject *owner = name == u"tmeFarben"_s ? static_cast<QObject *>(&w.appearance.scheme()) : &w.main;
    QVERIFY2(owner->findChild<QObject *>(name), qPrintable(name));
}

void TestFrmHaupt::layoutOfTheMainWindow()
{
    Windows w;
    QCOMPARE(w.main.windowTitle(), u"Glossand"_s);
    QCOMPARE(w.main.centralWidget()->size(), QSize(721, 694));
    QCOMPARE(w.main.minimumSize(), w.main.maximumSize());
    QCOMPARE(w.in(u"txtL"_s)->geometry(), QRect(24, 80, 465, 26));
    QCOMPARE(w.in(u"txtLZ2"_s)->geometry(), QRect(24, 256, 465, 26));
    QCOMPARE(w.in(u"txtD4"_s)->geometry(), QRect(24, 600, 465, 26));
    QCOMPARE(w.in(u"CboAlleWörter"_s)->geometry(), QRect(528, 280, 169, 21));
    QCOMPARE(w.in(u"cmdVWeitersuchen"_s)->geometry(), QRect(616, 416, 81, 17));
    QCOMPARE(w.in(u"txtLektion"_s)->geometry(), QRect(528, 576, 169, 49));
    // Labels sit in their frames at the window's coordinates.
    QCOMPARE(w.in(u"lblWI"_s)->mapTo(w.main.centralWidget(), QPoint(0, 0)), QPoint(264, 672));
    // "Weitere Informationen!" shows the hand that the about and advert windows' links show.
    QCOMPARE(w.in(u"lblWI"_s)->cursor().shape(), linkCursor().shape());
    QCOMPARE(w.in(u"lblWI"_s)->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(w.in(u"lblKWe"_s)->mapTo(w.main.centralWidget(), QPoint(0, 0)), QPoint(248, 112));
    QCOMPARE(w.in<QLabel>(u"lblKWe"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w.txtL()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(w.txtL()->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(w.txtL()->toolTip(), u"Geben sie hier bitte das gesuchte lateinische Wort ein."_s);
    QCOMPARE(w.in(u"txtD1"_s)->toolTip(), u"Hier weren die gefundenen deutschen Bedeutungen angezeigt."_s);
    QVERIFY(w.in<QLineEdit>(u"txtLZ0"_s)->isReadOnly());
    QVERIFY(w.in<QPushButton>(u"cmdSuchen"_s)->isDefault());
    QCOMPARE(items(w.list(u"CboBücher"_s)), (QStringList{u"Buch 1"_s, u"Buch 2"_s, u"Buch 3"_s}));
    QCOMPARE(w.list(u"CboBücher"_s)->currentText(), QString());
    QCOMPARE(w.main.findChild<QAction *>(u"mnuEnde"_s)->shortcut(), QKeySequence(u"Ctrl+E"_s));
    QCOMPARE(w.main.findChild<QAction *>(u"mnuFarben"_s)->text(), u"Hintergrund - Farben"_s);
    QCOMPARE(w.main.findChild<QTimer *>(u"Time"_s)->interval(), 60000);
    QVERIFY(w.main.findChild<QTimer *>(u"Time"_s)->isActive());
    // The colour cycle's timer is there from the start, stopped, interval 0.
    QCOMPARE(w.appearance.scheme().tmeFarben()->interval(), 0);
    QVERIFY(!w.appearance.scheme().tmeFarben()->isActive());
    QCOMPARE(w.main.iconAnimation()->timer()->objectName(), u"Timer"_s);
    QCOMPARE(w.main.iconAnimation()->timer()->interval(), 100);
    QVERIFY(w.main.iconAnimation()->timer()->isActive());
    QCOMPARE(w.message(), u"-"_s);
    QCOMPARE(WindowTest::focusName(), u"txtL"_s);
}

void TestFrmHaupt::captionsToolTipsAndLook_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("look"); // family size [B][I][U] colour, or empty when not checked
    QTest::addColumn<QRect>("place");  // in the window's client area, or empty when not checked
    auto main = [](const char *name, const QString &caption, const QString &tip, const QString &look,
                   QRect place = {}) {
        QTest::newRow(name) << u"frmHaupt"_s << QString::fromUtf8(name) << caption << tip << look << place;
    };
    main("lblWortEingabe", u"Bitte geben sie das gesuchte Wort ein:"_s, {}, u"Arial 15.75 BI #000080"_s,
         {24, 24, 297, 49});
    main("cmdSuchen", u"Suchen"_s, u"Klicken sie bitte hier, um den Suchvorgang zu starten."_s,
         u"System 9.75 B #000000"_s, {392, 24, 97, 33});
    main("txtL", {}, u"Geben sie hier bitte das gesuchte lateinische Wort ein."_s,
         u"Courier New 12 #000080"_s);
    main("lblKÜg", u"Keine Übereinstimmung gefunden!"_s, {}, u"MS Sans Serif 8.25 B #ff0000"_s,
         {248, 112, 241, 17});
    main("lblWnv", u"Wort nicht vorhanden!"_s, {}, u"MS Sans Serif 8.25 B #ff0000"_s);
    main("lblLZ", u"Lateinische Zusätze:"_s, {}, u"MS Sans Serif 8.25 #000080"_s, {24, 120, 121, 17});
    main("txtLZ3", {}, u"Hier werden die gefundenen lateinischen Zusätze angezeigt."_s,
         u"Courier New 12 #000080"_s, {24, 312, 465, 26});
    main("lblD", u"Deutsche Bedeutungen:"_s, {}, u"MS Sans Serif 8.25 #0000ff"_s, {24, 352, 145, 17});
    main("txtD0", {}, u"Hier weren die gefundenen deutschen Bedeutungen angezeigt."_s,
         u"Courier New 12 #0000ff"_s, {24, 376, 465, 26});
    main("lblManuelleSuche", u"Manuelle - Suche:"_s, {}, u"Arial 14.25 BIU #000000"_s, {528, 80, 169, 25});
    main("CboBücher", {},
         u"Wählen sie hier das Buch aus, in welchem das Wort, welches sie wissen wollen, vorkommt."_s,
         u"MS Sans Serif 8.25 #008000"_s, {528, 120, 169, 21});
    main("CboLektionen", {},
         u"Wählen sie hier die Lektion, in der das Wort, welches sie wissen wollen, vorkommt."_s,
         u"MS Sans Serif 8.25 #008000"_s, {528, 168, 169, 21});
    main("CboWörter", {}, u"Wählen sie hier das Wort, welches sie wissen wollen."_s,
         u"MS Sans Serif 8.25 #000080"_s, {528, 216, 169, 21});
    main("CboAlleWörter", {}, u"Wählen sie hier das Wort, welches sie wissen wollen."_s,
         u"MS Sans Serif 8.25 #000080"_s);
    main("lblVolltextSuche", u"Volltext - Suche:"_s, {}, u"Arial 14.25 BIU #000000"_s, {528, 344, 153, 25});
    main("txtVolltext", {}, u"Geben sie hier den Text ein, nach welchem gesucht werden soll."_s, {},
         {528, 384, 169, 19});
    main("cmdVSuchen", u"Suchen"_s, u"Klicken sie hier, um die Suche zu starten."_s, {}, {528, 416, 81, 17});
    main("cmdVWeitersuchen", u"Weiter suchen"_s,
         u"Klicken sie hier, um nach der aktuellen Wortnummer weiter zu suchen."_s, {});
    main("lblBuch", u"Buch:"_s, {}, u"MS Sans Serif 8.25 #008000"_s, {528, 464, 33, 17});
    main("txtBuch", {},
         u"Hier wird / werden die Nummer(n) des / der Buches / Bücher angezeigt, in dem / denen das Wort "
         u"vorkommt."_s,
         u"Courier New 12 #008000"_s, {528, 488, 169, 49});
    main("lblLektion", u"Lektion:"_s, {}, u"MS Sans Serif 8.25 #008000"_s, {528, 560, 41, 17});
    main("txtLektion", {},
         u"Hier wird / werden die Lektion(en) angezeit, in der / denen das Wort vorkommt."_s,
         u"Courier New 12 #008000"_s);
    main("lblTrivenna",
         u"Wenn sie nicht nur ein lateinisches Wörterbuch brauchen, sondern auch abgefragt werden wollen, "
         u"bestellen sie bei mir den Trivenna!"_s,
         {}, u"MS Sans Serif 8.25 #000000"_s, {16, 632, 689, 41});
    main("lblWI", u"Weitere Informationen!"_s, u"Klicken sie hier für weitere Informationen zum Trivenna."_s,
         u"MS Sans Serif 8.25 #0000ff"_s, {264, 672, 193, 25});
    main("Line1", {}, {}, {}, {507, 80, 1, 545});
    main("Line5", {}, {}, {}, {528, 256, 169, 1});
    main("Line4", {}, {}, {}, {512, 320, 185, 1});
    main("Line6", {}, {}, {}, {512, 448, 185, 1});

    auto status = [](const char *name, const QString &caption, const QString &tip, const QString &look = {}) {
        QTest::newRow(name) << u"frmAnzeige"_s << QString::fromUtf8(name) << caption << tip << look
                            << QRect();
    };
    status("lblStatus", u"Status:"_s, {});
    status("fraAllgemein", u"Allgemein"_s, {});
    const QString total = u"Hier erfahren sie, wie viele Wörter das Glossand beinhaltet."_s;
    status("lblWörter", u"Wörter (Insgesamt):"_s, total);
    status("lblW", u"50"_s, total);
    status("lblBuch2Lektionen", u"Buch 2 (Lektionen):"_s,
           u"Hier erfahren sie, wie viele Lektionen das 2. Buch beinhaltet."_s);
    status("lblB3L", u"40"_s, u"Hier erfahren sie, wie viele Lektionen das 3. Buch beinhaltet."_s);
    status("lblBuch1Wörter", u"Buch 1 (Wörter):"_s,
           u"Hier erfahren sie, wie viele Wörter das 1. Buch beinhaltet."_s);
    status("Label1", u"Buch 3 (Wörter):"_s, u"Hier erfahren sie, wie viele Wörter das 3. Buch beinhaltet."_s);
    status("lblB3W", u"17"_s, u"Hier erfahren sie, wie viele Wörter das 3. Buch beinhaltet."_s);
    status("lblDatei", u"Datei (Latein.lst):"_s, {}, u"MS Sans Serif 8.25 BIU #000000"_s);
    status("lblGröße", u"Größe (in Bytes):"_s,
           u"Hier erfahren sie die Größe der Datei \"latein.lst\" in Bytes."_s);
    status("lblLetzteÄnderung", u"Letzte Änderung:"_s,
           u"Hier erfahren sie den Zeitpunkt, an welchem die letzten Änderungen an der Datei \"latein.lst\" "
           u"vorgenommen wurden."_s);
    status("fraSuche", u"Aktuelle Lektion: Anzahl der Wörter"_s, {});
    status("lblSuche", u"Suche:"_s,
           u"Hier erfahren sie die Anzahl der Wörter, welche die Lektion(en) des aktuellen Suchergebnisses "
           u"enthält / enthalten."_s);
    status("lblManualSuche", u"Manual - Suche:"_s,
           u"Hier erfahren sie die Anzahl der Wörter, welche die aktuelle Lektion der manuellen Suche "
           u"enthält."_s);
    status("lblMS", u"-"_s,
           u"Hier erfahren sie die Anzahl der Wörter, welche die aktuelle Lektion der manuellen Suche "
           u"enthält."_s);
    status("lblAktuelleWortnummer", u"Aktuelle Wortnummer:"_s, {});
    status("lblAW", u"-"_s, {});
    status("lblAktuelleUhrzeitundDatum", u"Aktuelle Uhrzeit und Datum:"_s, {});
}

void TestFrmHaupt::captionsToolTipsAndLook()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, look);
    QFETCH(QRect, place);
    Windows w;
    QWidget *top = window == u"frmHaupt"_s ? static_cast<QWidget *>(&w.main) : &w.status;
    auto *control = top->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(control))
        shown = button->text();
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        shown = group->title();
    QCOMPARE(shown, caption);
    QCOMPARE(control->toolTip(), toolTip);
    if (!look.isEmpty()) {
        const QFont f = control->font();
        const QString style = QString(f.bold() ? u"B"_s : QString()) + (f.italic() ? u"I"_s : QString()) +
                              (f.underline() ? u"U"_s : QString());
        const QColor colour = control->palette().color(qobject_cast<QLineEdit *>(control) ||
                                                               qobject_cast<QPlainTextEdit *>(control)
                                                           ? QPalette::Text
                                                           : QPalette::WindowText);
        QStringList parts{f.family(), QString::number(f.pointSizeF())};
        if (!style.isEmpty())
            parts << style;
        parts << colour.name();
        QCOMPARE(parts.join(u' '), look);
    }
    if (!place.isNull()) {
        QWidget *client = window == u"frmHaupt"_s ? w.main.centralWidget() : top;
        QCOMPARE(QRect(control->mapTo(client, QPoint(0, 0)), control->size()), place);
    }
}

void TestFrmHaupt::startFigures()
{
    // The figures the window writes when it loads; the file's last change in German formats.
    TestSupport::ProgramDir dir;
    QFile source(WindowTest::wordListDir() + u"/latein.lst"_s);
    QVERIFY(source.open(QIODevice::ReadOnly));
    dir.write(u"latein.lst"_s, source.readAll());
    QFile copy(dir.file(u"latein.lst"_s));
    QVERIFY(copy.open(QIODevice::ReadWrite));
    QVERIFY(copy.setFileTime(QDateTime(QDate(2001, 12, 24), QTime(10, 30, 45)),
                             QFileDevice::FileModificationTime));
    copy.close();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    const WordList list = WindowTest::loadTestList();
    frmAnzeige status;
    QCOMPARE(status.findChild<QLabel *>(u"lblAW"_s)->text(), u"-"_s);
    QCOMPARE(status.findChild<QLabel *>(u"lblW"_s)->text(), QString());
    Zembrota::Appearance appearance(dir.path());
    frmHaupt main(list.words, list.lessons, &status, appearance, dir.path());
    auto figure = [&](const QString &name) { return status.findChild<QLabel *>(name)->text(); };
    QCOMPARE(figure(u"lblW"_s), u"50"_s);
    QCOMPARE(figure(u"lblB1W"_s), u"20"_s);
    QCOMPARE(figure(u"lblB2W"_s), u"13"_s);
    QCOMPARE(figure(u"lblB3W"_s), u"17"_s);
    QCOMPARE(figure(u"lblB1L"_s), u"60"_s);
    QCOMPARE(figure(u"lblB2L"_s), u"50"_s);
    QCOMPARE(figure(u"lblB3L"_s), u"40"_s);
    QCOMPARE(figure(u"lblG"_s), u"2126"_s);
    QCOMPARE(figure(u"lblZ"_s), u"290"_s);
    QCOMPARE(figure(u"lblLÄ"_s), u"24.12.2001 10:3"_s);
    QCOMPARE(main.lastChangeText(), u"24.12.2001 10:3"_s);
    QCOMPARE(figure(u"lblAW"_s), u"-"_s);
    QCOMPARE(figure(u"lblMS"_s), u"-"_s);
    QCOMPARE(figure(u"lblS"_s), u"-"_s);
    QCOMPARE(main.bookWordCount(3), qint16(17));
    QVERIFY(main.findChild<QAction *>(u"mnuStatus"_s)->isChecked());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestFrmHaupt::tabOrder()
{
    Windows w;
    const QStringList expected{u"cmdSuchen"_s,
                               u"txtLZ0"_s,
                               u"txtLZ1"_s,
                               u"txtLZ2"_s,
                               u"txtLZ3"_s,
                               u"txtD0"_s,
                               u"txtD1"_s,
                               u"txtD2"_s,
                               u"txtD3"_s,
                               u"txtD4"_s,
                               u"CboBücher"_s,
                               u"CboLektionen"_s,
                               u"CboWörter"_s,
                               u"CboAlleWörter"_s,
                               u"txtBuch"_s,
                               u"txtLektion"_s,
                               u"txtVolltext"_s,
                               u"cmdVSuchen"_s,
                               u"cmdVWeitersuchen"_s,
                               u"lblWI"_s, // the link takes the focus too
                               u"txtL"_s};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << WindowTest::focusName();
    }
    QCOMPARE(visited, expected);
}

void TestFrmHaupt::typingAndEnter_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("entryNumber");
    QTest::addColumn<QStringList>("additions");
    QTest::addColumn<QStringList>("meanings");
    QTest::addColumn<QString>("books");
    QTest::addColumn<QString>("lessons");
    QTest::addColumn<QString>("lessonCounts");
    QTest::addColumn<QString>("message");
    const QStringList none{u""_s, u""_s, u""_s, u""_s};
    const QStringList noMeanings{u""_s, u""_s, u""_s, u""_s, u""_s};
    QTest::newRow("amare: books 1 and 3")
        << u"amare"_s << u"1"_s << QStringList{u"amo, amavi, amatum"_s, u""_s, u""_s, u""_s}
        << QStringList{u"lieben"_s, u"gern haben"_s, u""_s, u""_s, u""_s} << u"1 / 3"_s << u"12 / 4.1"_s
        << u"4 / 2"_s << u"-"_s;
    QTest::newRow("upper case is another word") << u"Amare"_s << u"-"_s << none << noMeanings << u""_s
                                                << u""_s << u"-"_s << u"Wort nicht vorhanden!"_s;
    QTest::newRow("trailing blank is another word") << u"amare "_s << u"-"_s << none << noMeanings << u""_s
                                                    << u""_s << u"-"_s << u"Wort nicht vorhanden!"_s;
    QTest::newRow("no prefix match") << u"ama"_s << u"-"_s << none << noMeanings << u""_s << u""_s << u"-"_s
                                     << u"Wort nicht vorhanden!"_s;
    QTest::newRow("empty input") << u""_s << u"-"_s << none << noMeanings << u""_s << u""_s << u"-"_s
                                 << u"Kein Wort eingegeben!"_s;
    QTest::newRow("blanks are a word")
        << u"  "_s << u"-"_s << none << noMeanings << u""_s << u""_s << u"-"_s << u"Wort nicht vorhanden!"_s;
    QTest::newRow("first of two entries est")
        << u"est"_s << u"5"_s << QStringList{u"3. Pers. Sg. von esse"_s, u""_s, u""_s, u""_s}
        << QStringList{u"er, sie, es ist"_s, u""_s, u""_s, u""_s, u""_s} << u"1"_s << u"2"_s << u"3"_s
        << u"-"_s;
    QTest::newRow("no additions") << u"et"_s << u"3"_s << none
                                  << QStringList{u"und"_s, u"auch"_s, u""_s, u""_s, u""_s} << u"1"_s << u"1"_s
                                  << u"3"_s << u"-"_s;
    QTest::newRow("four additions, five meanings")
        << u"bellum"_s << u"21"_s
        << QStringList{u"belli n."_s, u"bellum gerere"_s, u"bellum inferre"_s, u"in bello"_s}
        << QStringList{u"Krieg"_s, u"Kampf"_s, u"Feldzug"_s, u"Streit"_s, u"Auseinandersetzung"_s} << u"3"_s
        << u"1.1"_s << u"3"_s << u"-"_s;
    QTest::newRow("umlaut word, last entry")
        << u"über"_s << u"43"_s << none << QStringList{u"Testwort mit Umlaut"_s, u""_s, u""_s, u""_s, u""_s}
        << u"2"_s << u"3"_s << u"2"_s << u"-"_s;
    QTest::newRow("book 3 code 40") << u"finis"_s << u"32"_s
                                    << QStringList{u"finis m."_s, u"Pl.: fines, finium"_s, u""_s, u""_s}
                                    << QStringList{u"Ende"_s, u"Grenze"_s, u"Gebiet"_s, u""_s, u""_s}
                                    << u"3"_s << u"20.2"_s << u"1"_s << u"-"_s;
    QTest::newRow("book 3 first") << u"aequor"_s << u"33"_s
                                  << QStringList{u"aequoris n."_s, u""_s, u""_s, u""_s}
                                  << QStringList{u"Meeresfläche"_s, u"Ebene"_s, u""_s, u""_s, u""_s}
                                  << u"3 / 2"_s << u"7.2 / 9"_s << u"1 / 1"_s << u"-"_s;
    QTest::newRow("three books") << u"fortis"_s << u"34"_s << QStringList{u"forte"_s, u""_s, u""_s, u""_s}
                                 << QStringList{u"tapfer"_s, u"stark"_s, u""_s, u""_s, u""_s}
                                 << u"3 / 2 / 3"_s << u"1.1 / 5 / 11.2"_s << u"3 / 3 / 2"_s << u"-"_s;
    QTest::newRow("book 2 lesson 40 unconverted")
        << u"ignis"_s << u"39"_s << QStringList{u"ignis m."_s, u""_s, u""_s, u""_s}
        << QStringList{u"Feuer"_s, u""_s, u""_s, u""_s, u""_s} << u"2"_s << u"40"_s << u"1"_s << u"-"_s;
}

void TestFrmHaupt::typingAndEnter()
{
    QFETCH(QString, word);
    QFETCH(QString, entryNumber);
    QFETCH(QStringList, additions);
    QFETCH(QStringList, meanings);
    QFETCH(QString, books);
    QFETCH(QString, lessons);
    QFETCH(QString, lessonCounts);
    QFETCH(QString, message);
    Windows w;
    w.type(word);
    QCOMPARE(w.message(), message);
    QCOMPARE(w.figure(u"lblAW"_s), entryNumber);
    QCOMPARE(w.additions(), additions);
    QCOMPARE(w.meanings(), meanings);
    QCOMPARE(w.text(u"txtBuch"_s), books);
    QCOMPARE(w.text(u"txtLektion"_s), lessons);
    QCOMPARE(w.figure(u"lblS"_s), lessonCounts);
    QCOMPARE(w.txtL()->text(), word);
    QCOMPARE(WindowTest::focusName(), u"txtL"_s);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestFrmHaupt::failedLookupKeepsAdditions_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty input") << u""_s << u"Kein Wort eingegeben!"_s;
    QTest::newRow("unknown word") << u"xyz"_s << u"Wort nicht vorhanden!"_s;
}

void TestFrmHaupt::failedLookupKeepsAdditions()
{
    QFETCH(QString, second);
    QFETCH(QString, message);
    Windows w;
    w.type(u"amare"_s);
    w.type(second);
    QCOMPARE(w.message(), message);
    // Books and lessons are emptied; additions, meanings and the figures stay.
    QCOMPARE(w.text(u"txtBuch"_s), QString());
    QCOMPARE(w.text(u"txtLektion"_s), QString());
    QCOMPARE(w.text(u"txtLZ0"_s), u"amo, amavi, amatum"_s);
    QCOMPARE(w.text(u"txtD1"_s), u"gern haben"_s);
    QCOMPARE(w.figure(u"lblAW"_s), u"1"_s);
    QCOMPARE(w.figure(u"lblS"_s), u"4 / 2"_s);
    QCOMPARE(w.txtL()->text(), second);
    // A successful lookup hides the message again.
    w.type(u"et"_s);
    QCOMPARE(w.message(), u"-"_s);
}

void TestFrmHaupt::oneMessageAtATime()
{
    Windows w;
    w.searchFullText(u"gibt es nicht"_s, false);
    QCOMPARE(w.message(), u"Keine Übereinstimmung gefunden!"_s);
    w.type(u"xyz"_s);
    QCOMPARE(w.message(), u"Wort nicht vorhanden!"_s);
    w.searchFullText(u"gibt es nicht"_s, false);
    QCOMPARE(w.message(), u"Keine Übereinstimmung gefunden!"_s);
    w.type(u""_s);
    QCOMPARE(w.message(), u"Kein Wort eingegeben!"_s);
}

void TestFrmHaupt::bookThreeLessons_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("Lektion 1.1 is code 1")
        << 0 << u"Lektion 1.1"_s << QStringList{u"amicus"_s, u"bellum"_s, u"fortis"_s};
    QTest::newRow("Lektion 1.2 is code 2") << 1 << u"Lektion 1.2"_s << QStringList{u"pax"_s};
    QTest::newRow("Lektion 2.1 is code 3") << 2 << u"Lektion 2.1"_s << QStringList{u"rex"_s};
    QTest::newRow("Lektion 4.1 is code 7") << 6 << u"Lektion 4.1"_s << QStringList{u"amare"_s, u"urbs"_s};
    QTest::newRow("Lektion 5.2 is code 10") << 9 << u"Lektion 5.2"_s << QStringList{u"navis"_s};
    QTest::newRow("Lektion 10.1 is code 19") << 18 << u"Lektion 10.1"_s << QStringList{u"flumen"_s};
    QTest::newRow("Lektion 19.1 is code 37") << 36 << u"Lektion 19.1"_s << QStringList{u"iter"_s};
    QTest::newRow("Lektion 20.1 is code 39") << 38 << u"Lektion 20.1"_s << QStringList{u"corpus"_s};
    QTest::newRow("Lektion 20.2 is code 40") << 39 << u"Lektion 20.2"_s << QStringList{u"finis"_s};
    QTest::newRow("Lektion 3.1 is code 5, empty") << 4 << u"Lektion 3.1"_s << QStringList{};
}

void TestFrmHaupt::bookThreeLessons()
{
    QFETCH(int, position);
    QFETCH(QString, caption);
    QFETCH(QStringList, words);
    Windows w;
    choose(w.list(u"CboBücher"_s), 2);
    QCOMPARE(w.list(u"CboBücher"_s)->currentText(), u"Buch 3"_s);
    const QStringList captions = items(w.list(u"CboLektionen"_s));
    QCOMPARE(captions.size(), 40);
    QCOMPARE(captions.first(), u"Lektion 1.1"_s);
    QCOMPARE(captions.last(), u"Lektion 20.2"_s);
    choose(w.list(u"CboLektionen"_s), position);
    QCOMPARE(w.list(u"CboLektionen"_s)->currentText(), caption);
    QCOMPARE(items(w.list(u"CboWörter"_s)), words);
    QCOMPARE(w.figure(u"lblMS"_s), QString::number(words.size()));
    QCOMPARE(w.main.lessonWordCount(), words.size());
}

void TestFrmHaupt::lessonWordsOfBooksOneAndTwo_data()
{
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("book 1 lesson 1") << 0 << 1 << QStringList{u"esse"_s, u"et"_s, u"non"_s};
    QTest::newRow("book 1 lesson 60, case-insensitive order")
        << 0 << 60 << QStringList{u"aqua"_s, u"Aqua"_s, u"caelum"_s, u"terra"_s};
    QTest::newRow("book 1 lesson 4 sorted") << 0 << 4 << QStringList{u"clamare"_s, u"Ubi"_s, u"videre"_s};
    QTest::newRow("book 2 lesson 50, the last") << 1 << 50 << QStringList{u"puella"_s};
    QTest::newRow("book 2 lesson 5, two entries est and more")
        << 1 << 5 << QStringList{u"amicus"_s, u"est"_s, u"fortis"_s};
    QTest::newRow("book 2 lesson 10 without words") << 1 << 10 << QStringList{};
}

void TestFrmHaupt::lessonWordsOfBooksOneAndTwo()
{
    QFETCH(int, book);
    QFETCH(int, lesson);
    QFETCH(QStringList, words);
    Windows w;
    choose(w.list(u"CboBücher"_s), book);
    QCOMPARE(w.list(u"CboLektionen"_s)->count(), book == 0 ? 60 : 50);
    choose(w.list(u"CboLektionen"_s), lesson - 1);
    QCOMPARE(w.list(u"CboLektionen"_s)->currentText(), u"Lektion %1"_s.arg(lesson));
    QCOMPARE(items(w.list(u"CboWörter"_s)), words);
    QCOMPARE(w.figure(u"lblMS"_s), QString::number(words.size()));
}

void TestFrmHaupt::sameLessonTwiceListsOnce()
{
    Windows w;
    choose(w.list(u"CboBücher"_s), 0);
    choose(w.list(u"CboLektionen"_s), 0);
    choose(w.list(u"CboLektionen"_s), 0);
    QCOMPARE(items(w.list(u"CboWörter"_s)), (QStringList{u"esse"_s, u"et"_s, u"non"_s}));
    // Another book empties lessons and words but keeps the lesson count.
    choose(w.list(u"CboBücher"_s), 1);
    QCOMPARE(w.list(u"CboLektionen"_s)->count(), 50);
    QCOMPARE(w.list(u"CboLektionen"_s)->currentText(), QString());
    QCOMPARE(w.list(u"CboWörter"_s)->count(), 0);
    QCOMPARE(w.figure(u"lblMS"_s), u"3"_s);
}

void TestFrmHaupt::wordFromListKeepsFocusOnList()
{
    Windows w;
    choose(w.list(u"CboBücher"_s), 0);
    choose(w.list(u"CboLektionen"_s), 1);
    QCOMPARE(items(w.list(u"CboWörter"_s)), (QStringList{u"est"_s, u"servus"_s, u"villa"_s}));
    choose(w.list(u"CboWörter"_s), 1);
    QCOMPARE(w.txtL()->text(), u"servus"_s);
    QCOMPARE(w.text(u"txtD0"_s), u"Sklave"_s);
    QCOMPARE(w.figure(u"lblAW"_s), u"6"_s);
    QCOMPARE(WindowTest::focusName(), u"CboWörter"_s);
    // "Suchen" puts the focus back into the input field.
    QTest::mouseClick(w.in(u"cmdSuchen"_s), Qt::LeftButton);
    QCOMPARE(WindowTest::focusName(), u"txtL"_s);
    QCOMPARE(w.text(u"txtD0"_s), u"Sklave"_s);
}

void TestFrmHaupt::arrowKeysChooseAWord()
{
    Windows w;
    DropDownList *all = w.list(u"CboAlleWörter"_s);
    all->setFocus();
    QTest::keyClick(all, Qt::Key_Down);
    QCOMPARE(all->currentText(), u"aequor"_s);
    QCOMPARE(w.txtL()->text(), u"aequor"_s);
    QCOMPARE(w.figure(u"lblAW"_s), u"33"_s);
    // aequor stands in two lessons, so it is listed twice.
    QTest::keyClick(all, Qt::Key_Down);
    QCOMPARE(all->listIndex(), 1);
    QTest::keyClick(all, Qt::Key_Down);
    QCOMPARE(all->listIndex(), 2);
    QCOMPARE(w.txtL()->text(), u"ager"_s);
    QCOMPARE(w.figure(u"lblAW"_s), u"19"_s);
}

void TestFrmHaupt::enterLooksUpTypedText_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("entryNumber");
    QTest::newRow("all words, word in the list") << u"CboAlleWörter"_s << u"vita"_s << u"-"_s << u"41"_s;
    QTest::newRow("all words, word not in any lesson list")
        << u"CboAlleWörter"_s << u"über"_s << u"-"_s << u"43"_s;
    QTest::newRow("all words, unknown")
        << u"CboAlleWörter"_s << u"xyz"_s << u"Wort nicht vorhanden!"_s << u"-"_s;
    QTest::newRow("lesson words, typed") << u"CboWörter"_s << u"pax"_s << u"-"_s << u"22"_s;
    QTest::newRow("lesson words, nothing typed")
        << u"CboWörter"_s << u""_s << u"Kein Wort eingegeben!"_s << u"-"_s;
}

void TestFrmHaupt::enterLooksUpTypedText()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, entryNumber);
    Windows w;
    DropDownList *target = w.list(list);
    target->setFocus();
    WindowTest::typeText(target->lineEdit(), typed);
    QTest::keyClick(target->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.message(), message);
    QCOMPARE(w.figure(u"lblAW"_s), entryNumber);
    QCOMPARE(w.txtL()->text(), typed);
    // Typed text never becomes an item.
    QVERIFY(!items(target).contains(u"xyz"_s));
    QCOMPARE(WindowTest::focusName(), list);
}

void TestFrmHaupt::enterInBookListWithoutChoiceEmptiesLessons()
{
    Windows w;
    choose(w.list(u"CboBücher"_s), 0);
    choose(w.list(u"CboLektionen"_s), 0);
    DropDownList *books = w.list(u"CboBücher"_s);
    books->lineEdit()->selectAll();
    QTest::keyClicks(books->lineEdit(), u"Buch 2"_s);
    QCOMPARE(books->listIndex(), -1);
    QTest::keyClick(books->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.list(u"CboLektionen"_s)->count(), 0);
    QCOMPARE(w.list(u"CboWörter"_s)->count(), 0);
    QCOMPARE(w.list(u"CboWörter"_s)->currentText(), QString());
}

void TestFrmHaupt::enterInLessonListWithoutChoiceChangesNothing()
{
    Windows w;
    choose(w.list(u"CboBücher"_s), 0);
    choose(w.list(u"CboLektionen"_s), 0);
    DropDownList *lessons = w.list(u"CboLektionen"_s);
    lessons->lineEdit()->selectAll();
    QTest::keyClicks(lessons->lineEdit(), u"Lektion 2"_s);
    QTest::keyClick(lessons->lineEdit(), Qt::Key_Return);
    QCOMPARE(items(w.list(u"CboWörter"_s)), (QStringList{u"esse"_s, u"et"_s, u"non"_s}));
    QCOMPARE(w.figure(u"lblMS"_s), u"3"_s);
}

void TestFrmHaupt::lessonWithoutBookChoice()
{
    // The book's text was changed after its lessons were listed: no book, so no words.
    Windows w;
    choose(w.list(u"CboBücher"_s), 0);
    choose(w.list(u"CboLektionen"_s), 0);
    DropDownList *books = w.list(u"CboBücher"_s);
    books->lineEdit()->selectAll();
    QTest::keyClicks(books->lineEdit(), u"Buch"_s);
    choose(w.list(u"CboLektionen"_s), 1);
    QCOMPARE(w.list(u"CboWörter"_s)->count(), 0);
    QCOMPARE(w.figure(u"lblMS"_s), u"3"_s);
}

void TestFrmHaupt::leavingAListIsNoChoice()
{
    // Typing an item's text and leaving the list with Tab looks nothing up.
    Windows w;
    DropDownList *all = w.list(u"CboAlleWörter"_s);
    all->setFocus();
    QTest::keyClicks(all->lineEdit(), u"vita"_s);
    QTest::keyClick(all->lineEdit(), Qt::Key_Tab);
    QCOMPARE(w.figure(u"lblAW"_s), u"-"_s);
    QCOMPARE(w.txtL()->text(), QString());
    QCOMPARE(all->listIndex(), -1);
}

void TestFrmHaupt::allWordsList()
{
    Windows w;
    const QStringList all = items(w.list(u"CboAlleWörter"_s));
    QCOMPARE(all.size(), 50);
    QCOMPARE(w.figure(u"lblW"_s), u"50"_s);
    QCOMPARE(all.count(u"amicus"_s), 3);
    QCOMPARE(all.count(u"fortis"_s), 3);
    QCOMPARE(all.count(u"über"_s), 1);
    QCOMPARE(all.first(), u"aequor"_s);
    QCOMPARE(all.mid(3, 6),
             (QStringList{u"amare"_s, u"amare"_s, u"amicus"_s, u"amicus"_s, u"amicus"_s, u"aqua"_s}));
    for (qsizetype i = 1; i < all.size(); ++i)
        QVERIFY2(QString::compare(all[i - 1], all[i], Qt::CaseInsensitive) <= 0, qPrintable(all[i]));
    choose(w.list(u"CboAlleWörter"_s), 3);
    QCOMPARE(w.txtL()->text(), u"amare"_s);
    QCOMPARE(w.figure(u"lblAW"_s), u"1"_s);
}

void TestFrmHaupt::fullTextSearch_data()
{
    QTest::addColumn<QString>("text");
    // Each step: "S" for Suchen or "W" for Weiter suchen, then the shown lblAW or the message.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("Weiter suchen right after start-up searches from entry 1")
        << u"Sklave"_s << QStringList{u"W 6"_s, u"W Keine Übereinstimmung gefunden!"_s};
    QTest::newRow("meaning found, then on to the next entry")
        << u"Stadt"_s << QStringList{u"S 17"_s, u"W 24"_s, u"W Keine Übereinstimmung gefunden!"_s, u"S 17"_s};
    QTest::newRow("case matters") << u"Lieben"_s << QStringList{u"S Keine Übereinstimmung gefunden!"_s};
    QTest::newRow("empty text finds every entry") << u""_s << QStringList{u"S 1"_s, u"W 2"_s, u"W 3"_s};
    QTest::newRow("trailing blank matches fill blanks") << u"amare "_s << QStringList{u"S 1"_s};
    QTest::newRow("hit in a second entry with the same word shows the first")
        << u"isst"_s << QStringList{u"S 5"_s, u"W 5"_s, u"W 5"_s};
    QTest::newRow("book line") << u"$3 / 2 / 3"_s
                               << QStringList{u"S 34"_s, u"W Keine Übereinstimmung gefunden!"_s};
    QTest::newRow("last entry, then nothing")
        << u"Umlaut"_s << QStringList{u"W 43"_s, u"W Keine Übereinstimmung gefunden!"_s};
}

void TestFrmHaupt::fullTextSearch()
{
    QFETCH(QString, text);
    QFETCH(QStringList, steps);
    Windows w;
    for (const QString &step : steps) {
        const bool onwards = step.startsWith(u'W');
        const QString expected = step.mid(2);
        w.searchFullText(text, onwards);
        if (expected.front().isDigit()) {
            QCOMPARE(w.message(), u"-"_s);
            QCOMPARE(w.figure(u"lblAW"_s), expected);
            QCOMPARE(WindowTest::focusName(), u"txtL"_s);
        } else {
            QCOMPARE(w.message(), expected);
        }
    }
}

void TestFrmHaupt::rightClick_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at"); // in the client area
    QTest::addColumn<bool>("popUp");
    QTest::newRow("free background") << QString() << QPoint(600, 40) << true;
    QTest::newRow("background between the result fields") << QString() << QPoint(300, 190) << true;
    QTest::newRow("button") << u"cmdSuchen"_s << QPoint() << false;
    QTest::newRow("full-text button") << u"cmdVSuchen"_s << QPoint() << false;
    QTest::newRow("label in its frame") << u"lblLZ"_s << QPoint() << false;
    QTest::newRow("frame of the messages") << u"fraHaupt13"_s << QPoint() << false;
}

void TestFrmHaupt::rightClick()
{
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(bool, popUp);
    Windows w;
    auto *menu = w.main.findChild<QMenu *>(u"mnuHilfe"_s);
    QWidget *target = control.isEmpty() ? w.main.centralWidget() : w.in(control);
    const QPoint pos = control.isEmpty() ? at : target->rect().center();
    QVERIFY(!control.isEmpty() || !w.main.centralWidget()->childAt(at));
    QTest::mouseClick(target, Qt::RightButton, {}, pos);
    QCOMPARE(menu->isVisible(), popUp);
    if (popUp) {
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions().at(0)->text(), u"Inhalt"_s);
        menu->hide();
    }
    // The left button never opens it.
    if (control.isEmpty()) {
        QTest::mouseClick(target, Qt::LeftButton, {}, pos);
        QVERIFY(!menu->isVisible());
    }
}

void TestFrmHaupt::iconFrames_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("frame");
    QTest::newRow("first tick shows frame 1") << 1 << 1;
    QTest::newRow("16 ticks show frame 0") << 16 << 0;
    QTest::newRow("17 ticks show frame 1") << 17 << 1;
}

void TestFrmHaupt::iconFrames()
{
    QFETCH(int, ticks);
    QFETCH(int, frame);
    Windows w;
    IconAnimation *animation = w.main.iconAnimation();
    QVERIFY(animation->timer()->isActive());
    animation->timer()->stop();
    for (int i = 0; i < ticks; ++i)
        animation->NextIconFrame();
    QCOMPARE(animation->frame(), frame);
    const QImage shown = w.main.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage expected = IconFrames::frame(frame).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown, expected);
    const QImage other = IconFrames::frame((frame + 1) % 16).toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(shown != other);
}

void TestFrmHaupt::statusMenuTogglesWindowAndMark()
{
    Windows w;
    auto *status = w.main.findChild<QAction *>(u"mnuStatus"_s);
    QVERIFY(status->isChecked());
    w.type(u"amare"_s);
    QTest::keyClick(w.txtL(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!status->isChecked());
    QVERIFY(!w.status.isVisible());
    status->trigger();
    QVERIFY(status->isChecked());
    QVERIFY(w.status.isVisible());
    // The window has no close box: a close request from the desktop leaves it shown, in step
    // with the mark.
    QVERIFY(!w.status.close());
    QVERIFY(w.status.isVisible());
    QVERIFY(status->isChecked());
    // Hiding keeps every figure.
    QCOMPARE(w.figure(u"lblAW"_s), u"1"_s);
    QCOMPARE(w.figure(u"lblW"_s), u"50"_s);
}

void TestFrmHaupt::endsWithCtrlEInInputField()
{
    Windows w;
    QSignalSpy ended(&w.main, &frmHaupt::EndRequested);
    QTest::keyClicks(w.txtL(), u"amare"_s);
    w.txtL()->setCursorPosition(0);
    QTest::keyClick(w.txtL(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(ended.size(), 1);
    // The field did not take the key as "end of line".
    QCOMPARE(w.txtL()->cursorPosition(), 0);
    // Also from inside a list's edit field.
    w.list(u"CboAlleWörter"_s)->setFocus();
    QTest::keyClick(w.list(u"CboAlleWörter"_s)->lineEdit(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(ended.size(), 2);
}

void TestFrmHaupt::endsWithCloseBox()
{
    Windows w;
    QSignalSpy ended(&w.main, &frmHaupt::EndRequested);
    w.main.close();
    QCOMPARE(ended.size(), 1);
}

void TestFrmHaupt::helpKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("topic");
    QTest::newRow("F1 in the input field") << u"txtL"_s << int(Qt::Key_F1) << u"Inhalt"_s;
    QTest::newRow("F2 in the input field") << u"txtL"_s << int(Qt::Key_F2) << u"Index"_s;
    QTest::newRow("F1 in the search field") << u"txtVolltext"_s << int(Qt::Key_F1) << u"Inhalt"_s;
    QTest::newRow("F2 in the lesson box") << u"txtLektion"_s << int(Qt::Key_F2) << u"Index"_s;
    QTest::newRow("F1 on a button") << u"cmdVSuchen"_s << int(Qt::Key_F1) << u"Inhalt"_s;
}

void TestFrmHaupt::helpKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, topic);
    WindowTest::HelpRecorder help;
    Windows w;
    QWidget *target = w.in(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(help.arguments, QStringList{u"tessavor "_s + help.dir() + u"/zembrota.vry, "_s + topic});
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestFrmHaupt::helpFromPopUpMenu()
{
    WindowTest::HelpRecorder help;
    Windows w;
    auto *menu = w.main.findChild<QMenu *>(u"mnuHilfe"_s);
    QTest::mouseClick(w.main.centralWidget(), Qt::RightButton, {}, QPoint(600, 40));
    QVERIFY(menu->isVisible());
    menu->actions().at(1)->trigger();
    menu->hide();
    QCOMPARE(help.arguments, QStringList{u"tessavor "_s + help.dir() + u"/zembrota.vry, Index"_s});
}

void TestFrmHaupt::appearanceWindows_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("window"); // 0 colours dialog, 1 about window, 2 advert window
    QTest::newRow("Ctrl+F opens the colours dialog") << u"Ctrl+F"_s << 0;
    QTest::newRow("F3 opens the about window") << u"F3"_s << 1;
    QTest::newRow("Info in the pop-up menu") << u"popup"_s << 1;
    QTest::newRow("a click on lblWI opens the advert") << u"lblWI"_s << 2;
}

void TestFrmHaupt::appearanceWindows()
{
    QFETCH(QString, how);
    QFETCH(int, window);
    Windows w;
    if (how == u"lblWI"_s) {
        QTest::mouseClick(w.in(u"lblWI"_s), Qt::LeftButton);
    } else if (how == u"popup"_s) {
        QTest::mouseClick(w.main.centralWidget(), Qt::RightButton, {}, QPoint(600, 40));
        auto *menu = w.main.findChild<QMenu *>(u"mnuHilfe"_s);
        QVERIFY(menu->isVisible());
        menu->actions().at(2)->trigger();
        menu->hide();
    } else {
        QTest::keySequence(w.txtL(), QKeySequence(how));
    }
    QWidget *shown = window == 0   ? static_cast<QWidget *>(w.appearance.coloursDialog())
                     : window == 1 ? static_cast<QWidget *>(w.appearance.aboutWindow())
                                   : static_cast<QWidget *>(w.appearance.advertWindow());
    QVERIFY(shown->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    shown->hide();
}

void TestFrmHaupt::statusWindowF1_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("help");
    QTest::newRow("F1") << int(Qt::NoModifier) << int(Qt::Key_F1) << true;
    QTest::newRow("Shift+F1") << int(Qt::ShiftModifier) << int(Qt::Key_F1) << true;
    QTest::newRow("Ctrl+F1") << int(Qt::ControlModifier) << int(Qt::Key_F1) << true;
    QTest::newRow("Alt+F1") << int(Qt::AltModifier) << int(Qt::Key_F1) << true;
    QTest::newRow("F2 does nothing") << int(Qt::NoModifier) << int(Qt::Key_F2) << false;
    QTest::newRow("a letter does nothing") << int(Qt::NoModifier) << int(Qt::Key_A) << false;
}

void TestFrmHaupt::statusWindowF1()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(bool, help);
    WindowTest::HelpRecorder recorder;
    frmAnzeige status;
    status.show();
    QVERIFY(QTest::qWaitForWindowExposed(&status));
    QVERIFY(status.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(status.windowTitle(), u"Glossand: Status"_s);
    QCOMPARE(status.size(), QSize(240, 436));
    QTest::keyClick(&status, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const QStringList expected{u"tessavor "_s + recorder.dir() + u"/zembrota.vry, Status - Anzeige"_s};
    QCOMPARE(recorder.arguments, help ? expected : QStringList());
}

void TestFrmHaupt::clockPanels()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmAnzeige status;
    QDateTime now(QDate(2001, 12, 24), QTime(10, 30, 45));
    status.setClock([&now] { return now; });
    auto *time = status.findChild<QLabel *>(u"StatusBarPanel1Text"_s);
    auto *date = status.findChild<QLabel *>(u"StatusBarPanel2Text"_s);
    QCOMPARE(time->text(), u"10:30"_s);
    QCOMPARE(date->text(), u"24.12.2001"_s);
    QCOMPARE(status.findChild<QWidget *>(u"StatusBarPanel1"_s)->toolTip(),
             u"Hier erfahren sie die aktuelle Uhrzeit."_s);
    now = QDateTime(QDate(2001, 12, 25), QTime(0, 1, 0));
    status.RefreshClockPanel();
    QCOMPARE(time->text(), u"00:01"_s);
    QCOMPARE(date->text(), u"24.12.2001"_s);
    // The window's own tick keeps both panels current.
    QTRY_COMPARE_WITH_TIMEOUT(date->text(), u"25.12.2001"_s, 3000);
    QCOMPARE(status.findChild<QLabel *>(u"lblZ"_s)->toolTip(),
             u"Hier erfahren sie die Anzahl der Zeilen der Datei \"leitein.lst\" enthält."_s);
    QCOMPARE(status.findChild<QLabel *>(u"lblZeilen"_s)->toolTip(),
             u"Hier erfahren sie die Anzahl der Zeilen, welche die Datei \"leitein.lst\" enthält."_s);
}

void TestFrmHaupt::clockPanelHoursAndMinutes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << u"10:30"_s;
    // The C locale's short time format has seconds; the panel leaves them out.
    QTest::newRow("C locale") << QLocale::c() << u"10:30"_s;
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << u"10:30 AM"_s;
    QTest::newRow("Finnish") << QLocale(QLocale::Finnish, QLocale::Finland) << u"10.30"_s;
}

void TestFrmHaupt::clockPanelHoursAndMinutes()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);
    QLocale::setDefault(locale);
    frmAnzeige status;
    status.setClock([] { return QDateTime(QDate(2001, 12, 24), QTime(10, 30, 45)); });
    QCOMPARE(status.findChild<QLabel *>(u"StatusBarPanel1Text"_s)->text(), shown);
    status.RefreshClockPanel();
    QCOMPARE(status.findChild<QLabel *>(u"StatusBarPanel1Text"_s)->text(), shown);
}

QTEST_MAIN(TestFrmHaupt)
#include "test_frmhaupt.moc"
