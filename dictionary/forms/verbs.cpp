// Verb paradigms from the word list's entries: the five conjugations, deponents and
// semi-deponents, defective and impersonal verbs; the irregular verbs and their compounds come
// from irregularverbs.cpp.
#include "dictionary/forms/verb_p.h"

#include <vector>

namespace Forms::Detail {

namespace {

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
