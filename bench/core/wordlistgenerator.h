// A maximal word list for measurements: 32767 well-formed entries, about 200,000 lines.
#pragma once

#include <QByteArray>
#include <QString>

namespace WordListGenerator {

// Windows-1252 bytes with CR LF, the same for every call. Entries have 0 to 2 additions and 1 to 2
// meanings, 1 to 3 books, umlauts and a few lines longer than 46 characters.
QByteArray maximalWordList();

// Latin word of entry n (1-based); every entry's word is different.
QString entryWord(int n);

} // namespace WordListGenerator
