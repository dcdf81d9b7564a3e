// Quorant's windows as assistive technology sees them: every field named, captions buddies of
// their fields.
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/topicdialog.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace Qt::StringLiterals;

class TestAuthorAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void names_data();
    void names();
};

void TestAuthorAccess::names_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // the label whose buddy the field is, or empty
    QTest::newRow("help file path") << u"main"_s << u"txtNameHilfedatei"_s << u"Pfad der Hilfedatei"_s
                                    << u"lblPfad"_s;
    QTest::newRow("project text") << u"main"_s << u"RichTextBox"_s << u"Projektdatei"_s << QString();
    QTest::newRow("RTF topic name") << u"rtf"_s << u"TextName"_s << u"Name des Themas"_s << u"lblName"_s;
    QTest::newRow("RTF file") << u"rtf"_s << u"TextRTFDatei"_s << u"RTF - Datei"_s << QString();
    QTest::newRow("TXT topic name") << u"txt"_s << u"TextName"_s << u"Name des Themas"_s << u"lblName"_s;
    QTest::newRow("TXT topic text") << u"txt"_s << u"TextThema"_s << u"Geben sie hier den Text ein"_s
                                    << u"lblText"_s;
}

void TestAuthorAccess::names()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto adder = [](const HelpProject::NewTopic &) { return true; };
    std::unique_ptr<QWidget> w;
    if (window == u"main"_s)
        w = std::make_unique<Quorant::frmHaupt>();
    else if (window == u"rtf"_s)
        w = std::make_unique<Quorant::frmRTFThema>(adder);
    else
        w = std::make_unique<Quorant::frmTXTThema>(adder);
    w->show();
    QWidget *control = w->findChild<QWidget *>(field);
    QVERIFY2(control, qPrintable(field));
    QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
    if (!caption.isEmpty())
        QCOMPARE(w->findChild<QLabel *>(caption)->buddy(), control);
    // No field of the window is left without a name.
    for (QWidget *other : w->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(other) || qobject_cast<QPlainTextEdit *>(other) ||
            qobject_cast<QTextEdit *>(other))
            QVERIFY2(!QAccessible::queryAccessibleInterface(other)->text(QAccessible::Name).isEmpty(),
                     qPrintable(other->objectName()));
    }
}

QTEST_MAIN(TestAuthorAccess)
#include "test_authoraccess.moc"
