#include "ui/printer.h"

#include <commdlg.h>

#include "foundation/log.h"

PRINTER::PRINTER()
    : Left(0), Top(0), RightEdge(0), BottomEdge(0), hFont(nullptr), CellWidth(0), CellHeight(0), X(0), Y(0),
      hDC(nullptr), PagePending(false), LineFeedOnly(false) {}

PRINTER::~PRINTER() {
  if (hDC != nullptr) DeleteDC(hDC);
  if (hFont != nullptr) DeleteObject(hFont);
}

int PRINTER::MillimetresToUnits(int millimetres, int dotsPerInch) { return millimetres * dotsPerInch * 10 / 254; }

int PRINTER::NextTabStop(int x, int left, int cellWidth) {
  if (cellWidth <= 0) return x;
  return left + cellWidth * 8 * ((x - left) / cellWidth / 8 + 1);
}

bool PRINTER::PrintDialog(HWND owner, int* fromPage, int* toPage, int currentPage, int* copies, bool useDefault) {
  ASSERTION(!this->hDC, nullptr);
  ASSERTION(!this->hFont, nullptr);
  Left = Top = RightEdge = BottomEdge = 0;
  LineFeedOnly = false;

  // The structure's size is the platform's own (66 bytes only in 32-bit
  // builds): PrintDlgA refuses any other.
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.Flags = PD_RETURNDC | (useDefault ? PD_RETURNDEFAULT : 0);
  bool range = fromPage != nullptr && toPage != nullptr;
  if (range) {
    pd.nFromPage = pd.nMinPage = static_cast<WORD>(*fromPage);
    pd.nToPage = pd.nMaxPage = static_cast<WORD>(*toPage);
  }
  if (copies != nullptr) pd.nCopies = static_cast<WORD>(*copies);
  PrintDlgA(&pd);
  if (pd.hDevMode != nullptr) GlobalFree(pd.hDevMode);
  if (pd.hDevNames != nullptr) GlobalFree(pd.hDevNames);
  if (pd.hDC == nullptr) return false;

  hDC = pd.hDC;
  PagePending = true;
  if (range) {
    if ((pd.Flags & PD_SELECTION) != 0) {
      int current = currentPage;
      ASSERTION(current != -1, nullptr);
      *fromPage = *toPage = current;
    } else {
      *fromPage = pd.nFromPage;
      *toPage = pd.nToPage;
    }
  }
  if (copies != nullptr) *copies = pd.nCopies;
  return true;
}

void PRINTER::SetMargins(int left, int top, int right, int bottom) {
  ASSERTION(this->hDC, nullptr);
  if (hDC == nullptr) return;
  int x = GetDeviceCaps(hDC, LOGPIXELSX);
  int y = GetDeviceCaps(hDC, LOGPIXELSY);
  Left = MillimetresToUnits(left, x);
  Top = MillimetresToUnits(top, y);
  RightEdge = GetDeviceCaps(hDC, HORZRES) - MillimetresToUnits(right, x);
  BottomEdge = GetDeviceCaps(hDC, VERTRES) - MillimetresToUnits(bottom, y);
}

void PRINTER::SetFont(const char* faceName, int pointSize, bool bold, bool italic) {
  int y = hDC != nullptr ? GetDeviceCaps(hDC, LOGPIXELSY) : 72;
  if (hFont != nullptr) DeleteObject(hFont);
  hFont = CreateFontA(pointSize * y / 72, 0, 0, 0, bold ? 700 : 400, italic ? TRUE : FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, faceName);
  ASSERTION(this->hFont, faceName);
  if (hDC != nullptr && hFont != nullptr) SelectObject(hDC, hFont);
}

void PRINTER::StartDoc(const char* documentName, bool lineFeedOnly) {
  ASSERTION(this->hDC, documentName);
  if (hDC == nullptr) return;
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = documentName;
  ::StartDocA(hDC, &doc);
  LineFeedOnly = lineFeedOnly;
}

void PRINTER::NewPage() {
  ASSERTION(this->hDC, nullptr);
  if (hDC == nullptr) return;
  if (!PagePending) EndPage(hDC);
  StartPage(hDC);
  SetMapMode(hDC, MM_TEXT);
  SetTextColor(hDC, RGB(0, 0, 0));
  SetBkMode(hDC, TRANSPARENT);
  SetTextAlign(hDC, TA_BASELINE | TA_UPDATECP);
  if (hFont != nullptr) {
    HGDIOBJ previous = SelectObject(hDC, hFont);
    if (previous != nullptr && previous != hFont) DeleteObject(previous);
  }
  SIZE cell{};
  GetTextExtentPoint32A(hDC, "X", 1, &cell);
  CellWidth = cell.cx;
  CellHeight = cell.cy;
  X = Left;
  Y = Top;
  PagePending = false;
}

void PRINTER::DrawRun(const char* text, int length) {
  MoveToEx(hDC, X, Y, nullptr);
  TextOutA(hDC, 0, 0, text, length);
  POINT now{};
  GetCurrentPositionEx(hDC, &now);
  X = now.x;
  Y = now.y;
}

void PRINTER::Control(unsigned char code) {
  switch (code) {
    case 8:
      if (X > Left + CellWidth) X -= CellWidth;
      break;
    case 9:
      X = NextTabStop(X, Left, CellWidth);
      break;
    case 10:
      Y += CellHeight;
      if (!LineFeedOnly) X = Left;
      break;
    case 13:
      X = Left;
      break;
    case 12:
      NewPage();
      break;
    default:
      break;
  }
}

void PRINTER::Print(const char* text, int length) {
  ASSERTION(this->hDC, nullptr);
  if (hDC == nullptr || text == nullptr) return;
  if (length == -1) length = lstrlenA(text);
  int i = 0;
  while (i < length) {
    int start = i;
    while (i < length && static_cast<unsigned char>(text[i]) >= 32) i++;
    if (i > start) DrawRun(text + start, i - start);
    if (i < length) Control(static_cast<unsigned char>(text[i++]));
    if (Y >= BottomEdge) NewPage();
  }
}

void PRINTER::EndDoc() {
  ASSERTION(this->hDC, nullptr);
  if (hDC == nullptr) return;
  EndPage(hDC);
  ::EndDoc(hDC);
  DeleteDC(hDC);
  hDC = nullptr;
}
