// Making the back buffer's pages present before the first frame.
#include "helpviewer/backbufferahead.h"

#include "common/memorypages.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QWidget>

namespace Viewer {

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
            MemoryPages::makePresent(image->constBits(), image->sizeInBytes());
        }
    }
    m_window->removeEventFilter(this);
    deleteLater();
    return false;
}

} // namespace Viewer
