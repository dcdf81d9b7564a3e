// The paradigm of one word-list entry: every form its head word and Latin additions fix, each with
// its analysis, and how sure the engine is of it.
#pragma once

#include "dictionary/forms/analysis.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace Forms {

// Receives the forms of a paradigm in a fixed order (a school grammar's order), in the word list's
// own spelling (lower case, "i" and "v"; a proper name keeps its capital). Alternatives of one cell
// come one after the other with the same analysis.
class FormSink
{
public:
    virtual ~FormSink() = default;
    virtual void add(std::string_view form, Analysis analysis) = 0;
};

enum class WordClass { Verb, Noun, Adjective, Pronoun, Numeral, Uninflected };

enum class Inflection {
    Inflected,     // the additions fix the paradigm
    Guessed,       // the additions do not say enough; the paradigm is guessed from the head word
    Uninflected,   // an uninflected word (no additions, a preposition's case, a remark): it matches itself
    NotUnderstood, // additions the engine cannot read, and no sound guess: only the head word matches
};

struct ParadigmInfo
{
    WordClass wordClass = WordClass::Uninflected;
    Inflection inflection = Inflection::Uninflected;
};

// Generates the forms of the entry with this head word (trimmed) and these Latin additions (one
// line each, trimmed) into the sink. The head word itself is always among the forms.
ParadigmInfo generateParadigm(QStringView head, const QStringList &additions, FormSink &sink);

// A paradigm kept whole: for the forms table and for tests.
struct FormItem
{
    std::string form;
    Analysis analysis;
};

struct Paradigm
{
    ParadigmInfo info;
    std::vector<FormItem> forms;

    // The forms with exactly this analysis, in generation order.
    QStringList formsOf(Analysis analysis) const;
};

Paradigm paradigmOf(QStringView head, const QStringList &additions);

} // namespace Forms
