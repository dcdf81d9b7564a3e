// German texts of the analyses and their merging for one entry's form.
#include "dictionary/forms/analysis.h"

#include <QStringList>

#include <bit>

using namespace Qt::StringLiterals;

namespace Forms {

quint32 Analysis::packed() const
{
    return std::bit_cast<quint32>(*this);
}

Analysis Analysis::fromPacked(quint32 value)
{
    return std::bit_cast<Analysis>(value);
}

bool Analysis::sameButGenders(const Analysis &other) const
{
    Analysis left = *this;
    Analysis right = other;
    left.genders = 0;
    right.genders = 0;
    return left == right;
}

Analysis Analysis::finite(int person, Number number, Tense tense, Mood mood, Voice voice)
{
    Analysis a;
    a.kind = quint32(Kind::Finite);
    a.person = quint32(person);
    a.number = number;
    a.tense = tense;
    a.mood = mood;
    a.voice = voice;
    return a;
}

Analysis Analysis::imperative1(Number number, Voice voice)
{
    Analysis a;
    a.kind = quint32(Kind::Imperative1);
    a.number = number;
    a.voice = voice;
    return a;
}

Analysis Analysis::imperative2(int person, Number number)
{
    Analysis a;
    a.kind = quint32(Kind::Imperative2);
    a.person = quint32(person);
    a.number = number;
    return a;
}

Analysis Analysis::infinitive(Tense tense, Voice voice)
{
    Analysis a;
    a.kind = quint32(Kind::Infinitive);
    a.tense = tense;
    a.voice = voice;
    return a;
}

Analysis Analysis::participle(Kind kind, Case grammaticalCase, Number number, int genders)
{
    Analysis a = nominal(grammaticalCase, number, genders);
    a.kind = quint32(kind);
    return a;
}

Analysis Analysis::gerund(Case grammaticalCase)
{
    Analysis a;
    a.kind = quint32(Kind::Gerund);
    a.grammaticalCase = grammaticalCase;
    return a;
}

Analysis Analysis::supine()
{
    Analysis a;
    a.kind = quint32(Kind::Supine);
    return a;
}

Analysis Analysis::nominal(Case grammaticalCase, Number number, int genders, Degree degree)
{
    Analysis a;
    a.kind = quint32(Kind::Nominal);
    a.grammaticalCase = grammaticalCase;
    a.number = number;
    a.genders = quint32(genders);
    a.degree = degree;
    return a;
}

Analysis Analysis::adverb(Degree degree)
{
    Analysis a;
    a.kind = quint32(Kind::Adverb);
    a.degree = degree;
    return a;
}

Analysis Analysis::uninflected()
{
    Analysis a;
    a.kind = quint32(Kind::Uninflected);
    return a;
}

QString genderText(int genders)
{
    QStringList parts;
    if (genders & M)
        parts << u"m."_s;
    if (genders & F)
        parts << u"f."_s;
    if (genders & N)
        parts << u"n."_s;
    return parts.join(u'/');
}

QString caseText(Case grammaticalCase)
{
    static const char16_t *const names[] = {u"",     u"Nom.", u"Gen.", u"Dat.",
                                            u"Akk.", u"Abl.", u"Vok.", u"Lok."};
    return QString::fromUtf16(names[grammaticalCase]);
}

namespace {

QString numberText(int number)
{
    return number == Sg ? u"Sg."_s : number == Pl ? u"Pl."_s : QString();
}

QString tenseText(int tense)
{
    static const char16_t *const names[] = {u"",      u"Präs.",    u"Impf.",  u"Fut. I",
                                            u"Perf.", u"Plusqpf.", u"Fut. II"};
    return QString::fromUtf16(names[tense]);
}

QString voiceText(int voice)
{
    return voice == Akt ? u"Akt."_s : voice == Pass ? u"Pass."_s : QString();
}

QString degreeText(int degree)
{
    return degree == Comparative ? u"Komparativ"_s : degree == Superlative ? u"Superlativ"_s : QString();
}

// Case, number and gender: "Nom. Sg. m.", "Akk." for a form without number.
QString caseNumberGender(const Analysis &a)
{
    QStringList parts;
    parts << caseText(Case(a.grammaticalCase));
    if (a.number)
        parts << numberText(a.number);
    if (a.genders)
        parts << genderText(int(a.genders));
    return parts.join(u' ');
}

QString joined(const QStringList &parts)
{
    QStringList filled;
    for (const QString &part : parts)
        if (!part.isEmpty())
            filled << part;
    return filled.join(u' ');
}

} // namespace

QString Analysis::text() const
{
    switch (kindValue()) {
    case Kind::Finite:
        return joined({u"%1. Pers."_s.arg(person), numberText(number), tenseText(tense),
                       mood == Konj ? u"Konj."_s : u"Ind."_s, voiceText(voice)});
    case Kind::Imperative1:
        return joined({u"Imp. I"_s, numberText(number), voiceText(voice)});
    case Kind::Imperative2:
        return joined({u"Imp. II"_s, person ? u"%1. Pers."_s.arg(person) : QString(), numberText(number)});
    case Kind::Infinitive:
        return joined({u"Inf."_s, tenseText(tense), voiceText(voice)});
    case Kind::PPA:
        return u"PPA "_s + caseNumberGender(*this);
    case Kind::PPP:
        return u"PPP "_s + caseNumberGender(*this);
    case Kind::PFA:
        return u"PFA "_s + caseNumberGender(*this);
    case Kind::Gerundive:
        return u"Gerundivum "_s + caseNumberGender(*this);
    case Kind::Gerund:
        return u"Gerundium "_s + caseText(Case(grammaticalCase));
    case Kind::Supine:
        return u"Supinum"_s;
    case Kind::Nominal:
        return joined({degreeText(degree), caseNumberGender(*this)});
    case Kind::Adverb:
        return joined({u"Adverb"_s, degreeText(degree)});
    case Kind::Uninflected:
        return u"unveränderlich"_s;
    case Kind::None:
        break;
    }
    return QString();
}

QString analysesText(QList<Analysis> analyses)
{
    // Merge the genders of analyses that differ only there, keeping the first one's place.
    QList<Analysis> merged;
    for (const Analysis &a : analyses) {
        bool joinedIn = false;
        for (Analysis &m : merged) {
            if (m.sameButGenders(a)) {
                m.genders |= a.genders;
                joinedIn = true;
                break;
            }
        }
        if (!joinedIn)
            merged << a;
    }
    const quint32 sharedGenders = merged.size() > 1 ? merged.first().genders : 0;
    bool share = sharedGenders != 0;
    for (const Analysis &m : merged)
        share = share && m.genders == sharedGenders && m.grammaticalCase != NoCase;
    QStringList parts;
    for (Analysis m : merged) {
        if (share)
            m.genders = 0;
        parts << m.text();
    }
    QString text = parts.join(u" / "_s);
    if (share)
        text += u' ' + genderText(int(sharedGenders));
    return text;
}

} // namespace Forms
