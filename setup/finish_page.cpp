// Step 7, the finish page: setup.exe's bitmap 2070, its pure red made the
// colour of the dialog, and the finish text of setup.cfg.
#include <windows.h>
#include <commctrl.h>

#include "foundation/globals.h"
#include "setup/installpages.h"
#include "setup/setupcfg.h"

namespace SETUP {

namespace {

constexpr int FINISH_BITMAP = 2070;

STRING TextOf(HWND window, int id) { return WINDOW(GetDlgItem(window, id)).Text(); }

}  // namespace

int FinishPage(SETUPDIALOG* frame, DATADIALOG* page) {
  HWND p = page->Hwnd();
  HWND picture = GetDlgItem(p, FINISH_BITMAP);
  LONG_PTR style = GetWindowLongPtrA(picture, GWL_STYLE);
  SetWindowLongPtrA(picture, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_BITMAP);
  COLORMAP red{RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE)};
  HBITMAP bitmap = CreateMappedBitmap(static_cast<HINSTANCE>(ProgramInstance), FINISH_BITMAP, 0, &red, 1);
  SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));

  HWND frameWindow = frame->Hwnd();
  SetDlgItemTextA(frameWindow, IDC_SETUP_TEXT,
                  SETUPCFG::WithProg(TextOf(frameWindow, IDC_SETUP_TEXT), SETUPCFG::CfgValue("AppName").Buffer).Buffer);
  SetDlgItemTextA(p, 281, SetupCfg.Value("FinishMsg").Buffer);
  int result = frame->Run();
  HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (shown != nullptr) DeleteObject(shown);
  if (bitmap != nullptr && bitmap != shown) DeleteObject(bitmap);
  return result;
}

}  // namespace SETUP
