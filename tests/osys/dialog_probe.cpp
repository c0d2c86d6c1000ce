// A program for the robot-driven tests of the file dialogs and message
// boxes: it shows the one its arguments ask for and writes what the call
// returned into the file OUT.
//
//   osys_dialog_probe OUT save     TITLE INITIAL [FILTER]
//   osys_dialog_probe OUT open     TITLE INITIAL [FILTER]
//   osys_dialog_probe OUT openmany TITLE INITIAL [FILTER]
//   osys_dialog_probe OUT yesno|info|error CAPTION TEXT
//
// "-" stands for a null text; "\n" in a filter for a line feed. OUT gets
// "result=" and the returned text (or "<null>"; for yesno "yes" or "no", for
// the other boxes "shown"), then for openmany "count=N" and one "file=" line
// per file of the list. The probe is its own language library: its string
// 10001 (dialog_probe.rc) is the default caption of the boxes.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "foundation/dynarray.h"
#include "foundation/globals.h"
#include "foundation/str.h"
#include "osys/boxes.h"
#include "osys/filedialog.h"

namespace {

const char* Argument(int i) {
  if (i >= __argc) return nullptr;
  return std::strcmp(__argv[i], "-") == 0 ? nullptr : __argv[i];
}

STRING FilterArgument(int i) {
  STRING filter(Argument(i));
  if (filter.Buffer != nullptr) filter.Replace("\\n", "\n");
  return filter;
}

void WriteResult(std::FILE* out, const STRING& result) {
  std::fprintf(out, "result=%s\n", result.Buffer != nullptr ? result.Buffer : "<null>");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 3;
  std::FILE* out = std::fopen(__argv[1], "wb");
  if (out == nullptr) return 4;
  ResourceModule = ::GetModuleHandleA(nullptr);
  STRING what(__argv[2]);
  if (what == "save" || what == "open" || what == "openmany") {
    STRING filter = FilterArgument(5);
    if (what == "openmany") {
      DYNARRAY list;
      int count = -1;
      WriteResult(out, OSYS::FileDialog(nullptr, Argument(3), Argument(4), 1, &list, &count, filter.Buffer));
      std::fprintf(out, "count=%d\n", count);
      for (int i = 0; i < list.Count(); ++i) std::fprintf(out, "file=%s\n", list.ItemAt(i)->Buffer);
    } else if (what == "save") {
      WriteResult(out, OSYS::SaveFileDialog(nullptr, Argument(3), Argument(4), filter.Buffer));
    } else {
      WriteResult(out, OSYS::FileDialog(nullptr, Argument(3), Argument(4), 1, nullptr, nullptr, filter.Buffer));
    }
  } else if (what == "yesno") {
    std::fprintf(out, "result=%s\n", OSYS::YesNoBox(nullptr, Argument(3), Argument(4)) ? "yes" : "no");
  } else if (what == "info" || what == "error") {
    if (what == "info")
      OSYS::InfoBox(nullptr, Argument(3), Argument(4));
    else
      OSYS::ErrorBox(nullptr, Argument(3), Argument(4));
    std::fprintf(out, "result=shown\n");
  } else {
    std::fclose(out);
    return 5;
  }
  std::fclose(out);
  return 0;
}
