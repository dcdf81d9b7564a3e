// The document's fonts, colours and link targets, and the Qt formats made from the reader's states.
#pragma once

#include "richtext/rtfstate.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <vector>

namespace Rtf {

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
    QFont::StyleHint hint = QFont::AnyStyle;
    bool symbolCharset = false; // \fcharset2
};

// Told of every change to the tables of Formats, in order, so that another Formats can follow.
class FormatsJournal
{
public:
    virtual ~FormatsJournal() = default;
    virtual void fontSet(int number, const FontEntry &entry) = 0;
    virtual void defaultFontSet(int number) = 0;
    virtual void colorAdded(const QColor &color) = 0;
    virtual void linkAdded(const QString &target) = 0;
};

class Formats
{
public:
    void setJournal(FormatsJournal *journal) { m_journal = journal; }
    void setFont(int number, const FontEntry &entry);
    const FontEntry *font(int number) const;
    void setDefaultFont(int number);
    void addColor(const QColor &color);
    QColor color(int index) const;
    // The number of a link target, for CharState::link.
    int addLink(const QString &target);

    // A format with its serial number: each format made gets the next, so that a number stands for
    // one format for good, while the format itself may leave the cache and be made again.
    template <typename State, typename Format> struct Made
    {
        State state;
        Format format;
        int serial;
    };
    using CharFormat = Made<CharState, QTextCharFormat>;
    using BlockFormat = Made<ParaState, QTextBlockFormat>;

    // Cached: the same state gives the same format without building it again.
    const CharFormat &madeCharFormat(const CharState &chars);
    const BlockFormat &madeBlockFormat(const ParaState &para);
    const QTextCharFormat &charFormat(const CharState &chars) { return madeCharFormat(chars).format; }
    const QTextBlockFormat &blockFormat(const ParaState &para) { return madeBlockFormat(para).format; }
    // The serial numbers given so far are below this.
    int serialLimit() const { return m_serials; }

    static double twipsToPixels(int twips) { return twips / 15.0; } // 1440 twips per inch, 96 dpi
    static QColor linkColor() { return QColor(0, 0, 255); }
    // A name for the next picture resource of the document.
    QString nextPictureName() { return QStringLiteral("rtfpicture:%1").arg(++m_pictureCount); }

private:
    QStringList families(const FontEntry &entry) const;

    FormatsJournal *m_journal = nullptr;
    QHash<int, FontEntry> m_fonts;
    QHash<int, QStringList> m_families;
    int m_defaultFont = 0;
    QList<QColor> m_colors;
    QStringList m_links;
    int m_pictureCount = 0;

    QTextBlockFormat makeBlockFormat(const ParaState &para) const;

    std::vector<CharFormat> m_formatCache;
    std::size_t m_lastFormat = 0;     // the cache entry found last
    std::size_t m_previousFormat = 0; // and the one before it
    std::vector<BlockFormat> m_blockFormatCache;
    int m_serials = 0;
};

} // namespace Rtf
