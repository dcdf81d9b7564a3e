// The reader's direct insertion into the document's pieces, on one thread and with the parser on a
// second, against the same document read through QTextCursor: every RTF file of the project and
// generated documents must come out alike.
#include "bench/richtext/germanrtf.h"
#include "richtext/rtfcursorwriter.h"
#include "richtext/rtfinsertion.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstream.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <limits>
#include <set>
#include <thread>

using namespace Qt::StringLiterals;

class TestRtfInsertion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameDocument_data();
    void sameDocument();
    void comparisonSeesDifferences_data();
    void comparisonSeesDifferences();
    void stoppedStreamLetsTheParserGo();
    void lentTextOutlivesItsChunk();
};

namespace {

// Everything that makes up a document, in order, each with where it was found.
struct Description
{
    QStringList places;
    QVariantList values;

    void add(const QString &place, const QVariant &value)
    {
        places.append(place);
        values.append(value);
    }
};

void describeFrames(QTextFrame *frame, Description &out)
{
    for (QTextFrame *child : frame->childFrames()) {
        const QString place = u"frame %1-%2"_s.arg(child->firstPosition()).arg(child->lastPosition());
        out.add(place, child->frameFormat());
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            out.add(place + u" rows"_s, table->rows());
            out.add(place + u" columns"_s, table->columns());
            for (int r = 0; r < table->rows(); ++r) {
                for (int c = 0; c < table->columns(); ++c) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    const QString at = place + u" cell %1,%2"_s.arg(r).arg(c);
                    out.add(at + u" origin"_s, QPoint(cell.column(), cell.row()));
                    out.add(at + u" span"_s, QSize(cell.columnSpan(), cell.rowSpan()));
                    out.add(at + u" range"_s, QPoint(cell.firstPosition(), cell.lastPosition()));
                    out.add(at + u" format"_s, cell.format());
                }
            }
        }
        describeFrames(child, out);
    }
}

Description describe(QTextDocument &document)
{
    Description out;
    std::set<QString> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString place = u"block %1 at %2"_s.arg(block.blockNumber()).arg(block.position());
        out.add(place + u" format"_s, block.blockFormat());
        out.add(place + u" char format"_s, block.charFormat());
        int fragment = 0;
        for (auto it = block.begin(); !it.atEnd(); ++it, ++fragment) {
            const QString at = place + u" fragment %1"_s.arg(fragment);
            out.add(at + u" text"_s, it.fragment().text());
            out.add(at + u" format"_s, it.fragment().charFormat());
            if (it.fragment().charFormat().isImageFormat())
                pictures.insert(it.fragment().charFormat().toImageFormat().name());
        }
    }
    describeFrames(document.rootFrame(), out);
    for (const QString &name : pictures)
        out.add(u"picture "_s + name, document.resource(QTextDocument::ImageResource, QUrl(name)));
    const QList<QTextFormat> formats = document.allFormats();
    for (int i = 0; i < formats.size(); ++i)
        out.add(u"format %1"_s.arg(i), formats.at(i));
    out.add(u"default text option tabs"_s, document.defaultTextOption().tabStopDistance());
    out.add(u"HTML"_s, document.toHtml());
    return out;
}

// The first place where the two differ; empty if they are alike.
QString firstDifference(const Description &a, const Description &b)
{
    const qsizetype common = std::min(a.values.size(), b.values.size());
    for (qsizetype i = 0; i < common; ++i)
        if (a.places.at(i) != b.places.at(i) || a.values.at(i) != b.values.at(i))
            return a.places.at(i) + u" / "_s + b.places.at(i);
    if (a.values.size() != b.values.size())
        return u"%1 against %2 parts"_s.arg(a.values.size()).arg(b.values.size());
    return QString();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Documents with every kind of content, and characters that QTextCursor makes paragraphs of.
const char *const generated[][2] = {
    {"line ends and frame marks as characters",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 a\\'0ab\\'0dc\\u8233?d\\u-560?e\\u-559?f\\par "
     "{\\*\\bkmkstart m}\\'0a{\\*\\bkmkend m}x\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl g\\'0ah\\cell "
     "{\\*\\bkmkstart n}\\'0d{\\*\\bkmkend n}i\\cell\\row\\pard j\\'0d\\'0ak\\par}"},
    {"tables, nested and merged, with shading and borders",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}{\\colortbl;\\red255\\green0\\blue0;"
     "\\red0\\green0\\blue255;}\\f0\\fs20 Vor der Tabelle\\par"
     "\\trowd\\trgaph70\\trleft100\\clbrdrt\\brdrs\\brdrw10\\clcbpat1\\clmgf\\cellx3000\\clmrg\\cellx6000"
     "\\clvertalc\\clvmgf\\cellx9000\\pard\\intbl\\b Kopf\\b0\\cell\\cell {\\i rechts}\\cell\\row"
     "\\trowd\\trgaph70\\trleft100\\clbrdrb\\brdrs\\brdrw30\\cellx3000\\cellx6000\\clvmrg\\cellx9000"
     "\\pard\\intbl\\qc eins\\par zwei\\cell\\pard\\intbl\\itap2 innen\\nestcell{\\*\\nesttableprops"
     "\\trowd\\cellx1000\\cellx2000\\nestrow}innen zwei\\nestcell\\nestrow\\pard\\intbl\\itap1\\cell\\cell"
     "\\row\\pard\\plain Nach der Tabelle\\par"
     "\\trowd\\cellx1500\\pard\\intbl\\f1\\fs40\\cell\\row\\pard\\par}"},
    {"notes, bookmarks and links",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green128\\blue0;}\\f0 "
     "{\\*\\bkmkstart anfang}Anfang{\\*\\bkmkend anfang} mit Fu\\'dfnote{\\super\\chftn}"
     "{\\footnote\\pard\\plain{\\super\\chftn} Die Note mit {\\b fettem} Text.}"
     " und Endnote{\\super\\chftn}{\\footnote\\ftnalt\\pard\\plain Am Ende.\\par Zweiter Absatz.}"
     "\\par{\\field{\\*\\fldinst HYPERLINK \"https://example.org/\"}{\\fldrslt{\\cf1 Netz}}} und "
     "{\\field{\\*\\fldinst HYPERLINK \\\\l \"anfang\"}{\\fldrslt zum Anfang}}\\par"
     "\\trowd\\cellx3000\\pard\\intbl Zelle{\\super\\chftn}{\\footnote In der Zelle.}\\cell\\row"
     "\\pard Schluss\\par}"},
    {"pictures and lists",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\f0 Bild: "
     "{\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal300 "
     "89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4890000000d4944415478da63f8cf"
     "c0f01f0005000201f4a0c1c60000000049454e44ae426082}"
     " und {\\pict\\wmetafile8\\picw2540\\pich1270 0100090000}\\par"
     "\\pard\\fi-360\\li720\\tx720{\\listtext\\f1\\'b7\\tab}Erster Punkt\\par"
     "{\\listtext\\f1\\'b7\\tab}Zweiter {\\ul Punkt}\\par\\pard\\sl-240\\slmult0\\sa120\\qj "
     "{\\v versteckt}sichtbar \\caps gross\\caps0 \\scaps klein\\strike durch\\par}"},
    {"empty paragraphs and sizes", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier New;}}\\fs12\\par\\fs48\\par"
                                   "\\pard\\li1440\\ri720\\sb240\\par\\plain\\par}"},
};

} // namespace

void TestRtfInsertion::sameDocument_data()
{
    QTest::addColumn<QByteArray>("rtf");
    const QString root = QStringLiteral(GLOSSAND_SOURCE_DIR);
    int files = 0;
    for (const QString &folder :
         {u"tests/data"_s, u"data"_s, u"fuzz/seeds/rtf"_s, u"fuzz/regressions/rtf"_s}) {
        QDirIterator it(root + u'/' + folder, {u"*.rtf"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(path.mid(root.size() + 1))) << readAll(path);
            ++files;
        }
    }
    QVERIFY2(files >= 40, qPrintable(u"only %1 RTF files found"_s.arg(files)));
    for (const auto &[name, rtf] : generated)
        QTest::newRow(name) << QByteArray(rtf);
    QTest::newRow("the benchmark's German document") << GermanRtf::generate(300'000);
}

void TestRtfInsertion::sameDocument()
{
    QFETCH(QByteArray, rtf);
    QTextDocument throughCursor;
    QVERIFY(Rtf::read(rtf, &throughCursor, Rtf::ReadOptions{true, 0}));
    QVERIFY(throughCursor.characterCount() > 1);
    const Description expected = describe(throughCursor);
    QTextDocument direct;
    QVERIFY(Rtf::read(rtf, &direct, Rtf::ReadOptions{false, std::numeric_limits<qsizetype>::max()}));
    QCOMPARE(firstDifference(describe(direct), expected), QString());
    QTextDocument onTwoThreads;
    QVERIFY(Rtf::read(rtf, &onTwoThreads, Rtf::ReadOptions{false, 0}));
    QCOMPARE(firstDifference(describe(onTwoThreads), expected), QString());
}

// A document and one altered in a single respect: the comparison must tell them apart.
void TestRtfInsertion::comparisonSeesDifferences_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("a character format") << u"bold"_s;
    QTest::newRow("a block format") << u"indent"_s;
    QTest::newRow("a cell format") << u"cell"_s;
    QTest::newRow("a cell span") << u"span"_s;
}

void TestRtfInsertion::comparisonSeesDifferences()
{
    QFETCH(QString, change);
    const QByteArray rtf = generated[1][1];
    QTextDocument original;
    QTextDocument altered;
    QVERIFY(Rtf::read(rtf, &original));
    QVERIFY(Rtf::read(rtf, &altered));
    QCOMPARE(firstDifference(describe(original), describe(altered)), QString());
    QTextCursor cursor(&altered);
    cursor.setPosition(altered.toRawText().indexOf(u"Vor"_s) + 1);
    if (change == u"bold"_s) {
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.mergeCharFormat(bold);
    } else if (change == u"indent"_s) {
        QTextBlockFormat indent;
        indent.setIndent(1);
        cursor.mergeBlockFormat(indent);
    } else if (change == u"cell"_s) {
        cursor.setPosition(altered.toRawText().indexOf(u"eins"_s));
        QTextTableCellFormat format = cursor.currentTable()->cellAt(cursor).format().toTableCellFormat();
        format.setRightPadding(7);
        cursor.currentTable()->cellAt(cursor).setFormat(format);
    } else {
        // The merged header cell split again.
        cursor.setPosition(altered.toRawText().indexOf(u"Kopf"_s));
        QTextTable *table = cursor.currentTable();
        QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);
        table->splitCell(0, 0, 1, 1);
    }
    QVERIFY(!firstDifference(describe(original), describe(altered)).isEmpty());
}

// When putting the content in fails, the reader stops the stream: the parsing thread, however
// far ahead, must not wait for a queue nobody empties any more.
void TestRtfInsertion::stoppedStreamLetsTheParserGo()
{
    Rtf::Stream stream;
    std::thread parsing([&stream] {
        Rtf::StreamWriter recorder(stream);
        Rtf::CharState plain;
        Rtf::CharState bold;
        bold.bold = true;
        for (int i = 0; i < 100'000; ++i) // many more chunks than the queue holds
            recorder.text(u"Wort ", i % 2 ? bold : plain);
    });
    const std::unique_ptr<Rtf::Chunk> first = stream.next();
    QVERIFY(first);
    stream.stop();
    parsing.join();
    QVERIFY(!stream.next());
}

// The writer keeps a run played from a chunk without copying it, while more of the same format may
// follow; the chunk then goes back to be filled again. A run still open at the chunk's end must
// have been copied by then.
void TestRtfInsertion::lentTextOutlivesItsChunk()
{
    Rtf::Stream stream;
    {
        Rtf::StreamWriter recorder(stream);
        recorder.text(u"erster Teil", Rtf::CharState());
    }
    std::unique_ptr<Rtf::Chunk> chunk = stream.next();
    QVERIFY(chunk);
    QTextDocument document;
    QTextCursor cursor(&document);
    Rtf::Formats formats;
    Rtf::Insertion insertion(&document, formats, false);
    Rtf::CursorWriter writer(cursor, insertion, Rtf::CursorWriter::Place::Body);
    chunk->replay(writer, formats);
    stream.giveBack(std::move(chunk));
    {
        Rtf::StreamWriter recorder(stream); // fills the chunk given back, over the same memory
        recorder.text(u"XXXXXXXXXXX", Rtf::CharState());
    }
    writer.finish(Rtf::CharState(), Rtf::ParaState());
    QCOMPARE(document.toPlainText(), u"erster Teil"_s);
}

QTEST_MAIN(TestRtfInsertion)
#include "test_rtfinsertion.moc"
