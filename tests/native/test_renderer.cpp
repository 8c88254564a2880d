#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "display_list_painter.h"
#include "draw_parameter.h"
#include "recording_surface.h"

namespace {

using Strings = std::vector<std::string>;
using R = Recording_Surface;

// The main window's mapping: world (0, 0) at pixel (200, 410), scale 1.
std::unique_ptr<Draw_Parameter> Make_List() {
  auto list = std::make_unique<Draw_Parameter>();
  list->origin_x = 200.0;
  list->origin_y = 410.0;
  return list;
}

// Paints and checks what every paint must leave: no misuse, `created` pens and
// brushes made and each deleted once, the stock white pair selected.
R Paint(Draw_Parameter& list, int created) {
  R surface;
  Paint_Display_List(list, surface);
  for (const std::string& fault : surface.faults) ADD_FAILURE() << fault;
  int made = 0;
  for (const auto& entry : surface.objects) {
    if (!entry.second.created) continue;
    ++made;
    EXPECT_EQ(entry.second.deletions, 1) << entry.second.name;
  }
  EXPECT_EQ(made, created);
  EXPECT_EQ(surface.pen, R::white_pen);
  EXPECT_EQ(surface.brush, R::white_brush);
  return surface;
}

int Objects_For(int rects, int ellipses, int lines) { return 2 * rects + 2 * ellipses + 2 + lines + 1; }

TEST(Renderer, ExactCallSequences) {
  struct Case {
    const char* name;
    std::function<void(Draw_Parameter&)> fill;
    int created;
    bool whole;  // else `expected` is the start of the log
    Strings expected;
  };
  const Case cases[] = {
      {"empty list: the objects of ellipse and segment entry 1 only",
       [](Draw_Parameter& l) {
         l.ellipse_pen[1] = 0x0000FF;
         l.ellipse_brush[1] = 0x00FF00;
         l.line_pen[1] = 0xFF00FF;
       },
       3, true,
       {"Create_Pen(0000ff)=pen1", "Select(pen1)=own_pen", "Create_Solid_Brush(00ff00)=brush1",
        "Select(brush1)=own_brush", "Select(white_brush)=brush1", "Delete(brush1)", "Select(white_pen)=pen1",
        "Delete(pen1)", "Create_Pen(ff00ff)=pen2", "Select(pen2)=white_pen", "Select(white_pen)=pen2", "Delete(pen2)"}},
      {"one rectangle: its pair is freed after the white pair is selected",
       [](Draw_Parameter& l) {
         l.rect_count = 1;
         l.rect_brush[1] = 0xFFFFFF;
         l.rect_pen[1] = 0xFF0000;
         l.rect_right[1] = l.rect_bottom[1] = 400.0;
       },
       Objects_For(1, 0, 0), false,
       {"Create_Solid_Brush(ffffff)=brush1", "Create_Pen(ff0000)=pen1", "Select(brush1)=own_brush",
        "Select(pen1)=own_pen", "Rectangle(200,410,600,10)", "Select(white_brush)=brush1", "Select(white_pen)=pen1",
        "Delete(brush1)", "Delete(pen1)",
        // The ellipse pair of entry 1 then replaces the stock pair, which stays.
        "Create_Pen(000000)=pen2", "Select(pen2)=white_pen", "Create_Solid_Brush(000000)=brush2",
        "Select(brush2)=white_brush"}},
      {"two of each kind",
       [](Draw_Parameter& l) {
         l.rect_count = l.ellipse_count = l.line_count = l.text_count = 2;
         for (int i = 1; i <= 2; ++i) {
           l.rect_brush[i] = 2 * i - 1;
           l.rect_pen[i] = 2 * i;
           l.ellipse_pen[i] = 0x10u * i + 1;
           l.ellipse_brush[i] = 0x10u * i + 2;
           l.line_pen[i] = 0x99u + 0x11u * i;
           l.line_x1[i] = 4 * i - 3;
           l.line_y1[i] = 4 * i - 2;
           l.line_x2[i] = 4 * i - 1;
           l.line_y2[i] = 4 * i;
           l.text_y[i] = -10.0;
         }
         l.text_x[2] = 200.0;
         l.text_bk_mode[1] = 1;
         l.text_bk_mode[2] = 0;  // passed on unchecked
         l.text_bk_color[1] = 0xFFFFFF;
         l.text_bk_color[2] = 0x00FFFF;
         l.text_color[1] = 0xFF0000;
         l.text_color[2] = 0x0000FF;
         std::strcpy(l.text_string[1], "\x89\xB7\x93\x78 20 \x81\x8E");  // "温度 20 ℃" in code page 932
       },
       Objects_For(2, 2, 2), true,
       {// Each rectangle frees the pair of the one before once replaced.
        "Create_Solid_Brush(000001)=brush1", "Create_Pen(000002)=pen1", "Select(brush1)=own_brush",
        "Select(pen1)=own_pen", "Rectangle(200,410,200,410)", "Create_Solid_Brush(000003)=brush2",
        "Create_Pen(000004)=pen2", "Select(brush2)=brush1", "Delete(brush1)", "Select(pen2)=pen1", "Delete(pen1)",
        "Rectangle(200,410,200,410)", "Select(white_brush)=brush2", "Select(white_pen)=pen2", "Delete(brush2)",
        "Delete(pen2)",
        // Ellipses: the entry-1 pair first, then each selection frees what it replaces.
        "Create_Pen(000011)=pen3", "Select(pen3)=white_pen", "Create_Solid_Brush(000012)=brush3",
        "Select(brush3)=white_brush", "Create_Pen(000011)=pen4", "Select(pen4)=pen3", "Delete(pen3)",
        "Create_Solid_Brush(000012)=brush4", "Select(brush4)=brush3", "Delete(brush3)", "Ellipse(200,410,200,410)",
        "Create_Pen(000021)=pen5", "Select(pen5)=pen4", "Delete(pen4)", "Create_Solid_Brush(000022)=brush5",
        "Select(brush5)=brush4", "Delete(brush4)", "Ellipse(200,410,200,410)", "Select(white_brush)=brush5",
        "Delete(brush5)", "Select(white_pen)=pen5", "Delete(pen5)",
        // Segments: move, then a line in each entry's own pen.
        "Create_Pen(0000aa)=pen6", "Select(pen6)=white_pen", "Create_Pen(0000aa)=pen7", "Select(pen7)=pen6",
        "Delete(pen6)", "Move_To(201,408)", "Line_To(201,408,203,406)", "Create_Pen(0000bb)=pen8", "Select(pen8)=pen7",
        "Delete(pen7)", "Move_To(205,404)", "Line_To(205,404,207,402)", "Select(white_pen)=pen8", "Delete(pen8)",
        // Labels: mode and colours, then the bytes up to the NUL; nothing after.
        "Set_Bk_Mode(1)", "Set_Bk_Color(ffffff)", "Set_Text_Color(ff0000)",
        "Text_Out(200,420,\x89\xB7\x93\x78 20 \x81\x8E)", "Set_Bk_Mode(0)", "Set_Bk_Color(00ffff)",
        "Set_Text_Color(0000ff)", "Text_Out(400,420,)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto list = Make_List();
    c.fill(*list);
    const R surface = Paint(*list, c.created);
    const Strings& log = surface.log;
    ASSERT_GE(log.size(), c.expected.size());
    EXPECT_EQ(c.whole ? log : Strings(log.begin(), log.begin() + c.expected.size()), c.expected);
  }
}

TEST(Renderer, CountsAreClampedAndStoredBackAndNegativesDrawNothing) {
  struct Case {
    int before[4], after[4];  // rect, ellipse, line, text
  };
  const Case cases[] = {
      {{400, 450, 100000, 10}, {399, 399, 399, 9}}, {{399, 399, 399, 9}, {399, 399, 399, 9}},
      {{-5, -1, -399, -10}, {-5, -1, -399, -10}},   {{0, 1, 1, 1}, {0, 1, 1, 1}},
      {{-1, 2, 0, 3}, {-1, 2, 0, 3}},               {{-400, 0, 3, 0}, {-400, 0, 3, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.before));
    auto list = Make_List();
    int* counts[4] = {&list->rect_count, &list->ellipse_count, &list->line_count, &list->text_count};
    const char* kinds[4] = {"Rectangle", "Ellipse", "Line_To", "Text_Out"};
    int n[4];
    Strings expected, drawn;
    for (int k = 0; k < 4; ++k) {
      *counts[k] = c.before[k];
      n[k] = std::max(c.after[k], 0);
      expected.insert(expected.end(), static_cast<std::size_t>(n[k]), kinds[k]);
    }
    const R surface = Paint(*list, Objects_For(n[0], n[1], n[2]));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(*counts[k], c.after[k]) << kinds[k];
    for (const auto& d : surface.drawn) drawn.push_back(d.op);
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(std::count_if(surface.log.begin(), surface.log.end(),
                            [](const std::string& call) { return call.rfind("Set_", 0) == 0; }),
              3 * n[3]);
    // Nothing is kept between paints: a second one draws the same.
    R again;
    Paint_Display_List(*list, again);
    EXPECT_EQ(again.log, surface.log);
  }
}

TEST(Renderer, EntryZeroIsNeverDrawn) {
  auto list = Make_List();
  const Colour marker = 0xABCDEF;
  list->rect_brush[0] = list->rect_pen[0] = list->ellipse_brush[0] = list->ellipse_pen[0] = marker;
  list->line_pen[0] = list->text_color[0] = list->text_bk_color[0] = marker;
  list->text_bk_mode[0] = 77;
  list->rect_left[0] = list->ellipse_left[0] = list->line_x1[0] = list->line_x2[0] = list->text_x[0] = 5000.0;
  std::strcpy(list->text_string[0], "zero");
  for (int count : {0, 1, 3}) {
    SCOPED_TRACE(count);
    list->rect_count = list->ellipse_count = list->line_count = list->text_count = count;
    const R surface = Paint(*list, Objects_For(count, count, count));
    EXPECT_EQ(surface.drawn.size(), 4u * static_cast<unsigned>(count));
    for (const std::string& call : surface.log) {
      for (const char* mark : {"abcdef", "5200", "77", "zero"}) EXPECT_EQ(call.find(mark), std::string::npos) << call;
    }
  }
}

TEST(Renderer, DrawsKindsInOrderAndEntriesByIndex) {
  auto list = Make_List();
  list->rect_count = list->line_count = list->text_count = 2;
  list->ellipse_count = 3;
  // Entry i sits at world x = 10 * i, so its pixel x tells which entry it is.
  for (int i = 1; i <= 3; ++i) {
    list->rect_left[i] = list->ellipse_left[i] = list->line_x1[i] = list->text_x[i] = 10.0 * i;
  }
  Strings order;
  for (const auto& d : Paint(*list, Objects_For(2, 3, 2)).drawn) order.push_back(d.op + " " + std::to_string(d.a));
  EXPECT_EQ(order, (Strings{"Rectangle 210", "Rectangle 220", "Ellipse 210", "Ellipse 220", "Ellipse 230",
                            "Line_To 210", "Line_To 220", "Text_Out 210", "Text_Out 220"}));
}

TEST(Renderer, MapsEveryCoordinateTruncatingTowardZero) {
  auto list = Make_List();
  list->rect_count = list->ellipse_count = list->line_count = list->text_count = 1;
  list->rect_right[1] = list->rect_bottom[1] = 400.0;
  list->ellipse_left[1] = 9.99;
  list->ellipse_top[1] = 0.5;
  list->ellipse_right[1] = 14.99;
  list->ellipse_bottom[1] = 5.5;
  list->line_x1[1] = -200.7;  // mapped -0.7: pixel 0
  list->line_y1[1] = 410.9;   // mapped -0.9: pixel 0
  list->line_x2[1] = -212.9;  // mapped -12.9: pixel -12
  list->line_y2[1] = 0.1;     // mapped 409.9: pixel 409
  list->text_x[1] = 150.5;
  list->text_y[1] = -5.25;
  Strings drawing;  // the calls that draw or move: Rectangle, Ellipse, Move_To, Line_To, Text_Out
  for (const std::string& call : Paint(*list, Objects_For(1, 1, 1)).log) {
    if (std::string("REMLT").find(call[0]) != std::string::npos) drawing.push_back(call);
  }
  EXPECT_EQ(drawing, (Strings{"Rectangle(200,410,600,10)", "Ellipse(209,409,214,404)", "Move_To(0,0)",
                              "Line_To(0,0,-12,409)", "Text_Out(350,415,)"}));
}

TEST(Renderer, LabelLengthStopsAtTheNulOrAtTheLabelsLastByte) {
  auto list = Make_List();
  list->text_count = 2;
  std::memset(list->text_string[1], 'A', Draw_Parameter::text_bytes);      // no NUL
  std::memset(list->text_string[2], 'B', Draw_Parameter::text_bytes - 1);  // NUL in the last byte
  const R surface = Paint(*list, Objects_For(0, 0, 0));
  ASSERT_EQ(surface.drawn.size(), 2u);
  EXPECT_EQ(surface.drawn[0].c, 255);
  EXPECT_EQ(surface.drawn[1].c, 254);
}

// For many random lists and both view scales: the object count of a paint,
// the bookkeeping that Paint checks, the clamped counts stored back and each
// ellipse in its own pen at its own place.
TEST(RendererRandom, ObjectBookkeepingHoldsForAnyList) {
  std::mt19937 rng(1041);
  std::uniform_int_distribution<int> shape_count(-3, 420), small_count(-2, 4), text_count(-2, 12);
  std::uniform_int_distribution<Colour> colour(0, 0xFFFFFF);
  std::uniform_real_distribution<double> coordinate(-50.0, 450.0);
  auto list = Make_List();
  for (int round = 0; round < 200 && !::testing::Test::HasFailure(); ++round) {
    SCOPED_TRACE(round);
    auto& shapes = round % 2 == 0 ? small_count : shape_count;
    list->rect_count = shapes(rng);
    list->ellipse_count = shapes(rng);
    list->line_count = shapes(rng);
    list->text_count = text_count(rng);
    list->scale_x = list->scale_y = round % 3 == 0 ? 1.74 : 1.0;
    for (int i = 0; i < Draw_Parameter::shape_capacity; ++i) {
      list->rect_pen[i] = colour(rng);
      list->ellipse_pen[i] = colour(rng);
      list->line_pen[i] = colour(rng);
      list->ellipse_left[i] = coordinate(rng);
      list->ellipse_top[i] = coordinate(rng);
      list->line_y2[i] = coordinate(rng);
    }
    const int after[4] = {std::min(list->rect_count, 399), std::min(list->ellipse_count, 399),
                          std::min(list->line_count, 399), std::min(list->text_count, 9)};
    const int rects = std::max(after[0], 0), ellipses = std::max(after[1], 0);
    const int lines = std::max(after[2], 0), texts = std::max(after[3], 0);
    const R surface = Paint(*list, Objects_For(rects, ellipses, lines));
    EXPECT_EQ(surface.drawn.size(), static_cast<std::size_t>(rects + ellipses + lines + texts));
    EXPECT_EQ((std::vector<int>{list->rect_count, list->ellipse_count, list->line_count, list->text_count}),
              std::vector<int>(after, after + 4));
    for (int i = 0; i < ellipses; ++i) {
      const auto& d = surface.drawn[static_cast<std::size_t>(rects + i)];
      ASSERT_EQ(d.op, "Ellipse");
      EXPECT_EQ(d.pen, list->ellipse_pen[i + 1]);
      EXPECT_EQ(d.a, list->Map_X(list->ellipse_left[i + 1]));
      EXPECT_EQ(d.b, list->Map_Y(list->ellipse_top[i + 1]));
    }
  }
}

}  // namespace
