// Rows made ahead on Qt's pool fill a list exactly as addItems() does, also through the index page.
#include "helpviewer/indexlist.h"
#include "helpviewer/listrowsahead.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QStringList labels(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << u"Thema %1"_s.arg(i);
    return list;
}

QStringList texts(const QListWidget &list)
{
    QStringList all;
    for (int row = 0; row < list.count(); ++row)
        all << list.item(row)->text();
    return all;
}
} // namespace

class TestListRowsAhead : public QObject
{
    Q_OBJECT

private slots:
    void fillsInOrder_data();
    void fillsInOrder();
    void sameViewAsAddItems();
    void rowsNeverTakenAreDeleted();
    void longIndexShownFromRowsAhead();
};

void TestListRowsAhead::fillsInOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("a few") << 3;
    QTest::newRow("thousands") << 2500;
}

void TestListRowsAhead::fillsInOrder()
{
    QFETCH(int, count);
    QListWidget list;
    Viewer::ListRowsAhead rows(labels(count));
    rows.fill(&list);
    QCOMPARE(texts(list), labels(count));
    for (int row = 0; row < list.count(); ++row)
        QCOMPARE(list.item(row)->listWidget(), &list);
    // Once only; and the list's model speaks again for the rows added later.
    rows.fill(&list);
    QCOMPARE(list.count(), count);
    QVERIFY(!list.model()->signalsBlocked());
    QSignalSpy inserted(list.model(), &QAbstractItemModel::rowsInserted);
    list.addItem(u"danach"_s);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(list.item(count)->text(), u"danach"_s);
}

void TestListRowsAhead::sameViewAsAddItems()
{
    // Shown side by side, a list filled ahead and one filled by addItems() lay their rows out alike,
    // also when the view had laid itself out empty before.
    const QStringList entries = labels(2500);
    QListWidget plain;
    QListWidget ahead;
    for (QListWidget *list : {&plain, &ahead}) {
        list->setUniformItemSizes(true);
        list->resize(300, 200);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list));
    }
    plain.addItems(entries);
    Viewer::ListRowsAhead rows(entries);
    rows.fill(&ahead);
    QTRY_VERIFY(plain.verticalScrollBar()->maximum() > 0);
    QTRY_COMPARE(ahead.verticalScrollBar()->maximum(), plain.verticalScrollBar()->maximum());
    QCOMPARE(ahead.visualItemRect(ahead.item(5)), plain.visualItemRect(plain.item(5)));
    for (QListWidget *list : {&plain, &ahead}) {
        list->setCurrentRow(2000);
        list->scrollToItem(list->currentItem());
    }
    QCOMPARE(ahead.verticalScrollBar()->value(), plain.verticalScrollBar()->value());
    QCOMPARE(ahead.currentItem()->text(), u"Thema 2000"_s);
    QCOMPARE(ahead.selectedItems().size(), 1);
}

void TestListRowsAhead::rowsNeverTakenAreDeleted()
{
    // A viewer that never shows its index leaves its rows to the destructor (the sanitized build
    // reports them if they leak).
    const Viewer::ListRowsAhead rows(labels(1500));
}

void TestListRowsAhead::longIndexShownFromRowsAhead()
{
    QWidget page;
    page.resize(300, 300);
    auto *index = new Tessavor::IndexList(&page);
    index->setGeometry(0, 0, 300, 300);
    index->hide();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QStringList entries = labels(3000);
    index->setEntries(entries);
    index->show();
    QCOMPARE(texts(*index->list()), entries);
    // Typing still finds its row among the rows made ahead.
    QTest::keyClicks(index->edit(), u"Thema 2999"_s);
    QCOMPARE(index->list()->currentItem()->text(), u"Thema 2999"_s);
    // New entries replace the ones made ahead.
    index->setEntries(QStringList{u"A"_s, u"B"_s});
    QCOMPARE(texts(*index->list()), (QStringList{u"A"_s, u"B"_s}));
}

QTEST_MAIN(TestListRowsAhead)
#include "test_listrowsahead.moc"
