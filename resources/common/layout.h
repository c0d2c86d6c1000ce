// Shared by every dialog layout in resources/dialogs/: the constants a
// layout needs and the measures that all pages of the wizards have in common.
// A layout names its texts by macros (DLGTEXT_...) that each language defines
// in its dialogtexts.h; see docs/languages.md.
#pragma once
#include <winresrc.h>

// Every layout uses this font, so that the four languages look alike.
#define LAYOUT_FONT 8, "MS Shell Dlg"

// Control ids of the wizard frame that pages and the frame share.
#define IDC_BACK 10780
#define IDC_NEXT 10781
#define IDC_HEADER_TITLE 10782
#define IDC_HEADER_TEXT 10783
