// Line files: breaks and Windows-1252 at the byte boundary.
#include "common/lessoncode.h"
#include "common/linefile.h"
#include "tests/testsupport/testsupport.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

using LineFile::Breaks;

class TestLineFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitLines_data();
    void splitLines();
    void windows1252_data();
    void windows1252();
    void joinLinesEndsEveryLineWithCrLf();
    void everyByteDecodesAsTheCodecDoes();
    void eachByteAloneDecodesAsTheCodecDoes();
    void splitLinesDecodesEveryByteOfALine();
    void everyShortMixOfBreaks();
    void firstLinesOnly_data();
    void firstLinesOnly();
    void lessonCodeText_data();
    void lessonCodeText();
};

void TestLineFile::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("anyBreak");
    QTest::addColumn<QStringList>("lines");

    const QStringList ab{u"a"_s, u"b"_s};
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << false << ab;
    QTest::newRow("final line without break") << QByteArray("a\r\nb") << false << ab;
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << false << ab;
    QTest::newRow("lone lf stays in line") << QByteArray("a\nb\r\n") << false << QStringList{u"a\nb"_s};
    QTest::newRow("lone lf breaks word list") << QByteArray("a\nb\n") << true << ab;
    QTest::newRow("mixed breaks word list")
        << QByteArray("a\r\nb\rc\nd") << true << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\r\nx\r\n") << false << QStringList{QString(), QString(), u"x"_s};
    QTest::newRow("cr cr lf is two breaks")
        << QByteArray("a\r\r\nb") << false << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("empty file") << QByteArray() << false << QStringList{};
    QTest::newRow("only a break") << QByteArray("\r\n") << true << QStringList{QString()};
}

void TestLineFile::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, anyBreak);
    QFETCH(QStringList, lines);
    QCOMPARE(LineFile::splitLines(bytes, anyBreak ? Breaks::AnyBreak : Breaks::CrLfOrCr), lines);
}

void TestLineFile::windows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("umlauts") << QByteArray("\xe4\xf6\xfc\xdf\xc4") << u"äöüßÄ"_s;
    QTest::newRow("euro 0x80") << QByteArray("\x80") << u"€"_s;
    QTest::newRow("low quote 0x84") << QByteArray("\x84") << u"„"_s;
    QTest::newRow("left quote 0x93") << QByteArray("\x93") << u"“"_s;
    QTest::newRow("dash 0x96") << QByteArray("\x96") << u"–"_s;
}

void TestLineFile::windows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(LineFile::decode(bytes), text);
    QCOMPARE(LineFile::encode(text), bytes);
}

void TestLineFile::joinLinesEndsEveryLineWithCrLf()
{
    QCOMPARE(LineFile::joinLines({u"Über"_s, QString(), u"x"_s}), QByteArray("\xdc"
                                                                             "ber\r\n\r\nx\r\n"));
    // A character the code page lacks becomes the encoder's replacement and leaves the lines alone.
    QStringEncoder encoder("windows-1252");
    const QByteArray alpha = encoder.encode(u"α"_s);
    QCOMPARE(alpha.size(), 1);
    QCOMPARE(LineFile::joinLines({u"€α"_s, u"ä"_s, u"b"_s}),
             QByteArray("\x80") + alpha + "\r\n\xe4\r\nb\r\n");
}

void TestLineFile::everyByteDecodesAsTheCodecDoes()
{
    // The table-driven decoding and the ASCII shortcut of encoding against Qt's own codec.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    all += all; // and again after a byte that needs no table
    QStringDecoder decoder("windows-1252");
    const QString expected = decoder.decode(all);
    QCOMPARE(LineFile::decode(all), expected);
    QStringEncoder encoder("windows-1252");
    QCOMPARE(LineFile::encode(expected), QByteArray(encoder.encode(expected)));
    QCOMPARE(LineFile::encode(u"plain ASCII ~"_s), QByteArray("plain ASCII ~"));
    QCOMPARE(LineFile::encode(u"€ und „"_s), QByteArray("\x80 und \x84"));
}

void TestLineFile::eachByteAloneDecodesAsTheCodecDoes()
{
    // Byte by byte, with the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        QStringDecoder decoder("windows-1252");
        const QString expected = decoder.decode(byte);
        QCOMPARE(LineFile::decode(byte), expected);
    }
    for (const char undefined : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'}) {
        const QByteArray byte(1, undefined);
        QStringDecoder decoder("windows-1252");
        QCOMPARE(LineFile::decode(byte), QString(decoder.decode(byte)));
        QCOMPARE(LineFile::decode(byte).size(), 1);
    }
}

void TestLineFile::splitLinesDecodesEveryByteOfALine()
{
    // The lines are decoded straight from their bytes: the same text as the codec's.
    QByteArray line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            line += char(b);
    }
    QStringDecoder decoder("windows-1252");
    const QString expected = decoder.decode(line);
    QCOMPARE(LineFile::splitLines(line + "\r\n" + line, Breaks::CrLfOrCr), QStringList({expected, expected}));
    QCOMPARE(LineFile::splitLines("\xe4" + line + "\n\x80", Breaks::AnyBreak),
             QStringList({u"ä"_s + expected, u"€"_s}));
}

void TestLineFile::everyShortMixOfBreaks()
{
    // Every text of up to seven bytes from "a", CR and LF, against the rule stated byte by byte.
    const auto expected = [](const QByteArray &bytes, bool anyBreak) {
        QStringList lines;
        QString line;
        bool open = false;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char c = bytes.at(i);
            if (c == '\r' || (c == '\n' && anyBreak)) {
                lines << line;
                line.clear();
                open = false;
                if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                    ++i;
            } else {
                line += QLatin1Char(c);
                open = true;
            }
        }
        if (open)
            lines << line;
        return lines;
    };
    const char alphabet[] = {'a', '\r', '\n'};
    QList<QByteArray> texts{QByteArray()};
    for (int length = 1; length <= 7; ++length) {
        const qsizetype shorter = texts.size();
        for (qsizetype t = 0; t < shorter; ++t) {
            if (texts.at(t).size() != length - 1)
                continue;
            for (const char c : alphabet)
                texts << texts.at(t) + c;
        }
    }
    QCOMPARE(texts.size(), 1 + 3 + 9 + 27 + 81 + 243 + 729 + 2187);
    for (const QByteArray &text : std::as_const(texts)) {
        for (const bool anyBreak : {false, true}) {
            const QStringList lines =
                LineFile::splitLines(text, anyBreak ? Breaks::AnyBreak : Breaks::CrLfOrCr);
            if (lines != expected(text, anyBreak))
                QFAIL(qPrintable(u"%1 (%2)"_s.arg(QString::fromLatin1(text.toPercentEncoding()),
                                                  anyBreak ? u"any break"_s : u"CR"_s)));
        }
    }
}

void TestLineFile::firstLinesOnly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("anyBreak");
    QTest::newRow("crlf") << QByteArray("TESSAVOR\r\nTXT\r\n\xe4\r\n\r\nx") << false;
    QTest::newRow("lone cr, lone lf kept") << QByteArray("a\rb\nc\rd\r") << false;
    QTest::newRow("lone lf breaks") << QByteArray("a\nb\r\nc\rd") << true;
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n\r\n") << false;
    QTest::newRow("one line") << QByteArray("nur eine") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestLineFile::firstLinesOnly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, anyBreak);
    const Breaks breaks = anyBreak ? Breaks::AnyBreak : Breaks::CrLfOrCr;
    const QStringList all = LineFile::splitLines(bytes, breaks);
    for (qsizetype most = 0; most <= all.size() + 1; ++most)
        QCOMPARE(LineFile::splitLines(bytes, breaks, most), all.mid(0, most));
}

void TestLineFile::lessonCodeText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << u"1.1"_s;
    QTest::newRow("2") << 2 << u"1.2"_s;
    QTest::newRow("3") << 3 << u"2.1"_s;
    QTest::newRow("7") << 7 << u"4.1"_s;
    QTest::newRow("10") << 10 << u"5.2"_s;
    QTest::newRow("19") << 19 << u"10.1"_s;
    QTest::newRow("39") << 39 << u"20.1"_s;
    QTest::newRow("40") << 40 << u"20.2"_s;
    QTest::newRow("0 has none") << 0 << QString();
    QTest::newRow("41 has none") << 41 << QString();
    QTest::newRow("-1 has none") << -1 << QString();
}

void TestLineFile::lessonCodeText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(LessonCodeText(code), text);
}

QTEST_GUILESS_MAIN(TestLineFile)
#include "test_linefile.moc"
