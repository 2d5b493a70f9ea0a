#pragma once
// How the program's heap treats freed memory: kept for the next folder's listing.

#include <cstddef>

/// The largest block the heap reuses; a larger one is mapped afresh and given back when freed.
inline constexpr size_t kLargestReusedBlock = size_t{32} << 20;

/// Lets the heap keep up to 128 MB of freed memory for reuse instead of handing it back to the
/// kernel. A folder change frees one listing and builds the next of about the same size; given
/// back, every page of the new one is faulted in afresh (some 1,300 pages for 100,000 names, at
/// microseconds each, more under virtualisation), which costs as much as sorting the names.
/// Call once at start, before the first allocation that matters.
void KeepFreedMemoryForReuse();
