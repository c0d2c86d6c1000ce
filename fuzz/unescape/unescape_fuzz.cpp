// Unescape, lenient and strict, on any bytes; escaping any bytes and
// unescaping them gives them back.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/log.h"
#include "foundation/str.h"

namespace {
int Quiet(const ASSERTIONREPORT&) { return 1; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetAssertionSink(Quiet);
  STRING input;
  input.Make(static_cast<int>(size), reinterpret_cast<const char*>(data));
  STRING strict = input.Unescape(false);
  STRING lenient = input.Unescape(true);
  if (strict.StrLen > input.StrLen || lenient.StrLen > input.StrLen) std::abort();
  STRING back = input.Escape("={}").Unescape(false);
  if (back.StrLen != input.StrLen || (size > 0 && std::memcmp(back.Buffer, data, size) != 0)) std::abort();
  return 0;
}
