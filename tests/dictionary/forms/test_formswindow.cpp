// The Latin forms in the real main window (offscreen): the hint lines after a lookup, following a
// hint by keyboard, and the forms window from the "Ansicht" menu, painted by the colour settings.
#include "dictionary/appearance/appearance.h"
#include "dictionary/windows/formsassistant.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmformen.h"
#include "dictionary/windows/frmhaupt.h"
#include "tests/dictionary/windows/windowtestsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

struct Windows : WindowTest::MainWindows
{
    Windows() : WindowTest::MainWindows(false) { main.forms()->waitForIndex(); }
    template <typename T = QWidget> T *in(const QString &name) const { return main.findChild<T *>(name); }
    void lookUp(const QString &word)
    {
        in<QLineEdit>(u"txtL"_s)->setText(word);
        QTest::mouseClick(in<QPushButton>(u"cmdSuchen"_s), Qt::LeftButton);
    }
    QString hints() const
    {
        QLabel *label = in<QLabel>(u"lblFormen"_s);
        return label->isVisible() ? label->toolTip() : QString();
    }
};

} // namespace

class TestFormsWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WindowTest::quietOffscreenWarnings(); }
    void hints_data();
    void hints();
    void followHintByKeyboard();
    void formsWindow();
    void indexBuiltOnceTheWindowIsDrawn();
};

void TestFormsWindow::hints_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("notPresent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Form") << u"amat"_s << true << u"Form von amare: 3. Pers. Sg. Präs. Ind. Akt."_s;
    QTest::newRow("Adjektiv") << u"bonae"_s << true << u"Form von bonus: Gen. Sg. / Dat. Sg. / Nom. Pl. f."_s;
    QTest::newRow("groß geschrieben") << u"Puellam"_s << true << u"Form von puella: Akk. Sg."_s;
    QTest::newRow("Stichwort und Form")
        << u"est"_s << false << u"auch: Form von esse: 3. Pers. Sg. Präs. Ind."_s;
    QTest::newRow("Stichwort allein") << u"puella"_s << false << QString();
    QTest::newRow("keine Form") << u"Haus"_s << true << QString();
    QTest::newRow("leer") << QString() << false << QString();
}

void TestFormsWindow::hints()
{
    QFETCH(QString, word);
    QFETCH(bool, notPresent);
    QFETCH(QString, expected);
    Windows w;
    w.lookUp(u"amat"_s); // a hint from before must go
    w.lookUp(word);
    QCOMPARE(w.in<QLabel>(u"lblWnv"_s)->isVisible(), notPresent);
    QCOMPARE(w.hints(), expected);
    if (!expected.isEmpty()) {
        // The hint covers no control.
        const QRect place = w.in<QLabel>(u"lblFormen"_s)->geometry();
        for (QWidget *control : w.in(u"Client"_s)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (control->objectName() != u"lblFormen"_s && control->isVisible())
                QVERIFY2(!control->geometry().intersects(place), qPrintable(control->objectName()));
    }
}

void TestFormsWindow::followHintByKeyboard()
{
    Windows w;
    w.lookUp(u"amavistis"_s);
    QLabel *hint = w.in<QLabel>(u"lblFormen"_s);
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().contains(u"<b>amare</b>"_s));
    // The hint is in the tab chain; Enter on its link looks the entry up as if typed.
    QTest::keyClick(w.in<QLineEdit>(u"txtL"_s), Qt::Key_Tab);  // to "Suchen"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the hint's link
    QCOMPARE(QApplication::focusWidget(), hint);
    QTest::keyClick(hint, Qt::Key_Return);
    QCOMPARE(w.in<QLineEdit>(u"txtL"_s)->text(), u"amare"_s);
    QCOMPARE(w.in<QLineEdit>(u"txtLZ0"_s)->text(), u"amo, amavi, amatum"_s);
    QVERIFY(!w.in<QLabel>(u"lblWnv"_s)->isVisible());
    QVERIFY(!hint->isVisible());
}

void TestFormsWindow::formsWindow()
{
    Windows w;
    QAction *menu = w.main.findChild<QAction *>(u"mnuFormen"_s);
    QVERIFY(menu);
    QCOMPARE(menu->text(), u"Formen"_s);
    QCOMPARE(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    QVERIFY(!menu->toolTip().isEmpty());
    QVERIFY(w.in<QMenu>(u"mnuAnsicht"_s)->actions().contains(menu));

    w.lookUp(u"amare"_s);
    menu->trigger();
    frmFormen *formen = w.main.forms()->formsWindow();
    QVERIFY(formen->isVisible());
    QCOMPARE(formen->objectName(), u"frmFormen"_s);
    QCOMPARE(formen->windowTitle(), u"Formen"_s);
    QCOMPARE(formen->table().heading, u"amare (amo, amavi, amatum)"_s);
    QVERIFY(formen->findChild<QTextBrowser *>(u"txtFormen"_s)->toPlainText().contains(u"amavissemus"_s));

    // It follows the next lookup.
    w.lookUp(u"puella"_s);
    QCOMPARE(formen->table().heading, u"puella (puellae f.)"_s);
    QVERIFY(formen->findChild<QTextBrowser *>(u"txtFormen"_s)->toPlainText().contains(u"puellarum"_s));

    // The colour settings paint it like the other windows.
    w.appearance.scheme().FensterFaerben(Background::of(Colour{200, 10, 30}));
    QCOMPARE(formen->palette().color(QPalette::Window), QColor(200, 10, 30));

    // Escape closes it.
    QTest::keyClick(formen, Qt::Key_Escape);
    QVERIFY(!formen->isVisible());
}

void TestFormsWindow::indexBuiltOnceTheWindowIsDrawn()
{
    // Nobody waits for the index: the shown main window starts it after its first frame, and the
    // hints come once it is ready.
    WindowTest::MainWindows shown(false);
    shown.main.findChild<QLineEdit *>(u"txtL"_s)->setText(u"amat"_s);
    QTest::mouseClick(shown.main.findChild<QPushButton *>(u"cmdSuchen"_s), Qt::LeftButton);
    QLabel *label = shown.main.findChild<QLabel *>(u"lblFormen"_s);
    QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 10000);
    QCOMPARE(label->toolTip(), u"Form von amare: 3. Pers. Sg. Präs. Ind. Akt."_s);
}

QTEST_MAIN(TestFormsWindow)
#include "test_formswindow.moc"
