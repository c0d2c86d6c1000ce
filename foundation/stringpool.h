// The block pool behind STRING: blocks of exactly 96 bytes are recycled
// through a process-wide stack of at most 127 free blocks; every other size
// comes from and goes back to the heap.
#pragma once

// A block of size bytes (its content undefined: the string fills it), or
// null when no memory could be had.
char* AllocateStringBlock(int size);
// Gives back a block that AllocateStringBlock made with this size.
void ReleaseStringBlock(char* block, int size);

// A block of newSize bytes that starts with the first keep bytes of block
// (given back); heap blocks are resized in place where the heap can, so
// large strings grow without copying. Null (and block untouched) when no
// memory could be had.
char* ResizeStringBlock(char* block, int size, int newSize, int keep);

// Blocks on the pool's stack now (for tests and benchmarks).
int PooledStringBlocks();
