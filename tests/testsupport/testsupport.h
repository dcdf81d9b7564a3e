// Small helpers for the tests: fixture paths, literal Windows-1252 bytes, a temporary program
// directory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace TestSupport {

// Path of a fixture below tests/data.
QString dataPath(const QString &relative);

// The lines joined with CR LF after each, encoded as Windows-1252.
QByteArray crlf(const QStringList &lines);

// A fresh directory that stands in for the program directory; files are written into it as bytes.
class ProgramDir
{
public:
    ProgramDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace TestSupport
