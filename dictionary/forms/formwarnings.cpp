// The entries whose forms the engine cannot build.
#include "dictionary/forms/formwarnings.h"

#include "dictionary/forms/formindex.h"

using namespace Qt::StringLiterals;

namespace Forms {

QStringList formWarnings(const WordTable &table)
{
    FormIndex index;
    index.build(table);
    QStringList warnings;
    for (int n = 1; n <= index.entryCount(); ++n) {
        const FormIndex::EntryInfo &e = index.entry(n);
        if (e.paradigm.inflection == Inflection::NotUnderstood)
            warnings << u"Zeile %1: Die Formen von „%2“ können aus den lateinischen Angaben nicht gebildet "
                        u"werden; "
                        "nur das Stichwort wird erkannt."_s.arg(e.headLine)
                            .arg(e.head);
        else if (e.paradigm.inflection == Inflection::Guessed)
            warnings
                << u"Zeile %1: Die Formen von „%2“ sind aus dem Stichwort geraten (Stammformen fehlen)."_s
                       .arg(e.headLine)
                       .arg(e.head);
    }
    return warnings;
}

} // namespace Forms
