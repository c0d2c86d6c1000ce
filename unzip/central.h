// The central directory: one header per member, read in archive order.
#pragma once

#include "unzip/run.h"

namespace UNZIP {

constexpr int kMaxName = 260;  // longer names are cut
constexpr int kCentralHeaderSize = 46;
constexpr int kLocalHeaderSize = 30;

struct ENTRY {
  uint16_t version_made;
  uint16_t version_needed;
  uint16_t flags;
  uint16_t method;
  uint16_t time;
  uint16_t date;
  uint32_t crc;
  uint32_t compressed_size;
  uint32_t uncompressed_size;
  uint16_t name_length;
  uint16_t extra_length;
  uint16_t comment_length;
  uint16_t internal_attributes;
  uint32_t external_attributes;
  uint32_t local_offset;

  int host;             // system that made the member, at most 12
  bool lower_case;      // the name was lower-cased when read
  bool volume_label;
  char name[kMaxName + 1];
};

enum CentralResult { kCentralOk, kCentralBadSignature, kCentralTruncated };

// Reads the header at the archive's position, its name (by ReadName) and
// skips its extra field and comment. `number` counts from 1 for messages.
CentralResult ReadCentralEntry(RUN& run, unsigned number, ENTRY* entry);

// Reads a name of `length` bytes: at most 260 are kept (with a warning), the
// rest skipped; lower-cased when `lower_case`. False when the archive ends.
bool ReadName(ARCHIVE& archive, unsigned length, bool lower_case, char* name);

}  // namespace UNZIP
