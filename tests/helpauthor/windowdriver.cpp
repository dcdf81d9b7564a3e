// The window driver for the authoring main window's tests.
#include "tests/helpauthor/windowdriver.h"

#include "common/ui/filedialog.h"
#include "common/ui/helplaunch.h"
#include "common/ui/inputbox.h"
#include "helpauthor/ui/frmhaupt.h"
#include "helpauthor/ui/frminfo.h"
#include "richtext/richtextbox.h"
#include "tests/helpauthor/modalanswer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace WindowDriver {

QString noProjectText()
{
    return u"Es ist kein Hilfeprojekt geöffnet. Legen sie mit \"Neu\" ein Projekt an oder "
           "öffnen sie eines mit \"Öffnen\"."_s;
}

QString shownText(const QList<MessageBox::Shown> &shown)
{
    QStringList lines;
    for (const MessageBox::Shown &box : shown)
        lines.append(u"%1|%2|%3"_s.arg(int(box.icon)).arg(box.title, box.text));
    return lines.join(u'\n');
}

std::unique_ptr<Quorant::frmHaupt> showWindow()
{
    auto window = std::make_unique<Quorant::frmHaupt>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window not active");
    return window;
}

RichTextBox *textBox(Quorant::frmHaupt *window)
{
    return window->findChild<RichTextBox *>(u"RichTextBox"_s);
}

QString writeProject(const TestSupport::ProgramDir &dir, const QString &name, const QStringList &lines)
{
    dir.write(name, TestSupport::crlf(lines));
    return dir.file(name);
}

void press(Quorant::frmHaupt *window, Qt::Key key)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, key);
}

void newProjectVia(Quorant::frmHaupt *window, const QString &path, HelpProject::Type type,
                   const QString &title)
{
    FileDialog::setNextAnswer(path);
    InputBox::setNextAnswer(title);
    whenModalOpens(window, [type](QDialog *dialog) {
        const QString option = type == HelpProject::Type::PlainText ? u"optTXT"_s : u"optRTF"_s;
        dialog->findChild<QRadioButton *>(option)->click();
        dialog->findChild<QPushButton *>(u"cmdWeiter"_s)->click();
    });
    press(window, Qt::Key_F3);
}

void addTopicVia(Quorant::frmHaupt *window, const QString &name, const QString &content, bool listed)
{
    whenModalOpens(window, [name, content, listed](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(u"TextName"_s)->setText(name);
        if (auto *text = dialog->findChild<QPlainTextEdit *>(u"TextThema"_s)) {
            text->setPlainText(content);
        } else {
            FileDialog::setNextAnswer(content);
            dialog->findChild<QPushButton *>(u"cmdRTFDateiwählen"_s)->click();
        }
        dialog->findChild<QCheckBox *>(u"Check"_s)->setChecked(listed);
        dialog->findChild<QPushButton *>(u"cmdThemahinzufügen"_s)->click();
        // A topic that could not be added leaves the dialog open; the test goes on without it.
        if (dialog->isVisible())
            dialog->reject();
    });
    press(window, Qt::Key_F6);
}

void select(Quorant::frmHaupt *window, const QString &text)
{
    RichTextBox *box = textBox(window);
    box->moveCursor(QTextCursor::Start);
    QVERIFY(box->find(text));
    QCOMPARE(box->selectedText(), text);
}

} // namespace WindowDriver
