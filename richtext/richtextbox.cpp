// The rich-text display control: file loading and saving on top of QTextEdit and the RTF reader.
#include "richtext/richtextbox.h"

#include "common/linefile.h"
#include "common/plainfile.h"
#include "richtext/picturenote.h"
#include "richtext/rtfreader.h"
#include "richtext/rtftablefit.h"

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
        return false;
    }
    return loadRtf(*bytes);
}

bool RichTextBox::loadRtf(const QByteArray &bytes)
{
    if (!Rtf::read(bytes, document())) {
        clear();
        return false;
    }
    fitTables();
    moveCursor(QTextCursor::Start);
    return true;
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    fitTables();
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
        return false;
    }
    // CR LF, a lone CR and a lone LF each end a line; the control shows the lines, so a final
    // line break adds no empty line at the end.
    const QStringList lines = LineFile::splitLines(*bytes, LineFile::Breaks::AnyBreak);
    setPlainText(lines.join(QLatin1Char('\n')));
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
