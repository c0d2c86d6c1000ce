#include "unzip/memory.h"

#include <cstdlib>

namespace UNZIP {
namespace {
int g_allocations_until_failure = 0;
}

void* Allocate(std::size_t bytes) {
  if (g_allocations_until_failure > 0 && --g_allocations_until_failure == 0) return nullptr;
  return std::malloc(bytes == 0 ? 1 : bytes);
}

void Release(void* block) { std::free(block); }

void FailNthAllocation(int n) { g_allocations_until_failure = n > 0 ? n : 0; }

}  // namespace UNZIP
