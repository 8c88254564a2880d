// The display-list painter, drawn through a surface that logs every call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "display_list_painter.h"

namespace {

// Logs each call. Objects 1 and 2 are the surface's own pen and brush, 3 and
// 4 the stock white ones; those the painter makes are numbered from 5. A
// selection answers the object of the same kind it replaces, as a device
// context does.
struct Recorder final : Draw_Surface {
  std::vector<std::string> calls;
  std::vector<bool> is_pen = {false, true, false, true, false};
  Object pen = 1;
  Object brush = 2;

  Object Create_Pen(Colour c) override { return Make("pen", c); }
  Object Create_Solid_Brush(Colour c) override { return Make("brush", c); }
  Object Stock_White_Pen() override { return 3; }
  Object Stock_White_Brush() override { return 4; }
  Object Select(Object object) override {
    Log("select", object);
    return std::exchange(is_pen[object] ? pen : brush, object);
  }
  void Delete(Object object) override { Log("delete", object); }
  void Rectangle(int l, int t, int r, int b) override { Log("rectangle", l, t, r, b); }
  void Ellipse(int l, int t, int r, int b) override { Log("ellipse", l, t, r, b); }
  void Move_To(int x, int y) override { Log("move", x, y); }
  void Line_To(int x, int y) override { Log("line", x, y); }
  void Set_Bk_Mode(int mode) override { Log("mode", mode); }
  void Set_Bk_Color(Colour c) override { Log("background", c); }
  void Set_Text_Color(Colour c) override { Log("colour", c); }
  void Text_Out(int x, int y, const char* bytes, int length) override {
    Log("text", x, y);
    calls.back() += " " + std::string(bytes, length);
  }

  Object Make(const char* kind, Colour c) {
    Log(kind, c);
    is_pen.push_back(kind[0] == 'p');
    return is_pen.size() - 1;
  }
  template <typename... Values>
  void Log(const char* call, Values... values) {
    calls.push_back(call);
    ((calls.back() += " " + std::to_string(values)), ...);
  }
  std::size_t Count(const std::string& call) const {
    return std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(call, 0) == 0; });
  }
};

// Rectangles, ellipses, segments and labels, in that order, at the mapped
// corners truncated toward zero. Each rectangle makes a brush and a pen and
// each ellipse a pen and a brush, each segment a pen, besides a pen and a
// brush from ellipse 1 and a pen from segment 1; each is deleted once it has
// been replaced, and the stock white pair is left selected.
TEST(Renderer, DrawsEachShapeWithPensAndBrushesOfItsOwn) {
  // The main window's view: world (0, 0) at pixel (200, 410), scale 1.
  Draw_Parameter list;
  list.origin_x = 200.0;
  list.origin_y = 410.0;
  list.rect_count = 2;
  list.rect_brush[1] = 101;
  list.rect_pen[1] = 102;
  list.rect_right[1] = 400;
  list.rect_bottom[1] = 400;
  list.rect_brush[2] = 111;
  list.rect_pen[2] = 112;
  list.ellipse_count = 2;
  list.ellipse_pen[1] = 105;
  list.ellipse_brush[1] = 106;
  list.ellipse_left[1] = 9.99;
  list.ellipse_top[1] = 0.5;
  list.ellipse_right[1] = 14.99;
  list.ellipse_bottom[1] = 5.5;
  list.ellipse_pen[2] = 115;
  list.ellipse_brush[2] = 116;
  list.ellipse_left[2] = -1;
  list.line_count = 1;
  list.line_pen[1] = 107;
  list.line_x1[1] = 10;
  list.line_y1[1] = 20;
  list.line_x2[1] = 30;
  list.line_y2[1] = 40;
  list.text_count = 1;
  list.text_bk_mode[1] = 2;
  list.text_bk_color[1] = 108;
  list.text_color[1] = 109;
  list.text_x[1] = 30;
  list.text_y[1] = -20;
  std::strcpy(list.text_string[1], "ab");
  Recorder surface;
  Paint_Display_List(list, surface);
  const std::vector<std::string> expected = {
      "brush 101", "pen 102", "select 5", "select 6", "rectangle 200 410 600 10",
      "brush 111", "pen 112", "select 7", "delete 5", "select 8", "delete 6", "rectangle 200 410 200 410",
      "select 4", "select 3", "delete 7", "delete 8",
      "pen 105", "select 9", "brush 106", "select 10",
      "pen 105", "select 11", "delete 9", "brush 106", "select 12", "delete 10", "ellipse 209 409 214 404",
      "pen 115", "select 13", "delete 11", "brush 116", "select 14", "delete 12", "ellipse 199 410 200 410",
      "select 4", "delete 14", "select 3", "delete 13",
      "pen 107", "select 15",
      "pen 107", "select 16", "delete 15", "move 210 390", "line 230 370",
      "select 3", "delete 16",
      "mode 2", "background 108", "colour 109", "text 230 430 ab",
  };
  EXPECT_EQ(surface.calls, expected);

  Draw_Parameter empty;
  Recorder nothing_drawn;
  Paint_Display_List(empty, nothing_drawn);
  const std::vector<std::string> made_and_freed = {
      "pen 0", "select 5", "brush 0", "select 6", "select 4", "delete 6", "select 3", "delete 5",
      "pen 0", "select 7", "select 3", "delete 7",
  };
  EXPECT_EQ(nothing_drawn.calls, made_and_freed);
}

// Counts are held to 399 shapes and 9 labels and stored back; counts below 1
// draw nothing and are kept. A label without a NUL is drawn to its last byte
// and no further.
TEST(Renderer, KeepsCountsWithinItsTables) {
  const struct {
    int count;
    int kept;
    int drawn;
  } shapes[] = {{-1, -1, 0}, {1, 1, 1}, {399, 399, 399}, {450, 399, 399}};
  const struct {
    int count;
    int kept;
    int drawn;
  } labels[] = {{-1, -1, 0}, {9, 9, 9}, {10, 9, 9}, {12, 9, 9}};
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(shapes[row].count);
    Draw_Parameter list;
    list.rect_count = shapes[row].count;
    list.ellipse_count = shapes[row].count;
    list.line_count = shapes[row].count;
    list.text_count = labels[row].count;
    std::memset(list.text_string[9], 'x', Draw_Parameter::text_bytes);
    Recorder surface;
    Paint_Display_List(list, surface);
    EXPECT_EQ(list.rect_count, shapes[row].kept);
    EXPECT_EQ(list.ellipse_count, shapes[row].kept);
    EXPECT_EQ(list.line_count, shapes[row].kept);
    EXPECT_EQ(list.text_count, labels[row].kept);
    const std::size_t shapes_drawn = shapes[row].drawn;
    EXPECT_EQ(surface.Count("rectangle"), shapes_drawn);
    EXPECT_EQ(surface.Count("ellipse"), shapes_drawn);
    EXPECT_EQ(surface.Count("line"), shapes_drawn);
    EXPECT_EQ(surface.Count("text "), static_cast<std::size_t>(labels[row].drawn));
    EXPECT_EQ(surface.Count("delete"), 5 * shapes_drawn + 3);
    EXPECT_EQ(surface.pen, 3u);
    EXPECT_EQ(surface.brush, 4u);
    if (labels[row].drawn == 9) {
      EXPECT_EQ(surface.calls.back(), "text 10 400 " + std::string(255, 'x'));
    }
  }
}

}  // namespace
