// The window tree as text, one line per window, children indented by two
// blanks under their parent. Tests compare dumps as text, so the format is
// fixed and holds nothing volatile (no handles, no coordinates):
//
//   CLASS id=ID [qid=QID] "TEXT" [STYLE...] visible|hidden enabled|disabled
//         [checked|unchecked|indeterminate] [sel=INDEX]
//
// followed, for list and combo boxes, by one line per item:
//
//   item "TEXT" [selected]
//
// ID is the control id (0 for top-level windows); qid is the answer to the
// query-id message where the window gives one. STYLE words, in this order:
//   buttons:    push defpush checkbox autocheckbox radio autoradio 3state
//               auto3state groupbox ownerdraw (one of them)
//   edits:      multiline password readonly number uppercase lowercase
//   list boxes: sort multisel extsel ownerdraw notify
//   combos:     simple|dropdown|dropdownlist sort ownerdraw
//   statics:    icon bitmap frame etched ownerdraw (only for non-text kinds)
//   children:   tabstop group
// visible and enabled are the window's own flags. checked appears for check
// boxes and radio buttons, sel (the selected index, -1 for none) for lists.
#pragma once

#include <windows.h>

#include <string>

namespace robot {

// The tree of root, root itself included.
std::string DumpTree(HWND root);

// Every visible top-level window with its tree, ordered by class and text
// (not by the front-to-back order, which changes with activation).
std::string DumpDisplay();

}  // namespace robot
