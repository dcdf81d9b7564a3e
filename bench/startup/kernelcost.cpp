// kernel_cost: what the kernel charges a program on this machine for two things every start-up does
// thousands of times: the first write to a fresh page of memory, and a system call. Under some
// hypervisors both cost ten times what they cost elsewhere, and every start-up figure with them.
//
//   kernel_cost
//
// Prints one line: "page <us> syscall <us>", each the median of nine measurements.
#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr long pageSize = 4096;
constexpr int pagesPerRound = 2048; // 8 MiB: far more than a cache holds, few enough to be quick
constexpr int callsPerRound = 20000;
constexpr int rounds = 9;

double nowUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// Microseconds for the first write to one page of a fresh mapping, in small pages: a start-up's
// heap, stacks and back buffer are mostly faulted in that way.
double freshPageUs()
{
    const size_t bytes = size_t(pagesPerRound) * pageSize;
    void *mapping = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        return -1;
    madvise(mapping, bytes, MADV_NOHUGEPAGE);
    auto *bytesOf = static_cast<volatile char *>(mapping);
    const double begun = nowUs();
    for (long page = 0; page < pagesPerRound; ++page)
        bytesOf[page * pageSize] = 1;
    const double took = nowUs() - begun;
    munmap(mapping, bytes);
    return took / pagesPerRound;
}

double systemCallUs()
{
    const double begun = nowUs();
    for (int i = 0; i < callsPerRound; ++i)
        syscall(SYS_getppid);
    return (nowUs() - begun) / callsPerRound;
}

template <typename Measure> double median(Measure measure)
{
    std::array<double, rounds> values{};
    for (double &value : values)
        value = measure();
    std::sort(values.begin(), values.end());
    return values[rounds / 2];
}

} // namespace

int main()
{
    const double page = median(freshPageUs);
    const double call = median(systemCallUs);
    if (page < 0) {
        std::fprintf(stderr, "kernel_cost: no memory could be mapped\n");
        return 1;
    }
    std::printf("page %.2f syscall %.3f\n", page, call);
    return 0;
}
