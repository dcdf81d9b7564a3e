// Accessible names and buddies from the labels beside the fields, as assistive technology sees them.
#include "common/ui/accessiblenames.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

class TestAccessibleNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionOf_data();
    void captionOf();
    void standsBeside_data();
    void standsBeside();
    void assign();
};

void TestAccessibleNames::captionOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("colon") << u"Rot:"_s << u"Rot"_s;
    QTest::newRow("accelerator") << u"&Wechsel (in Millisek.):"_s << u"Wechsel (in Millisek.)"_s;
    QTest::newRow("literal ampersand") << u"Rot && Blau"_s << u"Rot & Blau"_s;
    QTest::newRow("blanks and line breaks")
        << u"  Bitte geben sie das\ngesuchte Wort ein: "_s << u"Bitte geben sie das gesuchte Wort ein"_s;
    QTest::newRow("rich text") << u"<b>Buch:</b>"_s << u"Buch"_s;
    QTest::newRow("colon inside stays") << u"Status: Buch 1"_s << u"Status: Buch 1"_s;
}

void TestAccessibleNames::captionOf()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(AccessibleNames::captionOf(text), caption);
}

void TestAccessibleNames::standsBeside_data()
{
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QRect>("field");
    QTest::addColumn<bool>("beside");
    const QRect field(100, 100, 120, 20);
    QTest::newRow("left, same line") << QRect(40, 102, 50, 16) << field << true;
    QTest::newRow("left, 16 pixels apart") << QRect(35, 102, 50, 16) << field << true;
    QTest::newRow("left, too far") << QRect(20, 102, 50, 16) << field << false;
    QTest::newRow("left, a line lower") << QRect(40, 130, 50, 16) << field << false;
    QTest::newRow("above, same left edge") << QRect(100, 76, 80, 16) << field << true;
    QTest::newRow("above, edge a little off") << QRect(94, 76, 80, 16) << field << true;
    QTest::newRow("above, far off to the right") << QRect(150, 76, 80, 16) << field << false;
    QTest::newRow("above, touching the field") << QRect(100, 84, 80, 17) << field << true;
    QTest::newRow("above, reaching into the field") << QRect(100, 90, 80, 16) << field << false;
    QTest::newRow("above, two lines up") << QRect(100, 40, 80, 16) << field << false;
    QTest::newRow("right of the field") << QRect(230, 102, 50, 16) << field << false;
    QTest::newRow("below the field") << QRect(100, 124, 80, 16) << field << false;
}

void TestAccessibleNames::standsBeside()
{
    QFETCH(QRect, label);
    QFETCH(QRect, field);
    QFETCH(bool, beside);
    QCOMPARE(AccessibleNames::standsBeside(label, field), beside);
}

// A window like the colours dialog: captions left and above, a field with only a tooltip, one with
// a name of its own, and a label that already names another field.
void TestAccessibleNames::assign()
{
    QWidget window;
    window.resize(400, 300);
    auto place = [&](auto *widget, const QRect &rect) {
        widget->setParent(&window);
        widget->setGeometry(rect);
        return widget;
    };
    QLabel *rotLabel = place(new QLabel(u"&Rot:"_s), QRect(10, 12, 40, 16));
    auto *rot = place(new QLineEdit, QRect(56, 10, 60, 20));
    QLabel *bookLabel = place(new QLabel(u"Buch:"_s), QRect(10, 50, 60, 16));
    auto *bookField = place(new QTextEdit, QRect(10, 70, 160, 40));
    auto *lektionen = place(new QComboBox, QRect(10, 120, 160, 20));
    lektionen->setEditable(true);
    lektionen->setToolTip(u"Wählen sie hier die Lektion aus."_s);
    auto *named = place(new QLineEdit, QRect(200, 10, 60, 20));
    named->setAccessibleName(u"Eigener Name"_s);
    QLabel *elsewhere = place(new QLabel(u"Blau:"_s), QRect(200, 50, 40, 16));
    auto *blauFeld = place(new QLineEdit, QRect(200, 200, 60, 20));
    elsewhere->setBuddy(blauFeld);
    auto *nearBlau = place(new QLineEdit, QRect(246, 48, 60, 20));
    auto *nameless = place(new QLineEdit, QRect(300, 250, 60, 20));
    window.show();

    AccessibleNames::assign(&window);

    auto name = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(rot), u"Rot"_s);
    QCOMPARE(rotLabel->buddy(), rot);
    QCOMPARE(name(bookField), u"Buch"_s);
    QCOMPARE(bookLabel->buddy(), bookField);
    QCOMPARE(name(lektionen), u"Wählen sie hier die Lektion aus."_s);
    QCOMPARE(name(named), u"Eigener Name"_s);
    QCOMPARE(elsewhere->buddy(), blauFeld); // kept
    QCOMPARE(nearBlau->accessibleName(), QString());
    QCOMPARE(nameless->accessibleName(), QString());
    // The edit field inside the drop-down list is not named on its own.
    QCOMPARE(lektionen->lineEdit()->accessibleName(), QString());
    // The accelerator of the caption now reaches its field.
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(rot->hasFocus());
}

QTEST_MAIN(TestAccessibleNames)
#include "test_accessiblenames.moc"
