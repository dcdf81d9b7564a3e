// Size, lines and last change of the word list file, for the status window.
#include "dictionary/core/listfigures.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

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

void LineCounter::add(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    if (p == end)
        return;
    // The LF of a CR LF split between two pieces belongs to the break already counted.
    if (m_afterCr && *p == '\n')
        ++p;
    m_afterCr = false;
    // The next CR and the next LF, each searched again only once passed (a file with one kind of
    // break only is not searched to its end for the other kind at every line).
    const auto next = [end](const char *from, char c) {
        const void *hit = std::memchr(from, c, size_t(end - from));
        return hit ? static_cast<const char *>(hit) : end;
    };
    const char *cr = next(p, '\r');
    const char *lf = next(p, '\n');
    while (p < end) {
        if (cr < p)
            cr = next(p, '\r');
        if (lf < p)
            lf = next(p, '\n');
        const char *brk = cr < lf ? cr : lf;
        if (brk == end) {
            m_open = true;
            return;
        }
        ++m_lines;
        m_open = false;
        p = brk + 1;
        if (*brk == '\r') {
            if (p == end)
                m_afterCr = true;
            else if (*p == '\n')
                ++p;
        }
    }
}

int LineCounter::lines() const
{
    return m_lines + (m_open ? 1 : 0);
}

int countLines(const QByteArray &bytes)
{
    LineCounter counter;
    counter.add(bytes);
    return counter.lines();
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
    // Read piece by piece: the file is counted, not kept.
    LineCounter counter;
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            return figures;
        if (got == 0)
            break;
        counter.add(QByteArrayView(piece.constData(), got));
    }
    if (file.error() != QFileDevice::NoError)
        return figures;
    const QFileInfo info(path);
    figures.ok = true;
    figures.size = info.size();
    figures.lineCount = counter.lines();
    figures.lastChange = lastChangeText(info.lastModified(), locale);
    return figures;
}

} // namespace ListFigures
