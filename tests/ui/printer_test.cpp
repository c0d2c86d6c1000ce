// PRINTER's arithmetic (margins in device units, tab stops) and its
// behaviour without a printer. The real print job is tests/ui/print_test.sh.
#include <gtest/gtest.h>

#include "tests/foundation/support.h"
#include "ui/printer.h"

TEST(PrinterArithmetic, MarginsInDeviceUnits) {
  struct CASE {
    int millimetres, dpi, units;
  } cases[] = {
      {25, 600, 590},  // 25 x 600 x 10 / 254 = 590.55
      {20, 300, 236},  // a top margin at 300 dpi vertically
      {20, 600, 472},  // the left margin of the same printer
      {0, 600, 0},
      {254, 300, 3000},
  };
  for (const CASE& c : cases) EXPECT_EQ(PRINTER::MillimetresToUnits(c.millimetres, c.dpi), c.units) << c.millimetres << "@" << c.dpi;
}

TEST(PrinterArithmetic, TabStopsEveryEightCellsFromTheLeftMargin) {
  struct CASE {
    int x, left, cell, stop;
  } cases[] = {
      {100, 100, 10, 180},  // at the margin: the first stop
      {110, 100, 10, 180},  // one letter in: still the first stop
      {179, 100, 10, 180},
      {180, 100, 10, 260},  // on a stop: the next one
      {0, 0, 25, 200},
  };
  for (const CASE& c : cases) EXPECT_EQ(PRINTER::NextTabStop(c.x, c.left, c.cell), c.stop) << c.x;
}

TEST(PrinterWithoutPrinter, TheDefaultPrinterDialogFailsAndNothingIsHeld) {
  // The base prefix of the test machine has no printer.
  PRINTER printer;
  int from = 1, to = 3, copies = 2;
  EXPECT_FALSE(printer.PrintDialog(nullptr, &from, &to, -1, &copies, true));
  EXPECT_EQ(printer.hDC, nullptr);
  EXPECT_EQ(from, 1);
  EXPECT_EQ(copies, 2);
  testsupport::ReportCapture reports;
  printer.NewPage();
  printer.Print("x", -1);
  printer.EndDoc();
  EXPECT_EQ(reports.Conditions(), (std::vector<std::string>{"this->hDC", "this->hDC", "this->hDC"}));
}
