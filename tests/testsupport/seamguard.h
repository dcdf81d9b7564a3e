// Scoped test seams: a seam is switched for the length of a scope and restored on every way out,
// a failed check included, so that one test function cannot leave it switched for the next.
#pragma once

#include <functional>
#include <utility>

namespace TestSupport {

// Runs `start` now and `restore` when the scope ends.
class SeamGuard
{
public:
    SeamGuard(const std::function<void()> &start, std::function<void()> restore)
        : m_restore(std::move(restore))
    {
        start();
    }
    ~SeamGuard() { m_restore(); }
    SeamGuard(const SeamGuard &) = delete;
    SeamGuard &operator=(const SeamGuard &) = delete;

private:
    std::function<void()> m_restore;
};

} // namespace TestSupport
