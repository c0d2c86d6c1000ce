#include "foundation/stringpool.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "foundation/str.h"
#include "osys/sync.h"

namespace {

constexpr int PoolBlockSize = 96;
constexpr int PoolCapacity = 127;

// Plain values, constant-initialised, so that static STRINGs may allocate
// before any constructor has run.
char* FreeBlocks[PoolCapacity];
int FreeCount = 0;
std::atomic<bool> PoolClosed{false};
CRITSECT* PoolLock = nullptr;
std::once_flag PoolLockMade;

CRITSECT* Lock() {
  std::call_once(PoolLockMade, [] { PoolLock = new CRITSECT; });
  return PoolLock;
}

}  // namespace

char* AllocateStringBlock(int size) {
  if (size == PoolBlockSize && !PoolClosed.load()) {
    char* block = nullptr;
    {
      CRITSECTLOCK hold(Lock());
      if (FreeCount > 0) block = FreeBlocks[--FreeCount];
    }
    if (block != nullptr) return block;
  }
  return static_cast<char*>(std::malloc(static_cast<size_t>(size)));
}

void ReleaseStringBlock(char* block, int size) {
  if (block == nullptr) return;
  if (size == PoolBlockSize && !PoolClosed.load()) {
    CRITSECTLOCK hold(Lock());
    if (FreeCount < PoolCapacity) {
      FreeBlocks[FreeCount++] = block;
      return;
    }
  }
  std::free(block);
}

char* ResizeStringBlock(char* block, int size, int newSize, int keep) {
  if (block != nullptr && size != PoolBlockSize && newSize != PoolBlockSize)
    return static_cast<char*>(std::realloc(block, static_cast<size_t>(newSize)));
  char* fresh = AllocateStringBlock(newSize);
  if (fresh == nullptr) return nullptr;
  if (keep > 0) std::memcpy(fresh, block, static_cast<size_t>(keep));
  ReleaseStringBlock(block, size);
  return fresh;
}

int PooledStringBlocks() {
  if (PoolClosed.load()) return 0;
  CRITSECTLOCK hold(Lock());
  return FreeCount;
}

void ReleaseStringPool() {
  if (PoolClosed.load()) return;
  CRITSECT* lock = Lock();
  lock->Enter();
  while (FreeCount > 0) std::free(FreeBlocks[--FreeCount]);
  PoolClosed = true;
  lock->Leave();
  delete lock;
  PoolLock = nullptr;
}
