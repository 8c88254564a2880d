#pragma once
#include <windows.h>

// The main window: class "Ws_OwnerWnd", the left-hand button column, the menu
// bar, the animation timer and the drawing area. Its procedure translates
// messages into Main_Window_Logic calls and carries out what that asks for.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param);

// Registers "Ws_OwnerWnd" and then "PopupWnd"; false as soon as one fails.
bool Register_Window_Classes(HINSTANCE instance);

// Creates the visible main window, 660 x 560 at the default position, with
// the class menu; its WM_CREATE builds the model's first layout, nine of the
// buttons and the hidden Mass Setting window. Null on failure.
HWND Create_Main_Window(HINSTANCE instance);

// The three buttons the window does not keep: 温度を上げる, 温度を下げる, 終了.
void Create_Entry_Buttons(HWND window, HINSTANCE instance);

// Runs the message loop until WM_QUIT and returns its code.
int Run_Message_Loop();

// The hidden-until-asked Mass Setting window made in WM_CREATE.
HWND Mass_Setting_Window();
