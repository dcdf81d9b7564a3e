// List rows made on a thread of Qt's pool before their list is first shown.
#pragma once

#include <QStringList>

#include <future>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace Viewer {

// Made row by row when the list is first shown, 10,000 index entries cost the window's thread
// about 2 ms (an item, its data and their allocations each). The items need no list to be made, so
// a thread of Qt's pool makes them while the window is built (in place when the pool has no thread
// free), and the list takes them in one step: the same rows in the same order as addItems() gives.
class ListRowsAhead
{
public:
    explicit ListRowsAhead(const QStringList &labels);
    // Waits for the pool's thread; rows no list took are deleted.
    ~ListRowsAhead();
    ListRowsAhead(const ListRowsAhead &) = delete;
    ListRowsAhead &operator=(const ListRowsAhead &) = delete;

    // Puts the rows into `list`, which has none yet, waiting for those not made yet. Once: a
    // second call adds nothing.
    void fill(QListWidget *list);

private:
    std::future<std::vector<QListWidgetItem *>> m_rows;
};

} // namespace Viewer
