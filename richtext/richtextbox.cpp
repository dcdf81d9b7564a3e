// The rich-text display control: file loading and saving on top of QTextEdit and the RTF reader.
#include "richtext/richtextbox.h"

#include "common/linefile.h"
#include "richtext/rtfreader.h"

#include <QFile>
#include <QTextCursor>

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
}

bool RichTextBox::loadRtfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!Rtf::read(bytes, document())) {
        clear();
        return false;
    }
    moveCursor(QTextCursor::Start);
    return true;
}

bool RichTextBox::loadPlainFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        return false;
    }
    const QStringList lines = LineFile::splitLines(file.readAll(), LineFile::Breaks::AnyBreak);
    setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

bool RichTextBox::savePlainFile(const QString &path)
{
    const QString text = plainText();
    // Each line of the control, followed by CR LF; an empty control writes an empty file.
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    return !LineFile::writeLines(path, lines).has_value();
}

QString RichTextBox::plainText() const
{
    return toPlainText();
}

QString RichTextBox::selectedText() const
{
    // QTextCursor::selectedText() marks paragraph ends with U+2029; callers want plain line breaks.
    QString text = textCursor().selectedText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return text;
}
