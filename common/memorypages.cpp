// Making a block's pages present with one madvise call.
#include "common/memorypages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace MemoryPages {

bool makePresent(const void *begin, qsizetype size)
{
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (!begin || size <= 0 || pageSize <= 0)
        return false;
    const auto page = std::uintptr_t(pageSize);
    const auto first = reinterpret_cast<std::uintptr_t>(begin) & ~(page - 1);
    const auto end =
        (reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(size) + page - 1) & ~(page - 1);
    return ::madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE) == 0;
}

} // namespace MemoryPages
