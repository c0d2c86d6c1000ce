#include "ui/help.h"

#include "foundation/dynarray.h"
#include "foundation/log.h"
#include "osys/file.h"
#include "ui/window.h"

#define ARRAYMAX(a) (static_cast<int>(sizeof(a) / sizeof((a)[0])))

HELP Help;

bool ContextHelp(HWND window, int id) { return Help.ContextHelp(window, id); }

HELP::HELP() : Owner(nullptr), HelpFile(""), Default(-1), Translation{}, TranslationCount(0), NumHelpIds(0) {
  for (int& id : HelpIds) id = -1;
}

HELP::~HELP() {
  if (IsReady()) WinHelpA(Owner, HelpFile.Buffer, HELP_QUIT, 0);
}

void HELP::LoadHelpIds(const char* helpFile) {
  if (helpFile == nullptr) return;
  HelpFile = helpFile;
  int keep = HelpFile.StrLen >= 3 ? HelpFile.StrLen - 3 : 0;
  STRING idFile = HelpFile.Left(keep) || "ids";
  if (!OSYS::File::Exists(idFile.Buffer)) idFile = HelpFile.Left(keep) || "cnt";

  OSYS::File::Handle fhelpcnt = OSYS::File::Open(idFile.Buffer, OSYS::File::Access::Read);
  ASSERTION(fhelpcnt!=NULL, idFile.Buffer);
  if (fhelpcnt == nullptr) return;
  OSYS::File::Close(fhelpcnt);
  STRING content("");
  content.Load(idFile.Buffer, "r");

  int start = 0;
  while (start < content.StrLen) {
    int end = content.Pos("\n", start);
    if (end < 0) end = content.StrLen;
    STRING line = content.Mid(start, end - start);
    int equals = line.Pos("=");
    if (equals >= 0) {
      ASSERTION(this->NumHelpIds<ARRAYMAX(this->HelpIds), idFile.Buffer);
      if (NumHelpIds >= ARRAYMAX(HelpIds)) return;
      HelpIds[NumHelpIds++] = StrAtoi(line.Buffer + equals + 1);
    }
    start = end + 1;
  }
}

void HELP::SetDefaultContext(int context) { Default = context; }

int HELP::DefaultContext() const { return Default; }

bool HELP::IsReady() const { return HelpFile.StrLen > 0; }

bool HELP::Defines(int context) const {
  for (int i = 0; i < NumHelpIds; i++)
    if (HelpIds[i] == context) return true;
  return false;
}

bool HELP::ShowContext(int id) {
  int context = id;
  for (int i = 0; i < TranslationCount; i++) {
    if (Translation[i].Id == id) {
      context = Translation[i].Context;
      break;
    }
  }
  if (!Defines(context)) return false;
  WinHelpA(Owner, HelpFile.Buffer, HELP_CONTEXT, static_cast<ULONG_PTR>(context));
  return true;
}

bool HELP::ShowForWindow(HWND window) {
  while (window != nullptr) {
    if (ShowContext(WindowId(window))) return true;
    window = GetParent(window);
  }
  return false;
}

bool HELP::ContextHelp(HWND window, int id) {
  if (!IsReady()) return false;
  HWND focus = GetFocus();
  if (focus != nullptr && ShowForWindow(focus)) return true;
  if (!ShowContext(id) && !ShowForWindow(window) && Default != -1) ShowContext(Default);
  return true;
}
