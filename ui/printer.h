// PRINTER: plain text on a printer chosen in the common print dialog, page
// by page, in one fixed-pitch font with margins in millimetres.
//
//   PrintDialog (stop when false), SetFont, SetMargins, StartDoc, NewPage,
//   any number of Print calls, EndDoc.
//
// Print draws runs of printable bytes (32 and above, 128 and up included)
// at the current point, whose y is the text baseline. Control bytes:
// backspace goes back one cell (not past the left margin's first cell), tab
// moves to the next stop of every 8 cells, line feed goes one line down
// (and back to the left margin unless line-feed-only is set), carriage
// return goes back to the left margin, form feed starts a new page; others
// are skipped. When the baseline reaches the bottom edge a new page starts.
#pragma once

#include <windows.h>

class PRINTER {
 public:
  PRINTER();
  // Deletes the font and a device context still held.
  ~PRINTER();
  PRINTER(const PRINTER&) = delete;
  PRINTER& operator=(const PRINTER&) = delete;

  // Shows the print dialog (or takes the default printer when useDefault
  // is set); true when a printer device context was obtained. With both page
  // pointers they carry the range in and out (the current page when the user
  // chose the selection); with copies, the number of copies.
  bool PrintDialog(HWND owner, int* fromPage, int* toPage, int currentPage, int* copies, bool useDefault);
  void SetMargins(int left, int top, int right, int bottom);
  void SetFont(const char* faceName, int pointSize, bool bold, bool italic);
  void StartDoc(const char* documentName, bool lineFeedOnly);
  void NewPage();
  // length -1: up to the terminating zero.
  void Print(const char* text, int length);
  void EndDoc();

  // millimetres at dotsPerInch in device units: mm x dpi x 10 / 254.
  static int MillimetresToUnits(int millimetres, int dotsPerInch);
  // The tab stop after x: stops every 8 cells from the left margin.
  static int NextTabStop(int x, int left, int cellWidth);

  int Left;
  int Top;
  int RightEdge;
  int BottomEdge;
  HFONT hFont;
  int CellWidth;
  int CellHeight;
  int X;
  int Y;
  HDC hDC;
  bool PagePending;
  bool LineFeedOnly;

 private:
  void DrawRun(const char* text, int length);
  void Control(unsigned char code);
};
