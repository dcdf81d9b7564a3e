// The about window with its link labels and F1 help.
#include "dictionary/appearance/frminfo.h"

#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/version.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/controls.h"
#include "dictionary/appearance/linklabel.h"
#include "dictionary/appearance/maker.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

using Controls::place;

FrmInfo::FrmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Glossand: Info"));
    setFixedSize(440, 470);
    ColourScheme::paint(this, Hintergrund::systemfarbe());

    auto *product =
        place<QLabel>(this, QStringLiteral("lblProductName"), {16, 8, 408, 44}, QStringLiteral("Glossand"));
    QFont productFont(QStringLiteral("Arial"));
    productFont.setPointSizeF(24);
    productFont.setBold(true);
    product->setFont(productFont);
    product->setAlignment(Qt::AlignCenter);
    m_lbl[0] = place<QLabel>(this, QStringLiteral("lbl0"), {16, 54, 408, 17}, QStringLiteral("Version "));
    m_lbl[0]->setAlignment(Qt::AlignCenter);
    auto *von = place<QLabel>(this, QStringLiteral("lblvon"), {16, 74, 408, 17}, QStringLiteral("von"));
    von->setAlignment(Qt::AlignCenter);
    auto *maker = place<QLabel>(this, QStringLiteral("lblHersteller"), {16, 92, 408, 26}, Maker::name());
    QFont makerFont(QStringLiteral("Arial"));
    makerFont.setPointSizeF(13);
    makerFont.setBold(true);
    makerFont.setItalic(true);
    maker->setFont(makerFont);
    maker->setAlignment(Qt::AlignCenter);

    auto *frame = place<QGroupBox>(this, QStringLiteral("Frame1"), {8, 124, 424, 298});
    auto *web = new LinkLabel(Maker::webAddress(), frame);
    auto *mail = new LinkLabel(Maker::mailAddress(), frame);
    m_lbl[1] = web;
    m_lbl[2] = mail;
    web->setObjectName(QStringLiteral("lbl1"));
    web->setGeometry(12, 12, 400, 17);
    web->setToolTip(QStringLiteral("Klicken sie hier, um meine Homepage zu besuchen."));
    mail->setObjectName(QStringLiteral("lbl2"));
    mail->setGeometry(12, 32, 400, 17);
    mail->setToolTip(QStringLiteral("Klicken sie hier, um mir eine E-Mail zu schreiben."));
    web->setCursor(linkCursor());

    const struct
    {
        QRect rect;
        QString text;
    } texts[] = {
        {{12, 60, 400, 17}, QStringLiteral("Oder schreiben sie mir:")},
        {{28, 78, 384, 17}, Maker::name()},
        {{28, 96, 384, 17}, Maker::street()},
        {{28, 114, 384, 17}, Maker::city()},
        {{12, 140, 400, 17}, QStringLiteral("Ich freue mich auf ihre Kommentare und Anregungen.")},
        {{12, 162, 400, 48},
         QStringLiteral("Ich habe mich sehr bemüht, jegliche Rechtschreibfehler zu vermeiden. Sollten sie "
                        "jedoch dennoch einen entdecken, machen sie mich darauf aufmerksam und ich werde ihn "
                        "im Programm verbessern.")},
        {{12, 214, 400, 32},
         QStringLiteral("Dieses Programm ist Freeware. Sie dürfen es gerne an Freunde und Bekannte "
                        "weitergeben, solange niemand etwas daran verändert.")},
        {{12, 250, 400, 44},
         QStringLiteral("Alle genannten Produkt- und Firmennamen sind Warenzeichen ihrer jeweiligen Inhaber. "
                        "Der Autor haftet nicht für Schäden, die durch die Benutzung dieses Programms "
                        "entstehen.")},
    };
    for (int i = 3; i < labelCount; ++i) {
        m_lbl[i] = place<QLabel>(frame, QStringLiteral("lbl%1").arg(i), texts[i - 3].rect, texts[i - 3].text);
        m_lbl[i]->setWordWrap(true);
    }

    cmdOK = place<QPushButton>(this, QStringLiteral("cmdOK"), {170, 432, 100, 27}, QStringLiteral("OK"),
                               QStringLiteral("Klicken sie hier, um zum Hauptmenü zurückzukehren."));
    cmdOK->setDefault(true);
    m_icon = new IconAnimation(this);

    // Creation, once: the mail link takes the web link's pointer, the version is appended.
    mail->setCursor(web->cursor());
    m_lbl[0]->setText(m_lbl[0]->text() + QString::number(Version::dictionaryMajor) + QLatin1Char('.') +
                      QString::number(Version::dictionaryMinor));

    // The desktop handler's result is not looked at: a failed link reports nothing.
    connect(web, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(webUrl()); });
    connect(mail, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(mailUrl()); });
    connect(cmdOK, &QPushButton::clicked, this, &FrmInfo::hide);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this,
            [this] { HelpLaunch::showHelp(this, QStringLiteral("zembrota.vry"), QStringLiteral("Info")); });
}

QUrl FrmInfo::webUrl()
{
    return QUrl(Maker::webAddress());
}

QUrl FrmInfo::mailUrl()
{
    return QUrl(QStringLiteral("mailto:%1?Subject=Glossand v%2.%3")
                    .arg(Maker::mailAddress())
                    .arg(Version::dictionaryMajor)
                    .arg(Version::dictionaryMinor));
}

void FrmInfo::showModal()
{
    // A window shown without modality becomes modal only when it is shown afresh.
    if (isVisible())
        hide();
    exec();
}

void FrmInfo::reject()
{
    hide();
}

void FrmInfo::accept()
{
    hide();
}

void FrmInfo::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}
