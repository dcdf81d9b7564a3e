// Helpers for the window tests.
#include "tests/dictionary/windows/windowtestsupport.h"

#include "common/ui/helplaunch.h"
#include "dictionary/windows/dropdownlist.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QTest>

using namespace Zembrota;

using namespace Qt::StringLiterals;

namespace WindowTest {

MainWindows::MainWindows(bool showStatus)
{
    if (showStatus)
        status.show();
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main))
        qWarning("main window not active");
}

QString wordListDir()
{
    return TestSupport::dataPath(u"windows"_s);
}

WordList loadTestList()
{
    LoadResult loaded = LoadWordList(wordListDir());
    if (!loaded.ok || !loaded.list.problems.isEmpty())
        qFatal("test word list not usable: %s",
               qPrintable(loaded.error + loaded.list.problemTexts().join(u'\n')));
    return std::move(loaded.list);
}

void choose(DropDownList *list, int index)
{
    // As a click on the list's arrow: the list gets the focus and opens.
    list->setFocus(Qt::MouseFocusReason);
    list->showPopup();
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        qWarning("list popup not exposed");
    const QModelIndex item = view->model()->index(index, list->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
}

void quietOffscreenWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        // The offscreen platform cannot raise windows or grab the keyboard; that is no fault.
        if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s))
            return;
        previous(type, context, message);
    });
}

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList items(const DropDownList *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all.append(list->itemText(i));
    return all;
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return {};
    if (auto *list = qobject_cast<DropDownList *>(focus->parentWidget()))
        return list->objectName();
    return focus->objectName();
}

HelpRecorder::HelpRecorder()
{
    m_dir.write(u"tessavor"_s, QByteArray("#!/bin/sh\nexit 0\n"));
    QFile::setPermissions(m_dir.file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(m_dir.path());
    HelpLaunch::setStarter([this](const QString &program, const QStringList &args) {
        arguments.append(program.section(u'/', -1) + u' ' + args.join(u'|'));
        return true;
    });
}

HelpRecorder::~HelpRecorder()
{
    HelpLaunch::resetStarter();
    HelpLaunch::setProgramDir({});
}

} // namespace WindowTest
