// Choosing and driving the decoder of a member's compression method, and the
// statuses and messages its failures lead to.
#pragma once

#include <cstdint>

#include "unzip/input.h"
#include "unzip/slide.h"

namespace UNZIP {

struct DECODEJOB {
  int method;
  unsigned flags;                // general-purpose flags
  uint64_t uncompressed_size;
  const char* name;              // for the messages
  int quiet;                     // quiet level of the run
};

// The word printed before a member's data is decoded ("inflating", ...).
const char* ActionWord(int method);

// Decodes the member into the window (the caller has begun it and flushes
// it afterwards). Returns the member's status: 0; 1 (unknown method, or an
// imploded member that used fewer bytes than declared); 2 (invalid data); 5
// (no memory for the decoder). *ended is set when the output writer ended
// the member.
int DecodeMember(const DECODEJOB& job, MEMBERINPUT& in, SLIDE& out, bool* ended);

}  // namespace UNZIP
