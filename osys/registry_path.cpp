// The key path of a REGISTRY: prefix and subkey joined, with the company
// root rule.
#include "foundation/str.h"
#include "osys/registry.h"

namespace {

bool BeginsWith(const char* text, const char* start) {
  return STRING(text).Left(STRING(start).StrLen) == start;
}

}  // namespace

STRING REGISTRY::KeyPath(const char* subkey, const char* prefix) {
  STRING path(prefix != nullptr ? prefix : "");
  bool hasSubkey = subkey != nullptr && *subkey != 0;
  if (hasSubkey && BeginsWith(subkey, "Drovane") &&
      (path == "Software\\Korvex\\" || path == "Software\\Korvex"))
    path = "Software\\Ostrel";
  if (!hasSubkey) return path;
  if (path.StrLen > 0 && path.Buffer[path.StrLen - 1] != '\\') path.Append("\\");
  return path.Append(subkey);
}
