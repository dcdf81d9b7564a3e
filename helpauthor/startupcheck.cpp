// The start-up checks: each file is opened for reading and closed again.
#include "helpauthor/startupcheck.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace StartupCheck {

namespace {
bool canOpen(const QString &path)
{
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}
} // namespace

Outcome check(const QString &programDir)
{
    if (!canOpen(programDir + u"/tessavor"_s))
        return Outcome::ViewerMissing;
    if (!canOpen(programDir + u"/quorant.vry"_s))
        return Outcome::HelpMissing;
    return Outcome::Ready;
}

} // namespace StartupCheck
