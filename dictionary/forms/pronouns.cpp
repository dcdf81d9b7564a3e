// Pronouns, numerals and the irregular nouns, written out as a school grammar's tables.
#include "dictionary/forms/generator_p.h"

#include <cstring>

namespace Forms::Detail {

namespace {

// [number][case Nom..Abl][gender m, f, n]; "/" separates alternatives.
const Table is = {{{"is", "ea", "id"},
                   {"eius", "eius", "eius"},
                   {"ei", "ei", "ei"},
                   {"eum", "eam", "id"},
                   {"eo", "ea", "eo"}},
                  {{"ei/ii", "eae", "ea"},
                   {"eorum", "earum", "eorum"},
                   {"eis/iis", "eis/iis", "eis/iis"},
                   {"eos", "eas", "ea"},
                   {"eis/iis", "eis/iis", "eis/iis"}}};
const Table hic = {{{"hic", "haec", "hoc"},
                    {"huius", "huius", "huius"},
                    {"huic", "huic", "huic"},
                    {"hunc", "hanc", "hoc"},
                    {"hoc", "hac", "hoc"}},
                   {{"hi", "hae", "haec"},
                    {"horum", "harum", "horum"},
                    {"his", "his", "his"},
                    {"hos", "has", "haec"},
                    {"his", "his", "his"}}};
const Table idem = {{{"idem", "eadem", "idem"},
                     {"eiusdem", "eiusdem", "eiusdem"},
                     {"eidem", "eidem", "eidem"},
                     {"eundem", "eandem", "idem"},
                     {"eodem", "eadem", "eodem"}},
                    {{"eidem/iidem/idem", "eaedem", "eadem"},
                     {"eorundem", "earundem", "eorundem"},
                     {"eisdem/iisdem/isdem", "eisdem/iisdem/isdem", "eisdem/iisdem/isdem"},
                     {"eosdem", "easdem", "eadem"},
                     {"eisdem/iisdem/isdem", "eisdem/iisdem/isdem", "eisdem/iisdem/isdem"}}};
const Table qui = {{{"qui", "quae", "quod"},
                    {"cuius", "cuius", "cuius"},
                    {"cui", "cui", "cui"},
                    {"quem", "quam", "quod"},
                    {"quo", "qua", "quo"}},
                   {{"qui", "quae", "quae"},
                    {"quorum", "quarum", "quorum"},
                    {"quibus", "quibus", "quibus"},
                    {"quos", "quas", "quae"},
                    {"quibus", "quibus", "quibus"}}};
const Table quis = {{{"quis", "quis", "quid"},
                     {"cuius", "cuius", "cuius"},
                     {"cui", "cui", "cui"},
                     {"quem", "quem", "quid"},
                     {"quo", "quo", "quo"}},
                    {{"qui", "quae", "quae"},
                     {"quorum", "quarum", "quorum"},
                     {"quibus", "quibus", "quibus"},
                     {"quos", "quas", "quae"},
                     {"quibus", "quibus", "quibus"}}};
const Table aliquis = {{{"aliquis/aliqui", "aliqua", "aliquid/aliquod"},
                        {"alicuius", "alicuius", "alicuius"},
                        {"alicui", "alicui", "alicui"},
                        {"aliquem", "aliquam", "aliquid/aliquod"},
                        {"aliquo", "aliqua", "aliquo"}},
                       {{"aliqui", "aliquae", "aliqua"},
                        {"aliquorum", "aliquarum", "aliquorum"},
                        {"aliquibus", "aliquibus", "aliquibus"},
                        {"aliquos", "aliquas", "aliqua"},
                        {"aliquibus", "aliquibus", "aliquibus"}}};
const Table quisquam = {{{"quisquam", "quisquam", "quicquam/quidquam"},
                         {"cuiusquam", "cuiusquam", "cuiusquam"},
                         {"cuiquam", "cuiquam", "cuiquam"},
                         {"quemquam", "quemquam", "quicquam/quidquam"},
                         {"quoquam", "quoquam", "quoquam"}},
                        {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}};
const Table quidam = {{{"quidam", "quaedam", "quoddam/quiddam"},
                       {"cuiusdam", "cuiusdam", "cuiusdam"},
                       {"cuidam", "cuidam", "cuidam"},
                       {"quendam", "quandam", "quoddam/quiddam"},
                       {"quodam", "quadam", "quodam"}},
                      {{"quidam", "quaedam", "quaedam"},
                       {"quorundam", "quarundam", "quorundam"},
                       {"quibusdam", "quibusdam", "quibusdam"},
                       {"quosdam", "quasdam", "quaedam"},
                       {"quibusdam", "quibusdam", "quibusdam"}}};
const Table quisque = {{{"quisque", "quaeque", "quodque/quidque"},
                        {"cuiusque", "cuiusque", "cuiusque"},
                        {"cuique", "cuique", "cuique"},
                        {"quemque", "quamque", "quodque/quidque"},
                        {"quoque", "quaque", "quoque"}},
                       {{"quique", "quaeque", "quaeque"},
                        {"quorumque", "quarumque", "quorumque"},
                        {"quibusque", "quibusque", "quibusque"},
                        {"quosque", "quasque", "quaeque"},
                        {"quibusque", "quibusque", "quibusque"}}};
const Table uterque = {{{"uterque", "utraque", "utrumque"},
                        {"utriusque", "utriusque", "utriusque"},
                        {"utrique", "utrique", "utrique"},
                        {"utrumque", "utramque", "utrumque"},
                        {"utroque", "utraque", "utroque"}},
                       {{"utrique", "utraeque", "utraque"},
                        {"utrorumque", "utrarumque", "utrorumque"},
                        {"utrisque", "utrisque", "utrisque"},
                        {"utrosque", "utrasque", "utraque"},
                        {"utrisque", "utrisque", "utrisque"}}};
const Table alius = {{{"alius", "alia", "aliud"},
                      {"alterius/alius", "alterius/alius", "alterius/alius"},
                      {"alii", "alii", "alii"},
                      {"alium", "aliam", "aliud"},
                      {"alio", "alia", "alio"}},
                     {{"alii", "aliae", "alia"},
                      {"aliorum", "aliarum", "aliorum"},
                      {"aliis", "aliis", "aliis"},
                      {"alios", "alias", "alia"},
                      {"aliis", "aliis", "aliis"}}};
const Table duo = {{{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}},
                   {{"duo", "duae", "duo"},
                    {"duorum", "duarum", "duorum"},
                    {"duobus", "duabus", "duobus"},
                    {"duos/duo", "duas", "duo"},
                    {"duobus", "duabus", "duobus"}}};
const Table ambo = {{{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}},
                    {{"ambo", "ambae", "ambo"},
                     {"amborum", "ambarum", "amborum"},
                     {"ambobus", "ambabus", "ambobus"},
                     {"ambos/ambo", "ambas", "ambo"},
                     {"ambobus", "ambabus", "ambobus"}}};
const Table tres = {{{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}},
                    {{"tres", "tres", "tria"},
                     {"trium", "trium", "trium"},
                     {"tribus", "tribus", "tribus"},
                     {"tres", "tres", "tria"},
                     {"tribus", "tribus", "tribus"}}};
const Table nemo = {
    {{"nemo", "", ""}, {"nullius", "", ""}, {"nemini", "", ""}, {"neminem", "", ""}, {"nullo", "", ""}},
    {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}};

// Pronouns without gender: [number][case] in the m column.
const Table ego = {{{"ego", "", ""}, {"mei", "", ""}, {"mihi/mi", "", ""}, {"me", "", ""}, {"me", "", ""}},
                   {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}};
const Table tu = {{{"tu", "", ""}, {"tui", "", ""}, {"tibi", "", ""}, {"te", "", ""}, {"te", "", ""}},
                  {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}};
const Table nos = {
    {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}},
    {{"nos", "", ""}, {"nostri/nostrum", "", ""}, {"nobis", "", ""}, {"nos", "", ""}, {"nobis", "", ""}}};
const Table vos = {
    {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}},
    {{"vos", "", ""}, {"vestri/vestrum", "", ""}, {"vobis", "", ""}, {"vos", "", ""}, {"vobis", "", ""}}};
// Irregular nouns.
const Table vis = {
    {{"vis", "", ""}, {"vis", "", ""}, {"vi", "", ""}, {"vim", "", ""}, {"vi", "", ""}},
    {{"vires", "", ""}, {"virium", "", ""}, {"viribus", "", ""}, {"vires", "", ""}, {"viribus", "", ""}}};
const Table domus = {
    {{"domus", "", ""}, {"domus", "", ""}, {"domui", "", ""}, {"domum", "", ""}, {"domo/domu", "", ""}},
    {{"domus", "", ""},
     {"domuum/domorum", "", ""},
     {"domibus", "", ""},
     {"domus/domos", "", ""},
     {"domibus", "", ""}}};
const Table deus = {{{"deus", "", ""}, {"dei", "", ""}, {"deo", "", ""}, {"deum", "", ""}, {"deo", "", ""}},
                    {{"di/dei/dii", "", ""},
                     {"deorum/deum", "", ""},
                     {"dis/deis/diis", "", ""},
                     {"deos", "", ""},
                     {"dis/deis/diis", "", ""}}};
const Table iuppiter = {
    {{"Iuppiter", "", ""}, {"Iovis", "", ""}, {"Iovi", "", ""}, {"Iovem", "", ""}, {"Iove", "", ""}},
    {{"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}}};
const Table bos = {
    {{"bos", "", ""}, {"bovis", "", ""}, {"bovi", "", ""}, {"bovem", "", ""}, {"bove", "", ""}},
    {{"boves", "", ""},
     {"boum", "", ""},
     {"bobus/bubus", "", ""},
     {"boves", "", ""},
     {"bobus/bubus", "", ""}}};

struct Known
{
    const char *head;
    const char *firstAddition; // the start of the entry's first addition that marks this word; "" any
    const Table *table;
    bool genders;
    WordClass wordClass;
};

const Known known[] = {
    {"is", "ea", &is, true, WordClass::Pronoun},
    {"hic", "haec", &hic, true, WordClass::Pronoun},
    {"idem", "eadem", &idem, true, WordClass::Pronoun},
    {"qui", "quae", &qui, true, WordClass::Pronoun},
    {"quis", "quid", &quis, true, WordClass::Pronoun},
    {"aliquis", "aliquid", &aliquis, true, WordClass::Pronoun},
    {"quisquam", "quicquam", &quisquam, true, WordClass::Pronoun},
    {"quidam", "quaedam", &quidam, true, WordClass::Pronoun},
    {"quisque", "quaeque", &quisque, true, WordClass::Pronoun},
    {"uterque", "utraque", &uterque, true, WordClass::Pronoun},
    {"alius", "alia", &alius, true, WordClass::Pronoun},
    {"duo", "duae", &duo, true, WordClass::Numeral},
    {"ambo", "ambae", &ambo, true, WordClass::Numeral},
    {"tres", "tria", &tres, true, WordClass::Numeral},
    {"nemo", "", &nemo, false, WordClass::Pronoun},
    {"ego", "", &ego, false, WordClass::Pronoun},
    {"tu", "", &tu, false, WordClass::Pronoun},
    {"nos", "", &nos, false, WordClass::Pronoun},
    {"vos", "", &vos, false, WordClass::Pronoun},
    {"vis", "", &vis, false, WordClass::Noun},
    {"domus", "", &domus, false, WordClass::Noun},
    {"deus", "", &deus, false, WordClass::Noun},
    {"Iuppiter", "", &iuppiter, false, WordClass::Noun},
    {"bos", "", &bos, false, WordClass::Noun},
};

// ille, iste, ipse: o/a forms with -ius, -i, and ille/illud.
void demonstrative(Emitter &out, std::string_view head)
{
    const std::string stem = cut(head, 1); // ill, ist, ips
    out.add(head, Analysis::nominal(Nom, Sg, M));
    out.add(stem + "a", Analysis::nominal(Nom, Sg, F));
    const std::string neuter = head == "ipse" ? stem + "um" : stem + "ud";
    out.add(neuter, Analysis::nominal(Nom, Sg, N));
    out.add(stem + "ius", Analysis::nominal(Gen, Sg, MFN));
    out.add(stem + "i", Analysis::nominal(Dat, Sg, MFN));
    out.add(stem + "um", Analysis::nominal(Akk, Sg, M));
    out.add(stem + "am", Analysis::nominal(Akk, Sg, F));
    out.add(neuter, Analysis::nominal(Akk, Sg, N));
    out.add(stem + "o", Analysis::nominal(Abl, Sg, M | N));
    out.add(stem + "a", Analysis::nominal(Abl, Sg, F));
    declineOA(out, Kind::Nominal, head, stem, Positive, false, true);
}

} // namespace

bool generatePronoun(Emitter &out, std::string_view head, std::string_view firstAddition,
                     WordClass &wordClass)
{
    if (firstAddition.empty())
        return false;
    if (head == "ille" || head == "iste" || head == "ipse") {
        demonstrative(out, head);
        wordClass = WordClass::Pronoun;
        return true;
    }
    if (head == "se" || head == "sui") {
        out.add("sui", Analysis::nominal(Gen, NoNumber, 0));
        out.add("sibi", Analysis::nominal(Dat, NoNumber, 0));
        out.add("se/sese", Analysis::nominal(Akk, NoNumber, 0));
        out.add("se/sese", Analysis::nominal(Abl, NoNumber, 0));
        wordClass = WordClass::Pronoun;
        return true;
    }
    if (head == "mille") {
        out.add("mille", Analysis::uninflected());
        out.add("milia", Analysis::nominal(Nom, Pl, 0));
        out.add("milium", Analysis::nominal(Gen, Pl, 0));
        out.add("milibus", Analysis::nominal(Dat, Pl, 0));
        out.add("milia", Analysis::nominal(Akk, Pl, 0));
        out.add("milibus", Analysis::nominal(Abl, Pl, 0));
        wordClass = WordClass::Numeral;
        return true;
    }
    for (const Known &k : known) {
        if (head != k.head || !startsWith(firstAddition, k.firstAddition))
            continue;
        emitTable(out, *k.table, k.genders);
        if (head == "domus")
            out.add("domi", Analysis::nominal(Lok, Sg, 0));
        if (head == "deus")
            out.add("deus/dive", Analysis::nominal(Vok, Sg, 0));
        wordClass = k.wordClass;
        return true;
    }
    return false;
}

} // namespace Forms::Detail
