// frmInfo, the about window of the help programs: version, maker, web and mail links.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QPushButton;
class QLabel;
class LinkLabel;

class frmInfo : public QDialog
{
    Q_OBJECT
public:
    // What differs between the viewer's about window and the authoring program's.
    struct Variant
    {
        QString titlePrefix;   // Label1 before the version
        QString subjectPrefix; // the mail subject before the version
        bool usageButton = true;
    };
    static Variant viewerVariant();
    static Variant editorVariant();

    // The version as the window shows it: "2.4".
    static QString versionText();
    // The link targets; the mail link carries the subject.
    static QUrl webUrl();
    static QUrl mailUrl(const Variant &variant);

    explicit frmInfo(const Variant &variant, QWidget *parent = nullptr);

    // Test seam: replaces the desktop's opening of a link.
    using LinkOpener = bool (*)(const QUrl &url);
    static void setLinkOpener(LinkOpener opener);

Q_SIGNALS:
    // cmdVerwendung: the main window shows the usage window.
    void usageRequested();

private:
    void lbl_Click(int index);
    void cmdVerwendung_Click();

    Variant m_variant;
    LinkLabel *m_lbl1 = nullptr;
    LinkLabel *m_lbl2 = nullptr;
};
