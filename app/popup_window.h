#pragma once
#include <windows.h>

// Window procedure of the "PopupWnd" class: the Mass Setting window, in which
// the user chooses the mass ratio by text or scroll bar. The main window
// registers the class with it and creates the window hidden.
LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
