// Keeping the start-up helper threads off the processor of the window's thread.
#pragma once

#include <sched.h>

namespace Viewer::HelperThreads {

// Notes the processor the calling thread (the window's) runs on now. Called at the start of main,
// before any helper thread is made; until then a helper only yields.
void noteWindowThread();

// Gets the calling helper thread out of the window thread's way. A new thread often starts on the
// processor of the thread that made it and takes it over; the scheduler then leaves the window's
// thread waiting for up to a whole tick (4 ms) while the other processor is idle. The helper moves
// to the other processors it may use and stays there; where there is no other (one processor, or
// none noted), it only yields. Threads the helper makes inherit where it may run: a helper that
// makes threads that outlive the start-up keeps to yielding.
void stepAside();

// stepAside() for a thread that lives on (a thread of Qt's pool): where it may run is given back
// when this ends.
class StepAsideWhile
{
public:
    StepAsideWhile();
    ~StepAsideWhile();
    StepAsideWhile(const StepAsideWhile &) = delete;
    StepAsideWhile &operator=(const StepAsideWhile &) = delete;

private:
    cpu_set_t m_allowed;
    bool m_moved = false;
};

// The processors the calling thread may run on other than the window thread's; empty where none is
// left or no window thread was noted. For the tests.
cpu_set_t otherProcessors();

} // namespace Viewer::HelperThreads
