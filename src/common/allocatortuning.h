#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace iconsmith {

/**
 * Tells the process's allocator to keep large blocks. Pictures come and go in buffers of
 * megabytes; by default each is a fresh mapping, returned to the system when freed, and the
 * next one pays a page fault for every 4 KiB again, which on a virtual machine costs more than
 * the work done in the buffer. Keeping large blocks in the heap lets one render reuse the
 * memory of the last. A program's main() decides this, never the library.
 */
inline void tuneAllocatorForLargeBuffers()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

} // namespace iconsmith
