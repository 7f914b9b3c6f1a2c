// SPDX-License-Identifier: GPL-3.0-or-later
#include "release_free_memory.h"

#include <cstdlib> // names the C library: __GLIBC__

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace toolkit {

// glibc keeps free memory at the top of its heap up to a threshold that grows with the
// largest block freed, so the megabytes of a long text stay resident until trimmed.
void releaseFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace toolkit
