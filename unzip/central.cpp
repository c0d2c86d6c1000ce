#include "unzip/central.h"

#include <cstring>

#include "unzip/messages.h"

namespace UNZIP {
namespace {

// Hosts whose names are upper-case only (MS-DOS FAT and its kin): their
// names are lower-cased unless -U.
bool LowerCaseHost(int host) { return host == 0 || host == 4 || host == 5 || host == 9 || host == 10; }
// Hosts whose attribute bit 3 marks a volume label.
bool VolumeLabelHost(int host) { return host == 0 || host == 5 || host == 6 || host == 11; }

bool Skip(ARCHIVE& archive, unsigned n) { return archive.Seek(archive.Tell() + n); }

}  // namespace

bool ReadName(ARCHIVE& archive, unsigned length, bool lower_case, char* name) {
  unsigned keep = length;
  if (keep > kMaxName) {
    Say(kStderr, "warning:  filename too long--truncating.\n");
    keep = kMaxName;
  }
  if (!archive.ReadExact(name, keep)) return false;
  name[keep] = '\0';
  if (keep < length && !Skip(archive, length - keep)) return false;
  if (lower_case) {
    for (char* p = name; *p; ++p) {
      if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
  }
  return true;
}

CentralResult ReadCentralEntry(RUN& run, unsigned number, ENTRY* e) {
  ARCHIVE& a = *run.archive;
  uint8_t h[kCentralHeaderSize];
  size_t got = a.Read(h, sizeof h);
  if (got >= 4 && !(h[0] == 'P' && h[1] == 'K' && h[2] == 1 && h[3] == 2)) {
    Say(kStderr, "error:  expected central file header signature not found (file #%u).\n", number);
    return kCentralBadSignature;
  }
  if (got < sizeof h) return kCentralTruncated;
  e->version_made = Get16(h + 4);
  e->version_needed = Get16(h + 6);
  e->flags = Get16(h + 8);
  e->method = Get16(h + 10);
  e->time = Get16(h + 12);
  e->date = Get16(h + 14);
  e->crc = Get32(h + 16);
  e->compressed_size = Get32(h + 20);
  e->uncompressed_size = Get32(h + 24);
  e->name_length = Get16(h + 28);
  e->extra_length = Get16(h + 30);
  e->comment_length = Get16(h + 32);
  e->internal_attributes = Get16(h + 36);
  e->external_attributes = Get32(h + 38);
  e->local_offset = Get32(h + 42);

  e->host = e->version_made >> 8;
  if (e->host > 12) e->host = 12;
  e->volume_label = VolumeLabelHost(e->host) && (e->external_attributes & 0x08) != 0;
  e->lower_case = !run.options.keep_case && LowerCaseHost(e->host) && !e->volume_label;
  if (!ReadName(a, e->name_length, e->lower_case, e->name)) return kCentralTruncated;
  if (e->volume_label && std::strlen(e->name) > 8 && e->name[8] == '.') {
    std::memmove(e->name + 8, e->name + 9, std::strlen(e->name + 9) + 1);
  }
  if (!Skip(a, static_cast<unsigned>(e->extra_length) + e->comment_length)) return kCentralTruncated;
  return kCentralOk;
}

}  // namespace UNZIP
