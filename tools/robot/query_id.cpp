#include "tools/robot/query_id.h"

#include "tools/robot/text_util.h"
#include "tools/robot/window_facts.h"

#include <commctrl.h>

#include <string>

namespace robot {

void LearnSystemClasses() {
  INITCOMMONCONTROLSEX all = {sizeof all, 0xFFFF};
  InitCommonControlsEx(&all);
  for (const char* library : {"riched20.dll", "msftedit.dll", "riched32.dll"}) LoadLibraryA(library);
}

namespace {

// System classes that are registered only where they are used (the shell's
// views), so the robot cannot learn them by loading a library.
constexpr const char* kShellClasses[] = {
  "SHELLDLL_DefView", "DirectUIHWND", "DUIViewWndClassName", "CtrlNotifySink",
  "NamespaceTreeControl", "Breadcrumb Parent", "WorkerW", "Progman", "Shell_TrayWnd",
};

bool IsSystemClass(const std::string& name) {
  if (name.empty() || name[0] == '#') return true;  // atoms of the system (#32768 menus, ...)
  for (const char* shell : kShellClasses) {
    if (EqualsNoCase(name, shell)) return true;
  }
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(nullptr, name.c_str(), &info) ||
         GetClassInfoExA(GetModuleHandleA("comctl32.dll"), name.c_str(), &info);
}

// Memory for the answer inside the window's process, released again unless
// the window might still write into it (it did not answer in time).
class RemoteInteger {
 public:
  explicit RemoteInteger(DWORD process_id) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           process_id);
    if (process_)
      address_ = VirtualAllocEx(process_, nullptr, sizeof(int32_t), MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  }
  ~RemoteInteger() {
    if (address_ && release_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteInteger(const RemoteInteger&) = delete;
  RemoteInteger& operator=(const RemoteInteger&) = delete;

  void* address() const { return address_; }
  bool Write(int32_t value) {
    SIZE_T n = 0;
    return WriteProcessMemory(process_, address_, &value, sizeof value, &n) && n == sizeof value;
  }
  bool Read(int32_t* value) {
    SIZE_T n = 0;
    return ReadProcessMemory(process_, address_, value, sizeof *value, &n) && n == sizeof *value;
  }
  void KeepAllocated() { release_ = false; }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  bool release_ = true;
};

// Pre-set into the integer; a window that leaves it there did not answer.
constexpr int32_t kNoAnswer = static_cast<int32_t>(0x8BADF00Du);

}  // namespace

bool MayAskForId(HWND window) {
  std::string name = ClassOf(window);
  return name == "#32770" || !IsSystemClass(name);
}

std::optional<int32_t> AskForId(HWND window) {
  if (!MayAskForId(window)) return std::nullopt;
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == 0) return std::nullopt;
  RemoteInteger answer(process_id);
  if (!answer.address() || !answer.Write(kNoAnswer)) return std::nullopt;
  if (!SendWithTimeout(window, kQueryIdMessage, reinterpret_cast<WPARAM>(answer.address()), 0,
                       nullptr)) {
    answer.KeepAllocated();
    return std::nullopt;
  }
  int32_t id = kNoAnswer;
  if (!answer.Read(&id) || id == kNoAnswer) return std::nullopt;
  return id;
}

}  // namespace robot
