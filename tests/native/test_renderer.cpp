// The display-list painter, drawn through a surface that records every call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "display_list_painter.h"

namespace {

// Logs every call, and keeps track of the pen and brush selected as a device
// context does; objects 1 to 4 are the surface's own pair and the stock white
// pen and brush, the painter's own are numbered from 10.
struct Recorder final : Draw_Surface {
  std::string log, draws;
  std::map<Object, bool> is_pen = {{1, true}, {2, false}, {3, true}, {4, false}};
  std::map<Object, int> deletions;
  Object pen = 1, brush = 2, next = 10;

  Object Create_Pen(Colour c) override { return Create("pen", c); }
  Object Create_Solid_Brush(Colour c) override { return Create("brush", c); }
  Object Stock_White_Pen() override { return 3; }
  Object Stock_White_Brush() override { return 4; }
  Object Select(Object o) override { return Log("sel", o), std::exchange(is_pen.at(o) ? pen : brush, o); }
  void Delete(Object o) override {
    // Never a stock object or one still selected, and only once.
    deletions[o] += o < 10 || o == pen || o == brush ? 100 : 1;
    Log("del", o);
  }
  void Rectangle(int l, int t, int r, int b) override { draws += Log("rect", l, t, r, b); }
  void Ellipse(int l, int t, int r, int b) override { draws += Log("ell", l, t, r, b); }
  void Move_To(int x, int y) override { draws += Log("move", x, y); }
  void Line_To(int x, int y) override { draws += Log("line", x, y); }
  void Set_Bk_Mode(int mode) override { Log("mode", mode); }
  void Set_Bk_Color(Colour c) override { Log("bk", long{c}); }
  void Set_Text_Color(Colour c) override { Log("fg", long{c}); }
  void Text_Out(int x, int y, const char* bytes, int length) override {
    draws += Log("text", x, y, length), log += std::string(bytes, length) + " ";
  }
  Object Create(const char* kind, Colour c) { return Log(kind, long{c}), is_pen[next] = kind[0] == 'p', next++; }
  template <typename... T>
  std::string Log(const char* op, T... values) {
    std::string call = op;
    ((call += "," + std::to_string(values)), ...);
    return log += call + " ", call + " ";
  }
};

// World (0, 0) at pixel (200, 410), scale 1.
std::unique_ptr<Draw_Parameter> Main_Window_List() {
  auto list = std::make_unique<Draw_Parameter>();
  list->origin_x = 200.0, list->origin_y = 410.0;
  return list;
}

// Rectangles, ellipses, segments and labels in that order, each with pens and
// brushes of its own, every one deleted once it is replaced.
TEST(Renderer, DrawsEachKindWithItsOwnPensAndBrushes) {
  auto list = Main_Window_List();
  list->rect_count = list->ellipse_count = 2, list->line_count = list->text_count = 1;
  list->rect_brush[1] = 0xFFFFFF, list->rect_pen[1] = 0xFF0000, list->rect_right[1] = list->rect_bottom[1] = 400;
  list->rect_brush[2] = 11, list->rect_pen[2] = 12, list->ellipse_pen[1] = 5, list->ellipse_brush[1] = 6;
  list->ellipse_left[1] = 9.99, list->ellipse_top[1] = 0.5, list->ellipse_right[1] = 14.99, list->ellipse_bottom[1] = 5.5;
  list->ellipse_pen[2] = 13, list->ellipse_brush[2] = 14, list->ellipse_left[2] = -1;
  list->line_pen[1] = 7, list->line_x1[1] = 10, list->line_y1[1] = 20, list->line_x2[1] = 30, list->line_y2[1] = 40;
  list->text_bk_mode[1] = 2, list->text_bk_color[1] = 8, list->text_color[1] = 9;
  list->text_x[1] = 30, list->text_y[1] = -20;
  std::strcpy(list->text_string[1], "ab");
  Recorder surface, empty;
  Paint_Display_List(*list, surface);
  EXPECT_EQ(surface.log,
            "brush,16777215 pen,16711680 sel,10 sel,11 rect,200,410,600,10 brush,11 pen,12 sel,12 del,10 sel,13 "
            "del,11 rect,200,410,200,410 sel,4 sel,3 del,12 del,13 pen,5 sel,14 brush,6 sel,15 pen,5 sel,16 del,14 "
            "brush,6 sel,17 del,15 ell,209,409,214,404 pen,13 sel,18 del,16 brush,14 sel,19 del,17 ell,199,410,200,410 "
            "sel,4 del,19 sel,3 del,18 pen,7 sel,20 pen,7 sel,21 del,20 move,210,390 line,230,370 sel,3 del,21 mode,2 "
            "bk,8 fg,9 text,230,430,2 ab ");
  Paint_Display_List(*Main_Window_List(), empty);  // still makes the objects of ellipse and segment entry 1
  EXPECT_EQ(empty.log, "pen,0 sel,10 brush,0 sel,11 sel,4 del,11 sel,3 del,10 pen,0 sel,12 sel,3 del,12 ");
  for (Recorder* r : {&surface, &empty}) {
    for (Draw_Surface::Object o = 10; o < r->next; ++o) EXPECT_EQ(r->deletions[o], 1) << o;
    EXPECT_TRUE(r->pen == 3 && r->brush == 4);
  }
}

// Counts are held to 399 shapes and 9 labels and stored back; counts below 1
// draw nothing and are kept.
TEST(Renderer, KeepsCountsWithinItsTables) {
  for (const int count : {-1, 1, 450}) {
    auto list = Main_Window_List();
    list->rect_count = list->ellipse_count = list->line_count = count, list->text_count = count / 45;
    std::memset(list->text_string[9], 'x', 255);  // no NUL: all its 255 bytes are drawn, none beyond
    Recorder surface;
    Paint_Display_List(*list, surface);
    const long kept = std::min(count, 399), shapes = std::max(kept, 0L), labels = std::clamp(count / 45, 0, 9);
    EXPECT_EQ(std::vector<long>({list->rect_count, list->ellipse_count, list->line_count, list->text_count,
                                 std::count(surface.draws.begin(), surface.draws.end(), ' '), long(surface.next) - 10,
                                 long(surface.log.find(std::string(255, 'x') + " "))}),
              std::vector<long>({kept, kept, kept, std::min(count / 45, 9), 4 * shapes + labels, 5 * shapes + 3,
                                 labels == 9 ? long(surface.log.size()) - 256 : -1})) << count;
  }
}

}  // namespace
