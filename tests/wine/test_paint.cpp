// Draw_Paint on a real window under Wine: a seeded model laid out and moved a
// few steps with its path traced is painted, the window's pixels are read
// back and checked against where the view mapping puts each shape.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "draw_controler.h"
#include "draw_paint.h"
#include "to_int.h"

namespace {

constexpr int window_width = 720;
constexpr int window_height = 500;

Draw_Parameter* painted_list = nullptr;
int paint_count = 0;

LRESULT CALLBACK Paint_Test_Proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_PAINT && painted_list != nullptr) {
    Draw_Paint(window, *painted_list);
    ++paint_count;
    return 0;
  }
  return DefWindowProcA(window, message, w_param, l_param);
}

void Pump_Messages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// A plain colour of the program, as the pixel of a 32-bit DIB holds it (0x00RRGGBB).
constexpr DWORD Dib(Colour colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

class Window_Pixels {
 public:
  // Copies the client area of `window` as it is on screen.
  explicit Window_Pixels(HWND window) {
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = window_width;
    info.bmiHeader.biHeight = -window_height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, window_width, window_height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    pixels_.assign(pixels, pixels + window_width * window_height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
  }

  DWORD At(int x, int y) const { return pixels_[static_cast<size_t>(y) * window_width + x] & 0xFFFFFFu; }

  // Pixels of `colour` in the rectangle [left, right) x [top, bottom).
  int Count(Colour colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == Dib(colour) ? 1 : 0;
    return n;
  }

 private:
  std::vector<DWORD> pixels_;
};

// One window serves the whole suite: Wine takes a while to take a shown
// window down when no window manager runs.
class Paint_Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = Paint_Test_Proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    window_class.lpszClassName = "TumblenPaintTest";
    RegisterClassA(&window_class);
    // Frameless at the screen's corner, so client and screen pixels agree.
    window = CreateWindowExA(WS_EX_TOPMOST, "TumblenPaintTest", "Paint", WS_POPUP | WS_VISIBLE, 0, 0, window_width,
                             window_height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump_Messages();
  }

  static void TearDownTestSuite() {
    if (window != nullptr) DestroyWindow(window);
    window = nullptr;
    Pump_Messages();
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    model = std::make_unique<Draw_Controler>();
    model->random.Seed(20);
    model->origin_x = 200.0;
    model->origin_y = 410.0;
    model->scale_x = 1.0;
    model->scale_y = 1.0;
  }

  void TearDown() override { painted_list = nullptr; }

  // Erases the window to its white background and paints the model, through
  // WM_PAINT as the program does.
  void Show_And_Paint() {
    painted_list = model.get();
    paint_count = 0;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    Pump_Messages();
    ASSERT_GE(paint_count, 1);
  }

  // A traced model: initialised, a short known path, then a few steps.
  void Lay_Out_Traced_Model() {
    model->Advance();  // phase 0: lays the model out
    ASSERT_EQ(model->phase, 1);
    model->trace_on = 1;
    // World (50, 50) to (110, 50): a horizontal path below the box's middle.
    model->trace_x->Push(50.0);
    model->trace_y->Push(50.0);
    model->trace_x->Push(110.0);
    model->trace_y->Push(50.0);
    for (int step = 0; step < 3; ++step) model->Advance();
    ASSERT_GE(model->line_count, 1);
  }

  static HWND window;
  std::unique_ptr<Draw_Controler> model;
};

HWND Paint_Test::window = nullptr;

TEST_F(Paint_Test, DrawsBoxParticlesTargetPathAndLabels) {
  Lay_Out_Traced_Model();
  Show_And_Paint();
  Window_Pixels pixels(window);

  // The box 0,0-400,400 lands on (200, 410)-(600, 10): its blue outline holds
  // the pixels from x 200 to 599 and y 10 to 409.
  EXPECT_EQ(pixels.At(200, 10), Dib(colours::blue));
  EXPECT_EQ(pixels.At(599, 10), Dib(colours::blue));
  EXPECT_EQ(pixels.At(200, 409), Dib(colours::blue));
  EXPECT_EQ(pixels.At(599, 409), Dib(colours::blue));
  EXPECT_GE(pixels.Count(colours::blue, 200, 10, 600, 11), 380);   // top edge
  EXPECT_GE(pixels.Count(colours::blue, 200, 10, 201, 410), 380);  // left edge
  // Outside the box: the window's white background.
  EXPECT_EQ(pixels.At(199, 9), Dib(colours::white));
  EXPECT_EQ(pixels.At(600, 410), Dib(colours::white));
  EXPECT_EQ(pixels.Count(colours::blue, 0, 0, 199, 420), 0);

  // Inside: mostly the white fill, with the green particles on it.
  const int inside = 398 * 398;
  const int white = pixels.Count(colours::white, 201, 11, 599, 409);
  const int green = pixels.Count(colours::green, 201, 11, 599, 409);
  EXPECT_GT(white, inside * 3 / 4);
  EXPECT_GT(green, 200 * 9);
  EXPECT_EQ(pixels.Count(colours::green, 0, 0, 200, window_height), 0);

  // Each particle's mapped centre shows a shape, never the white fill.
  int covered = 0;
  for (int i = 1; i <= model->particle_count; ++i) {
    const int x = model->Map_X((model->ellipse_left[i] + model->ellipse_right[i]) / 2);
    const int y = model->Map_Y((model->ellipse_top[i] + model->ellipse_bottom[i]) / 2);
    if (x <= 200 || x >= 599 || y <= 10 || y >= 409) continue;  // on the outline
    const DWORD p = pixels.At(x, y);
    covered += p == Dib(colours::green) || p == Dib(colours::red) || p == Dib(colours::magenta) ? 1 : 0;
  }
  EXPECT_GE(covered, model->particle_count * 9 / 10);

  // The target, drawn over every particle, red around its mapped centre.
  const int t = model->particle_count + 1;
  ASSERT_EQ(model->ellipse_count, t);
  const int cx = model->Map_X((model->ellipse_left[t] + model->ellipse_right[t]) / 2);
  const int cy = model->Map_Y((model->ellipse_top[t] + model->ellipse_bottom[t]) / 2);
  EXPECT_GT(pixels.Count(colours::red, cx - 10, cy - 10, cx + 10, cy + 10), 20 * 20 - 60);
  EXPECT_EQ(pixels.Count(colours::green, cx - 10, cy - 10, cx + 10, cy + 10), 0);

  // The path: the segment from world (110, 50) back to (50, 50) is window row
  // 360 from x 310 to 250, magenta over whatever lies under it.
  EXPECT_GE(pixels.Count(colours::magenta, 250, 360, 311, 361), 59);
  // Every segment of the path shows magenta about its mapped middle.
  for (int j = 1; j <= model->line_count; ++j) {
    SCOPED_TRACE(j);
    const int x = model->Map_X((model->line_x1[j] + model->line_x2[j]) / 2);
    const int y = model->Map_Y((model->line_y1[j] + model->line_y2[j]) / 2);
    EXPECT_GE(pixels.Count(colours::magenta, x - 1, y - 1, x + 2, y + 2), 1);
  }

  // The two labels below the box, anchored at world y -20 (window y 430):
  // the temperature in blue from x 230, the mass ratio in red from x 340.
  EXPECT_GT(pixels.Count(colours::blue, 230, 430, 340, 480), 30);
  EXPECT_GT(pixels.Count(colours::red, 340, 430, window_width, 480), 60);
  EXPECT_EQ(pixels.Count(colours::red, 200, 430, 340, 480), 0);
  EXPECT_EQ(pixels.Count(colours::blue, 0, 420, 229, window_height), 0);
  EXPECT_EQ(pixels.Count(colours::blue, 0, 0, window_width, 429) - pixels.Count(colours::blue, 200, 10, 600, 410), 0);
}

TEST_F(Paint_Test, TargetOffLeavesItsPlaceToTheParticles) {
  model->target_on = 0;
  model->Advance();
  Show_And_Paint();
  Window_Pixels pixels(window);
  EXPECT_EQ(model->ellipse_count, model->particle_count);
  EXPECT_EQ(pixels.Count(colours::red, 200, 10, 600, 410), 0);
  EXPECT_GT(pixels.Count(colours::green, 201, 11, 599, 409), 200 * 9);
  EXPECT_EQ(pixels.Count(colours::magenta, 0, 0, window_width, window_height), 0);
}

TEST_F(Paint_Test, ClampedCountsAreStoredBackAndPaintsAreRepeatable) {
  model->Advance();
  model->ellipse_count = 450;  // past the tables: drawn as 399
  Show_And_Paint();
  EXPECT_EQ(model->ellipse_count, 399);
  Window_Pixels first(window);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  Pump_Messages();
  Window_Pixels second(window);
  EXPECT_GE(paint_count, 2);
  EXPECT_EQ(first.Count(colours::green, 200, 10, 600, 410), second.Count(colours::green, 200, 10, 600, 410));
  EXPECT_EQ(first.At(200, 10), Dib(colours::blue));
}

// The paint cycle leaves nothing of its own behind: many paints of a full
// list do not use up GDI objects.
TEST_F(Paint_Test, RepeatedPaintsLeakNoGdiObjects) {
  model->Advance();
  Show_And_Paint();
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int k = 0; k < 50; ++k) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
  const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EXPECT_GE(paint_count, 51);
  EXPECT_LE(after, before + 2);
}

}  // namespace
