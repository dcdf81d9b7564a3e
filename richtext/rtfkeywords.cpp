// The RTF control words the reader acts on, in one table built once.
#include "richtext/rtfkeywords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Rtf {

namespace {

// A perfect hash over the words the reader knows: the table is built once with the first seed
// under which no two words share a slot, so a lookup is one hash and at most one comparison.
class Table
{
public:
    void add(std::string_view word, Keyword keyword)
    {
        for (auto &entry : m_entries) {
            if (entry.first == word) {
                entry.second = keyword;
                return;
            }
        }
        m_entries.emplace_back(word, keyword);
    }
    void build()
    {
        for (std::uint32_t seed = 2166136261u;; seed = seed * 747796405u + 2891336453u) {
            m_slots.fill(0);
            bool collision = false;
            for (std::size_t i = 0; i < m_entries.size() && !collision; ++i) {
                std::uint16_t &slot = m_slots[hash(m_entries[i].first, seed) & mask];
                collision = slot != 0;
                slot = std::uint16_t(i + 1);
            }
            if (!collision) {
                m_seed = seed;
                return;
            }
        }
    }
    Keyword find(std::string_view word) const
    {
        const std::uint16_t slot = m_slots[hash(word, m_seed) & mask];
        if (slot == 0 || m_entries[slot - 1].first != word)
            return Keyword::Unknown;
        return m_entries[slot - 1].second;
    }

private:
    static constexpr std::size_t size = 16384;
    static constexpr std::size_t mask = size - 1;
    static std::uint32_t hash(std::string_view word, std::uint32_t seed)
    {
        std::uint32_t h = seed; // FNV-1a from the seed
        for (char c : word)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h ^ (h >> 15);
    }
    std::vector<std::pair<std::string_view, Keyword>> m_entries;
    std::array<std::uint16_t, size> m_slots{}; // entry number + 1; 0 is a free slot
    std::uint32_t m_seed = 0;
};

Table buildTable()
{
    Table t;
    // Groups whose content is not part of the shown body: document information, style and list
    // definitions, headers and footers, footnotes and annotations, field instructions, bookmarks,
    // drawing-object properties and the alternative pictures for old readers.
    for (std::string_view word : {"stylesheet", "info",
                                  "title",      "subject",
                                  "author",     "operator",
                                  "keywords",   "comment",
                                  "doccomm",    "creatim",
                                  "revtim",     "printim",
                                  "buptim",     "version",
                                  "vern",       "edmins",
                                  "nofpages",   "nofwords",
                                  "nofchars",   "nofcharsws",
                                  "id",         "hlinkbase",
                                  "company",    "manager",
                                  "category",   "template",
                                  "header",     "headerl",
                                  "headerr",    "headerf",
                                  "footer",     "footerl",
                                  "footerr",    "footerf",
                                  "footnote",   "ftnsep",
                                  "ftnsepc",    "ftncn",
                                  "aftnsep",    "aftnsepc",
                                  "aftncn",     "annotation",
                                  "atnid",      "atnauthor",
                                  "atndate",    "atnicn",
                                  "atnparent",  "atnref",
                                  "atntime",    "atrfstart",
                                  "atrfend",    "fldinst",
                                  "fldtype",    "datafield",
                                  "bkmkstart",  "bkmkend",
                                  "xe",         "tc",
                                  "tcn",        "txe",
                                  "rxe",        "pn",
                                  "pntxta",     "pntxtb",
                                  "listtable",  "listoverridetable",
                                  "revtbl",     "rsidtbl",
                                  "filetbl",    "pgdsc",
                                  "private",    "nonshppict",
                                  "objdata",    "objclass",
                                  "objname",    "objalias",
                                  "objsect",    "objtime",
                                  "objitem",    "objtopic",
                                  "shpinst",    "shptxt",
                                  "sp",         "sn",
                                  "sv",         "nonesttables",
                                  "themedata",  "colorschememapping",
                                  "datastore",  "latentstyles",
                                  "xmlnstbl",   "userprops",
                                  "docvar",     "generator",
                                  "mmathPr",    "wgrffmtfilter",
                                  "pgdsctbl",   "listpicture",
                                  "panose",     "falt",
                                  "fontemb",    "fontfile",
                                  "formfield",  "ffname",
                                  "ffdeftext",  "ffstattext",
                                  "ffhelptext", "ffentrymcr",
                                  "ffexitmcr",  "ffformat",
                                  "ffl",        "blipuid",
                                  "picprop",    "do",
                                  "background", "passwordhash",
                                  "docprops",   "xmlopen",
                                  "xmlclose"})
        t.add(word, Keyword::SkipDestination);
    // Groups whose text is shown: the result of an object, the picture of a drawing object.
    for (std::string_view word : {"shppict", "object", "result"})
        t.add(word, Keyword::TextDestination);

    const std::pair<std::string_view, Keyword> words[] = {
        {"fonttbl", Keyword::FontTable},
        {"colortbl", Keyword::ColorTable},
        {"pict", Keyword::Picture},
        {"listtext", Keyword::ListText},
        {"pntext", Keyword::ListText},
        {"field", Keyword::Field},
        {"fldinst", Keyword::FieldInstruction},
        {"fldrslt", Keyword::FieldResult},
        {"bkmkstart", Keyword::BookmarkStart},
        {"footnote", Keyword::Footnote},
        {"ftnalt", Keyword::FootnoteAlt},
        {"nesttableprops", Keyword::NestTableProps},
        {"shp", Keyword::Shape},
        {"shpinst", Keyword::ShapeInstance},
        {"sp", Keyword::ShapeProperty},
        {"sn", Keyword::ShapePropertyName},
        {"sv", Keyword::ShapePropertyValue},
        {"shptxt", Keyword::ShapeText},
        {"shprslt", Keyword::ShapeResult},
        {"cpg", Keyword::FontCodePage},
        {"column", Keyword::Column},
        {"itap", Keyword::NestingLevel},
        {"trleft", Keyword::TableLeft},
        {"trql", Keyword::TableAlignLeft},
        {"trqc", Keyword::TableAlignCenter},
        {"trqr", Keyword::TableAlignRight},
        {"clmgf", Keyword::CellMergeFirst},
        {"clmrg", Keyword::CellMerge},
        {"clvmgf", Keyword::CellVerticalMergeFirst},
        {"clvmrg", Keyword::CellVerticalMerge},
        {"clvertalt", Keyword::CellAlignTop},
        {"clvertalc", Keyword::CellAlignCenter},
        {"clvertalb", Keyword::CellAlignBottom},
        {"clcbpat", Keyword::CellPatternBackground},
        {"clcfpat", Keyword::CellPatternForeground},
        {"clshdng", Keyword::CellShading},
        {"ansicpg", Keyword::AnsiCodePage},
        {"ansi", Keyword::Ansi},
        {"mac", Keyword::Mac},
        {"pc", Keyword::Pc},
        {"pca", Keyword::Pca},
        {"deff", Keyword::DefaultFont},
        {"deftab", Keyword::DefaultTab},
        {"fcharset", Keyword::FontCharset},
        {"froman", Keyword::FontFamilyRoman},
        {"fswiss", Keyword::FontFamilySwiss},
        {"fmodern", Keyword::FontFamilyModern},
        {"fscript", Keyword::FontFamilyScript},
        {"fdecor", Keyword::FontFamilyDecor},
        {"red", Keyword::Red},
        {"green", Keyword::Green},
        {"blue", Keyword::Blue},
        {"plain", Keyword::Plain},
        {"f", Keyword::Font},
        {"fs", Keyword::FontSize},
        {"cf", Keyword::Foreground},
        {"cb", Keyword::Background},
        {"chcbpat", Keyword::Background},
        {"highlight", Keyword::Highlight},
        {"b", Keyword::Bold},
        {"i", Keyword::Italic},
        {"ul", Keyword::Underline},
        {"uld", Keyword::UnderlineDotted},
        {"uldash", Keyword::UnderlineDashed},
        {"uldashd", Keyword::UnderlineDashDot},
        {"uldashdd", Keyword::UnderlineDashDotDot},
        {"uldb", Keyword::Underline},
        {"ulhwave", Keyword::UnderlineWave},
        {"ulldash", Keyword::UnderlineDashed},
        {"ulth", Keyword::Underline},
        {"ulthd", Keyword::UnderlineDotted},
        {"ulthdash", Keyword::UnderlineDashed},
        {"ulthdashd", Keyword::UnderlineDashDot},
        {"ulthdashdd", Keyword::UnderlineDashDotDot},
        {"ulthldash", Keyword::UnderlineDashed},
        {"ululdbwave", Keyword::UnderlineWave},
        {"ulw", Keyword::Underline},
        {"ulwave", Keyword::UnderlineWave},
        {"ulnone", Keyword::UnderlineNone},
        {"strike", Keyword::Strike},
        {"striked", Keyword::Strike},
        {"v", Keyword::Hidden},
        {"caps", Keyword::AllCaps},
        {"scaps", Keyword::SmallCaps},
        {"sub", Keyword::Subscript},
        {"super", Keyword::Superscript},
        {"nosupersub", Keyword::NoSuperSub},
        {"up", Keyword::Up},
        {"dn", Keyword::Down},
        {"pard", Keyword::Pard},
        {"par", Keyword::Par},
        {"line", Keyword::Line},
        {"tab", Keyword::Tab},
        {"page", Keyword::Page},
        {"sect", Keyword::Section},
        {"ql", Keyword::AlignLeft},
        {"qc", Keyword::AlignCenter},
        {"qr", Keyword::AlignRight},
        {"qj", Keyword::AlignJustify},
        {"li", Keyword::LeftIndent},
        {"lin", Keyword::LeftIndent},
        {"ri", Keyword::RightIndent},
        {"rin", Keyword::RightIndent},
        {"fi", Keyword::FirstIndent},
        {"sb", Keyword::SpaceBefore},
        {"sa", Keyword::SpaceAfter},
        {"sl", Keyword::LineSpacing},
        {"slmult", Keyword::LineMultiple},
        {"tx", Keyword::TabPosition},
        {"tqr", Keyword::TabRight},
        {"tqc", Keyword::TabCenter},
        {"tqdec", Keyword::TabDecimal},
        {"trowd", Keyword::RowDefaults},
        {"cellx", Keyword::CellX},
        {"cell", Keyword::Cell},
        {"row", Keyword::Row},
        {"intbl", Keyword::InTable},
        {"nestcell", Keyword::NestCell},
        {"nestrow", Keyword::NestRow},
        {"trgaph", Keyword::CellGap},
        {"clbrdrt", Keyword::CellBorderTop},
        {"clbrdrl", Keyword::CellBorderLeft},
        {"clbrdrb", Keyword::CellBorderBottom},
        {"clbrdrr", Keyword::CellBorderRight},
        {"brdrnone", Keyword::BorderNone},
        {"brdrnil", Keyword::BorderNone},
        {"brdrtbl", Keyword::BorderNone},
        {"brdrw", Keyword::BorderWidth},
        {"brdrt", Keyword::OtherBorder},
        {"brdrb", Keyword::OtherBorder},
        {"brdrl", Keyword::OtherBorder},
        {"brdrr", Keyword::OtherBorder},
        {"brdrbtw", Keyword::OtherBorder},
        {"brdrbar", Keyword::OtherBorder},
        {"box", Keyword::OtherBorder},
        {"trbrdrt", Keyword::OtherBorder},
        {"trbrdrb", Keyword::OtherBorder},
        {"trbrdrl", Keyword::OtherBorder},
        {"trbrdrr", Keyword::OtherBorder},
        {"trbrdrh", Keyword::OtherBorder},
        {"trbrdrv", Keyword::OtherBorder},
        {"uc", Keyword::UnicodeSkip},
        {"u", Keyword::Unicode},
        {"bin", Keyword::Binary},
        {"emdash", Keyword::EmDash},
        {"endash", Keyword::EnDash},
        {"emspace", Keyword::EmSpace},
        {"enspace", Keyword::EnSpace},
        {"qmspace", Keyword::QmSpace},
        {"bullet", Keyword::Bullet},
        {"lquote", Keyword::LeftQuote},
        {"rquote", Keyword::RightQuote},
        {"ldblquote", Keyword::LeftDoubleQuote},
        {"rdblquote", Keyword::RightDoubleQuote},
        {"zwj", Keyword::ZeroWidthJoiner},
        {"zwnj", Keyword::ZeroWidthNonJoiner},
        {"chftn", Keyword::FootnoteNumber},
        {"picw", Keyword::PictureWidth},
        {"pich", Keyword::PictureHeight},
        {"picwgoal", Keyword::PictureGoalWidth},
        {"pichgoal", Keyword::PictureGoalHeight},
        {"picscalex", Keyword::PictureScaleX},
        {"picscaley", Keyword::PictureScaleY},
        {"pngblip", Keyword::PngBlip},
        {"jpegblip", Keyword::JpegBlip},
        {"emfblip", Keyword::MetafileBlip},
        {"wmetafile", Keyword::MetafileBlip},
        {"macpict", Keyword::MetafileBlip},
        {"pmmetafile", Keyword::MetafileBlip},
        {"dibitmap", Keyword::DibBlip},
        {"wbitmap", Keyword::OtherBlip},
    };
    for (const auto &[word, keyword] : words)
        t.add(word, keyword);
    t.build();
    return t;
}

} // namespace

Keyword lookupKeyword(std::string_view word)
{
    static const Table table = buildTable();
    return table.find(word);
}

} // namespace Rtf
