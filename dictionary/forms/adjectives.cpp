// Adjectives from their word-list entries: the declension their forms show, the comparison with
// its irregular words, and the adverbs.
#include "dictionary/forms/generator_p.h"

#include <algorithm>
#include <set>

namespace Forms::Detail {

namespace {

// plus: a neuter singular and a plural of all genders.
void plusForms(Emitter &out)
{
    out.add("plus", Analysis::nominal(Nom, Sg, N, Comparative));
    out.add("pluris", Analysis::nominal(Gen, Sg, N, Comparative));
    out.add("plus", Analysis::nominal(Akk, Sg, N, Comparative));
    out.add("plure", Analysis::nominal(Abl, Sg, N, Comparative));
    out.add("plures", Analysis::nominal(Nom, Pl, MF, Comparative));
    out.add("plura", Analysis::nominal(Nom, Pl, N, Comparative));
    out.add("plurium", Analysis::nominal(Gen, Pl, MFN, Comparative));
    out.add("pluribus", Analysis::nominal(Dat, Pl, MFN, Comparative));
    out.add("plures", Analysis::nominal(Akk, Pl, MF, Comparative));
    out.add("plura", Analysis::nominal(Akk, Pl, N, Comparative));
    out.add("pluribus", Analysis::nominal(Abl, Pl, MFN, Comparative));
}

struct Comparison
{
    const char *positive;
    const char *comparativeStem; // "mel" for melior
    const char *superlative;     // masculine nominative
    const char *adverb, *adverbComparative, *adverbSuperlative;
};

const Comparison irregularComparison[] = {
    {"bonus", "mel", "optimus", "bene", "melius", "optime"},
    {"malus", "pe", "pessimus", "male", "peius", "pessime"},
    {"magnus", "ma", "maximus", "", "", ""},
    {"parvus", "", "minimus", "", "minus", "minime"},
    {"multus", "", "plurimus", "multum", "plus", "plurimum"},
    {"superus", "super", "summus/supremus", "", "", ""},
    {"inferus", "infer", "infimus/imus", "", "", ""},
    {"exterus", "exter", "extremus", "", "", ""},
    {"posterus", "poster", "postremus", "", "", ""},
    {"facilis", "facil", "facillimus", "facile", "facilius", "facillime"},
    {"difficilis", "difficil", "difficillimus", "difficile", "difficilius", "difficillime"},
};

// Adjectives without comparison: pronominal, possessive and ordinal words, names of peoples.
bool compares(std::string_view head, std::string_view stem, bool pronominal)
{
    static const std::set<std::string_view> none = {
        "meus",     "tuus",      "suus",     "noster", "vester",  "primus",  "secundus",
        "tertius",  "ceterus",   "cunctus",  "omnis",  "medius",  "solus",   "ipse",
        "plerique", "nonnulli",  "plurimi",  "summus", "optimus", "maximus", "minimus",
        "pessimus", "postremus", "extremus", "infimus"};
    if (pronominal || none.count(head) || stem.empty())
        return false;
    if (head[0] >= 'A' && head[0] <= 'Z')
        return false;
    const char last = stem.back();
    return !(endsWith(head, "us") && (last == 'e' || last == 'i' || last == 'u'));
}

void comparison(Emitter &out, std::string_view head, std::string_view stem, bool third)
{
    const std::string s(stem);
    for (const Comparison &irregular : irregularComparison) {
        if (head != irregular.positive)
            continue;
        if (*irregular.comparativeStem)
            declineComparative(out, irregular.comparativeStem);
        if (head == "parvus") {
            declineThird(out, Kind::Nominal, "minor", "minor", "minus", "minor", false, false, Comparative);
        } else if (head == "multus") {
            plusForms(out);
        }
        std::string sup = irregular.superlative;
        size_t start = 0;
        while (start < sup.size()) {
            size_t slash = sup.find('/', start);
            if (slash == std::string::npos)
                slash = sup.size();
            const std::string one = sup.substr(start, slash - start);
            declineOA(out, Kind::Nominal, one, cut(one, 2), Superlative);
            start = slash + 1;
        }
        out.add(irregular.adverb, Analysis::adverb());
        out.add(irregular.adverbComparative, Analysis::adverb(Comparative));
        out.add(irregular.adverbSuperlative, Analysis::adverb(Superlative));
        return;
    }
    declineComparative(out, s);
    std::string superlative;
    if (endsWith(head, "er"))
        superlative = std::string(head) + "rim";
    else if (head == "similis" || head == "dissimilis" || head == "humilis" || head == "gracilis")
        superlative = s + "lim";
    else
        superlative = s + "issim";
    declineOA(out, Kind::Nominal, superlative + "us", superlative, Superlative);
    if (!third)
        out.add(s + "e", Analysis::adverb());
    else if (endsWith(s, "nt") || head == "audax")
        out.add(s + "er", Analysis::adverb());
    else
        out.add(s + "iter", Analysis::adverb());
    out.add(s + "ius", Analysis::adverb(Comparative));
    out.add(superlative + "e", Analysis::adverb(Superlative));
}

bool hasLine(const std::vector<std::string> &additions, std::string_view start)
{
    return std::any_of(additions.begin(), additions.end(),
                       [&](const std::string &a) { return startsWith(a, start); });
}

} // namespace

bool generateAdjective(Emitter &out, std::string_view head, const std::vector<std::string> &additions)
{
    if (additions.empty() || !isLatin(head))
        return false;
    const std::string &first = additions[0];
    const std::vector<std::string> parts = commaParts(first);
    const bool pronominal =
        (hasLine(additions, "Gen. ") && endsWith(additions.size() > 1 ? additions[1] : "", "ius")) ||
        head == "alter" || head == "uter" || head == "neuter";
    // o/a declension: "bona, bonum"; plural only: "plurimae, plurima".
    if (parts.size() == 2 && isLatin(parts[0]) && isLatin(parts[1])) {
        const std::string &f = parts[0];
        const std::string &n = parts[1];
        if (endsWith(f, "a") && endsWith(n, "um") && cut(f, 1) == cut(n, 2)) {
            const std::string stem = cut(f, 1);
            declineOA(out, Kind::Nominal, head, stem, Positive, pronominal);
            if (head == "meus")
                out.add("mi", Analysis::nominal(Vok, Sg, M));
            if (compares(head, stem, pronominal))
                comparison(out, head, stem, false);
            return true;
        }
        if (endsWith(head, "i") && endsWith(f, "ae") && endsWith(n, "a") && cut(f, 2) == cut(n, 1)) {
            declineOA(out, Kind::Nominal, head, cut(n, 1), Positive, false, true);
            return true;
        }
        if (endsWith(f, "is") && endsWith(n, "e") && cut(f, 2) == cut(n, 1)) { // acer, acris, acre
            const std::string stem = cut(f, 2);
            declineThird(out, Kind::Nominal, head, f, n, stem, true);
            comparison(out, head, stem, true);
            return true;
        }
    }
    if (parts.size() == 1 && isLatin(first)) {
        if (endsWith(head, "is") && endsWith(first, "e") && cut(head, 2) == cut(first, 1)) { // fortis, forte
            const std::string stem = cut(head, 2);
            declineThird(out, Kind::Nominal, head, head, first, stem, true);
            if (compares(head, stem, false))
                comparison(out, head, stem, true);
            return true;
        }
        if (endsWith(head, "ior") && endsWith(first, "ius") &&
            cut(head, 3) == cut(first, 3)) { // superior, superius
            declineComparative(out, cut(head, 3));
            return true;
        }
    }
    if (startsWith(first, "Gen. ") && parts.size() == 1) { // felix, Gen. felicis
        const std::string gen = first.substr(5);
        if (!isLatin(gen) || !endsWith(gen, "is"))
            return false;
        if (head == "plus") {
            plusForms(out);
            return true;
        }
        static const std::set<std::string_view> consonant = {"vetus",    "pauper",    "dives",  "supplex",
                                                             "princeps", "particeps", "compos", "sospes",
                                                             "memor",    "inops"};
        const std::string stem = cut(gen, 2);
        const bool iStem = !consonant.count(head);
        declineThird(out, Kind::Nominal, head, head, head, stem, iStem);
        if (head == "vetus") {
            declineComparative(out, "veter");
            declineOA(out, Kind::Nominal, "veterrimus", "veterrim", Superlative);
        } else if (compares(head, stem, false) && iStem) {
            comparison(out, head, stem, true);
        }
        return true;
    }
    return false;
}

} // namespace Forms::Detail
