// The help type dialog and the two add-topic dialogs, run as real windows: the validation order with
// its messages, titles and focus moves, what a valid topic hands over, and F1.
#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/messagebox.h"
#include "helpauthor/ui/frmrtfotxt.h"
#include "helpauthor/ui/topicdialog.h"
#include "tests/testsupport/testsupport.h"
#include "tests/testsupport/uiseams.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using HelpProject::Type;

class TestTopicDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void typeDialog_data();
    void typeDialog();
    void rtfValidation_data();
    void rtfValidation();
    void txtValidation_data();
    void txtValidation();
    void validTopicIsHandedOver_data();
    void validTopicIsHandedOver();
    void failedAddKeepsDialogOpen();
    void chooseRtfFile();
    void helpKey_data();
    void helpKey();

private:
    struct Added
    {
        QList<HelpProject::NewTopic> topics;
        bool answer = true;
    };
    std::optional<TestSupport::RecordedDialogs> m_seams;
    std::shared_ptr<Added> m_added;
    Quorant::TopicAdder adder();
};

void TestTopicDialogs::init()
{
    m_seams.emplace();
    m_added = std::make_shared<Added>();
}

void TestTopicDialogs::cleanup()
{
    m_seams.reset();
}

Quorant::TopicAdder TestTopicDialogs::adder()
{
    return [added = m_added](const HelpProject::NewTopic &topic) {
        added->topics.append(topic);
        return added->answer;
    };
}

void TestTopicDialogs::typeDialog_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("after");
    const int txt = int(Type::PlainText);
    const int rtf = int(Type::RichText);
    QTest::newRow("Weiter keeps RTF, the option at opening") << txt << u"weiter"_s << rtf;
    QTest::newRow("TXT chosen") << rtf << u"txt"_s << txt;
    QTest::newRow("Enter is Weiter") << txt << u"enter"_s << rtf;
    QTest::newRow("Abbrechen keeps TXT") << txt << u"abbrechen"_s << txt;
    QTest::newRow("Escape keeps TXT") << txt << u"escape"_s << txt;
    QTest::newRow("TXT chosen, then cancelled") << rtf << u"txt-abbrechen"_s << rtf;
}

void TestTopicDialogs::typeDialog()
{
    QFETCH(int, before);
    QFETCH(QString, action);
    QFETCH(int, after);
    Type type = Type(before);
    Quorant::frmRTFoTXT dialog(type);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"RTF - oder TXT - Hilfedatei"_s);
    auto *optTXT = dialog.findChild<QRadioButton *>(u"optTXT"_s);
    auto *optRTF = dialog.findChild<QRadioButton *>(u"optRTF"_s);
    QVERIFY(optTXT && optRTF);
    QCOMPARE(optTXT->text(), u"TXT - Hilfedatei"_s);
    QCOMPARE(optRTF->text(), u"RTF - Hilfedatei"_s);
    QVERIFY(optRTF->isChecked());
    auto *weiter = dialog.findChild<QPushButton *>(u"cmdWeiter"_s);
    auto *abbrechen = dialog.findChild<QPushButton *>(u"cmdAbbrechen"_s);
    QCOMPARE(weiter->text(), u"Weiter"_s);
    QCOMPARE(abbrechen->text(), u"Abbrechen"_s);

    if (action.startsWith(u"txt"_s))
        optTXT->click();
    if (action == u"weiter"_s || action == u"txt"_s)
        weiter->click();
    else if (action == u"enter"_s)
        QTest::keyClick(&dialog, Qt::Key_Return);
    else if (action == u"escape"_s)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        abbrechen->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(type), after);
}

// Rows: the name and file typed, then the expected title, message and focused control; an empty
// title means the topic passes.
void TestTopicDialogs::rtfValidation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noName = u"Das Thema muss einen Namen haben!"_s;
    const QString reserved = u"Der Name des Themas darf nicht ~Inhalt~ oder ~Index~ sein!"_s;
    const QString noFile = u"Keine RTF - Datei angegeben!"_s;
    QTest::newRow("empty name before missing file")
        << QString() << QString() << u"Namen!"_s << noName << u"TextName"_s;
    QTest::newRow("empty name with a file")
        << QString() << u"/r/a.rtf"_s << u"Namen!"_s << noName << u"TextName"_s;
    QTest::newRow("Inhalt before missing file")
        << u"Inhalt"_s << QString() << u"Name!"_s << reserved << u"TextName"_s;
    QTest::newRow("Index") << u"Index"_s << u"/r/a.rtf"_s << u"Name!"_s << reserved << u"TextName"_s;
    QTest::newRow("missing file") << u"Verben"_s << QString() << u"RTF - Datei!"_s << noFile
                                  << u"cmdRTFDateiwählen"_s;
    QTest::newRow("a blank is a name")
        << u" "_s << QString() << u"RTF - Datei!"_s << noFile << u"cmdRTFDateiwählen"_s;
    QTest::newRow("inhalt in lower case passes")
        << u"inhalt"_s << u"/r/a.rtf"_s << QString() << QString() << QString();
    QTest::newRow("INDEX passes") << u"INDEX"_s << u"/r/a.rtf"_s << QString() << QString() << QString();
    QTest::newRow("Inhalt with a space passes")
        << u"Inhalt "_s << u"/r/a.rtf"_s << QString() << QString() << QString();
}

void TestTopicDialogs::rtfValidation()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Quorant::frmRTFThema dialog(adder());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u"RTF - Thema hinzufügen"_s);
    auto *textName = dialog.findChild<QLineEdit *>(u"TextName"_s);
    auto *textFile = dialog.findChild<QLineEdit *>(u"TextRTFDatei"_s);
    QVERIFY(textFile->isReadOnly());
    QTest::keyClicks(textName, name);
    if (!file.isEmpty()) {
        FileDialog::setNextAnswer(file);
        dialog.findChild<QPushButton *>(u"cmdRTFDateiwählen"_s)->click();
    }
    // Away from the fields, so that a focus move is the dialog's doing.
    dialog.findChild<QCheckBox *>(u"Check"_s)->setFocus();
    dialog.findChild<QPushButton *>(u"cmdThemahinzufügen"_s)->click();

    if (title.isEmpty()) {
        QVERIFY(MessageBox::recorded().isEmpty());
        QCOMPARE(m_added->topics.size(), 1);
        QVERIFY(!dialog.isVisible());
        return;
    }
    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown shown = MessageBox::recorded().first();
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, message);
    QVERIFY(m_added->topics.isEmpty());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(textName->text(), name);
}

void TestTopicDialogs::txtValidation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noName = u"Das Thema muss einen Namen haben!"_s;
    const QString reserved = u"Der Name des Themas darf nicht ~Inhalt~ oder ~Index~ sein!"_s;
    const QString noText = u"Sie haben keinen Text für das Thema eingegeben!"_s;
    QTest::newRow("empty name before missing text")
        << QString() << QString() << u"Name!"_s << noName << u"TextName"_s;
    QTest::newRow("Index before missing text")
        << u"Index"_s << QString() << u"Name!"_s << reserved << u"TextName"_s;
    QTest::newRow("Inhalt with text") << u"Inhalt"_s << u"x"_s << u"Name!"_s << reserved << u"TextName"_s;
    QTest::newRow("missing text") << u"Verben"_s << QString() << u"Keinen Text!"_s << noText
                                  << u"TextThema"_s;
    QTest::newRow("a line break is text") << u"Verben"_s << u"\n"_s << QString() << QString() << QString();
    QTest::newRow("index in lower case passes")
        << u"index"_s << u"x"_s << QString() << QString() << QString();
}

void TestTopicDialogs::txtValidation()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Quorant::frmTXTThema dialog(adder());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), u"TXT - Thema hinzufügen"_s);
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"TextName"_s), name);
    dialog.findChild<QPlainTextEdit *>(u"TextThema"_s)->setPlainText(text);
    dialog.findChild<QCheckBox *>(u"Check"_s)->setFocus();
    dialog.findChild<QPushButton *>(u"cmdThemahinzufügen"_s)->click();

    if (title.isEmpty()) {
        QVERIFY(MessageBox::recorded().isEmpty());
        QCOMPARE(m_added->topics.size(), 1);
        return;
    }
    QCOMPARE(MessageBox::recorded().size(), 1);
    const MessageBox::Shown shown = MessageBox::recorded().first();
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, message);
    QVERIFY(m_added->topics.isEmpty());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
}

void TestTopicDialogs::validTopicIsHandedOver_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("body");
    QTest::newRow("rtf, listed") << true << u"Verben"_s << true << u"/r/v.rtf"_s
                                 << QStringList{u"/r/v.rtf"_s};
    QTest::newRow("rtf, name with spaces untrimmed")
        << true << u"  Nomen "_s << true << u"/r/n.rtf"_s << QStringList{u"/r/n.rtf"_s};
    QTest::newRow("rtf, Check cleared")
        << true << u"A"_s << false << u"/r/a.rtf"_s << QStringList{u"/r/a.rtf"_s};
    QTest::newRow("txt, lines typed") << false << u"Salve"_s << true << u"Zeile 1\n\nZeile 3"_s
                                      << QStringList{u"Zeile 1"_s, QString(), u"Zeile 3"_s};
    QTest::newRow("txt, Check cleared") << false << u"B"_s << false << u"b"_s << QStringList{u"b"_s};
}

void TestTopicDialogs::validTopicIsHandedOver()
{
    QFETCH(bool, rtf);
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QFETCH(QString, content);
    QFETCH(QStringList, body);
    std::unique_ptr<Quorant::TopicDialog> dialog;
    if (rtf)
        dialog = std::make_unique<Quorant::frmRTFThema>(adder());
    else
        dialog = std::make_unique<Quorant::frmTXTThema>(adder());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto *check = dialog->findChild<QCheckBox *>(u"Check"_s);
    QCOMPARE(check->text(), u"Thema im Inhalt und Index anzeigen"_s);
    QVERIFY(check->isChecked());
    QTest::keyClicks(dialog->findChild<QLineEdit *>(u"TextName"_s), name);
    if (rtf) {
        FileDialog::setNextAnswer(content);
        dialog->findChild<QPushButton *>(u"cmdRTFDateiwählen"_s)->click();
    } else {
        auto *text = dialog->findChild<QPlainTextEdit *>(u"TextThema"_s);
        text->setFocus();
        // Enter in the text field starts a new line rather than adding the topic.
        const QStringList lines = content.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(text, Qt::Key_Return);
            QTest::keyClicks(text, lines.at(i));
        }
        QVERIFY(m_added->topics.isEmpty());
    }
    check->setChecked(listed);
    // Enter outside the text field is the default button.
    QTest::keyClick(dialog->findChild<QLineEdit *>(u"TextName"_s), Qt::Key_Return);
    QVERIFY(MessageBox::recorded().isEmpty());
    QCOMPARE(m_added->topics.size(), 1);
    const HelpProject::NewTopic topic = m_added->topics.first();
    QCOMPARE(topic.name, name);
    QCOMPARE(topic.listed, listed);
    QCOMPARE(topic.body, body);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void TestTopicDialogs::failedAddKeepsDialogOpen()
{
    m_added->answer = false;
    Quorant::frmTXTThema dialog(adder());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"TextName"_s), u"A"_s);
    dialog.findChild<QPlainTextEdit *>(u"TextThema"_s)->setPlainText(u"Text"_s);
    dialog.findChild<QPushButton *>(u"cmdThemahinzufügen"_s)->click();
    QCOMPARE(m_added->topics.size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QPlainTextEdit *>(u"TextThema"_s)->toPlainText(), u"Text"_s);
}

void TestTopicDialogs::chooseRtfFile()
{
    Quorant::frmRTFThema dialog(adder());
    dialog.show();
    auto *file = dialog.findChild<QLineEdit *>(u"TextRTFDatei"_s);
    auto *choose = dialog.findChild<QPushButton *>(u"cmdRTFDateiwählen"_s);
    QCOMPARE(choose->text(), u"RFT - Datei wählen"_s);
    FileDialog::setNextAnswer(u"/r/erste.rtf"_s);
    choose->click();
    QCOMPARE(file->text(), u"/r/erste.rtf"_s);
    // Cancelling the file dialog keeps the file chosen before.
    choose->click();
    QCOMPARE(file->text(), u"/r/erste.rtf"_s);
    QCOMPARE(FileDialog::recorded().size(), 2);
    QCOMPARE(FileDialog::recorded().first().mode, FileDialog::Mode::Open);
    QCOMPARE(FileDialog::recorded().first().filter, u"*.rtf|*.rtf"_s);
}

void TestTopicDialogs::helpKey_data()
{
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<QString>("topic");
    QTest::newRow("type dialog") << u"frmRTFoTXT"_s << u"Neu"_s;
    QTest::newRow("rtf topic") << u"frmRTFThema"_s << u"Thema hinzufügen"_s;
    QTest::newRow("txt topic") << u"frmTXTThema"_s << u"Thema hinzufügen"_s;
}

void TestTopicDialogs::helpKey()
{
    QFETCH(QString, dialogName);
    QFETCH(QString, topic);
    TestSupport::ProgramDir dir;
    dir.write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(dir.file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(dir.path());
    QStringList started;
    HelpLaunch::setStarter([&](const QString &program, const QStringList &arguments) {
        started.append(program);
        started.append(arguments);
        return true;
    });

    Type type = Type::RichText;
    std::unique_ptr<QDialog> dialog;
    if (dialogName == u"frmRTFoTXT"_s)
        dialog = std::make_unique<Quorant::frmRTFoTXT>(type);
    else if (dialogName == u"frmRTFThema"_s)
        dialog = std::make_unique<Quorant::frmRTFThema>(adder());
    else
        dialog = std::make_unique<Quorant::frmTXTThema>(adder());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(dialog->objectName(), dialogName);
    // F1 from whichever control has the focus.
    QWidget *focused = dialog->findChild<QLineEdit *>(u"TextName"_s);
    if (!focused)
        focused = dialog->findChild<QRadioButton *>(u"optRTF"_s);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_F1);
    QCOMPARE(started, (QStringList{dir.file(u"tessavor"_s), dir.path() + u"/quorant.vry, "_s + topic}));
    QVERIFY(dialog->isVisible());
    HelpLaunch::setProgramDir(QString());
}

QTEST_MAIN(TestTopicDialogs)
#include "test_topicdialogs.moc"
