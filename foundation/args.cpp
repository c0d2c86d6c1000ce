#include "foundation/args.h"

#include <cstring>

#include "foundation/log.h"

STRING ArgumentTable[ARGUMENT_TABLE_SIZE];
STRING StartDirectory;

namespace {

bool IsSwitch(const STRING& entry) {
  return entry.Buffer != nullptr && (entry.Buffer[0] == '/' || entry.Buffer[0] == '-');
}

// Whether the entry is a switch whose text after the "/" or "-" begins with
// name (case-insensitive, over the length of name).
bool StartsWithName(const STRING& entry, const char* name, int length) {
  if (!IsSwitch(entry) || entry.StrLen - 1 < length) return false;
  STRING head = entry.Mid(1, length);
  return StrICmp(head.Buffer, name) == 0;
}

// Position in ArgumentTable of match number index of name, or -1.
int FindMatch(const char* name, int index) {
  const int length = static_cast<int>(std::strlen(name));
  int seen = 0;
  for (int i = 0; i < ARGUMENT_TABLE_SIZE && ArgumentTable[i].Buffer != nullptr; ++i) {
    if (StartsWithName(ArgumentTable[i], name, length) && seen++ == index) return i;
  }
  return -1;
}

}  // namespace

bool TestArg(const char* name) {
  bool found = false;
  for (int i = 0; i < ARGUMENT_TABLE_SIZE && ArgumentTable[i].Buffer != nullptr && !found; ++i) {
    found = IsSwitch(ArgumentTable[i]) && StrICmp(ArgumentTable[i].Buffer + 1, name) == 0;
  }
  LogPrintf("TestArg(\"%s\") returned %d\n", name, found ? 1 : 0);
  return found;
}

bool TestArgValue(const char* name, int index) {
  bool found = FindMatch(name, index) >= 0;
  LogPrintf("TestArgValue(\"%s\", %d) returned %d\n", name, index, found ? 1 : 0);
  return found;
}

STRING GetArgValue(const char* name, int index) {
  STRING value;
  int at = FindMatch(name, index);
  if (at >= 0) {
    const STRING& entry = ArgumentTable[at];
    if (entry.Buffer[0] == '/') {
      int rest = 1 + static_cast<int>(std::strlen(name));
      if (rest < entry.StrLen && entry.Buffer[rest] == ':') ++rest;
      value = entry.Mid(rest);
    } else if (at + 1 < ARGUMENT_TABLE_SIZE) {
      value = ArgumentTable[at + 1];  // null when the switch is the last entry
    }
  }
  LogPrintf("GetArgValue(\"%s\", %d) returned %s\n", name, index,
            value.Buffer != nullptr ? value.Buffer : "<NULL>");
  return value;
}

void ClearArguments() {
  for (STRING& entry : ArgumentTable) entry.Free();
}

int ArgumentCount() {
  int n = 0;
  while (n < ARGUMENT_TABLE_SIZE && ArgumentTable[n].Buffer != nullptr) ++n;
  return n;
}

bool AddArgument(const char* text) {
  int n = ArgumentCount();
  if (n >= ARGUMENT_MAX) {
    LogPrintf("AddArgument: table full, \"%s\" dropped\n", text);
    return false;
  }
  ArgumentTable[n] = STRING(text);
  if (ArgumentTable[n].Buffer == nullptr) ArgumentTable[n] = STRING("");
  return true;
}

int SplitCommandLine(char* line, char** argv, int max) {
  char* p = line;
  while (*p == ' ') ++p;
  char* end = p + std::strlen(p);
  while (end > p && end[-1] == ' ') *--end = 0;

  int n = 0;
  while (n < max) {
    char stop = ' ';
    if (*p == '"') {
      ++p;
      stop = '"';
    }
    char* cut = std::strchr(p, stop);
    if (cut == nullptr) break;
    *cut = 0;
    argv[n++] = p;
    p = cut + 1;
    while (*p == ' ') ++p;
  }
  if (n < max && *p != 0) argv[n++] = p;
  return n;
}
