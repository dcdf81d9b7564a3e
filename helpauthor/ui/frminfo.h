// frmInfo: the authoring program's about window, with the maker's address and two links.
#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class LinkLabel;

namespace Quorant {

class frmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit frmInfo(QWidget *parent = nullptr);

    static QUrl webPage();
    // A mail link whose subject is "Quorant v" and the version.
    static QUrl mailLink();

    QLabel *link(int index) const;

private:
    void lbl_Click(int index);

    LinkLabel *m_links[3] = {nullptr, nullptr, nullptr}; // elements 1 and 2 are the links
};

} // namespace Quorant
