// Fuzzes the word list loader, then a lookup and full-text searches on what it loaded.
#include "dictionary/core/entrydisplay.h"
#include "dictionary/core/fulltextsearch.h"
#include "dictionary/core/lookup.h"
#include "dictionary/core/wordlist.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WordList list = parseWordList(fuzzBytes(data, size));
    const WordTable &table = list.words;
    // Look up the first head word, and a word that is surely missing.
    for (int i = 1; i <= table.lineCount(); ++i) {
        if (table.marker(i) == u'#') {
            const LookupResult found = LookUpWord(table, table.text(i).mid(1).trimmed());
            if (found.outcome == LookupOutcome::Found) {
                FormatLessonField(found.entry.bookList, found.entry.lessonList);
                CountLessonWords(list.lessons, found.entry.bookList, found.entry.lessonList);
            }
            break;
        }
    }
    LookUpWord(table, QStringLiteral("\x01nicht vorhanden"));
    LookUpWord(table, QString());
    FullTextSearch(table, 1, QStringLiteral("e"));
    FullTextSearch(table, 2, QString());
    FullTextSearch(table, 32767, QStringLiteral("#"));
    for (int book = 1; book <= 3; ++book)
        list.lessons.wordCount(book, 1);
    return 0;
}
