// setup.cfg on any bytes: read as a key=value list, localised, and every
// value taken apart with the list, shortcut and placeholder rules. No crash;
// after localisation the only keys with a dot are the bases of suffixed keys
// (a key 'a.b.GER' leaves 'a.b').
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/dynarray.h"
#include "foundation/log.h"
#include "setup/localise.h"
#include "setup/setupcfg.h"

namespace {

int Quiet(const ASSERTIONREPORT&) { return 1; }

bool IsBaseOfSuffixedKey(const STRING& key, const DYNARRAY& before) {
  for (int i = 0; i < before.Count(); ++i) {
    const STRING& k = *before.ItemAt(i);
    if (k.StrLen == key.StrLen + 4 && k.Left(key.StrLen) == key.Buffer && k.Right(4) == ".GER") return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetAssertionSink(Quiet);
  STRING text;
  text.Make(static_cast<int>(size), reinterpret_cast<const char*>(data));
  SetupCfg = STRINGARRAY(text);
  DYNARRAY before = SetupCfg.GetKeys();
  LocaliseKeys(SetupCfg, ".GER");
  for (int i = 0; i < SetupCfg.Keys.Count(); ++i) {
    const STRING* key = SetupCfg.Keys.ItemAt(i);
    if (key->Buffer != nullptr && std::strchr(key->Buffer, '.') != nullptr && !IsBaseOfSuffixedKey(*key, before))
      std::abort();
  }
  for (int i = 0; i < SetupCfg.Values.Count(); ++i) {
    STRING value = *SetupCfg.Values.ItemAt(i);
    DYNARRAY entries = SETUPCFG::ListEntries(value);
    for (int e = 0; e < entries.Count(); ++e) {
      if (entries.ItemAt(e)->StrLen == 0) std::abort();
      SETUPCFG::ParseShortcut(*entries.ItemAt(e));
    }
    SETUPCFG::MemberList(value);
    SETUPCFG::ResolveInstallPath(value, STRING("C:\\Program Files\\"));
    SETUPCFG::WithProgramAndFile(value, "a/b.txt");
    SETUPCFG::WithProg(value, "Product");
  }
  SETUPCFG::CfgNumber("NoFinalPopup");
  SETUPCFG::ProductTitle();
  SetupCfg = STRINGARRAY();
  return 0;
}
