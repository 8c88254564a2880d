// Shows one of the program's small windows on its own, for screenshots:
//   tumblen_show_dialogs mass [seconds]   the Mass Setting window as first shown
//   tumblen_show_dialogs about [seconds]  the About dialog
// and ends after the given number of seconds (default 30).
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "about_dialog.h"
#include "popup_window.h"
#include "the_model.h"

namespace {

void CALLBACK Time_Up(HWND, UINT, UINT_PTR, DWORD) { ExitProcess(0); }

int Show_Mass_Setting(HINSTANCE instance) {
  WNDCLASSA owner_class = {};
  owner_class.lpfnWndProc = DefWindowProcA;
  owner_class.hInstance = instance;
  owner_class.lpszClassName = "Tumblen_Screenshot_Owner";
  RegisterClassA(&owner_class);
  WNDCLASSA popup_class = {};
  popup_class.style = CS_HREDRAW | CS_VREDRAW;
  popup_class.lpfnWndProc = PopupWndProc;
  popup_class.hInstance = instance;
  popup_class.hIcon = LoadIconA(instance, "KavrinoIcon");
  popup_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  popup_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  popup_class.lpszClassName = "PopupWnd";
  if (!RegisterClassA(&popup_class)) return 1;
  HWND owner = CreateWindowExA(0, "Tumblen_Screenshot_Owner", "Tumblen", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                               nullptr, nullptr, instance, nullptr);
  HWND popup = CreateWindowExA(0, "PopupWnd", "Mass Setting", WS_OVERLAPPEDWINDOW, 10, 10, 300, 100, owner,
                               nullptr, instance, nullptr);
  if (!popup) return 1;
  ShowWindow(popup, SW_SHOW);
  The_Model().popup_open = 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  const char* rest = std::strchr(command_line, ' ');
  const int seconds = rest ? std::atoi(rest + 1) : 30;
  SetTimer(nullptr, 0, static_cast<UINT>((seconds > 0 ? seconds : 30) * 1000), Time_Up);
  if (std::strncmp(command_line, "mass", 4) == 0) return Show_Mass_Setting(instance);
  if (std::strncmp(command_line, "about", 5) == 0) {
    DialogBoxParamA(instance, "KavrinoVer", nullptr, AboutDlgProc, 0);
    return 0;
  }
  return 2;
}
