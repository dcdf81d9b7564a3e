// Which paradigm an entry has: pronouns and irregular words by head, then verbs, adjectives and
// nouns by their additions, uninflected words, and a guess from the head word.
#include "dictionary/forms/paradigm.h"

#include "dictionary/forms/generator_p.h"

#include <algorithm>

namespace Forms {

using namespace Detail;

namespace {

// Passes every form on and remembers whether the head word came by.
class HeadWatch : public FormSink
{
public:
    HeadWatch(FormSink &sink, std::string_view head) : m_sink(sink), m_head(head) {}
    void add(std::string_view form, Analysis analysis) override
    {
        if (form == m_head)
            m_seen = true;
        m_sink.add(form, analysis);
    }
    bool seen() const { return m_seen; }

private:
    FormSink &m_sink;
    std::string_view m_head;
    bool m_seen = false;
};

// Additions that belong to uninflected words: a preposition's case, a remark on the word.
bool isRemark(std::string_view addition)
{
    for (std::string_view start : {"m. ", "nachgestellt", "angehängt", "indekl", "n. (indekl.)", "vor ",
                                   "wie ", "auch", "ad m.", "non ", "utrum"})
        if (startsWith(addition, start))
            return true;
    return addition.find("...") != std::string_view::npos;
}

// Towns take a locative: the genitive singular of the a- and o-declension ("Romae").
void locative(Emitter &out, std::string_view head, const std::vector<std::string> &additions)
{
    if (head.empty() || head[0] < 'A' || head[0] > 'Z' || additions.empty())
        return;
    const std::string &first = additions[0];
    if (endsWith(head, "a") && endsWith(first, "ae f."))
        out.add(cut(first, 3), Analysis::nominal(Lok, Sg, 0));
}

} // namespace

ParadigmInfo generateParadigm(QStringView headText, const QStringList &additionTexts, FormSink &sink)
{
    const std::string head = headText.toString().toStdString();
    std::vector<std::string> additions;
    for (const QString &a : additionTexts)
        if (!a.trimmed().isEmpty())
            additions.push_back(a.trimmed().toStdString());
    const std::string first = additions.empty() ? std::string() : additions[0];

    HeadWatch watch(sink, head);
    Emitter out(watch);
    ParadigmInfo info;
    info.inflection = Inflection::Inflected;
    if (generatePronoun(out, head, first, info.wordClass)) {
    } else if (generateVerb(out, head, additions)) {
        info.wordClass = WordClass::Verb;
    } else if (generateNoun(out, head, additions)) {
        info.wordClass = WordClass::Noun;
        locative(out, head, additions);
        if (head == "rus")
            out.add("ruri", Analysis::nominal(Lok, Sg, 0));
        if (head == "humus")
            out.add("humi", Analysis::nominal(Lok, Sg, 0));
    } else if (generateAdjective(out, head, additions)) {
        info.wordClass = WordClass::Adjective;
    } else if (first.empty() || isRemark(first)) {
        info.wordClass = WordClass::Uninflected;
        info.inflection = Inflection::Uninflected;
    } else if (guessVerb(out, head)) {
        info.wordClass = WordClass::Verb;
        info.inflection = Inflection::Guessed;
    } else {
        info.wordClass = WordClass::Uninflected;
        info.inflection = Inflection::NotUnderstood;
    }
    if (!watch.seen())
        sink.add(head, Analysis::uninflected());
    return info;
}

QStringList Paradigm::formsOf(Analysis analysis) const
{
    QStringList list;
    for (const FormItem &item : forms)
        if (item.analysis == analysis)
            list << QString::fromStdString(item.form);
    return list;
}

Paradigm paradigmOf(QStringView head, const QStringList &additions)
{
    struct Collect : FormSink
    {
        std::vector<FormItem> *items;
        void add(std::string_view form, Analysis a) override { items->push_back({std::string(form), a}); }
    };
    Paradigm paradigm;
    Collect collect;
    collect.items = &paradigm.forms;
    paradigm.info = generateParadigm(head, additions, collect);
    return paradigm;
}

} // namespace Forms
