// The four language libraries against the list of language strings
// (resources/langstrings.def): every id is there in every language, in the
// library's code page, short enough for the 256-byte buffer it is loaded
// into, with the "|"-tokens, placeholders and form its code relies on; and
// no library holds a string the list does not know.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/langstrings.h"

namespace {

struct LANGUAGEINFO {
  const char* Name;
  WORD LangId;
  UINT CodePage;
};

const LANGUAGEINFO LANGUAGES[] = {
    {"english", 0x0409, 1252},
    {"german", 0x0407, 1252},
    {"french", 0x040C, 1252},
    {"hungarian", 0x040E, 1250},
};

std::string LibraryPath(const char* language) {
  const char* build = std::getenv("HALVIX_BUILD");
  return std::string(build ? build : ".") + "/bin/setup" + language + ".dll";
}

// The text of a string resource in the library's code page; *ok is false
// when a character of it has no place in that code page.
std::string LoadInCodePage(HMODULE module, int id, UINT codePage, bool* ok) {
  const wchar_t* text = nullptr;
  int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  *ok = true;
  if (length <= 0) return std::string();
  BOOL usedDefault = FALSE;
  int bytes = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0,
                                  nullptr, &usedDefault);
  std::string out(bytes, '\0');
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, length, out.data(), bytes, nullptr,
                      &usedDefault);
  *ok = !usedDefault;
  return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  if (text.empty()) parts.push_back("");
  return parts;
}

std::set<std::string> Placeholders(const std::string& text) {
  std::set<std::string> found;
  static const std::regex word(R"(\$[A-Za-z]+)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
       it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

// The "%" conversions of a printf format other than "%%".
std::vector<std::string> Conversions(const std::string& text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    found.push_back(text.substr(i, 2));
  }
  return found;
}

class LanguageLibrary : public ::testing::TestWithParam<LANGUAGEINFO> {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA(LibraryPath(GetParam().Name).c_str());
    ASSERT_NE(module_, nullptr) << LibraryPath(GetParam().Name) << ": error " << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  std::string Text(int id, bool* ok) {
    return LoadInCodePage(module_, id, GetParam().CodePage, ok);
  }
  HMODULE module_ = nullptr;
};

TEST_P(LanguageLibrary, HoldsEveryListedStringInItsCodePage) {
  for (const LANGSTRINGINFO& s : LANGSTRINGS) {
    bool ok = false;
    std::string text = Text(s.Id, &ok);
    EXPECT_FALSE(text.empty()) << s.Id << " " << s.Name << " is missing";
    EXPECT_TRUE(ok) << s.Id << " " << s.Name << " has characters outside code page "
                    << GetParam().CodePage;
    // LoadStringA fills a 256-byte buffer: a longer text would be cut.
    EXPECT_LE(text.size(), 255u) << s.Id << " " << s.Name;
  }
}

TEST_P(LanguageLibrary, KeepsTheFormEveryStringsCodeNeeds) {
  for (const LANGSTRINGINFO& s : LANGSTRINGS) {
    bool ok = false;
    const std::string text = Text(s.Id, &ok);
    const std::string where = std::to_string(s.Id) + " " + s.Name + " \"" + text + "\"";
    std::vector<std::string> tokens = Split(text, '|');
    switch (s.Kind) {
      case LANGKIND::LIST:
        EXPECT_GE(static_cast<int>(tokens.size()), s.Tokens) << where;
        for (const std::string& t : tokens) EXPECT_FALSE(t.empty()) << where;
        break;
      case LANGKIND::PREFIX:
        EXPECT_TRUE(!text.empty() && text.back() == ' ') << where << " must end in a blank";
        break;
      case LANGKIND::FORMAT1S:
        EXPECT_EQ(Conversions(text), std::vector<std::string>{"%s"}) << where;
        break;
      case LANGKIND::NUMBER:
        EXPECT_TRUE(std::regex_match(text, std::regex("[0-9]+"))) << where;
        break;
      case LANGKIND::SUFFIX:
        EXPECT_TRUE(std::regex_match(text, std::regex(R"(\.[A-Za-z]+)"))) << where;
        break;
      case LANGKIND::FILENAME:
        EXPECT_EQ(text.find_first_of("\\/:*?\"<>|;"), std::string::npos) << where;
        break;
      case LANGKIND::KEY8:
        EXPECT_EQ(text.size() % 8, 0u) << where;
        break;
      case LANGKIND::TEXT:
        break;
    }
    if (s.Kind != LANGKIND::LIST) {
      EXPECT_EQ(tokens.size(), 1u) << where << " is no list and must not hold \"|\"";
    }

    std::set<std::string> allowed;
    for (std::string p : Split(s.Placeholders, ' ')) {
      if (p.empty()) continue;
      if (p[0] == '!') {
        p.erase(0, 1);
        EXPECT_NE(text.find(p), std::string::npos) << where << " lacks " << p;
      }
      allowed.insert(p);
    }
    for (const std::string& p : Placeholders(text))
      EXPECT_TRUE(allowed.count(p)) << where << ": " << p << " would reach the user unreplaced";
  }
}

TEST_P(LanguageLibrary, HoldsNoStringTheListDoesNotKnow) {
  std::set<int> listed;
  for (const LANGSTRINGINFO& s : LANGSTRINGS) listed.insert(s.Id);
  std::vector<WORD> blocks;
  EnumResourceNamesA(
      module_, MAKEINTRESOURCEA(6),  // RT_STRING
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) -> BOOL {
        if (IS_INTRESOURCE(name))
          reinterpret_cast<std::vector<WORD>*>(param)->push_back(LOWORD(name));
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&blocks));
  ASSERT_FALSE(blocks.empty());
  for (WORD block : blocks) {
    for (int i = 0; i < 16; ++i) {
      int id = (block - 1) * 16 + i;
      const wchar_t* text = nullptr;
      if (LoadStringW(module_, id, reinterpret_cast<LPWSTR>(&text), 0) > 0) {
        EXPECT_TRUE(listed.count(id)) << "string " << id << " is in no list";
      }
    }
  }
}

TEST_P(LanguageLibrary, IsMarkedWithItsLanguageAndCodePage) {
  // The string table block of 2900 carries the script's LANGUAGE statement.
  EXPECT_NE(FindResourceExA(module_, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(2900 / 16 + 1),
                            GetParam().LangId),
            nullptr);
  DWORD ignored = 0;
  std::string path = LibraryPath(GetParam().Name);
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], GetParam().LangId);
  EXPECT_EQ(translation[1], GetParam().CodePage);
}

INSTANTIATE_TEST_SUITE_P(All, LanguageLibrary, ::testing::ValuesIn(LANGUAGES),
                         [](const ::testing::TestParamInfo<LANGUAGEINFO>& param) {
                           return std::string(param.param.Name);
                         });

// What must agree between the libraries, or be what the code expects of one.
TEST(LanguageLibraries, AgreeWhereTheCodeComparesThem) {
  std::map<std::string, std::string> code, suffix, key;
  for (const LANGUAGEINFO& l : LANGUAGES) {
    HMODULE module = LoadLibraryA(LibraryPath(l.Name).c_str());
    ASSERT_NE(module, nullptr) << l.Name;
    bool ok = false;
    code[l.Name] = LoadInCodePage(module, LANGSTR::LanguageCode, l.CodePage, &ok);
    suffix[l.Name] = LoadInCodePage(module, LANGSTR::KeySuffix, l.CodePage, &ok);
    key[l.Name] = LoadInCodePage(module, LANGSTR::SealKey, l.CodePage, &ok);
    FreeLibrary(module);
  }
  // The licence page reads LIZENZ.TXT for 49 and LICENSEFR.TXT for 12.
  EXPECT_EQ(code["german"], "49");
  EXPECT_EQ(code["french"], "12");
  EXPECT_NE(code["english"], "49");
  EXPECT_NE(code["english"], "12");
  EXPECT_NE(code["hungarian"], "49");
  EXPECT_NE(code["hungarian"], "12");
  // Every language has keys of its own in setup.cfg.
  std::set<std::string> distinct;
  for (const auto& [name, s] : suffix) distinct.insert(s);
  EXPECT_EQ(distinct.size(), suffix.size());
  // Whoever opens a sealed order needs the same key, whatever the language.
  for (const auto& [name, k] : key) EXPECT_EQ(k, key["english"]) << name;
}

}  // namespace
