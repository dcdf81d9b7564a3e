// The forms table of one entry laid out as a school grammar lays it out: cases × numbers and
// genders, tenses × persons for each mood and voice, comparison; as data, as HTML and as text.
#pragma once

#include "dictionary/forms/paradigm.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Forms {

struct FormsSection
{
    QString title;           // "Indikativ Aktiv", "Positiv", "Deklination"
    QStringList columns;     // column heads, the first one over the row heads (often empty)
    QList<QStringList> rows; // each row: its head, then one cell per further column ("" for none)
};

struct FormsTable
{
    QString heading; // "amare (amo, amavi, amatum)"
    QList<FormsSection> sections;

    // Tab-separated: the heading, then per section its title, column heads and rows; for copying.
    QString plainText() const;
    // A document of tables for the forms window; text colour and background come from its palette.
    QString html() const;
};

// The table of the entry with this head word and these additions.
FormsTable formsTableOf(const QString &head, const QStringList &additions);

} // namespace Forms
