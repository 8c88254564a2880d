#pragma once
#include <windows.h>

#include "view.h"

// The main window: class "Ws_OwnerWnd", the left-hand button column, the menu
// bar, the animation timer and the drawing area.

// The main window's outer size at 96 DPI.
inline constexpr int main_width = 660;
inline constexpr int main_height = 560;

// The part of the client area redrawn after commands and ticks at `dpi`:
// right of the button column, which ends at x = 160 at 96 DPI.
RECT Drawing_Area(int dpi);

// A control's place in its window's client area, in pixels at 96 DPI.
struct Place {
  int x;
  int y;
  int width;
  int height;
};

// Puts `control` at `place`, scaled to `dpi`.
void Place_Control(HWND control, const Place& place, int dpi);

// Puts `control` after its siblings: last in the Tab order.
void Put_Last(HWND control);

// Gives a window moved to a monitor of another scale the rectangle the
// system suggests there.
void Take_Suggested_Rectangle(HWND window, const RECT& suggested);

// The DPI the main window is laid out at, as it last learnt it.
int Main_Window_Dpi();

// The main window's client area as it is now, with the labels' extents.
Client_Area Main_Window_Client();

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "Ws_OwnerWnd" and then "PopupWnd"; false as soon as one fails.
bool Register_Window_Classes(HINSTANCE instance);

// The visible main window, 660 x 560 at 96 DPI, at the default position,
// with the class menu; null on failure. Its creation lays the model out and
// makes nine of the buttons and the hidden Mass Setting window.
HWND Create_Main_Window(HINSTANCE instance);

// The three buttons the window never changes: 温度を上げる, 温度を下げる, 終了.
// Tab then takes all twelve down the column.
void Create_Entry_Buttons(HWND window, HINSTANCE instance);

// Handles one message from the queue as the loop does: Tab, Shift+Tab and
// Enter move the focus and press buttons in either window, Escape closes the
// Mass Setting window.
void Handle_Message(MSG& message);

// Runs the message loop until WM_QUIT and returns its code, or -1 if reading
// a message fails.
int Run_Message_Loop();
