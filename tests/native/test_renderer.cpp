// The display-list painter, drawn through a surface that keeps a device
// context's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "display_list_painter.h"

namespace {

// Counts what is drawn. Objects 1 and 2 are the surface's own pen and brush,
// 3 and 4 the stock white ones; those the painter makes, from 5 on, must each
// be deleted once, after they have been replaced, and never used again.
struct Recorder final : Draw_Surface {
  int drawn = 0;
  // Whether each object is a brush.
  std::vector<bool> brush = {false, false, true, false, true};
  std::map<Object, int> deleted;
  Object selected[2] = {1, 2};
  const Draw_Parameter* list = nullptr;
  int labels = 0;
  int line_y = 0;
  int line_end = 0;

  Object Create_Pen(Colour) override { return Make(false); }
  Object Create_Solid_Brush(Colour) override { return Make(true); }
  Object Stock_White_Pen() override { return 3; }
  Object Stock_White_Brush() override { return 4; }
  Object Select(Object object) override {
    EXPECT_EQ(deleted.count(object), 0u) << object;
    return std::exchange(selected[brush[object]], object);
  }
  void Delete(Object object) override {
    EXPECT_TRUE(object >= 5 && object != selected[0] && object != selected[1]) << object;
    ++deleted[object];
  }
  void Rectangle(int, int, int, int) override { ++drawn; }
  void Ellipse(int, int, int, int) override { ++drawn; }
  void Move_To(int, int) override {}
  void Line_To(int, int) override { ++drawn; }
  void Set_Bk_Mode(int) override {}
  void Set_Bk_Color(Colour) override {}
  void Set_Text_Color(Colour) override {}
  // A label starts at its anchor, or a full-width space after the one before
  // it on its line where that runs past the anchor.
  void Text_Out(int x, int y, const char* bytes, int length) override {
    EXPECT_EQ(length, static_cast<int>(strnlen(bytes, Draw_Parameter::text_bytes)));
    ++drawn;
    ++labels;
    EXPECT_EQ(x, std::max(list->Map_X(list->text_x[labels]), y == line_y ? line_end : INT_MIN));
    line_y = y;
    line_end = x + Text_Width(bytes, length) + Text_Width("\x81\x40", 2);
  }
  int Text_Width(const char*, int length) override { return 8 * length; }

  Object Make(bool is_brush) {
    brush.push_back(is_brush);
    return brush.size() - 1;
  }
};

// Every shape and label within the tables is drawn once; counts are held to
// 399 shapes and 9 labels and stored back, counts below 1 draw nothing, and a
// label without a NUL is drawn to its last byte and no further, clear of the
// label before it on its line. Every pen and
// brush made is deleted once, after it is replaced, and the stock white pair
// is left selected.
TEST(Renderer, DrawsEachShapeOnceAndFreesEveryPenAndBrush) {
  for (const int shapes : {-1, 1, 2, 450}) {
    SCOPED_TRACE(shapes);
    Draw_Parameter list;
    list.rect_count = shapes;
    list.ellipse_count = shapes;
    list.line_count = shapes;
    list.text_count = shapes / 40;
    std::memset(list.text_string, 'x', sizeof list.text_string);
    // Three lines of labels 100 pixels apart, 40, 80 and 2040 pixels long.
    for (int i = 1; i < Draw_Parameter::text_capacity; ++i) {
      list.text_x[i] = 100 * i;
      list.text_y[i] = i / 4 * 30;
      if (i % 3 != 0) list.text_string[i][i % 3 * 5] = '\0';
    }
    Recorder surface;
    surface.list = &list;
    Paint_Display_List(list, surface);
    const int kept = std::min(shapes, 399);
    EXPECT_EQ(list.rect_count + list.ellipse_count + list.line_count, 3 * kept);
    EXPECT_EQ(list.text_count, std::min(shapes / 40, 9));
    EXPECT_EQ(surface.drawn, 3 * std::max(kept, 0) + std::max(list.text_count, 0));
    for (const auto& [object, times] : surface.deleted) EXPECT_EQ(times, 1) << object;
    EXPECT_EQ(surface.deleted.size(), surface.brush.size() - 5);
    EXPECT_EQ(surface.selected[0], 3u);
    EXPECT_EQ(surface.selected[1], 4u);
  }
}

}  // namespace
