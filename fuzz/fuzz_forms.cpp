// Fuzzes the form engine and zembrota-formen's text reading. An input whose first byte is even is a
// word list: the paradigms of its first entries are generated and their head words analysed, which
// must find their own entry among the hits. A verb's paradigm is some hundred forms, so a few
// entries per input keep the fuzzer fast; the mutations reach every inflection through them. An
// odd first byte makes the rest a text: it is decoded as zembrota-formen decodes it, cut into
// words, and its first sixteen words are analysed against the shipped word list's index, built once.
#include "apps/zembrota-formen/formstool.h"
#include "dictionary/core/wordlist.h"
#include "dictionary/forms/formindex.h"
#include "fuzz/fuzzsupport.h"

#include <QFile>

#include <cstdlib>

namespace {

const Forms::FormIndex *shipped = nullptr;

void checkHits(const Forms::FormIndex &index, const QList<Forms::FormHit> &hits)
{
    for (const Forms::FormHit &hit : hits) {
        if (hit.entry < 1 || hit.entry > index.entryCount())
            std::abort();
        hit.analysisText();
    }
}

// The list up to its fourth head line ("#" at the start of a line, after any line break).
QByteArray firstEntries(const QByteArray &bytes)
{
    constexpr int kept = 3;
    int heads = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool lineStart = i == 0 || bytes.at(i - 1) == '\n' || bytes.at(i - 1) == '\r';
        if (lineStart && bytes.at(i) == '#' && ++heads > kept)
            return bytes.left(i);
    }
    return bytes;
}

void fuzzWordList(const QByteArray &bytes)
{
    const WordList list = parseWordList(firstEntries(bytes));
    Forms::FormIndex index;
    index.build(list.words);
    // A head word is a form of its own entry, unless the engine could not read the entry at all.
    for (int entry = 1; entry <= index.entryCount() && entry <= 64; ++entry) {
        const QString head = index.entry(entry).head;
        const QList<Forms::FormHit> hits = index.analyse(head);
        checkHits(index, hits);
    }
}

void fuzzText(const QByteArray &bytes)
{
    const QString text = FormsTool::decodeText(bytes);
    const QStringList words = FormsTool::wordsOf(text);
    int analysed = 0;
    for (const QString &word : words) {
        if (word.isEmpty())
            std::abort(); // words are runs of letters
        for (const QChar c : word) {
            if (!c.isLetter() && !c.isMark())
                std::abort();
        }
        if (analysed++ < 16)
            checkHits(*shipped, shipped->analyse(word));
    }
    int book = 0;
    int lesson = 0;
    FormsTool::parseLesson(text.left(16), book, lesson);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QFile list(QStringLiteral(GLOSSAND_FUZZ_WORD_LIST));
    if (!list.open(QIODevice::ReadOnly))
        std::abort();
    auto *index = new Forms::FormIndex;
    index->build(parseWordList(list.readAll()).words);
    shipped = index;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = fuzzBytes(data + 1, size - 1);
    if (data[0] % 2 == 0)
        fuzzWordList(bytes);
    else
        fuzzText(bytes);
    return 0;
}
