// The Symbol and Wingdings fonts: their 8-bit codes as the Unicode characters they show.
#pragma once

#include <QString>

namespace Rtf {

// Code page numbers the font table gives to the two symbol fonts; no real code page has them.
inline constexpr int symbolCodePage = -2;
inline constexpr int wingdingsCodePage = -3;

// The symbol code page of a font: Wingdings by name, Symbol by name or by \fcharset2; 0 if none.
int symbolCodePageFor(const QString &fontName, bool symbolCharset);

// The character the byte shows in the font; U+2022 for a Wingdings picture Unicode lacks.
char16_t symbolFontUnit(int codePage, unsigned char byte);

// Word writes symbol characters also as private-use characters U+F020 to U+F0FF; they stand for
// the byte (the low 8 bits) in the symbol font, Symbol when the font is none.
inline bool isSymbolPrivateUse(char16_t unit)
{
    return unit >= 0xF020 && unit <= 0xF0FF;
}

} // namespace Rtf
