// FromBase64 on any bytes; the encoder's output, wrapped or not, decodes to
// the bytes it came from.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "foundation/str.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  STRING input;
  input.Make(static_cast<int>(size), reinterpret_cast<const char*>(data));
  STRING decoded = input.FromBase64();
  if (decoded.StrLen > static_cast<int>(size / 4 * 3 + 3)) std::abort();
  for (bool wrap : {false, true}) {
    STRING back = input.ToBase64(wrap).FromBase64();
    if (back.StrLen != input.StrLen || (size > 0 && std::memcmp(back.Buffer, data, size) != 0)) std::abort();
  }
  return 0;
}
