#include "unzip/endrecord.h"

#include <cstring>

#include "unzip/messages.h"

namespace UNZIP {
namespace {

constexpr int64_t kBlock = static_cast<int64_t>(MEMBERINPUT::kBufferSize);
constexpr int kCarry = 3;

bool IsEndSignature(const uint8_t* p) { return p[0] == 'P' && p[1] == 'K' && p[2] == 5 && p[3] == 6; }

bool ReadRecord(ARCHIVE& archive, int64_t position, ENDRECORD* end) {
  uint8_t r[kEndRecordSize];
  if (!archive.ReadAt(position, r, sizeof r)) return false;
  end->position = position;
  end->this_disk = Get16(r + 4);
  end->central_disk = Get16(r + 6);
  end->entries_here = Get16(r + 8);
  end->entries = Get16(r + 10);
  end->central_size = Get32(r + 12);
  end->central_offset = Get32(r + 16);
  end->comment_length = Get16(r + 20);
  return true;
}

}  // namespace

bool FindEndRecord(ARCHIVE& archive, ENDRECORD* end) {
  const int64_t size = archive.Size();
  if (size < kEndRecordSize) return false;
  const int64_t lowest = size > kEndSearchSpan ? size - kEndSearchSpan : 0;
  const int64_t last_candidate = size - kEndRecordSize;
  uint8_t* buf = archive.Buffer();
  uint8_t carry[kCarry];
  int carried = 0;
  // The block holding the last byte, then each block before it.
  for (int64_t start = (size - 1) / kBlock * kBlock; start + kBlock > lowest; start -= kBlock) {
    int64_t from = start > lowest ? start : lowest;
    int64_t to = start + kBlock < size ? start + kBlock : size;
    size_t n = static_cast<size_t>(to - from);
    if (!archive.ReadAt(from, buf, n)) return false;
    std::memcpy(buf + n, carry, static_cast<size_t>(carried));
    size_t have = n + static_cast<size_t>(carried);
    for (int64_t p = from + static_cast<int64_t>(have) - 4; p >= from; --p) {
      if (p <= last_candidate && IsEndSignature(buf + (p - from))) return ReadRecord(archive, p, end);
    }
    carried = n < kCarry ? static_cast<int>(n) : kCarry;
    std::memcpy(carry, buf, static_cast<size_t>(carried));
  }
  return false;
}

bool CheckEndRecord(RUN& run, int64_t* central_start) {
  const ENDRECORD& e = run.end;
  const char* name = run.archive_name;
  if (e.this_disk == 1 && e.central_disk == 1) {
    Say(kStderr, "warning [%s]:  zipfile claims to be disk 2 of a two-disk set; treated as one disk\n", name);
    run.Raise(1);
  } else if (e.this_disk != 0 || e.central_disk != 0) {
    Say(kStderr, "error [%s]:  zipfile is part of a multi-disk archive\n", name);
    run.Raise(11);
    return false;
  }
  if (e.entries == 0 && e.central_size == 0) {
    Say(kStderr, "warning [%s]:  zipfile is empty\n", name);
    run.Raise(1);
    return false;
  }
  int64_t extra = e.position - (static_cast<int64_t>(e.central_offset) + e.central_size);
  *central_start = e.central_offset;
  run.extra_bytes = 0;
  if (extra < 0) {
    Say(kStderr, "error [%s]:  missing %ld bytes in zipfile\n", name, static_cast<long>(-extra));
    run.Raise(2);
  } else if (extra > 0) {
    if (e.central_offset == 0) {
      // The offsets were written as if the archive started at its central directory.
      Say(kStderr, "error [%s]:  NULL central directory offset\n", name);
      *central_start = extra;
      run.Raise(2);
    } else {
      Say(kStderr, "warning [%s]:  extra %ld bytes at beginning or within zipfile\n", name, static_cast<long>(extra));
      run.extra_bytes = extra;
      *central_start += extra;
      run.Raise(1);
    }
  }
  return true;
}

}  // namespace UNZIP
