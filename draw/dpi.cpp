#include "dpi.h"

int System_Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Looked up at run time: Windows 10 has it, and the program still starts on
// older Windows without it.
int Window_Dpi(HWND window) {
  using Get_Dpi_For_Window = UINT(WINAPI*)(HWND);
  static const auto get_dpi = reinterpret_cast<Get_Dpi_For_Window>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const int dpi = get_dpi != nullptr ? static_cast<int>(get_dpi(window)) : 0;
  return dpi > 0 ? dpi : System_Dpi();
}
