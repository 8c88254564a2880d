// The display-list painter, drawn through a surface that keeps a device
// context's rules.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "display_list_painter.h"

namespace {

// Logs each shape and label with the colours selected for it. Objects 1 and
// 2 are the surface's own pen and brush, 3 and 4 the stock white ones; those
// the painter makes, from 5 on, must each be deleted once, after they have
// been replaced, and never used again.
struct Recorder final : Draw_Surface {
  std::vector<std::string> drawn;
  // Each object's colour, and whether it is a brush.
  std::vector<std::pair<Colour, bool>> made = {{}, {}, {}, {}, {0, true}};
  std::map<Object, int> deleted;
  Object selected[2] = {1, 2};

  Object Create_Pen(Colour c) override { return Make(c, false); }
  Object Create_Solid_Brush(Colour c) override { return Make(c, true); }
  Object Stock_White_Pen() override { return 3; }
  Object Stock_White_Brush() override { return 4; }
  Object Select(Object object) override {
    EXPECT_EQ(deleted.count(object), 0u) << object;
    return std::exchange(selected[made[object].second], object);
  }
  void Delete(Object object) override {
    EXPECT_TRUE(object >= 5 && object != selected[0] && object != selected[1]) << object;
    ++deleted[object];
  }
  void Rectangle(int l, int t, int r, int b) override { Log("rectangle", l, t, r, b, Pen(), Brush()); }
  void Ellipse(int l, int t, int r, int b) override { Log("ellipse", l, t, r, b, Pen(), Brush()); }
  void Move_To(int x, int y) override { Log("move", x, y); }
  void Line_To(int x, int y) override { Log("line", x, y, Pen()); }
  void Set_Bk_Mode(int mode) override { Log("mode", mode); }
  void Set_Bk_Color(Colour c) override { Log("background", c); }
  void Set_Text_Color(Colour c) override { Log("colour", c); }
  void Text_Out(int x, int y, const char* bytes, int length) override { Log(std::string(bytes, length).c_str(), x, y); }

  Colour Pen() const { return made[selected[0]].first; }
  Colour Brush() const { return made[selected[1]].first; }
  Object Make(Colour c, bool brush) {
    made.emplace_back(c, brush);
    return made.size() - 1;
  }
  template <typename... Values>
  void Log(const char* call, Values... values) {
    drawn.push_back(call);
    ((drawn.back() += " " + std::to_string(values)), ...);
  }
};

// Rectangles, ellipses, segments and labels, in that order, each at its
// mapped corners, truncated toward zero, in its own colours. Counts are held
// to 399 shapes and 9 labels and stored back, counts below 1 draw nothing,
// and a label without a NUL is drawn to its last byte and no further. Every
// pen and brush made is deleted, and the stock white pair left selected.
TEST(Renderer, DrawsEachShapeInItsColoursAndFreesThem) {
  for (const int shapes : {-1, 1, 2, 450}) {
    SCOPED_TRACE(shapes);
    // The main window's view: world (0, 0) at pixel (200, 410), scale 1.
    Draw_Parameter list;
    list.origin_x = 200.0;
    list.origin_y = 410.0;
    list.rect_count = shapes;
    list.ellipse_count = shapes;
    list.line_count = shapes;
    list.text_count = shapes / 40;
    for (int i = 1; i < Draw_Parameter::shape_capacity; ++i) {
      list.rect_pen[i] = 100 + i;
      list.rect_brush[i] = 200 + i;
      list.rect_right[i] = 400;
      list.ellipse_pen[i] = 300 + i;
      list.ellipse_brush[i] = 400 + i;
      list.ellipse_left[i] = 9.99;
      list.ellipse_top[i] = 0.5;
      list.line_pen[i] = 500 + i;
      list.line_x1[i] = -10;
      list.line_y2[i] = 40;
    }
    std::memset(list.text_string, 'x', sizeof list.text_string);
    std::strcpy(list.text_string[1], "ab");
    list.text_x[1] = 10.5;
    list.text_y[1] = -20;
    Recorder surface;
    Paint_Display_List(list, surface);
    const std::vector<std::string> two = {
        "rectangle 200 410 600 410 101 201", "rectangle 200 410 600 410 102 202", "ellipse 209 409 200 410 301 401",
        "ellipse 209 409 200 410 302 402",   "move 190 410",                      "line 200 370 501",
        "move 190 410",                      "line 200 370 502",
    };
    if (shapes == 2) {
      EXPECT_EQ(surface.drawn, two);
    }
    const int kept = std::min(shapes, 399);
    EXPECT_EQ(list.rect_count + list.ellipse_count + list.line_count, 3 * kept);
    EXPECT_EQ(list.text_count, std::min(shapes / 40, 9));
    EXPECT_EQ(surface.drawn.size(), 4 * std::max(kept, 0) + 4 * std::max(list.text_count, 0));
    if (shapes == 450) {
      EXPECT_EQ(surface.drawn[4 * 399 + 3], "ab 210 430");
      EXPECT_EQ(surface.drawn.back(), std::string(255, 'x') + " 200 410");
    }
    for (const auto& [object, times] : surface.deleted) EXPECT_EQ(times, 1) << object;
    EXPECT_EQ(surface.deleted.size(), surface.made.size() - 5);
    EXPECT_EQ(surface.selected[0], 3u);
    EXPECT_EQ(surface.selected[1], 4u);
  }
}

}  // namespace
