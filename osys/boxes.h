// The three standard message boxes (MessageBoxA with MB_SETFOREGROUND),
// owned by the window owner (a window handle or null). A null caption is
// language string 10001 (LANGSTR::DefaultBoxCaption) of ResourceModule, the
// default caption of message boxes. Product build only.
#pragma once

namespace OSYS {

// Information icon and OK.
void InfoBox(void* owner, const char* caption, const char* text);
// Error icon and OK.
void ErrorBox(void* owner, const char* caption, const char* text);
// Question icon, Yes and No; true when Yes was chosen.
bool YesNoBox(void* owner, const char* caption, const char* text);

}  // namespace OSYS
