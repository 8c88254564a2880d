// Draw_Paint on a real window: a laid-out model with its path, painted
// through WM_PAINT and read back from the screen.
#include <gtest/gtest.h>

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

void Paint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

TEST(Draw_Paint, DrawsTheModelAndFreesEveryPenAndBrushItMakes) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(20);
  model->origin_x = 200.0;
  model->target_on = 0;  // nothing collides or moves the target while the path is built
  model->Advance();
  model->trace_on = 1;
  model->trace_x->Push(50.0);  // window row 360 from x 250 to 310
  model->trace_y->Push(50.0);
  model->trace_x->Push(110.0);
  model->trace_y->Push(50.0);
  model->Advance();
  model->target_on = 1;
  model->ellipse_count = 201;
  painted = model.get();

  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = Paint_Proc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = "Tumblen_Paint_Test";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "Tumblen_Paint_Test", "", WS_POPUP | WS_VISIBLE, 0, 0, 720, 500,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  Pump(100);

  // A paint makes some 800 pens and brushes; were they not freed, the
  // process's GDI handles would run out long before the last of these paints.
  for (int k = 0; k < 200; ++k) Paint(window);
  const auto expect = [window](Colour colour, RECT r, int at_least, int at_most) {
    const int n = Count(window, colour, r.left, r.top, r.right, r.bottom);
    EXPECT_GE(n, at_least) << std::hex << colour << std::dec << " in " << r.left << "," << r.top;
    EXPECT_LE(n, at_most) << std::hex << colour << std::dec << " in " << r.left << "," << r.top;
  };
  // The box 0,0-400,400 lands on (200, 410)-(600, 10): its outline holds x 200
  // to 599 and y 10 to 409; the target at 200-240 on both axes is drawn over
  // the particles; labels at world y -20, window y 430.
  expect(colours::blue, {200, 10, 600, 11}, 380, 400);
  expect(colours::blue, {200, 10, 201, 410}, 380, 400);
  expect(colours::white, {199, 9, 200, 10}, 1, 1);
  expect(colours::green, {201, 11, 599, 409}, 200 * 9, 200 * 25);
  expect(colours::green, {0, 0, 200, 500}, 0, 0);
  expect(colours::red, {410, 180, 430, 200}, 20 * 20, 20 * 20);
  expect(colours::magenta, {250, 360, 311, 361}, 59, 61);
  expect(colours::blue, {230, 430, 340, 480}, 31, 110 * 50);
  expect(colours::red, {340, 430, 720, 480}, 61, 380 * 50);

  // Without a device context nothing is drawn, not even a count brought down.
  model->ellipse_count = 450;
  Draw_Paint(nullptr, *model);
  EXPECT_EQ(model->ellipse_count, 450);
  DestroyWindow(window);
}

TEST(Platform, TheAnsiCodePageIsJapanese) { EXPECT_EQ(GetACP(), 932u); }

}  // namespace
