#pragma once
// What the Windows tests share: running the thread's messages, reading back a
// window's pixels, window texts and layout, finding the open dialog box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "colour.h"

namespace wine_test {

// The last WM_QUIT Pump saw, and its code.
inline bool quit_seen = false;
inline WPARAM quit_code = 0;

// Runs the thread's messages for about `ms` milliseconds (at least once), as
// the program's loop would, noting a WM_QUIT instead of stopping.
inline void Pump(DWORD ms = 0) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit_seen = true;
        quit_code = message.wParam;
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
}

// A program colour as a pixel of a 32-bit DIB holds it (0x00RRGGBB).
constexpr DWORD Dib(Colour colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// The client pixels of a window in [left, left + width) x [top, top + height),
// as they are on the screen now; coordinates stay the window's.
class Pixels {
 public:
  Pixels(HWND window, int left, int top, int width, int height)
      : left_(left), top_(top), width_(width), height_(height) {
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down rows
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
  }

  DWORD At(int x, int y) const { return pixels_[static_cast<size_t>(y - top_) * width_ + (x - left_)] & 0xFFFFFFu; }

  // Pixels of `colour` in [left, right) x [top, bottom), clipped to the copy.
  int Count(Colour colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = std::max(top, top_); y < std::min(bottom, top_ + height_); ++y)
      for (int x = std::max(left, left_); x < std::min(right, left_ + width_); ++x) n += At(x, y) == Dib(colour);
    return n;
  }
  int Count(Colour colour) const { return Count(colour, left_, top_, left_ + width_, top_ + height_); }

 private:
  int left_, top_, width_, height_;
  std::vector<std::uint32_t> pixels_;
};

inline std::string Text_Of(HWND window) {
  char text[2048] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A child's place and size in its parent's client area.
inline void Expect_Placed(HWND child, int x, int y, int width, int height) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

inline SIZE Outer_Size(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The visible dialog box of this thread, or null.
inline HWND Open_Dialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace wine_test
