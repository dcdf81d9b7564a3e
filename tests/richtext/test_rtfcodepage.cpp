// The RTF reader's code pages: the shared tables decode every byte as the platform's converter
// does, each page is built once per process, and threads may ask for pages at the same time.
#include "richtext/rtfcodepage.h"
#include "richtext/rtfsymbolfonts.h"

#include <QStringDecoder>
#include <QTest>

#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The converter's decoding of one byte on its own, U+FFFD where it gives no single unit.
char16_t converterUnit(const char *name, int byte)
{
    const char c = char(byte);
    QStringDecoder decoder(name);
    const QString text = decoder.decode(QByteArrayView(&c, 1));
    return text.size() == 1 ? text.at(0).unicode() : u'\uFFFD';
}

} // namespace

class TestRtfCodePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void threadsShareThePages(); // first: the pages are not built yet
    void singleBytePagesDecodeAsTheConverter_data();
    void singleBytePagesDecodeAsTheConverter();
    void symbolFontPages();
    void multiBytePages_data();
    void multiBytePages();
    void eachPageIsBuiltOnce();
};

void TestRtfCodePage::singleBytePagesDecodeAsTheConverter_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("converter");
    QTest::newRow("437") << 437 << QByteArray("IBM437");
    QTest::newRow("850") << 850 << QByteArray("IBM850");
    QTest::newRow("874") << 874 << QByteArray("windows-874");
    for (int number = 1250; number <= 1258; ++number)
        QTest::addRow("%d", number) << number << "windows-" + QByteArray::number(number);
    QTest::newRow("Mac Roman") << 10000 << QByteArray("macintosh");
    // Numbers that name no page this reader knows decode as Windows-1252.
    QTest::newRow("0") << 0 << QByteArray("windows-1252");
    QTest::newRow("1249") << 1249 << QByteArray("windows-1252");
    QTest::newRow("99999") << 99999 << QByteArray("windows-1252");
    QTest::newRow("negative") << -7 << QByteArray("windows-1252");
}

void TestRtfCodePage::singleBytePagesDecodeAsTheConverter()
{
    QFETCH(int, number);
    QFETCH(QByteArray, converter);
    QVERIFY(QStringDecoder(converter.constData()).isValid());
    const Rtf::CodePage &page = Rtf::CodePage::forNumber(number);
    QVERIFY(page.isSingleByte());
    QVERIFY(!page.isSymbolFont());
    // The lower half is ASCII on every page (IBM437's converter would swap a few control codes).
    for (int byte = 0; byte < 128; ++byte)
        QCOMPARE(page.unit(static_cast<unsigned char>(byte)), char16_t(byte));
    for (int byte = 128; byte < 256; ++byte)
        QCOMPARE(page.unit(static_cast<unsigned char>(byte)), converterUnit(converter.constData(), byte));
}

void TestRtfCodePage::symbolFontPages()
{
    for (const int number : {Rtf::symbolCodePage, Rtf::wingdingsCodePage}) {
        const Rtf::CodePage &page = Rtf::CodePage::forNumber(number);
        QVERIFY(page.isSymbolFont());
        QCOMPARE(page.number(), number);
        for (int byte = 0; byte < 256; ++byte) {
            const auto b = static_cast<unsigned char>(byte);
            QCOMPARE(page.unit(b), Rtf::symbolFontUnit(number, b));
        }
    }
}

void TestRtfCodePage::multiBytePages_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Shift-JIS") << 932 << QByteArray("\x82\xa0\x83\x41") << u"あア"_s;
    QTest::newRow("GBK") << 936 << QByteArray("\xc4\xe3\xba\xc3") << u"你好"_s;
    QTest::newRow("Big5") << 950 << QByteArray("\xa7\x41\xa6\x6e") << u"你好"_s;
    QTest::newRow("UTF-8") << 65001 << QByteArray("\xc3\xa4\xe2\x82\xac") << u"ä€"_s;
}

void TestRtfCodePage::multiBytePages()
{
    QFETCH(int, number);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const Rtf::CodePage &page = Rtf::CodePage::forNumber(number);
    QVERIFY(!page.isSingleByte());
    QCOMPARE(page.decodeMultiByte(bytes), text);
    QCOMPARE(page.decodeMultiByte(bytes), text); // no state carried from one call to the next
    for (int byte = 0; byte < 128; ++byte)
        QCOMPARE(page.unit(static_cast<unsigned char>(byte)), char16_t(byte));
}

void TestRtfCodePage::eachPageIsBuiltOnce()
{
    QCOMPARE(&Rtf::CodePage::forNumber(1251), &Rtf::CodePage::forNumber(1251));
    QCOMPARE(&Rtf::CodePages::get(1251), &Rtf::CodePage::forNumber(1251));
    QVERIFY(&Rtf::CodePage::forNumber(1251) != &Rtf::CodePage::forNumber(1250));
    // Unknown numbers share the Windows-1252 page rather than building one each.
    QCOMPARE(&Rtf::CodePage::forNumber(4711), &Rtf::CodePage::forNumber(1252));
}

void TestRtfCodePage::threadsShareThePages()
{
    // Pages not built yet in this process, asked for by several threads at once.
    const std::vector<int> numbers = {1257, 1258, 874, 850, 949};
    std::vector<std::vector<const Rtf::CodePage *>> seen(4);
    std::vector<std::thread> threads;
    for (auto &pages : seen)
        threads.emplace_back([&numbers, &pages] {
            for (const int number : numbers)
                pages.push_back(&Rtf::CodePage::forNumber(number));
        });
    for (auto &thread : threads)
        thread.join();
    for (const auto &pages : seen)
        QCOMPARE(pages, seen.front());
    QCOMPARE(seen.front().at(0)->unit(0xe0), converterUnit("windows-1257", 0xe0));
}

QTEST_MAIN(TestRtfCodePage)
#include "test_rtfcodepage.moc"
