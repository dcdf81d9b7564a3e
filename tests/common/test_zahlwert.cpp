// Zahlwert: the leading number of a text, and its rounding halves to even.
#include "common/zahlwert.h"

#include <QTest>

using namespace Qt::StringLiterals;

#include <cmath>

class TestZahlwert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data();
    void value();
    void whole_data();
    void whole();
};

void TestZahlwert::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << u"128"_s << 128.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("no number") << u"abc"_s << 0.0;
    QTest::newRow("leading blanks") << u"   42"_s << 42.0;
    QTest::newRow("blanks between digits") << u"1 2 3"_s << 123.0;
    QTest::newRow("tab between digits") << u"1\t0"_s << 10.0;
    QTest::newRow("trailing text") << u"300abc"_s << 300.0;
    QTest::newRow("decimal point") << u"12.5"_s << 12.5;
    QTest::newRow("comma ends number") << u"12,5"_s << 12.0;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("sign") << u"-7"_s << -7.0;
    QTest::newRow("plus") << u"+7"_s << 7.0;
    QTest::newRow("blank after sign") << u"- 7"_s << -7.0;
    QTest::newRow("sign alone") << u"-"_s << 0.0;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("exponent") << u"1e3"_s << 1000.0;
    QTest::newRow("exponent capital with sign") << u"25E-1"_s << 2.5;
    QTest::newRow("blanks around exponent") << u"2 e 2"_s << 200.0;
    QTest::newRow("exponent without digits") << u"5e"_s << 5.0;
    QTest::newRow("second point ends") << u"1.2.3"_s << 1.2;
    QTest::newRow("letter before digits") << u"x5"_s << 0.0;
    QTest::newRow("huge") << u"1e999"_s << HUGE_VAL;
    QTest::newRow("tiny") << u"1e-999"_s << 0.0;
}

void TestZahlwert::value()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Zahlwert(text), value);
}

void TestZahlwert::whole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("2.5 to even 2") << u"2.5"_s << 0 << 256 << true << 2;
    QTest::newRow("3.5 to even 4") << u"3.5"_s << 0 << 256 << true << 4;
    QTest::newRow("12.5 to even 12") << u"12.5"_s << 0 << 256 << true << 12;
    QTest::newRow("-2.5 to even -2") << u"-2.5"_s << -10 << 10 << true << -2;
    QTest::newRow("2.6 up") << u"2.6"_s << 0 << 256 << true << 3;
    QTest::newRow("upper bound") << u"256"_s << 0 << 256 << true << 256;
    QTest::newRow("256.4 rounds into range") << u"256.4"_s << 0 << 256 << true << 256;
    QTest::newRow("256.5 rounds to even 256") << u"256.5"_s << 0 << 256 << true << 256;
    QTest::newRow("257 out of range") << u"257"_s << 0 << 256 << false << 0;
    QTest::newRow("-0.5 rounds to 0") << u"-0.5"_s << 0 << 256 << true << 0;
    QTest::newRow("-1 below range") << u"-1"_s << 0 << 256 << false << 0;
    QTest::newRow("16-bit max") << u"32767"_s << -32768 << 32767 << true << 32767;
    QTest::newRow("16-bit overflow") << u"32768"_s << -32768 << 32767 << false << 0;
    QTest::newRow("infinite") << u"1e999"_s << -32768 << 32767 << false << 0;
    QTest::newRow("no number is 0") << u"x"_s << 0 << 256 << true << 0;
}

void TestZahlwert::whole()
{
    QFETCH(QString, text);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto result = roundedZahlwert(text, min, max);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

QTEST_GUILESS_MAIN(TestZahlwert)
#include "test_zahlwert.moc"
