// The rich-text display control: shows an RTF file like a word processor would, or plain text.
#pragma once

#include <QString>
#include <QTextEdit>

class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // False when the file cannot be read or holds no RTF document; the content is then empty.
    bool loadRtfFile(const QString &path);
    // Windows-1252 text; CR LF, a lone CR and a lone LF each end a line. False if unreadable
    // (the content is then empty).
    bool loadPlainFile(const QString &path);
    // Writes each line of the text as Windows-1252 followed by CR LF, through QSaveFile; false on
    // failure, and the old file stays as it was.
    bool savePlainFile(const QString &path);

    QString plainText() const;
    using QTextEdit::setPlainText;
    QString selectedText() const;
};
