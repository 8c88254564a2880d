#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "display_list_painter.h"
#include "draw_parameter.h"
#include "recording_surface.h"

namespace {

using Strings = std::vector<std::string>;

// The main window's mapping: world (0, 0) at pixel (200, 410), scale 1.
std::unique_ptr<Draw_Parameter> Make_List() {
  auto list = std::make_unique<Draw_Parameter>();
  list->origin_x = 200.0;
  list->origin_y = 410.0;
  return list;
}

void Expect_No_Faults(const Recording_Surface& surface) {
  for (const std::string& fault : surface.faults) ADD_FAILURE() << fault;
}

void Expect_Stock_White_Selected(const Recording_Surface& surface) {
  EXPECT_EQ(surface.current_pen, Recording_Surface::white_pen);
  EXPECT_EQ(surface.current_brush, Recording_Surface::white_brush);
}

TEST(Renderer, EmptyListMakesAndFreesTheEllipseAndSegmentObjectsOfEntryOne) {
  auto list = Make_List();
  list->ellipse_pen[1] = 0x0000FF;
  list->ellipse_brush[1] = 0x00FF00;
  list->line_pen[1] = 0xFF00FF;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected = {
      "Create_Pen(0000ff)=pen1",          "Select(pen1)=own_pen",
      "Create_Solid_Brush(00ff00)=brush1", "Select(brush1)=own_brush",
      "Select(white_brush)=brush1",       "Delete(brush1)",
      "Select(white_pen)=pen1",           "Delete(pen1)",
      "Create_Pen(ff00ff)=pen2",          "Select(pen2)=white_pen",
      "Select(white_pen)=pen2",           "Delete(pen2)",
  };
  EXPECT_EQ(surface.log, expected);
  EXPECT_TRUE(surface.drawn.empty());
  EXPECT_EQ(surface.Created_Count(), 3);
  EXPECT_EQ(surface.Deleted_Once_Count(), 3);
  Expect_No_Faults(surface);
  Expect_Stock_White_Selected(surface);
  EXPECT_EQ(list->rect_count, 0);
  EXPECT_EQ(list->ellipse_count, 0);
  EXPECT_EQ(list->line_count, 0);
  EXPECT_EQ(list->text_count, 0);
}

TEST(Renderer, OneRectangleGetsOneBrushAndPenFreedAfterTheWhitePair) {
  auto list = Make_List();
  list->rect_count = 1;
  list->rect_brush[1] = 0xFFFFFF;
  list->rect_pen[1] = 0xFF0000;
  list->rect_right[1] = 400.0;
  list->rect_bottom[1] = 400.0;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected_start = {
      "Create_Solid_Brush(ffffff)=brush1", "Create_Pen(ff0000)=pen1",
      "Select(brush1)=own_brush",          "Select(pen1)=own_pen",
      "Rectangle(200,410,600,10)",         "Select(white_brush)=brush1",
      "Select(white_pen)=pen1",            "Delete(brush1)",
      "Delete(pen1)",
      // The ellipse pair of entry 1 then replaces the stock pair, which stays.
      "Create_Pen(000000)=pen2",           "Select(pen2)=white_pen",
      "Create_Solid_Brush(000000)=brush2", "Select(brush2)=white_brush",
  };
  ASSERT_GE(surface.log.size(), expected_start.size());
  EXPECT_EQ(Strings(surface.log.begin(), surface.log.begin() + expected_start.size()), expected_start);
  EXPECT_EQ(surface.Created_Count(), 2 + 3);
  Expect_No_Faults(surface);
  Expect_Stock_White_Selected(surface);
}

TEST(Renderer, EachRectangleFreesThePairOfThePreviousOneOnceReplaced) {
  auto list = Make_List();
  list->rect_count = 2;
  list->rect_brush[1] = 0x000001;
  list->rect_pen[1] = 0x000002;
  list->rect_brush[2] = 0x000003;
  list->rect_pen[2] = 0x000004;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected_start = {
      "Create_Solid_Brush(000001)=brush1", "Create_Pen(000002)=pen1",
      "Select(brush1)=own_brush",          "Select(pen1)=own_pen",
      "Rectangle(200,410,200,410)",        "Create_Solid_Brush(000003)=brush2",
      "Create_Pen(000004)=pen2",           "Select(brush2)=brush1",
      "Delete(brush1)",                    "Select(pen2)=pen1",
      "Delete(pen1)",                      "Rectangle(200,410,200,410)",
      "Select(white_brush)=brush2",        "Select(white_pen)=pen2",
      "Delete(brush2)",                    "Delete(pen2)",
  };
  ASSERT_GE(surface.log.size(), expected_start.size());
  EXPECT_EQ(Strings(surface.log.begin(), surface.log.begin() + expected_start.size()), expected_start);
  ASSERT_EQ(surface.drawn.size(), 2u);
  EXPECT_EQ(surface.drawn[0].brush, 0x000001u);
  EXPECT_EQ(surface.drawn[0].pen, 0x000002u);
  EXPECT_EQ(surface.drawn[1].brush, 0x000003u);
  EXPECT_EQ(surface.drawn[1].pen, 0x000004u);
  Expect_No_Faults(surface);
}

TEST(Renderer, NoRectangleObjectsForZeroOrNegativeCount) {
  for (int count : {0, -1, -400}) {
    SCOPED_TRACE(count);
    auto list = Make_List();
    list->rect_count = count;
    list->rect_brush[1] = 0x123456;
    list->ellipse_count = 1;
    list->ellipse_pen[1] = 0x0000FF;
    list->line_count = 1;
    list->text_count = 1;
    Recording_Surface surface;
    Paint_Display_List(*list, surface);
    ASSERT_FALSE(surface.log.empty());
    EXPECT_EQ(surface.log.front(), "Create_Pen(0000ff)=pen1");  // straight to the ellipses
    EXPECT_EQ(surface.Drawn_Ops(), (Strings{"Ellipse", "Line_To", "Text_Out"}));
    EXPECT_EQ(list->rect_count, count);
    Expect_No_Faults(surface);
    Expect_Stock_White_Selected(surface);
  }
}

TEST(Renderer, ClampsCountsOverTheTablesAndStoresThemBack) {
  auto list = Make_List();
  list->rect_count = 400;
  list->ellipse_count = 450;
  list->line_count = 100000;
  list->text_count = 10;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  EXPECT_EQ(list->rect_count, 399);
  EXPECT_EQ(list->ellipse_count, 399);
  EXPECT_EQ(list->line_count, 399);
  EXPECT_EQ(list->text_count, 9);
  Strings expected(399, "Rectangle");
  expected.insert(expected.end(), 399, "Ellipse");
  expected.insert(expected.end(), 399, "Line_To");
  expected.insert(expected.end(), 9, "Text_Out");
  EXPECT_EQ(surface.Drawn_Ops(), expected);
  EXPECT_EQ(surface.Created_Count(), 2 * 399 + 2 * 399 + 2 + 399 + 1);
  EXPECT_EQ(surface.Deleted_Once_Count(), surface.Created_Count());
  Expect_No_Faults(surface);
}

TEST(Renderer, CountsAtTheBoundsAreKept) {
  auto list = Make_List();
  list->rect_count = 399;
  list->ellipse_count = 399;
  list->line_count = 399;
  list->text_count = 9;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  EXPECT_EQ(list->rect_count, 399);
  EXPECT_EQ(list->ellipse_count, 399);
  EXPECT_EQ(list->line_count, 399);
  EXPECT_EQ(list->text_count, 9);
  EXPECT_EQ(surface.drawn.size(), 3u * 399u + 9u);
}

TEST(Renderer, NegativeCountsDrawNothingAndStayAsTheyAre) {
  auto list = Make_List();
  list->rect_count = -5;
  list->ellipse_count = -1;
  list->line_count = -399;
  list->text_count = -10;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  EXPECT_TRUE(surface.drawn.empty());
  EXPECT_EQ(list->rect_count, -5);
  EXPECT_EQ(list->ellipse_count, -1);
  EXPECT_EQ(list->line_count, -399);
  EXPECT_EQ(list->text_count, -10);
  EXPECT_EQ(surface.Created_Count(), 3);  // the entry-1 objects only
  EXPECT_EQ(surface.Deleted_Once_Count(), 3);
  for (const std::string& call : surface.log) EXPECT_EQ(call.find("Set_"), std::string::npos) << call;
  Expect_No_Faults(surface);
}

TEST(Renderer, EntryZeroIsNeverDrawn) {
  auto list = Make_List();
  const Colour marker = 0xABCDEF;
  list->rect_brush[0] = list->rect_pen[0] = marker;
  list->ellipse_brush[0] = list->ellipse_pen[0] = marker;
  list->line_pen[0] = marker;
  list->text_color[0] = list->text_bk_color[0] = marker;
  list->text_bk_mode[0] = 77;
  list->rect_left[0] = list->ellipse_left[0] = list->line_x1[0] = list->line_x2[0] = list->text_x[0] = 5000.0;
  std::strcpy(list->text_string[0], "zero");
  for (int count : {0, 1, 3}) {
    SCOPED_TRACE(count);
    list->rect_count = list->ellipse_count = list->line_count = list->text_count = count;
    Recording_Surface surface;
    Paint_Display_List(*list, surface);
    EXPECT_EQ(surface.drawn.size(), 4u * static_cast<unsigned>(count));
    for (const std::string& call : surface.log) {
      EXPECT_EQ(call.find("abcdef"), std::string::npos) << call;
      EXPECT_EQ(call.find("5200"), std::string::npos) << call;
      EXPECT_EQ(call.find("77"), std::string::npos) << call;
    }
    for (const auto& d : surface.drawn) EXPECT_NE(d.text, "zero");
  }
}

TEST(Renderer, DrawsKindsInOrderAndEntriesByIndex) {
  auto list = Make_List();
  list->rect_count = 2;
  list->ellipse_count = 3;
  list->line_count = 2;
  list->text_count = 2;
  // Entry i sits at world x = 10 * i, so its pixel x tells which entry it is.
  for (int i = 1; i <= 3; ++i) {
    list->rect_left[i] = list->ellipse_left[i] = list->line_x1[i] = list->text_x[i] = 10.0 * i;
  }
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  Strings order;
  for (const auto& d : surface.drawn) {
    order.push_back(d.op + " " + std::to_string(d.a));
  }
  EXPECT_EQ(order, (Strings{"Rectangle 210", "Rectangle 220", "Ellipse 210", "Ellipse 220", "Ellipse 230",
                            "Line_To 210", "Line_To 220", "Text_Out 210", "Text_Out 220"}));
  Expect_No_Faults(surface);
}

TEST(Renderer, MapsEveryCoordinateTruncatingTowardZero) {
  auto list = Make_List();
  list->rect_count = 1;
  list->rect_left[1] = 0.0;
  list->rect_top[1] = 0.0;
  list->rect_right[1] = 400.0;
  list->rect_bottom[1] = 400.0;
  list->ellipse_count = 1;
  list->ellipse_left[1] = 9.99;
  list->ellipse_top[1] = 0.5;
  list->ellipse_right[1] = 14.99;
  list->ellipse_bottom[1] = 5.5;
  list->line_count = 1;
  list->line_x1[1] = -200.7;  // mapped -0.7: pixel 0
  list->line_y1[1] = 410.9;   // mapped -0.9: pixel 0
  list->line_x2[1] = -212.9;  // mapped -12.9: pixel -12
  list->line_y2[1] = 0.1;     // mapped 409.9: pixel 409
  list->text_count = 1;
  list->text_x[1] = 150.5;
  list->text_y[1] = -5.25;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings drawing = [&] {
    Strings calls;
    for (const std::string& call : surface.log) {
      if (call.rfind("Rectangle", 0) == 0 || call.rfind("Ellipse", 0) == 0 || call.rfind("Move_To", 0) == 0 ||
          call.rfind("Line_To", 0) == 0 || call.rfind("Text_Out", 0) == 0)
        calls.push_back(call);
    }
    return calls;
  }();
  EXPECT_EQ(drawing, (Strings{"Rectangle(200,410,600,10)", "Ellipse(209,409,214,404)", "Move_To(0,0)",
                              "Line_To(0,0,-12,409)", "Text_Out(350,415,0,0)"}));
}

TEST(Renderer, MapsWithTheViewScale) {
  auto list = Make_List();
  list->scale_x = 1.75;
  list->scale_y = 2.5;
  list->origin_y = 700.0;
  list->ellipse_count = 1;
  list->ellipse_left[1] = 100.0;   // 175 + 200
  list->ellipse_top[1] = 10.0;     // 700 - 25
  list->ellipse_right[1] = 1.0;    // 1.75 + 200 -> 201
  list->ellipse_bottom[1] = 0.3;   // 700 - 0.75 -> 699
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  ASSERT_EQ(surface.drawn.size(), 1u);
  EXPECT_EQ(surface.drawn[0].a, 375);
  EXPECT_EQ(surface.drawn[0].b, 675);
  EXPECT_EQ(surface.drawn[0].c, 201);
  EXPECT_EQ(surface.drawn[0].d, 699);
}

TEST(Renderer, EachShapeIsDrawnWithItsOwnColours) {
  auto list = Make_List();
  list->rect_count = 1;
  list->rect_pen[1] = 0xFF0000;
  list->rect_brush[1] = 0xFFFFFF;
  list->ellipse_count = 3;
  for (int i = 1; i <= 3; ++i) {
    list->ellipse_pen[i] = 0x000100u * static_cast<Colour>(i);
    list->ellipse_brush[i] = 0x000001u * static_cast<Colour>(i);
  }
  list->line_count = 2;
  list->line_pen[1] = 0xFF00FF;
  list->line_pen[2] = 0x00FFFF;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  ASSERT_EQ(surface.drawn.size(), 6u);
  EXPECT_EQ(surface.drawn[0].pen, 0xFF0000u);
  EXPECT_EQ(surface.drawn[0].brush, 0xFFFFFFu);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(surface.drawn[i].pen, 0x000100u * static_cast<Colour>(i));
    EXPECT_EQ(surface.drawn[i].brush, 0x000001u * static_cast<Colour>(i));
  }
  EXPECT_EQ(surface.drawn[4].pen, 0xFF00FFu);
  EXPECT_EQ(surface.drawn[5].pen, 0x00FFFFu);
  Expect_No_Faults(surface);
}

TEST(Renderer, EllipsesReplaceAndFreeTheirObjectsOneByOne) {
  auto list = Make_List();
  list->ellipse_count = 2;
  list->ellipse_pen[1] = 0x000011;
  list->ellipse_brush[1] = 0x000012;
  list->ellipse_pen[2] = 0x000021;
  list->ellipse_brush[2] = 0x000022;
  list->line_pen[1] = 0x0000AA;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected = {
      "Create_Pen(000011)=pen1",          "Select(pen1)=own_pen",
      "Create_Solid_Brush(000012)=brush1", "Select(brush1)=own_brush",
      "Create_Pen(000011)=pen2",          "Select(pen2)=pen1",
      "Delete(pen1)",                     "Create_Solid_Brush(000012)=brush2",
      "Select(brush2)=brush1",            "Delete(brush1)",
      "Ellipse(200,410,200,410)",         "Create_Pen(000021)=pen3",
      "Select(pen3)=pen2",                "Delete(pen2)",
      "Create_Solid_Brush(000022)=brush3", "Select(brush3)=brush2",
      "Delete(brush2)",                   "Ellipse(200,410,200,410)",
      "Select(white_brush)=brush3",       "Delete(brush3)",
      "Select(white_pen)=pen3",           "Delete(pen3)",
      "Create_Pen(0000aa)=pen4",          "Select(pen4)=white_pen",
      "Select(white_pen)=pen4",           "Delete(pen4)",
  };
  EXPECT_EQ(surface.log, expected);
  Expect_No_Faults(surface);
}

TEST(Renderer, SegmentsMoveThenLineEachInItsPen) {
  auto list = Make_List();
  list->line_count = 2;
  list->line_pen[1] = 0x0000AA;
  list->line_pen[2] = 0x0000BB;
  list->line_x1[1] = 1.0;
  list->line_y1[1] = 2.0;
  list->line_x2[1] = 3.0;
  list->line_y2[1] = 4.0;
  list->line_x1[2] = 5.0;
  list->line_y1[2] = 6.0;
  list->line_x2[2] = 7.0;
  list->line_y2[2] = 8.0;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected_end = {
      "Create_Pen(0000aa)=pen2", "Select(pen2)=white_pen", "Create_Pen(0000aa)=pen3", "Select(pen3)=pen2",
      "Delete(pen2)",            "Move_To(201,408)",       "Line_To(201,408,203,406)", "Create_Pen(0000bb)=pen4",
      "Select(pen4)=pen3",       "Delete(pen3)",           "Move_To(205,404)",       "Line_To(205,404,207,402)",
      "Select(white_pen)=pen4",  "Delete(pen4)",
  };
  ASSERT_GE(surface.log.size(), expected_end.size());
  EXPECT_EQ(Strings(surface.log.end() - expected_end.size(), surface.log.end()), expected_end);
  Expect_No_Faults(surface);
}

TEST(Renderer, LabelsSetModeAndColoursThenDrawTheirBytes) {
  auto list = Make_List();
  list->text_count = 2;
  list->text_x[1] = 0.0;
  list->text_y[1] = -10.0;
  list->text_bk_mode[1] = 1;
  list->text_bk_color[1] = 0xFFFFFF;
  list->text_color[1] = 0xFF0000;
  std::strcpy(list->text_string[1], "\x89\xB7\x93\x78 20 \x81\x8E");  // "温度 20 ℃" in code page 932
  list->text_x[2] = 200.0;
  list->text_y[2] = -10.0;
  list->text_bk_mode[2] = 2;
  list->text_bk_color[2] = 0x00FFFF;
  list->text_color[2] = 0x0000FF;
  std::strcpy(list->text_string[2], "");
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  const Strings expected_end = {
      "Set_Bk_Mode(1)", "Set_Bk_Color(ffffff)", "Set_Text_Color(ff0000)", "Text_Out(200,420,10,0)",
      "Set_Bk_Mode(2)", "Set_Bk_Color(00ffff)", "Set_Text_Color(0000ff)", "Text_Out(400,420,0,0)",
  };
  ASSERT_GE(surface.log.size(), expected_end.size());
  EXPECT_EQ(Strings(surface.log.end() - expected_end.size(), surface.log.end()), expected_end);
  ASSERT_EQ(surface.drawn.size(), 2u);
  EXPECT_EQ(surface.drawn[0].text, "\x89\xB7\x93\x78 20 \x81\x8E");
  EXPECT_EQ(surface.drawn[0].bk_mode, 1);
  EXPECT_EQ(surface.drawn[0].text_color, 0xFF0000u);
  EXPECT_EQ(surface.drawn[1].text, "");
  // The last label's settings stay on the surface.
  EXPECT_EQ(surface.bk_mode, 2);
  EXPECT_EQ(surface.bk_color, 0x00FFFFu);
  EXPECT_EQ(surface.text_color, 0x0000FFu);
}

TEST(Renderer, BackgroundModeIsPassedOnUnchecked) {
  auto list = Make_List();
  list->text_count = 1;
  list->text_bk_mode[1] = 0;
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  EXPECT_EQ(surface.drawn.at(0).bk_mode, 0);
}

TEST(Renderer, LabelWithoutNulIsCutAtItsOwnBytes) {
  auto list = Make_List();
  list->text_count = 2;
  std::memset(list->text_string[1], 'A', Draw_Parameter::text_bytes);
  std::memset(list->text_string[2], 'B', Draw_Parameter::text_bytes);
  list->text_string[2][254] = '\0';
  Recording_Surface surface;
  Paint_Display_List(*list, surface);
  ASSERT_EQ(surface.drawn.size(), 2u);
  EXPECT_EQ(surface.drawn[0].text, std::string(255, 'A'));
  EXPECT_EQ(surface.drawn[1].text, std::string(254, 'B'));
}

TEST(Renderer, RepaintingDrawsTheSameAgain) {
  auto list = Make_List();
  list->rect_count = 1;
  list->ellipse_count = 500;
  list->line_count = 3;
  list->text_count = 2;
  Recording_Surface first;
  Paint_Display_List(*list, first);
  Recording_Surface second;
  Paint_Display_List(*list, second);
  EXPECT_EQ(first.log, second.log);
  EXPECT_EQ(list->ellipse_count, 399);
}

// For many random lists: the object count of a paint, each object deleted
// exactly once and never while selected, no stock object deleted, and the
// stock white pair selected at the end.
TEST(RendererRandom, ObjectBookkeepingHoldsForAnyList) {
  std::mt19937 rng(1041);
  std::uniform_int_distribution<int> shape_count(-3, 420);
  std::uniform_int_distribution<int> small_count(-2, 4);
  std::uniform_int_distribution<int> text_count(-2, 12);
  std::uniform_int_distribution<Colour> colour(0, 0xFFFFFF);
  std::uniform_real_distribution<double> coordinate(-50.0, 450.0);
  auto list = Make_List();
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    const bool small = round % 2 == 0;
    list->rect_count = small ? small_count(rng) : shape_count(rng);
    list->ellipse_count = small ? small_count(rng) : shape_count(rng);
    list->line_count = small ? small_count(rng) : shape_count(rng);
    list->text_count = text_count(rng);
    for (int i = 0; i < Draw_Parameter::shape_capacity; ++i) {
      list->rect_pen[i] = colour(rng);
      list->ellipse_pen[i] = colour(rng);
      list->line_pen[i] = colour(rng);
      list->ellipse_left[i] = coordinate(rng);
      list->line_y2[i] = coordinate(rng);
    }
    const int before[4] = {list->rect_count, list->ellipse_count, list->line_count, list->text_count};
    auto clamped = [](int count, int last) { return count > last ? last : count; };
    auto drawn = [](int count) { return count < 0 ? 0 : count; };
    const int rects = drawn(clamped(before[0], 399));
    const int ellipses = drawn(clamped(before[1], 399));
    const int lines = drawn(clamped(before[2], 399));
    const int texts = drawn(clamped(before[3], 9));

    Recording_Surface surface;
    Paint_Display_List(*list, surface);

    ASSERT_EQ(surface.Created_Count(), 2 * rects + 2 * ellipses + 2 + lines + 1);
    EXPECT_EQ(surface.Deleted_Once_Count(), surface.Created_Count());
    Expect_No_Faults(surface);
    Expect_Stock_White_Selected(surface);
    EXPECT_EQ(surface.drawn.size(), static_cast<std::size_t>(rects + ellipses + lines + texts));
    EXPECT_EQ(list->rect_count, clamped(before[0], 399));
    EXPECT_EQ(list->ellipse_count, clamped(before[1], 399));
    EXPECT_EQ(list->line_count, clamped(before[2], 399));
    EXPECT_EQ(list->text_count, clamped(before[3], 9));
    for (int i = 0; i < ellipses; ++i) {
      const auto& d = surface.drawn[static_cast<std::size_t>(rects + i)];
      ASSERT_EQ(d.op, "Ellipse");
      EXPECT_EQ(d.pen, list->ellipse_pen[i + 1]);
      EXPECT_EQ(d.a, list->Map_X(list->ellipse_left[i + 1]));
    }
    if (HasFailure()) break;
  }
}

}  // namespace
