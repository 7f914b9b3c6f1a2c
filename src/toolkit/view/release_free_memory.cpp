#include "release_free_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace toolkit {

// glibc keeps freed memory below its top chunk, and freed chunks once mmapped raise the
// threshold for mmapping, so a long text freed stays resident until trimmed.
void releaseFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace toolkit
