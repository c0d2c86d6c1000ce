// The print job of tests/ui/print_test.sh: a text of three pages on the
// default printer through PRINTER - a page filled until it overflows onto
// the second, then a form feed before the third - with a tab and a
// reference line for the tab stop. Prints the page geometry it used. With
// the argument "ask" the user chooses the printer in the print dialog.
#include <cstdio>
#include <string>

#include "ui/printer.h"

#include <cstring>

int main(int argc, char** argv) {
  bool ask = argc > 1 && std::strcmp(argv[1], "ask") == 0;
  PRINTER printer;
  int from = 1, to = 9, copies = 1;
  if (!printer.PrintDialog(nullptr, &from, &to, -1, &copies, !ask)) {
    std::fprintf(stderr, "printjob: no default printer\n");
    return 1;
  }
  std::printf("from=%d to=%d copies=%d\n", from, to, copies);
  printer.SetFont("Courier New", 10, false, false);
  printer.SetMargins(20, 20, 15, 25);
  printer.StartDoc("Halvix print test", false);
  printer.NewPage();

  std::string text = "FIRST PAGE\nXXXXXXXXB\nA\tB\nsecond\nline\n";
  for (int n = 1; n <= 120; n++) {
    char line[32];
    std::snprintf(line, sizeof line, "LINE %03d\n", n);
    text += line;
  }
  text += "\fTHIRD PAGE AFTER FORM FEED\n";
  printer.Print(text.c_str(), -1);
  std::printf("top=%d bottom=%d cell=%d cellwidth=%d dpi=%d\n", printer.Top, printer.BottomEdge,
              printer.CellHeight, printer.CellWidth, GetDeviceCaps(printer.hDC, LOGPIXELSX));
  printer.EndDoc();
  return 0;
}
