// STRING's growth and block pool against the standard library and the heap.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/str.h"
#include "foundation/stringpool.h"

namespace {

constexpr int Appends = 10'000'000;

void StringAppendOneByte(benchmark::State& state) {
  int reallocations = 0;
  for (auto _ : state) {
    STRING s;
    reallocations = 0;
    int capacity = 0;
    for (int i = 0; i < Appends; ++i) {
      s.Append("x", 1);
      if (s.BufLen != capacity) {
        capacity = s.BufLen;
        ++reallocations;
      }
    }
    benchmark::DoNotOptimize(s.Buffer);
  }
  state.counters["reallocations"] = reallocations;
}
BENCHMARK(StringAppendOneByte)->Unit(benchmark::kMillisecond);

void StdStringAppendOneByte(benchmark::State& state) {
  int reallocations = 0;
  for (auto _ : state) {
    std::string s;
    reallocations = 0;
    size_t capacity = s.capacity();
    for (int i = 0; i < Appends; ++i) {
      s.append("x", 1);
      if (s.capacity() != capacity) {
        capacity = s.capacity();
        ++reallocations;
      }
    }
    benchmark::DoNotOptimize(s.data());
  }
  state.counters["reallocations"] = reallocations;
}
BENCHMARK(StdStringAppendOneByte)->Unit(benchmark::kMillisecond);

// 100 blocks of 96 bytes taken and given back, as short-lived strings do.
constexpr int Batch = 100;

void PooledBlocks(benchmark::State& state) {
  std::vector<char*> blocks(Batch);
  for (auto _ : state) {
    for (char*& b : blocks) b = AllocateStringBlock(96);
    for (char* b : blocks) ReleaseStringBlock(b, 96);
  }
  state.SetItemsProcessed(state.iterations() * Batch);
}
BENCHMARK(PooledBlocks);

void HeapBlocks(benchmark::State& state) {
  std::vector<char*> blocks(Batch);
  for (auto _ : state) {
    for (char*& b : blocks) {
      b = static_cast<char*>(std::calloc(96, 1));
      benchmark::DoNotOptimize(b);
    }
    for (char* b : blocks) std::free(b);
  }
  state.SetItemsProcessed(state.iterations() * Batch);
}
BENCHMARK(HeapBlocks);

void SmallStrings(benchmark::State& state) {
  for (auto _ : state) {
    STRING s("a short configuration value");
    benchmark::DoNotOptimize(s.Buffer);
  }
}
BENCHMARK(SmallStrings);

}  // namespace

BENCHMARK_MAIN();
