// Heap settings for a program that frees and rebuilds large listings at every folder change.

#include "core/system/memoryreuse.h"

#include <cstdlib> // defines __GLIBC__ on glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    // Blocks up to 32 MB (the most glibc allows here; the names of a million files take less)
    // come from the heap, where a freed one is reused, rather than from a mapping of their own
    // that is unmapped when freed.
    static_assert(kLargestReusedBlock <= size_t{32} << 20);
    mallopt(M_MMAP_THRESHOLD, int(kLargestReusedBlock));
    // Free memory at the top of the heap goes back to the kernel only beyond 128 MB: sorting a
    // million names takes some 70 MB, and beyond the threshold all of it would go back.
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}
