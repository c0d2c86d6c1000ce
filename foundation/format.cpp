#include "foundation/format.h"

#include <cstdio>

int FormatText(char* buffer, std::size_t size, const char* format, va_list arguments) {
#if defined(__MINGW32__)
  int rc = __mingw_vsnprintf(buffer, size, format, arguments);
#else
  int rc = std::vsnprintf(buffer, size, format, arguments);
#endif
  if (size > 0 && rc < 0) buffer[0] = 0;
  return rc;
}
