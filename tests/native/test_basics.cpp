#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "convert.h"
#include "draw_parameter.h"
#include "to_int.h"
#include "trace.h"

namespace {

using Values = std::vector<double>;

Values Samples(const Trace& trace) { return {trace.data.get(), trace.data.get() + trace.last + 1}; }

TEST(Trace, FillsThenShiftsOutTheOldestAndClearHidesStaleSamples) {
  Trace trace(390), tiny(0);  // a capacity below 1 is taken as 1
  EXPECT_EQ(std::vector<int>({trace.first, trace.last, tiny.capacity}), std::vector<int>({0, -1, 1}));
  trace.Push(7.5);
  EXPECT_EQ(Values({trace.Get(0), trace.Get(1)}), Values({7.5, 0.0}));
  Values expected;  // 7.5 shifted out
  for (int v = 2; v <= 391; ++v) trace.Push(v), expected.push_back(v);
  EXPECT_EQ(Samples(trace), expected);
  trace.Clear();
  EXPECT_EQ(Values({1.0 * trace.last, trace.Get(0), trace.data[0]}), Values({-1, 0, 2}));  // the sample stays stored
  tiny.Push(5.0), tiny.Push(6.0);
  EXPECT_EQ(Samples(tiny), Values({6.0}));
}

#ifndef __SANITIZE_ADDRESS__  // the sanitizer reports a failed allocation itself
TEST(TraceDeathTest, FailedAllocationEndsTheProcessWithStatusOne) {
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
  const struct { std::string text; bool valid; double value; } cases[] = {
      {"", 0, 0},      {"37", 1, 37},   {"12.5", 1, 12.5}, {"-3", 1, -3},      {".5", 1, 0.5},   {"1.5.5", 1, 2},
      {"5-3", 1, -53}, {"5.", 1, 5},    {"..5", 1, -0.15}, {"1e3", 0, 0},      {"1 2", 0, 0},    {"\x83X", 0, 0}};
  const Convert_CharToDouble convert;
  for (const auto& c : cases) {
    EXPECT_EQ(convert.Check_Text(c.text.c_str()), c.valid) << c.text;
    EXPECT_DOUBLE_EQ(c.valid ? convert.To_Double(c.text.c_str()) : 0.0, c.value) << c.text;
  }
  EXPECT_TRUE(std::signbit(convert.To_Double("-")));
  EXPECT_EQ(convert.To_Double(("1" + std::string(400, '0')).c_str()), HUGE_VAL);
  EXPECT_EQ(Values({convert.Power(10, 1), convert.Power(10, 3), convert.Power(2, 0)}), Values({10, 1000, 2}));
}

TEST(Draw_Parameter, MapsWorldToPixelsTruncatingTowardZeroAndSaturating) {
  const struct { double value; int expected; } conversions[] = {
      {12.9, 12}, {-0.7, 0}, {-12.9, -12}, {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN}, {HUGE_VAL, INT_MAX},
      {-HUGE_VAL, INT_MIN}, {std::nan(""), 0}};
  for (const auto& c : conversions) EXPECT_EQ(Truncate_To_Int(c.value), c.expected) << c.value;

  Draw_Parameter list;
  list.Advance(), list.Advance();
  EXPECT_EQ(std::vector<int>({list.ellipse_count, list.rect_count, list.line_count, list.text_count, list.phase}),
            std::vector<int>({0, 0, 0, 0, 2}));
  const struct { double origin_y, scale, x, y; int px, py; } points[] = {
      {400, 1, 0, 0, 10, 400}, {410, 1, 400, 400, 410, 10}, {410, 1, 9.99, 0.5, 19, 409}, {410, 1, -10.5, 410.7, 0, 0},
      {700, 1.74, 100, 100, 184, 526}, {700, 1.74, 400, 400, 706, 4}};
  for (const auto& p : points) {
    list.origin_y = p.origin_y, list.scale_x = list.scale_y = p.scale;
    EXPECT_EQ(std::vector<int>({list.Map_X(p.x), list.Map_Y(p.y)}), std::vector<int>({p.px, p.py})) << p.x << "," << p.y;
  }
}

}  // namespace
