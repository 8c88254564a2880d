#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "display_list_painter.h"

namespace {

// A surface that logs every call as text, keeps track of the pen and brush
// selected, as a device context does, and notes every misuse.
struct Recorder final : Draw_Surface {
  static constexpr Object own_pen = 1, own_brush = 2, white_pen = 3, white_brush = 4;
  std::string log, draws, faults;
  std::map<Object, bool> is_pen = {{own_pen, true}, {own_brush, false}, {white_pen, true}, {white_brush, false}};
  std::map<Object, int> deletions;
  Object pen = own_pen, brush = own_brush, next = 10;

  Object Create_Pen(Colour c) override { return Create(true, c); }
  Object Create_Solid_Brush(Colour c) override { return Create(false, c); }
  Object Stock_White_Pen() override { return white_pen; }
  Object Stock_White_Brush() override { return white_brush; }
  Object Select(Object o) override {
    if (!is_pen.count(o) || deletions[o] > 0) faults += "select " + std::to_string(o) + " ";
    const Object old = std::exchange(is_pen[o] ? pen : brush, o);
    Log("sel", o, old);
    return old;
  }
  void Delete(Object o) override {
    if (o < 10 || o == pen || o == brush || deletions[o]++ > 0) faults += "delete " + std::to_string(o) + " ";
    Log("del", o);
  }
  void Rectangle(int l, int t, int r, int b) override { Draw("rect", l, t, r, b); }
  void Ellipse(int l, int t, int r, int b) override { Draw("ell", l, t, r, b); }
  void Move_To(int x, int y) override { Draw("move", x, y); }
  void Line_To(int x, int y) override { Draw("line", x, y); }
  void Set_Bk_Mode(int mode) override { Log("mode", mode); }
  void Set_Bk_Color(Colour c) override { Log("bk", static_cast<long>(c)); }
  void Set_Text_Color(Colour c) override { Log("fg", static_cast<long>(c)); }
  void Text_Out(int x, int y, const char* bytes, int length) override {
    Draw("text", x, y, length), Log(std::string(bytes, length).c_str());
  }

  Object Create(bool pen_kind, Colour c) {
    Log(pen_kind ? "pen" : "brush", static_cast<long>(c), static_cast<long>(next));
    return is_pen[next] = pen_kind, next++;
  }
  template <typename... T>
  std::string Log(const char* op, T... values) {
    std::string call = op;
    ((call += "," + std::to_string(values)), ...);
    return log += call + " ", call + " ";
  }
  template <typename... T>
  void Draw(const char* op, T... values) { draws += Log(op, values...); }
};

// World (0, 0) at pixel (200, 410), scale 1.
std::unique_ptr<Draw_Parameter> Main_Window_List() {
  auto list = std::make_unique<Draw_Parameter>();
  list->origin_x = 200.0, list->origin_y = 410.0;
  return list;
}

TEST(Renderer, DrawsEachKindWithItsOwnPensAndBrushes) {
  auto list = Main_Window_List();
  list->rect_count = list->ellipse_count = list->line_count = list->text_count = 1;
  list->rect_brush[1] = 0xFFFFFF, list->rect_pen[1] = 0xFF0000, list->rect_right[1] = list->rect_bottom[1] = 400;
  list->ellipse_pen[1] = 5, list->ellipse_brush[1] = 6;
  list->ellipse_left[1] = 9.99, list->ellipse_top[1] = 0.5, list->ellipse_right[1] = 14.99, list->ellipse_bottom[1] = 5.5;
  list->line_pen[1] = 7, list->line_x1[1] = 10, list->line_y1[1] = 20, list->line_x2[1] = 30, list->line_y2[1] = 40;
  list->text_bk_mode[1] = 2, list->text_bk_color[1] = 8, list->text_color[1] = 9, list->text_x[1] = 30, list->text_y[1] = -20;
  std::strcpy(list->text_string[1], "ab");
  Recorder surface;
  Paint_Display_List(*list, surface);
  EXPECT_EQ(surface.log,
            "brush,16777215,10 pen,16711680,11 sel,10,2 sel,11,1 rect,200,410,600,10 sel,4,10 sel,3,11 del,10 "
            "del,11 pen,5,12 sel,12,3 brush,6,13 sel,13,4 pen,5,14 sel,14,12 del,12 brush,6,15 sel,15,13 del,13 "
            "ell,209,409,214,404 sel,4,15 del,15 sel,3,14 del,14 pen,7,16 sel,16,3 pen,7,17 sel,17,16 del,16 "
            "move,210,390 line,230,370 sel,3,17 del,17 mode,2 bk,8 fg,9 text,230,430,2 ab ");
  EXPECT_EQ(surface.faults, "");

  Recorder empty;  // an empty list still makes the objects of ellipse and segment entry 1
  Paint_Display_List(*Main_Window_List(), empty);
  EXPECT_EQ(empty.log, "pen,0,10 sel,10,1 brush,0,11 sel,11,2 sel,4,11 del,11 sel,3,10 del,10 pen,0,12 sel,12,3 "
                       "sel,3,12 del,12 ");
}

// Over any list: counts held to 399 shapes and 9 labels and stored back,
// counts below 1 drawing nothing and kept; entries drawn in order from 1; every
// pen and brush made is deleted once, never while selected, and the stock
// white pair is left selected.
TEST(Renderer, KeepsItsBoundsAndItsObjectsForAnyList) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> shapes(-3, 460), labels(-3, 12);
  for (int round = 0; round < 300; ++round) {
    auto list = Main_Window_List();
    list->rect_count = shapes(random), list->ellipse_count = shapes(random), list->line_count = shapes(random);
    list->text_count = labels(random);
    for (int i = 0; i < 400; ++i) list->rect_left[i] = list->ellipse_left[i] = list->line_x1[i] = i;
    for (int i = 0; i < 10; ++i) list->text_x[i] = i;
    std::memset(list->text_string[3], 'x', 255);  // no NUL: all its 255 bytes, none beyond
    const int rects = std::min(list->rect_count, 399), ellipses = std::min(list->ellipse_count, 399),
              lines = std::min(list->line_count, 399), texts = std::min(list->text_count, 9);
    Recorder surface;
    Paint_Display_List(*list, surface);
    ASSERT_EQ(surface.faults, "");
    EXPECT_EQ(std::vector<int>({list->rect_count, list->ellipse_count, list->line_count, list->text_count}),
              std::vector<int>({rects, ellipses, lines, texts}));
    std::string expected;
    for (int i = 1; i <= rects; ++i) expected += "rect," + std::to_string(200 + i) + ",410,200,410 ";
    for (int i = 1; i <= ellipses; ++i) expected += "ell," + std::to_string(200 + i) + ",410,200,410 ";
    for (int i = 1; i <= lines; ++i) expected += "move," + std::to_string(200 + i) + ",410 line,200,410 ";
    for (int i = 1; i <= texts; ++i) expected += "text," + std::to_string(200 + i) + ",410," + (i == 3 ? "255 " : "0 ");
    EXPECT_EQ(surface.draws, expected);
    EXPECT_EQ(surface.next - 10, 2 * std::max(rects, 0) + 2 * std::max(ellipses, 0) + 2 + std::max(lines, 0) + 1);
    for (Draw_Surface::Object o = 10; o < surface.next; ++o) ASSERT_EQ(surface.deletions[o], 1) << o;
    EXPECT_TRUE(surface.pen == Recorder::white_pen && surface.brush == Recorder::white_brush);
  }
}

}  // namespace
