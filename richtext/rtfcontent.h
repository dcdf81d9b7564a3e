// Content on its way into the document: the writer's interface and a recording of it, replayed
// later for table cells (a table is built once its size is known) and for notes.
#pragma once

#include "richtext/rtfstate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Rtf {

struct Table;

// Recordings keep a state once for a row of items in the same state: the index of `state`, which
// is added unless it is the last one kept.
template <typename State> int lastOrAdded(std::vector<State> &states, const State &state)
{
    if (states.empty() || !(states.back() == state))
        states.push_back(state);
    return int(states.size()) - 1;
}

struct Picture
{
    QByteArray data; // PNG, JPEG or BMP bytes, decoded only when the picture is painted
    QString format;  // the image format of data; empty: a frame with the note stands in for it
    QString note;
    double width = 0; // in pixels
    double height = 0;
};

// Where content goes: into the document at a cursor, or into a recording.
class Sink
{
public:
    virtual ~Sink() = default;
    virtual void text(QStringView text, const CharState &chars) = 0;
    // Ends the paragraph in this format.
    virtual void paragraph(const CharState &chars, const ParaState &para) = 0;
    virtual void picture(const Picture &picture, const CharState &chars) = 0;
    // A bookmark: the text that follows carries the name.
    virtual void anchorName(const QString &name) = 0;
    virtual void table(std::unique_ptr<Table> table) = 0;
};

// The document's body, which also takes text whose paragraph state is known, the line above the
// notes, the end of the document and the tab width.
class BodySink : public Sink
{
public:
    using Sink::text;
    // Text whose paragraph state is known already: a paragraph it starts takes that state's format
    // at once, and its end then rarely has to change it.
    virtual void text(QStringView text, const CharState &chars, const ParaState &para) = 0;
    // A paragraph with a short line, above the notes.
    virtual void separatorLine() = 0;
    virtual bool paragraphPending() const = 0;
    // Ends the last paragraph; a final paragraph mark adds no empty paragraph.
    virtual void finish(const CharState &chars, const ParaState &para) = 0;
    virtual void defaultTab(int twips) = 0;
    // Text that stays where it is until endOfLoan(): the body may keep it without a copy.
    virtual void lentText(QStringView text, const CharState &chars) { this->text(text, chars); }
    virtual void lentText(QStringView text, const CharState &chars, const ParaState &para)
    {
        this->text(text, chars, para);
    }
    virtual void endOfLoan() {}
};

class Content final : public Sink
{
public:
    Content();
    ~Content() override;
    Content(Content &&) noexcept;
    Content &operator=(Content &&) noexcept;

    void text(QStringView text, const CharState &chars) override;
    void paragraph(const CharState &chars, const ParaState &para) override;
    void picture(const Picture &picture, const CharState &chars) override;
    void anchorName(const QString &name) override;
    void table(std::unique_ptr<Table> table) override;
    // The number of the note being recorded; its text is known when the note ends.
    void noteNumber(const CharState &chars);

    bool isEmpty() const { return m_items.empty(); }
    bool endsWithParagraph() const { return !m_items.empty() && m_items.back().kind == Kind::Paragraph; }
    bool hasNoteNumber() const { return m_hasNoteNumber; }
    // Plays the content into the sink, once (its tables move there); a note number becomes the
    // label with the anchor name.
    void replay(Sink &sink, const QString &noteLabel = QString(), const QString &noteAnchor = QString());

private:
    enum class Kind : std::uint8_t { Text, Paragraph, Picture, AnchorName, NoteNumber, Table };
    struct Item
    {
        Kind kind;
        int index;  // into m_text, m_pictures, m_names or m_tables
        int length; // of the text
        int chars;  // into m_chars
        int para;   // into m_paras
    };
    int charsIndex(const CharState &chars);

    QString m_text;
    std::vector<Item> m_items;
    std::vector<CharState> m_chars;
    std::vector<ParaState> m_paras;
    std::vector<Picture> m_pictures;
    QStringList m_names;
    std::vector<std::unique_ptr<Table>> m_tables;
    bool m_hasNoteNumber = false;
};

} // namespace Rtf
