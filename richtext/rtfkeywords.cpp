// The RTF control words the reader acts on, in one table built once.
#include "richtext/rtfkeywords.h"

#include <array>
#include <cstdint>

namespace Rtf {

namespace {

// Open addressing over a power-of-two table: the lookup runs for every control word of a document.
class Table
{
public:
    void emplace(std::string_view word, Keyword keyword) { insert_or_assign(word, keyword); }
    void insert_or_assign(std::string_view word, Keyword keyword)
    {
        std::size_t i = hash(word) & mask;
        while (m_slots[i].keyword != Keyword::Unknown && m_slots[i].word != word)
            i = (i + 1) & mask;
        m_slots[i] = Slot{word, keyword};
    }
    Keyword find(std::string_view word) const
    {
        std::size_t i = hash(word) & mask;
        while (m_slots[i].keyword != Keyword::Unknown) {
            if (m_slots[i].word == word)
                return m_slots[i].keyword;
            i = (i + 1) & mask;
        }
        return Keyword::Unknown;
    }

private:
    static constexpr std::size_t size = 1024; // a quarter full at most
    static constexpr std::size_t mask = size - 1;
    struct Slot
    {
        std::string_view word;
        Keyword keyword = Keyword::Unknown;
    };
    static std::size_t hash(std::string_view word)
    {
        std::uint32_t h = 2166136261u; // FNV-1a
        for (char c : word)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h ^ (h >> 15);
    }
    std::array<Slot, size> m_slots{};
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
        t.emplace(word, Keyword::SkipDestination);
    // Groups whose text is shown: the result of a field or an object, the number or bullet of a
    // list paragraph, the picture of a drawing object.
    for (std::string_view word :
         {"field", "fldrslt", "listtext", "pntext", "shppict", "shp", "shprslt", "object", "result"})
        t.emplace(word, Keyword::TextDestination);

    const std::pair<std::string_view, Keyword> words[] = {
        {"fonttbl", Keyword::FontTable},
        {"colortbl", Keyword::ColorTable},
        {"pict", Keyword::Picture},
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
        {"uld", Keyword::Underline},
        {"uldash", Keyword::Underline},
        {"uldashd", Keyword::Underline},
        {"uldashdd", Keyword::Underline},
        {"uldb", Keyword::Underline},
        {"ulhwave", Keyword::Underline},
        {"ulldash", Keyword::Underline},
        {"ulth", Keyword::Underline},
        {"ulthd", Keyword::Underline},
        {"ulthdash", Keyword::Underline},
        {"ulw", Keyword::Underline},
        {"ulwave", Keyword::Underline},
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
        {"emfblip", Keyword::OtherBlip},
        {"wmetafile", Keyword::OtherBlip},
        {"macpict", Keyword::OtherBlip},
        {"pmmetafile", Keyword::OtherBlip},
        {"dibitmap", Keyword::OtherBlip},
        {"wbitmap", Keyword::OtherBlip},
    };
    for (const auto &[word, keyword] : words)
        t.insert_or_assign(word, keyword);
    return t;
}

} // namespace

Keyword lookupKeyword(std::string_view word)
{
    static const Table table = buildTable();
    return table.find(word);
}

} // namespace Rtf
