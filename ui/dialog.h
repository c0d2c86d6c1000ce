// DIALOG: a modeless dialog made from a template of the language library
// (or of a given module), run modally by Run with a message loop of its own
// and ended by the end message (End posts it).
//
// Message routing (the dialog procedure): WM_INITDIALOG attaches the object
// (lParam); every message after that goes to MsgHook first, then to the
// trace hot keys; WM_DESTROY runs the base DIALOG::DialogProc first. A
// non-zero MsgHook result is the answer; otherwise the virtual DialogProc
// handles the message. The base posts the init message at WM_INITDIALOG;
// the init message calls the virtual DialogProc with (WM_INITDIALOG, 0, 0),
// where derived dialogs fill their controls once the dialog exists and Run
// has begun.
//
// The modal loop (Run): the owner is disabled, the dialog shown and brought
// to the foreground; every message of the thread except the end message is
// offered to IsDialogMessageA for this dialog, the rest is translated and
// dispatched. The loop ends after the end message addressed to this dialog
// was dispatched; the owner is enabled again and the dialog hidden (not
// destroyed). The end code is that message's wParam: 0 for IDCANCEL, 2 for
// the close box, the id of any other push button (IDOK gives 1). A dialog
// destroyed while its loop runs ends the loop with 2.
#pragma once

#include "ui/window.h"

class DIALOG : public WINDOW {
 public:
  // The dialog of template id (low 16 bits) from module, or from
  // ResourceModule when module is null, centred on parent.
  DIALOG(int templateId, HWND parent, HINSTANCE module);

  // Slot order: destructor, WindowProc, DialogProc, Run, End.
  ~DIALOG() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual int Run();
  virtual void End(int code);

  // The dialog procedure of every dialog.
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Runs the framework's modal loop for dialog until the end message for it
// has been dispatched; its wParam. Shared by the dialogs' loops.
int ModalMessageLoop(HWND dialog);
