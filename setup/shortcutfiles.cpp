#include "setup/shortcutfiles.h"

#include <windows.h>
// after windows.h, in this order: the interfaces build on objbase.h
#include <objbase.h>
#include <shlobj.h>
#include <intshcut.h>

#include "foundation/log.h"

namespace {

// The class and interfaces by their numbers, so that no import library of
// GUIDs is needed: the shell link, its ANSI interface, the internet
// shortcut, its ANSI interface, and IPersistFile.
constexpr CLSID ShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID ShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr CLSID InternetShortcutClass = {0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
constexpr IID UniformResourceLocatorA = {0xFBF23B80, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
constexpr IID PersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The file name as IPersistFile takes it: UTF-16 from the ANSI code page, at
// most 128 characters (a longer name is cut, never written past).
struct WIDENAME {
  explicit WIDENAME(const char* file) {
    int n = MultiByteToWideChar(CP_ACP, 0, file, -1, Text, 128);
    if (n == 0) {
      // Too long for the buffer: the first 127 characters.
      MultiByteToWideChar(CP_ACP, 0, file, 127, Text, 127);
    }
    Text[127] = 0;
    Text[128] = 0;
  }
  WCHAR Text[129] = {};
};

}  // namespace

SHORTCUTRESULT MakeInternetShortcut(const char* file, const char* url, bool save) {
  IUniformResourceLocatorA* locator = nullptr;
  HRESULT hres = CoCreateInstance(InternetShortcutClass, nullptr, CLSCTX_INPROC_SERVER, UniformResourceLocatorA,
                                  reinterpret_cast<void**>(&locator));
  if (FAILED(hres)) {
    LogPrintf("MakeInternetShortcut %s: no object (%08lx)\n", file, static_cast<unsigned long>(hres));
    return SHORTCUTRESULT::NoObject;
  }
  locator->SetURL(url, IURL_SETURL_FL_GUESS_PROTOCOL);
  IPersistFile* persist = nullptr;
  hres = locator->QueryInterface(PersistFile, reinterpret_cast<void**>(&persist));
  if (FAILED(hres)) {
    locator->Release();
    return SHORTCUTRESULT::NoObject;
  }
  WIDENAME name(file);
  if (save) {
    persist->Save(name.Text, TRUE);
    persist->SaveCompleted(name.Text);
  }
  persist->Release();
  locator->Release();
  LogPrintf("MakeInternetShortcut %s -> %s%s\n", file, url, save ? "" : " (not saved)");
  return save ? SHORTCUTRESULT::Saved : SHORTCUTRESULT::NotSaved;
}

SHORTCUTRESULT MakeShellLink(const char* file, const SHELLLINKFILE& link, bool save) {
  IShellLinkA* shellLink = nullptr;
  HRESULT hres = CoCreateInstance(ShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, ShellLinkA,
                                  reinterpret_cast<void**>(&shellLink));
  if (!ASSERTION(SUCCEEDED(hres), nullptr) || FAILED(hres)) return SHORTCUTRESULT::NoObject;
  shellLink->SetDescription(link.Description);
  shellLink->SetPath(link.Path);
  shellLink->SetArguments(link.Arguments);
  shellLink->SetWorkingDirectory(link.WorkingDirectory);
  if (link.IconFile != nullptr) shellLink->SetIconLocation(link.IconFile, link.IconIndex);

  IPersistFile* persist = nullptr;
  hres = shellLink->QueryInterface(PersistFile, reinterpret_cast<void**>(&persist));
  if (!ASSERTION(SUCCEEDED(hres), "Programgroup entry or desktop icon") || FAILED(hres)) {
    shellLink->Release();
    return SHORTCUTRESULT::NoObject;
  }
  WIDENAME name(file);
  if (save) persist->Save(name.Text, TRUE);
  persist->Release();
  shellLink->Release();
  LogPrintf("MakeShellLink %s -> %s %s%s\n", file, link.Path, link.Arguments, save ? "" : " (not saved)");
  return save ? SHORTCUTRESULT::Saved : SHORTCUTRESULT::NotSaved;
}
