// The form index: the shipped list round trip, ambiguous forms, enclitics, spelling folds and the
// entries whose additions give no paradigm.
#include "dictionary/core/wordlist.h"
#include "dictionary/forms/fold.h"
#include "dictionary/forms/formindex.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Forms;

namespace {

// A small word list: head, additions (split by " | "), one meaning each.
WordTable smallList()
{
    const QList<std::pair<QString, QString>> entries = {
        {u"puella"_s, u"puellae f."_s},
        {u"amare"_s, u"amo, amavi, amatum"_s},
        {u"amor"_s, u"amoris m."_s},
        {u"bonus"_s, u"bona, bonum"_s},
        {u"optimus"_s, u"optima, optimum"_s},
        {u"esse"_s, u"sum, fui, -"_s},
        {u"is"_s, u"ea, id"_s},
        {u"cum"_s, u"m. Abl."_s},
        {u"cum"_s, u"m. Ind.: als, wenn | m. Konj.: als, da"_s},
        {u"-que"_s, u"angehängt"_s},
        {u"-ne"_s, u"angehängt"_s},
        {u"ego"_s, u"mei, mihi, me"_s},
        {u"nos"_s, u"nostri/nostrum, nobis, nos"_s},
        {u"populus"_s, u"populi m."_s},
        {u"Romanus"_s, u"Romana, Romanum"_s},
        {u"iam"_s, QString()},
        {u"neque"_s, QString()},
        {u"capere"_s, u"capio, cepi, captum"_s},
        {u"venire"_s, u"venio, veni, ventum"_s},
        {u"xyz"_s, u"Gen. ???"_s},
        {u"laudare"_s, u"alicui"_s},
        {u"res publica"_s, u"rei publicae f."_s},
    };
    QStringList lines;
    for (const auto &[head, additions] : entries) {
        lines << u"#"_s + head;
        if (!additions.isEmpty())
            lines << additions.split(u" | "_s);
        lines << u"="_s << u"Bedeutung"_s << u"$1"_s << u"%1"_s;
    }
    WordTable table;
    table.setLines(lines);
    return table;
}

const FormIndex &smallIndex()
{
    static const FormIndex index = [] {
        FormIndex i;
        i.build(smallList());
        return i;
    }();
    return index;
}

// "head1|head2" and "analysis1|analysis2" of a word.
std::pair<QString, QString> analysed(const FormIndex &index, const QString &word)
{
    QStringList heads, analyses;
    for (const FormHit &hit : index.analyse(word)) {
        heads << index.entry(hit.entry).head;
        analyses << hit.analysisText();
    }
    return {heads.join(u'|'), analyses.join(u'|')};
}

// The Latin words an entry's additions write: principal parts, genitives, other endings.
QStringList writtenForms(const QStringList &additions)
{
    static const QRegularExpression remark(
        u"^(m\\. |vor |wie |auch|nachgestellt|angehängt|non |utrum|ad m|n\\. \\(indekl)"_s);
    static const QRegularExpression word(u"^[A-Za-z]+$"_s);
    QStringList forms;
    for (QString line : additions) {
        if (remark.match(line).hasMatch() || line.contains(u"..."_s) || line.contains(u"indekl"_s))
            continue;
        line.remove(QRegularExpression(u"^(Pl\\.: )"_s));
        for (QString part : line.split(QRegularExpression(u"[,;/]"_s))) {
            part = part.trimmed();
            part.remove(QRegularExpression(u"^(Gen\\.|Dat\\.|Akk\\.|Abl\\.) "_s));
            part.remove(QRegularExpression(u" (sum|m\\./f\\.|m\\.|f\\.|n\\.)( Pl\\.)?$"_s));
            if (word.match(part).hasMatch())
                forms << part;
        }
    }
    return forms;
}

} // namespace

class TestFormIndex : public QObject
{
    Q_OBJECT

private slots:
    void shippedListRoundTrip();
    void analyses_data();
    void analyses();
    void enclitics_data();
    void enclitics();
    void folds_data();
    void folds();
    void uninflectable();
    void emptyAndForeign();
};

void TestFormIndex::shippedListRoundTrip()
{
    QFile file(QStringLiteral(SHIPPED_WORD_LIST));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const WordList list = parseWordList(file.readAll());
    FormIndex index;
    index.build(list.words);
    QCOMPARE(index.entryCount(), list.words.entryCount());
    QStringList failures;
    int checked = 0;
    for (int n = 1; n <= index.entryCount(); ++n) {
        const FormIndex::EntryInfo &e = index.entry(n);
        QStringList forms = writtenForms(e.additions);
        forms.prepend(e.head);
        for (const QString &form : forms) {
            ++checked;
            bool found = false;
            for (const FormHit &hit : index.analyse(form))
                found = found || hit.entry == n;
            if (!found)
                failures << u"%1 (%2): %3"_s.arg(e.head, e.additions.join(u"; "_s), form);
        }
    }
    QVERIFY(checked > 5000);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    // Every entry of the course has a paradigm the engine can build.
    QCOMPARE(index.entriesWith(Inflection::NotUnderstood), QList<int>());
}

void TestFormIndex::analyses_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("heads");
    QTest::addColumn<QString>("analyses");

    QTest::newRow("Substantiv mehrdeutig")
        << u"puellae"_s << u"puella"_s << u"Gen. Sg. / Dat. Sg. / Nom. Pl."_s;
    QTest::newRow("Verb") << u"amat"_s << u"amare"_s << u"3. Pers. Sg. Präs. Ind. Akt."_s;
    QTest::newRow("Stichwort und Form")
        << u"amor"_s << u"amare|amor"_s << u"1. Pers. Sg. Präs. Ind. Pass.|Nom. Sg."_s;
    QTest::newRow("Adjektiv f.") << u"bonae"_s << u"bonus"_s << u"Gen. Sg. / Dat. Sg. / Nom. Pl. f."_s;
    QTest::newRow("Komparativ") << u"melior"_s << u"bonus"_s << u"Komparativ Nom. Sg. m./f."_s;
    QTest::newRow("Superlativ zwei Einträge")
        << u"optimi"_s << u"bonus|optimus"_s
        << u"Superlativ Gen. Sg. m./n. / Superlativ Nom. Pl. m.|Gen. Sg. m./n. / Nom. Pl. m."_s;
    QTest::newRow("Adverb") << u"bene"_s << u"bonus"_s << u"Adverb"_s;
    QTest::newRow("Pronomen") << u"eius"_s << u"is"_s << u"Gen. Sg. m./f./n."_s;
    QTest::newRow("Perfekt") << u"ceperunt"_s << u"capere"_s << u"3. Pers. Pl. Perf. Ind. Akt."_s;
    QTest::newRow("Präsens und Perfekt")
        << u"venit"_s << u"venire"_s << u"3. Pers. Sg. Präs. Ind. Akt. / 3. Pers. Sg. Perf. Ind. Akt."_s;
    QTest::newRow("PPP") << u"amatus"_s << u"amare"_s << u"PPP Nom. Sg. m."_s;
    QTest::newRow("Inf. Perf.") << u"amavisse"_s << u"amare"_s << u"Inf. Perf. Akt."_s;
    QTest::newRow("esse ohne Genus verbi") << u"erant"_s << u"esse"_s << u"3. Pers. Pl. Impf. Ind."_s;
    QTest::newRow("unveränderlich") << u"iam"_s << u"iam"_s << u"unveränderlich"_s;
    QTest::newRow("zwei gleiche Stichwörter")
        << u"cum"_s << u"cum|cum"_s << u"unveränderlich|unveränderlich"_s;
    QTest::newRow("zwei Wörter") << u"rem publicam"_s << u"res publica"_s << u"Akk. Sg."_s;
    QTest::newRow("keine Form") << u"amatx"_s << QString() << QString();
    QTest::newRow("nur Anfang") << u"ama"_s << u"amare"_s << u"Imp. I Sg. Akt."_s;
}

void TestFormIndex::analyses()
{
    QFETCH(QString, word);
    QFETCH(QString, heads);
    QFETCH(QString, analyses);
    const auto [h, a] = analysed(smallIndex(), word);
    QCOMPARE(h, heads);
    QCOMPARE(a, analyses);
}

void TestFormIndex::enclitics_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("heads");
    QTest::addColumn<QString>("analyses");

    QTest::newRow("-que") << u"populusque"_s << u"populus|-que"_s << u"Nom. Sg. + -que|unveränderlich"_s;
    QTest::newRow("-que am Adjektiv")
        << u"Romanique"_s << u"Romanus|-que"_s << u"Gen. Sg. m./n. / Nom. Pl. m. + -que|unveränderlich"_s;
    QTest::newRow("-ne") << u"amatne"_s << u"amare|-ne"_s
                         << u"3. Pers. Sg. Präs. Ind. Akt. + -ne|unveränderlich"_s;
    QTest::newRow("-ve ohne Eintrag") << u"puellave"_s << u"puella"_s << u"Nom. Sg. / Abl. Sg. + -ve"_s;
    QTest::newRow("mecum") << u"mecum"_s << u"ego|cum"_s << u"Abl. Sg.|unveränderlich"_s;
    QTest::newRow("nobiscum") << u"nobiscum"_s << u"nos|cum"_s << u"Abl. Pl.|unveränderlich"_s;
    QTest::newRow("ganzes Wort geht vor") << u"neque"_s << u"neque"_s << u"unveränderlich"_s;
    QTest::newRow("kein Wort vor -que") << u"xque"_s << QString() << QString();
}

void TestFormIndex::enclitics()
{
    QFETCH(QString, word);
    QFETCH(QString, heads);
    QFETCH(QString, analyses);
    const auto [h, a] = analysed(smallIndex(), word);
    QCOMPARE(h, heads);
    QCOMPARE(a, analyses);
}

void TestFormIndex::folds_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("heads");

    QTest::newRow("groß") << u"Puellae"_s << u"puella"_s;
    QTest::newRow("Versalien mit V") << u"PVELLAE"_s << u"puella"_s;
    QTest::newRow("u für v") << u"uenit"_s << u"venire"_s;
    QTest::newRow("j für i") << u"jam"_s << u"iam"_s;
    QTest::newRow("Makron") << u"āmō"_s << u"amare"_s;
    QTest::newRow("Breve") << u"ămat"_s << u"amare"_s;
    QTest::newRow("Makron groß") << u"Ēius"_s << u"is"_s;
    QTest::newRow("Eigenname klein") << u"romanus"_s << u"Romanus"_s;
}

void TestFormIndex::folds()
{
    QFETCH(QString, word);
    QFETCH(QString, heads);
    QCOMPARE(analysed(smallIndex(), word).first, heads);
}

void TestFormIndex::uninflectable()
{
    const FormIndex &index = smallIndex();
    const QList<int> notUnderstood = index.entriesWith(Inflection::NotUnderstood);
    QCOMPARE(notUnderstood.size(), 1);
    QCOMPARE(index.entry(notUnderstood.first()).head, u"xyz"_s);
    // Only the head word matches it.
    QCOMPARE(analysed(index, u"xyz"_s), std::pair(u"xyz"_s, u"unveränderlich"_s));
    QCOMPARE(analysed(index, u"xyzis"_s).first, QString());
    // A verb without principal parts is guessed from its infinitive.
    const QList<int> guessed = index.entriesWith(Inflection::Guessed);
    QCOMPARE(guessed.size(), 1);
    QCOMPARE(index.entry(guessed.first()).head, u"laudare"_s);
    QCOMPARE(analysed(index, u"laudavit"_s).first, u"laudare"_s);
}

void TestFormIndex::emptyAndForeign()
{
    QCOMPARE(foldWord(u""_s), std::string());
    QCOMPARE(foldWord(u"Straße"_s), std::string());
    QCOMPARE(foldWord(u"Vēnī"_s), std::string("ueni"));
    QVERIFY(smallIndex().analyse(u""_s).isEmpty());
    QVERIFY(smallIndex().analyse(u"Mädchen"_s).isEmpty());
    FormIndex empty;
    QVERIFY(empty.analyse(u"puella"_s).isEmpty());
    QCOMPARE(empty.entry(1).head, QString());
}

QTEST_GUILESS_MAIN(TestFormIndex)
#include "test_formindex.moc"
