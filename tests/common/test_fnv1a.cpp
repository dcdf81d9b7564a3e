// The word-wise checksum: hashed in pieces it gives what the whole gives, and no single changed bit
// goes unnoticed.
#include "common/fnv1a.h"

#include <QTest>

#include <string>

namespace {
std::string sample(int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += char((i * 37 + 11) & 0xff);
    return bytes;
}
} // namespace

class TestFnv1a : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void piecesGiveTheWhole_data();
    void piecesGiveTheWhole();
    void shortTailIsByteWise();
    void everyBitCounts_data();
    void everyBitCounts();
};

void TestFnv1a::piecesGiveTheWhole_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("last");
    // As a header, its lines and the pool of a kept file: whole words before the last piece.
    QTest::newRow("header, lines, pool") << 72 << 400 << 37;
    QTest::newRow("no lines") << 72 << 0 << 5;
    QTest::newRow("no pool") << 72 << 40 << 0;
    QTest::newRow("last piece of whole words") << 8 << 16 << 24;
}

void TestFnv1a::piecesGiveTheWhole()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, last);
    const std::string whole = sample(first + second + last);
    const std::string_view view(whole);
    quint64 hash = fnv1a64Words(view.substr(0, size_t(first)));
    hash = fnv1a64Words(view.substr(size_t(first), size_t(second)), hash);
    hash = fnv1a64Words(view.substr(size_t(first + second)), hash);
    QCOMPARE(hash, fnv1a64Words(view));
}

void TestFnv1a::shortTailIsByteWise()
{
    // Fewer than eight bytes are hashed byte by byte, as fnv1a64 does.
    for (int size = 0; size < 8; ++size) {
        const std::string bytes = sample(size);
        QCOMPARE(fnv1a64Words(bytes), fnv1a64(bytes));
    }
    QVERIFY(fnv1a64Words(sample(8)) != fnv1a64(sample(8)));
}

void TestFnv1a::everyBitCounts_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("whole words") << 48;
    QTest::newRow("with a tail") << 53;
}

void TestFnv1a::everyBitCounts()
{
    QFETCH(int, size);
    const std::string bytes = sample(size);
    const quint64 intact = fnv1a64Words(bytes);
    for (int bit = 0; bit < size * 8; ++bit) {
        std::string damaged = bytes;
        damaged[size_t(bit / 8)] = char(damaged[size_t(bit / 8)] ^ (1 << (bit % 8)));
        if (fnv1a64Words(damaged) == intact)
            QFAIL(qPrintable(QStringLiteral("bit %1 changed nothing").arg(bit)));
    }
}

QTEST_APPLESS_MAIN(TestFnv1a)
#include "test_fnv1a.moc"
