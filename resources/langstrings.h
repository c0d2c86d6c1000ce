// The language strings by name: LANGSTR::SetupCaption is 2900, and so on for
// every line of resources/langstrings.def. Code names ids through these
// constants; the table LANGSTRINGS lets the checks walk all of them.
#pragma once

enum class LANGKIND { TEXT, PREFIX, LIST, FORMAT1S, NUMBER, SUFFIX, FILENAME, KEY8 };

namespace LANGSTR {
#define LANGSTRING(id, name, kind, tokens, placeholders, role) constexpr int name = id;
#include "resources/langstrings.def"
#undef LANGSTRING
}  // namespace LANGSTR

struct LANGSTRINGINFO {
  int Id;
  const char* Name;
  LANGKIND Kind;
  int Tokens;                // least number of "|"-separated tokens
  const char* Placeholders;  // blank-separated; "!" marks a required one
  const char* Role;
};

inline constexpr LANGSTRINGINFO LANGSTRINGS[] = {
#define LANGSTRING(id, name, kind, tokens, placeholders, role) \
  {id, #name, LANGKIND::kind, tokens, placeholders, role},
#include "resources/langstrings.def"
#undef LANGSTRING
};
