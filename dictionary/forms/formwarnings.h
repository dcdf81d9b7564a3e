// The entries of a word list whose forms the engine cannot build, for zembrota-check.
#pragma once

#include "dictionary/core/wordtable.h"

#include <QStringList>

namespace Forms {

// One German line per entry whose Latin additions give no paradigm ("Zeile 7: Die Formen von
// „xyz“ können … nicht gebildet werden …") or only a guess from the head word, in list order.
// They are warnings: the dictionary works, it only finds fewer forms of these entries.
QStringList formWarnings(const WordTable &table);

} // namespace Forms
