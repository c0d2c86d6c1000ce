// The ZIP archive engine, driven like a command-line program.
//
//   UnzipMain(argc, argv) -> status
//
// The installer uses two forms: "unzip -v ARCHIVE" lists every member and
// fills the capture tables below; "unzip -qq ARCHIVE MEMBER -d DIR" extracts
// one member. Statuses:
//    0 success
//    1 warning: a member skipped (method, encryption, version, unsafe name),
//      an empty archive, extra bytes before the archive, no end record after
//      the central directory, a pattern that matched nothing, capture tables
//      too small for the listing
//    2 error: bad CRC, invalid compressed data, bytes missing, a null
//      central-directory offset
//    3 bad archive structure (a header signature missing, a seek before the
//      start), or an extraction directory that cannot be made
//    4 the engine's buffers cannot be allocated
//    5 not enough memory for a decompressor
//    9 archive not found, not openable, or without an end record
//   10 invalid command line
//   11 the archive is part of a multi-disk set
//   50 an output file cannot be created or written
//   51 the archive ends while a header is read
// Messages go to the standard streams or to the sink of unzip/messages.h.
// The engine is not re-entrant: one run at a time in the process.
#pragma once

#include <cstdint>

#include "unzip/messages.h"

int UnzipMain(int argc, char** argv);

// The capture tables, written by every listing (-l, -v) from slot 0 in the
// order of the central directory, and read by UNZIPPER and the installer.
// The slot after the last listed member keeps what the caller cleared it
// to. Names longer than kUnzipNameMax characters are cut; members beyond
// kUnzipSlots are listed and counted in the total but not captured (the
// listing then ends with status 1).
constexpr int kUnzipSlots = 250;
constexpr int kUnzipNameSize = 150;
constexpr int kUnzipNameMax = kUnzipNameSize - 1;

extern char UnzipNameTable[kUnzipSlots][kUnzipNameSize];
extern std::uint32_t UnzipSizeTable[kUnzipSlots];
// The sum of the uncompressed sizes of all listed members.
extern std::uint32_t UnzipTotal;

// Clears the tables: empty names, zero sizes, zero total.
void UnzipClearCapture();
