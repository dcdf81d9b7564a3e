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
    cpu_set_t others;
    const int window = windowProcessor.load(std::memory_order_relaxed);
    if (window < 0 || window >= CPU_SETSIZE || !allowedProcessors(others)) {
        CPU_ZERO(&others);
        return others;
    }
    CPU_CLR(window, &others);
    return others;
}

void stepAside()
{
    moveTo(otherProcessors());
}

StepAsideWhile::StepAsideWhile()
{
    if (allowedProcessors(m_allowed))
        m_moved = moveTo(otherProcessors());
    else
        std::this_thread::yield();
}

StepAsideWhile::~StepAsideWhile()
{
    if (m_moved)
        sched_setaffinity(0, sizeof m_allowed, &m_allowed);
}

} // namespace Viewer::HelperThreads
