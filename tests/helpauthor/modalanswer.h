// Answers the next modal dialog a test opens: the action runs once the dialog is up.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Polls until a modal dialog is active, then hands it to the action (which must close it). The
// polling stops when the context object goes away, so a dialog that never opened cannot leave a
// poller behind that answers a later test's dialog.
inline void whenModalOpens(QObject *context, std::function<void(QDialog *dialog)> action,
                           int attemptsLeft = 300)
{
    QTimer::singleShot(10, context, [context, action = std::move(action), attemptsLeft]() mutable {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            action(dialog);
            return;
        }
        if (attemptsLeft > 0)
            whenModalOpens(context, std::move(action), attemptsLeft - 1);
    });
}
