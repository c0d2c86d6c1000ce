// A Win32 program that does nothing but exit: the cost of starting any
// program under Wine, beside which setup.exe's start-up is measured.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
