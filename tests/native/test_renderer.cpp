// The display-list painter, drawn through a surface that keeps the device
// context's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "display_list_painter.h"

namespace {

// Logs each shape and label with the colours selected for it. Objects 1 and
// 2 are the surface's own pen and brush, 3 and 4 the stock white ones; those
// the painter makes are numbered from 5 and must each be deleted once, after
// they have been replaced, and never used again.
struct Recorder final : Draw_Surface {
  std::vector<std::string> drawn;
  std::vector<Colour> colour = {0, 0, 0, 0, 0};
  std::vector<bool> is_pen = {false, true, false, true, false};
  std::vector<int> deleted = {0, 0, 0, 0, 0};
  Object pen = 1;
  Object brush = 2;

  Object Create_Pen(Colour c) override { return Make(true, c); }
  Object Create_Solid_Brush(Colour c) override { return Make(false, c); }
  Object Stock_White_Pen() override { return 3; }
  Object Stock_White_Brush() override { return 4; }
  Object Select(Object object) override {
    EXPECT_EQ(deleted.at(object), 0) << "object " << object;
    return std::exchange(is_pen[object] ? pen : brush, object);
  }
  void Delete(Object object) override {
    EXPECT_TRUE(object >= 5 && object != pen && object != brush) << "object " << object;
    ++deleted.at(object);
  }
  void Rectangle(int l, int t, int r, int b) override { Log("rectangle", l, t, r, b, colour[pen], colour[brush]); }
  void Ellipse(int l, int t, int r, int b) override { Log("ellipse", l, t, r, b, colour[pen], colour[brush]); }
  void Move_To(int x, int y) override { Log("move", x, y); }
  void Line_To(int x, int y) override { Log("line", x, y, colour[pen]); }
  void Set_Bk_Mode(int mode) override { Log("mode", mode); }
  void Set_Bk_Color(Colour c) override { Log("background", c); }
  void Set_Text_Color(Colour c) override { Log("colour", c); }
  void Text_Out(int x, int y, const char* bytes, int length) override {
    Log("text", x, y);
    drawn.back() += " " + std::string(bytes, length);
  }

  Object Make(bool a_pen, Colour c) {
    is_pen.push_back(a_pen);
    colour.push_back(c);
    deleted.push_back(0);
    return is_pen.size() - 1;
  }
  template <typename... Values>
  void Log(const char* call, Values... values) {
    drawn.push_back(call);
    ((drawn.back() += " " + std::to_string(values)), ...);
  }
  // Every object made deleted once, the stock white pair selected.
  void Expect_All_Freed() const {
    for (std::size_t k = 5; k < deleted.size(); ++k) EXPECT_EQ(deleted[k], 1) << "object " << k;
    EXPECT_EQ(pen, 3u);
    EXPECT_EQ(brush, 4u);
  }
};

// Rectangles, ellipses, segments and labels, in that order, each at its
// mapped corners, truncated toward zero, in its own colours.
TEST(Renderer, DrawsEachShapeInItsColours) {
  // The main window's view: world (0, 0) at pixel (200, 410), scale 1.
  Draw_Parameter list;
  list.origin_x = 200.0;
  list.origin_y = 410.0;
  list.rect_count = 2;
  list.rect_pen[1] = 101;
  list.rect_brush[1] = 102;
  list.rect_right[1] = 400;
  list.rect_bottom[1] = 400;
  list.rect_pen[2] = 103;
  list.rect_brush[2] = 104;
  list.ellipse_count = 2;
  list.ellipse_pen[1] = 105;
  list.ellipse_brush[1] = 106;
  list.ellipse_left[1] = 9.99;
  list.ellipse_top[1] = 0.5;
  list.ellipse_right[1] = 14.99;
  list.ellipse_bottom[1] = 5.5;
  list.ellipse_pen[2] = 107;
  list.ellipse_brush[2] = 108;
  list.ellipse_left[2] = -1;
  list.line_count = 2;
  list.line_pen[1] = 109;
  list.line_x1[1] = 10;
  list.line_y1[1] = 20;
  list.line_x2[1] = 30;
  list.line_y2[1] = 40;
  list.line_pen[2] = 110;
  list.text_count = 1;
  list.text_bk_mode[1] = 2;
  list.text_bk_color[1] = 111;
  list.text_color[1] = 112;
  list.text_x[1] = 30;
  list.text_y[1] = -20;
  std::strcpy(list.text_string[1], "ab");
  Recorder surface;
  Paint_Display_List(list, surface);
  const std::vector<std::string> expected = {
      "rectangle 200 410 600 10 101 102",
      "rectangle 200 410 200 410 103 104",
      "ellipse 209 409 214 404 105 106",
      "ellipse 199 410 200 410 107 108",
      "move 210 390",
      "line 230 370 109",
      "move 200 410",
      "line 200 410 110",
      "mode 2",
      "background 111",
      "colour 112",
      "text 230 430 ab",
  };
  EXPECT_EQ(surface.drawn, expected);
  surface.Expect_All_Freed();
}

// Counts are held to 399 shapes and 9 labels and stored back; counts below 1
// draw nothing and are kept. A label without a NUL is drawn to its last byte
// and no further. Whatever is drawn, every pen and brush made is freed.
TEST(Renderer, KeepsCountsWithinItsTablesAndFreesWhatItMakes) {
  const struct {
    int shapes;
    int labels;
    int kept_shapes;
    int kept_labels;
  } counts[] = {{-1, -1, -1, -1}, {0, 0, 0, 0}, {399, 9, 399, 9}, {450, 10, 399, 9}};
  for (const auto& c : counts) {
    SCOPED_TRACE(c.shapes);
    Draw_Parameter list;
    list.rect_count = c.shapes;
    list.ellipse_count = c.shapes;
    list.line_count = c.shapes;
    list.text_count = c.labels;
    std::memset(list.text_string[9], 'x', Draw_Parameter::text_bytes);
    Recorder surface;
    Paint_Display_List(list, surface);
    EXPECT_EQ(list.rect_count, c.kept_shapes);
    EXPECT_EQ(list.ellipse_count, c.kept_shapes);
    EXPECT_EQ(list.line_count, c.kept_shapes);
    EXPECT_EQ(list.text_count, c.kept_labels);
    const std::size_t labels = std::max(c.kept_labels, 0);
    EXPECT_EQ(surface.drawn.size(), 4 * std::max(c.kept_shapes, 0) + 4 * labels);
    if (labels == 9) {
      EXPECT_EQ(surface.drawn.back(), "text 10 400 " + std::string(255, 'x'));
    }
    surface.Expect_All_Freed();
  }
}

}  // namespace
