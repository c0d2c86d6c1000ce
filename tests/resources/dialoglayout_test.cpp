// One dialog layout reaches all four language libraries, each time with the
// texts of that language in its code page: the probe libraries are the real
// language scripts built with a probe layout (probe/9990-probe.rc) and the
// probe texts of each language.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

struct PROBE {
  const char* Language;
  const wchar_t* Caption;
  const wchar_t* Label;
};

const PROBE PROBES[] = {
    {"english", L"Probe", L"One layout, four languages"},
    {"german", L"Pr\u00fcfung", L"Ein Layout, vier Sprachen: Gr\u00fc\u00dfe"},
    {"french", L"\u00c9preuve", L"Une pr\u00e9sentation, quatre langues"},
    {"hungarian", L"Pr\u00f3ba", L"Egy elrendez\u00e9s, n\u00e9gy nyelv: t\u0171r\u0151"},
};

std::string Build() {
  const char* build = std::getenv("HALVIX_BUILD");
  return build ? build : ".";
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class ProbeLibrary : public ::testing::TestWithParam<PROBE> {};

TEST_P(ProbeLibrary, ShowsTheSharedLayoutWithItsOwnTexts) {
  std::string path = Build() + "/tests/probe/probe" + GetParam().Language + ".dll";
  HMODULE module = LoadLibraryA(path.c_str());
  ASSERT_NE(module, nullptr) << path;
  // The Unicode form keeps every letter whatever the process's code page: the
  // resource itself is checked here, not the conversion to ANSI.
  HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(9990), nullptr, IgnoreMessages, 0);
  ASSERT_NE(dialog, nullptr) << "no dialog 9990: error " << GetLastError();
  EXPECT_EQ(WindowText(dialog), GetParam().Caption);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 201)), GetParam().Label);
  DestroyWindow(dialog);
  FreeLibrary(module);
}

TEST_P(ProbeLibrary, StaysOutOfTheProductLibrary) {
  std::string path = Build() + "/bin/setup" + GetParam().Language + ".dll";
  HMODULE module = LoadLibraryA(path.c_str());
  ASSERT_NE(module, nullptr) << path;
  EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(9990), MAKEINTRESOURCEA(5)), nullptr);
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(All, ProbeLibrary, ::testing::ValuesIn(PROBES),
                         [](const ::testing::TestParamInfo<PROBE>& param) {
                           return std::string(param.param.Language);
                         });

}  // namespace
