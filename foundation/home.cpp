#include "foundation/home.h"

#include <initializer_list>

#include "osys/file.h"

STRING DirectoryPart(const STRING& path) {
  for (int i = path.StrLen - 1; i >= 0; --i) {
    char c = path.Buffer[i];
    if (c == '/' || c == ':' || c == '\\') return path.Left(i);
  }
  return STRING(".");
}

STRING HomeDirectoryOf(const STRING& modulePath) {
  STRING home = DirectoryPart(modulePath);
  STRING marker = home || "\\..\\main.cpp";
  if (!OSYS::File::Exists(marker.Buffer)) return home;
  // The first ending that matches is cut off.
  for (const char* build : {"\\Debug", "\\Debug2", "\\Release", "\\Release2"}) {
    STRING ending(build);
    if (home.StrLen >= ending.StrLen && home.Right(ending.StrLen) == build) {
      home.Truncate(home.StrLen - ending.StrLen);
      break;
    }
  }
  return home;
}
