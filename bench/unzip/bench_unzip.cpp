// Benchmarks of the ZIP engine (host, Release):
//   Extract/Deflated64M  beside  RawInflate/Deflated64M  (zlib alone, in memory)
//   Extract/Stored64M    beside  FileCopy/64M            (fread/fwrite, 64 KiB)
//   List/250Members
//   PeakMemory/Deflated16M and /Deflated256M: the engine's peak resident
//     memory while extracting, measured in a child process (counter peak_kib,
//     above the child's baseline); it must not grow with the member.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/zippack/zipwriter.h"
#include "unzip/engine.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const fs::path& Folder() {
  static const fs::path p = [] {
    fs::path f = fs::temp_directory_path() / ("bench-unzip-" + std::to_string(getpid()));
    fs::create_directories(f);
    return f;
  }();
  return p;
}

// Text-like bytes: deflate shrinks them to about a third.
Bytes TextLike(size_t n) {
  static const char* words[] = {"setup ", "archive ", "member ", "window ", "the ", "install\n", "of ",
                                "product ", "version ", "file ", "directory ", "extract "};
  Bytes b;
  b.reserve(n);
  uint32_t x = 12345;
  while (b.size() < n) {
    x = x * 1103515245u + 12345u;
    const char* w = words[(x >> 16) % 12];
    while (*w && b.size() < n) b.push_back(static_cast<uint8_t>(*w++));
    if ((x >> 8) % 7 == 0) b.push_back(static_cast<uint8_t>('0' + (x >> 20) % 10));
  }
  b.resize(n);
  return b;
}

void WriteFile(const fs::path& p, const Bytes& b) {
  std::FILE* f = std::fopen(p.string().c_str(), "wb");
  std::fwrite(b.data(), 1, b.size(), f);
  std::fclose(f);
}

// An archive of one member; returns its path.
std::string MakeArchive(const char* name, size_t size, ZIPPACK::METHOD method, Bytes* deflated = nullptr) {
  ZIPPACK::MEMBERPLAN m;
  m.name = "member.bin";
  m.data = TextLike(size);
  m.method = method;
  m.deflate_level = 6;
  if (deflated) {
    uint16_t mt, fl;
    *deflated = ZIPPACK::ZIPWRITER::Encode(m, &mt, &fl);
  }
  ZIPPACK::ZIPWRITER w;
  w.Add(std::move(m));
  fs::path p = Folder() / name;
  WriteFile(p, w.Finish());
  return p.string();
}

void Discard(int, const char*, size_t) {}

int Engine(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  UNZIP::SetMessageSink(Discard);
  return UnzipMain(static_cast<int>(words.size()), argv.data());
}

void Extract(benchmark::State& state, const std::string& archive, size_t size) {
  std::string out = (Folder() / "out").string();
  for (auto _ : state) {
    if (Engine({"unzip", "-qq", "-o", archive, "-d", out}) != 0) state.SkipWithError("engine failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

constexpr size_t k64M = size_t{64} << 20;

void BM_ExtractDeflated64M(benchmark::State& state) {
  static std::string archive = MakeArchive("deflated64.zip", k64M, ZIPPACK::METHOD::kDeflate);
  Extract(state, archive, k64M);
}

void BM_RawInflateDeflated64M(benchmark::State& state) {
  static Bytes deflated;
  static std::string archive = MakeArchive("deflated64b.zip", k64M, ZIPPACK::METHOD::kDeflate, &deflated);
  std::vector<uint8_t> out(65536);
  for (auto _ : state) {
    z_stream zs;
    std::memset(&zs, 0, sizeof zs);
    inflateInit2(&zs, -MAX_WBITS);
    zs.next_in = deflated.data();
    zs.avail_in = static_cast<uInt>(deflated.size());
    int ret;
    do {
      zs.next_out = out.data();
      zs.avail_out = static_cast<uInt>(out.size());
      ret = inflate(&zs, Z_NO_FLUSH);
    } while (ret == Z_OK);
    if (ret != Z_STREAM_END || zs.total_out != k64M) state.SkipWithError("inflate failed");
    inflateEnd(&zs);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * k64M));
}

void BM_ExtractStored64M(benchmark::State& state) {
  static std::string archive = MakeArchive("stored64.zip", k64M, ZIPPACK::METHOD::kStored);
  Extract(state, archive, k64M);
}

void BM_FileCopy64M(benchmark::State& state) {
  static std::string source = MakeArchive("copy64.zip", k64M, ZIPPACK::METHOD::kStored);
  std::string target = (Folder() / "copy.bin").string();
  std::vector<char> buffer(65536);
  for (auto _ : state) {
    std::FILE* in = std::fopen(source.c_str(), "rb");
    std::FILE* out = std::fopen(target.c_str(), "wb");
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) std::fwrite(buffer.data(), 1, n, out);
    std::fclose(in);
    std::fclose(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * k64M));
}

void BM_List250Members(benchmark::State& state) {
  static std::string archive = [] {
    ZIPPACK::ZIPWRITER w;
    for (int i = 0; i < 250; ++i) {
      ZIPPACK::MEMBERPLAN m;
      m.name = "product/folder" + std::to_string(i % 10) + "/file" + std::to_string(i) + ".dat";
      m.data = TextLike(2000);
      w.Add(std::move(m));
    }
    fs::path p = Folder() / "list250.zip";
    WriteFile(p, w.Finish());
    return p.string();
  }();
  for (auto _ : state) {
    if (Engine({"unzip", "-v", archive}) != 0) state.SkipWithError("listing failed");
  }
}

// Peak resident memory of a child that extracts the archive, less that of
// a child that does nothing.
long ChildPeakKib(const std::string& archive) {
  pid_t pid = fork();
  if (pid == 0) {
    int status = archive.empty() ? 0 : Engine({"unzip", "-qq", "-o", archive, "-d", (Folder() / "peak").string()});
    _exit(status);
  }
  int status = 0;
  struct rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

void PeakMemory(benchmark::State& state, size_t size, const char* name) {
  std::string archive = MakeArchive(name, size, ZIPPACK::METHOD::kDeflate);
  long peak = 0, base = 0;
  for (auto _ : state) {
    base = ChildPeakKib("");
    peak = ChildPeakKib(archive);
  }
  if (peak < 0) state.SkipWithError("extraction failed");
  state.counters["peak_kib"] = static_cast<double>(peak - base);
  fs::remove(archive);
}

void BM_PeakMemoryDeflated16M(benchmark::State& state) { PeakMemory(state, size_t{16} << 20, "peak16.zip"); }
void BM_PeakMemoryDeflated256M(benchmark::State& state) { PeakMemory(state, size_t{256} << 20, "peak256.zip"); }

BENCHMARK(BM_ExtractDeflated64M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RawInflateDeflated64M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ExtractStored64M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FileCopy64M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_List250Members)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PeakMemoryDeflated16M)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PeakMemoryDeflated256M)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(Folder(), ec);
  return 0;
}
