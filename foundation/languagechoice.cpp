// The choice of the language library by language number.
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "foundation/language.h"

const char* LanguageLibraryName(int languageNumber) {
  switch (languageNumber) {
    case 7:
      return "german.dll";
    case 12:
      return "french.dll";
    case 14:
      return "hungarian.dll";
    default:
      return "english.dll";
  }
}

int LanguageNumberOf(const STRING& value) {
  static const struct {
    const char* Name;
    int Number;
  } Names[] = {{"GER", 7}, {"ENGL", 9}, {"FRENCH", 12}, {"HUNGARIAN", 14}};
  if (value.Buffer == nullptr) return 0;
  for (const auto& n : Names) {
    if (value == n.Name) return n.Number;
  }
  errno = 0;
  long number = std::strtol(value.Buffer, nullptr, 10);
  if (errno == ERANGE || number > INT_MAX || number < INT_MIN) return 0;
  return static_cast<int>(number);
}
