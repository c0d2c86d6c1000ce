// The engine's and the decoders' memory: every buffer and table comes from
// Allocate, so tests can make the nth allocation fail and see the statuses
// and messages of a machine out of memory (4 for the engine's buffers, 5 for
// a decoder's tables).
#pragma once

#include <cstddef>

namespace UNZIP {

// Null when no memory can be had.
void* Allocate(std::size_t bytes);
void Release(void* block);

// Test seam: the nth allocation from now (1 = the next) fails; 0 switches
// the seam off.
void FailNthAllocation(int n);

}  // namespace UNZIP
