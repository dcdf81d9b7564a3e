// The hint lines beside a lookup: which entries the typed word is a form of ("Form von amare: …"),
// or, for a head word, which other entries it is also a form of ("auch: Form von …").
#pragma once

#include "dictionary/forms/formindex.h"

#include <QList>
#include <QString>

namespace Forms {

struct FormHintLine
{
    int entry = 0;    // the entry to look up when the line is followed; 0 for the "…" line
    QString head;     // its head word, as the lookup wants it typed
    QString text;     // "Form von amare: 1. Pers. Sg. Präs. Ind. Akt."
    QString richText; // the same with the head word in bold
};

// At most this many entries get a line; further ones are summed up in a "…" line.
inline constexpr int maxHintLines = 3;

// shownEntry: the entry the lookup found (0 when it found none). Lines for the typed word's
// entries other than the shown one, in entry order.
QList<FormHintLine> formHints(const FormIndex &index, const QString &typed, int shownEntry);

} // namespace Forms
