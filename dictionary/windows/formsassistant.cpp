// The Latin forms beside the lookup.
#include "dictionary/windows/formsassistant.h"

#include "common/ui/controls.h"
#include "dictionary/appearance/appearance.h"
#include "dictionary/forms/formhints.h"
#include "dictionary/windows/frmformen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QThread>

using namespace Qt::StringLiterals;

namespace Zembrota {

FormsAssistant::FormsAssistant(const WordTable &words, Appearance &appearance, QWidget *client,
                               QObject *parent)
    : QObject(parent), m_words(words), m_appearance(appearance)
{
    // Right of "Deutsche Bedeutungen:", between the last addition field and the first meaning
    // field: the one free place of the left column.
    m_lblFormen = Controls::label(client, u"lblFormen"_s, QRect(176, 339, 313, 37), QString(),
                                  u"Klicken sie auf ein Stichwort, um es nachzuschlagen."_s,
                                  Controls::Look(Controls::font(u"Arial"_s, 8), QColor(0, 0, 128)));
    m_lblFormen->setTextFormat(Qt::RichText);
    m_lblFormen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblFormen->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_lblFormen->setFocusPolicy(Qt::TabFocus);
    m_lblFormen->hide();
    connect(m_lblFormen, &QLabel::linkActivated, this, &FormsAssistant::followLink);
    m_lblFormen->installEventFilter(this);
}

// Enter on the hint follows the link the keyboard chose, or the first line when none is chosen.
bool FormsAssistant::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lblFormen && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !m_lblFormen->hasSelectedText() &&
            !m_lineHeads.isEmpty()) {
            emit lookUpRequested(m_lineHeads.first());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

FormsAssistant::~FormsAssistant()
{
    if (m_builder) {
        m_builder->wait();
        delete m_builder;
    }
}

void FormsAssistant::buildIndex()
{
    if (m_builder)
        return;
    // The word table is not changed while the program runs; the thread only reads it.
    m_builder = QThread::create([this] { m_index.build(m_words); });
    connect(m_builder, &QThread::finished, this, [this] {
        m_ready = true;
        showHints();
    });
    m_builder->start(QThread::LowPriority);
}

void FormsAssistant::waitForIndex()
{
    buildIndex();
    m_builder->wait();
    if (!m_ready) {
        m_ready = true;
        showHints();
    }
}

void FormsAssistant::afterLookup(const QString &word, int shownEntry)
{
    m_lastWord = word;
    m_lastEntry = shownEntry;
    showHints();
    if (m_formen && shownEntry) {
        const Forms::FormIndex::EntryInfo &e = m_index.entry(shownEntry);
        if (m_ready)
            m_formen->showEntry(e.head, e.additions);
    }
}

void FormsAssistant::showHints()
{
    m_lineHeads.clear();
    const QList<Forms::FormHintLine> lines =
        m_ready ? Forms::formHints(m_index, m_lastWord, m_lastEntry) : QList<Forms::FormHintLine>();
    QStringList html;
    QStringList plain;
    for (const Forms::FormHintLine &line : lines) {
        if (!line.entry) {
            html.last() += u" …"_s;
            plain.last() += u" …"_s;
            continue;
        }
        m_lineHeads << line.head;
        html << u"<a href=\"%1\" style=\"color:#000080\">%2</a>"_s.arg(m_lineHeads.size() - 1)
                    .arg(line.richText);
        plain << line.text;
    }
    m_lblFormen->setText(html.join(u"<br>"_s));
    m_lblFormen->setToolTip(plain.isEmpty() ? QString() : plain.join(u'\n'));
    m_lblFormen->setVisible(!lines.isEmpty());
    if (m_formen && m_ready && m_lastEntry) {
        const Forms::FormIndex::EntryInfo &e = m_index.entry(m_lastEntry);
        m_formen->showEntry(e.head, e.additions);
    }
}

void FormsAssistant::followLink(const QString &link)
{
    bool ok = false;
    const int line = link.toInt(&ok);
    if (ok && line >= 0 && line < m_lineHeads.size())
        emit lookUpRequested(m_lineHeads[line]);
}

frmFormen *FormsAssistant::formsWindow()
{
    if (!m_formen) {
        m_formen = std::make_unique<frmFormen>();
        ColourScheme &scheme = m_appearance.scheme();
        ColourScheme::paint(m_formen.get(), scheme.current());
        connect(&scheme, &ColourScheme::painted, m_formen.get(),
                [w = m_formen.get()](const Background &h) { ColourScheme::paint(w, h); });
        if (m_ready && m_lastEntry) {
            const Forms::FormIndex::EntryInfo &e = m_index.entry(m_lastEntry);
            m_formen->showEntry(e.head, e.additions);
        }
    }
    return m_formen.get();
}

void FormsAssistant::showFormsWindow()
{
    if (!m_ready)
        waitForIndex();
    frmFormen *w = formsWindow();
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace Zembrota
