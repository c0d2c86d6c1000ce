// Step 6, the advertising page, fed by the key=value file that Advertise
// names (Url, Teaser1, Teaser2, Product, Description, localised like
// setup.cfg). Without such a file the page passes itself on to the finish
// page.
#include <windows.h>

#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/installpages.h"
#include "setup/localise.h"
#include "setup/setupcfg.h"
#include "ui/handlers.h"

namespace SETUP {

namespace {

STRING AdvertisedUrl;

STRING TextOf(HWND page, int id) { return WINDOW(GetDlgItem(page, id)).Text(); }

}  // namespace

int AdvertisingPage(SETUPDIALOG* frame, DATADIALOG* page) {
  STRING file = SETUPCFG::CfgValue("Advertise");
  STRINGARRAY advert;
  if (file.StrLen == 0 || !advert.Load(file.Buffer)) return IDC_SETUP_NEXT;
  LocaliseKeys(advert, LanguageString(LANGSTR::KeySuffix).Buffer);
  STRING teaser1 = advert.Value("Teaser1");
  STRING teaser2 = advert.Value("Teaser2");
  STRING& product = advert.Value("Product");
  if (product.Buffer == nullptr) product = STRING("");
  AdvertisedUrl = advert.Value("Url");
  const char* appName = SETUPCFG::CfgValue("AppName").Buffer;

  HWND frameWindow = frame->Hwnd();
  HWND p = page->Hwnd();
  SetDlgItemTextA(frameWindow, IDC_SETUP_TITLE, SETUPCFG::WithProg(TextOf(frameWindow, IDC_SETUP_TITLE), appName).Buffer);
  SetDlgItemTextA(frameWindow, IDC_SETUP_TEXT, SETUPCFG::WithProg(TextOf(frameWindow, IDC_SETUP_TEXT), product.Buffer).Buffer);

  HFONT teaser1Font = WINDOW::CreateFont("Arial", 12, true, false);
  HFONT teaser2Font = WINDOW::CreateFont("Arial", 9, true, false);
  HFONT descriptionFont = WINDOW::CreateFont("Arial", 8, false, false);
  HFONT previous1 = reinterpret_cast<HFONT>(SendDlgItemMessageA(p, 280, WM_GETFONT, 0, 0));
  HFONT previous2 = reinterpret_cast<HFONT>(SendDlgItemMessageA(p, 281, WM_GETFONT, 0, 0));
  SendDlgItemMessageA(p, 280, WM_SETFONT, reinterpret_cast<WPARAM>(teaser1Font), TRUE);
  SendDlgItemMessageA(p, 281, WM_SETFONT, reinterpret_cast<WPARAM>(teaser2Font), TRUE);
  SendDlgItemMessageA(p, 201, WM_SETFONT, reinterpret_cast<WPARAM>(descriptionFont), TRUE);

  STRING text1 = teaser1.StrLen > 0 ? teaser1 : SETUPCFG::WithProg(TextOf(p, 280), appName);
  STRING text2 = teaser2.StrLen > 0 ? teaser2 : SETUPCFG::WithProg(TextOf(p, 281), product.Buffer);
  SetDlgItemTextA(p, 280, text1.Buffer);
  SetDlgItemTextA(p, 281, text2.Buffer);
  SetDlgItemTextA(p, 201, advert.Value("Description").Buffer);
  SetDlgItemTextA(p, 101, AdvertisedUrl.Buffer);
  page->AddField(new ACTIONFIELD(101, &AdvertisedUrl, OpenDocumentHandler, 0));

  int result = frame->Run();
  SendDlgItemMessageA(p, 280, WM_SETFONT, reinterpret_cast<WPARAM>(previous1), FALSE);
  SendDlgItemMessageA(p, 281, WM_SETFONT, reinterpret_cast<WPARAM>(previous2), FALSE);
  DeleteObject(teaser1Font);
  DeleteObject(teaser2Font);
  // The description's font outlives the page's use of it only until here:
  // the page is closed right after this function.
  SendDlgItemMessageA(p, 201, WM_SETFONT, 0, FALSE);
  DeleteObject(descriptionFont);
  return result;
}

}  // namespace SETUP
