// zippack: packs a directory into a ZIP archive, as product makers and the
// sample product need it, and writes the members and damage the tests need.
//
//   zippack [options] ARCHIVE DIRECTORY
//
// Options:
//   -m METHOD        auto (default: deflate, or store when that is smaller),
//                    store, deflate, shrink, reduce1..reduce4, implode,
//                    implode8k, implodelit, implode8klit
//   --host N         the "made by" system of every member (default 11, NTFS;
//                    0 makes names that the engine lower-cases)
//   --stub N         N bytes in front of the archive
//   --damage WHAT    crc:NAME, encrypt:NAME, truncate:NAME, method7:NAME,
//                    centralsig, localsig, nulloffset, disk2
//   -q               no listing of what was packed
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/zippack/zipwriter.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: zippack [-m METHOD] [--host N] [--stub N] [--damage WHAT]... [-q] ARCHIVE DIRECTORY\n"
               "  METHOD: auto store deflate shrink reduce1 reduce2 reduce3 reduce4\n"
               "          implode implode8k implodelit implode8klit\n"
               "  WHAT:   crc:NAME encrypt:NAME truncate:NAME method7:NAME\n"
               "          centralsig localsig nulloffset disk2\n");
  return 2;
}

// The file's modification time as MS-DOS local date and time.
void DosTime(const fs::path& p, uint16_t* date, uint16_t* time) {
  std::error_code ec;
  auto ft = fs::last_write_time(p, ec);
  std::time_t t = ec ? std::time(nullptr)
                     : std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::system_clock::duration>(fs::file_time_type::clock::to_sys(ft)));
  std::tm local = *std::localtime(&t);
  if (local.tm_year < 80) {
    *date = (1 << 5) | 1;
    *time = 0;
    return;
  }
  *date = static_cast<uint16_t>((local.tm_year - 80) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
  *time = static_cast<uint16_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
}

bool ReadFile(const fs::path& p, std::vector<uint8_t>* data) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return false;
  data->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return true;
}

struct DAMAGE {
  std::string kind;
  std::string member;
};

}  // namespace

int main(int argc, char** argv) {
  ZIPPACK::METHOD method = ZIPPACK::METHOD::kAuto;
  unsigned implode_flags = 0;
  int host = 11;
  size_t stub = 0;
  bool quiet = false;
  std::vector<DAMAGE> damage;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-m" && i + 1 < argc) {
      if (!ZIPPACK::ParseMethod(argv[++i], &method, &implode_flags)) return Usage();
    } else if (a == "--host" && i + 1 < argc) {
      host = std::atoi(argv[++i]);
    } else if (a == "--stub" && i + 1 < argc) {
      stub = static_cast<size_t>(std::atol(argv[++i]));
    } else if (a == "--damage" && i + 1 < argc) {
      std::string d = argv[++i];
      size_t colon = d.find(':');
      damage.push_back({d.substr(0, colon), colon == std::string::npos ? "" : d.substr(colon + 1)});
    } else if (a == "-q") {
      quiet = true;
    } else if (!a.empty() && a[0] == '-') {
      return Usage();
    } else {
      rest.push_back(a);
    }
  }
  if (rest.size() != 2) return Usage();
  const fs::path archive = rest[0], root = rest[1];
  std::error_code ec;
  if (!fs::is_directory(root, ec)) {
    std::fprintf(stderr, "zippack: %s is not a directory\n", rest[1].c_str());
    return 1;
  }

  // Every file, and every empty directory, in name order.
  std::vector<std::pair<std::string, fs::path>> entries;
  for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator(); ++it) {
    std::string name = fs::relative(it->path(), root).generic_string();
    if (it->is_directory()) {
      if (fs::is_empty(it->path())) entries.push_back({name + "/", it->path()});
    } else if (it->is_regular_file()) {
      entries.push_back({name, it->path()});
    }
  }
  std::sort(entries.begin(), entries.end());

  ZIPPACK::ZIPWRITER writer;
  for (const auto& [name, path] : entries) {
    ZIPPACK::MEMBERPLAN m;
    m.name = name;
    m.method = method;
    m.implode_flags = implode_flags;
    m.host = static_cast<uint8_t>(host);
    if (name.back() != '/' && !ReadFile(path, &m.data)) {
      std::fprintf(stderr, "zippack: cannot read %s\n", path.string().c_str());
      return 1;
    }
    DosTime(path, &m.dos_date, &m.dos_time);
    auto perms = fs::status(path, ec).permissions();
    bool read_only = (perms & fs::perms::owner_write) == fs::perms::none;
    m.external_attributes = name.back() == '/' ? 0x10 : (read_only ? 0x21 : 0x20);
    for (const DAMAGE& d : damage) {
      if (d.member != name) continue;
      if (d.kind == "crc") m.crc = 0xdeadbeef;
      if (d.kind == "encrypt") m.extra_flags = 1;
      if (d.kind == "method7") {
        m.method = ZIPPACK::METHOD::kStored;
        m.method_field = 7;
      }
      if (d.kind == "truncate") {
        uint16_t mt, fl;
        size_t coded = ZIPPACK::ZIPWRITER::Encode(m, &mt, &fl).size();
        m.truncate_data = coded / 2;
        m.compressed_size = static_cast<uint32_t>(coded / 2);
      }
    }
    if (!quiet) std::printf("  adding: %s (%zu bytes)\n", name.c_str(), m.data.size());
    writer.Add(std::move(m));
  }
  ZIPPACK::ARCHIVEOPTIONS options;
  options.stub.assign(stub, 'S');
  for (const DAMAGE& d : damage) {
    if (d.kind == "centralsig") options.break_central_signature = true;
    if (d.kind == "localsig") options.break_local_signature = true;
    if (d.kind == "nulloffset") options.zero_central_offset = true;
    if (d.kind == "disk2") options.this_disk = 2;
  }
  std::vector<uint8_t> bytes = writer.Finish(options);
  std::ofstream out(archive, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "zippack: cannot write %s\n", rest[0].c_str());
    return 1;
  }
  if (!quiet) std::printf("%s: %zu members, %zu bytes\n", rest[0].c_str(), entries.size(), bytes.size());
  return 0;
}
