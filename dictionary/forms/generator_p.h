// Shared helpers of the paradigm generators (verbs, nominal forms, pronouns): not for callers.
#pragma once

#include "dictionary/forms/paradigm.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Forms::Detail {

inline bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

inline bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// A word of Latin letters only, capitals allowed (names of peoples).
inline bool isLatin(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// text without its last n characters ("" when shorter).
inline std::string cut(std::string_view text, size_t n)
{
    return std::string(text.substr(0, text.size() >= n ? text.size() - n : 0));
}

// Forwards forms to the sink; a form with "/" stands for its alternatives.
class Emitter
{
public:
    explicit Emitter(FormSink &sink) : m_sink(sink) {}

    void add(std::string_view form, Analysis analysis)
    {
        if (form.empty() || form == "-")
            return;
        size_t start = 0;
        while (true) {
            const size_t slash = form.find('/', start);
            const std::string_view one =
                form.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
            if (!one.empty())
                m_sink.add(one, analysis);
            if (slash == std::string_view::npos)
                break;
            start = slash + 1;
        }
    }

    // Nominal forms: plain nominals, or participles and gerundives when kind says so.
    void nominal(Kind kind, std::string_view form, Case c, Number n, int genders, Degree degree = Positive)
    {
        Analysis a = Analysis::nominal(c, n, genders, degree);
        if (kind != Kind::Nominal)
            a.kind = quint32(kind);
        add(form, a);
    }

private:
    FormSink &m_sink;
};

// Five cases in the order Nom, Gen, Dat, Akk, Abl.
inline constexpr Case fiveCases[] = {Nom, Gen, Dat, Akk, Abl};

// o/a declension: masculine nominative as given, stem for the rest ("bonus", "bon"; "pulcher",
// "pulchr"). Pronominal: genitive -ius and dative -i in the singular for all genders.
void declineOA(Emitter &out, Kind kind, std::string_view nomM, std::string_view stem,
               Degree degree = Positive, bool pronominal = false, bool pluralOnly = false);

// Third declension of adjectives and participles. iStem: ablative -i, neuter plural -ia, genitive
// plural -ium; participles take ablative -e with the i-stem plural (ablativeE).
void declineThird(Emitter &out, Kind kind, std::string_view nomM, std::string_view nomF,
                  std::string_view nomN, std::string_view stem, bool iStem, bool ablativeE = false,
                  Degree degree = Positive);

// Comparative of the stem ("melior", "melius").
void declineComparative(Emitter &out, std::string_view stem);

// A noun from its nominative, genitive and gender (word-list spelling). False when the genitive
// fits no declension.
bool declineNoun(Emitter &out, std::string_view nom, std::string_view gen, int gender, bool pluralOnly);

// A nominal table written out: forms[number][case][gender], each "" (none) or alternatives split
// by "/"; number 0 singular, 1 plural; gender 0 m, 1 f, 2 n.
using Table = const char *const[2][5][3];
void emitTable(Emitter &out, const Table &forms, bool withGenders = true);

// Irregular and pronominal words by head: true when the head (and its first addition) is one.
bool generatePronoun(Emitter &out, std::string_view head, std::string_view firstAddition,
                     WordClass &wordClass);

// The parts of a text between commas, each without the blanks around it.
std::vector<std::string> commaParts(std::string_view text);

// Verbs: true when the additions are a verb's principal parts.
bool generateVerb(Emitter &out, std::string_view head, const std::vector<std::string> &additions);
// A verb told by its infinitive alone (-are, -ire, -ari): false for any other head.
bool guessVerb(Emitter &out, std::string_view head);

// Adjectives and nouns: true when the additions fix one.
bool generateAdjective(Emitter &out, std::string_view head, const std::vector<std::string> &additions);
bool generateNoun(Emitter &out, std::string_view head, const std::vector<std::string> &additions);

} // namespace Forms::Detail
