// The busy pointer as the application's override cursor.
#include "common/ui/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int depth = 0;
}

BusyCursor::BusyCursor()
{
    if (depth++ == 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    if (--depth == 0)
        QGuiApplication::restoreOverrideCursor();
}

bool BusyCursor::active()
{
    return depth > 0;
}
