#include "unzip/listing.h"

#include <cstdio>
#include <cstring>

#include "unzip/engine.h"
#include "unzip/messages.h"

namespace UNZIP {
namespace {

const char* MethodName(int method, char* scratch) {
  static const char* const names[] = {"Stored", "Shrunk", "Reduce1", "Reduce2", "Reduce3",
                                      "Reduce4", "Implode", "Token", "Deflate"};
  if (method >= 0 && method <= 8 && method != 7) return names[method];
  std::snprintf(scratch, 16, "Unk:%03d", method % 1000);
  return scratch;
}

// Control characters appear as "^" and the character plus 64.
void Printable(const char* name, char* out, size_t size) {
  size_t k = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p && k + 3 < size; ++p) {
    if (*p < 32) {
      out[k++] = '^';
      out[k++] = static_cast<char>(*p + 64);
    } else {
      out[k++] = static_cast<char>(*p);
    }
  }
  out[k] = '\0';
}

}  // namespace

int SavingPercent(uint64_t uncompressed, uint64_t compressed) {
  if (uncompressed == 0) return 0;
  int64_t saved = static_cast<int64_t>(uncompressed) - static_cast<int64_t>(compressed);
  int64_t tenths = saved * 1000 / static_cast<int64_t>(uncompressed);
  return static_cast<int>((tenths + (tenths < 0 ? -5 : 5)) / 10);
}

void LISTING::Header() {
  if (run_.options.quiet >= 2) return;
  if (run_.options.list_verbose) {
    Say(kStdout, "Archive:  %s\n", run_.archive_name);
    Say(kStdout, " Length   Method    Size  Cmpr    Date    Time   CRC-32   Name\n"
                 "--------  ------  ------- ---- ---------- ----- --------  ----\n");
  } else {
    Say(kStdout, "Archive:  %s\n  Length      Date    Time    Name\n---------  ---------- -----   ----\n",
        run_.archive_name);
  }
}

void LISTING::Member(const ENTRY& e) {
  char shown[2 * kMaxName + 1];
  Printable(e.name, shown, sizeof shown);
  int year = 1980 + (e.date >> 9), month = (e.date >> 5) & 15, day = e.date & 31;
  int hour = e.time >> 11, minute = (e.time >> 5) & 63;
  if (run_.options.list_verbose) {
    char scratch[16];
    Say(kStdout, "%8lu  %-7s%8lu %3d%%  %04d-%02d-%02d %02d:%02d %08lx  %s%s\n",
        static_cast<unsigned long>(e.uncompressed_size), MethodName(e.method, scratch),
        static_cast<unsigned long>(e.compressed_size), SavingPercent(e.uncompressed_size, e.compressed_size),
        year, month, day, hour, minute, static_cast<unsigned long>(e.crc), e.lower_case ? "^" : "", shown);
  } else {
    Say(kStdout, "%9lu  %04d-%02d-%02d %02d:%02d   %s%s\n", static_cast<unsigned long>(e.uncompressed_size),
        year, month, day, hour, minute, e.lower_case ? "^" : "", shown);
  }
  if (count_ < static_cast<unsigned>(kUnzipSlots)) {
    size_t n = std::strlen(e.name);
    if (n > static_cast<size_t>(kUnzipNameMax)) {
      Say(kStderr, "warning:  name too long for the member table, cut:  %s\n", shown);
      names_cut_ = true;
      n = kUnzipNameMax;
    }
    std::memcpy(UnzipNameTable[count_], e.name, n);
    UnzipNameTable[count_][n] = '\0';
    UnzipSizeTable[count_] = e.uncompressed_size;
  }
  ++count_;
  uncompressed_ += e.uncompressed_size;
  compressed_ += e.compressed_size;
}

void LISTING::Totals() {
  UnzipTotal = static_cast<uint32_t>(uncompressed_);
  if (run_.options.quiet < 2) {
    if (run_.options.list_verbose) {
      Say(kStdout, "--------          -------  ---                            -------\n"
                   "%8lu         %8lu %3d%%                            %u file%s\n",
          static_cast<unsigned long>(uncompressed_), static_cast<unsigned long>(compressed_),
          SavingPercent(uncompressed_, compressed_), count_, count_ == 1 ? "" : "s");
    } else {
      Say(kStdout, "---------                     -------\n%9lu                     %u file%s\n",
          static_cast<unsigned long>(uncompressed_), count_, count_ == 1 ? "" : "s");
    }
  }
  if (count_ > static_cast<unsigned>(kUnzipSlots)) {
    Say(kStderr, "warning:  %u members listed, only the first %d fit the member table\n", count_, kUnzipSlots);
    run_.Raise(1);
  }
  if (names_cut_) run_.Raise(1);
}

}  // namespace UNZIP
