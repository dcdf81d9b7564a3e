// frmVerwendung, the usage window: the terms of copying and the text of tessavor.txt.
#pragma once

#include <QDialog>
#include <QString>

class RichTextBox;

namespace Tessavor {

class frmVerwendung : public QDialog
{
    Q_OBJECT
public:
    static constexpr QLatin1StringView textFileName{"tessavor.txt"};

    explicit frmVerwendung(const QString &programDir, QWidget *parent = nullptr);

protected:
    // The text is read each time the window opens.
    void showEvent(QShowEvent *event) override;

private:
    QString m_programDir;
    RichTextBox *m_richTextBox = nullptr;
};

} // namespace Tessavor
