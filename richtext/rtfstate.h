// The state an RTF group carries: where its text goes and the character and paragraph formatting.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace Rtf {

// Where the text of a group goes.
enum class Destination : std::uint8_t {
    Text,             // the document body (also field results, list texts, shape results)
    Skip,             // read for braces and \bin only
    FontTable,        // font entries "\fN ... Name;"
    ColorTable,       // colour entries "\redR\greenG\blueB;"
    Picture,          // hex or \bin picture data
    FieldInstruction, // the instruction of a field ("HYPERLINK ...")
    BookmarkName,     // the name of a bookmark that starts here
    Shape,            // a shape's properties: only its picture is shown
    ShapePropertyName,
};

// Underlines as Qt can draw them; a double underline is drawn single.
enum class Underline : std::uint8_t { None, Single, Dotted, Dashed, DashDot, DashDotDot, Wave };

enum class VerticalPosition : std::uint8_t { Normal, Sub, Super };

// Compared for every piece of text: the fields lie without gaps, so that two states are equal
// exactly when their bytes are.
struct CharState
{
    int font = -1;       // font table number; -1 until set, then the default font applies
    int halfPoints = 24; // font size in half points
    int foreground = -1; // colour table index; -1 is the automatic colour
    int background = -1; // colour table index from \cb or \chcbpat
    int highlight = -1;  // colour table index from \highlight
    int link = -1;       // the builder's number of the link target of a field result; -1 for no link
    bool bold = false;
    bool italic = false;
    Underline underline = Underline::None;
    bool strike = false;
    bool hidden = false; // \v: text that a word processor does not show
    bool allCaps = false;
    bool smallCaps = false;
    VerticalPosition vertical = VerticalPosition::Normal;

    bool operator==(const CharState &other) const
    {
        return std::memcmp(this, &other, sizeof(CharState)) == 0;
    }
};
static_assert(std::has_unique_object_representations_v<CharState>,
              "a gap in CharState breaks its comparison");

enum class Alignment : std::uint8_t { Left, Center, Right, Justify };
enum class TabKind : std::uint8_t { Left, Center, Right, Decimal };

struct TabStop
{
    int twips = 0;
    TabKind kind = TabKind::Left;
    bool operator==(const TabStop &) const = default;
};

struct ParaState
{
    static constexpr int maxTabs = 32;

    Alignment alignment = Alignment::Left;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    int lineSpacing = 0;       // \sl; 0 is single spacing
    bool lineMultiple = false; // \slmult1: \sl is in 240ths of a line
    bool inTable = false;      // \intbl
    int nesting = 0;           // \itapN: the table nesting level of the paragraph (1 with \intbl)
    TabKind nextTabKind = TabKind::Left;
    int tabCount = 0;
    std::array<TabStop, maxTabs> tabs{};

    bool operator==(const ParaState &) const = default;
};

struct GroupState
{
    Destination destination = Destination::Text;
    int unicodeSkip = 1;      // \ucN: fallback characters after \uN
    bool starPending = false; // \* seen, waiting for the destination word
    bool listText = false;    // a list number or bullet: its paragraph words do not count
    bool noteGroup = false;   // the group of a footnote or endnote: the note ends with it
    bool shapeGroup = false;  // a shape: its result is not shown when its picture was
    CharState chars;
    ParaState para;
};

} // namespace Rtf
