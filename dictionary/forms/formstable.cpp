// Laying out a paradigm as the tables of a school grammar.
#include "dictionary/forms/formstable.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Forms {

namespace {

using Six = std::array<const char16_t *, 6>;

const Case allCases[] = {Nom, Gen, Dat, Akk, Abl, Vok, Lok};
const char16_t *const caseRowNames[] = {u"", u"Nom.", u"Gen.", u"Dat.", u"Akk.", u"Abl.", u"Vok.", u"Lok."};

// All forms of the cells an analysis selects, joined by ", ", without repeats.
class Cells
{
public:
    explicit Cells(const Paradigm &p) : m_paradigm(p) {}

    template <typename Match> QString cell(Match match) const
    {
        QStringList forms;
        for (const FormItem &item : m_paradigm.forms) {
            if (!match(item.analysis))
                continue;
            const QString form = QString::fromStdString(item.form);
            if (!forms.contains(form))
                forms << form;
        }
        return forms.join(u", "_s);
    }

    QString exact(Analysis a) const
    {
        return cell([&](const Analysis &b) { return b == a; });
    }

    // A nominal cell: kind, case, number, degree and one gender (0 for none).
    QString nominal(Kind kind, Case c, Number n, int gender, Degree d = Positive) const
    {
        return cell([&](const Analysis &a) {
            return a.kindValue() == kind && a.grammaticalCase == c && a.number == n && a.degree == d &&
                   (gender ? (a.genders & quint32(gender)) != 0 : a.genders == 0);
        });
    }

    bool any(Kind kind) const
    {
        for (const FormItem &item : m_paradigm.forms)
            if (item.analysis.kindValue() == kind)
                return true;
        return false;
    }

private:
    const Paradigm &m_paradigm;
};

bool hasRow(const QStringList &row)
{
    for (qsizetype i = 1; i < row.size(); ++i)
        if (!row[i].isEmpty())
            return true;
    return false;
}

void addSection(FormsTable &table, FormsSection section)
{
    QList<QStringList> filled;
    for (const QStringList &row : section.rows)
        if (hasRow(row))
            filled << row;
    if (filled.isEmpty())
        return;
    section.rows = filled;
    table.sections << section;
}

// Cases down, numbers across (nouns, personal pronouns) or numbers and genders across.
FormsSection declension(const Cells &cells, const QString &title, Kind kind, bool genders,
                        Degree d = Positive)
{
    FormsSection s;
    s.title = title;
    if (genders)
        s.columns = {QString(), u"Sg. m."_s, u"Sg. f."_s, u"Sg. n."_s, u"Pl. m."_s, u"Pl. f."_s, u"Pl. n."_s};
    else
        s.columns = {QString(), u"Sg."_s, u"Pl."_s};
    for (Case c : allCases) {
        QStringList row{QString::fromUtf16(caseRowNames[c])};
        for (Number n : {Sg, Pl}) {
            if (!genders)
                row << cells.nominal(kind, c, n, 0, d);
            else
                for (int g : {M, F, N})
                    row << cells.nominal(kind, c, n, g, d);
        }
        s.rows << row;
    }
    return s;
}

const Six &esseForms(Tense t, Mood m)
{
    static const Six perf = {u"sum", u"es", u"est", u"sumus", u"estis", u"sunt"};
    static const Six plqpf = {u"eram", u"eras", u"erat", u"eramus", u"eratis", u"erant"};
    static const Six fut2 = {u"ero", u"eris", u"erit", u"erimus", u"eritis", u"erunt"};
    static const Six konjPerf = {u"sim", u"sis", u"sit", u"simus", u"sitis", u"sint"};
    static const Six konjPlqpf = {u"essem", u"esses", u"esset", u"essemus", u"essetis", u"essent"};
    if (m == Konj)
        return t == Perf ? konjPerf : konjPlqpf;
    return t == Perf ? perf : t == Plqpf ? plqpf : fut2;
}

void verbTables(FormsTable &table, const Cells &cells)
{
    const QString pppSg = cells.exact(Analysis::participle(Kind::PPP, Nom, Sg, M)).section(u", "_s, 0, 0);
    const QString pppPl = cells.exact(Analysis::participle(Kind::PPP, Nom, Pl, M)).section(u", "_s, 0, 0);
    static const char16_t *const personNames[] = {u"1. Sg.", u"2. Sg.", u"3. Sg.",
                                                  u"1. Pl.", u"2. Pl.", u"3. Pl."};
    bool hasPerfectActive = false;
    for (Voice v : {Akt, NoVoice})
        hasPerfectActive = hasPerfectActive || !cells.exact(Analysis::finite(3, Sg, Perf, Ind, v)).isEmpty();
    for (Voice v : {Akt, Pass, NoVoice}) {
        for (Mood m : {Ind, Konj}) {
            FormsSection s;
            const QString voiceName = v == Akt ? u" Aktiv"_s : v == Pass ? u" Passiv"_s : QString();
            s.title = (m == Ind ? u"Indikativ"_s : u"Konjunktiv"_s) + voiceName;
            const QList<Tense> tenses = m == Ind ? QList<Tense>{Praes, Impf, Fut1, Perf, Plqpf, Fut2}
                                                 : QList<Tense>{Praes, Impf, Perf, Plqpf};
            static const char16_t *const tenseNames[] = {u"",      u"Präs.",    u"Impf.",  u"Fut. I",
                                                         u"Perf.", u"Plusqpf.", u"Fut. II"};
            s.columns << QString();
            for (Tense t : tenses)
                s.columns << QString::fromUtf16(tenseNames[t]);
            bool present = false;
            for (int i = 0; i < 6; ++i) {
                QStringList row{QString::fromUtf16(personNames[i])};
                for (Tense t : tenses) {
                    QString cell = cells.exact(Analysis::finite(i % 3 + 1, i < 3 ? Sg : Pl, t, m, v));
                    present = present || (!cell.isEmpty() && t <= Fut1);
                    // The perfect passive (and a deponent's perfect): the participle with esse.
                    const bool compound = v == Pass || (v == NoVoice && !hasPerfectActive);
                    if (cell.isEmpty() && t >= Perf && compound && !pppSg.isEmpty())
                        cell =
                            (i < 3 ? pppSg : pppPl) + u' ' + QString::fromUtf16(esseForms(t, m)[size_t(i)]);
                    row << cell;
                }
                s.rows << row;
            }
            if (present || v == Akt)
                addSection(table, s);
        }
    }
    FormsSection imperative{u"Imperativ"_s, {QString(), u"Aktiv"_s, u"Passiv"_s}, {}};
    imperative.rows << QStringList{u"I Sg."_s,
                                   cells.exact(Analysis::imperative1(Sg, Akt)) +
                                       cells.exact(Analysis::imperative1(Sg, NoVoice)),
                                   cells.exact(Analysis::imperative1(Sg, Pass))};
    imperative.rows << QStringList{u"I Pl."_s,
                                   cells.exact(Analysis::imperative1(Pl, Akt)) +
                                       cells.exact(Analysis::imperative1(Pl, NoVoice)),
                                   cells.exact(Analysis::imperative1(Pl, Pass))};
    imperative.rows << QStringList{u"II Sg."_s, cells.exact(Analysis::imperative2(0, Sg)), QString()};
    imperative.rows << QStringList{u"II 2. Pl."_s, cells.exact(Analysis::imperative2(2, Pl)), QString()};
    imperative.rows << QStringList{u"II 3. Pl."_s, cells.exact(Analysis::imperative2(3, Pl)), QString()};
    addSection(table, imperative);

    const QString pppAkk = cells.exact(Analysis::participle(Kind::PPP, Akk, Sg, M)).section(u", "_s, 0, 0);
    const QString pfaAkk = cells.exact(Analysis::participle(Kind::PFA, Akk, Sg, M)).section(u", "_s, 0, 0);
    FormsSection infinitive{u"Infinitiv"_s, {QString(), u"Aktiv"_s, u"Passiv"_s}, {}};
    const bool deponentLike = cells.exact(Analysis::infinitive(Praes, Akt)).isEmpty();
    infinitive.rows << QStringList{u"Präs."_s,
                                   cells.exact(Analysis::infinitive(Praes, Akt)) +
                                       cells.exact(Analysis::infinitive(Praes, NoVoice)),
                                   cells.exact(Analysis::infinitive(Praes, Pass))};
    QString perfectActive =
        cells.exact(Analysis::infinitive(Perf, Akt)) + cells.exact(Analysis::infinitive(Perf, NoVoice));
    QString perfectPassive = pppAkk.isEmpty() ? QString() : pppAkk + u" esse"_s;
    if (perfectActive.isEmpty() && deponentLike) {
        perfectActive = perfectPassive;
        perfectPassive.clear();
    }
    infinitive.rows << QStringList{u"Perf."_s, perfectActive, perfectPassive};
    QString future = cells.exact(Analysis::infinitive(Fut1, NoVoice));
    if (!pfaAkk.isEmpty())
        future = pfaAkk + u" esse"_s + (future.isEmpty() || future == pfaAkk ? QString() : u", "_s + future);
    infinitive.rows << QStringList{u"Fut."_s, future, QString()};
    addSection(table, infinitive);

    FormsSection participles{u"Partizipien"_s, {QString(), u"Nom. Sg. m., f., n."_s, u"Gen. Sg."_s}, {}};
    for (auto [kind, name] : {std::pair{Kind::PPA, u"PPA"},
                              {Kind::PPP, u"PPP"},
                              {Kind::PFA, u"PFA"},
                              {Kind::Gerundive, u"Gerundivum"}}) {
        QStringList nominative;
        for (int g : {M, F, N}) {
            const QString form = cells.nominal(kind, Nom, Sg, g).section(u", "_s, 0, 0);
            if (!form.isEmpty() && !nominative.contains(form))
                nominative << form;
        }
        participles.rows << QStringList{QString::fromUtf16(name), nominative.join(u", "_s),
                                        cells.nominal(kind, Gen, Sg, M).section(u", "_s, 0, 0)};
    }
    addSection(table, participles);

    FormsSection gerund{u"Gerundium und Supinum"_s, {QString(), u"Form"_s}, {}};
    for (Case c : {Gen, Dat, Akk, Abl})
        gerund.rows << QStringList{u"Gerundium "_s + QString::fromUtf16(caseRowNames[c]),
                                   cells.exact(Analysis::gerund(c))};
    gerund.rows << QStringList{u"Supinum"_s, cells.exact(Analysis::supine())};
    addSection(table, gerund);
}

} // namespace

FormsTable formsTableOf(const QString &head, const QStringList &additions)
{
    const Paradigm p = paradigmOf(head, additions);
    const Cells cells(p);
    FormsTable table;
    table.heading = additions.isEmpty() ? head : head + u" ("_s + additions.join(u"; "_s) + u')';
    switch (p.info.wordClass) {
    case WordClass::Verb:
        verbTables(table, cells);
        break;
    case WordClass::Noun:
        addSection(table, declension(cells, u"Deklination"_s, Kind::Nominal, false));
        break;
    case WordClass::Adjective:
    case WordClass::Pronoun:
    case WordClass::Numeral: {
        bool genders = false;
        for (const FormItem &item : p.forms)
            genders = genders || item.analysis.genders != 0;
        const bool adjective = p.info.wordClass == WordClass::Adjective;
        addSection(table,
                   declension(cells, adjective ? u"Positiv"_s : u"Deklination"_s, Kind::Nominal, genders));
        addSection(table, declension(cells, u"Komparativ"_s, Kind::Nominal, true, Comparative));
        addSection(table, declension(cells, u"Superlativ"_s, Kind::Nominal, true, Superlative));
        addSection(table, FormsSection{u"Adverb"_s,
                                       {QString(), u"Positiv"_s, u"Komparativ"_s, u"Superlativ"_s},
                                       {{u"Adverb"_s, cells.exact(Analysis::adverb()),
                                         cells.exact(Analysis::adverb(Comparative)),
                                         cells.exact(Analysis::adverb(Superlative))}}});
        break;
    }
    case WordClass::Uninflected:
        break;
    }
    if (table.sections.isEmpty())
        table.sections << FormsSection{u"unveränderlich"_s, {QString(), u"Form"_s}, {{QString(), head}}};
    return table;
}

QString FormsTable::plainText() const
{
    QStringList lines{heading};
    for (const FormsSection &s : sections) {
        lines << QString() << s.title << s.columns.join(u'\t');
        for (const QStringList &row : s.rows)
            lines << row.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString FormsTable::html() const
{
    QString out = u"<h3>%1</h3>"_s.arg(heading.toHtmlEscaped());
    for (const FormsSection &s : sections) {
        out += u"<p><b>%1</b></p><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>"_s.arg(
            s.title.toHtmlEscaped());
        for (const QString &c : s.columns)
            out += u"<th>%1</th>"_s.arg(c.toHtmlEscaped());
        out += u"</tr>"_s;
        for (const QStringList &row : s.rows) {
            out += u"<tr>"_s;
            for (qsizetype i = 0; i < row.size(); ++i)
                out +=
                    (i == 0 ? u"<th align=\"left\">%1</th>"_s : u"<td>%1</td>"_s).arg(row[i].toHtmlEscaped());
            out += u"</tr>"_s;
        }
        out += u"</table>"_s;
    }
    return out;
}

} // namespace Forms
