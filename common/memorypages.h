// Memory pages made present in one call before a block is filled.
#pragma once

#include <QtGlobal>

namespace MemoryPages {

// Makes the pages of [begin, begin + size) present and writable, leaving their bytes as they are.
// Each first write to a fresh page traps into the kernel, which on a virtual machine costs about
// ten microseconds; a block that is filled whole right after (a file read into it, a table written
// line by line, a window's back buffer) costs less than half of that made present at once. False
// where the system cannot (Linux before 5.14); the pages then come one by one as they are written.
bool makePresent(const void *begin, qsizetype size);

} // namespace MemoryPages
