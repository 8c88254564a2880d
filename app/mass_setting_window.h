#pragma once
#include <windows.h>

// Window procedure of the "PopupWnd" class: the Mass Setting window, in which
// the user chooses the mass ratio by text or scroll bar. The main window
// creates it hidden, shows it from its menu, and is inert while it shows.
LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
