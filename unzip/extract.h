// Extraction (and testing, and extraction to the screen) of one selected
// member: acceptance, the local header, the output name, the existing-file
// rules, decoding into the file, its time and attributes, the CRC check.
#pragma once

#include "unzip/central.h"

namespace UNZIP {

// Processes `entry`; raises run.status. `number` counts members from 1. The
// archive position afterwards is undefined (the caller seeks back).
void ExtractEntry(RUN& run, const ENTRY& entry, unsigned number);

// MS-DOS date and time as a local date and time.
OSYS::LOCALTIME DosToLocalTime(uint16_t date, uint16_t time);

}  // namespace UNZIP
