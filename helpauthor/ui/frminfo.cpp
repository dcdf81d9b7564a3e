// The about window: version line, maker, address, the web and mail links in their press colours.
#include "helpauthor/ui/frminfo.h"

#include "common/ui/controls.h"
#include "common/ui/linklabel.h"
#include "common/ui/maker.h"
#include "common/version.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Quorant {

using Controls::place;

namespace {
QString versionText()
{
    return u"%1.%2"_s.arg(Version::helpMajor).arg(Version::helpMinor);
}

// The window's picture: a closed book with a question mark, painted once.
QPixmap bookPicture()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::black);
    painter.drawRoundedRect(10, 6, 44, 52, 4, 4);
    painter.setBrush(QColor(255, 255, 224));
    painter.drawRect(14, 10, 36, 44);
    painter.setPen(QColor(0, 0, 128));
    QFont font = painter.font();
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(14, 10, 36, 44), Qt::AlignCenter, u"?"_s);
    return pixmap;
}
} // namespace

frmInfo::frmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmInfo"_s);
    setWindowTitle(u"Info"_s);
    setFixedSize(400, 330);

    auto *picture = place<QLabel>(this, u"Picture1"_s, {16, 16, 64, 64});
    picture->setPixmap(bookPicture());
    auto *title = place<QLabel>(this, u"Label1"_s, {96, 16, 290, 24}, u"Windows Hilfesystem Editor v"_s);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    title->setFont(titleFont);
    title->setText(title->text() + versionText());
    place<QLabel>(this, u"Label2"_s, {96, 46, 290, 20}, u"von"_s);
    place<QLabel>(this, u"lblName"_s, {96, 66, 290, 20}, Maker::name());

    m_links[1] = place<LinkLabel>(this, u"lbl1"_s, {16, 100, 368, 20}, Maker::webAddress());
    m_links[2] = place<LinkLabel>(this, u"lbl2"_s, {16, 122, 368, 20}, Maker::mailAddress());
    for (int index : {1, 2}) {
        LinkLabel *label = m_links[index];
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        connect(label, &LinkLabel::clicked, this, [this, index] { lbl_Click(index); });
    }
    // The mail link takes the web link's pointer when the window opens.
    m_links[1]->setCursor(Qt::PointingHandCursor);
    m_links[2]->setCursor(m_links[1]->cursor());

    place<QLabel>(this, u"lblSchreiben"_s, {16, 154, 368, 20}, u"Oder schreiben sie mir:"_s);
    place<QLabel>(this, u"lblAdresse0"_s, {32, 176, 352, 20}, Maker::name());
    place<QLabel>(this, u"lblAdresse1"_s, {32, 196, 352, 20}, Maker::street());
    place<QLabel>(this, u"lblAdresse2"_s, {32, 216, 352, 20}, Maker::city());
    auto *closing = place<QLabel>(this, u"lblKommentare"_s, {16, 246, 368, 36},
                                  u"Ich freue mich auf ihre Kommentare und Anregungen."_s);
    closing->setWordWrap(true);

    auto *ok = place<QPushButton>(this, u"cmdOK"_s, {150, 290, 100, 28}, u"OK"_s);
    ok->setDefault(true);
    // The window opens with the default button focused, not the first link: Enter still closes it.
    ok->setFocus();
    // OK is the default button (Enter) and Escape closes the window as its cancel button.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl frmInfo::webPage()
{
    return QUrl(Maker::webAddress());
}

QUrl frmInfo::mailLink()
{
    return QUrl(u"mailto:%1?Subject=Quorant v%2"_s.arg(Maker::mailAddress(), versionText()));
}

QLabel *frmInfo::link(int index) const
{
    return (index == 1 || index == 2) ? m_links[index] : nullptr;
}

void frmInfo::lbl_Click(int index)
{
    QDesktopServices::openUrl(index == 1 ? webPage() : mailLink());
}

} // namespace Quorant
