// The form index: an open-addressing hash table from folded forms to chains of records.
#include "dictionary/forms/formindex.h"

#include "dictionary/forms/fold.h"

#include "common/fnv1a.h"

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace Forms {

namespace {

// FNV-1a's low bits, which pick the slot, get some of its high bits mixed in.
inline quint64 hashOf(std::string_view key)
{
    const quint64 h = fnv1a64(key);
    return h ^ (h >> 29);
}

} // namespace

class IndexSink : public FormSink
{
public:
    IndexSink(FormIndex &index, int entry) : m_index(index), m_entry(entry) {}
    void add(std::string_view form, Analysis analysis) override
    {
        foldAscii(form, m_key);
        m_index.insert(m_key, m_entry, analysis);
    }

private:
    FormIndex &m_index;
    int m_entry;
    std::string m_key;
};

QString FormHit::analysisText() const
{
    QString text = analysesText(analyses);
    if (!enclitic.isEmpty())
        text += u" + -"_s + enclitic;
    return text;
}

const FormIndex::EntryInfo &FormIndex::entry(int number) const
{
    static const EntryInfo none;
    return number >= 1 && number <= entryCount() ? m_entries[size_t(number - 1)] : none;
}

void FormIndex::build(const WordTable &table)
{
    m_entries.clear();
    m_records.clear();
    m_keys.clear();
    m_used = 0;
    m_queEntry = m_neEntry = m_veEntry = m_cumEntry = 0;
    const int entries = table.entryCount();
    m_entries.resize(size_t(entries));
    // A course list gives about 66 records and 43 distinct forms per entry; the table grows when
    // half full, so a list that repeats its words keeps a small table; a list of a few entries (the
    // form harness builds one per input) starts small.
    size_t slotCount = 256;
    while (slotCount < size_t(entries) * 48)
        slotCount *= 2;
    m_slots.assign(slotCount, Slot{});
    m_records.reserve(size_t(entries) * 72);
    m_keys.reserve(size_t(entries) * 400);

    for (int n = 1; n <= entries; ++n) {
        EntryInfo &info = m_entries[size_t(n - 1)];
        const int head = table.headLine(n);
        info.headLine = head;
        info.head = blankTrimmed(table.content(head)).toString();
        for (int i = head + 1; i <= table.lineCount() && info.additions.size() < 4; ++i) {
            const QChar marker = table.marker(i);
            if (marker == Marker::separator || marker == Marker::head || marker == Marker::books)
                break;
            const QString line = table.text(i).trimmed();
            if (!line.isEmpty())
                info.additions << line;
        }
        IndexSink sink(*this, n);
        info.paradigm = generateParadigm(info.head, info.additions, sink);
        const QString &h = info.head;
        if (h == u"-que"_s && !m_queEntry)
            m_queEntry = n;
        else if (h == u"-ne"_s && !m_neEntry)
            m_neEntry = n;
        else if (h == u"-ve"_s && !m_veEntry)
            m_veEntry = n;
        else if (h == u"cum"_s && !m_cumEntry &&
                 (info.additions.isEmpty() || info.additions.first().startsWith(u"m. Abl"_s)))
            m_cumEntry = n;
    }
}

void FormIndex::grow()
{
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.assign(old.size() * 2, Slot{});
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (!slot.lastRecord)
            continue;
        size_t i = hashOf(std::string_view(m_keys).substr(slot.keyOffset, slot.keyLength)) & mask;
        while (m_slots[i].lastRecord)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void FormIndex::insert(std::string_view key, int entry, Analysis analysis)
{
    if (key.empty())
        return;
    if (size_t(m_used + 1) * 2 > m_slots.size())
        grow();
    const size_t mask = m_slots.size() - 1;
    size_t i = hashOf(key) & mask;
    while (true) {
        Slot &slot = m_slots[i];
        if (!slot.lastRecord) {
            slot.keyOffset = quint32(m_keys.size());
            slot.keyLength = quint32(key.size());
            m_keys.append(key);
            m_records.push_back({0, quint32(entry), analysis.packed()});
            slot.lastRecord = quint32(m_records.size());
            ++m_used;
            return;
        }
        if (slot.keyLength == key.size() &&
            std::memcmp(m_keys.data() + slot.keyOffset, key.data(), key.size()) == 0) {
            const Record &last = m_records[slot.lastRecord - 1];
            if (last.entry == quint32(entry) && last.analysis == analysis.packed())
                return; // the same cell's form again
            m_records.push_back({slot.lastRecord, quint32(entry), analysis.packed()});
            slot.lastRecord = quint32(m_records.size());
            return;
        }
        i = (i + 1) & mask;
    }
}

quint32 FormIndex::find(std::string_view key) const
{
    if (m_slots.empty() || key.empty())
        return 0;
    const size_t mask = m_slots.size() - 1;
    size_t i = hashOf(key) & mask;
    while (true) {
        const Slot &slot = m_slots[i];
        if (!slot.lastRecord)
            return 0;
        if (slot.keyLength == key.size() &&
            std::memcmp(m_keys.data() + slot.keyOffset, key.data(), key.size()) == 0)
            return slot.lastRecord;
        i = (i + 1) & mask;
    }
}

QList<FormHit> FormIndex::hitsOf(std::string_view key) const
{
    QList<FormHit> hits;
    quint32 r = find(key);
    if (!r)
        return hits;
    // The chain runs from the last record back; records are in generation order.
    std::vector<quint32> chain;
    for (; r; r = m_records[r - 1].previous)
        chain.push_back(r);
    std::sort(chain.begin(), chain.end());
    for (quint32 index : chain) {
        const Record &record = m_records[index - 1];
        const Analysis a = Analysis::fromPacked(record.analysis);
        auto it = std::find_if(hits.begin(), hits.end(),
                               [&](const FormHit &h) { return h.entry == int(record.entry); });
        if (it == hits.end()) {
            hits.append(FormHit{int(record.entry), {a}, {}});
        } else if (!it->analyses.contains(a)) {
            it->analyses.append(a);
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const FormHit &l, const FormHit &r) { return l.entry < r.entry; });
    return hits;
}

QList<FormHit> FormIndex::analyse(QStringView word) const
{
    const std::string key = foldWord(word);
    if (key.empty())
        return {};
    QList<FormHit> hits = hitsOf(key);
    if (!hits.isEmpty())
        return hits;
    const std::string_view k(key);
    // mecum, tecum, secum, nobiscum, vobiscum, quocum, quacum, quibuscum.
    if (k.size() > 3 && k.substr(k.size() - 3) == "cum") {
        const std::string_view host = k.substr(0, k.size() - 3);
        for (std::string_view pronoun : {"me", "te", "se", "nobis", "uobis", "quo", "qua", "quibus"}) {
            if (host != pronoun)
                continue;
            for (FormHit hit : hitsOf(host)) {
                hit.analyses.removeIf([](const Analysis &a) { return a.grammaticalCase != Abl; });
                if (!hit.analyses.isEmpty())
                    hits.append(hit);
            }
            if (!hits.isEmpty() && m_cumEntry)
                hits.append(FormHit{m_cumEntry, {Analysis::uninflected()}, {}});
            return hits;
        }
    }
    for (auto [enclitic, entry] : {std::pair{std::string_view("que"), m_queEntry},
                                   {std::string_view("ne"), m_neEntry},
                                   {std::string_view("ue"), m_veEntry}}) {
        if (k.size() < enclitic.size() + 2 || k.substr(k.size() - enclitic.size()) != enclitic)
            continue;
        hits = hitsOf(k.substr(0, k.size() - enclitic.size()));
        if (hits.isEmpty())
            continue;
        const QString name =
            enclitic == "ue" ? u"ve"_s : QString::fromLatin1(enclitic.data(), qsizetype(enclitic.size()));
        for (FormHit &hit : hits)
            hit.enclitic = name;
        if (entry)
            hits.append(FormHit{entry, {Analysis::uninflected()}, {}});
        return hits;
    }
    return {};
}

QList<int> FormIndex::entriesWith(Inflection inflection) const
{
    QList<int> list;
    for (int n = 1; n <= entryCount(); ++n)
        if (m_entries[size_t(n - 1)].paradigm.inflection == inflection)
            list << n;
    return list;
}

qsizetype FormIndex::memoryBytes() const
{
    return qsizetype(m_slots.capacity() * sizeof(Slot) + m_records.capacity() * sizeof(Record) +
                     m_keys.capacity());
}

} // namespace Forms
