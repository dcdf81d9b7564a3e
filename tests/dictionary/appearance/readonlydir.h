// A directory in which no file can be created, so that a safe rewrite fails; also as root.
#pragma once

#include <QString>

class ReadOnlyDir
{
public:
    // Makes the directory unwritable; ok() says whether that worked on this machine.
    explicit ReadOnlyDir(const QString &path);
    ~ReadOnlyDir();
    ReadOnlyDir(const ReadOnlyDir &) = delete;
    ReadOnlyDir &operator=(const ReadOnlyDir &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_ok = false;
};
