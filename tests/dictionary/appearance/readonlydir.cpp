// Read-only directories for the failed-write tests: permissions, and the immutable flag for root.
#include "tests/dictionary/appearance/readonlydir.h"

#include <QFile>
#include <QProcess>

namespace {

bool canCreateFileIn(const QString &dir)
{
    QFile probe(dir + QStringLiteral("/probe.tmp"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

ReadOnlyDir::ReadOnlyDir(const QString &path) : m_path(path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    if (canCreateFileIn(path)) {
        // Root ignores permissions; the immutable flag stops it too where the file system has one.
        m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    m_ok = !canCreateFileIn(path);
}

ReadOnlyDir::~ReadOnlyDir()
{
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
