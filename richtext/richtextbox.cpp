// The rich-text display control: file loading and saving on top of QTextEdit and the RTF reader.
#include "richtext/richtextbox.h"

#include "common/linefile.h"
#include "common/plainfile.h"
#include "richtext/picturenote.h"
#include "richtext/rtfreader.h"
#include "richtext/rtftablefit.h"
#include "richtext/textheight.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTextCursor>

RichTextBox::RichTextBox(QWidget *parent) : QTextBrowser(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    // The control follows no link itself: its owner decides where a link leads.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // A browser keeps no undo history; as an editor the control does.
    setUndoRedoEnabled(true);
    // Like a word processor: a word too long for its line or table cell is not split.
    setWordWrapMode(QTextOption::WordWrap);
    PictureNote::registerWith(document());
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &url) { Q_EMIT linkActivated(url.toString()); });
}

bool RichTextBox::loadRtfFile(const QString &path)
{
    // Plain files only, and of bounded size: a named pipe would block, a device never end.
    QString reason;
    const std::optional<QByteArray> bytes = PlainFile::read(path, maxFileBytes, &reason);
    if (!bytes) {
        clear();
        placeScrollBarAhead();
        return false;
    }
    return loadRtf(*bytes);
}

bool RichTextBox::loadRtf(const QByteArray &bytes)
{
    if (!Rtf::read(bytes, document())) {
        clear();
        placeScrollBarAhead();
        return false;
    }
    fitTables();
    moveCursor(QTextCursor::Start);
    placeScrollBarAhead();
    return true;
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    fitTables();
    m_laidOut = true;
    if (m_barAhead) {
        // The text is taller than the area, so the bar stays, and the text keeps its layout.
        m_barAhead = false;
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

// Before the control's first layout, a text taller than the area at any width gets its vertical
// scroll bar at once: Qt would lay it out at the full width first, find it too tall, show the bar
// and lay all of it out (and shape all of its text) again at the narrower width. A text that may
// fit keeps Qt's own order. A caller that sets its own policy does so before loading.
void RichTextBox::placeScrollBarAhead()
{
    if (m_laidOut || (!m_barAhead && verticalScrollBarPolicy() != Qt::ScrollBarAsNeeded))
        return;
    const bool ahead = Rtf::tallerAtEveryWidth(document(), contentsRect().height());
    if (ahead == m_barAhead)
        return;
    m_barAhead = ahead;
    setVerticalScrollBarPolicy(ahead ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void RichTextBox::fitTables()
{
    Rtf::fitTablesToWidth(document(), viewport()->width() - 2 * document()->documentMargin());
}

bool RichTextBox::loadPlainFile(const QString &path)
{
    QString reason;
    const std::optional<QByteArray> bytes = PlainFile::read(path, maxFileBytes, &reason);
    if (!bytes) {
        clear();
        placeScrollBarAhead();
        return false;
    }
    // CR LF, a lone CR and a lone LF each end a line; the control shows the lines, so a final
    // line break adds no empty line at the end.
    const QStringList lines = LineFile::splitLines(*bytes, LineFile::Breaks::AnyBreak);
    setPlainText(lines.join(QLatin1Char('\n')));
    placeScrollBarAhead();
    return true;
}

namespace {

// The document's own separators (paragraphs, line breaks, table and frame edges) as line breaks;
// pictures do not show in plain text. No-break spaces stay as they are.
QString plainLines(QString text)
{
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // beginning of a frame
        case 0xFDD1: // end of a frame
            text[out++] = QLatin1Char('\n');
            break;
        case QChar::ObjectReplacementCharacter:
            break;
        default:
            text[out++] = QChar(c);
            break;
        }
    }
    text.truncate(out);
    return text;
}

} // namespace

QString RichTextBox::plainText() const
{
    // toPlainText() would turn no-break spaces into blanks and so change saved text.
    return plainLines(document()->toRawText());
}

QString RichTextBox::selectedText() const
{
    return plainLines(textCursor().selectedText());
}
