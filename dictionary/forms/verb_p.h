// The conjugations' endings and the writer of a verb's forms, shared by the regular and the
// irregular verbs: not for callers.
#pragma once

#include "dictionary/forms/generator_p.h"

#include <array>
#include <string>
#include <string_view>

namespace Forms::Detail {

enum Conj { A, E, I, C, M };

using Six = std::array<const char *, 6>;

// Endings after the root (the infinitive without -are/-ere/-ire; deponents without -ari/-eri/-iri/-i).
inline constexpr Six presAct[] = {{"o", "as", "at", "amus", "atis", "ant"},
                                  {"eo", "es", "et", "emus", "etis", "ent"},
                                  {"io", "is", "it", "imus", "itis", "iunt"},
                                  {"o", "is", "it", "imus", "itis", "unt"},
                                  {"io", "is", "it", "imus", "itis", "iunt"}};
inline constexpr Six presPass[] = {{"or", "aris", "atur", "amur", "amini", "antur"},
                                   {"eor", "eris", "etur", "emur", "emini", "entur"},
                                   {"ior", "iris", "itur", "imur", "imini", "iuntur"},
                                   {"or", "eris", "itur", "imur", "imini", "untur"},
                                   {"ior", "eris", "itur", "imur", "imini", "iuntur"}};
inline constexpr Six futAct[] = {{"abo", "abis", "abit", "abimus", "abitis", "abunt"},
                                 {"ebo", "ebis", "ebit", "ebimus", "ebitis", "ebunt"},
                                 {"iam", "ies", "iet", "iemus", "ietis", "ient"},
                                 {"am", "es", "et", "emus", "etis", "ent"},
                                 {"iam", "ies", "iet", "iemus", "ietis", "ient"}};
inline constexpr Six futPass[] = {{"abor", "aberis", "abitur", "abimur", "abimini", "abuntur"},
                                  {"ebor", "eberis", "ebitur", "ebimur", "ebimini", "ebuntur"},
                                  {"iar", "ieris", "ietur", "iemur", "iemini", "ientur"},
                                  {"ar", "eris", "etur", "emur", "emini", "entur"},
                                  {"iar", "ieris", "ietur", "iemur", "iemini", "ientur"}};
inline constexpr const char *const impfInfix[] = {"aba", "eba", "ieba", "eba", "ieba"};
inline constexpr const char *const konjInfix[] = {"e", "ea", "ia", "a", "ia"};
inline constexpr const char *const infAct[] = {"are", "ere", "ire", "ere", "ere"};
inline constexpr const char *const infPass[] = {"ari", "eri", "iri", "i", "i"};
inline constexpr const char *const imp1Act[][2] = {
    {"a", "ate"}, {"e", "ete"}, {"i", "ite"}, {"e", "ite"}, {"e", "ite"}};
inline constexpr const char *const imp1Pass[][2] = {
    {"are", "amini"}, {"ere", "emini"}, {"ire", "imini"}, {"ere", "imini"}, {"ere", "imini"}};
inline constexpr const char *const imp2[][3] = {{"ato", "atote", "anto"},
                                                {"eto", "etote", "ento"},
                                                {"ito", "itote", "iunto"},
                                                {"ito", "itote", "unto"},
                                                {"ito", "itote", "iunto"}};
inline constexpr const char *const ppaNom[] = {"ans", "ens", "iens", "ens", "iens"};
inline constexpr const char *const ppaStem[] = {"ant", "ent", "ient", "ent", "ient"};
inline constexpr const char *const gerundStem[] = {"and", "end", "iend", "end", "iend"};

inline constexpr Six actEnd = {"m", "s", "t", "mus", "tis", "nt"};
inline constexpr Six passEnd = {"r", "ris", "tur", "mur", "mini", "ntur"};

inline int personOf(int i)
{
    return i % 3 + 1;
}
inline Number numberOf(int i)
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

// The irregular verbs and their compounds (irregularverbs.cpp).
void esse(Verb &v, const std::string &pre, const std::string &preVowel);
void posse(Verb &v);
void ire(Verb &v, const std::string &pre);
void ferre(Verb &v, const std::string &pre);
void velle(Verb &v, std::string_view head);
void fieri(Verb &v);
void inquit(Verb &v);

} // namespace Forms::Detail
