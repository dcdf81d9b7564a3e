// Keeping the start-up helper threads off the processor of the window's thread.
#include "helpviewer/helperthreads.h"

#include <atomic>
#include <thread>

namespace Viewer::HelperThreads {

namespace {
std::atomic<int> windowProcessor{-1};

bool allowedProcessors(cpu_set_t &set)
{
    CPU_ZERO(&set);
    return sched_getaffinity(0, sizeof set, &set) == 0;
}

// `allowed` without the window thread's processor; empty when none was noted.
cpu_set_t withoutWindowProcessor(cpu_set_t allowed)
{
    const int window = windowProcessor.load(std::memory_order_relaxed);
    if (window < 0 || window >= CPU_SETSIZE)
        CPU_ZERO(&allowed);
    else
        CPU_CLR(window, &allowed);
    return allowed;
}

// Moves the calling thread to `others`; where that fails or leaves nothing, it yields.
bool moveTo(const cpu_set_t &others)
{
    if (CPU_COUNT(&others) > 0 && sched_setaffinity(0, sizeof others, &others) == 0)
        return true;
    std::this_thread::yield();
    return false;
}
} // namespace

void noteWindowThread()
{
    windowProcessor.store(sched_getcpu(), std::memory_order_relaxed);
}

cpu_set_t otherProcessors()
{
    cpu_set_t allowed;
    if (!allowedProcessors(allowed))
        CPU_ZERO(&allowed);
    return withoutWindowProcessor(allowed);
}

void stepAside()
{
    moveTo(otherProcessors());
}

StepAsideWhile::StepAsideWhile()
{
    if (!allowedProcessors(m_allowed))
        CPU_ZERO(&m_allowed);
    m_moved = moveTo(withoutWindowProcessor(m_allowed));
}

StepAsideWhile::~StepAsideWhile()
{
    if (m_moved)
        sched_setaffinity(0, sizeof m_allowed, &m_allowed);
}

} // namespace Viewer::HelperThreads
