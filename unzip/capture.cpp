#include "unzip/engine.h"

#include <cstring>

char UnzipNameTable[kUnzipSlots][kUnzipNameSize];
std::uint32_t UnzipSizeTable[kUnzipSlots];
std::uint32_t UnzipTotal;

void UnzipClearCapture() {
  std::memset(UnzipNameTable, 0, sizeof UnzipNameTable);
  std::memset(UnzipSizeTable, 0, sizeof UnzipSizeTable);
  UnzipTotal = 0;
}
