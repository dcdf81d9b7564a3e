// The windows' seams for a test scope: modal questions recorded, links caught, the viewer start
// and the program directory set back afterwards.
#pragma once

#include "tests/testsupport/seamguard.h"

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace TestSupport {

// For its lifetime the message box, file dialog and input box record instead of showing (answered
// from their queues); afterwards they show again, and the viewer start and the program directory
// are the real ones again.
class RecordedDialogs
{
public:
    RecordedDialogs();
    ~RecordedDialogs();
    RecordedDialogs(const RecordedDialogs &) = delete;
    RecordedDialogs &operator=(const RecordedDialogs &) = delete;
};

// Catches the links the windows hand to the desktop, so that no browser or mail program starts in
// a test; the desktop's handlers are back when it goes.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace TestSupport
