// Routes the parser's content: to the body, to the cell of an open table, or to a note.
#include "richtext/rtfdocumentbuilder.h"

#include <algorithm>

namespace Rtf {

namespace {

QString roman(int number)
{
    static const std::pair<int, const char *> digits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    for (const auto &[value, letters] : digits)
        for (; number >= value; number -= value)
            text += QLatin1StringView(letters);
    return text;
}

} // namespace

DocumentBuilder::DocumentBuilder(Formats &formats, BodySink &body) : m_formats(formats), m_body(body)
{
    setDefaultTab(720); // half an inch, unless the document says otherwise
}

void DocumentBuilder::setDefaultTab(int twips)
{
    m_body.defaultTab(twips);
}

int DocumentBuilder::levelOf(const ParaState &para) const
{
    if (!para.inTable || m_noteDepth > 0)
        return 0; // a note's cells are not laid out as a table
    return std::clamp(para.nesting, 1, maxNesting);
}

Sink &DocumentBuilder::sinkFor(const ParaState &para)
{
    if (m_noteDepth == 0)
        resolveMark();
    setLevel(levelOf(para));
    if (!m_tables.empty())
        return m_tables.back().cells.back();
    if (m_noteDepth > 0)
        return m_notes.back().content;
    return m_body;
}

void DocumentBuilder::setLevel(int level)
{
    while (int(m_tables.size()) > level)
        closeTable();
    while (int(m_tables.size()) < level)
        openTable();
}

void DocumentBuilder::openTable()
{
    OpenTable open;
    open.table = std::make_unique<Table>();
    open.cells.emplace_back();
    m_tables.push_back(std::move(open));
    updateDirect();
}

void DocumentBuilder::commitRow(OpenTable &open, int level)
{
    if (open.cells.back().isEmpty())
        open.cells.pop_back(); // the cell after the row's last \cell
    if (!open.cells.empty())
        open.table->rows.push_back(
            Table::Row{m_definitions[std::size_t(level)].definition(), std::move(open.cells)});
    open.cells.clear();
    open.cells.emplace_back();
}

void DocumentBuilder::closeTable()
{
    const int level = int(m_tables.size());
    OpenTable open = std::move(m_tables.back());
    m_tables.pop_back();
    commitRow(open, level); // cells that no \row ended
    updateDirect();
    if (open.table->rows.empty())
        return;
    Sink &parent = !m_tables.empty() ? static_cast<Sink &>(m_tables.back().cells.back())
                   : m_noteDepth > 0 ? static_cast<Sink &>(m_notes.back().content)
                                     : static_cast<Sink &>(m_body);
    parent.table(std::move(open.table));
}

RowDefinitionBuilder &DocumentBuilder::rowDefinition(const ParaState &para)
{
    return m_definitions[std::size_t(std::clamp(para.inTable ? para.nesting : 1, 1, maxNesting))];
}

void DocumentBuilder::endParagraph(const CharState &chars, const ParaState &para)
{
    sinkFor(para).paragraph(chars, para);
}

void DocumentBuilder::appendPicture(const Picture &picture, const CharState &chars, const ParaState &para)
{
    sinkFor(para).picture(picture, chars);
}

void DocumentBuilder::addBookmark(const QString &name, const ParaState &para)
{
    sinkFor(para).anchorName(name);
}

void DocumentBuilder::endCell(bool nested, const CharState &chars, const ParaState &para)
{
    const int level = nested ? std::clamp(para.nesting, 2, maxNesting) : 1;
    if (m_noteDepth > 0 ||
        (!para.inTable && m_tables.empty() && rowDefinition(para).definition().cells.empty())) {
        // A cell mark with neither a table paragraph nor a row definition: keep the cells apart.
        sinkFor(para).text(u"\t", chars);
        return;
    }
    if (m_noteDepth == 0)
        resolveMark();
    setLevel(level);
    // The cell's last paragraph ends with the cell (after a paragraph mark, an empty one).
    m_tables.back().cells.back().paragraph(chars, para);
    m_tables.back().cells.emplace_back();
}

void DocumentBuilder::endRow(bool nested, const CharState &chars, const ParaState &para)
{
    const int level = nested ? std::clamp(para.nesting, 2, maxNesting) : 1;
    if (m_noteDepth > 0 || int(m_tables.size()) < level) {
        // No row of that level is open: a nested row mark outside any table breaks the line.
        if (nested && !para.inTable)
            sinkFor(para).text(u"\u2028", chars);
        return;
    }
    if (m_noteDepth == 0)
        resolveMark();
    setLevel(level);
    OpenTable &open = m_tables.back();
    commitRow(open, level);
    if (open.table->cellCount() >= maxTableCells) {
        closeTable();
        openTable();
    }
}

void DocumentBuilder::noteMark(const CharState &chars, const ParaState &para)
{
    if (m_noteDepth > 0)
        return;
    resolveMark();
    m_mark = Mark{true, chars, para};
}

void DocumentBuilder::resolveMark()
{
    if (!m_mark.active)
        return;
    // A mark whose note never came: its number alone.
    m_mark.active = false;
    sinkFor(m_mark.para).text(QString::number(++m_footnotes), m_mark.chars);
}

void DocumentBuilder::beginNote()
{
    if (m_noteDepth++ == 0)
        m_notes.emplace_back();
    updateDirect();
}

void DocumentBuilder::setEndnote()
{
    if (m_noteDepth > 0)
        m_notes.back().endnote = true;
}

void DocumentBuilder::noteNumber(const CharState &chars)
{
    if (m_noteDepth > 0 && m_tables.empty())
        m_notes.back().content.noteNumber(chars);
}

void DocumentBuilder::endNote()
{
    if (m_noteDepth == 0 || --m_noteDepth > 0)
        return;
    updateDirect();
    Note &note = m_notes.back();
    if (note.endnote) {
        note.label = roman(++m_endnotes);
        note.anchor = QStringLiteral("rtf-endnote-%1").arg(m_endnotes);
    } else {
        note.label = QString::number(++m_footnotes);
        note.anchor = QStringLiteral("rtf-footnote-%1").arg(m_footnotes);
    }
    if (m_mark.active) {
        m_mark.active = false;
        CharState chars = m_mark.chars;
        chars.link = m_formats.addLink(QLatin1Char('#') + note.anchor);
        sinkFor(m_mark.para).text(note.label, chars);
    }
}

void DocumentBuilder::writeNotes(bool endnotes)
{
    bool first = true;
    for (Note &note : m_notes) {
        if (note.endnote != endnotes || note.label.isEmpty())
            continue;
        if (first)
            m_body.separatorLine();
        first = false;
        if (note.content.hasNoteNumber()) {
            note.content.replay(m_body, note.label, note.anchor);
        } else {
            m_body.anchorName(note.anchor);
            m_body.text(note.label + QLatin1Char(' '), CharState());
            note.content.replay(m_body);
        }
        if (!note.content.endsWithParagraph())
            m_body.paragraph(CharState(), ParaState());
    }
}

void DocumentBuilder::finish(const CharState &chars, const ParaState &para)
{
    while (m_noteDepth > 0)
        endNote();
    resolveMark();
    setLevel(0);
    if (m_notes.empty()) {
        m_body.finish(chars, para);
        return;
    }
    if (!m_body.paragraphPending())
        m_body.paragraph(chars, para);
    writeNotes(false);
    writeNotes(true);
    m_body.finish(chars, para);
}

} // namespace Rtf
