// Draw_Paint on a real window under Wine: a seeded model laid out and moved a
// few steps with its path traced is painted, the window's pixels are read
// back and checked against where the view mapping puts each shape.
#include <memory>

#include "draw_controler.h"
#include "draw_paint.h"
#include "wine_test_support.h"

namespace {

using wine_test::Dib;
using wine_test::Pixels;
using wine_test::Pump;

constexpr int width = 720;
constexpr int height = 500;

Draw_Parameter* painted_list = nullptr;
int paint_count = 0;

LRESULT CALLBACK Paint_Test_Proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message != WM_PAINT || painted_list == nullptr) return DefWindowProcA(window, message, w_param, l_param);
  Draw_Paint(window, *painted_list);
  ++paint_count;
  return 0;
}

// One window serves the whole suite, frameless at the screen's corner.
class Paint_Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = Paint_Test_Proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = "TumblenPaintTest";
    RegisterClassA(&window_class);
    window = CreateWindowExA(WS_EX_TOPMOST, "TumblenPaintTest", "Paint", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    model = std::make_unique<Draw_Controler>();
    model->random.Seed(20);
    model->origin_x = 200.0;
    model->origin_y = 410.0;
    model->scale_x = model->scale_y = 1.0;
    painted_list = model.get();
  }

  // Erases the window to its white background and paints the model through
  // WM_PAINT, as the program does; returns what the window then shows.
  Pixels Paint() {
    const int before = paint_count;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    Pump();
    EXPECT_GT(paint_count, before);
    return Pixels(window, 0, 0, width, height);
  }

  int Map_Middle_X(double a, double b) const { return model->Map_X((a + b) / 2); }
  int Map_Middle_Y(double a, double b) const { return model->Map_Y((a + b) / 2); }

  static HWND window;
  std::unique_ptr<Draw_Controler> model;
};

HWND Paint_Test::window = nullptr;

TEST_F(Paint_Test, DrawsBoxParticlesTargetPathAndLabels) {
  model->Advance();  // lays the model out
  model->trace_on = 1;
  // World (50, 50) to (110, 50): window row 360 from x 250 to 310.
  model->trace_x->Push(50.0);
  model->trace_y->Push(50.0);
  model->trace_x->Push(110.0);
  model->trace_y->Push(50.0);
  for (int step = 0; step < 3; ++step) model->Advance();
  ASSERT_GE(model->line_count, 1);
  const Pixels pixels = Paint();

  // The box 0,0-400,400 lands on (200, 410)-(600, 10): its blue outline holds
  // x 200 to 599 and y 10 to 409. The labels sit at world y -20 (window y
  // 430): the temperature in blue from x 230, the mass ratio in red from 340.
  struct Region {
    Colour colour;
    int left, top, right, bottom;
    int at_least, at_most;
  };
  const int inside = 398 * 398;
  const Region regions[] = {
      {colours::blue, 200, 10, 201, 11, 1, 1},      {colours::blue, 599, 10, 600, 11, 1, 1},
      {colours::blue, 200, 409, 201, 410, 1, 1},    {colours::blue, 599, 409, 600, 410, 1, 1},
      {colours::blue, 200, 10, 600, 11, 380, 400},  {colours::blue, 200, 10, 201, 410, 380, 400},
      {colours::white, 199, 9, 200, 10, 1, 1},      {colours::white, 600, 410, 601, 411, 1, 1},
      {colours::white, 201, 11, 599, 409, inside * 3 / 4 + 1, inside},
      {colours::green, 201, 11, 599, 409, 200 * 9 + 1, inside},
      {colours::green, 0, 0, 200, height, 0, 0},    {colours::magenta, 250, 360, 311, 361, 59, 61},
      {colours::blue, 230, 430, 340, 480, 31, 110 * 50}, {colours::red, 340, 430, width, 480, 61, 380 * 50},
      {colours::red, 200, 430, 340, 480, 0, 0},     {colours::blue, 0, 420, 229, height, 0, 0},
  };
  for (const Region& r : regions) {
    SCOPED_TRACE(testing::Message() << std::hex << r.colour << std::dec << " in " << r.left << "," << r.top << "-"
                                    << r.right << "," << r.bottom);
    const int n = pixels.Count(r.colour, r.left, r.top, r.right, r.bottom);
    EXPECT_GE(n, r.at_least);
    EXPECT_LE(n, r.at_most);
  }
  // No blue above the labels but the box outline.
  EXPECT_EQ(pixels.Count(colours::blue, 0, 0, width, 429), pixels.Count(colours::blue, 200, 10, 600, 410));

  // Each particle's mapped centre off the outline shows a shape, never the fill.
  int covered = 0;
  for (int i = 1; i <= model->particle_count; ++i) {
    const int x = Map_Middle_X(model->ellipse_left[i], model->ellipse_right[i]);
    const int y = Map_Middle_Y(model->ellipse_top[i], model->ellipse_bottom[i]);
    if (x <= 200 || x >= 599 || y <= 10 || y >= 409) continue;
    const DWORD p = pixels.At(x, y);
    covered += p == Dib(colours::green) || p == Dib(colours::red) || p == Dib(colours::magenta);
  }
  EXPECT_GE(covered, model->particle_count * 9 / 10);

  // The target, drawn over every particle, red around its mapped centre.
  const int t = model->particle_count + 1;
  ASSERT_EQ(model->ellipse_count, t);
  const int cx = Map_Middle_X(model->ellipse_left[t], model->ellipse_right[t]);
  const int cy = Map_Middle_Y(model->ellipse_top[t], model->ellipse_bottom[t]);
  EXPECT_GT(pixels.Count(colours::red, cx - 10, cy - 10, cx + 10, cy + 10), 20 * 20 - 60);
  EXPECT_EQ(pixels.Count(colours::green, cx - 10, cy - 10, cx + 10, cy + 10), 0);

  // Every segment of the path shows magenta about its mapped middle.
  for (int j = 1; j <= model->line_count; ++j) {
    const int x = Map_Middle_X(model->line_x1[j], model->line_x2[j]);
    const int y = Map_Middle_Y(model->line_y1[j], model->line_y2[j]);
    EXPECT_GE(pixels.Count(colours::magenta, x - 1, y - 1, x + 2, y + 2), 1) << "segment " << j;
  }
}

TEST_F(Paint_Test, TargetOffLeavesItsPlaceToTheParticles) {
  model->target_on = 0;
  model->Advance();
  const Pixels pixels = Paint();
  EXPECT_EQ(model->ellipse_count, model->particle_count);
  EXPECT_EQ(pixels.Count(colours::red, 200, 10, 600, 410), 0);
  EXPECT_GT(pixels.Count(colours::green, 201, 11, 599, 409), 200 * 9);
  EXPECT_EQ(pixels.Count(colours::magenta), 0);
}

// A count past the tables is drawn as 399 and stored back; paints repeat
// exactly and leave no GDI objects behind.
TEST_F(Paint_Test, ClampedCountRepeatablePaintsAndNoGdiLeak) {
  model->Advance();
  model->ellipse_count = 450;
  const Pixels first = Paint();
  EXPECT_EQ(model->ellipse_count, 399);
  EXPECT_EQ(first.At(200, 10), Dib(colours::blue));
  const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const int painted = paint_count;
  for (int k = 0; k < 50; ++k) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
  EXPECT_EQ(paint_count, painted + 50);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects + 2);
  const Pixels again = Paint();
  EXPECT_EQ(first.Count(colours::green, 200, 10, 600, 410), again.Count(colours::green, 200, 10, 600, 410));
}

}  // namespace
