// The block pool behind STRING: blocks of exactly 96 bytes are recycled
// through a process-wide stack of at most 127 free blocks; every other size
// comes from and goes back to the heap.
#pragma once

// A zero-filled block of size bytes, or null when no memory could be had.
char* AllocateStringBlock(int size);
// Gives back a block that AllocateStringBlock made with this size.
void ReleaseStringBlock(char* block, int size);

// Blocks on the pool's stack now (for tests and benchmarks).
int PooledStringBlocks();
