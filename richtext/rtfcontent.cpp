// A recording of content: text in one string, items in order, states stored once in a row.
#include "richtext/rtfcontent.h"

#include "richtext/rtftable.h"

namespace Rtf {

Content::Content() = default;
Content::~Content() = default;
Content::Content(Content &&) noexcept = default;
Content &Content::operator=(Content &&) noexcept = default;

int Content::charsIndex(const CharState &chars)
{
    return lastOrAdded(m_chars, chars);
}

void Content::text(QStringView text, const CharState &chars)
{
    if (m_items.empty())
        m_items.reserve(4); // a cell's text and its paragraph end without a second allocation
    const int chr = charsIndex(chars);
    if (!m_items.empty() && m_items.back().kind == Kind::Text && m_items.back().chars == chr) {
        m_items.back().length += int(text.size());
    } else {
        m_items.push_back(Item{Kind::Text, int(m_text.size()), int(text.size()), chr, 0});
    }
    m_text.append(text);
}

void Content::paragraph(const CharState &chars, const ParaState &para)
{
    if (m_items.empty())
        m_items.reserve(4);
    const int paragraph = lastOrAdded(m_paras, para);
    m_items.push_back(Item{Kind::Paragraph, 0, 0, charsIndex(chars), paragraph});
}

void Content::picture(const Picture &picture, const CharState &chars)
{
    m_pictures.push_back(picture);
    m_items.push_back(Item{Kind::Picture, int(m_pictures.size()) - 1, 0, charsIndex(chars), 0});
}

void Content::anchorName(const QString &name)
{
    m_names.append(name);
    m_items.push_back(Item{Kind::AnchorName, int(m_names.size()) - 1, 0, 0, 0});
}

void Content::table(std::unique_ptr<Table> table)
{
    m_tables.push_back(std::move(table));
    m_items.push_back(Item{Kind::Table, int(m_tables.size()) - 1, 0, 0, 0});
}

void Content::noteNumber(const CharState &chars)
{
    m_hasNoteNumber = true;
    m_items.push_back(Item{Kind::NoteNumber, 0, 0, charsIndex(chars), 0});
}

void Content::replay(Sink &sink, const QString &noteLabel, const QString &noteAnchor)
{
    for (const Item &item : m_items) {
        switch (item.kind) {
        case Kind::Text:
            sink.text(QStringView(m_text).sliced(item.index, item.length), m_chars[item.chars]);
            break;
        case Kind::Paragraph:
            sink.paragraph(m_chars[item.chars], m_paras[item.para]);
            break;
        case Kind::Picture:
            sink.picture(m_pictures[item.index], m_chars[item.chars]);
            break;
        case Kind::AnchorName:
            sink.anchorName(m_names.at(item.index));
            break;
        case Kind::NoteNumber:
            if (!noteAnchor.isEmpty())
                sink.anchorName(noteAnchor);
            sink.text(noteLabel, m_chars[item.chars]);
            break;
        case Kind::Table:
            sink.table(std::move(m_tables[item.index]));
            break;
        }
    }
}

} // namespace Rtf
