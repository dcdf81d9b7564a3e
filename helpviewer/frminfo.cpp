// The about window, built at fixed positions.
#include "helpviewer/frminfo.h"

#include "common/ui/busycursor.h"
#include "common/ui/controls.h"
#include "common/ui/linklabel.h"
#include "common/ui/maker.h"
#include "common/version.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QUrlQuery>

using namespace Qt::StringLiterals;
using Controls::place;

namespace Tessavor {

QString frmInfo::versionText()
{
    return QString::number(Version::helpMajor) + u'.' + QString::number(Version::helpMinor);
}

QUrl frmInfo::webUrl()
{
    return QUrl(Maker::webAddress());
}

QUrl frmInfo::mailUrl()
{
    QUrl url(u"mailto:"_s + Maker::mailAddress());
    QUrlQuery query;
    query.addQueryItem(u"subject"_s, u"Tessavor v"_s + versionText());
    url.setQuery(query);
    return url;
}

frmInfo::frmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmInfo"_s);
    setWindowTitle(u"Info"_s);
    setFixedSize(372, 300);

    auto *picture = place<QLabel>(this, u"Image1"_s, {16, 16, 48, 48});
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogHelpButton).pixmap(48, 48));

    // The version is appended when the window opens, to the label's own text.
    QLabel *label1 = place<QLabel>(this, u"Label1"_s, {80, 16, 280, 24}, u"Windows Hilfesystem v"_s);
    QFont titleFont = label1->font();
    titleFont.setPointSize(titleFont.pointSize() + 3);
    titleFont.setBold(true);
    label1->setFont(titleFont);
    label1->setText(label1->text() + versionText());

    place<QLabel>(this, u"Label2"_s, {80, 48, 40, 18}, u"von"_s);
    place<QLabel>(this, u"Label3"_s, {80, 66, 280, 18}, Maker::name());
    place<QLabel>(this, u"Label4"_s, {80, 92, 280, 18}, u"Oder schreiben sie mir:"_s);
    place<QLabel>(this, u"Label5"_s, {80, 110, 280, 18}, Maker::street());
    place<QLabel>(this, u"Label6"_s, {80, 128, 280, 18}, Maker::city());

    m_lbl1 = place<LinkLabel>(this, u"lbl1"_s, {80, 156, 280, 18}, Maker::webAddress());
    m_lbl1->setCursor(Qt::PointingHandCursor);
    m_lbl2 = place<LinkLabel>(this, u"lbl2"_s, {80, 176, 280, 18}, Maker::mailAddress());
    m_lbl2->setCursor(m_lbl1->cursor());

    QLabel *closing = place<QLabel>(this, u"Label7"_s, {16, 206, 344, 36},
                                    u"Ich freue mich auf ihre Kommentare und Anregungen."_s);
    closing->setWordWrap(true);

    auto *cmdVerwendung = place<QPushButton>(this, u"cmdVerwendung"_s, {148, 256, 100, 28}, u"Verwendung"_s);

    auto *cmdOK = place<QPushButton>(this, u"cmdOK"_s, {256, 256, 100, 28}, u"OK"_s);
    cmdOK->setDefault(true);
    // The window opens with the default button focused, not the first link: Enter still closes it.
    cmdOK->setFocus();

    connect(m_lbl1, &LinkLabel::clicked, this, [this] { lbl_Click(1); });
    connect(m_lbl2, &LinkLabel::clicked, this, [this] { lbl_Click(2); });
    connect(cmdVerwendung, &QPushButton::clicked, this, &frmInfo::cmdVerwendung_Click);
    // Escape rejects the dialog, which closes it like OK.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

void frmInfo::lbl_Click(int index)
{
    QDesktopServices::openUrl(index == 1 ? webUrl() : mailUrl());
}

void frmInfo::cmdVerwendung_Click()
{
    {
        BusyCursor busy;
        emit usageRequested();
    }
    close();
}

} // namespace Tessavor
