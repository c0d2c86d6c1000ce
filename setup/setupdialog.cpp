#include "setup/setupdialog.h"

#include "foundation/globals.h"
#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/boxes.h"
#include "resources/langstrings.h"
#include "ui/control.h"

namespace {

// --- separators --------------------------------------------------------------

// A 2-pixel etched line: button shadow at y 0, highlight at y 1.
class SEPARATOR : public WINDOW {
 public:
  SEPARATOR(HWND frame, int id)
      : WINDOW(WS_CHILD, "", 0, 0, 10, 2, frame, id, "SetupSeparator", GetModuleHandleA(nullptr)) {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_PAINT) return WINDOW::WindowProc(message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hWnd, &paint);
    RECT area;
    GetClientRect(hWnd, &area);
    RECT shadow{0, 0, area.right, 1};
    RECT light{0, 1, area.right, 2};
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    EndPaint(hWnd, &paint);
    return 0;
  }
};

// --- header colours ----------------------------------------------------------

HBRUSH WhiteBrush = nullptr;

// The frame's MsgHook: the header's title, description and icon on white.
LRESULT HeaderColours(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && WhiteBrush != nullptr) {
    DeleteObject(WhiteBrush);
    WhiteBrush = nullptr;
  }
  if (message != WM_CTLCOLORSTATIC) return 0;
  int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (id != IDC_SETUP_TITLE && id != IDC_SETUP_TEXT && id != IDC_SETUP_ICON) return 0;
  if (WhiteBrush == nullptr) WhiteBrush = CreateSolidBrush(RGB(255, 255, 255));
  SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(WhiteBrush);
}

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void SetDefaultStyle(HWND button, bool isDefault) {
  SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

}  // namespace

// --- construction ------------------------------------------------------------

SETUPDIALOG::SETUPDIALOG(const char* caption, const char* cancelQuestion, int descriptionSize)
    : DATADIALOGHOST(SETUPDIALOG_TEMPLATE, nullptr, nullptr),
      TitleFont(nullptr),
      DescriptionFont(nullptr),
      pSubDlg(nullptr),
      DescriptionSize(descriptionSize),
      CancelQuestion(cancelQuestion),
      Hook(nullptr),
      Separators{} {
  if (hWnd == nullptr) return;
  SetWindowTextA(hWnd, caption != nullptr ? caption : "");
  CancelText = WINDOW(Item(hWnd, IDCANCEL)).Text();
  Separators[0] = new SEPARATOR(hWnd, IDC_SETUP_SEPARATOR_TOP);
  Separators[1] = new SEPARATOR(hWnd, IDC_SETUP_SEPARATOR_BOTTOM);
  MsgHook = HeaderColours;

  WINDOW text(Item(hWnd, IDC_SETUP_TEXT));
  RECT r = text.WindowRect();
  text.Move(r.left, r.top + 1, -1, -1);
  ShowWindow(Item(hWnd, IDC_SETUP_HIDDEN), SW_HIDE);
  PlaceSeparators();
}

void SETUPDIALOG::PlaceSeparators() {
  RECT header = WINDOW(Item(hWnd, IDC_SETUP_HEADER)).WindowRect();
  RECT pages = WINDOW(Item(hWnd, IDC_SETUP_PAGEAREA)).WindowRect();
  RECT back = WINDOW(Item(hWnd, IDC_SETUP_BACK)).WindowRect();
  Separators[0]->Move(0, header.bottom - 1, header.right, 2);
  Separators[1]->Move(0, pages.bottom + (back.top - pages.bottom) / 4, header.right, 2);
  ShowWindow(Separators[0]->hWnd, SW_SHOW);
  ShowWindow(Separators[1]->hWnd, SW_SHOW);
}

SETUPDIALOG::~SETUPDIALOG() {
  ASSERTION(!this->pSubDlg, nullptr);
  CloseStep();
  if (TitleFont != nullptr) DeleteObject(TitleFont);
  if (DescriptionFont != nullptr) DeleteObject(DescriptionFont);
  for (WINDOW*& separator : Separators) {
    delete separator;
    separator = nullptr;
  }
  CancelQuestion.Free();
}

// --- messages ----------------------------------------------------------------

INT_PTR SETUPDIALOG::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETUP_FOCUS) {
    int id = static_cast<int>(wParam);
    HWND control = Item(hWnd, id);
    if (control == nullptr && pSubDlg != nullptr) control = Item(pSubDlg->hWnd, id);
    if (control != nullptr) SetFocus(control);
    return 1;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    // Enter: a command from Next, as far as a user could press Next.
    HWND next = Item(hWnd, IDC_SETUP_NEXT);
    if (next == nullptr || !IsWindowEnabled(next) || !IsWindowVisible(next)) return 1;
    return DATADIALOGHOST::DialogProc(WM_COMMAND, MAKEWPARAM(IDC_SETUP_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(next));
  }
  return DATADIALOGHOST::DialogProc(message, wParam, lParam);
}

// --- steps -------------------------------------------------------------------

DATADIALOG* SETUPDIALOG::ShowStep(int templateId, HINSTANCE module, const char* title, const char* text) {
  SetDlgItemTextA(hWnd, IDC_SETUP_TITLE, title != nullptr ? title : "");
  SetDlgItemTextA(hWnd, IDC_SETUP_TEXT, text != nullptr ? text : "");
  if (TitleFont == nullptr) TitleFont = WINDOW::CreateFont("Arial", 9, true, false);
  SendDlgItemMessageA(hWnd, IDC_SETUP_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(TitleFont), TRUE);
  if (DescriptionSize != -1) {
    if (DescriptionFont == nullptr) DescriptionFont = WINDOW::CreateFont("Arial", DescriptionSize, true, false);
    SendDlgItemMessageA(hWnd, IDC_SETUP_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(DescriptionFont), TRUE);
  }

  HWND area = Item(hWnd, IDC_SETUP_PAGEAREA);
  ShowWindow(area, SW_SHOW);
  RECT place = WINDOW(area).WindowRect();
  ShowWindow(area, SW_HIDE);

  pSubDlg = new DATADIALOG(templateId, hWnd, module);
  ReportAssertion(pSubDlg->hWnd != nullptr, "this->pSubDlg", __FILE__, __LINE__, nullptr, 0);
  HWND page = pSubDlg->hWnd;
  if (page != nullptr) {
    SetWindowLongA(page, GWL_STYLE, GetWindowLongA(page, GWL_STYLE) & ~WS_BORDER);
    pSubDlg->MoveTo(place);
    SetWindowLongA(page, GWL_EXSTYLE, GetWindowLongA(page, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    ShowWindow(page, SW_SHOW);
  }
  return pSubDlg;
}

void SETUPDIALOG::CloseStep() {
  delete pSubDlg;
  pSubDlg = nullptr;
}

void SETUPDIALOG::SetButtons(bool first, bool final) {
  HWND back = Item(hWnd, IDC_SETUP_BACK);
  HWND next = Item(hWnd, IDC_SETUP_NEXT);
  HWND cancel = Item(hWnd, IDCANCEL);
  if (final) {
    ShowWindow(next, SW_HIDE);
    ShowWindow(back, SW_HIDE);
    STRING finish = LanguageString(LANGSTR::LastStepButton);
    SetWindowTextA(cancel, finish.Buffer);
    SendMessageA(hWnd, DM_SETDEFID, IDCANCEL, 0);
    SetDefaultStyle(next, false);
    SetDefaultStyle(cancel, true);
    SetFocus(cancel);
    return;
  }
  SetWindowTextA(cancel, CancelText.Buffer != nullptr ? CancelText.Buffer : "");
  SetDefaultStyle(cancel, false);
  SetDefaultStyle(back, false);
  ShowWindow(back, first ? SW_HIDE : SW_SHOW);
  ShowWindow(next, SW_SHOW);
  // A rule of the previous page may have left them disabled; this page's
  // own rules apply again when its values are put.
  EnableWindow(back, TRUE);
  EnableWindow(next, TRUE);
  SendMessageA(hWnd, DM_SETDEFID, IDC_SETUP_NEXT, 0);
  SetDefaultStyle(next, true);
  SetFocus(next);
}

bool SETUPDIALOG::ConfirmsCancel() {
  STRING caption = Text();
  // Yes keeps the wizard on its step; No ends it.
  return !OSYS::YesNoBox(hWnd, caption.Buffer != nullptr ? caption.Buffer : "",
                         CancelQuestion.Buffer != nullptr ? CancelQuestion.Buffer : "");
}

int SETUPDIALOG::Run(SETUPSTEP* steps, int finalStep) {
  // Without a frame (its template was missing, already reported) no page
  // can be shown or ended: the wizard counts as cancelled.
  if (hWnd == nullptr) return 0;
  int i = 0;
  int previous = 0;
  for (;;) {
    SETUPSTEP& row = steps[i];
    bool final = row.idstep == finalStep;
    ASSERTION(steps[i].idstep!=0, nullptr);
    STRING title = LanguageString(row.idtitle);
    STRING text = LanguageString(row.idtext);
    DATADIALOG* page = ShowStep(row.iddialog, row.resmodule, title.Buffer, text.Buffer);
    SetButtons(i == 0, final);

    HWND pageWindow = page->hWnd;
    SETUP::HOOKPAGEFUNCTION function = reinterpret_cast<SETUP::HOOKPAGEFUNCTION>(row.pagefunc);
    if (Hook != nullptr) Hook(4, row.idstep, hWnd, pageWindow, function, row.userdata);
    int result = row.pagefunc != nullptr ? row.pagefunc(this, page) : 0;
    if (Hook != nullptr) Hook(5, row.idstep, hWnd, pageWindow, function, result);
    CloseStep();

    if (result == -1) result = previous;
    if (result == IDC_SETUP_BACK) {
      if (i == 0) {
        ReportAssertion(0, "FALSE", __FILE__, __LINE__, nullptr, 0);
        result = IDC_SETUP_NEXT;
      } else {
        i--;
      }
    } else if (result == 0) {
      if (final) return 1;
      if (ConfirmsCancel()) return 0;
    } else if (result == IDC_SETUP_NEXT) {
      if (final) return 1;
      i++;
    }
    previous = result;
  }
}

// --- the page loop -----------------------------------------------------------

int SETUPDIALOG::Run() { return PageLoop(); }

// The first child of the page that takes the focus: enabled with a tab
// stop and not an automatic radio button, or a ticked button.
void SETUPDIALOG::FocusFirstPageControl() {
  if (pSubDlg == nullptr || pSubDlg->hWnd == nullptr) return;
  for (HWND child = GetWindow(pSubDlg->hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    LONG style = GetWindowLongA(child, GWL_STYLE);
    bool autoRadio = HasClass(child, "Button") && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    bool takesTab = (style & WS_TABSTOP) != 0 && IsWindowEnabled(child) && !autoRadio;
    bool ticked = HasClass(child, "Button") && SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (takesTab || ticked) {
      SetFocus(child);
      return;
    }
  }
}

int SETUPDIALOG::PageLoop() {
  if (pSubDlg != nullptr) pSubDlg->PutAll();
  ShowWindow(hWnd, SW_SHOW);
  FocusFirstPageControl();
  int code = ModalMessageLoop(hWnd);
  if (pSubDlg != nullptr) pSubDlg->GetAll();
  return code;
}
