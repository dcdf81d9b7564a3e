// Helpers shared by the tests.
#include "tests/testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace TestSupport {

QString dataPath(const QString &relative)
{
    return QString::fromLocal8Bit(qgetenv("GLOSSAND_TEST_DATA")) + u'/' + relative;
}

QByteArray crlf(const QStringList &lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

ProgramDir::ProgramDir() = default;

void ProgramDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray ProgramDir::read(const QString &name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ProgramDir::exists(const QString &name) const
{
    return QFile::exists(m_dir.filePath(name));
}

} // namespace TestSupport
