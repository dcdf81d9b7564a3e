// One grammatical description of a Latin form ("3. Pers. Sg. Präs. Ind. Akt."), packed in 32 bits,
// and its German text as school books write it.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace Forms {

enum class Kind : quint8 {
    None,
    Finite,      // person, number, tense, mood, voice
    Imperative1, // number, voice
    Imperative2, // person (0 for the singular's one form), number
    Infinitive,  // tense, voice
    PPA,
    PPP,
    PFA,
    Gerundive,
    Gerund, // case
    Supine,
    Nominal, // nouns, adjectives, pronouns, numerals: case, number, genders, degree
    Adverb,  // degree
    Uninflected,
};

enum Case : quint8 { NoCase, Nom, Gen, Dat, Akk, Abl, Vok, Lok };
enum Number : quint8 { NoNumber, Sg, Pl };
enum Tense : quint8 { NoTense, Praes, Impf, Fut1, Perf, Plqpf, Fut2 };
enum Mood : quint8 { NoMood, Ind, Konj };
enum Voice : quint8 { NoVoice, Akt, Pass };
enum Degree : quint8 { Positive, Comparative, Superlative };
// Genders are a set: a form that serves several genders names them all ("m./f.").
enum Gender : quint8 { NoGender = 0, M = 1, F = 2, N = 4, MF = M | F, MFN = M | F | N };

struct Analysis
{
    quint32 kind : 4 = 0;
    quint32 person : 2 = 0;
    quint32 number : 2 = 0;
    quint32 tense : 3 = 0;
    quint32 mood : 2 = 0;
    quint32 voice : 2 = 0;
    quint32 grammaticalCase : 3 = 0;
    quint32 genders : 3 = 0;
    quint32 degree : 2 = 0;

    Kind kindValue() const { return Kind(kind); }
    quint32 packed() const;
    static Analysis fromPacked(quint32 value);
    // Equal in everything but the genders.
    bool sameButGenders(const Analysis &other) const;
    bool operator==(const Analysis &other) const { return packed() == other.packed(); }

    // "3. Pers. Sg. Präs. Ind. Akt.", "PPP Nom. Sg. m.", "Komparativ Nom. Sg. m./f.", "Adverb".
    QString text() const;

    static Analysis finite(int person, Number number, Tense tense, Mood mood, Voice voice);
    static Analysis imperative1(Number number, Voice voice);
    static Analysis imperative2(int person, Number number);
    static Analysis infinitive(Tense tense, Voice voice);
    static Analysis participle(Kind kind, Case grammaticalCase, Number number, int genders);
    static Analysis gerund(Case grammaticalCase);
    static Analysis supine();
    static Analysis nominal(Case grammaticalCase, Number number, int genders, Degree degree = Positive);
    static Analysis adverb(Degree degree = Positive);
    static Analysis uninflected();
};
static_assert(sizeof(Analysis) == 4);

// "m.", "f./n.", "m./f./n."; empty for no gender.
QString genderText(int genders);
// "Nom.", "Gen.", … "Lok.".
QString caseText(Case grammaticalCase);

// The analyses one entry gives one form, merged for reading: forms that differ only in gender
// become one ("m./f."), and a gender that all of them share is written once at the end:
// "Gen. Sg. / Dat. Sg. / Nom. Pl. f.".
QString analysesText(QList<Analysis> analyses);

} // namespace Forms
