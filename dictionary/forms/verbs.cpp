// Verb paradigms: the five conjugations, deponents and semi-deponents, the irregular verbs and
// their compounds, defective and impersonal verbs.
#include "dictionary/forms/generator_p.h"

#include <array>
#include <vector>

namespace Forms::Detail {

namespace {

enum Conj { A, E, I, C, M };

using Six = std::array<const char *, 6>;

// Endings after the root (the infinitive without -are/-ere/-ire; deponents without -ari/-eri/-iri/-i).
const Six presAct[] = {{"o", "as", "at", "amus", "atis", "ant"},
                       {"eo", "es", "et", "emus", "etis", "ent"},
                       {"io", "is", "it", "imus", "itis", "iunt"},
                       {"o", "is", "it", "imus", "itis", "unt"},
                       {"io", "is", "it", "imus", "itis", "iunt"}};
const Six presPass[] = {{"or", "aris", "atur", "amur", "amini", "antur"},
                        {"eor", "eris", "etur", "emur", "emini", "entur"},
                        {"ior", "iris", "itur", "imur", "imini", "iuntur"},
                        {"or", "eris", "itur", "imur", "imini", "untur"},
                        {"ior", "eris", "itur", "imur", "imini", "iuntur"}};
const Six futAct[] = {{"abo", "abis", "abit", "abimus", "abitis", "abunt"},
                      {"ebo", "ebis", "ebit", "ebimus", "ebitis", "ebunt"},
                      {"iam", "ies", "iet", "iemus", "ietis", "ient"},
                      {"am", "es", "et", "emus", "etis", "ent"},
                      {"iam", "ies", "iet", "iemus", "ietis", "ient"}};
const Six futPass[] = {{"abor", "aberis", "abitur", "abimur", "abimini", "abuntur"},
                       {"ebor", "eberis", "ebitur", "ebimur", "ebimini", "ebuntur"},
                       {"iar", "ieris", "ietur", "iemur", "iemini", "ientur"},
                       {"ar", "eris", "etur", "emur", "emini", "entur"},
                       {"iar", "ieris", "ietur", "iemur", "iemini", "ientur"}};
const char *const impfInfix[] = {"aba", "eba", "ieba", "eba", "ieba"};
const char *const konjInfix[] = {"e", "ea", "ia", "a", "ia"};
const char *const infAct[] = {"are", "ere", "ire", "ere", "ere"};
const char *const infPass[] = {"ari", "eri", "iri", "i", "i"};
const char *const imp1Act[][2] = {{"a", "ate"}, {"e", "ete"}, {"i", "ite"}, {"e", "ite"}, {"e", "ite"}};
const char *const imp1Pass[][2] = {
    {"are", "amini"}, {"ere", "emini"}, {"ire", "imini"}, {"ere", "imini"}, {"ere", "imini"}};
const char *const imp2[][3] = {{"ato", "atote", "anto"},
                               {"eto", "etote", "ento"},
                               {"ito", "itote", "iunto"},
                               {"ito", "itote", "unto"},
                               {"ito", "itote", "iunto"}};
const char *const ppaNom[] = {"ans", "ens", "iens", "ens", "iens"};
const char *const ppaStem[] = {"ant", "ent", "ient", "ent", "ient"};
const char *const gerundStem[] = {"and", "end", "iend", "end", "iend"};

const Six actEnd = {"m", "s", "t", "mus", "tis", "nt"};
const Six passEnd = {"r", "ris", "tur", "mur", "mini", "ntur"};

int personOf(int i)
{
    return i % 3 + 1;
}
Number numberOf(int i)
{
    return i < 3 ? Sg : Pl;
}

struct Verb
{
    explicit Verb(Emitter &emitter) : out(emitter) {}

    Emitter &out;
    Voice active = Akt;   // the voice written for active forms (none for semi-deponents)
    Voice passive = Pass; // for passive forms (none for deponents)
    bool withActive = true;
    bool withPassive = true;
    bool onlyThirdSingular = false; // impersonal verbs
    std::string imperativeSingular; // a short imperative in place of the regular one (dic, duc, fac)

    void finite(std::string_view form, int i, Tense t, Mood m, Voice v)
    {
        if (onlyThirdSingular && i != 2)
            return;
        out.add(form, Analysis::finite(personOf(i), numberOf(i), t, m, v));
    }

    void six(const std::string &stem, const Six &endings, Tense t, Mood m, Voice v)
    {
        for (int i = 0; i < 6; ++i)
            finite(stem + endings[size_t(i)], i, t, m, v);
    }

    // The present system of a regular conjugation on this root.
    void present(Conj c, const std::string &root)
    {
        const std::string inf = root + infAct[c];
        if (withActive) {
            six(root, presAct[c], Praes, Ind, active);
            six(root + impfInfix[c], actEnd, Impf, Ind, active);
            six(root, futAct[c], Fut1, Ind, active);
            six(root + konjInfix[c], actEnd, Praes, Konj, active);
            six(inf, actEnd, Impf, Konj, active);
            // The 1st person singular of the present subjunctive ends in -m, not -em/-am + m.
        }
        if (withPassive) {
            six(root, presPass[c], Praes, Ind, passive);
            six(root + impfInfix[c], passEnd, Impf, Ind, passive);
            six(root, futPass[c], Fut1, Ind, passive);
            six(root + konjInfix[c], passEnd, Praes, Konj, passive);
            six(inf, passEnd, Impf, Konj, passive);
        }
        if (!onlyThirdSingular) {
            if (withActive) {
                out.add(imperativeSingular.empty() ? root + imp1Act[c][0] : imperativeSingular,
                        Analysis::imperative1(Sg, active));
                out.add(root + imp1Act[c][1], Analysis::imperative1(Pl, active));
                out.add(root + imp2[c][0], Analysis::imperative2(0, Sg));
                out.add(root + imp2[c][1], Analysis::imperative2(2, Pl));
                out.add(root + imp2[c][2], Analysis::imperative2(3, Pl));
            }
            if (withPassive) {
                out.add(root + imp1Pass[c][0], Analysis::imperative1(Sg, passive));
                out.add(root + imp1Pass[c][1], Analysis::imperative1(Pl, passive));
            }
        }
        if (withActive)
            out.add(inf, Analysis::infinitive(Praes, active));
        if (withPassive)
            out.add(root + infPass[c], Analysis::infinitive(Praes, passive));
        if (onlyThirdSingular)
            return;
        participlesOfPresent(root + ppaNom[c], root + ppaStem[c], root + gerundStem[c]);
    }

    void participlesOfPresent(const std::string &ppaNominative, const std::string &ppaStemText,
                              const std::string &gerund)
    {
        declineThird(out, Kind::PPA, ppaNominative, ppaNominative, ppaNominative, ppaStemText, true, true);
        out.add(gerund + "i", Analysis::gerund(Gen));
        out.add(gerund + "o", Analysis::gerund(Dat));
        out.add(gerund + "um", Analysis::gerund(Akk));
        out.add(gerund + "o", Analysis::gerund(Abl));
        declineOA(out, Kind::Gerundive, gerund + "us", gerund);
    }

    // Active perfect system on the perfect stem ("amav"), with the short forms (amasti, audii).
    void perfect(const std::string &stem)
    {
        if (stem.empty())
            return;
        perfectOn(stem, false);
        if (endsWith(stem, "av") || endsWith(stem, "ev") || endsWith(stem, "ov")) {
            perfectOn(cut(stem, 1), true);
        } else if (endsWith(stem, "iv")) {
            perfectOn(cut(stem, 1), false);
            perfectOn(cut(stem, 1), true);
        } else if (endsWith(stem, "i")) {
            perfectOn(stem, true);
        }
    }

    // Short forms drop the "i"/"is" of -isti, -istis, -isse, -issem and -erunt's "e".
    void perfectOn(const std::string &stem, bool shortOnly)
    {
        static const Six perf = {"i", "isti", "it", "imus", "istis", "erunt"};
        static const Six plqpf = {"eram", "eras", "erat", "eramus", "eratis", "erant"};
        static const Six fut2 = {"ero", "eris", "erit", "erimus", "eritis", "erint"};
        static const Six konjPerf = {"erim", "eris", "erit", "erimus", "eritis", "erint"};
        static const Six konjPlqpf = {"issem", "isses", "isset", "issemus", "issetis", "issent"};
        if (shortOnly) {
            const bool iStem = endsWith(stem, "i");
            const std::string base = iStem ? cut(stem, 1) : stem;
            for (int i : {1, 4})
                finite(base + (perf[size_t(i)] + (iStem ? 0 : 1)), i, Perf, Ind, active);
            if (!iStem)
                finite(stem + "runt", 5, Perf, Ind, active);
            for (int i = 0; i < 6; ++i)
                finite(base + (konjPlqpf[size_t(i)] + (iStem ? 0 : 1)), i, Plqpf, Konj, active);
            out.add(base + (iStem ? "isse" : "sse"), Analysis::infinitive(Perf, active));
            return;
        }
        six(stem, perf, Perf, Ind, active);
        finite(stem + "ere", 5, Perf, Ind, active);
        six(stem, plqpf, Plqpf, Ind, active);
        six(stem, fut2, Fut2, Ind, active);
        six(stem, konjPerf, Perf, Konj, active);
        six(stem, konjPlqpf, Plqpf, Konj, active);
        out.add(stem + "isse", Analysis::infinitive(Perf, active));
    }

    // PPP (and supine) on the supine stem ("amat"), PFA on its -ur- stem.
    void supineSystem(const std::string &stem, bool withPPP)
    {
        if (stem.empty())
            return;
        if (withPPP)
            declineOA(out, Kind::PPP, stem + "us", stem);
        declineOA(out, Kind::PFA, stem + "urus", stem + "ur");
        out.add(stem + "um", Analysis::supine());
        out.add(stem + "u", Analysis::supine());
    }
};

// esse and its compounds: prefix before consonants (pro-sum) and before vowels (prod-es).
void esse(Verb &v, const std::string &pre, const std::string &preVowel)
{
    static const Six praes = {"sum", "es", "est", "sumus", "estis", "sunt"};
    static const Six impf = {"eram", "eras", "erat", "eramus", "eratis", "erant"};
    static const Six fut = {"ero", "eris", "erit", "erimus", "eritis", "erunt"};
    static const Six konj = {"sim", "sis", "sit", "simus", "sitis", "sint"};
    static const Six konjImpf = {"essem", "esses", "esset", "essemus", "essetis", "essent"};
    static const Six konjImpf2 = {"forem", "fores", "foret", "foremus", "foretis", "forent"};
    auto on = [&](const char *ending) { return (ending[0] == 's' ? pre : preVowel) + ending; };
    for (int i = 0; i < 6; ++i) {
        v.finite(on(praes[size_t(i)]), i, Praes, Ind, NoVoice);
        v.finite(on(impf[size_t(i)]), i, Impf, Ind, NoVoice);
        v.finite(on(fut[size_t(i)]), i, Fut1, Ind, NoVoice);
        v.finite(on(konj[size_t(i)]), i, Praes, Konj, NoVoice);
        v.finite(on(konjImpf[size_t(i)]), i, Impf, Konj, NoVoice);
        if (pre.empty())
            v.finite(konjImpf2[size_t(i)], i, Impf, Konj, NoVoice);
    }
    v.out.add(on("es"), Analysis::imperative1(Sg, NoVoice));
    v.out.add(on("este"), Analysis::imperative1(Pl, NoVoice));
    v.out.add(on("esto"), Analysis::imperative2(0, Sg));
    v.out.add(on("estote"), Analysis::imperative2(2, Pl));
    v.out.add(on("sunto"), Analysis::imperative2(3, Pl));
    v.out.add(on("esse"), Analysis::infinitive(Praes, NoVoice));
    if (pre.empty()) {
        v.out.add("fore", Analysis::infinitive(Fut1, NoVoice));
        declineOA(v.out, Kind::PFA, "futurus", "futur");
    }
}

// posse: pot- before vowels, pos- before s (possum, potes, possem, posse).
void posse(Verb &v)
{
    static const Six praes = {"possum", "potes", "potest", "possumus", "potestis", "possunt"};
    static const Six konj = {"possim", "possis", "possit", "possimus", "possitis", "possint"};
    static const Six konjImpf = {"possem", "posses", "posset", "possemus", "possetis", "possent"};
    static const Six impf = {"eram", "eras", "erat", "eramus", "eratis", "erant"};
    static const Six fut = {"ero", "eris", "erit", "erimus", "eritis", "erunt"};
    for (int i = 0; i < 6; ++i) {
        v.finite(praes[size_t(i)], i, Praes, Ind, NoVoice);
        v.finite(std::string("pot") + impf[size_t(i)], i, Impf, Ind, NoVoice);
        v.finite(std::string("pot") + fut[size_t(i)], i, Fut1, Ind, NoVoice);
        v.finite(konj[size_t(i)], i, Praes, Konj, NoVoice);
        v.finite(konjImpf[size_t(i)], i, Impf, Konj, NoVoice);
    }
    v.out.add("posse", Analysis::infinitive(Praes, NoVoice));
}

// ire and its compounds (ex-ire, red-ire, ven-ire "verkauft werden").
void ire(Verb &v, const std::string &pre)
{
    static const Six praes = {"eo", "is", "it", "imus", "itis", "eunt"};
    static const Six konj = {"eam", "eas", "eat", "eamus", "eatis", "eant"};
    static const Six fut = {"ibo", "ibis", "ibit", "ibimus", "ibitis", "ibunt"};
    v.six(pre, praes, Praes, Ind, Akt);
    v.six(pre + "iba", actEnd, Impf, Ind, Akt);
    v.six(pre, fut, Fut1, Ind, Akt);
    v.six(pre, konj, Praes, Konj, Akt);
    v.six(pre + "ire", actEnd, Impf, Konj, Akt);
    v.finite(pre + "itur", 2, Praes, Ind, Pass);
    v.out.add(pre + "i", Analysis::imperative1(Sg, Akt));
    v.out.add(pre + "ite", Analysis::imperative1(Pl, Akt));
    v.out.add(pre + "ito", Analysis::imperative2(0, Sg));
    v.out.add(pre + "itote", Analysis::imperative2(2, Pl));
    v.out.add(pre + "eunto", Analysis::imperative2(3, Pl));
    v.out.add(pre + "ire", Analysis::infinitive(Praes, Akt));
    v.out.add(pre + "iri", Analysis::infinitive(Praes, Pass));
    const std::string nom = pre + "iens";
    declineThird(v.out, Kind::PPA, nom, nom, nom, pre + "eunt", true, true);
    v.out.add(pre + "eundi", Analysis::gerund(Gen));
    v.out.add(pre + "eundo", Analysis::gerund(Dat));
    v.out.add(pre + "eundum", Analysis::gerund(Akk));
    v.out.add(pre + "eundo", Analysis::gerund(Abl));
    declineOA(v.out, Kind::Gerundive, pre + "eundus", pre + "eund");
}

// ferre and its compounds: the present system on the prefix (af-fero, au-fero).
void ferre(Verb &v, const std::string &pre)
{
    static const Six praesA = {"fero", "fers", "fert", "ferimus", "fertis", "ferunt"};
    static const Six praesP = {"feror", "ferris", "fertur", "ferimur", "ferimini", "feruntur"};
    const std::string root = pre + "fer";
    v.six(pre, praesA, Praes, Ind, Akt);
    v.six(pre, praesP, Praes, Ind, Pass);
    v.six(root + "eba", actEnd, Impf, Ind, Akt);
    v.six(root + "eba", passEnd, Impf, Ind, Pass);
    v.six(root, futAct[C], Fut1, Ind, Akt);
    v.six(root, futPass[C], Fut1, Ind, Pass);
    v.six(root + "a", actEnd, Praes, Konj, Akt);
    v.six(root + "a", passEnd, Praes, Konj, Pass);
    v.six(root + "re", actEnd, Impf, Konj, Akt);
    v.six(root + "re", passEnd, Impf, Konj, Pass);
    v.out.add(root, Analysis::imperative1(Sg, Akt));
    v.out.add(root + "te", Analysis::imperative1(Pl, Akt));
    v.out.add(root + "to", Analysis::imperative2(0, Sg));
    v.out.add(root + "tote", Analysis::imperative2(2, Pl));
    v.out.add(root + "unto", Analysis::imperative2(3, Pl));
    v.out.add(root + "re", Analysis::infinitive(Praes, Akt));
    v.out.add(root + "ri", Analysis::infinitive(Praes, Pass));
    v.participlesOfPresent(root + "ens", root + "ent", root + "end");
}

// velle, nolle, malle.
void velle(Verb &v, std::string_view head)
{
    const char first = head[0];
    const std::string root = first == 'v' ? "vol" : first == 'n' ? "nol" : "mal";
    const Six praes = first == 'v'   ? Six{"volo", "vis", "vult", "volumus", "vultis", "volunt"}
                      : first == 'n' ? Six{"nolo", "", "", "nolumus", "", "nolunt"}
                                     : Six{"malo", "mavis", "mavult", "malumus", "mavultis", "malunt"};
    const std::string konj = first == 'v' ? "veli" : first == 'n' ? "noli" : "mali";
    const std::string konjImpf = first == 'v' ? "velle" : first == 'n' ? "nolle" : "malle";
    v.six("", praes, Praes, Ind, Akt);
    v.six(root + "eba", actEnd, Impf, Ind, Akt);
    v.six(root, futAct[C], Fut1, Ind, Akt);
    v.six(konj, actEnd, Praes, Konj, Akt);
    v.six(konjImpf, actEnd, Impf, Konj, Akt);
    v.out.add(konjImpf, Analysis::infinitive(Praes, Akt));
    if (first == 'n') {
        v.out.add("noli", Analysis::imperative1(Sg, Akt));
        v.out.add("nolite", Analysis::imperative1(Pl, Akt));
        v.out.add("nolito", Analysis::imperative2(0, Sg));
    }
    const std::string nom = root + "ens";
    declineThird(v.out, Kind::PPA, nom, nom, nom, root + "ent", true, true);
}

// fieri: the passive of facere, with active endings.
void fieri(Verb &v)
{
    static const Six praes = {"fio", "fis", "fit", "fimus", "fitis", "fiunt"};
    v.six("", praes, Praes, Ind, NoVoice);
    v.six("fieba", actEnd, Impf, Ind, NoVoice);
    v.six("fi", futAct[I], Fut1, Ind, NoVoice);
    v.six("fia", actEnd, Praes, Konj, NoVoice);
    v.six("fiere", actEnd, Impf, Konj, NoVoice);
    v.out.add("fi", Analysis::imperative1(Sg, NoVoice));
    v.out.add("fite", Analysis::imperative1(Pl, NoVoice));
    v.out.add("fieri", Analysis::infinitive(Praes, NoVoice));
}

// inquit: only a few forms.
void inquit(Verb &v)
{
    v.finite("inquam", 0, Praes, Ind, Akt);
    v.finite("inquis", 1, Praes, Ind, Akt);
    v.finite("inquit", 2, Praes, Ind, Akt);
    v.finite("inquiunt", 5, Praes, Ind, Akt);
    v.finite("inquiet", 2, Fut1, Ind, Akt);
    v.finite("inquit", 2, Perf, Ind, Akt);
}

bool isLatinWord(std::string_view word)
{
    if (word.empty())
        return false;
    for (char c : word)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

// The participle of a "…tus sum" part: "hortatus sum" gives "hortat".
std::string participleStem(std::string_view part)
{
    if (endsWith(part, " sum"))
        part = part.substr(0, part.size() - 4);
    if (endsWith(part, "us") && isLatinWord(part))
        return cut(part, 2);
    return {};
}

std::string supineStem(std::string_view part)
{
    if (endsWith(part, "um") && isLatinWord(part))
        return cut(part, 2);
    return {};
}

std::string perfectStem(std::string_view part)
{
    if (endsWith(part, "i") && isLatinWord(part))
        return cut(part, 1);
    return {};
}

} // namespace

bool generateVerb(Emitter &out, std::string_view head, const std::vector<std::string> &additions)
{
    Verb v(out);
    const std::vector<std::string> parts =
        additions.empty() ? std::vector<std::string>{} : commaParts(additions[0]);
    const std::string first = parts.empty() ? std::string() : parts[0];

    if (head == "inquit" && first == "inquam") {
        inquit(v);
        return true;
    }
    if ((endsWith(head, "esse") || head == "posse") && endsWith(first, "sum") && parts.size() >= 2) {
        if (head == "posse")
            posse(v);
        else
            esse(v, cut(first, 3), cut(head, 4));
        v.active = NoVoice;
        v.perfect(perfectStem(parts[1]));
        return true;
    }
    if (head == "velle" || head == "nolle" || head == "malle") {
        velle(v, head);
        if (parts.size() >= 2)
            v.perfect(perfectStem(parts[1]));
        return true;
    }
    if (head == "fieri" && first == "fio") {
        fieri(v);
        if (parts.size() >= 2)
            declineOA(out, Kind::PPP, cut(parts[1], 4), participleStem(parts[1]));
        return true;
    }
    if (endsWith(head, "ferre") && endsWith(first, "fero")) {
        ferre(v, cut(first, 4));
        if (parts.size() >= 2)
            v.perfect(perfectStem(parts[1]));
        if (parts.size() >= 3)
            v.supineSystem(supineStem(parts[2]), true);
        return true;
    }
    if (endsWith(head, "ire") && endsWith(first, "eo") && cut(head, 3) == cut(first, 2)) {
        ire(v, cut(head, 3));
        if (parts.size() >= 2)
            v.perfect(perfectStem(parts[1]));
        if (parts.size() >= 3)
            v.supineSystem(supineStem(parts[2]), true);
        return true;
    }
    // Perfect-only verbs (odisse: odi).
    if (endsWith(head, "isse") && endsWith(first, "i") && isLatinWord(first)) {
        v.perfect(cut(first, 1));
        return true;
    }
    // Impersonal verbs given by the 3rd person (licet, licuit).
    if (endsWith(head, "et") && parts.size() == 1 && endsWith(first, "it") && isLatinWord(head)) {
        v.onlyThirdSingular = true;
        v.withPassive = false;
        v.present(E, cut(head, 2));
        v.perfect(cut(first, 2));
        return true;
    }

    // Regular verbs: the conjugation from the infinitive and the 1st person singular.
    const bool deponent = endsWith(first, "or") && (endsWith(head, "i"));
    Conj conj;
    std::string root;
    if (deponent) {
        if (endsWith(head, "ari"))
            conj = A, root = cut(head, 3);
        else if (endsWith(head, "eri") && endsWith(first, "eor"))
            conj = E, root = cut(head, 3);
        else if (endsWith(head, "iri") && endsWith(first, "ior"))
            conj = I, root = cut(head, 3);
        else if (endsWith(first, "ior"))
            conj = M, root = cut(head, 1);
        else
            conj = C, root = cut(head, 1);
    } else if (endsWith(first, "o") && parts.size() >= 2) {
        if (endsWith(head, "are"))
            conj = A;
        else if (endsWith(head, "ere") && endsWith(first, "eo"))
            conj = E;
        else if (endsWith(head, "ire") && endsWith(first, "io"))
            conj = I;
        else if (endsWith(head, "ere") && endsWith(first, "io"))
            conj = M;
        else if (endsWith(head, "ere"))
            conj = C;
        else
            return false;
        root = cut(head, 3);
    } else {
        return false;
    }
    if (!isLatinWord(root))
        return false;

    if (deponent) {
        v.withActive = false;
        v.passive = NoVoice;
        v.present(conj, root);
        v.withActive = true;
        v.active = NoVoice;
        if (parts.size() >= 3) { // revertor, reverti, reversum: an active perfect
            v.active = Akt;
            v.perfect(perfectStem(parts[1]));
            v.supineSystem(supineStem(parts[2]), true);
        } else if (parts.size() >= 2) {
            const std::string stem = participleStem(parts[1]);
            v.supineSystem(stem, true);
            if (!stem.empty())
                out.add(stem + "urum", Analysis::infinitive(Fut1, NoVoice)); // also the PFA's form
        }
        return true;
    }
    const std::string &second = parts[1];
    if (endsWith(second, " sum")) { // semi-deponent: active present, perfect from the participle
        v.active = NoVoice;
        v.withPassive = false;
        v.present(conj, root);
        v.supineSystem(participleStem(second), true);
        return true;
    }
    // Short imperatives of dicere, ducere, facere.
    if (head == "dicere" || head == "ducere" || head == "facere")
        v.imperativeSingular = cut(head, 3);
    v.present(conj, root);
    // edere "essen" also has the short forms es, est, estis, esse, essem.
    if (head == "edere" && parts.size() >= 3 && parts[2] == "esum") {
        v.finite("es", 1, Praes, Ind, Akt);
        v.finite("est", 2, Praes, Ind, Akt);
        v.finite("estis", 4, Praes, Ind, Akt);
        v.six("esse", actEnd, Impf, Konj, Akt);
        out.add("esse", Analysis::infinitive(Praes, Akt));
    }
    v.perfect(perfectStem(second));
    if (parts.size() >= 3)
        v.supineSystem(supineStem(parts[2]), true);
    return true;
}

bool guessVerb(Emitter &out, std::string_view head)
{
    // Without principal parts only the a- and i-conjugation can be told from the infinitive; their
    // perfect and supine are the regular ones (-avi, -atum; -ivi, -itum).
    Verb v(out);
    if (head.size() < 5 || !isLatinWord(head))
        return false;
    const std::string root = cut(head, 3);
    if (endsWith(head, "ari")) {
        v.withActive = false;
        v.passive = NoVoice;
        v.present(A, root);
        v.supineSystem(root + "at", true);
        return true;
    }
    if (!endsWith(head, "are") && !endsWith(head, "ire"))
        return false;
    const bool a = endsWith(head, "are");
    v.present(a ? A : I, root);
    v.perfect(root + (a ? "av" : "iv"));
    v.supineSystem(root + (a ? "at" : "it"), true);
    return true;
}

} // namespace Forms::Detail
