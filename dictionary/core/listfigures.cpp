// Size, lines and last change of the word list file, for the status window.
#include "dictionary/core/listfigures.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ListFigures {

namespace {

// The user's short date format; a two-digit year is widened, so that "24.12.2001" is not read as
// "24.12.01".
QString dateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    return format;
}

// The user's time format with seconds: short formats often stop at the minutes.
QString timeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) {
        const qsizetype minutes = format.indexOf(u"mm"_s);
        if (minutes >= 0)
            format.insert(minutes + 2, u":ss"_s);
    }
    return format;
}

} // namespace

QString dateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, dateFormat(locale));
}

int countLines(const QByteArray &bytes)
{
    int lines = 0;
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < size; ++pos) {
        const char c = bytes[pos];
        if (c == '\r') {
            if (pos + 1 < size && bytes[pos + 1] == '\n')
                ++pos;
        } else if (c != '\n') {
            continue;
        }
        ++lines;
        start = pos + 1;
    }
    if (start < size)
        ++lines;
    return lines;
}

QString lastChangeText(const QDateTime &modified, const QLocale &locale)
{
    QString text = dateText(modified.date(), locale);
    const QTime time = modified.time();
    // Only whole seconds count: a file time of 00:00:00.250 is midnight as the user sees it.
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + locale.toString(time, timeFormat(locale));
    text.chop(4);
    return text;
}

FileFigures readFileFigures(const QString &path, const QLocale &locale)
{
    FileFigures figures;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return figures;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return figures;
    const QFileInfo info(path);
    figures.ok = true;
    figures.size = info.size();
    figures.lineCount = countLines(bytes);
    figures.lastChange = lastChangeText(info.lastModified(), locale);
    return figures;
}

} // namespace ListFigures
