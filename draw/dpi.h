#pragma once
#include <windows.h>

// The DPI the windows are laid out at.

// Pixels per inch of the screen as the system started: the DPI its stock
// fonts are made for.
int System_Dpi();

// Pixels per inch of the window's monitor; the screen's where Windows is too
// old to tell.
int Window_Dpi(HWND window);
