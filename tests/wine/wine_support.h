#pragma once
// What the Windows tests share: running the thread's messages as the
// program's loop would, and reading back a window's pixels.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "colour.h"

// Runs this thread's messages for about `ms` milliseconds; returns the code of
// a WM_QUIT met on the way, or -1.
inline int Pump(DWORD ms = 0) {
  int quit = -1;
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = static_cast<int>(message.wParam);
      DispatchMessageA(&message);
    }
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) return quit;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
}

// How many pixels of the window's client area in [left, right) x [top,
// bottom) show `colour`, as the screen shows them now.
inline int Count(HWND window, Colour colour, int left, int top, int right, int bottom) {
  const int width = right - left, height = bottom - top;
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
  GdiFlush();
  // A DIB pixel is 0x00RRGGBB, a colour 0x00BBGGRR.
  const std::uint32_t wanted = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
  int n = 0;
  for (int k = 0; k < width * height; ++k) n += (static_cast<std::uint32_t*>(bits)[k] & 0xFFFFFF) == wanted;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return n;
}
