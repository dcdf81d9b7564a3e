// The irregular verbs: esse, posse, ire, ferre, velle, nolle, malle, fieri, inquit, and the compounds
// of the first four.
#include "dictionary/forms/verb_p.h"

namespace Forms::Detail {

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

} // namespace Forms::Detail
