#include "setup/localise.h"

#include <cstring>

#include "foundation/log.h"

void LocaliseKeys(STRINGARRAY& list, const char* suffix) {
  const int n = suffix != nullptr ? static_cast<int>(std::strlen(suffix)) : 0;
  // A copy of the keys: the walk removes keys from the list.
  DYNARRAY keys = list.GetKeys();
  for (int i = 0; i < keys.Count(); ++i) {
    const STRING& key = *keys.ItemAt(i);
    if (key.Buffer == nullptr || std::strchr(key.Buffer, '.') == nullptr) continue;
    if (n > 0 && key.StrLen >= n && StrICmp(key.Buffer + key.StrLen - n, suffix) == 0) {
      STRING base = key.Left(key.StrLen - n);
      STRING value = list.Value(key.Buffer);  // a copy: Value(base) may insert
      list.Value(base.Buffer) = value;
      LogPrintf("LocaliseKeys %s replaces %s\n", key.Buffer, base.Buffer);
    }
    list.Remove(key.Buffer);
  }
}
