// The opening window shown at program start.
#include "dictionary/windows/frmeroeffnung.h"

#include "common/ui/controls.h"
#include "common/ui/maker.h"
#include "common/version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;
using namespace Controls;

namespace Zembrota {

frmEroeffnung::frmEroeffnung(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"frmEröffnung"_s);
    setWindowTitle(u"Glossand"_s);
    setFixedSize(488, 211);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(palette);

    QFrame *fra = frame(this, u"Frame1"_s, {8, 0, 472, 203});
    fra->setFrameShape(QFrame::Box);
    fra->setFrameShadow(QFrame::Sunken);

    QLabel *product = label(fra, u"lblProductName"_s, {34, 40, 404, 51}, u"Glossand"_s, {},
                            {Controls::font(u"Arial"_s, 32.25, true), QColor(255, 255, 0)});
    product->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblVersion = label(fra, u"lblVersion"_s, {200, 88, 65, 17}, u"Version "_s);
    m_lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel *von = label(fra, u"lblvon"_s, {216, 104, 33, 25}, u"von"_s, {},
                        {Controls::font(u"MS Sans Serif"_s, 12, true), QColor(0, 0, 128)});
    von->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel *maker = label(fra, u"lblHersteller"_s, {112, 136, 241, 33}, Maker::name(), {},
                          {Controls::font(u"Arial"_s, 18, true, true), QColor(0, 255, 0)});
    maker->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    setFocusPolicy(Qt::StrongFocus);
    // In the middle of the screen, as a start-up window stands.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmEroeffnung::Form_Load()
{
    m_lblVersion->setText(m_lblVersion->text() + QString::number(Version::dictionaryMajor) + u'.' +
                          QString::number(Version::dictionaryMinor));
}

void frmEroeffnung::keyPressEvent(QKeyEvent *event)
{
    // Only a key that produces a character starts the program (Enter and Escape do; function
    // keys, arrows and Shift alone do not). The key itself is not used.
    if (m_started || event->text().isEmpty())
        return;
    m_started = true;
    Q_EMIT StartUpRequested();
}

void frmEroeffnung::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_started)
        Q_EMIT ClosedWithoutStart();
}

} // namespace Zembrota
