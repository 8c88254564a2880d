#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "convert.h"
#include "draw_parameter.h"
#include "to_int.h"
#include "trace.h"

namespace {

TEST(Trace, FillsThenShiftsOutTheOldestAndClearHidesStaleSamples) {
  Trace trace(390);
  EXPECT_EQ(trace.first, 0);
  EXPECT_EQ(trace.last, -1);
  EXPECT_EQ(trace.Get(0), 0.0);
  trace.Push(7.5);
  EXPECT_EQ(trace.last, 0);
  EXPECT_EQ(trace.Get(0), 7.5);
  EXPECT_EQ(trace.Get(1), 0.0);
  for (int v = 2; v <= 390; ++v) trace.Push(v);
  EXPECT_EQ(trace.last, 389);
  EXPECT_EQ(trace.data[0], 7.5);
  EXPECT_EQ(trace.data[389], 390.0);
  trace.Push(391);
  EXPECT_EQ(trace.last, 389);
  EXPECT_EQ(trace.data[0], 2.0);
  EXPECT_EQ(trace.data[388], 390.0);
  EXPECT_EQ(trace.data[389], 391.0);
  trace.Clear();
  EXPECT_EQ(trace.last, -1);
  EXPECT_EQ(trace.Get(0), 0.0);
  EXPECT_EQ(trace.data[0], 2.0);
  trace.Clear();
  EXPECT_EQ(trace.last, -1);

  Trace tiny(0);  // taken as 1: it keeps the newest sample
  EXPECT_EQ(tiny.capacity, 1);
  tiny.Push(5.0);
  tiny.Push(6.0);
  EXPECT_EQ(tiny.last, 0);
  EXPECT_EQ(tiny.Get(0), 6.0);
}

#ifndef __SANITIZE_ADDRESS__  // the sanitizer reports a failed allocation itself
TEST(TraceDeathTest, FailedAllocationExitsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto allocate_beyond_the_limit = [] {
    const rlimit limit = {512u << 20, 512u << 20};
    setrlimit(RLIMIT_AS, &limit);
    Trace huge(1 << 27);
    std::exit(0);
  };
  EXPECT_EXIT(allocate_beyond_the_limit(), ::testing::ExitedWithCode(1), "");
}
#endif

TEST(Convert, ChecksAndReadsTextByItsOwnRules) {
  const struct {
    std::string text;
    bool valid;
    double value;
  } cases[] = {
      {"", false, 0},       {"37", true, 37},     {"12.5", true, 12.5}, {"-3", true, -3},
      {".5", true, 0.5},    {"1.5.5", true, 2.0}, {"5-3", true, -53},   {"5.", true, 5},
      {"..5", true, -0.15}, {"1e3", false, 0},    {"1 2", false, 0},    {"\x83X", false, 0},
  };
  const Convert_CharToDouble convert;
  for (const auto& c : cases) {
    EXPECT_EQ(convert.Check_Text(c.text.c_str()), c.valid) << c.text;
    if (c.valid) {
      EXPECT_DOUBLE_EQ(convert.To_Double(c.text.c_str()), c.value) << c.text;
    }
  }
  EXPECT_TRUE(std::signbit(convert.To_Double("-")));
  EXPECT_EQ(convert.To_Double(("1" + std::string(400, '0')).c_str()), HUGE_VAL);
  EXPECT_EQ(convert.Power(10.0, 1), 10.0);
  EXPECT_EQ(convert.Power(10.0, 3), 1000.0);
  EXPECT_EQ(convert.Power(2.0, 0), 2.0);
}

TEST(Truncate_To_Int, TruncatesTowardZeroAndSaturates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = HUGE_VAL;
  const struct {
    double value;
    int expected;
  } cases[] = {{12.9, 12},        {-0.7, 0},         {-12.9, -12},         {2147483647.9, INT_MAX},
               {2147483648.0, INT_MAX}, {-2147483648.9, INT_MIN}, {-2147483649.0, INT_MIN}, {inf, INT_MAX},
               {-inf, INT_MIN},   {nan, 0}};
  for (const auto& c : cases) EXPECT_EQ(Truncate_To_Int(c.value), c.expected) << c.value;
}

TEST(Draw_Parameter, StartsEmptyCountsItsPhaseAndMapsWorldToPixels) {
  Draw_Parameter list;
  EXPECT_EQ(list.ellipse_count + list.rect_count + list.line_count + list.text_count, 0);
  EXPECT_EQ(list.Map_X(0), 10);
  EXPECT_EQ(list.Map_Y(0), 400);
  list.Advance();
  list.Advance();
  EXPECT_EQ(list.phase, 2);

  const struct {
    double origin_y, scale, x, y;
    int px, py;
  } cases[] = {{410, 1, 0, 0, 200, 410},      {410, 1, 400, 400, 600, 10},      {410, 1, 9.99, 0.5, 209, 409},
               {410, 1, -200.5, 410.7, 0, 0}, {700, 1.74, 100, 100, 374, 526}, {700, 1.74, 400, 400, 896, 4}};
  for (const auto& c : cases) {
    list.origin_x = 200;
    list.origin_y = c.origin_y;
    list.scale_x = list.scale_y = c.scale;
    EXPECT_EQ(list.Map_X(c.x), c.px) << c.x;
    EXPECT_EQ(list.Map_Y(c.y), c.py) << c.y;
  }
}

}  // namespace
