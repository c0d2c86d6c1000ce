// The robot's test dialog: a small Win32 program the robot's own tests drive.
//
//   robot_testdlg.exe [LOGFILE]          shows the dialog; every notification
//                                        it receives is appended to LOGFILE
//   robot_testdlg.exe /args FILE ARG...  writes each ARG on a line of FILE and
//                                        exits with the number of ARGs
//
// The dialog (template 100) holds a child dialog (template 101) as a wizard
// holds its pages; both answer the framework's query-id message 0x443 with
// their template ids. It runs modeless with its own message loop, as the
// product's dialogs do. Done ends it with an exit code made of its state:
//   1 the box "Tick me" is ticked, 2 "Blue" is picked,
//   4 x (index of the fruit + 1), 16 x (index of the size + 1),
//   64 the name is "robot".
// Cancel (or the close box) ends it with 200.
#include "tests/robot/testdlg_ids.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT kQueryIdMessage = 0x443;
constexpr UINT_PTR kApplyTimer = 1;
constexpr int kCancelled = 200;

const char* g_log_path = nullptr;
HWND g_page = nullptr;

void Log(const std::string& line) {
  if (!g_log_path) return;
  if (FILE* f = std::fopen(g_log_path, "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

std::string ItemText(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

bool AnswerQueryId(HWND dialog, WPARAM wparam, int32_t id) {
  *reinterpret_cast<int32_t*>(wparam) = id;
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
  return true;
}

int ListIndex(HWND dialog, int id, UINT get_selection) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, get_selection, 0, 0));
}

std::string ListText(HWND dialog, int id, bool combo, int index) {
  char text[256] = "";
  if (index >= 0)
    SendDlgItemMessageA(dialog, id, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                        reinterpret_cast<LPARAM>(text));
  return text;
}

int StateExitCode(HWND dialog) {
  int code = 0;
  if (IsDlgButtonChecked(dialog, IDT_TICK) == BST_CHECKED) code += 1;
  if (IsDlgButtonChecked(dialog, IDT_BLUE) == BST_CHECKED) code += 2;
  code += 4 * (ListIndex(dialog, IDT_FRUIT, LB_GETCURSEL) + 1);
  code += 16 * (ListIndex(dialog, IDT_SIZE, CB_GETCURSEL) + 1);
  if (ItemText(dialog, IDT_NAME) == "robot") code += 64;
  return code;
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wparam, LPARAM) {
  if (message == kQueryIdMessage) return AnswerQueryId(page, wparam, IDD_PAGE);
  if (message != WM_COMMAND) return FALSE;
  int id = LOWORD(wparam);
  int code = HIWORD(wparam);
  if (id == IDT_EXTRA && code == BN_CLICKED)
    Log(std::string("BN_CLICKED extra ") +
        (IsDlgButtonChecked(page, IDT_EXTRA) == BST_CHECKED ? "checked" : "unchecked"));
  if (id == IDT_COMMENT && code == EN_CHANGE) Log("EN_CHANGE comment " + Quote(ItemText(page, IDT_COMMENT)));
  return FALSE;
}

void CreatePage(HWND dialog) {
  g_page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PAGE), dialog,
                              PageProc, 0);
  RECT at = {180, 28, 0, 0};
  MapDialogRect(dialog, &at);
  SetWindowPos(g_page, HWND_BOTTOM, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void FillLists(HWND dialog) {
  for (const char* fruit : {"Apple", "Banana", "Cherry"})
    SendDlgItemMessageA(dialog, IDT_FRUIT, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fruit));
  for (const char* size : {"Small", "Medium", "Large"})
    SendDlgItemMessageA(dialog, IDT_SIZE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
}

void AskQuestion(HWND dialog) {
  int answer = MessageBoxA(dialog, "Do you like robots?\nAnswer with care.", "Robot question",
                           MB_YESNO | MB_ICONQUESTION);
  std::string word = answer == IDYES ? "yes" : answer == IDNO ? "no" : "other";
  SetDlgItemTextA(dialog, IDT_ANSWER, ("answer: " + word).c_str());
  Log("answer " + word);
}

// Saves the name into a file the user picks in the system's Save As dialog.
void SaveAs(HWND dialog) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = "Text files (*.txt)\0*.txt\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.lpstrDefExt = "txt";
  ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
              OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&ofn)) {
    SetDlgItemTextA(dialog, IDT_SAVED, "saved: cancelled");
    Log("saved nothing");
    return;
  }
  std::string name = ItemText(dialog, IDT_NAME);
  if (FILE* f = std::fopen(path, "wb")) {
    std::fwrite(name.data(), 1, name.size(), f);
    std::fclose(f);
  }
  // The name alone, so that dumps do not depend on where the test runs.
  SetDlgItemTextA(dialog, IDT_SAVED, (std::string("saved: ") + (path + ofn.nFileOffset)).c_str());
  Log(std::string("saved ") + Quote(path));
}

void AskForHelp(HWND dialog) {
  BOOL result = WinHelpA(dialog, "robot-missing.hlp", HELP_CONTEXT, 120);
  SetDlgItemTextA(dialog, IDT_HELPED, ("help: returned " + std::to_string(result)).c_str());
  Log("help returned " + std::to_string(result));
}

void Finish(HWND dialog, int code) {
  Log("exit " + std::to_string(code));
  DestroyWindow(dialog);
  PostQuitMessage(code);
}

void OnCommand(HWND dialog, int id, int code) {
  switch (id) {
    case IDT_NAME:
      if (code == EN_CHANGE) {
        std::string name = ItemText(dialog, IDT_NAME);
        Log("EN_CHANGE name " + Quote(name));
        EnableWindow(GetDlgItem(dialog, IDT_APPLY), !name.empty());
      }
      break;
    case IDT_APPLY:
      Log("BN_CLICKED apply");
      SetTimer(dialog, kApplyTimer, 600, nullptr);
      break;
    case IDT_TICK:
      Log(std::string("BN_CLICKED tick ") +
          (IsDlgButtonChecked(dialog, IDT_TICK) == BST_CHECKED ? "checked" : "unchecked"));
      break;
    case IDT_RED: Log("BN_CLICKED red"); break;
    case IDT_BLUE: Log("BN_CLICKED blue"); break;
    case IDT_FRUIT:
      if (code == LBN_SELCHANGE) {
        int index = ListIndex(dialog, IDT_FRUIT, LB_GETCURSEL);
        Log("LBN_SELCHANGE fruit " + std::to_string(index) + " " +
            Quote(ListText(dialog, IDT_FRUIT, false, index)));
      }
      break;
    case IDT_SIZE:
      if (code == CBN_SELCHANGE) {
        int index = ListIndex(dialog, IDT_SIZE, CB_GETCURSEL);
        Log("CBN_SELCHANGE size " + std::to_string(index) + " " +
            Quote(ListText(dialog, IDT_SIZE, true, index)));
      }
      break;
    case IDT_ASK: AskQuestion(dialog); break;
    case IDT_SAVEAS: SaveAs(dialog); break;
    case IDT_HELPME: AskForHelp(dialog); break;
    case IDOK: Finish(dialog, StateExitCode(dialog)); break;
    case IDCANCEL: Finish(dialog, kCancelled); break;
  }
}

// Apply takes a moment, so that a script has something to wait for: then the
// page goes and Done becomes enabled.
void OnApplied(HWND dialog) {
  KillTimer(dialog, kApplyTimer);
  if (g_page) DestroyWindow(g_page);
  g_page = nullptr;
  EnableWindow(GetDlgItem(dialog, IDOK), TRUE);
  Log("applied");
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      FillLists(dialog);
      CheckRadioButton(dialog, IDT_RED, IDT_BLUE, IDT_RED);
      SetDlgItemTextA(dialog, IDT_NOTE, "a read-only note");
      CreatePage(dialog);
      return TRUE;
    case kQueryIdMessage:
      return AnswerQueryId(dialog, wparam, IDD_MAIN);
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_TIMER:
      if (wparam == kApplyTimer) OnApplied(dialog);
      return TRUE;
  }
  return FALSE;
}

int WriteArguments(int argc, char** argv) {
  if (argc < 3) return -1;
  FILE* f = std::fopen(argv[2], "wb");
  if (!f) return -1;
  for (int i = 3; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
  std::fclose(f);
  return argc - 3;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc >= 2 && std::string(__argv[1]) == "/args") return WriteArguments(__argc, __argv);
  if (__argc >= 2) g_log_path = __argv[1];
  HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, DialogProc, 0);
  if (!dialog) return -1;
  ShowWindow(dialog, SW_SHOW);
  MSG msg;
  int code = kCancelled;
  while (true) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      code = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return code;
}
