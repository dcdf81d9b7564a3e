// Generates a large RTF document of formatted German text, written the way word processors do.
#include "bench/richtext/germanrtf.h"

#include <QRandomGenerator>

#include <array>

namespace GermanRtf {

namespace {

// German words as RTF: umlauts and ß as \'hh (Word's way) or \uN\'hh (LibreOffice's way).
constexpr std::array words = {
    "der",
    "die",
    "das",
    "und",
    "ist",
    "nicht",
    "mit",
    "sich",
    "auf",
    "f\\'fcr",
    "Sch\\'fcler",
    "W\\'f6rter",
    "Lektion",
    "lateinische",
    "\\'dcbersetzung",
    "Wortliste",
    "Bedeutung",
    "gro\\u223\\'dfe",
    "Stra\\'dfe",
    "M\\u228\\'e4dchen",
    "Grammatik",
    "Deklination",
    "Konjugation",
    "K\\'f6nig",
    "T\\'e4tigkeit",
    "\\u196\\'c4nderung",
    "zus\\'e4tzlich",
    "gew\\'f6hnlich",
    "Anf\\'e4nger",
    "schlie\\'dflich",
    "\\'fcben",
    "Hilfe",
    "Eingabefeld",
    "dr\\'fccken",
    "w\\'e4hrend",
    "Lehrer",
    "Buch",
    "Kapitel",
    "Beispiel",
    "\\'d6ffnen",
    "Fenster",
    "Suchbegriff",
    "erscheint",
    "darunter",
    "sogar",
    "au\\'dferdem",
    "Gru\\'df",
};

class Writer
{
public:
    explicit Writer(qsizetype target) : m_target(target) { m_out.reserve(target + 4096); }

    QByteArray run()
    {
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\\uc1"
                 "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fprq2\\fcharset0 "
                 "Arial;}"
                 "{\\f2\\fmodern\\fprq1\\fcharset0 Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
                 "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green96\\blue0;"
                 "\\red0\\green0\\blue160;\\red255\\green255\\blue0;}\r\n"
                 "{\\stylesheet{\\s0\\f0\\fs24 Normal;}{\\s1\\f1\\fs32\\b heading 1;}}\r\n"
                 "{\\info{\\title Lateinhilfe}{\\author Benchmark}}\r\n"
                 "{\\header\\pard\\plain\\qc\\f1\\fs18 Kopfzeile\\par}\r\n"
                 "\\paperw11906\\paperh16838\\margl1134\\margr1134\\viewkind4\r\n";
        int paragraph = 0;
        while (m_out.size() < m_target) {
            if (paragraph % 40 == 0)
                heading(paragraph / 40 + 1);
            else if (paragraph % 17 == 0)
                list();
            else if (paragraph % 53 == 0)
                table();
            else
                body();
            ++paragraph;
        }
        m_out += "}\r\n";
        return m_out;
    }

private:
    const char *word() { return words[m_random.bounded(int(words.size()))]; }

    void sentence(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int kind = m_random.bounded(40);
            const char *w = word();
            if (i > 0)
                m_out += ' ';
            switch (kind) {
            case 0:
                m_out += "{\\b ";
                m_out += w;
                m_out += '}';
                break;
            case 1:
                m_out += "{\\i ";
                m_out += w;
                m_out += '}';
                break;
            case 2:
                m_out += "{\\ul ";
                m_out += w;
                m_out += '}';
                break;
            case 3:
                m_out += "{\\cf2 ";
                m_out += w;
                m_out += '}';
                break;
            case 4:
                m_out += "{\\f2\\fs20 ";
                m_out += w;
                m_out += '}';
                break;
            case 5:
                m_out += "\\b ";
                m_out += w;
                m_out += "\\b0 ";
                break;
            case 6:
                m_out += "{\\highlight5 ";
                m_out += w;
                m_out += '}';
                break;
            case 7:
                m_out += "\\ldblquote ";
                m_out += w;
                m_out += "\\rdblquote ";
                break;
            default:
                m_out += w;
                break;
            }
            if (m_random.bounded(12) == 0)
                m_out += ',';
            if (m_random.bounded(9) == 0)
                m_out += "\r\n"; // word processors break long lines anywhere
        }
        m_out += '.';
    }

    void heading(int number)
    {
        m_out += "\\pard\\plain\\s1\\sb240\\sa120\\keepn\\f1\\fs32\\b Kapitel ";
        m_out += QByteArray::number(number);
        m_out += ": ";
        sentence(3);
        m_out += "\\par\r\n";
    }

    void body()
    {
        m_out += m_random.bounded(3) == 0 ? "\\pard\\plain\\s0\\qj\\li567\\ri283\\fi284\\sa120\\f0\\fs24 "
                                          : "\\pard\\plain\\s0\\ql\\sa120\\sl276\\slmult1\\f0\\fs24 ";
        const int sentences = 3 + m_random.bounded(6);
        for (int s = 0; s < sentences; ++s) {
            sentence(6 + m_random.bounded(14));
            m_out += ' ';
        }
        m_out += "\\par\r\n";
    }

    void list()
    {
        for (int i = 0; i < 4; ++i) {
            m_out += "{\\listtext\\pard\\plain\\f3\\fs24 "
                     "\\'b7\\tab}\\pard\\plain\\fi-360\\li720\\tx720\\f0\\fs24 ";
            sentence(5);
            m_out += "\\par\r\n";
        }
    }

    void table()
    {
        for (int row = 0; row < 3; ++row) {
            m_out += "\\trowd\\trgaph70\\trleft0\\clbrdrt\\brdrs\\brdrw10\\cellx3000\\clbrdrt\\brdrs\\brdrw10"
                     "\\cellx6000\\cellx9000\\pard\\intbl\\f0\\fs22 ";
            for (int cell = 0; cell < 3; ++cell) {
                sentence(2);
                m_out += "\\cell ";
            }
            m_out += "\\row\r\n";
        }
        m_out += "\\pard\r\n";
    }

    qsizetype m_target;
    QByteArray m_out;
    QRandomGenerator m_random{1031};
};

} // namespace

QByteArray generate(qsizetype targetBytes)
{
    return Writer(targetBytes).run();
}

} // namespace GermanRtf
