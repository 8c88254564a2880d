// Draw_Paint on a real window: a laid-out model with a path, painted through
// WM_PAINT and read back from the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "draw_controler.h"
#include "draw_paint.h"
#include "wine_support.h"

namespace {

Draw_Controler* painted = nullptr;

LRESULT CALLBACK Paint_Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  Draw_Paint(window, *painted);
  return 0;
}

// How many pixels of the window in `r` show `colour`, as the screen shows them.
int Count(HWND window, Colour colour, RECT r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(window), memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const std::uint32_t wanted = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);  // as 0x00RRGGBB
  int n = 0;
  for (int k = 0; k < width * height; ++k) n += (static_cast<std::uint32_t*>(bits)[k] & 0xFFFFFF) == wanted;
  SelectObject(memory, old), DeleteObject(bitmap), DeleteDC(memory), ReleaseDC(window, screen);
  return n;
}

TEST(Draw_Paint, DrawsTheModelAndFreesEveryPenAndBrushItMakes) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(20);
  model->origin_x = 200.0, model->target_on = 0, model->trace_on = 1;  // nothing moves the target yet
  model->Advance();
  for (const double x : {50.0, 110.0}) model->trace_x->Push(x), model->trace_y->Push(50.0);  // window row 360
  model->Advance();
  model->target_on = 1, model->ellipse_count = 201;
  painted = model.get();

  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = Paint_Proc, window_class.lpszClassName = "Tumblen_Paint_Test";
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "Tumblen_Paint_Test", "", WS_POPUP | WS_VISIBLE, 0, 0, 720, 500, nullptr,
                                nullptr, window_class.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  // A paint makes some 800 pens and brushes; were they not freed, the
  // process's GDI handles would run out long before the last of these paints.
  for (int k = 0; k < 200; ++k) InvalidateRect(window, nullptr, TRUE), UpdateWindow(window);
  // The box 0,0-400,400 lands on (200, 410)-(600, 10); the target 200-240 on
  // both axes over the particles; labels at world y -20, window y 430.
  const struct { Colour colour; RECT r; int at_least, at_most; } regions[] = {
      {colours::blue, {200, 10, 600, 11}, 380, 400},      {colours::blue, {200, 10, 201, 410}, 380, 400},
      {colours::white, {199, 9, 200, 10}, 1, 1},          {colours::green, {201, 11, 599, 409}, 200 * 9, 200 * 25},
      {colours::green, {0, 0, 200, 500}, 0, 0},           {colours::red, {410, 180, 430, 200}, 400, 400},
      {colours::magenta, {250, 360, 311, 361}, 59, 61},   {colours::blue, {230, 430, 340, 480}, 31, 110 * 50},
      {colours::red, {340, 430, 720, 480}, 61, 380 * 50}};
  for (const auto& region : regions) {
    const int n = Count(window, region.colour, region.r);
    EXPECT_TRUE(region.at_least <= n && n <= region.at_most) << std::hex << region.colour << std::dec << " " << n
                                                             << " in " << region.r.left << "," << region.r.top;
  }
  model->ellipse_count = 450;  // without a device context nothing is drawn, not even a count brought down
  Draw_Paint(nullptr, *model);
  EXPECT_EQ(model->ellipse_count, 450);
  DestroyWindow(window);
}

TEST(Platform, TheAnsiCodePageIsJapanese) { EXPECT_EQ(GetACP(), 932u); }

}  // namespace
