// Nominal paradigms: the five declensions of nouns, and the declensions that adjectives and
// participles share (o/a, third, comparative).
#include "dictionary/forms/generator_p.h"

#include <array>
#include <set>

namespace Forms::Detail {

namespace {

using Five = std::array<const char *, 5>; // Nom, Gen, Dat, Akk, Abl

void five(Emitter &out, Kind kind, const std::string &stem, const Five &endings, Number n, int genders,
          Degree degree)
{
    for (int c = 0; c < 5; ++c)
        if (endings[size_t(c)])
            out.nominal(kind, stem + endings[size_t(c)], fiveCases[c], n, genders, degree);
}

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

int syllables(std::string_view word)
{
    int count = 0;
    for (size_t i = 0; i < word.size(); ++i)
        if (isVowel(word[i]) && (i == 0 || !isVowel(word[i - 1])))
            ++count;
    return count;
}

} // namespace

void declineOA(Emitter &out, Kind kind, std::string_view nomM, std::string_view stemView, Degree degree,
               bool pronominal, bool pluralOnly)
{
    const std::string stem(stemView);
    if (!pluralOnly) {
        out.nominal(kind, nomM, Nom, Sg, M, degree);
        if (pronominal) {
            out.nominal(kind, stem + "ius", Gen, Sg, MFN, degree);
            out.nominal(kind, stem + "i", Dat, Sg, MFN, degree);
        } else {
            out.nominal(kind, stem + "i", Gen, Sg, M | N, degree);
            out.nominal(kind, stem + "o", Dat, Sg, M | N, degree);
        }
        out.nominal(kind, stem + "um", Akk, Sg, M, degree);
        out.nominal(kind, stem + "o", Abl, Sg, M | N, degree);
        if (endsWith(nomM, "us") && !pronominal && kind == Kind::Nominal)
            out.nominal(kind, stem + "e", Vok, Sg, M, degree);
        out.nominal(kind, stem + "a", Nom, Sg, F, degree);
        if (!pronominal) {
            out.nominal(kind, stem + "ae", Gen, Sg, F, degree);
            out.nominal(kind, stem + "ae", Dat, Sg, F, degree);
        }
        out.nominal(kind, stem + "am", Akk, Sg, F, degree);
        out.nominal(kind, stem + "a", Abl, Sg, F, degree);
        out.nominal(kind, stem + "um", Nom, Sg, N, degree);
        out.nominal(kind, stem + "um", Akk, Sg, N, degree);
    }
    five(out, kind, stem, {"i", "orum", "is", "os", "is"}, Pl, M, degree);
    five(out, kind, stem, {"ae", "arum", "is", "as", "is"}, Pl, F, degree);
    five(out, kind, stem, {"a", "orum", "is", "a", "is"}, Pl, N, degree);
}

void declineThird(Emitter &out, Kind kind, std::string_view nomM, std::string_view nomF,
                  std::string_view nomN, std::string_view stemView, bool iStem, bool ablativeE, Degree degree)
{
    const std::string stem(stemView);
    out.nominal(kind, nomM, Nom, Sg, M, degree);
    out.nominal(kind, nomF, Nom, Sg, F, degree);
    out.nominal(kind, nomN, Nom, Sg, N, degree);
    out.nominal(kind, stem + "is", Gen, Sg, MFN, degree);
    out.nominal(kind, stem + "i", Dat, Sg, MFN, degree);
    out.nominal(kind, stem + "em", Akk, Sg, MF, degree);
    out.nominal(kind, nomN, Akk, Sg, N, degree);
    out.nominal(kind, stem + (iStem && !ablativeE ? "i" : "e"), Abl, Sg, MFN, degree);
    out.nominal(kind, stem + "es", Nom, Pl, MF, degree);
    out.nominal(kind, stem + (iStem ? "ia" : "a"), Nom, Pl, N, degree);
    out.nominal(kind, stem + (iStem ? "ium" : "um"), Gen, Pl, MFN, degree);
    out.nominal(kind, stem + "ibus", Dat, Pl, MFN, degree);
    out.nominal(kind, stem + "es", Akk, Pl, MF, degree);
    out.nominal(kind, stem + (iStem ? "ia" : "a"), Akk, Pl, N, degree);
    out.nominal(kind, stem + "ibus", Abl, Pl, MFN, degree);
}

void declineComparative(Emitter &out, std::string_view stem)
{
    const std::string base(stem);
    declineThird(out, Kind::Nominal, base + "ior", base + "ior", base + "ius", base + "ior", false, false,
                 Comparative);
}

bool declineNoun(Emitter &out, std::string_view nomView, std::string_view genView, int gender,
                 bool pluralOnly)
{
    const Kind k = Kind::Nominal;
    const std::string nom(nomView);
    const std::string gen(genView);
    const bool neuter = gender == N;
    auto sg = [&](const std::string &stem, const Five &e) { five(out, k, stem, e, Sg, NoGender, Positive); };
    auto pl = [&](const std::string &stem, const Five &e) { five(out, k, stem, e, Pl, NoGender, Positive); };
    if (pluralOnly) {
        if (endsWith(gen, "arum"))
            pl(cut(gen, 4), {"ae", "arum", "is", "as", "is"});
        else if (endsWith(gen, "orum"))
            pl(cut(gen, 4),
               neuter ? Five{"a", "orum", "is", "a", "is"} : Five{"i", "orum", "is", "os", "is"});
        else if (endsWith(gen, "uum"))
            pl(cut(gen, 3), {"us", "uum", "ibus", "us", "ibus"});
        else if (endsWith(gen, "ium"))
            pl(cut(gen, 3),
               neuter ? Five{"ia", "ium", "ibus", "ia", "ibus"} : Five{"es", "ium", "ibus", "es", "ibus"});
        else if (endsWith(gen, "um"))
            pl(cut(gen, 2),
               neuter ? Five{"a", "um", "ibus", "a", "ibus"} : Five{"es", "um", "ibus", "es", "ibus"});
        else
            return false;
        out.nominal(k, nom, Nom, Pl, NoGender);
        return true;
    }
    if (endsWith(gen, "ae")) { // a-declension
        const std::string stem = cut(gen, 2);
        out.nominal(k, nom, Nom, Sg, NoGender);
        sg(stem, {nullptr, "ae", "ae", "am", "a"});
        pl(stem, {"ae", "arum", "is", "as", "is"});
        return true;
    }
    if (endsWith(gen, "ei") && endsWith(nom, "es")) { // e-declension
        const std::string stem = cut(nom, 2);
        sg(stem, {"es", "ei", "ei", "em", "e"});
        pl(stem, {"es", "erum", "ebus", "es", "ebus"});
        return true;
    }
    if (endsWith(gen, "i")) { // o-declension
        const std::string stem = cut(gen, 1);
        out.nominal(k, nom, Nom, Sg, NoGender);
        sg(stem, {nullptr, "i", "o", neuter ? nullptr : "um", "o"});
        if (neuter) {
            out.nominal(k, nom, Akk, Sg, NoGender);
            pl(stem, {"a", "orum", "is", "a", "is"});
        } else {
            pl(stem, {"i", "orum", "is", "os", "is"});
        }
        if (endsWith(gen, "ii")) // the older genitive of -ius and -ium: fili, consili
            out.nominal(k, cut(gen, 1), Gen, Sg, NoGender);
        if (endsWith(nom, "ius") && endsWith(gen, "ii"))
            out.nominal(k, cut(nom, 2), Vok, Sg, NoGender);
        else if (endsWith(nom, "us"))
            out.nominal(k, cut(nom, 2) + "e", Vok, Sg, NoGender);
        return true;
    }
    if (endsWith(gen, "us") && (endsWith(nom, "us") || endsWith(nom, "u")) &&
        cut(gen, 2) == cut(nom, endsWith(nom, "u") ? 1 : 2)) {
        const std::string stem = cut(gen, 2); // u-declension
        if (endsWith(nom, "u")) {
            sg(stem, {"u", "us", "u", "u", "u"});
            pl(stem, {"ua", "uum", "ibus", "ua", "ibus"});
        } else {
            sg(stem, {"us", "us", "ui", "um", "u"});
            pl(stem, {"us", "uum", "ibus", "us", "ibus"});
        }
        return true;
    }
    if (endsWith(gen, "is") && gen.size() > 2) { // third declension
        const std::string stem = cut(gen, 2);
        static const std::set<std::string> pureI = {"turris", "puppis", "securis", "sitis",
                                                    "febris", "tussis", "Tiberis", "vis"};
        static const std::set<std::string> consonantPlural = {"canis",  "iuvenis", "senex", "pater", "mater",
                                                              "frater", "vates",   "panis", "sedes"};
        const bool neuterI = neuter && (endsWith(nom, "e") || endsWith(nom, "al") || endsWith(nom, "ar"));
        const bool pure = pureI.count(nom) > 0;
        bool iPlural = neuterI || pure;
        if (!neuter && !consonantPlural.count(nom)) {
            if ((endsWith(nom, "is") || endsWith(nom, "es")) && syllables(nom) == syllables(gen))
                iPlural = true;
            const size_t n = stem.size();
            if ((endsWith(nom, "s") || endsWith(nom, "x")) && n >= 2 && !isVowel(stem[n - 1]) &&
                !isVowel(stem[n - 2]))
                iPlural = true;
        }
        out.nominal(k, nom, Nom, Sg, NoGender);
        out.nominal(k, gen, Gen, Sg, NoGender);
        out.nominal(k, stem + "i", Dat, Sg, NoGender);
        out.nominal(k, neuter ? nom : stem + (pure ? "im" : "em"), Akk, Sg, NoGender);
        out.nominal(k, stem + (neuterI || pure ? "i" : "e"), Abl, Sg, NoGender);
        if (neuter)
            pl(stem, {neuterI ? "ia" : "a", neuterI ? "ium" : "um", "ibus", neuterI ? "ia" : "a", "ibus"});
        else
            pl(stem, {"es", iPlural ? "ium" : "um", "ibus", "es", "ibus"});
        return true;
    }
    return false;
}

void emitTable(Emitter &out, const Table &forms, bool withGenders)
{
    static const int genderBits[] = {M, F, N};
    for (int n = 0; n < 2; ++n)
        for (int c = 0; c < 5; ++c)
            for (int g = 0; g < 3; ++g)
                if (forms[n][c][g] && *forms[n][c][g])
                    out.add(forms[n][c][g], Analysis::nominal(fiveCases[c], n == 0 ? Sg : Pl,
                                                              withGenders ? genderBits[g] : 0));
}

std::vector<std::string> commaParts(std::string_view text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        std::string_view part = text.substr(start, comma - start);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        parts.emplace_back(part);
        start = comma + 1;
    }
    return parts;
}

bool generateNoun(Emitter &out, std::string_view head, const std::vector<std::string> &additions)
{
    if (additions.empty())
        return false;
    // "puellae f.", "armorum n. Pl.", "coniugis m./f.", multi-word heads "rei publicae f.".
    std::string first = additions[0];
    bool pluralOnly = false;
    if (endsWith(first, " Pl.")) {
        pluralOnly = true;
        first = cut(first, 4);
    }
    int gender = 0;
    for (auto [suffix, g] :
         {std::pair{" m./f.", int(MF)}, {" m.", int(M)}, {" f.", int(F)}, {" n.", int(N)}}) {
        if (endsWith(first, suffix)) {
            gender = g;
            first = cut(first, std::string_view(suffix).size());
            break;
        }
    }
    if (!gender)
        return false;
    // Split head and genitive into words; each pair declines on its own, a word that stays the same
    // (senatus consultum: senatus) is kept in every form.
    auto words = [](std::string_view text) {
        std::vector<std::string> list;
        size_t start = 0;
        while (start < text.size()) {
            size_t blank = text.find(' ', start);
            if (blank == std::string_view::npos)
                blank = text.size();
            if (blank > start)
                list.emplace_back(text.substr(start, blank - start));
            start = blank + 1;
        }
        return list;
    };
    const std::vector<std::string> nominatives = words(head);
    const std::vector<std::string> genitives = words(first);
    if (nominatives.empty() || nominatives.size() != genitives.size())
        return false;
    for (const std::string &w : nominatives)
        if (!isLatin(w))
            return false;
    for (const std::string &w : genitives)
        if (!isLatin(w))
            return false;
    if (nominatives.size() == 1) {
        if (!declineNoun(out, head, first, gender, pluralOnly))
            return false;
    } else {
        // Collect each word's paradigm, then join them cell by cell.
        struct Collect : FormSink
        {
            std::vector<FormItem> items;
            void add(std::string_view form, Analysis a) override { items.push_back({std::string(form), a}); }
        };
        std::vector<Collect> parts(nominatives.size());
        for (size_t i = 0; i < nominatives.size(); ++i) {
            if (nominatives[i] == genitives[i])
                continue;
            Emitter e(parts[i]);
            if (!declineNoun(e, nominatives[i], genitives[i], gender, pluralOnly))
                return false;
        }
        size_t model = 0;
        while (model < parts.size() && parts[model].items.empty())
            ++model;
        if (model == parts.size())
            return false;
        for (const FormItem &cell : parts[model].items) {
            std::string form;
            for (size_t i = 0; i < parts.size(); ++i) {
                std::string word = nominatives[i];
                for (const FormItem &other : parts[i].items)
                    if (other.analysis == cell.analysis) {
                        word = other.form;
                        break;
                    }
                if (i == model)
                    word = cell.form;
                form += (i ? " " : "") + word;
            }
            out.add(form, cell.analysis);
        }
    }
    // A plural of its own ("Pl.: loca, locorum n.").
    for (size_t i = 1; i < additions.size(); ++i) {
        if (!startsWith(additions[i], "Pl.: "))
            continue;
        std::string rest = additions[i].substr(5);
        int g = gender;
        for (auto [suffix, gg] : {std::pair{" m.", int(M)}, {" f.", int(F)}, {" n.", int(N)}})
            if (endsWith(rest, suffix)) {
                g = gg;
                rest = cut(rest, 3);
            }
        const std::vector<std::string> pl = commaParts(rest);
        if (pl.size() == 2)
            declineNoun(out, pl[0], pl[1], g, true);
    }
    return true;
}

} // namespace Forms::Detail
