#include "ui/datadialoghost.h"

#include "foundation/log.h"
#include "ui/control.h"

#define ARRAYMAX(a) (static_cast<int>(sizeof(a) / sizeof((a)[0])))

DATADIALOGHOST::DATADIALOGHOST(int templateId, HWND parent, HINSTANCE module)
    : DATADIALOG(templateId, parent, module), Hosted{}, HostedCount(0) {}

DATADIALOGHOST::~DATADIALOGHOST() {
  for (int i = HostedCount - 1; i >= 0; i--) delete Hosted[i].Dialog;
  HostedCount = 0;
}

void DATADIALOGHOST::AddHosted(int id, DATADIALOG* dialog) {
  ASSERTION(this->HostedCount<ARRAYMAX(this->Hosted), nullptr);
  if (HostedCount >= ARRAYMAX(Hosted)) {
    delete dialog;
    return;
  }
  Hosted[HostedCount++] = {id, dialog};
}

int DATADIALOGHOST::Run() {
  Accept = 1;
  PutAll();
  for (int i = 0; i < HostedCount; i++) Hosted[i].Dialog->PutAll();
  int code = DIALOG::Run();
  GetAll();
  for (int i = 0; i < HostedCount; i++) Hosted[i].Dialog->GetAll();
  return code;
}

INT_PTR DATADIALOGHOST::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == 0 &&
      IsPushButton(reinterpret_cast<HWND>(lParam))) {
    Cancel();
    for (int i = 0; i < HostedCount; i++) Hosted[i].Dialog->Cancel();
  }
  return DATADIALOG::DialogProc(message, wParam, lParam);
}
