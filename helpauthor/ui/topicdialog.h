// The two add-topic dialogs: a name, the topic's content and whether it is listed in the contents
// and index. Both validate in the same order and hand the new topic to the main window.
#pragma once

#include "helpauthor/helpproject.h"
#include "helpauthor/topicvalidation.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Quorant {

// Adds the topic to the project; false when that failed (the main window has said why), and the
// dialog then stays open with the author's input.
using TopicAdder = std::function<bool(const HelpProject::NewTopic &topic)>;

class TopicDialog : public QDialog
{
    Q_OBJECT
public:
    void cmdThemahinzufuegen_Click();

protected:
    TopicDialog(const QString &name, const QString &caption, TopicAdder adder, QWidget *parent);
    // The controls every add-topic dialog has, placed by the dialog; the content controls between
    // them are the dialog's own.
    void addNameControls(int top);
    void addBottomControls(int top);

    virtual TopicValidation::Problem check() const = 0;
    virtual QStringList body() const = 0;
    // The title of the "no name" warning differs between the two dialogs.
    virtual QString noNameTitle() const = 0;
    virtual QWidget *focusFor(TopicValidation::Problem problem) const;

    QLineEdit *m_textName = nullptr;
    QCheckBox *m_check = nullptr;

private:
    TopicAdder m_adder;
};

// frmRTFThema: a topic whose text is an RTF file.
class frmRTFThema : public TopicDialog
{
    Q_OBJECT
public:
    frmRTFThema(TopicAdder adder, QWidget *parent = nullptr);

    void cmdRTFDateiwaehlen_Click();

protected:
    TopicValidation::Problem check() const override;
    QStringList body() const override;
    QString noNameTitle() const override;
    QWidget *focusFor(TopicValidation::Problem problem) const override;

private:
    QLineEdit *m_textRTFDatei;
    QPushButton *m_cmdRTFDateiwaehlen;
};

// frmTXTThema: a topic whose text is typed in.
class frmTXTThema : public TopicDialog
{
    Q_OBJECT
public:
    frmTXTThema(TopicAdder adder, QWidget *parent = nullptr);

protected:
    TopicValidation::Problem check() const override;
    QStringList body() const override;
    QString noNameTitle() const override;
    QWidget *focusFor(TopicValidation::Problem problem) const override;

private:
    QPlainTextEdit *m_textThema;
};

} // namespace Quorant
