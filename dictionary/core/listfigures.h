// The figures of the word list file shown in the status window: size, line count and the text
// of its last change.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace ListFigures {

// Lines as the word list loader splits them: CR LF, a lone CR and a lone LF each end a line; a
// last line without a break counts, a final break adds no empty line.
int countLines(const QByteArray &bytes);

// The same count over a file given piece by piece.
class LineCounter
{
public:
    void add(QByteArrayView bytes);
    int lines() const;

private:
    int m_lines = 0;
    bool m_open = false;    // bytes after the last break
    bool m_afterCr = false; // the last piece ended with CR
};

// The date in the locale's short format with a four-digit year (as the status bar shows it).
QString dateText(const QDate &date, const QLocale &locale);

// The date in the locale's short format (with a four-digit year), then, unless the time of day is
// exactly 00:00:00, a blank and the time with hours, minutes and seconds; of that text the last
// four characters are cut off ("24.12.2001 10:30:45" becomes "24.12.2001 10:3", a change at
// midnight "24.12.2001" becomes "24.12.").
QString lastChangeText(const QDateTime &modified, const QLocale &locale);

struct FileFigures
{
    bool ok = false; // false when the file cannot be read; the figures are then empty
    qint64 size = 0;
    int lineCount = 0;
    QString lastChange;
};

FileFigures readFileFigures(const QString &path, const QLocale &locale);

} // namespace ListFigures
