// Writes content into the document at a cursor: text runs of like format together, paragraphs in
// the format of their mark, pictures, bookmarks and tables. Runs and new paragraphs go into the
// document's pieces at the cursor's position, everything else through the cursor.
#pragma once

#include "richtext/rtfcontent.h"

#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <string>

class QTextCursor;

namespace Rtf {

class Formats;
class Insertion;

// The object type of a frame that stands in for a picture the reader cannot show.
inline constexpr int pictureNoteObjectType = 0x1000 + 1; // QTextFormat::UserObject + 1
// Properties of that frame: its size in pixels and its note.
inline constexpr int pictureNoteWidthProperty = 0x100000 + 2;
inline constexpr int pictureNoteHeightProperty = 0x100000 + 3;
inline constexpr int pictureNoteTextProperty = 0x100000 + 4;

class CursorWriter final : public BodySink
{
public:
    enum class Place {
        Body,      // the cursor stands in the document's last, empty block
        CellStart, // the cursor stands in a new table cell, whose format the first block keeps
    };
    CursorWriter(QTextCursor &cursor, Insertion &insertion, Place place);

    void text(QStringView text, const CharState &chars) override { addText(text, chars, false); }
    void text(QStringView text, const CharState &chars, const ParaState &para) override
    {
        m_paraHint = &para;
        addText(text, chars, false);
        m_paraHint = nullptr;
    }
    void lentText(QStringView text, const CharState &chars) override { addText(text, chars, true); }
    void lentText(QStringView text, const CharState &chars, const ParaState &para) override
    {
        m_paraHint = &para;
        addText(text, chars, true);
        m_paraHint = nullptr;
    }
    void endOfLoan() override { takeLoan(); }
    void paragraph(const CharState &chars, const ParaState &para) override;
    void picture(const Picture &picture, const CharState &chars) override;
    void anchorName(const QString &name) override;
    void table(std::unique_ptr<Table> table) override;
    void separatorLine() override;
    bool paragraphPending() const override { return m_pendingBlock; }
    void finish(const CharState &chars, const ParaState &para) override;
    void defaultTab(int twips) override;

    void flush();

private:
    void addText(QStringView text, const CharState &chars, bool lent);
    void takeLoan();
    void place(const CharState &chars);
    void flushRun();
    // A piece of a run: into the document's pieces unless it has paragraph marks to make.
    void insertRun(const QString &text, const CharState &chars);
    void insertRun(const QString &text, const QTextCharFormat &format);
    void applyBlockFormat(const CharState &chars, const ParaState &para);
    int lastBlockFormatIndex();
    void afterObject();

    QTextCursor &m_cursor;
    Insertion &m_insertion;
    Formats &m_formats;

    // The text of like format not yet written: in m_run, or, as long as it is one piece of lent
    // text, in m_lent.
    std::u16string m_run;
    QStringView m_lent;
    CharState m_runChars;
    QStringList m_anchorNames;         // bookmarks that the next text carries
    bool m_pendingBlock = false;       // the paragraph was ended; the next content starts a new one
    bool m_blockEmpty = true;          // the cursor's block has no content yet
    bool m_blockCharFormatSet = false; // the cursor's block got its paragraph mark's format
    bool m_cellFormatBlock = false;    // the cursor's block is a cell's first: its format is the cell's

    const ParaState *m_paraHint = nullptr; // the state of the text being written, when known
    ParaState m_lastPara;                  // the paragraph state m_lastBlockFormat was made from
    QTextBlockFormat m_lastBlockFormat;
    int m_lastBlockFormatIndex = -1; // in the document's collection; -1 until looked up
    bool m_haveLastPara = false;
    // The cursor's block has m_lastBlockFormat (a new block inherits its predecessor's format).
    bool m_blockHasLastFormat = false;
};

} // namespace Rtf
