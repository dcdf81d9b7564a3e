// The rich-text display control: shows an RTF file like a word processor would, or plain text.
#pragma once

#include <QString>
#include <QTextBrowser>

class QByteArray;

class RichTextBox : public QTextBrowser
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Files are read up to this size, and only plain files (a named pipe or a device is unreadable).
    static constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

    // False when the file cannot be read or holds no RTF document; the content is then empty.
    bool loadRtfFile(const QString &path);
    // The same for the bytes of an RTF document.
    bool loadRtf(const QByteArray &bytes);
    // Windows-1252 text; CR LF, a lone CR and a lone LF each end a line. False if unreadable
    // (the content is then empty).
    bool loadPlainFile(const QString &path);

    QString plainText() const;
    using QTextEdit::setPlainText;
    QString selectedText() const;

Q_SIGNALS:
    // A link was clicked or chosen with Tab and Enter; the target as the document names it
    // ("https://…", "#bookmark", "Topic name").
    void linkActivated(const QString &target);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitTables();
    void placeScrollBarAhead();

    bool m_laidOut = false;  // the control has had its first layout
    bool m_barAhead = false; // the vertical scroll bar was put in place before that layout
};
