// DATADIALOGHOST: a data-bound dialog that runs the whole cycle as its
// modal loop - put every value, run, take every value back - and can host
// further data dialogs whose values go the same way. Cancel (IDCANCEL)
// ends it with 0 and leaves the bound values untouched; OK and other
// unbound push buttons end it with their id, the close box with 2, and the
// values are taken back.
#pragma once

#include "ui/datadialog.h"

class DATADIALOGHOST : public DATADIALOG {
 public:
  DATADIALOGHOST(int templateId, HWND parent, HINSTANCE module);
  // Deletes the hosted dialogs first.
  ~DATADIALOGHOST() override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  int Run() override;

  // Hosts dialog (owned) under id; beyond 16 it is reported and deleted.
  void AddHosted(int id, DATADIALOG* dialog);

  struct HOSTED {
    int Id;
    DATADIALOG* Dialog;
  };
  HOSTED Hosted[16];
  int HostedCount;
};
