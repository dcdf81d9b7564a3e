// The forms table of a noun, an adjective and verbs, and the hint lines beside a lookup.
#include "dictionary/forms/formhints.h"
#include "dictionary/forms/formstable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Forms;

namespace {

const FormsSection *section(const FormsTable &table, const QString &title)
{
    for (const FormsSection &s : table.sections)
        if (s.title == title)
            return &s;
    return nullptr;
}

QStringList row(const FormsTable &table, const QString &title, const QString &rowHead)
{
    const FormsSection *s = section(table, title);
    if (!s)
        return {u"no section "_s + title};
    for (const QStringList &r : s->rows)
        if (r.first() == rowHead)
            return r.mid(1);
    return {u"no row "_s + rowHead};
}

WordTable hintList()
{
    QStringList lines;
    for (const auto &[head, additions] :
         QList<std::pair<QString, QString>>{{u"amare"_s, u"amo, amavi, amatum"_s},
                                            {u"amor"_s, u"amoris m."_s},
                                            {u"liber"_s, u"libera, liberum"_s},
                                            {u"liber"_s, u"libri m."_s},
                                            {u"is"_s, u"ea, id"_s},
                                            {u"ire"_s, u"eo, ii, itum"_s},
                                            {u"ea"_s, QString()},
                                            {u"idem"_s, u"eadem, idem"_s},
                                            {u"eadem"_s, QString()},
                                            {u"rosa"_s, u"rosae f."_s},
                                            {u"rosae"_s, u"rosarum f. Pl."_s},
                                            {u"rosus"_s, u"rosa, rosum"_s},
                                            {u"Rosa"_s, u"Rosae f."_s},
                                            {u"populus"_s, u"populi m."_s},
                                            {u"populus"_s, u"populi f."_s},
                                            {u"liberi"_s, u"liberorum m. Pl."_s}}) {
        lines << u"#"_s + head;
        if (!additions.isEmpty())
            lines << additions;
        lines << u"="_s << u"x"_s << u"$1"_s << u"%1"_s;
    }
    WordTable table;
    table.setLines(lines);
    return table;
}

} // namespace

class TestFormsTable : public QObject
{
    Q_OBJECT

private slots:
    void noun();
    void adjective();
    void verb();
    void deponent();
    void uninflected();
    void text();
    void hints_data();
    void hints();
};

void TestFormsTable::noun()
{
    const FormsTable t = formsTableOf(u"puella"_s, {u"puellae f."_s});
    QCOMPARE(t.heading, u"puella (puellae f.)"_s);
    QCOMPARE(t.sections.size(), 1);
    QCOMPARE(t.sections[0].columns, QStringList({QString(), u"Sg."_s, u"Pl."_s}));
    QCOMPARE(t.sections[0].rows.size(), 5);
    QCOMPARE(t.sections[0].rows[0], QStringList({u"Nom."_s, u"puella"_s, u"puellae"_s}));
    QCOMPARE(t.sections[0].rows[4], QStringList({u"Abl."_s, u"puella"_s, u"puellis"_s}));
    // o-declension nouns in -us have a vocative row.
    const FormsTable dominus = formsTableOf(u"dominus"_s, {u"domini m."_s});
    QCOMPARE(row(dominus, u"Deklination"_s, u"Vok."_s), QStringList({u"domine"_s, QString()}));
}

void TestFormsTable::adjective()
{
    const FormsTable t = formsTableOf(u"bonus"_s, {u"bona, bonum"_s});
    QCOMPARE(row(t, u"Positiv"_s, u"Nom."_s),
             QStringList({u"bonus"_s, u"bona"_s, u"bonum"_s, u"boni"_s, u"bonae"_s, u"bona"_s}));
    QCOMPARE(row(t, u"Positiv"_s, u"Dat."_s),
             QStringList({u"bono"_s, u"bonae"_s, u"bono"_s, u"bonis"_s, u"bonis"_s, u"bonis"_s}));
    QCOMPARE(row(t, u"Komparativ"_s, u"Nom."_s), QStringList({u"melior"_s, u"melior"_s, u"melius"_s,
                                                              u"meliores"_s, u"meliores"_s, u"meliora"_s}));
    QCOMPARE(row(t, u"Superlativ"_s, u"Gen."_s),
             QStringList(
                 {u"optimi"_s, u"optimae"_s, u"optimi"_s, u"optimorum"_s, u"optimarum"_s, u"optimorum"_s}));
    QCOMPARE(row(t, u"Adverb"_s, u"Adverb"_s), QStringList({u"bene"_s, u"melius"_s, u"optime"_s}));
}

void TestFormsTable::verb()
{
    const FormsTable t = formsTableOf(u"amare"_s, {u"amo, amavi, amatum"_s});
    QCOMPARE(section(t, u"Indikativ Aktiv"_s)->columns,
             QStringList(
                 {QString(), u"Präs."_s, u"Impf."_s, u"Fut. I"_s, u"Perf."_s, u"Plusqpf."_s, u"Fut. II"_s}));
    QCOMPARE(row(t, u"Indikativ Aktiv"_s, u"3. Sg."_s),
             QStringList({u"amat"_s, u"amabat"_s, u"amabit"_s, u"amavit"_s, u"amaverat"_s, u"amaverit"_s}));
    QCOMPARE(row(t, u"Indikativ Aktiv"_s, u"2. Sg."_s).at(3), u"amavisti, amasti"_s);
    QCOMPARE(row(t, u"Konjunktiv Aktiv"_s, u"1. Pl."_s),
             QStringList({u"amemus"_s, u"amaremus"_s, u"amaverimus"_s, u"amavissemus, amassemus"_s}));
    QCOMPARE(row(t, u"Indikativ Passiv"_s, u"1. Sg."_s),
             QStringList(
                 {u"amor"_s, u"amabar"_s, u"amabor"_s, u"amatus sum"_s, u"amatus eram"_s, u"amatus ero"_s}));
    QCOMPARE(row(t, u"Konjunktiv Passiv"_s, u"3. Pl."_s),
             QStringList({u"amentur"_s, u"amarentur"_s, u"amati sint"_s, u"amati essent"_s}));
    QCOMPARE(row(t, u"Imperativ"_s, u"I Sg."_s), QStringList({u"ama"_s, u"amare"_s}));
    QCOMPARE(row(t, u"Infinitiv"_s, u"Perf."_s), QStringList({u"amavisse, amasse"_s, u"amatum esse"_s}));
    QCOMPARE(row(t, u"Infinitiv"_s, u"Fut."_s), QStringList({u"amaturum esse"_s, QString()}));
    QCOMPARE(row(t, u"Partizipien"_s, u"PPA"_s), QStringList({u"amans"_s, u"amantis"_s}));
    QCOMPARE(row(t, u"Partizipien"_s, u"PPP"_s), QStringList({u"amatus, amata, amatum"_s, u"amati"_s}));
    QCOMPARE(row(t, u"Gerundium und Supinum"_s, u"Gerundium Gen."_s), QStringList({u"amandi"_s}));
}

void TestFormsTable::deponent()
{
    const FormsTable t = formsTableOf(u"hortari"_s, {u"hortor, hortatus sum"_s});
    QVERIFY(!section(t, u"Indikativ Aktiv"_s) || section(t, u"Indikativ Aktiv"_s)->rows.isEmpty());
    QCOMPARE(row(t, u"Indikativ"_s, u"1. Sg."_s),
             QStringList({u"hortor"_s, u"hortabar"_s, u"hortabor"_s, u"hortatus sum"_s, u"hortatus eram"_s,
                          u"hortatus ero"_s}));
    QCOMPARE(row(t, u"Infinitiv"_s, u"Perf."_s), QStringList({u"hortatum esse"_s, QString()}));
    // esse: its perfect is its own, not a participle with esse.
    const FormsTable esse = formsTableOf(u"esse"_s, {u"sum, fui, -"_s});
    QCOMPARE(row(esse, u"Indikativ"_s, u"1. Sg."_s),
             QStringList({u"sum"_s, u"eram"_s, u"ero"_s, u"fui"_s, u"fueram"_s, u"fuero"_s}));
}

void TestFormsTable::uninflected()
{
    const FormsTable t = formsTableOf(u"ad"_s, {u"m. Akk."_s});
    QCOMPARE(t.sections.size(), 1);
    QCOMPARE(t.sections[0].title, u"unveränderlich"_s);
    QCOMPARE(t.sections[0].rows, QList<QStringList>({{QString(), u"ad"_s}}));
}

void TestFormsTable::text()
{
    const FormsTable t = formsTableOf(u"puella"_s, {u"puellae f."_s});
    QCOMPARE(
        t.plainText(),
        u"puella (puellae f.)\n\nDeklination\n\tSg.\tPl.\nNom.\tpuella\tpuellae\nGen.\tpuellae\tpuellarum\n"
        "Dat.\tpuellae\tpuellis\nAkk.\tpuellam\tpuellas\nAbl.\tpuella\tpuellis\n"_s);
    QVERIFY(t.html().contains(u"<td>puellarum</td>"_s));
}

void TestFormsTable::hints_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shownEntry");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("entries");

    QTest::newRow("Form, kein Stichwort")
        << u"amat"_s << 0 << QStringList{u"Form von amare: 3. Pers. Sg. Präs. Ind. Akt."_s} << QList<int>{1};
    QTest::newRow("Stichwort und Form")
        << u"amor"_s << 2 << QStringList{u"auch: Form von amare: 1. Pers. Sg. Präs. Ind. Pass."_s}
        << QList<int>{1};
    QTest::newRow("Stichwort ohne weitere") << u"amare"_s << 1 << QStringList() << QList<int>();
    QTest::newRow("gleichnamige Einträge in einer Zeile")
        << u"liberi"_s << 0
        << QStringList{u"Form von liber: Gen. Sg. m./n. / Nom. Pl. m."_s, u"Form von liberi: Nom. Pl."_s}
        << QList<int>{3, 16};
    QTest::newRow("gleiche Bestimmung einmal")
        << u"populi"_s << 0 << QStringList{u"Form von populus: Gen. Sg. / Nom. Pl."_s} << QList<int>{14};
    QTest::newRow("Namensvetter des gezeigten Eintrags") << u"liber"_s << 3 << QStringList() << QList<int>();
    QTest::newRow("mehr als drei") << u"rosae"_s << 0
                                   << QStringList{u"Form von rosa: Gen. Sg. / Dat. Sg. / Nom. Pl."_s,
                                                  u"Form von rosae: Nom. Pl."_s,
                                                  u"Form von rosus: Gen. Sg. / Dat. Sg. / Nom. Pl. f."_s,
                                                  u"…"_s}
                                   << QList<int>{10, 11, 12, 0};
    QTest::newRow("Stichwort unter vielen")
        << u"eadem"_s << 9
        << QStringList{u"auch: Form von idem: Nom. Sg. f. / Abl. Sg. f. / Nom. Pl. n. / Akk. Pl. n."_s}
        << QList<int>{8};
    QTest::newRow("nichts eingegeben") << u" "_s << 0 << QStringList() << QList<int>();
    QTest::newRow("keine Form") << u"Haus"_s << 0 << QStringList() << QList<int>();
}

void TestFormsTable::hints()
{
    QFETCH(QString, typed);
    QFETCH(int, shownEntry);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, entries);
    FormIndex index;
    index.build(hintList());
    const QList<FormHintLine> lines = formHints(index, typed, shownEntry);
    QStringList gotTexts;
    QList<int> gotEntries;
    for (const FormHintLine &l : lines) {
        gotTexts << l.text;
        gotEntries << l.entry;
        if (l.entry)
            QVERIFY(l.richText.contains(u"<b>"_s + l.head + u"</b>"_s));
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotEntries, entries);
}

QTEST_GUILESS_MAIN(TestFormsTable)
#include "test_formstable.moc"
