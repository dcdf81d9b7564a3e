// The RTF control words the reader acts on, looked up by name.
#pragma once

#include <cstdint>
#include <string_view>

namespace Rtf {

enum class Keyword : std::uint8_t {
    Unknown,
    // destinations
    SkipDestination, // a group whose content a word processor does not show in the body
    TextDestination, // a group whose text belongs to the body (field results, list texts, ...)
    FontTable,
    ColorTable,
    Picture,
    // document
    AnsiCodePage,
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    DefaultTab,
    FontCharset,
    FontFamilyRoman,
    FontFamilySwiss,
    FontFamilyModern,
    FontFamilyScript,
    FontFamilyDecor,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Font,
    FontSize,
    Foreground,
    Background,
    Highlight,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    AllCaps,
    SmallCaps,
    Subscript,
    Superscript,
    NoSuperSub,
    Up,
    Down,
    // paragraph formatting
    Pard,
    Par,
    Line,
    Tab,
    Page,
    Section,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabPosition,
    TabRight,
    TabCenter,
    TabDecimal,
    // tables
    RowDefaults,
    CellX,
    Cell,
    Row,
    InTable,
    NestCell,
    NestRow,
    CellGap,
    CellBorder,
    // text
    UnicodeSkip,
    Unicode,
    Binary,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    FootnoteNumber,
    // pictures
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    PngBlip,
    JpegBlip,
    OtherBlip,
};

Keyword lookupKeyword(std::string_view word);

} // namespace Rtf
