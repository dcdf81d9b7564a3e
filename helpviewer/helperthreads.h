// The viewer's helper threads: kept off the window thread's processor; work for Qt's pool.
#pragma once

#include <QThreadPool>

#include <future>
#include <memory>
#include <sched.h>
#include <type_traits>

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

// Runs `work` on a thread of Qt's global pool, or in place when the pool has no thread free; the
// future holds its result. The pool takes only a copyable task, hence the shared one.
template <typename Work> std::future<std::invoke_result_t<Work>> onPool(Work work)
{
    auto task = std::make_shared<std::packaged_task<std::invoke_result_t<Work>()>>(std::move(work));
    std::future<std::invoke_result_t<Work>> result = task->get_future();
    if (!QThreadPool::globalInstance()->tryStart([task] { (*task)(); }))
        (*task)();
    return result;
}

} // namespace Viewer::HelperThreads
