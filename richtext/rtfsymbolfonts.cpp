// The Symbol and Wingdings fonts: tables of the characters from code 0x20 on.
#include "richtext/rtfsymbolfonts.h"

#include <array>

namespace Rtf {

namespace {

// Symbol, codes 0x20 to 0xFF (Adobe's Symbol encoding); 0 where the font has no character.
constexpr std::array<char16_t, 224> symbolTable = {
    // 0x20
    u' ', u'!', u'\u2200', u'#', u'\u2203', u'%', u'&', u'\u220B', u'(', u')', u'\u2217', u'+', u',',
    u'\u2212', u'.', u'/',
    // 0x30
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u':', u';', u'<', u'=', u'>', u'?',
    // 0x40
    u'\u2245', u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393', u'\u0397',
    u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D', u'\u039F',
    // 0x50
    u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5', u'\u03C2', u'\u03A9', u'\u039E',
    u'\u03A8', u'\u0396', u'[', u'\u2234', u']', u'\u22A5', u'_',
    // 0x60
    u'\u203E', u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3', u'\u03B7',
    u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD', u'\u03BF',
    // 0x70
    u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5', u'\u03D6', u'\u03C9', u'\u03BE',
    u'\u03C8', u'\u03B6', u'{', u'|', u'}', u'\u223C', 0,
    // 0x80 to 0x9F: unused
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    u'\u20AC', u'\u03D2', u'\u2032', u'\u2264', u'\u2044', u'\u221E', u'\u0192', u'\u2663', u'\u2666',
    u'\u2665', u'\u2660', u'\u2194', u'\u2190', u'\u2191', u'\u2192', u'\u2193',
    // 0xB0
    u'\u00B0', u'\u00B1', u'\u2033', u'\u2265', u'\u00D7', u'\u221D', u'\u2202', u'\u2022', u'\u00F7',
    u'\u2260', u'\u2261', u'\u2248', u'\u2026', u'\u23D0', u'\u23AF', u'\u21B5',
    // 0xC0
    u'\u2135', u'\u2111', u'\u211C', u'\u2118', u'\u2297', u'\u2295', u'\u2205', u'\u2229', u'\u222A',
    u'\u2283', u'\u2287', u'\u2284', u'\u2282', u'\u2286', u'\u2208', u'\u2209',
    // 0xD0
    u'\u2220', u'\u2207', u'\u00AE', u'\u00A9', u'\u2122', u'\u220F', u'\u221A', u'\u22C5', u'\u00AC',
    u'\u2227', u'\u2228', u'\u21D4', u'\u21D0', u'\u21D1', u'\u21D2', u'\u21D3',
    // 0xE0
    u'\u25CA', u'\u2329', u'\u00AE', u'\u00A9', u'\u2122', u'\u2211', u'\u239B', u'\u239C', u'\u239D',
    u'\u23A1', u'\u23A2', u'\u23A3', u'\u23A7', u'\u23A8', u'\u23A9', u'\u23AA',
    // 0xF0
    0, u'\u232A', u'\u222B', u'\u2320', u'\u23AE', u'\u2321', u'\u239E', u'\u239F', u'\u23A0', u'\u23A4',
    u'\u23A5', u'\u23A6', u'\u23AB', u'\u23AC', u'\u23AD', 0};

struct Pair
{
    unsigned char code;
    char16_t unit;
};

// Wingdings: the characters with an equivalent in the Basic Multilingual Plane; list bullets,
// hands, arrows, check marks and numbers are among them.
constexpr Pair wingdingsPairs[] = {
    {0x20, u' '},      {0x21, u'\u270F'}, {0x22, u'\u2702'}, {0x23, u'\u2701'}, {0x28, u'\u260E'},
    {0x29, u'\u2706'}, {0x2A, u'\u2709'}, {0x36, u'\u231B'}, {0x37, u'\u2328'}, {0x3E, u'\u2707'},
    {0x3F, u'\u270D'}, {0x41, u'\u270C'}, {0x45, u'\u261C'}, {0x46, u'\u261E'}, {0x47, u'\u261D'},
    {0x48, u'\u261F'}, {0x4A, u'\u263A'}, {0x4C, u'\u2639'}, {0x4E, u'\u2620'}, {0x51, u'\u2708'},
    {0x52, u'\u263C'}, {0x54, u'\u2744'}, {0x56, u'\u271E'}, {0x58, u'\u2720'}, {0x59, u'\u2721'},
    {0x5A, u'\u262A'}, {0x5B, u'\u262F'}, {0x5C, u'\u0950'}, {0x5D, u'\u2638'}, {0x5E, u'\u2648'},
    {0x5F, u'\u2649'}, {0x60, u'\u264A'}, {0x61, u'\u264B'}, {0x62, u'\u264C'}, {0x63, u'\u264D'},
    {0x64, u'\u264E'}, {0x65, u'\u264F'}, {0x66, u'\u2650'}, {0x67, u'\u2651'}, {0x68, u'\u2652'},
    {0x69, u'\u2653'}, {0x6C, u'\u25CF'}, {0x6D, u'\u274D'}, {0x6E, u'\u25A0'}, {0x6F, u'\u25A1'},
    {0x71, u'\u2751'}, {0x72, u'\u2752'}, {0x73, u'\u2B27'}, {0x74, u'\u29EB'}, {0x75, u'\u25C6'},
    {0x76, u'\u2756'}, {0x77, u'\u2B25'}, {0x78, u'\u2327'}, {0x79, u'\u2353'}, {0x7A, u'\u2318'},
    {0x7B, u'\u2740'}, {0x7C, u'\u273F'}, {0x7D, u'\u275D'}, {0x7E, u'\u275E'}, {0x80, u'\u24EA'},
    {0x81, u'\u2460'}, {0x82, u'\u2461'}, {0x83, u'\u2462'}, {0x84, u'\u2463'}, {0x85, u'\u2464'},
    {0x86, u'\u2465'}, {0x87, u'\u2466'}, {0x88, u'\u2467'}, {0x89, u'\u2468'}, {0x8A, u'\u2469'},
    {0x8B, u'\u24FF'}, {0x8C, u'\u2776'}, {0x8D, u'\u2777'}, {0x8E, u'\u2778'}, {0x8F, u'\u2779'},
    {0x90, u'\u277A'}, {0x91, u'\u277B'}, {0x92, u'\u277C'}, {0x93, u'\u277D'}, {0x94, u'\u277E'},
    {0x95, u'\u277F'}, {0x9E, u'\u00B7'}, {0x9F, u'\u2022'}, {0xA0, u'\u25AA'}, {0xA1, u'\u25CB'},
    {0xA4, u'\u25C9'}, {0xA5, u'\u25CE'}, {0xA7, u'\u25AA'}, {0xA8, u'\u25FB'}, {0xAA, u'\u2726'},
    {0xAB, u'\u2605'}, {0xAC, u'\u2736'}, {0xAD, u'\u2734'}, {0xAE, u'\u2739'}, {0xAF, u'\u2735'},
    {0xB1, u'\u2316'}, {0xB2, u'\u27E1'}, {0xB3, u'\u2311'}, {0xB5, u'\u272A'}, {0xB6, u'\u2730'},
    {0xD5, u'\u232B'}, {0xD6, u'\u2326'}, {0xD8, u'\u27A2'}, {0xE8, u'\u2794'}, {0xEF, u'\u21E6'},
    {0xF0, u'\u21E8'}, {0xF1, u'\u21E7'}, {0xF2, u'\u21E9'}, {0xF3, u'\u2B04'}, {0xF4, u'\u21F3'},
    {0xFB, u'\u2717'}, {0xFC, u'\u2714'}, {0xFD, u'\u2612'}, {0xFE, u'\u2611'},
};

std::array<char16_t, 256> wingdingsTable()
{
    std::array<char16_t, 256> table{};
    for (const Pair &pair : wingdingsPairs)
        table[pair.code] = pair.unit;
    return table;
}

} // namespace

int symbolCodePageFor(const QString &fontName, bool symbolCharset)
{
    const QString name = fontName.trimmed().toLower();
    if (name == u"wingdings")
        return wingdingsCodePage;
    if (name == u"symbol" || symbolCharset)
        return symbolCodePage;
    return 0;
}

char16_t symbolFontUnit(int codePage, unsigned char byte)
{
    if (byte < 0x20)
        return byte;
    char16_t unit = 0;
    if (codePage == wingdingsCodePage) {
        static const std::array<char16_t, 256> wingdings = wingdingsTable();
        unit = wingdings[byte];
    } else {
        unit = symbolTable[byte - 0x20];
    }
    return unit != 0 ? unit : u'\u2022';
}

} // namespace Rtf
