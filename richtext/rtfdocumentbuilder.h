// Writes what the RTF parser reads into a QTextDocument: body text goes in at once, tables are
// collected until they end and then built at their final size, notes follow the body's text.
#pragma once

#include "richtext/rtfcontent.h"
#include "richtext/rtfformats.h"
#include "richtext/rtfstate.h"
#include "richtext/rtftable.h"

#include <memory>
#include <vector>

namespace Rtf {

class DocumentBuilder
{
public:
    static constexpr int maxNesting = 8;       // tables in tables in ...
    static constexpr int maxTableCells = 4000; // a longer table goes on as a new one that looks the same

    // The formats take the header's tables and the link targets; the body the document's content.
    DocumentBuilder(Formats &formats, BodySink &body);

    // The tables of the document header.
    Formats &formats() { return m_formats; }
    void setDefaultTab(int twips);

    void appendText(QStringView text, const CharState &chars, const ParaState &para)
    {
        if (m_direct && !para.inTable && !m_mark.active) {
            m_body.text(text, chars, para);
            return;
        }
        sinkFor(para).text(text, chars);
    }
    void endParagraph(const CharState &chars, const ParaState &para);
    void appendPicture(const Picture &picture, const CharState &chars, const ParaState &para);
    void addBookmark(const QString &name, const ParaState &para);

    // Tables: the row definition of the paragraph's nesting level, then the cells. A row takes
    // the definition in force at its end, so a definition after the cells counts too.
    RowDefinitionBuilder &rowDefinition(const ParaState &para);
    void endCell(bool nested, const CharState &chars, const ParaState &para);
    void endRow(bool nested, const CharState &chars, const ParaState &para);

    // Notes: the mark in the text (\chftn), then the note's group; an endnote says so inside.
    void noteMark(const CharState &chars, const ParaState &para);
    void beginNote();
    void setEndnote();
    void noteNumber(const CharState &chars);
    void endNote();
    bool inNote() const { return m_noteDepth > 0; }

    // Ends the last paragraph and adds the notes.
    void finish(const CharState &chars, const ParaState &para);

private:
    struct OpenTable
    {
        std::unique_ptr<Table> table;
        std::vector<Content> cells; // of the row being read; the last is the cell being read
    };
    struct Note
    {
        Content content;
        bool endnote = false;
        QString label;
        QString anchor;
    };
    struct Mark
    {
        bool active = false;
        CharState chars;
        ParaState para;
    };

    Sink &sinkFor(const ParaState &para);
    int levelOf(const ParaState &para) const;
    void setLevel(int level);
    void openTable();
    void closeTable();
    void commitRow(OpenTable &open, int level);
    void resolveMark();
    void writeNotes(bool endnotes);
    void updateDirect() { m_direct = m_tables.empty() && m_noteDepth == 0; }

    Formats &m_formats;
    BodySink &m_body;
    bool m_direct = true; // content goes straight into the body: no table open, no note

    std::vector<OpenTable> m_tables;                                // by nesting level - 1
    std::array<RowDefinitionBuilder, maxNesting + 1> m_definitions; // by nesting level

    std::vector<Note> m_notes;
    int m_noteDepth = 0;
    int m_footnotes = 0;
    int m_endnotes = 0;
    Mark m_mark;
};

} // namespace Rtf
