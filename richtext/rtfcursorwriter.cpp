// Writes content into the document at one cursor: runs and new paragraphs into its pieces, the
// rest through the cursor.
#include "richtext/rtfcursorwriter.h"

#include "richtext/rtfformats.h"
#include "richtext/rtfinsertion.h"
#include "richtext/rtftable.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace Rtf {

CursorWriter::CursorWriter(QTextCursor &cursor, Insertion &insertion, Place place)
    : m_cursor(cursor), m_insertion(insertion), m_formats(insertion.formats()),
      m_cellFormatBlock(place == Place::CellStart)
{}

void CursorWriter::addText(QStringView text, const CharState &chars, bool lent)
{
    if (m_pendingBlock)
        place(chars);
    if (!(chars == m_runChars)) {
        flushRun();
        m_runChars = chars;
    }
    if (lent && !text.isEmpty() && m_run.empty() && m_lent.isEmpty()) {
        m_lent = text;
        return;
    }
    takeLoan();
    m_run.append(text.utf16(), std::size_t(text.size()));
}

void CursorWriter::takeLoan()
{
    if (m_lent.isEmpty())
        return;
    m_run.append(m_lent.utf16(), std::size_t(m_lent.size()));
    m_lent = QStringView();
}

void CursorWriter::place(const CharState &chars)
{
    flushRun();
    // The new paragraph starts with the format of the paragraph state in force, or else with its
    // predecessor's, as a word processor's does; its mark takes the character format now in
    // force, so that an empty paragraph has its height.
    if (m_paraHint && (!m_haveLastPara || !(*m_paraHint == m_lastPara))) {
        m_lastBlockFormat = m_formats.blockFormat(*m_paraHint);
        m_lastBlockFormatIndex = -1;
        m_lastPara = *m_paraHint;
        m_haveLastPara = true;
    }
    if (m_insertion.throughCursor()) {
        m_cursor.insertBlock(m_lastBlockFormat, m_formats.charFormat(chars));
    } else {
        const int blockFormat = lastBlockFormatIndex(); // looked up first, as the cursor does
        m_insertion.insertBlock(m_cursor.position(), blockFormat, m_insertion.charFormatIndex(chars));
    }
    m_blockHasLastFormat = true;
    m_pendingBlock = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = true;
    m_cellFormatBlock = false;
}

void CursorWriter::flushRun()
{
    const QStringView run = m_lent.isEmpty() ? QStringView(m_run.data(), qsizetype(m_run.size())) : m_lent;
    if (run.isEmpty())
        return;
    // The document copies the text: the run's buffer is lent to it, not copied into a QString.
    const auto lent = [run](qsizetype from, qsizetype count) {
        return QString::fromRawData(reinterpret_cast<const QChar *>(run.utf16() + from), count);
    };
    if (m_anchorNames.isEmpty()) {
        insertRun(lent(0, run.size()), m_runChars);
    } else {
        // The bookmark's name goes on the first character only: the rest is no anchor.
        QTextCharFormat anchor = m_formats.charFormat(m_runChars);
        anchor.setAnchor(true);
        anchor.setAnchorNames(anchor.anchorNames() + m_anchorNames);
        insertRun(lent(0, 1), anchor);
        if (run.size() > 1)
            insertRun(lent(1, run.size() - 1), m_runChars);
        m_anchorNames.clear();
    }
    m_run.clear();
    m_lent = QStringView();
    m_blockEmpty = false;
}

void CursorWriter::insertRun(const QString &text, const CharState &chars)
{
    if (m_insertion.throughCursor() || !Insertion::isPlainRun(text))
        m_cursor.insertText(text, m_formats.charFormat(chars));
    else
        m_insertion.insertText(m_cursor.position(), text, m_insertion.charFormatIndex(chars));
}

void CursorWriter::insertRun(const QString &text, const QTextCharFormat &format)
{
    if (m_insertion.throughCursor() || !Insertion::isPlainRun(text))
        m_cursor.insertText(text, format);
    else
        m_insertion.insertText(m_cursor.position(), text, m_insertion.formatIndex(format));
}

int CursorWriter::lastBlockFormatIndex()
{
    if (m_lastBlockFormatIndex < 0)
        m_lastBlockFormatIndex = m_haveLastPara ? m_insertion.blockFormatIndex(m_lastPara)
                                                : m_insertion.formatIndex(m_lastBlockFormat);
    return m_lastBlockFormatIndex;
}

void CursorWriter::applyBlockFormat(const CharState &chars, const ParaState &para)
{
    if (!m_haveLastPara || !(para == m_lastPara)) {
        m_lastBlockFormat = m_formats.blockFormat(para);
        m_lastBlockFormatIndex = -1;
        m_lastPara = para;
        m_haveLastPara = true;
        m_blockHasLastFormat = false;
    }
    if (!m_blockHasLastFormat) {
        m_cursor.setBlockFormat(m_lastBlockFormat);
        m_blockHasLastFormat = true;
    }
    // An empty paragraph is as high as its paragraph mark's font; in a cell's first block the
    // mark's format joins the cell's own (borders, shading), which lives in the same place.
    if (m_blockEmpty && !m_blockCharFormatSet) {
        if (m_cellFormatBlock)
            m_cursor.mergeBlockCharFormat(m_formats.charFormat(chars));
        else
            m_cursor.setBlockCharFormat(m_formats.charFormat(chars));
        m_blockCharFormatSet = true;
    }
}

void CursorWriter::paragraph(const CharState &chars, const ParaState &para)
{
    if (m_pendingBlock)
        place(chars);
    flushRun();
    applyBlockFormat(chars, para);
    m_pendingBlock = true;
}

void CursorWriter::picture(const Picture &picture, const CharState &chars)
{
    if (m_pendingBlock)
        place(chars);
    flushRun();
    if (!picture.format.isEmpty()) {
        // The bytes are decoded when the picture is first painted.
        const QString name = m_formats.nextPictureName();
        m_cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), picture.data);
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(picture.width);
        format.setHeight(picture.height);
        m_cursor.insertImage(format);
    } else {
        QTextCharFormat format = m_formats.charFormat(chars);
        format.setObjectType(pictureNoteObjectType);
        format.setProperty(pictureNoteWidthProperty, picture.width);
        format.setProperty(pictureNoteHeightProperty, picture.height);
        format.setProperty(pictureNoteTextProperty, picture.note);
        m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }
    m_blockEmpty = false;
}

void CursorWriter::anchorName(const QString &name)
{
    flushRun();
    m_anchorNames.append(name);
}

void CursorWriter::table(std::unique_ptr<Table> table)
{
    flushRun();
    writeTable(m_cursor, *table, m_insertion);
    afterObject();
}

void CursorWriter::afterObject()
{
    // The cursor stands in the empty block after the table.
    m_pendingBlock = false;
    m_blockEmpty = true;
    m_blockCharFormatSet = false;
    m_blockHasLastFormat = false;
    m_cellFormatBlock = false;
}

void CursorWriter::separatorLine()
{
    if (m_pendingBlock)
        place(m_runChars);
    flushRun();
    QTextBlockFormat format = m_formats.blockFormat(ParaState());
    format.setTopMargin(12);
    format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                       QTextLength(QTextLength::PercentageLength, 30));
    m_cursor.setBlockFormat(format);
    m_haveLastPara = false;
    m_blockHasLastFormat = true;
    m_lastBlockFormat = m_formats.blockFormat(ParaState());
    m_lastBlockFormatIndex = -1;
    m_pendingBlock = true;
}

void CursorWriter::flush()
{
    flushRun();
}

void CursorWriter::defaultTab(int twips)
{
    QTextDocument *document = m_cursor.document();
    QTextOption option = document->defaultTextOption();
    option.setTabStopDistance(Formats::twipsToPixels(twips));
    document->setDefaultTextOption(option);
}

void CursorWriter::finish(const CharState &chars, const ParaState &para)
{
    flushRun();
    if (!m_pendingBlock)
        applyBlockFormat(chars, para);
}

} // namespace Rtf
