// List rows made on a thread of Qt's pool before their list is first shown.
#include "helpviewer/listrowsahead.h"

#include "helpviewer/helperthreads.h"

#include <QListWidget>

namespace Viewer {

ListRowsAhead::ListRowsAhead(const QStringList &labels)
    // An item made without a list touches nothing the window's thread uses; the labels are shared,
    // not copied.
    : m_rows(HelperThreads::onPool([labels] {
          std::vector<QListWidgetItem *> rows;
          rows.reserve(size_t(labels.size()));
          for (const QString &label : labels)
              rows.push_back(new QListWidgetItem(label));
          return rows;
      }))
{}

ListRowsAhead::~ListRowsAhead()
{
    if (m_rows.valid())
        qDeleteAll(m_rows.get());
}

void ListRowsAhead::fill(QListWidget *list)
{
    if (!m_rows.valid())
        return;
    const std::vector<QListWidgetItem *> rows = m_rows.get();
    {
        // The view hears of the rows once, from the reset below, instead of once for each row.
        const QSignalBlocker quiet(list->model());
        for (size_t row = 0; row < rows.size(); ++row)
            list->insertItem(int(row), rows[row]);
    }
    list->reset();
}

} // namespace Viewer
