// The lines that can head a topic, kept between reads of a large help file: a later read of the
// unchanged file finds its topics without going through all of its bytes again. Qt Core only.
#pragma once

#include "helpfile/linescan.h"

#include <QString>

#include <optional>

namespace HelpFile {

// What shows that a file is unchanged since its lines were kept: where it lies on the disk, its
// size and the times of its last change, in nanoseconds. Any write changes the status change
// time, which no program can set back.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;

    bool operator==(const FileIdentity &) const = default;
};

// The identity of an open file.
std::optional<FileIdentity> identityOf(int fileDescriptor);

// A smaller help file is searched in well under a millisecond; its lines are not kept.
inline constexpr qint64 headerCacheMinBytes = 1024 * 1024;

// The folder the viewer keeps the lines in: "tessavor" in the user's cache folder.
QString defaultHeaderCacheFolder();

// The kept lines of one help file.
class HeaderCache
{
public:
    // `folder` holds one file per help file, named after the help file's canonical path; the
    // identity is taken from the file just opened.
    HeaderCache(const QString &folder, const QString &canonicalPath, const FileIdentity &identity);

    // The lines kept for this very file; none when nothing was kept, the file has changed since,
    // or what was kept is damaged in any way.
    std::optional<BracketedLines> load() const;

    // Keeps the lines, replacing what was kept for the file. A file changed during the two seconds
    // before its identity was taken is not kept: it may still be being written, and a second
    // change within the file system's clock step would leave the identity as it was. Nor are
    // lines that would take more bytes than the file itself. A folder that cannot be written to
    // keeps nothing, without a message.
    void store(const BracketedLines &lines) const;

    QString fileName() const { return m_file; }

private:
    QString m_folder;
    QString m_file;
    FileIdentity m_identity;
    bool m_settled = false;
};

} // namespace HelpFile
