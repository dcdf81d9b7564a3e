// The status window: a borderless panel at the top right of the screen.
#include "dictionary/windows/frmanzeige.h"

#include "common/ui/controls.h"
#include "common/ui/helplaunch.h"
#include "dictionary/core/listfigures.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>

using namespace Qt::StringLiterals;
using namespace Controls;

namespace Zembrota {

namespace {

constexpr int clientWidth = 240;
constexpr int clientHeight = 436;
constexpr int statusBarHeight = 19;
// Captions stand at the left of each group, their values at this column.
constexpr int valueLeft = 120;

QPixmap clockPicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    p.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
    return pixmap;
}

QPixmap calendarPicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(255, 0, 0));
    p.setPen(QColor(128, 128, 128));
    for (int y = 8; y <= 12; y += 2) {
        for (int x = 3; x <= 12; x += 3)
            p.drawPoint(x, y);
    }
    return pixmap;
}

// The clock panel shows hours and minutes in the user's time format; a short format that has
// seconds (the C locale's) loses them.
QString hoursAndMinutes(QTime time, const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(u"[:.]ss?(\\.z+)?"_s));
    return locale.toString(time, format);
}

QGroupBox *group(QWidget *parent, const QString &name, const QRect &rect, const QString &caption)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(rect);
    return g;
}

// A caption and its value on one line; both carry the same tooltip unless the value has its own.
QLabel *figureRow(QWidget *parent, int top, const QString &captionName, const QString &caption,
                  const QString &valueName, const QString &value, const QString &toolTip,
                  const QString &valueToolTip = {}, int left = 8, int valueColumn = valueLeft)
{
    label(parent, captionName, {left, top, valueColumn - left, 17}, caption, toolTip);
    return label(parent, valueName, {valueColumn, top, parent->width() - valueColumn - 4, 17}, value,
                 valueToolTip.isEmpty() ? toolTip : valueToolTip);
}

QWidget *panel(QStatusBar *bar, const QString &name, const QPixmap &picture, const QString &toolTip,
               QLabel **text)
{
    auto *p = new QFrame(bar);
    p->setObjectName(name);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    p->setToolTip(toolTip);
    auto *layout = new QHBoxLayout(p);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    auto *icon = new QLabel(p);
    icon->setPixmap(picture);
    layout->addWidget(icon);
    *text = new QLabel(p);
    (*text)->setObjectName(name + u"Text"_s);
    layout->addWidget(*text, 1);
    return p;
}

} // namespace

frmAnzeige::frmAnzeige(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"frmAnzeige"_s);
    setWindowTitle(u"Glossand: Status"_s);
    setFixedSize(clientWidth, clientHeight);
    // The figures' window takes the keys itself, so that F1 works wherever the focus is.
    setFocusPolicy(Qt::StrongFocus);
    // Fixed at the top right corner of the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + area.width() - clientWidth, area.y());
    }
    m_clock = [] { return QDateTime::currentDateTime(); };
    buildControls();
    buildStatusBar();
    refreshPanels();
    // The panels follow the clock by themselves; a tick every second keeps the minute exact.
    m_panelTimer.setInterval(1000);
    connect(&m_panelTimer, &QTimer::timeout, this, &frmAnzeige::refreshPanels);
    m_panelTimer.start();
}

void frmAnzeige::buildControls()
{
    QFrame *fraStatus1 = frame(this, u"fraStatus1"_s, {8, 0, 89, 33});
    // "Arial Black" is a face of its own; where it is missing, the substitute is drawn as heavy.
    QFont heavy = Controls::font(u"Arial Black"_s, 15.75, false, true, true);
    heavy.setWeight(QFont::Black);
    label(fraStatus1, u"lblStatus"_s, inside(fraStatus1->geometry()), u"Status:"_s, {}, {heavy});

    QGroupBox *fraAllgemein = group(this, u"fraAllgemein"_s, {8, 40, 225, 241}, u"Allgemein"_s);
    m_lblW = figureRow(fraAllgemein, 20, u"lblWörter"_s, u"Wörter (Insgesamt):"_s, u"lblW"_s, {},
                       u"Hier erfahren sie, wie viele Wörter das Glossand beinhaltet."_s);
    figureRow(fraAllgemein, 36, u"lblBuch1Lektionen"_s, u"Buch 1 (Lektionen):"_s, u"lblB1L"_s, u"60"_s,
              u"Hier erfahren sie, wie viele Lektionen das 1. Buch beinhaltet."_s);
    figureRow(fraAllgemein, 52, u"lblBuch2Lektionen"_s, u"Buch 2 (Lektionen):"_s, u"lblB2L"_s, u"50"_s,
              u"Hier erfahren sie, wie viele Lektionen das 2. Buch beinhaltet."_s);
    figureRow(fraAllgemein, 68, u"lblBuch3Lektionen"_s, u"Buch 3 (Lektionen):"_s, u"lblB3L"_s, u"40"_s,
              u"Hier erfahren sie, wie viele Lektionen das 3. Buch beinhaltet."_s);
    m_lblB1W = figureRow(fraAllgemein, 84, u"lblBuch1Wörter"_s, u"Buch 1 (Wörter):"_s, u"lblB1W"_s, {},
                         u"Hier erfahren sie, wie viele Wörter das 1. Buch beinhaltet."_s);
    m_lblB2W = figureRow(fraAllgemein, 100, u"lblBuch2Wörter"_s, u"Buch 2 (Wörter):"_s, u"lblB2W"_s, {},
                         u"Hier erfahren sie, wie viele Wörter das 2. Buch beinhaltet."_s);
    m_lblB3W = figureRow(fraAllgemein, 116, u"Label1"_s, u"Buch 3 (Wörter):"_s, u"lblB3W"_s, {},
                         u"Hier erfahren sie, wie viele Wörter das 3. Buch beinhaltet."_s);
    QFrame *frame1 = frame(fraAllgemein, u"Frame1"_s, {16, 136, 193, 9});
    frame1->setFrameShape(QFrame::HLine);
    frame1->setFrameShadow(QFrame::Sunken);
    label(fraAllgemein, u"lblDatei"_s, {8, 152, 209, 17}, u"Datei (Latein.lst):"_s, {},
          {Controls::font(u"MS Sans Serif"_s, 8.25, true, true, true)});
    m_lblG = figureRow(fraAllgemein, 176, u"lblGröße"_s, u"Größe (in Bytes):"_s, u"lblG"_s, {},
                       u"Hier erfahren sie die Größe der Datei \"latein.lst\" in Bytes."_s);
    m_lblZ =
        figureRow(fraAllgemein, 193, u"lblZeilen"_s, u"Zeilen:"_s, u"lblZ"_s, {},
                  u"Hier erfahren sie die Anzahl der Zeilen, welche die Datei \"leitein.lst\" enthält."_s,
                  u"Hier erfahren sie die Anzahl der Zeilen der Datei \"leitein.lst\" enthält."_s);
    m_lblLAe = figureRow(fraAllgemein, 210, u"lblLetzteÄnderung"_s, u"Letzte Änderung:"_s, u"lblLÄ"_s, {},
                         u"Hier erfahren sie den Zeitpunkt, an welchem die letzten Änderungen an der Datei "
                         u"\"latein.lst\" vorgenommen wurden."_s);

    QGroupBox *fraSuche =
        group(this, u"fraSuche"_s, {8, 296, 225, 73}, u"Aktuelle Lektion: Anzahl der Wörter"_s);
    m_lblS = figureRow(fraSuche, 24, u"lblSuche"_s, u"Suche:"_s, u"lblS"_s, u"-"_s,
                       u"Hier erfahren sie die Anzahl der Wörter, welche die Lektion(en) des aktuellen "
                       u"Suchergebnisses enthält / enthalten."_s);
    m_lblMS = figureRow(fraSuche, 44, u"lblManualSuche"_s, u"Manual - Suche:"_s, u"lblMS"_s, u"-"_s,
                        u"Hier erfahren sie die Anzahl der Wörter, welche die aktuelle Lektion der manuellen "
                        u"Suche enthält."_s);

    QFrame *fraAnzeige = frame(this, u"fraAnzeige"_s, {8, 376, 225, 17});
    m_lblAW = figureRow(fraAnzeige, 0, u"lblAktuelleWortnummer"_s, u"Aktuelle Wortnummer:"_s, u"lblAW"_s,
                        u"-"_s, {}, {}, 0, valueLeft + 8);

    QFrame *fraStatus2 = frame(this, u"fraStatus2"_s, {8, 400, 137, 17});
    label(fraStatus2, u"lblAktuelleUhrzeitundDatum"_s, inside(fraStatus2->geometry()),
          u"Aktuelle Uhrzeit und Datum:"_s);
}

void frmAnzeige::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(u"StatusBar"_s);
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, clientHeight - statusBarHeight, clientWidth, statusBarHeight);
    m_statusBar->addPermanentWidget(panel(m_statusBar, u"StatusBarPanel1"_s, clockPicture(),
                                          u"Hier erfahren sie die aktuelle Uhrzeit."_s, &m_timePanel),
                                    1);
    m_statusBar->addPermanentWidget(panel(m_statusBar, u"StatusBarPanel2"_s, calendarPicture(),
                                          u"Hier erfahren sie das aktuelle Datum."_s, &m_datePanel),
                                    1);
}

void frmAnzeige::showFigures(const StatusFigures &figures)
{
    const auto number = [](auto value) { return QString::number(value); };
    const StatusFigures::WordCounts words = figures.words.value_or(StatusFigures::WordCounts{});
    const bool counted = figures.words.has_value();
    m_lblW->setText(counted ? number(words.total) : QString());
    m_lblB1W->setText(counted ? number(words.perBook[0]) : QString());
    m_lblB2W->setText(counted ? number(words.perBook[1]) : QString());
    m_lblB3W->setText(counted ? number(words.perBook[2]) : QString());
    m_lblG->setText(figures.file ? number(figures.file->size) : QString());
    m_lblZ->setText(figures.file ? number(figures.file->lineCount) : QString());
    m_lblLAe->setText(figures.file ? figures.file->lastChange : QString());
    m_lblS->setText(figures.entryLessonWords.value_or(u"-"_s));
    m_lblMS->setText(figures.manualLessonWords ? number(*figures.manualLessonWords) : u"-"_s);
    m_lblAW->setText(figures.currentEntry ? number(*figures.currentEntry) : u"-"_s);
}

void frmAnzeige::setClock(Clock clock)
{
    m_clock = std::move(clock);
    refreshPanels();
}

void frmAnzeige::RefreshClockPanel()
{
    m_timePanel->setText(hoursAndMinutes(m_clock().time(), QLocale()));
}

void frmAnzeige::refreshPanels()
{
    RefreshClockPanel();
    m_datePanel->setText(ListFigures::dateText(m_clock().date(), QLocale()));
}

void frmAnzeige::keyPressEvent(QKeyEvent *event)
{
    // F1 with or without Shift, Ctrl or Alt.
    if (event->key() == Qt::Key_F1) {
        HelpLaunch::showHelp(this, u"zembrota.vry"_s, u"Status - Anzeige"_s);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmAnzeige::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace Zembrota
