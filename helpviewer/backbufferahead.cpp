// Making the back buffer's pages present before the first frame.
#include "helpviewer/backbufferahead.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace Viewer {

bool makePagesPresent(const void *begin, qsizetype size)
{
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (!begin || size <= 0 || pageSize <= 0)
        return false;
    const auto page = std::uintptr_t(pageSize);
    const auto first = reinterpret_cast<std::uintptr_t>(begin) & ~(page - 1);
    const auto end =
        (reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(size) + page - 1) & ~(page - 1);
    // Linux 5.14 and later; older kernels refuse the advice and nothing changes.
    return ::madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE) == 0;
}

void BackBufferAhead::install(QWidget *window)
{
    window->installEventFilter(new BackBufferAhead(window));
}

BackBufferAhead::BackBufferAhead(QWidget *window) : QObject(window), m_window(window)
{}

bool BackBufferAhead::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::UpdateRequest)
        return false;
    if (QBackingStore *store = m_window->backingStore()) {
        if (store->size() != m_window->size())
            store->resize(m_window->size());
        const QPaintDevice *device = store->paintDevice();
        if (device && device->devType() == QInternal::Image) {
            const auto *image = static_cast<const QImage *>(device);
            makePagesPresent(image->constBits(), image->sizeInBytes());
        }
    }
    m_window->removeEventFilter(this);
    deleteLater();
    return false;
}

} // namespace Viewer
