// A key=value file of 1,000 keys: loading it, and looking up every key.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "foundation/dynarray.h"

namespace {

constexpr int KeyCount = 1000;

std::string KeyName(int i) { return "Key" + std::to_string((i * 7919) % KeyCount); }

// The file, written once, in the temporary folder.
const std::string& ThousandKeyFile() {
  static std::string name = [] {
    std::string path = "/tmp/halvix-bench-1000keys.cfg";
    STRINGARRAY list;
    for (int i = 0; i < KeyCount; ++i) list.Value(KeyName(i).c_str()) = ("value of the key " + std::to_string(i)).c_str();
    list.Save(path.c_str());
    return path;
  }();
  return name;
}

void LoadThousandKeys(benchmark::State& state) {
  const std::string& file = ThousandKeyFile();
  for (auto _ : state) {
    STRINGARRAY list;
    list.Load(file.c_str());
    benchmark::DoNotOptimize(list.Keys.ItemCount);
  }
}
BENCHMARK(LoadThousandKeys)->Unit(benchmark::kMicrosecond);

void LookUpEveryKey(benchmark::State& state) {
  STRINGARRAY list;
  list.Load(ThousandKeyFile().c_str());
  std::vector<std::string> keys;
  for (int i = 0; i < KeyCount; ++i) keys.push_back(KeyName(i));
  for (auto _ : state) {
    for (const std::string& k : keys) benchmark::DoNotOptimize(list.Value(k.c_str()).Buffer);
  }
  state.SetItemsProcessed(state.iterations() * KeyCount);
}
BENCHMARK(LookUpEveryKey)->Unit(benchmark::kMicrosecond);

}  // namespace
