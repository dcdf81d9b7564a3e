// The about window with its link labels and F1 help.
#include "dictionary/appearance/frminfo.h"

#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/linklabel.h"
#include "common/ui/maker.h"
#include "common/version.h"
#include "dictionary/appearance/colourscheme.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace Zembrota {

frmInfo::frmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Glossand: Info"));
    ColourScheme::paint(this, Background::systemfarbe());

    // The notices wrap, so the window takes its height from its contents and the font.
    auto label = [](QWidget *parent, const QString &name, const QString &text) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(name);
        l->setWordWrap(true);
        return l;
    };
    auto *product = label(this, QStringLiteral("lblProductName"), QStringLiteral("Glossand"));
    QFont productFont(QStringLiteral("Arial"));
    productFont.setPointSizeF(24);
    productFont.setBold(true);
    product->setFont(productFont);
    m_lbl[0] = label(this, QStringLiteral("lbl0"), QStringLiteral("Version "));
    auto *von = label(this, QStringLiteral("lblvon"), QStringLiteral("von"));
    auto *maker = label(this, QStringLiteral("lblHersteller"), Maker::name());
    QFont makerFont(QStringLiteral("Arial"));
    makerFont.setPointSizeF(13);
    makerFont.setBold(true);
    makerFont.setItalic(true);
    maker->setFont(makerFont);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *web = new LinkLabel(Maker::webAddress(), frame);
    auto *mail = new LinkLabel(Maker::mailAddress(), frame);
    m_lbl[1] = web;
    m_lbl[2] = mail;
    web->setObjectName(QStringLiteral("lbl1"));
    web->setToolTip(QStringLiteral("Klicken sie hier, um meine Homepage zu besuchen."));
    mail->setObjectName(QStringLiteral("lbl2"));
    mail->setToolTip(QStringLiteral("Klicken sie hier, um mir eine E-Mail zu schreiben."));
    web->setCursor(linkCursor());
    const QString texts[] = {
        QStringLiteral("Oder schreiben sie mir:"),
        Maker::name(),
        Maker::street(),
        Maker::city(),
        QStringLiteral("Ich freue mich auf ihre Kommentare und Anregungen."),
        QStringLiteral("Ich habe mich sehr bemüht, jegliche Rechtschreibfehler zu vermeiden. Sollten sie "
                       "jedoch dennoch einen entdecken, machen sie mich darauf aufmerksam und ich werde ihn "
                       "im Programm verbessern."),
        QStringLiteral("Dieses Programm ist Freeware und freie Software. Sie dürfen es gerne an Freunde und "
                       "Bekannte weitergeben und auch verändern, nach den Bedingungen der GNU General Public "
                       "License, Version 3 oder später."),
        QStringLiteral("Alle genannten Produkt- und Firmennamen sind Warenzeichen ihrer jeweiligen Inhaber. "
                       "Der Autor haftet nicht für Schäden, die durch die Benutzung dieses Programms "
                       "entstehen."),
    };
    for (int i = 3; i < labelCount; ++i)
        m_lbl[i] = label(frame, QStringLiteral("lbl%1").arg(i), texts[i - 3]);

    auto *frameLayout = new QVBoxLayout(frame);
    // A link counts only over its text, not across the whole row.
    frameLayout->addWidget(web, 0, Qt::AlignLeft);
    frameLayout->addWidget(mail, 0, Qt::AlignLeft);
    frameLayout->addSpacing(8);
    frameLayout->addWidget(m_lbl[3]);
    auto *address = new QVBoxLayout;
    address->setContentsMargins(16, 0, 0, 0);
    address->setSpacing(0);
    for (int i = 4; i <= 6; ++i)
        address->addWidget(m_lbl[i]);
    frameLayout->addLayout(address);
    frameLayout->addSpacing(8);
    for (int i = 7; i < labelCount; ++i)
        frameLayout->addWidget(m_lbl[i]);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setToolTip(QStringLiteral("Klicken sie hier, um zum Hauptmenü zurückzukehren."));
    m_cmdOK->setMinimumWidth(100);
    m_cmdOK->setDefault(true);
    // The window opens with the default button focused, not the first link: Enter still closes it.
    m_cmdOK->setFocus();

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(2);
    for (QLabel *heading : {product, m_lbl[0], von, maker}) {
        heading->setAlignment(Qt::AlignCenter);
        layout->addWidget(heading);
    }
    layout->addSpacing(8);
    layout->addWidget(frame);
    layout->addSpacing(8);
    layout->addWidget(m_cmdOK, 0, Qt::AlignHCenter);
    frame->setFixedWidth(424);
    m_icon = new IconAnimation(this);

    // Creation, once: the mail link takes the web link's pointer, the version is appended.
    mail->setCursor(web->cursor());
    m_lbl[0]->setText(m_lbl[0]->text() + QString::number(Version::dictionaryMajor) + QLatin1Char('.') +
                      QString::number(Version::dictionaryMinor));

    // The desktop handler's result is not looked at: a failed link reports nothing.
    connect(web, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(webUrl()); });
    connect(mail, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(mailUrl()); });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmInfo::hide);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this,
            [this] { HelpLaunch::showHelp(this, QStringLiteral("zembrota.vry"), QStringLiteral("Info")); });
}

QUrl frmInfo::webUrl()
{
    return QUrl(Maker::webAddress());
}

QUrl frmInfo::mailUrl()
{
    return QUrl(QStringLiteral("mailto:%1?Subject=Glossand v%2.%3")
                    .arg(Maker::mailAddress())
                    .arg(Version::dictionaryMajor)
                    .arg(Version::dictionaryMinor));
}

void frmInfo::showModal()
{
    // A window shown without modality becomes modal only when it is shown afresh.
    if (isVisible())
        hide();
    exec();
}

void frmInfo::reject()
{
    hide();
}

void frmInfo::accept()
{
    hide();
}

void frmInfo::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

} // namespace Zembrota
