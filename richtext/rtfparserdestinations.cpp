// The RTF parser's destinations (fields, bookmarks, notes, list texts, shapes) and table words.
#include "richtext/rtfparser.h"

#include "richtext/rtffield.h"

#include <algorithm>

namespace Rtf {

bool Parser::destinationWord(Keyword keyword)
{
    GroupState &s = m_state;
    switch (keyword) {
    case Keyword::SkipDestination:
        s.destination = Destination::Skip;
        skipGroup();
        return true;
    case Keyword::TextDestination:
    case Keyword::NestTableProps:
        return true; // the text stays where it was going
    case Keyword::ListText:
        if (s.destination == Destination::Text) {
            s.listText = true;
            m_listMarker.clear(); // a list text for the same paragraph replaces the one before
        }
        return true;
    case Keyword::Field:
        m_fieldInstruction.clear();
        return true;
    case Keyword::FieldInstruction:
        if (s.destination == Destination::Text)
            s.destination = Destination::FieldInstruction;
        else
            s.destination = Destination::Skip;
        return true;
    case Keyword::FieldResult:
        if (s.destination == Destination::Text) {
            const QString target = hyperlinkTarget(m_fieldInstruction);
            if (!target.isEmpty())
                s.chars.link = m_formats.addLink(target);
        }
        m_fieldInstruction.clear();
        return true;
    case Keyword::BookmarkStart:
        s.destination = Destination::BookmarkName;
        m_bookmark.clear();
        return true;
    case Keyword::Footnote:
        if (s.destination != Destination::Text || s.noteGroup) {
            s.destination = Destination::Skip; // a note in a note, or in no text
            skipGroup();
            return true;
        }
        flushListMarker();
        s.noteGroup = true;
        m_builder.beginNote();
        return true;
    case Keyword::FootnoteAlt:
        if (s.noteGroup)
            m_builder.setEndnote();
        return true;
    case Keyword::Shape:
        m_shapePictureShown = false;
        return true;
    case Keyword::ShapeInstance:
        s.destination = s.destination == Destination::Text ? Destination::Shape : Destination::Skip;
        return true;
    case Keyword::ShapeResult:
        if (m_shapePictureShown) {
            s.destination = Destination::Skip;
            skipGroup();
        }
        return true;
    case Keyword::ShapeProperty:
    case Keyword::ShapePropertyName:
    case Keyword::ShapePropertyValue:
    case Keyword::ShapeText:
        if (s.destination != Destination::Shape) {
            s.destination = Destination::Skip;
            skipGroup();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Parser::shapeWord(Keyword keyword)
{
    // Of a shape's properties only its picture ("pib") is shown, and the text of a text box.
    GroupState &s = m_state;
    switch (keyword) {
    case Keyword::ShapePropertyName:
        s.destination = Destination::ShapePropertyName;
        m_shapeProperty.clear();
        break;
    case Keyword::ShapePropertyValue:
        if (m_shapeProperty != u"pib") {
            s.destination = Destination::Skip;
            skipGroup();
        }
        break;
    case Keyword::ShapeText:
        s.destination = Destination::Text;
        break;
    default:
        break;
    }
}

void Parser::tableWord(Keyword keyword, int param)
{
    RowDefinitionBuilder &definition = m_builder.rowDefinition(m_state.para);
    CellDefinition &cell = definition.nextCell();
    switch (keyword) {
    case Keyword::RowDefaults:
        definition.reset();
        break;
    case Keyword::CellX:
        definition.cellBoundary(twips(param));
        break;
    case Keyword::CellGap:
        definition.row().gap = std::clamp(param, 0, 1440);
        break;
    case Keyword::TableLeft:
        definition.row().left = twips(param);
        break;
    case Keyword::TableAlignLeft:
        definition.row().alignment = TableAlignment::Left;
        break;
    case Keyword::TableAlignCenter:
        definition.row().alignment = TableAlignment::Center;
        break;
    case Keyword::TableAlignRight:
        definition.row().alignment = TableAlignment::Right;
        break;
    case Keyword::CellBorderTop:
        definition.border(CellSide::Top);
        break;
    case Keyword::CellBorderLeft:
        definition.border(CellSide::Left);
        break;
    case Keyword::CellBorderBottom:
        definition.border(CellSide::Bottom);
        break;
    case Keyword::CellBorderRight:
        definition.border(CellSide::Right);
        break;
    case Keyword::OtherBorder:
        definition.otherBorder();
        break;
    case Keyword::BorderNone:
        definition.borderWidth(0);
        break;
    case Keyword::BorderWidth:
        definition.borderWidth(std::clamp(param, 0, 1440));
        break;
    case Keyword::CellMergeFirst:
        cell.mergeFirst = true;
        break;
    case Keyword::CellMerge:
        cell.merge = true;
        break;
    case Keyword::CellVerticalMergeFirst:
        cell.verticalMergeFirst = true;
        break;
    case Keyword::CellVerticalMerge:
        cell.verticalMerge = true;
        break;
    case Keyword::CellAlignTop:
        cell.alignment = CellAlignment::Top;
        break;
    case Keyword::CellAlignCenter:
        cell.alignment = CellAlignment::Center;
        break;
    case Keyword::CellAlignBottom:
        cell.alignment = CellAlignment::Bottom;
        break;
    case Keyword::CellPatternBackground:
        cell.background = param;
        break;
    case Keyword::CellPatternForeground:
        cell.foreground = param;
        break;
    case Keyword::CellShading:
        cell.shading = param;
        break;
    default:
        break;
    }
}

} // namespace Rtf
