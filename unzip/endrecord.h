// Finding the end-of-central-directory record and checking what it says
// about disks and about bytes in front of the archive.
#pragma once

#include "unzip/run.h"

namespace UNZIP {

constexpr int kEndRecordSize = 22;
constexpr int64_t kEndSearchSpan = 66000;

// Searches backwards from the end of the archive, within its last 66000
// bytes, in 2048-byte blocks aligned to the start of the file. The first
// three bytes of each block stay behind the next (earlier) block, so a
// signature split between two blocks is found. The record nearest the end
// wins; a signature less than 22 bytes before the end is no record.
bool FindEndRecord(ARCHIVE& archive, ENDRECORD* end);

// The disk checks and the extra-bytes compensation. Sets run.extra_bytes
// and the central directory's start in *central_start. Returns false when
// the run must end here (multi-disk archive, empty archive); the status is
// raised either way.
bool CheckEndRecord(RUN& run, int64_t* central_start);

}  // namespace UNZIP
