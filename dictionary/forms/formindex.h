// The form index of a word list: every form of every entry, found by its folded spelling, with
// the entries it belongs to and their analyses; enclitics (-que, -ne, -ve, mecum) are split off.
#pragma once

#include "dictionary/core/wordtable.h"
#include "dictionary/forms/analysis.h"
#include "dictionary/forms/paradigm.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace Forms {

// One entry a form belongs to.
struct FormHit
{
    int entry = 0;            // entry number, 1-based
    QList<Analysis> analyses; // in paradigm order
    QString enclitic;         // "que", "ne", "ve" when split off; empty otherwise

    // "Gen. Sg. / Dat. Sg. / Nom. Pl. f.", with " + -que" for an enclitic.
    QString analysisText() const;
};

class FormIndex
{
public:
    struct EntryInfo
    {
        QString head;          // the head word, trimmed
        QStringList additions; // the Latin additions, trimmed
        int headLine = 0;      // line of the head line in the word table
        ParadigmInfo paradigm;
    };

    // Builds the index from every entry of the table (replacing what it held).
    void build(const WordTable &table);

    int entryCount() const { return int(m_entries.size()); }
    // 1-based; entry 0 or out of range gives an empty info.
    const EntryInfo &entry(int number) const;

    // The entries the word is a form of, in entry order; spelling folded; an enclitic is split
    // off only when the whole word is no form.
    QList<FormHit> analyse(QStringView word) const;

    // Entries whose additions the engine could not read (only the head word matches them), and
    // entries whose paradigm is guessed from the head word.
    QList<int> entriesWith(Inflection inflection) const;

    // Distinct forms and (form, entry, analysis) records held.
    qsizetype formCount() const { return m_used; }
    qsizetype recordCount() const { return qsizetype(m_records.size()); }
    // Bytes held by the index's tables (not counting the entry infos).
    qsizetype memoryBytes() const;

private:
    struct Slot
    {
        quint32 keyOffset = 0;
        quint32 keyLength = 0;
        quint32 lastRecord = 0; // 1-based into m_records; 0: empty slot
    };
    struct Record
    {
        quint32 previous; // the record before it with the same key, 1-based; 0 ends
        quint32 entry;
        quint32 analysis;
    };

    friend class IndexSink;
    void insert(std::string_view key, int entry, Analysis analysis);
    quint32 find(std::string_view key) const; // last record of the key, 0 when absent
    void grow();
    QList<FormHit> hitsOf(std::string_view key) const;

    std::vector<EntryInfo> m_entries;
    std::vector<Slot> m_slots;
    std::vector<Record> m_records;
    std::string m_keys;
    qsizetype m_used = 0;
    int m_queEntry = 0, m_neEntry = 0, m_veEntry = 0, m_cumEntry = 0;
};

} // namespace Forms
