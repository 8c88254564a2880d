#pragma once
#include <windows.h>

// Dialog procedure of the About dialog (template "KavrinoVer"), run modally
// by the main window. OK and the close box end it with 1.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
