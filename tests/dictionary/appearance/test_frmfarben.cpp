// The colours dialog run for real (offscreen): controls, enabling rules, the loading order, the
// paired scroll bars and fields, Apply in each mode with the file it writes, OK, Abbrechen, F1.
#include "common/ui/helplaunch.h"
#include "common/ui/iconanimation.h"
#include "common/ui/messagebox.h"
#include "dictionary/appearance/colourscheme.h"
#include "dictionary/appearance/frmfarben.h"
#include "tests/testsupport/testsupport.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Zembrota;
using namespace Qt::StringLiterals;

namespace {

// The dialog with four plain windows beside it as the other coloured windows.
struct Fixture
{
    explicit Fixture(const Farbeinstellung &record = {}, const QString &settingsPath = {})
    {
        scheme.settings() = record;
        for (int i : {0, 2, 3, 4}) {
            others[i] = std::make_unique<QWidget>();
            scheme.addWindow(ColourScheme::Window(i), others[i].get());
        }
        dialog = std::make_unique<frmFarben>(scheme, settingsPath.isEmpty() ? dir.file(u"zembrota.ini"_s)
                                                                            : settingsPath);
        scheme.addWindow(ColourScheme::Window::Farben, dialog.get());
    }
    template <typename T> T *get(const QString &name) const { return dialog->findChild<T *>(name); }
    QRadioButton *option(const QString &name) const { return get<QRadioButton>(name); }
    QLineEdit *field(const QString &name) const { return get<QLineEdit>(name); }
    QScrollBar *bar(const QString &name) const { return get<QScrollBar>(name); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QColor preview() const { return get<QWidget>(u"picTest"_s)->palette().color(QPalette::Window); }
    // Every coloured window's background, in painting order.
    QStringList backgrounds() const
    {
        QStringList result;
        for (int i = 0; i < 5; ++i) {
            const QWidget *w = i == 1 ? dialog.get() : others[i].get();
            result.append(w->palette().color(QPalette::Window).name());
        }
        return result;
    }
    QStringList fileLines() const
    {
        const QByteArray bytes = dir.read(u"zembrota.ini"_s);
        QStringList lines = QString::fromLatin1(bytes).split(u"\r\n"_s);
        return lines;
    }
    // Replaces a field's text in one go, as a paste over the selection does.
    static void paste(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        edit->insert(text);
    }

    TestSupport::ProgramDir dir;
    ColourScheme scheme;
    std::array<std::unique_ptr<QWidget>, 5> others;
    std::unique_ptr<frmFarben> dialog;
};

// Clicks an option on its indicator, where a click always selects it.
void clickOption(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QString systemName()
{
    return QApplication::palette().color(QPalette::Button).name();
}

const QStringList cycleOptions{u"optFWAus"_s, u"optFWAlle"_s, u"optFWST"_s,
                               u"optFWSG"_s,  u"optFWSV"_s,   u"optFWSW"_s};

// The controls that optBF enables and optWS disables.
const QStringList customControls{
    u"fraFW"_s,   u"optFWAus"_s,      u"optFWAlle"_s, u"optFWST"_s,      u"optFWSG"_s, u"optFWSV"_s,
    u"optFWSW"_s, u"lblWechsel"_s,    u"fraBF"_s,     u"lblAnteilrot"_s, u"hscAr"_s,   u"lblAnteilgelb"_s,
    u"hscAg"_s,   u"lblAnteilblau"_s, u"hscAb"_s,     u"lblRot"_s,       u"txtRot"_s,  u"lblGelb"_s,
    u"txtGelb"_s, u"lblBlau"_s,       u"txtBlau"_s,   u"lblTest"_s,      u"picTest"_s};

} // namespace

class TestFrmFarben : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void scrollBars();
    void focusOrder();
    void loading_data();
    void loading();
    void enablingRules();
    void changesEnableApply_data();
    void changesEnableApply();
    void typing300();
    void componentText_data();
    void componentText();
    void scrollBarFillsFieldAndPreview();
    void intervalMessages_data();
    void intervalMessages();
    void applyModes_data();
    void applyModes();
    void applyKeepsLoadedNumbers();
    void applyWriteFails();
    void okWithoutSettingsFile();
    void okAppliesAndHides();
    void abbrechenKeepsControls();
    void escapeAndCloseBoxHide();
    void helpOnF1();
    void iconAnimation();
};

void TestFrmFarben::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(0xd4, 0xd0, 0xc8));
    QApplication::setPalette(palette);
}

void TestFrmFarben::init()
{
    MessageBox::startRecording();
    MessageBox::clearRecorded();
}

void TestFrmFarben::cleanup()
{
    MessageBox::stopRecording();
    HelpLaunch::resetStarter();
    HelpLaunch::setProgramDir(QString());
}

void TestFrmFarben::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    const QString modeTip =
        u"Sie können hier wählen, ob die Windows - Standard Farben verwendet werden sollen, "
        u"oder ob sie diese selber definieren wollen."_s;
    const QString cycleTip =
        u"Hier können sie wählen ob, und wenn ja, in welcher Art die Farbe wechseln soll."_s;
    auto row = [](const QString &name, const char *kind, const QString &text, const QString &tip = {}) {
        QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind) << text << tip;
    };
    row(u"optWS"_s, "QRadioButton", u"Windows Standard - Farben verwenden"_s, modeTip);
    row(u"optBF"_s, "QRadioButton", u"Benutzerdefinierte Farben verwenden"_s, modeTip);
    row(u"cmdOK"_s, "QPushButton", u"OK"_s,
        u"Klicken sie hier, wenn sie mit ihren Einstellungen fertig sind."_s);
    row(u"cmdAbbrechen"_s, "QPushButton", u"Abbrechen"_s, u"Klicken sie hier, um abzubrechen."_s);
    row(u"cmdÜbernehmen"_s, "QPushButton", u"Übernehmen"_s,
        u"Klicken sie hier, um die Einstellungen zu aktualisieren."_s);
    row(u"fraFarben"_s, "QFrame", QString());
    row(u"fraFW"_s, "QGroupBox", u"Farbenwechsel"_s);
    row(u"fraBF"_s, "QGroupBox", u"Benutzerdefinierte Farbe"_s);
    row(u"optFWAus"_s, "QRadioButton", u"Aus"_s, cycleTip);
    row(u"optFWAlle"_s, "QRadioButton",
        u"Schwarz - Türkis - Schwarz - Gelb - Schwarz - Violett - Schwarz - Weiß"_s, cycleTip);
    row(u"optFWST"_s, "QRadioButton", u"Schwarz Tükis"_s, cycleTip);
    row(u"optFWSG"_s, "QRadioButton", u"Schwarz - Gelb"_s, cycleTip);
    row(u"optFWSV"_s, "QRadioButton", u"Schwarz - Violett"_s, cycleTip);
    row(u"optFWSW"_s, "QRadioButton", u"Schwarz - Weiß"_s, cycleTip);
    row(u"lblWechsel"_s, "QLabel", u"Wechsel (in Millisek.):"_s);
    row(u"txtWechsel"_s, "QLineEdit", u"0"_s,
        u"Geben sie hier die Anzahl der Miliisekunden ein, bis die nächste Schattierung angezeigt wird."_s);
    row(u"lblAnteilrot"_s, "QLabel", u"Anteil rot:"_s);
    row(u"lblAnteilgelb"_s, "QLabel", u"Anteil gelb:"_s);
    row(u"lblAnteilblau"_s, "QLabel", u"Anteil blau:"_s);
    row(u"hscAr"_s, "QScrollBar", QString());
    row(u"hscAg"_s, "QScrollBar", QString());
    row(u"hscAb"_s, "QScrollBar", QString());
    row(u"lblRot"_s, "QLabel", u"Rot:"_s);
    row(u"lblGelb"_s, "QLabel", u"Gelb:"_s);
    row(u"lblBlau"_s, "QLabel", u"Blau:"_s);
    row(u"txtRot"_s, "QLineEdit", u"0"_s,
        u"Hier wird angezeigt, welchen Rot - Anteil die Farbe jetzt hat."_s);
    row(u"txtGelb"_s, "QLineEdit", u"0"_s,
        u"Hier wird angezeigt, welchen Gelb - Anteil die Farbe jetzt hat."_s);
    row(u"txtBlau"_s, "QLineEdit", u"0"_s,
        u"Hier wird angezeigt, welchen Blau - Anteil die Farbe jetzt hat."_s);
    row(u"lblTest"_s, "QLabel", u"Test:"_s);
    row(u"picTest"_s, "QFrame", QString(), u"Hier wird die aktuelle Schttierung angezeigt."_s);
}

void TestFrmFarben::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    Fixture f;
    QCOMPARE(f.dialog->objectName(), u"frmFarben"_s);
    QCOMPARE(f.dialog->windowTitle(), u"Glossand: Farben"_s);
    QWidget *control = f.get<QWidget>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(qPrintable(kind)));
    QString shown;
    if (auto *b = qobject_cast<QAbstractButton *>(control))
        shown = b->text();
    else if (auto *l = qobject_cast<QLabel *>(control))
        shown = l->text();
    else if (auto *e = qobject_cast<QLineEdit *>(control))
        shown = e->text();
    else if (auto *g = qobject_cast<QGroupBox *>(control))
        shown = g->title();
    QCOMPARE(shown, text);
    QCOMPARE(control->toolTip(), toolTip);
}

void TestFrmFarben::scrollBars()
{
    Fixture f;
    for (const QString &name : {u"hscAr"_s, u"hscAg"_s, u"hscAb"_s}) {
        QScrollBar *bar = f.bar(name);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 256);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
        QVERIFY(!bar->hasTracking()); // a dragged thumb counts once released
    }
    QVERIFY(f.button(u"cmdOK"_s)->isDefault());
}

void TestFrmFarben::focusOrder()
{
    Fixture f;
    const QStringList order{u"optWS"_s,         u"optBF"_s,    u"cmdOK"_s,     u"cmdAbbrechen"_s,
                            u"cmdÜbernehmen"_s, u"optFWAus"_s, u"optFWAlle"_s, u"optFWST"_s,
                            u"optFWSG"_s,       u"optFWSV"_s,  u"optFWSW"_s,   u"txtWechsel"_s,
                            u"hscAr"_s,         u"hscAg"_s,    u"hscAb"_s,     u"txtRot"_s,
                            u"txtGelb"_s,       u"txtBlau"_s,  u"picTest"_s};
    QStringList seen;
    QWidget *w = f.option(u"optWS"_s);
    for (int i = 0; i < 200 && seen.size() < order.size(); ++i, w = w->nextInFocusChain()) {
        if (order.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen.append(w->objectName());
    }
    QCOMPARE(seen, order);
}

void TestFrmFarben::loading_data()
{
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("wechselart");
    QTest::addColumn<int>("rot");
    QTest::addColumn<int>("gelb");
    QTest::addColumn<int>("blau");
    QTest::addColumn<int>("wechselzeit");
    QTest::addColumn<QString>("mode");   // option selected
    QTest::addColumn<QString>("cycle");  // cycle option selected
    QTest::addColumn<QString>("fields"); // txtRot, txtGelb, txtBlau, txtWechsel
    QTest::addColumn<bool>("applyOn");   // cmdÜbernehmen enabled
    QTest::addColumn<QString>("preview");
    QTest::newRow("no settings file") << QString() << QString() << 0 << 0 << 0 << 0 << u"optBF"_s
                                      << u"optFWAus"_s << u"0 0 0 0"_s << false << u"#000000"_s;
    QTest::newRow("fixed red") << u"BF"_s << u"Aus"_s << 255 << 0 << 0 << 1000 << u"optBF"_s << u"optFWAus"_s
                               << u"255 0 0 1000"_s << false << u"#ff0000"_s;
    QTest::newRow("four-phase cycle") << u"FW"_s << u"Alle"_s << 0 << 128 << 256 << 50 << u"optBF"_s
                                      << u"optFWAlle"_s << u"0 128 256 50"_s << false << u"#0080ff"_s;
    QTest::newRow("black-yellow") << u"FW"_s << u"SG"_s << 1 << 2 << 3 << 20 << u"optBF"_s << u"optFWSG"_s
                                  << u"1 2 3 20"_s << false << u"#010203"_s;
    QTest::newRow("standard keeps Apply enabled")
        << u"WS"_s << u"SV"_s << 10 << 20 << 30 << 100 << u"optWS"_s << u"optFWSV"_s << u"10 20 30 100"_s
        << true << u"#0a141e"_s;
    QTest::newRow("standard without numbers") << u"WS"_s << u"Aus"_s << 0 << 0 << 0 << 0 << u"optWS"_s
                                              << u"optFWAus"_s << u"0 0 0 0"_s << true << u"#000000"_s;
    QTest::newRow("lower-case ws is no standard") << u"ws"_s << u"ST"_s << 0 << 0 << 0 << 5 << u"optBF"_s
                                                  << u"optFWST"_s << u"0 0 0 5"_s << false << u"#000000"_s;
    QTest::newRow("unknown cycle code") << u"FW"_s << u"Blau"_s << 0 << 0 << 0 << 5 << u"optBF"_s
                                        << u"optFWAus"_s << u"0 0 0 5"_s << false << u"#000000"_s;
    QTest::newRow("negative interval") << u"BF"_s << u"SW"_s << 0 << 0 << 0 << -5 << u"optBF"_s
                                       << u"optFWSW"_s << u"0 0 0 -5"_s << false << u"#000000"_s;
}

void TestFrmFarben::loading()
{
    QFETCH(QString, modus);
    QFETCH(QString, wechselart);
    QFETCH(int, rot);
    QFETCH(int, gelb);
    QFETCH(int, blau);
    QFETCH(int, wechselzeit);
    QFETCH(QString, mode);
    QFETCH(QString, cycle);
    QFETCH(QString, fields);
    QFETCH(bool, applyOn);
    QFETCH(QString, preview);
    Fixture f({modus, wechselart, qint16(rot), qint16(gelb), qint16(blau), wechselzeit});
    QVERIFY(f.option(mode)->isChecked());
    QVERIFY(f.option(cycle)->isChecked());
    const QString shown = QStringList{f.field(u"txtRot"_s)->text(), f.field(u"txtGelb"_s)->text(),
                                      f.field(u"txtBlau"_s)->text(), f.field(u"txtWechsel"_s)->text()}
                              .join(u' ');
    QCOMPARE(shown, fields);
    QCOMPARE(f.bar(u"hscAr"_s)->value(), rot);
    QCOMPARE(f.bar(u"hscAg"_s)->value(), gelb);
    QCOMPARE(f.bar(u"hscAb"_s)->value(), blau);
    QCOMPARE(f.button(u"cmdÜbernehmen"_s)->isEnabled(), applyOn);
    QCOMPARE(f.preview().name(), preview);
    const bool custom = mode == u"optBF"_s;
    for (const QString &name : customControls)
        QVERIFY2(f.get<QWidget>(name)->isEnabled() == custom, qPrintable(name));
    // The interval field is itself enabled; only its frame makes it unusable.
    QVERIFY(f.field(u"txtWechsel"_s)->isEnabledTo(f.get<QWidget>(u"fraFW"_s)));
}

void TestFrmFarben::enablingRules()
{
    Fixture f({u"BF"_s, u"SG"_s, 0, 0, 0, 100});
    QPushButton *apply = f.button(u"cmdÜbernehmen"_s);
    QVERIFY(!apply->isEnabled());
    f.dialog->show();
    clickOption(f.option(u"optWS"_s));
    QVERIFY(f.option(u"optWS"_s)->isChecked());
    QVERIFY(apply->isEnabled());
    for (const QString &name : customControls)
        QVERIFY2(!f.get<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!f.field(u"txtWechsel"_s)->isEnabled());
    // The selections inside the frames stay.
    QVERIFY(f.option(u"optFWSG"_s)->isChecked());
    clickOption(f.option(u"optBF"_s));
    for (const QString &name : customControls)
        QVERIFY2(f.get<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(f.field(u"txtWechsel"_s)->isEnabled());
    QVERIFY(f.option(u"optFWSG"_s)->isChecked());
    // Enabled exactly the three buttons and the two mode options stay usable throughout.
    QVERIFY(f.button(u"cmdOK"_s)->isEnabled());
    QVERIFY(f.button(u"cmdAbbrechen"_s)->isEnabled());
}

void TestFrmFarben::changesEnableApply_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("cycle option") << u"optFWSW"_s;
    QTest::newRow("interval text") << u"txtWechsel"_s;
    QTest::newRow("red field") << u"txtRot"_s;
    QTest::newRow("green bar") << u"hscAg"_s;
}

void TestFrmFarben::changesEnableApply()
{
    QFETCH(QString, change);
    Fixture f({u"BF"_s, u"Aus"_s, 0, 0, 0, 100});
    f.dialog->show();
    QPushButton *apply = f.button(u"cmdÜbernehmen"_s);
    QVERIFY(!apply->isEnabled());
    if (change.startsWith(u"opt"_s)) {
        clickOption(f.option(change));
    } else if (change.startsWith(u"txt"_s)) {
        f.field(change)->setFocus();
        f.field(change)->end(false);
        QTest::keyClicks(f.field(change), u"5"_s);
    } else {
        f.bar(change)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    QVERIFY(apply->isEnabled());
    QVERIFY(f.option(u"optBF"_s)->isChecked());
}

void TestFrmFarben::typing300()
{
    Fixture f;
    f.dialog->show();
    QLineEdit *red = f.field(u"txtRot"_s);
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, u"300"_s);
    QCOMPARE(red->text(), u"256"_s);
    QCOMPARE(f.bar(u"hscAr"_s)->value(), 256);
    QCOMPARE(f.preview(), QColor(255, 0, 0));
    QVERIFY(f.button(u"cmdÜbernehmen"_s)->isEnabled());
}

void TestFrmFarben::componentText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("12.5 pasted") << u"txtGelb"_s << u"hscAg"_s << 0 << u"12.5"_s << true << u"12"_s << 12;
    // Typed key by key the bar reaches 12 at "12"; ".5" does not change its value, so the text stays.
    QTest::newRow("12.5 typed") << u"txtGelb"_s << u"hscAg"_s << 0 << u"12.5"_s << false << u"12.5"_s << 12;
    QTest::newRow("13.5 pasted to even")
        << u"txtBlau"_s << u"hscAb"_s << 0 << u"13.5"_s << true << u"14"_s << 14;
    QTest::newRow("256 pasted") << u"txtRot"_s << u"hscAr"_s << 0 << u"256"_s << true << u"256"_s << 256;
    QTest::newRow("257 pasted") << u"txtRot"_s << u"hscAr"_s << 0 << u"257"_s << true << u"256"_s << 256;
    QTest::newRow("exponent above the top")
        << u"txtRot"_s << u"hscAr"_s << 0 << u"3e2"_s << true << u"256"_s << 256;
    QTest::newRow("negative becomes 0") << u"txtGelb"_s << u"hscAg"_s << 40 << u"-5"_s << true << u"0"_s << 0;
    QTest::newRow("negative at 0") << u"txtGelb"_s << u"hscAg"_s << 0 << u"-5"_s << true << u"0"_s << 0;
    QTest::newRow("not a number moves to 0")
        << u"txtBlau"_s << u"hscAb"_s << 90 << u"blau"_s << true << u"0"_s << 0;
    QTest::newRow("blanks between digits")
        << u"txtRot"_s << u"hscAr"_s << 0 << u"1 2 8"_s << true << u"128"_s << 128;
}

void TestFrmFarben::componentText()
{
    QFETCH(QString, field);
    QFETCH(QString, bar);
    QFETCH(int, before);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(int, value);
    Fixture f;
    f.dialog->show();
    f.bar(bar)->setValue(before);
    QLineEdit *edit = f.field(field);
    if (pasted) {
        Fixture::paste(edit, typed);
    } else {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(f.bar(bar)->value(), value);
}

void TestFrmFarben::scrollBarFillsFieldAndPreview()
{
    Fixture f;
    f.dialog->show();
    f.bar(u"hscAb"_s)->setValue(77);
    QCOMPARE(f.field(u"txtBlau"_s)->text(), u"77"_s);
    QCOMPARE(f.preview(), QColor(0, 0, 77));
    f.bar(u"hscAr"_s)->setValue(256);
    QCOMPARE(f.field(u"txtRot"_s)->text(), u"256"_s);
    QCOMPARE(f.preview(), QColor(255, 0, 77));
    // An arrow and the trough each move by one.
    f.bar(u"hscAg"_s)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.field(u"txtGelb"_s)->text(), u"1"_s);
    f.bar(u"hscAg"_s)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(f.field(u"txtGelb"_s)->text(), u"2"_s);
    QCOMPARE(f.preview(), QColor(255, 2, 77));
}

void TestFrmFarben::intervalMessages_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("message"); // empty: accepted
    const QString first = u"Geben sie bitte eine korrekte Wechsel - Zeit ein!"_s;
    const QString second = u"Die Wechsel - Zeit darf 65535 Millisekunden nicht überschreiten!"_s;
    QTest::newRow("0") << u"0"_s << first;
    QTest::newRow("empty") << QString() << first;
    QTest::newRow("not a number") << u"bald"_s << first;
    QTest::newRow("negative") << u"-5"_s << first;
    QTest::newRow("65536") << u"65536"_s << second;
    QTest::newRow("70000") << u"70000"_s << second;
    QTest::newRow("65535") << u"65535"_s << QString();
    QTest::newRow("0.4") << u"0.4"_s << QString();
}

void TestFrmFarben::intervalMessages()
{
    QFETCH(QString, interval);
    QFETCH(QString, message);
    // A cycle is chosen and running; a stopped Apply must leave all of it alone.
    Fixture f({u"FW"_s, u"ST"_s, 0, 0, 0, 30});
    f.scheme.startCycle(30);
    f.dialog->show();
    clickOption(f.option(u"optFWSW"_s));
    Fixture::paste(f.field(u"txtWechsel"_s), interval);
    QTest::mouseClick(f.button(u"cmdÜbernehmen"_s), Qt::LeftButton);
    const QList<MessageBox::Shown> shown = MessageBox::recorded();
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(f.scheme.settings().wechselart, u"SW"_s);
        QVERIFY(f.dir.exists(u"zembrota.ini"_s));
        QVERIFY(!f.button(u"cmdÜbernehmen"_s)->isEnabled());
        return;
    }
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).title, u"Fehler!"_s);
    QCOMPARE(shown.at(0).text, message);
    QCOMPARE(shown.at(0).icon, QMessageBox::Critical);
    QCOMPARE(f.scheme.settings().modus, u"FW"_s);
    QCOMPARE(f.scheme.settings().wechselart, u"ST"_s);
    QCOMPARE(f.scheme.cycleInterval(), 30);
    QVERIFY(f.scheme.tmeFarben()->isActive());
    QVERIFY(!f.dir.exists(u"zembrota.ini"_s));
    QVERIFY(f.button(u"cmdÜbernehmen"_s)->isEnabled());
    QVERIFY(f.dialog->isVisible());
    // The interval is checked in every mode, also with the standard colours.
    MessageBox::clearRecorded();
    clickOption(f.option(u"optWS"_s));
    QTest::mouseClick(f.button(u"cmdÜbernehmen"_s), Qt::LeftButton);
    QCOMPARE(MessageBox::recorded().size(), 1);
    QCOMPARE(f.scheme.settings().modus, u"FW"_s);
}

void TestFrmFarben::applyModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QString>("backgrounds"); // "unchanged", "system" or a colour
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("timerInterval");
    QTest::newRow("fixed red") << u"optBF"_s << u"optFWAus"_s << u"1000"_s << u"255"_s
                               << QStringList{u"BF"_s, u"Aus"_s, u"1000"_s, u"255"_s,
                                              u"0"_s,  u"0"_s,   QString()}
                               << u"#ff0000"_s << false << 0;
    QTest::newRow("fixed 256 written as 256")
        << u"optBF"_s << u"optFWAus"_s << u"7 ms"_s << u"256"_s
        << QStringList{u"BF"_s, u"Aus"_s, u"7 ms"_s, u"256"_s, u"0"_s, u"0"_s, QString()} << u"#ff0000"_s
        << false << 0;
    QTest::newRow("black-yellow") << u"optBF"_s << u"optFWSG"_s << u"20"_s << u"255"_s
                                  << QStringList{u"FW"_s, u"SG"_s, u"20"_s,  u"255"_s,
                                                 u"0"_s,  u"0"_s,  QString()}
                                  << u"unchanged"_s << true << 20;
    QTest::newRow("four-phase") << u"optBF"_s << u"optFWAlle"_s << u"2.5"_s << u"0"_s
                                << QStringList{u"FW"_s, u"Alle"_s, u"2.5"_s, u"0"_s,
                                               u"0"_s,  u"0"_s,    QString()}
                                << u"unchanged"_s << true << 2;
    QTest::newRow("0.4 never steps") << u"optBF"_s << u"optFWST"_s << u"0.4"_s << u"0"_s
                                     << QStringList{u"FW"_s, u"ST"_s, u"0.4"_s, u"0"_s,
                                                    u"0"_s,  u"0"_s,  QString()}
                                     << u"unchanged"_s << true << 0;
    QTest::newRow("standard keeps the cycle option")
        << u"optWS"_s << u"optFWSV"_s << u"100"_s << u"12"_s
        << QStringList{u"WS"_s, u"SV"_s, u"100"_s, u"12"_s, u"0"_s, u"0"_s, QString()} << u"system"_s << false
        << 0;
}

void TestFrmFarben::applyModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, cycle);
    QFETCH(QString, interval);
    QFETCH(QString, red);
    QFETCH(QStringList, file);
    QFETCH(QString, backgrounds);
    QFETCH(bool, running);
    QFETCH(int, timerInterval);
    // Start from a running cycle with the windows in some cycle colour.
    Fixture f({u"FW"_s, u"SW"_s, 0, 0, 0, 30});
    f.scheme.startCycle(30);
    f.scheme.FensterFaerben(Background::of({9, 9, 9}));
    f.dialog->show();
    clickOption(f.option(cycle));
    clickOption(f.option(mode));
    Fixture::paste(f.field(u"txtWechsel"_s), interval);
    if (mode == u"optBF"_s)
        Fixture::paste(f.field(u"txtRot"_s), red);
    else
        f.field(u"txtRot"_s)->setText(red); // disabled to the user, still stored
    QVERIFY(f.button(u"cmdÜbernehmen"_s)->isEnabled());
    QTest::mouseClick(f.button(u"cmdÜbernehmen"_s), Qt::LeftButton);
    QVERIFY(MessageBox::recorded().isEmpty());
    QCOMPARE(f.fileLines(), file);
    QCOMPARE(f.scheme.settings().modus, file.at(0));
    QCOMPARE(f.scheme.settings().wechselart, file.at(1));
    const QString expectedColour = backgrounds == u"unchanged"_s ? u"#090909"_s
                                   : backgrounds == u"system"_s  ? systemName()
                                                                 : backgrounds;
    QCOMPARE(f.backgrounds(), QStringList(5, expectedColour));
    QCOMPARE(f.scheme.cycleRunning(), running);
    QCOMPARE(f.scheme.tmeFarben()->isActive(), running && timerInterval > 0);
    if (running)
        QCOMPARE(f.scheme.cycleInterval(), timerInterval);
    QVERIFY(!f.button(u"cmdÜbernehmen"_s)->isEnabled());
    QVERIFY(f.dialog->isVisible());
}

void TestFrmFarben::applyKeepsLoadedNumbers()
{
    Fixture f({u"BF"_s, u"Aus"_s, 1, 2, 3, 40});
    f.dialog->show();
    Fixture::paste(f.field(u"txtGelb"_s), u"200"_s);
    QVERIFY(f.dialog->EinstellungenUebernehmen());
    QCOMPARE(f.dialog->green(), 200);
    const Farbeinstellung &e = f.scheme.settings();
    QCOMPARE(e.gelb, qint16(2));
    QCOMPARE(e.wechselzeit, 40);
    QCOMPARE(f.fileLines(), (QStringList{u"BF"_s, u"Aus"_s, u"40"_s, u"1"_s, u"200"_s, u"3"_s, QString()}));
}

void TestFrmFarben::applyWriteFails()
{
    TestSupport::ProgramDir dir;
    Fixture f({u"BF"_s, u"Aus"_s, 0, 0, 0, 100}, dir.file(u"fehlt/zembrota.ini"_s));
    f.dialog->show();
    Fixture::paste(f.field(u"txtBlau"_s), u"255"_s);
    QVERIFY(!f.dialog->EinstellungenUebernehmen());
    const QList<MessageBox::Shown> shown = MessageBox::recorded();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).icon, QMessageBox::Warning);
    QCOMPARE(shown.at(0).title, u"Fehler!"_s);
    QVERIFY2(shown.at(0).text.startsWith(u"Die Einstellungen konnten nicht gespeichert werden."_s),
             qPrintable(shown.at(0).text));
    QVERIFY(shown.at(0).text.contains(u"zembrota.ini"_s));
    // The colour is in force; Apply stays offered so that the user can try again.
    QCOMPARE(f.backgrounds(), QStringList(5, u"#0000ff"_s));
    QVERIFY(f.button(u"cmdÜbernehmen"_s)->isEnabled());
}

void TestFrmFarben::okWithoutSettingsFile()
{
    Fixture f;
    f.dialog->show();
    QTest::mouseClick(f.button(u"cmdOK"_s), Qt::LeftButton);
    QCOMPARE(MessageBox::recorded().size(), 1);
    QCOMPARE(MessageBox::recorded().at(0).text, u"Geben sie bitte eine korrekte Wechsel - Zeit ein!"_s);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(!f.dir.exists(u"zembrota.ini"_s));
}

void TestFrmFarben::okAppliesAndHides()
{
    Fixture f({u"BF"_s, u"Aus"_s, 0, 0, 0, 100});
    f.dialog->show();
    clickOption(f.option(u"optFWSV"_s));
    // Enter in a field presses the default button "OK".
    f.field(u"txtWechsel"_s)->setFocus();
    QTest::keyClick(f.field(u"txtWechsel"_s), Qt::Key_Return);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.fileLines(), (QStringList{u"FW"_s, u"SV"_s, u"100"_s, u"0"_s, u"0"_s, u"0"_s, QString()}));
    QVERIFY(f.scheme.tmeFarben()->isActive());
}

void TestFrmFarben::abbrechenKeepsControls()
{
    Fixture f({u"BF"_s, u"Aus"_s, 0, 0, 0, 100});
    f.dialog->show();
    f.bar(u"hscAr"_s)->setValue(120);
    QTest::mouseClick(f.button(u"cmdAbbrechen"_s), Qt::LeftButton);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(!f.dir.exists(u"zembrota.ini"_s));
    QCOMPARE(f.scheme.settings().modus, u"BF"_s);
    QCOMPARE(f.backgrounds().at(0), QApplication::palette().color(QPalette::Window).name());
    f.dialog->show();
    QCOMPARE(f.bar(u"hscAr"_s)->value(), 120);
    QCOMPARE(f.field(u"txtRot"_s)->text(), u"120"_s);
    QVERIFY(f.button(u"cmdÜbernehmen"_s)->isEnabled());
}

void TestFrmFarben::escapeAndCloseBoxHide()
{
    Fixture f({u"BF"_s, u"Aus"_s, 0, 0, 0, 100});
    QPointer<frmFarben> dialog = f.dialog.get();
    f.dialog->show();
    f.field(u"txtRot"_s)->setFocus();
    QTest::keyClick(f.field(u"txtRot"_s), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    f.dialog->show();
    QVERIFY(!f.dialog->close());
    QVERIFY(!f.dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog);
    QVERIFY(!f.dir.exists(u"zembrota.ini"_s));
}

void TestFrmFarben::helpOnF1()
{
    TestSupport::ProgramDir dir;
    dir.write(u"tessavor"_s, "#!/bin/sh\n");
    QFile::setPermissions(dir.file(u"tessavor"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    HelpLaunch::setProgramDir(dir.path());
    QStringList started;
    HelpLaunch::setStarter([&started](const QString &program, const QStringList &arguments) {
        started.append(program);
        started.append(arguments);
        return true;
    });
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    f.field(u"txtGelb"_s)->setFocus();
    QTest::keyClick(f.field(u"txtGelb"_s), Qt::Key_F1);
    QCOMPARE(started, (QStringList{dir.path() + u"/tessavor"_s,
                                   dir.path() + u"/zembrota.vry, Hintergrund - Farben"_s}));
    QVERIFY(MessageBox::recorded().isEmpty());
}

void TestFrmFarben::iconAnimation()
{
    Fixture f;
    Fixture g;
    auto *own = f.dialog->findChild<IconAnimation *>();
    auto *other = g.dialog->findChild<IconAnimation *>();
    QVERIFY(own && other && own != other);
    QCOMPARE(own->timer()->interval(), 100);
    QVERIFY(own->timer()->isActive());
    own->timer()->stop();
    other->timer()->stop();
    own->NextIconFrame();
    QCOMPARE(own->frame(), 1);
    QCOMPARE(other->frame(), 0);
    for (int i = 0; i < 15; ++i)
        own->NextIconFrame();
    QCOMPARE(own->frame(), 0);
}

QTEST_MAIN(TestFrmFarben)
#include "test_frmfarben.moc"
