// The dictionary's windows as assistive technology and the keyboard reach them: every field and
// list has an accessible name, captions are buddies of their fields, links are links, and Enter
// in the full-text field searches.
#include "common/ui/linklabel.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/appearance/frmfarben.h"
#include "dictionary/windows/frmanzeige.h"
#include "dictionary/windows/frmhaupt.h"
#include "tests/dictionary/windows/windowtestsupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

using Windows = WindowTest::MainWindows;

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every text field, text area and drop-down list of a window, with its name.
QStringList unnamedFields(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool field = (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())) ||
                           qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w);
        if (field && accessibleName(w).isEmpty())
            unnamed << w->objectName();
    }
    return unnamed;
}

} // namespace

class TestKeyboardAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mainWindowNames_data();
    void mainWindowNames();
    void everyFieldNamed();
    void enterInFullTextFieldSearches();
    void linkLabelIsALink();
};

void TestKeyboardAccess::mainWindowNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("buddyOf"); // the label whose buddy the field is, or empty
    QTest::newRow("word field") << u"txtL"_s << u"Bitte geben sie das gesuchte Wort ein"_s
                                << u"lblWortEingabe"_s;
    QTest::newRow("first addition") << u"txtLZ0"_s << u"Lateinische Zusätze"_s << u"lblLZ"_s;
    QTest::newRow("first meaning") << u"txtD0"_s << u"Deutsche Bedeutungen"_s << u"lblD"_s;
    QTest::newRow("books") << u"txtBuch"_s << u"Buch"_s << u"lblBuch"_s;
    QTest::newRow("lessons") << u"txtLektion"_s << u"Lektion"_s << u"lblLektion"_s;
}

void TestKeyboardAccess::mainWindowNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, buddyOf);
    Windows w;
    QWidget *field = w.main.findChild<QWidget *>(control);
    QVERIFY2(field, qPrintable(control));
    QCOMPARE(accessibleName(field), name);
    auto *label = w.main.findChild<QLabel *>(buddyOf);
    QVERIFY2(label, qPrintable(buddyOf));
    QCOMPARE(label->buddy(), field);
}

void TestKeyboardAccess::everyFieldNamed()
{
    Windows w;
    QCOMPARE(unnamedFields(&w.main), QStringList());
    QCOMPARE(unnamedFields(w.appearance.coloursDialog()), QStringList());
}

void TestKeyboardAccess::enterInFullTextFieldSearches()
{
    Windows w;
    auto *field = w.main.findChild<QLineEdit *>(u"txtVolltext"_s);
    field->setFocus();
    QTest::keyClicks(field, u"Stadt"_s);
    QTest::keyClick(field, Qt::Key_Return);
    // The first entry with the text is shown, as "Suchen" shows it.
    QCOMPARE(w.status.findChild<QLabel *>(u"lblAW"_s)->text(), u"17"_s);
    QTest::keyClick(w.main.findChild<QLineEdit *>(u"txtVolltext"_s), Qt::Key_Return);
    QCOMPARE(w.status.findChild<QLabel *>(u"lblAW"_s)->text(), u"17"_s); // a new search, not onwards
}

void TestKeyboardAccess::linkLabelIsALink()
{
    Windows w;
    auto *more = w.main.findChild<QLabel *>(u"lblWI"_s);
    QVERIFY(more);
    QCOMPARE(more->cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboardaccess.moc"
