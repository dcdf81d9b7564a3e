// Paradigms against a school grammar's tables: one model word of every class, written out by hand.
#include "dictionary/forms/paradigm.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Forms;

namespace {

Paradigm paradigm(const QString &head, const QString &additions)
{
    return paradigmOf(head, additions.isEmpty() ? QStringList() : additions.split(u" | "_s));
}

// The first form of each of the six persons, joined by blanks ("-" for none).
QString persons(const Paradigm &p, Tense tense, Mood mood, Voice voice)
{
    QStringList out;
    for (int i = 0; i < 6; ++i) {
        const QStringList forms = p.formsOf(Analysis::finite(i % 3 + 1, i < 3 ? Sg : Pl, tense, mood, voice));
        out << (forms.isEmpty() ? u"-"_s : forms.first());
    }
    return out.join(u' ');
}

// The five cases Nom. to Abl. of a number and gender (0 for nouns), all forms of a cell joined by "/".
QString cases(const Paradigm &p, Kind kind, Number number, int gender, Degree degree = Positive)
{
    QStringList out;
    for (Case c : {Nom, Gen, Dat, Akk, Abl}) {
        QStringList cell;
        for (const FormItem &item : p.forms) {
            const Analysis &a = item.analysis;
            if (a.kindValue() == kind && a.grammaticalCase == c && a.number == number && a.degree == degree &&
                (gender ? (a.genders & gender) != 0 : a.genders == 0)) {
                const QString form = QString::fromStdString(item.form);
                if (!cell.contains(form))
                    cell << form;
            }
        }
        out << (cell.isEmpty() ? u"-"_s : cell.join(u'/'));
    }
    return out.join(u' ');
}

QString single(const Paradigm &p, Analysis a)
{
    return p.formsOf(a).join(u'/');
}

} // namespace

class TestParadigms : public QObject
{
    Q_OBJECT

private slots:
    void verbs_data();
    void verbs();
    void verbForms_data();
    void verbForms();
    void nouns_data();
    void nouns();
    void adjectives_data();
    void adjectives();
    void comparison_data();
    void comparison();
    void pronouns_data();
    void pronouns();
    void classes_data();
    void classes();
};

void TestParadigms::verbs_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<int>("tense");
    QTest::addColumn<int>("mood");
    QTest::addColumn<int>("voice");
    QTest::addColumn<QString>("expected");

    const QString amare = u"amo, amavi, amatum"_s;
    QTest::newRow("a: Präs. Ind. Akt.") << u"amare"_s << amare << int(Praes) << int(Ind) << int(Akt)
                                        << u"amo amas amat amamus amatis amant"_s;
    QTest::newRow("a: Impf. Ind. Akt.") << u"amare"_s << amare << int(Impf) << int(Ind) << int(Akt)
                                        << u"amabam amabas amabat amabamus amabatis amabant"_s;
    QTest::newRow("a: Fut. I Akt.") << u"amare"_s << amare << int(Fut1) << int(Ind) << int(Akt)
                                    << u"amabo amabis amabit amabimus amabitis amabunt"_s;
    QTest::newRow("a: Präs. Konj. Akt.") << u"amare"_s << amare << int(Praes) << int(Konj) << int(Akt)
                                         << u"amem ames amet amemus ametis ament"_s;
    QTest::newRow("a: Impf. Konj. Akt.") << u"amare"_s << amare << int(Impf) << int(Konj) << int(Akt)
                                         << u"amarem amares amaret amaremus amaretis amarent"_s;
    QTest::newRow("a: Perf. Ind. Akt.") << u"amare"_s << amare << int(Perf) << int(Ind) << int(Akt)
                                        << u"amavi amavisti amavit amavimus amavistis amaverunt"_s;
    QTest::newRow("a: Plusqpf. Ind. Akt.") << u"amare"_s << amare << int(Plqpf) << int(Ind) << int(Akt)
                                           << u"amaveram amaveras amaverat amaveramus amaveratis amaverant"_s;
    QTest::newRow("a: Fut. II") << u"amare"_s << amare << int(Fut2) << int(Ind) << int(Akt)
                                << u"amavero amaveris amaverit amaverimus amaveritis amaverint"_s;
    QTest::newRow("a: Perf. Konj.") << u"amare"_s << amare << int(Perf) << int(Konj) << int(Akt)
                                    << u"amaverim amaveris amaverit amaverimus amaveritis amaverint"_s;
    QTest::newRow("a: Plusqpf. Konj.")
        << u"amare"_s << amare << int(Plqpf) << int(Konj) << int(Akt)
        << u"amavissem amavisses amavisset amavissemus amavissetis amavissent"_s;
    QTest::newRow("a: Präs. Ind. Pass.") << u"amare"_s << amare << int(Praes) << int(Ind) << int(Pass)
                                         << u"amor amaris amatur amamur amamini amantur"_s;
    QTest::newRow("a: Impf. Ind. Pass.") << u"amare"_s << amare << int(Impf) << int(Ind) << int(Pass)
                                         << u"amabar amabaris amabatur amabamur amabamini amabantur"_s;
    QTest::newRow("a: Fut. I Pass.") << u"amare"_s << amare << int(Fut1) << int(Ind) << int(Pass)
                                     << u"amabor amaberis amabitur amabimur amabimini amabuntur"_s;
    QTest::newRow("a: Präs. Konj. Pass.") << u"amare"_s << amare << int(Praes) << int(Konj) << int(Pass)
                                          << u"amer ameris ametur amemur amemini amentur"_s;
    QTest::newRow("a: Impf. Konj. Pass.") << u"amare"_s << amare << int(Impf) << int(Konj) << int(Pass)
                                          << u"amarer amareris amaretur amaremur amaremini amarentur"_s;

    const QString monere = u"moneo, monui, monitum"_s;
    QTest::newRow("e: Präs. Ind. Akt.") << u"monere"_s << monere << int(Praes) << int(Ind) << int(Akt)
                                        << u"moneo mones monet monemus monetis monent"_s;
    QTest::newRow("e: Präs. Konj. Akt.") << u"monere"_s << monere << int(Praes) << int(Konj) << int(Akt)
                                         << u"moneam moneas moneat moneamus moneatis moneant"_s;
    QTest::newRow("e: Fut. I Pass.") << u"monere"_s << monere << int(Fut1) << int(Ind) << int(Pass)
                                     << u"monebor moneberis monebitur monebimur monebimini monebuntur"_s;
    QTest::newRow("e: Perf. Ind. Akt.") << u"monere"_s << monere << int(Perf) << int(Ind) << int(Akt)
                                        << u"monui monuisti monuit monuimus monuistis monuerunt"_s;

    const QString audire = u"audio, audivi, auditum"_s;
    QTest::newRow("i: Präs. Ind. Akt.") << u"audire"_s << audire << int(Praes) << int(Ind) << int(Akt)
                                        << u"audio audis audit audimus auditis audiunt"_s;
    QTest::newRow("i: Impf. Ind. Akt.") << u"audire"_s << audire << int(Impf) << int(Ind) << int(Akt)
                                        << u"audiebam audiebas audiebat audiebamus audiebatis audiebant"_s;
    QTest::newRow("i: Fut. I Akt.") << u"audire"_s << audire << int(Fut1) << int(Ind) << int(Akt)
                                    << u"audiam audies audiet audiemus audietis audient"_s;
    QTest::newRow("i: Präs. Ind. Pass.") << u"audire"_s << audire << int(Praes) << int(Ind) << int(Pass)
                                         << u"audior audiris auditur audimur audimini audiuntur"_s;

    const QString regere = u"rego, rexi, rectum"_s;
    QTest::newRow("kons: Präs. Ind. Akt.") << u"regere"_s << regere << int(Praes) << int(Ind) << int(Akt)
                                           << u"rego regis regit regimus regitis regunt"_s;
    QTest::newRow("kons: Fut. I Akt.") << u"regere"_s << regere << int(Fut1) << int(Ind) << int(Akt)
                                       << u"regam reges reget regemus regetis regent"_s;
    QTest::newRow("kons: Präs. Konj. Akt.") << u"regere"_s << regere << int(Praes) << int(Konj) << int(Akt)
                                            << u"regam regas regat regamus regatis regant"_s;
    QTest::newRow("kons: Präs. Ind. Pass.") << u"regere"_s << regere << int(Praes) << int(Ind) << int(Pass)
                                            << u"regor regeris regitur regimur regimini reguntur"_s;
    QTest::newRow("kons: Perf. Ind. Akt.") << u"regere"_s << regere << int(Perf) << int(Ind) << int(Akt)
                                           << u"rexi rexisti rexit reximus rexistis rexerunt"_s;

    const QString capere = u"capio, cepi, captum"_s;
    QTest::newRow("gemischt: Präs. Ind. Akt.") << u"capere"_s << capere << int(Praes) << int(Ind) << int(Akt)
                                               << u"capio capis capit capimus capitis capiunt"_s;
    QTest::newRow("gemischt: Impf. Konj. Akt.") << u"capere"_s << capere << int(Impf) << int(Konj) << int(Akt)
                                                << u"caperem caperes caperet caperemus caperetis caperent"_s;
    QTest::newRow("gemischt: Präs. Ind. Pass.")
        << u"capere"_s << capere << int(Praes) << int(Ind) << int(Pass)
        << u"capior caperis capitur capimur capimini capiuntur"_s;
    QTest::newRow("gemischt: Fut. I Pass.") << u"capere"_s << capere << int(Fut1) << int(Ind) << int(Pass)
                                            << u"capiar capieris capietur capiemur capiemini capientur"_s;

    QTest::newRow("Deponens a") << u"hortari"_s << u"hortor, hortatus sum"_s << int(Praes) << int(Ind)
                                << int(NoVoice) << u"hortor hortaris hortatur hortamur hortamini hortantur"_s;
    QTest::newRow("Deponens kons") << u"sequi"_s << u"sequor, secutus sum"_s << int(Praes) << int(Ind)
                                   << int(NoVoice)
                                   << u"sequor sequeris sequitur sequimur sequimini sequuntur"_s;
    QTest::newRow("Deponens gemischt")
        << u"pati"_s << u"patior, passus sum"_s << int(Impf) << int(Ind) << int(NoVoice)
        << u"patiebar patiebaris patiebatur patiebamur patiebamini patiebantur"_s;
    QTest::newRow("Deponens e: Konj.")
        << u"vereri"_s << u"vereor, veritus sum"_s << int(Praes) << int(Konj) << int(NoVoice)
        << u"verear verearis vereatur vereamur vereamini vereantur"_s;
    QTest::newRow("Deponens i: Fut.")
        << u"largiri"_s << u"largior, largitus sum"_s << int(Fut1) << int(Ind) << int(NoVoice)
        << u"largiar largieris largietur largiemur largiemini largientur"_s;
    QTest::newRow("Semideponens") << u"audere"_s << u"audeo, ausus sum"_s << int(Praes) << int(Ind)
                                  << int(NoVoice) << u"audeo audes audet audemus audetis audent"_s;

    QTest::newRow("esse: Präs.") << u"esse"_s << u"sum, fui, -"_s << int(Praes) << int(Ind) << int(NoVoice)
                                 << u"sum es est sumus estis sunt"_s;
    QTest::newRow("esse: Impf.") << u"esse"_s << u"sum, fui, -"_s << int(Impf) << int(Ind) << int(NoVoice)
                                 << u"eram eras erat eramus eratis erant"_s;
    QTest::newRow("esse: Fut. I") << u"esse"_s << u"sum, fui, -"_s << int(Fut1) << int(Ind) << int(NoVoice)
                                  << u"ero eris erit erimus eritis erunt"_s;
    QTest::newRow("esse: Präs. Konj.") << u"esse"_s << u"sum, fui, -"_s << int(Praes) << int(Konj)
                                       << int(NoVoice) << u"sim sis sit simus sitis sint"_s;
    QTest::newRow("esse: Perf.") << u"esse"_s << u"sum, fui, -"_s << int(Perf) << int(Ind) << int(NoVoice)
                                 << u"fui fuisti fuit fuimus fuistis fuerunt"_s;
    QTest::newRow("prodesse") << u"prodesse"_s << u"prosum, profui, -"_s << int(Praes) << int(Ind)
                              << int(NoVoice) << u"prosum prodes prodest prosumus prodestis prosunt"_s;
    QTest::newRow("posse: Präs.") << u"posse"_s << u"possum, potui, -"_s << int(Praes) << int(Ind)
                                  << int(NoVoice) << u"possum potes potest possumus potestis possunt"_s;
    QTest::newRow("posse: Impf. Konj.")
        << u"posse"_s << u"possum, potui, -"_s << int(Impf) << int(Konj) << int(NoVoice)
        << u"possem posses posset possemus possetis possent"_s;
    QTest::newRow("ire: Präs.") << u"ire"_s << u"eo, ii, itum"_s << int(Praes) << int(Ind) << int(Akt)
                                << u"eo is it imus itis eunt"_s;
    QTest::newRow("ire: Fut. I") << u"ire"_s << u"eo, ii, itum"_s << int(Fut1) << int(Ind) << int(Akt)
                                 << u"ibo ibis ibit ibimus ibitis ibunt"_s;
    QTest::newRow("redire: Präs. Konj.")
        << u"redire"_s << u"redeo, redii, reditum"_s << int(Praes) << int(Konj) << int(Akt)
        << u"redeam redeas redeat redeamus redeatis redeant"_s;
    QTest::newRow("ferre: Präs. Akt.") << u"ferre"_s << u"fero, tuli, latum"_s << int(Praes) << int(Ind)
                                       << int(Akt) << u"fero fers fert ferimus fertis ferunt"_s;
    QTest::newRow("ferre: Präs. Pass.") << u"ferre"_s << u"fero, tuli, latum"_s << int(Praes) << int(Ind)
                                        << int(Pass) << u"feror ferris fertur ferimur ferimini feruntur"_s;
    QTest::newRow("ferre: Impf. Konj.") << u"ferre"_s << u"fero, tuli, latum"_s << int(Impf) << int(Konj)
                                        << int(Akt) << u"ferrem ferres ferret ferremus ferretis ferrent"_s;
    QTest::newRow("afferre: Perf.") << u"afferre"_s << u"affero, attuli, allatum"_s << int(Perf) << int(Ind)
                                    << int(Akt)
                                    << u"attuli attulisti attulit attulimus attulistis attulerunt"_s;
    QTest::newRow("velle") << u"velle"_s << u"volo, volui, -"_s << int(Praes) << int(Ind) << int(Akt)
                           << u"volo vis vult volumus vultis volunt"_s;
    QTest::newRow("velle: Konj.") << u"velle"_s << u"volo, volui, -"_s << int(Praes) << int(Konj) << int(Akt)
                                  << u"velim velis velit velimus velitis velint"_s;
    QTest::newRow("nolle") << u"nolle"_s << u"nolo, nolui, -"_s << int(Praes) << int(Ind) << int(Akt)
                           << u"nolo - - nolumus - nolunt"_s;
    QTest::newRow("malle") << u"malle"_s << u"malo, malui, -"_s << int(Praes) << int(Ind) << int(Akt)
                           << u"malo mavis mavult malumus mavultis malunt"_s;
    QTest::newRow("fieri") << u"fieri"_s << u"fio, factus sum"_s << int(Praes) << int(Ind) << int(NoVoice)
                           << u"fio fis fit fimus fitis fiunt"_s;
    QTest::newRow("fieri: Impf. Konj.")
        << u"fieri"_s << u"fio, factus sum"_s << int(Impf) << int(Konj) << int(NoVoice)
        << u"fierem fieres fieret fieremus fieretis fierent"_s;
    QTest::newRow("odisse") << u"odisse"_s << u"odi, -"_s << int(Perf) << int(Ind) << int(Akt)
                            << u"odi odisti odit odimus odistis oderunt"_s;
    QTest::newRow("licet") << u"licet"_s << u"licuit"_s << int(Praes) << int(Ind) << int(Akt)
                           << u"- - licet - - -"_s;
}

void TestParadigms::verbs()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(int, tense);
    QFETCH(int, mood);
    QFETCH(int, voice);
    QFETCH(QString, expected);
    QCOMPARE(persons(paradigm(head, additions), Tense(tense), Mood(mood), Voice(voice)), expected);
}

void TestParadigms::verbForms_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<quint32>("analysis");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const QString &head, const QString &additions, Analysis a,
                  const QString &expected) {
        QTest::newRow(name) << head << additions << a.packed() << expected;
    };
    const QString amare = u"amo, amavi, amatum"_s;
    row("Imp. I Sg.", u"amare"_s, amare, Analysis::imperative1(Sg, Akt), u"ama"_s);
    row("Imp. I Pl.", u"amare"_s, amare, Analysis::imperative1(Pl, Akt), u"amate"_s);
    row("Imp. II 3. Pl.", u"amare"_s, amare, Analysis::imperative2(3, Pl), u"amanto"_s);
    row("Inf. Präs. Akt.", u"amare"_s, amare, Analysis::infinitive(Praes, Akt), u"amare"_s);
    row("Inf. Präs. Pass.", u"amare"_s, amare, Analysis::infinitive(Praes, Pass), u"amari"_s);
    row("Inf. Perf. Akt.", u"amare"_s, amare, Analysis::infinitive(Perf, Akt), u"amavisse/amasse"_s);
    row("PPA Gen. Sg.", u"amare"_s, amare, Analysis::participle(Kind::PPA, Gen, Sg, MFN), u"amantis"_s);
    row("PPA Abl. Sg.", u"amare"_s, amare, Analysis::participle(Kind::PPA, Abl, Sg, MFN), u"amante"_s);
    row("PPP Nom. Sg. m.", u"amare"_s, amare, Analysis::participle(Kind::PPP, Nom, Sg, M), u"amatus"_s);
    row("PFA Nom. Sg. f.", u"amare"_s, amare, Analysis::participle(Kind::PFA, Nom, Sg, F), u"amatura"_s);
    row("Gerundium Gen.", u"amare"_s, amare, Analysis::gerund(Gen), u"amandi"_s);
    row("Gerundivum Akk. Sg. f.", u"amare"_s, amare, Analysis::participle(Kind::Gerundive, Akk, Sg, F),
        u"amandam"_s);
    row("Supinum", u"amare"_s, amare, Analysis::supine(), u"amatum/amatu"_s);
    row("Imp. I: capere", u"capere"_s, u"capio, cepi, captum"_s, Analysis::imperative1(Sg, Akt), u"cape"_s);
    row("Imp. I: dicere", u"dicere"_s, u"dico, dixi, dictum"_s, Analysis::imperative1(Sg, Akt), u"dic"_s);
    row("Gerundium: capere", u"capere"_s, u"capio, cepi, captum"_s, Analysis::gerund(Abl), u"capiendo"_s);
    row("Deponens Imp. I", u"hortari"_s, u"hortor, hortatus sum"_s, Analysis::imperative1(Sg, NoVoice),
        u"hortare"_s);
    row("Deponens Inf.", u"loqui"_s, u"loquor, locutus sum"_s, Analysis::infinitive(Praes, NoVoice),
        u"loqui"_s);
    row("Deponens PPP", u"loqui"_s, u"loquor, locutus sum"_s, Analysis::participle(Kind::PPP, Nom, Sg, M),
        u"locutus"_s);
    row("ire PPA Gen.", u"ire"_s, u"eo, ii, itum"_s, Analysis::participle(Kind::PPA, Gen, Sg, MFN),
        u"euntis"_s);
    row("ire Perf. 2. Sg.", u"ire"_s, u"eo, ii, itum"_s, Analysis::finite(2, Sg, Perf, Ind, Akt),
        u"iisti/isti"_s);
    row("esse Inf. Fut.", u"esse"_s, u"sum, fui, -"_s, Analysis::infinitive(Fut1, NoVoice), u"fore"_s);
    row("ferre Imp. I Sg.", u"ferre"_s, u"fero, tuli, latum"_s, Analysis::imperative1(Sg, Akt), u"fer"_s);
    row("nolle Imp. I Sg.", u"nolle"_s, u"nolo, nolui, -"_s, Analysis::imperative1(Sg, Akt), u"noli"_s);
}

void TestParadigms::verbForms()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(quint32, analysis);
    QFETCH(QString, expected);
    QCOMPARE(single(paradigm(head, additions), Analysis::fromPacked(analysis)), expected);
}

void TestParadigms::nouns_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<QString>("singular");
    QTest::addColumn<QString>("plural");

    QTest::newRow("a-Dekl.") << u"puella"_s << u"puellae f."_s << u"puella puellae puellae puellam puella"_s
                             << u"puellae puellarum puellis puellas puellis"_s;
    QTest::newRow("o-Dekl. -us") << u"dominus"_s << u"domini m."_s
                                 << u"dominus domini domino dominum domino"_s
                                 << u"domini dominorum dominis dominos dominis"_s;
    QTest::newRow("o-Dekl. -er") << u"ager"_s << u"agri m."_s << u"ager agri agro agrum agro"_s
                                 << u"agri agrorum agris agros agris"_s;
    QTest::newRow("o-Dekl. puer") << u"puer"_s << u"pueri m."_s << u"puer pueri puero puerum puero"_s
                                  << u"pueri puerorum pueris pueros pueris"_s;
    QTest::newRow("o-Dekl. n.") << u"bellum"_s << u"belli n."_s << u"bellum belli bello bellum bello"_s
                                << u"bella bellorum bellis bella bellis"_s;
    QTest::newRow("3. Dekl. kons.") << u"rex"_s << u"regis m."_s << u"rex regis regi regem rege"_s
                                    << u"reges regum regibus reges regibus"_s;
    QTest::newRow("3. Dekl. n.") << u"corpus"_s << u"corporis n."_s
                                 << u"corpus corporis corpori corpus corpore"_s
                                 << u"corpora corporum corporibus corpora corporibus"_s;
    QTest::newRow("3. Dekl. Mischklasse gleichsilbig")
        << u"civis"_s << u"civis m."_s << u"civis civis civi civem cive"_s
        << u"cives civium civibus cives civibus"_s;
    QTest::newRow("3. Dekl. Mischklasse zwei Konsonanten")
        << u"urbs"_s << u"urbis f."_s << u"urbs urbis urbi urbem urbe"_s
        << u"urbes urbium urbibus urbes urbibus"_s;
    QTest::newRow("3. Dekl. i-Stamm n.") << u"mare"_s << u"maris n."_s << u"mare maris mari mare mari"_s
                                         << u"maria marium maribus maria maribus"_s;
    QTest::newRow("3. Dekl. i-Stamm -al")
        << u"animal"_s << u"animalis n."_s << u"animal animalis animali animal animali"_s
        << u"animalia animalium animalibus animalia animalibus"_s;
    QTest::newRow("3. Dekl. reiner i-Stamm")
        << u"turris"_s << u"turris f."_s << u"turris turris turri turrim turri"_s
        << u"turres turrium turribus turres turribus"_s;
    QTest::newRow("u-Dekl.") << u"manus"_s << u"manus f."_s << u"manus manus manui manum manu"_s
                             << u"manus manuum manibus manus manibus"_s;
    QTest::newRow("u-Dekl. n.") << u"cornu"_s << u"cornus n."_s << u"cornu cornus cornu cornu cornu"_s
                                << u"cornua cornuum cornibus cornua cornibus"_s;
    QTest::newRow("e-Dekl.") << u"res"_s << u"rei f."_s << u"res rei rei rem re"_s
                             << u"res rerum rebus res rebus"_s;
    QTest::newRow("e-Dekl. dies") << u"dies"_s << u"diei m."_s << u"dies diei diei diem die"_s
                                  << u"dies dierum diebus dies diebus"_s;
    QTest::newRow("Pluraletantum a") << u"divitiae"_s << u"divitiarum f. Pl."_s << u"- - - - -"_s
                                     << u"divitiae divitiarum divitiis divitias divitiis"_s;
    QTest::newRow("Pluraletantum o n.")
        << u"arma"_s << u"armorum n. Pl."_s << u"- - - - -"_s << u"arma armorum armis arma armis"_s;
    QTest::newRow("Pluraletantum 3.") << u"moenia"_s << u"moenium n. Pl."_s << u"- - - - -"_s
                                      << u"moenia moenium moenibus moenia moenibus"_s;
    QTest::newRow("vis") << u"vis"_s << u"Akk. vim, Abl. vi | Pl.: vires, virium f."_s
                         << u"vis vis vi vim vi"_s << u"vires virium viribus vires viribus"_s;
    QTest::newRow("domus") << u"domus"_s << u"domus f."_s << u"domus domus domui domum domo/domu"_s
                           << u"domus domuum/domorum domibus domus/domos domibus"_s;
    QTest::newRow("deus") << u"deus"_s << u"dei m."_s << u"deus dei deo deum deo"_s
                          << u"di/dei/dii deorum/deum dis/deis/diis deos dis/deis/diis"_s;
    QTest::newRow("Iuppiter") << u"Iuppiter"_s << u"Iovis m."_s << u"Iuppiter Iovis Iovi Iovem Iove"_s
                              << u"- - - - -"_s;
    QTest::newRow("res publica")
        << u"res publica"_s << u"rei publicae f."_s
        << u"res publica rei publicae rei publicae rem publicam re publica"_s
        << u"res publicae rerum publicarum rebus publicis res publicas rebus publicis"_s;
    QTest::newRow("locus mit eigenem Plural")
        << u"locus"_s << u"loci m. | Pl.: loca, locorum n."_s << u"locus loci loco locum loco"_s
        << u"loci/loca locorum locis locos/loca locis"_s;
}

void TestParadigms::nouns()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(QString, singular);
    QFETCH(QString, plural);
    const Paradigm p = paradigm(head, additions);
    QCOMPARE(p.info.wordClass, WordClass::Noun);
    QCOMPARE(cases(p, Kind::Nominal, Sg, 0), singular);
    QCOMPARE(cases(p, Kind::Nominal, Pl, 0), plural);
}

void TestParadigms::adjectives_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("gender");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bonus Sg. m.") << u"bonus"_s << u"bona, bonum"_s << int(Sg) << int(M)
                                  << u"bonus boni bono bonum bono"_s;
    QTest::newRow("bonus Sg. f.") << u"bonus"_s << u"bona, bonum"_s << int(Sg) << int(F)
                                  << u"bona bonae bonae bonam bona"_s;
    QTest::newRow("bonus Pl. n.") << u"bonus"_s << u"bona, bonum"_s << int(Pl) << int(N)
                                  << u"bona bonorum bonis bona bonis"_s;
    QTest::newRow("pulcher Sg. f.") << u"pulcher"_s << u"pulchra, pulchrum"_s << int(Sg) << int(F)
                                    << u"pulchra pulchrae pulchrae pulchram pulchra"_s;
    QTest::newRow("miser Sg. m.") << u"miser"_s << u"misera, miserum"_s << int(Sg) << int(M)
                                  << u"miser miseri misero miserum misero"_s;
    QTest::newRow("acer Sg. m.") << u"acer"_s << u"acris, acre"_s << int(Sg) << int(M)
                                 << u"acer acris acri acrem acri"_s;
    QTest::newRow("acer Sg. f.") << u"acer"_s << u"acris, acre"_s << int(Sg) << int(F)
                                 << u"acris acris acri acrem acri"_s;
    QTest::newRow("acer Pl. n.") << u"acer"_s << u"acris, acre"_s << int(Pl) << int(N)
                                 << u"acria acrium acribus acria acribus"_s;
    QTest::newRow("fortis Sg. n.") << u"fortis"_s << u"forte"_s << int(Sg) << int(N)
                                   << u"forte fortis forti forte forti"_s;
    QTest::newRow("fortis Pl. m.") << u"fortis"_s << u"forte"_s << int(Pl) << int(M)
                                   << u"fortes fortium fortibus fortes fortibus"_s;
    QTest::newRow("felix Sg. n.") << u"felix"_s << u"Gen. felicis"_s << int(Sg) << int(N)
                                  << u"felix felicis felici felix felici"_s;
    QTest::newRow("felix Pl. n.") << u"felix"_s << u"Gen. felicis"_s << int(Pl) << int(N)
                                  << u"felicia felicium felicibus felicia felicibus"_s;
    QTest::newRow("vetus Pl. n.") << u"vetus"_s << u"Gen. veteris"_s << int(Pl) << int(N)
                                  << u"vetera veterum veteribus vetera veteribus"_s;
    QTest::newRow("totus Sg. f.") << u"totus"_s << u"tota, totum | Gen. totius"_s << int(Sg) << int(F)
                                  << u"tota totius toti totam tota"_s;
    QTest::newRow("unus Sg. m.") << u"unus"_s << u"una, unum | Gen. unius"_s << int(Sg) << int(M)
                                 << u"unus unius uni unum uno"_s;
}

void TestParadigms::adjectives()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(int, number);
    QFETCH(int, gender);
    QFETCH(QString, expected);
    QCOMPARE(cases(paradigm(head, additions), Kind::Nominal, Number(number), gender), expected);
}

void TestParadigms::comparison_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<QString>("comparative"); // Nom. Sg. m., Nom. Sg. n., Gen. Sg.
    QTest::addColumn<QString>("superlative"); // Nom. Sg. m.
    QTest::addColumn<QString>("adverbs");     // positive, comparative, superlative

    QTest::newRow("altus") << u"altus"_s << u"alta, altum"_s << u"altior altius altioris"_s << u"altissimus"_s
                           << u"alte altius altissime"_s;
    QTest::newRow("fortis") << u"fortis"_s << u"forte"_s << u"fortior fortius fortioris"_s << u"fortissimus"_s
                            << u"fortiter fortius fortissime"_s;
    QTest::newRow("acer") << u"acer"_s << u"acris, acre"_s << u"acrior acrius acrioris"_s << u"acerrimus"_s
                          << u"acriter acrius acerrime"_s;
    QTest::newRow("pulcher") << u"pulcher"_s << u"pulchra, pulchrum"_s << u"pulchrior pulchrius pulchrioris"_s
                             << u"pulcherrimus"_s << u"pulchre pulchrius pulcherrime"_s;
    QTest::newRow("facilis") << u"facilis"_s << u"facile"_s << u"facilior facilius facilioris"_s
                             << u"facillimus"_s << u"facile facilius facillime"_s;
    QTest::newRow("similis") << u"similis"_s << u"simile"_s << u"similior similius similioris"_s
                             << u"simillimus"_s << u"similiter similius simillime"_s;
    QTest::newRow("sapiens") << u"sapiens"_s << u"Gen. sapientis"_s << u"sapientior sapientius sapientioris"_s
                             << u"sapientissimus"_s << u"sapienter sapientius sapientissime"_s;
    QTest::newRow("bonus") << u"bonus"_s << u"bona, bonum"_s << u"melior melius melioris"_s << u"optimus"_s
                           << u"bene melius optime"_s;
    QTest::newRow("malus") << u"malus"_s << u"mala, malum"_s << u"peior peius peioris"_s << u"pessimus"_s
                           << u"male peius pessime"_s;
    QTest::newRow("magnus") << u"magnus"_s << u"magna, magnum"_s << u"maior maius maioris"_s << u"maximus"_s
                            << u"- - -"_s;
    QTest::newRow("parvus") << u"parvus"_s << u"parva, parvum"_s << u"minor minus minoris"_s << u"minimus"_s
                            << u"- minus minime"_s;
    QTest::newRow("multus") << u"multus"_s << u"multa, multum"_s << u"- plus pluris"_s << u"plurimus"_s
                            << u"multum plus plurimum"_s;
}

void TestParadigms::comparison()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(QString, comparative);
    QFETCH(QString, superlative);
    QFETCH(QString, adverbs);
    const Paradigm p = paradigm(head, additions);
    auto first = [&](Analysis a) {
        const QStringList forms = p.formsOf(a);
        return forms.isEmpty() ? u"-"_s : forms.first();
    };
    auto firstOfCase = [&](Case c, int gender, Degree d) {
        for (const FormItem &item : p.forms)
            if (item.analysis.kindValue() == Kind::Nominal && item.analysis.grammaticalCase == c &&
                item.analysis.number == Sg && (item.analysis.genders & gender) && item.analysis.degree == d)
                return QString::fromStdString(item.form);
        return u"-"_s;
    };
    QCOMPARE(QStringList({firstOfCase(Nom, M, Comparative), firstOfCase(Nom, N, Comparative),
                          firstOfCase(Gen, N, Comparative)})
                 .join(u' '),
             comparative);
    QCOMPARE(firstOfCase(Nom, M, Superlative), superlative);
    QCOMPARE(QStringList({first(Analysis::adverb()), first(Analysis::adverb(Comparative)),
                          first(Analysis::adverb(Superlative))})
                 .join(u' '),
             adverbs);
}

void TestParadigms::pronouns_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("gender");
    QTest::addColumn<QString>("expected");

    QTest::newRow("is Sg. m.") << u"is"_s << u"ea, id"_s << int(Sg) << int(M) << u"is eius ei eum eo"_s;
    QTest::newRow("is Pl. f.") << u"is"_s << u"ea, id"_s << int(Pl) << int(F)
                               << u"eae earum eis/iis eas eis/iis"_s;
    QTest::newRow("hic Sg. f.") << u"hic"_s << u"haec, hoc"_s << int(Sg) << int(F)
                                << u"haec huius huic hanc hac"_s;
    QTest::newRow("hic Pl. n.") << u"hic"_s << u"haec, hoc"_s << int(Pl) << int(N)
                                << u"haec horum his haec his"_s;
    QTest::newRow("ille Sg. n.") << u"ille"_s << u"illa, illud"_s << int(Sg) << int(N)
                                 << u"illud illius illi illud illo"_s;
    QTest::newRow("iste Pl. m.") << u"iste"_s << u"ista, istud"_s << int(Pl) << int(M)
                                 << u"isti istorum istis istos istis"_s;
    QTest::newRow("ipse Sg. m.") << u"ipse"_s << u"ipsa, ipsum | Gen. ipsius"_s << int(Sg) << int(M)
                                 << u"ipse ipsius ipsi ipsum ipso"_s;
    QTest::newRow("idem Sg. m.") << u"idem"_s << u"eadem, idem"_s << int(Sg) << int(M)
                                 << u"idem eiusdem eidem eundem eodem"_s;
    QTest::newRow("qui Sg. f.") << u"qui"_s << u"quae, quod"_s << int(Sg) << int(F)
                                << u"quae cuius cui quam qua"_s;
    QTest::newRow("qui Pl. m.") << u"qui"_s << u"quae, quod"_s << int(Pl) << int(M)
                                << u"qui quorum quibus quos quibus"_s;
    QTest::newRow("quidam Sg. m.") << u"quidam"_s << u"quaedam, quoddam"_s << int(Sg) << int(M)
                                   << u"quidam cuiusdam cuidam quendam quodam"_s;
    QTest::newRow("ego") << u"ego"_s << u"mei, mihi, me"_s << int(Sg) << 0 << u"ego mei mihi/mi me me"_s;
    QTest::newRow("nos") << u"nos"_s << u"nostri/nostrum, nobis, nos"_s << int(Pl) << 0
                         << u"nos nostri/nostrum nobis nos nobis"_s;
    QTest::newRow("duo f.") << u"duo"_s << u"duae, duo"_s << int(Pl) << int(F)
                            << u"duae duarum duabus duas duabus"_s;
    QTest::newRow("tres n.") << u"tres"_s << u"tria"_s << int(Pl) << int(N)
                             << u"tria trium tribus tria tribus"_s;
    QTest::newRow("meus Sg. m.") << u"meus"_s << u"mea, meum"_s << int(Sg) << int(M)
                                 << u"meus mei meo meum meo"_s;
}

void TestParadigms::pronouns()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(int, number);
    QFETCH(int, gender);
    QFETCH(QString, expected);
    QCOMPARE(cases(paradigm(head, additions), Kind::Nominal, Number(number), gender), expected);
}

void TestParadigms::classes_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("additions");
    QTest::addColumn<int>("wordClass");
    QTest::addColumn<int>("inflection");

    QTest::newRow("Präposition") << u"ad"_s << u"m. Akk."_s << int(WordClass::Uninflected)
                                 << int(Inflection::Uninflected);
    QTest::newRow("Adverb ohne Angaben")
        << u"saepe"_s << QString() << int(WordClass::Uninflected) << int(Inflection::Uninflected);
    QTest::newRow("indeklinabel") << u"fas"_s << u"n. (indekl.)"_s << int(WordClass::Uninflected)
                                  << int(Inflection::Uninflected);
    QTest::newRow("Verb ohne Stammformen geraten")
        << u"laudare"_s << u"alicui"_s << int(WordClass::Verb) << int(Inflection::Guessed);
    QTest::newRow("unlesbare Angaben")
        << u"xyz"_s << u"Gen. ???"_s << int(WordClass::Uninflected) << int(Inflection::NotUnderstood);
    QTest::newRow("Verb") << u"amare"_s << u"amo, amavi, amatum"_s << int(WordClass::Verb)
                          << int(Inflection::Inflected);
    QTest::newRow("Substantiv") << u"rex"_s << u"regis m."_s << int(WordClass::Noun)
                                << int(Inflection::Inflected);
    QTest::newRow("Adjektiv") << u"bonus"_s << u"bona, bonum"_s << int(WordClass::Adjective)
                              << int(Inflection::Inflected);
    QTest::newRow("Pronomen") << u"hic"_s << u"haec, hoc"_s << int(WordClass::Pronoun)
                              << int(Inflection::Inflected);
    QTest::newRow("Adverb hic") << u"hic"_s << QString() << int(WordClass::Uninflected)
                                << int(Inflection::Uninflected);
}

void TestParadigms::classes()
{
    QFETCH(QString, head);
    QFETCH(QString, additions);
    QFETCH(int, wordClass);
    QFETCH(int, inflection);
    const Paradigm p = paradigm(head, additions);
    QCOMPARE(int(p.info.wordClass), wordClass);
    QCOMPARE(int(p.info.inflection), inflection);
    // The head word is always one of the forms.
    bool headFound = false;
    for (const FormItem &item : p.forms)
        headFound = headFound || QString::fromStdString(item.form) == head;
    QVERIFY(headFound);
}

QTEST_GUILESS_MAIN(TestParadigms)
#include "test_paradigms.moc"
