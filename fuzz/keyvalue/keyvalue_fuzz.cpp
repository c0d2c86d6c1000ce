// The key=value parser on any bytes: no crash, and the text form of what it
// read parses back to the same list.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/dynarray.h"
#include "foundation/log.h"

namespace {

int Quiet(const ASSERTIONREPORT&) { return 1; }

bool SameList(STRINGARRAY& a, STRINGARRAY& b) {
  if (a.Keys.Count() != b.Keys.Count() || a.Handle != b.Handle) return false;
  for (int i = 0; i < a.Keys.Count(); ++i) {
    const STRING& va = *a.Values.ItemAt(i);
    const STRING& vb = *b.Values.ItemAt(i);
    if (StrICmp(a.Keys.ItemAt(i)->Buffer, b.Keys.ItemAt(i)->Buffer) != 0) return false;
    if (va.StrLen != vb.StrLen || (va.StrLen > 0 && std::memcmp(va.Buffer, vb.Buffer, static_cast<size_t>(va.StrLen)) != 0))
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetAssertionSink(Quiet);
  STRING text;
  text.Make(static_cast<int>(size), reinterpret_cast<const char*>(data));
  STRINGARRAY list(text);
  for (int i = 0; i < list.Keys.Count(); ++i) list.Value(list.Keys.ItemAt(i)->Buffer);
  // Keys that hold a line feed or a zero byte cannot travel in the text form.
  for (int i = 0; i < list.Keys.Count(); ++i) {
    const STRING* key = list.Keys.ItemAt(i);
    if (key->Pos("\n") >= 0 || static_cast<int>(std::strlen(key->Buffer)) != key->StrLen) return 0;
  }
  if (list.Key.Buffer != nullptr) return 0;  // #Key travels unescaped
  STRING written = list.ToText();
  STRINGARRAY back(written);
  if (!SameList(list, back)) std::abort();
  return 0;
}
