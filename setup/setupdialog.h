// SETUPDIALOG: the wizard frame every mode runs on - a white header with
// title and description, a page area, two etched separators and the buttons
// Back, Next and Cancel (template 10702 of the language library). A table
// of steps drives it; each step's page is a data-bound dialog placed in the
// page area, and its page function sets the page up, runs the frame's page
// loop (the frame's virtual Run) and returns the button that ended it.
//
// Page function results: 10780 Back, 10781 Next, 0 Cancel (Finish on the
// final step), -1 pass this step over in the direction of the last move;
// anything else (2 for the close box, say) shows the same step again.
//
// The moves of Run(steps, final), index i from 0, previous result r = 0:
//   show row i (buttons by position), hook(4), result = pagefunc, hook(5),
//   close the page; -1 becomes r;
//   Back    i - 1; on the first step a report "FALSE", i stays 0 and the
//           direction becomes Next (so a page passing itself over there
//           does not bounce back for ever)
//   Cancel  on the final step: the wizard is complete, Run returns 1;
//           elsewhere the cancel question (Yes/No): Yes stays on the step,
//           No ends the wizard, Run returns 0
//   Next    i + 1; on the final step the wizard is complete (1)
//   other   the same step again
//   r = result.
#pragma once

#include "setup/hooks.h"
#include "ui/datadialoghost.h"

class SETUPDIALOG;

// A step's page function: sets the page up and runs frame->Run().
using PAGEFUNCTION = int (*)(SETUPDIALOG* frame, DATADIALOG* page);

struct SETUPSTEP {
  int idstep;           // never 0
  int idtitle;          // language string of the header title
  int idtext;           // language string of the header description
  int iddialog;         // page template
  HINSTANCE resmodule;  // where the template is; null for the language library
  PAGEFUNCTION pagefunc;
  int userdata;         // handed to the hook with code 4
};

// Ids of the frame template and its results.
constexpr int SETUPDIALOG_TEMPLATE = 10702;
constexpr int IDC_SETUP_BACK = 10780;
constexpr int IDC_SETUP_NEXT = 10781;
constexpr int IDC_SETUP_TITLE = 10782;
constexpr int IDC_SETUP_TEXT = 10783;
constexpr int IDC_SETUP_PAGEAREA = 10791;
constexpr int IDC_SETUP_HEADER = 10792;
constexpr int IDC_SETUP_ICON = 10793;
constexpr int IDC_SETUP_HIDDEN = 901;
constexpr int IDC_SETUP_SEPARATOR_TOP = 100;
constexpr int IDC_SETUP_SEPARATOR_BOTTOM = 101;
// wParam: a control id that gets the keyboard focus; other threads send it.
constexpr UINT WM_SETUP_FOCUS = WM_USER + 9;

class SETUPDIALOG : public DATADIALOGHOST {
 public:
  // The frame of template 10702 with caption; descriptionSize in points, -1
  // keeps the template's font.
  SETUPDIALOG(const char* caption, const char* cancelQuestion, int descriptionSize);
  ~SETUPDIALOG() override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The page loop (PageLoop); page functions call it.
  int Run() override;

  // 1 when the final step was closed, 0 when the user confirmed cancelling
  // (and at once when the frame has no window).
  int Run(SETUPSTEP* steps, int finalStep);
  // The header texts and a new page of template from module, in the page
  // area.
  DATADIALOG* ShowStep(int templateId, HINSTANCE module, const char* title, const char* text);
  // Puts the page's values, runs the frame's messages until a button ends
  // the page, takes the values back; the button's id.
  int PageLoop();
  void CloseStep();

  HFONT TitleFont;
  HFONT DescriptionFont;
  DATADIALOG* pSubDlg;
  int DescriptionSize;
  STRING CancelQuestion;
  NEWSETUPHOOKFUNCTION Hook;  // codes 4 and 5; null: nobody is told
  WINDOW* Separators[2];

 private:
  void PlaceSeparators();
  void SetButtons(bool first, bool final);
  void FocusFirstPageControl();
  bool ConfirmsCancel();
  STRING CancelText;  // the Cancel button's own text, for the steps before the final one
};
