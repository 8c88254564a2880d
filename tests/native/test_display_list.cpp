#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "draw_parameter.h"
#include "to_int.h"

namespace {

TEST(TruncateToInt, TruncatesTowardZero) {
  EXPECT_EQ(Truncate_To_Int(12.9), 12);
  EXPECT_EQ(Truncate_To_Int(-0.7), 0);
  EXPECT_EQ(Truncate_To_Int(-12.9), -12);
  EXPECT_EQ(Truncate_To_Int(0.0), 0);
}

TEST(TruncateToInt, SaturatesOutsideTheIntRange) {
  EXPECT_EQ(Truncate_To_Int(2147483647.0), INT_MAX);
  EXPECT_EQ(Truncate_To_Int(2147483647.9), INT_MAX);
  EXPECT_EQ(Truncate_To_Int(2147483648.0), INT_MAX);
  EXPECT_EQ(Truncate_To_Int(-2147483648.0), INT_MIN);
  EXPECT_EQ(Truncate_To_Int(-2147483648.9), INT_MIN);
  EXPECT_EQ(Truncate_To_Int(-2147483649.0), INT_MIN);
  EXPECT_EQ(Truncate_To_Int(1e300), INT_MAX);
  EXPECT_EQ(Truncate_To_Int(-1e300), INT_MIN);
  EXPECT_EQ(Truncate_To_Int(std::numeric_limits<double>::infinity()), INT_MAX);
  EXPECT_EQ(Truncate_To_Int(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(Truncate_To_Int(std::nan("")), 0);
}

TEST(DisplayList, StartsEmptyWithTheDefaultMapping) {
  Draw_Parameter list;
  EXPECT_EQ(list.ellipse_count, 0);
  EXPECT_EQ(list.rect_count, 0);
  EXPECT_EQ(list.line_count, 0);
  EXPECT_EQ(list.text_count, 0);
  EXPECT_EQ(list.phase, 0);
  EXPECT_EQ(list.origin_x, 10.0);
  EXPECT_EQ(list.origin_y, 400.0);
  EXPECT_EQ(list.scale_x, 1.0);
  EXPECT_EQ(list.scale_y, 1.0);
}

TEST(DisplayList, BaseAdvanceOnlyCountsThePhase) {
  Draw_Parameter list;
  list.Advance();
  EXPECT_EQ(list.phase, 1);
  list.Advance();
  EXPECT_EQ(list.phase, 2);
  EXPECT_EQ(list.ellipse_count, 0);
}

TEST(DisplayList, MapsWorldToWindowPixels) {
  Draw_Parameter list;
  list.origin_x = 200.0;
  list.origin_y = 410.0;
  EXPECT_EQ(list.Map_X(0.0), 200);
  EXPECT_EQ(list.Map_Y(0.0), 410);
  EXPECT_EQ(list.Map_X(400.0), 600);
  EXPECT_EQ(list.Map_Y(400.0), 10);
  EXPECT_EQ(list.Map_X(9.99), 209);  // truncated, not rounded to 210
  // World y grows upwards: a box stored top 0, bottom 400 arrives upside down.
  EXPECT_GT(list.Map_Y(0.0), list.Map_Y(400.0));
  list.origin_x = 0.0;
  EXPECT_EQ(list.Map_X(-0.5), 0);
  EXPECT_EQ(list.Map_X(-12.9), -12);
}

TEST(DisplayList, MapsWithTheMaximisedScale) {
  Draw_Parameter list;
  list.origin_x = 200.0;
  list.origin_y = 700.0;
  list.scale_x = 1.74;
  list.scale_y = 1.74;
  EXPECT_EQ(list.Map_X(400.0) - list.Map_X(0.0), 696);
  EXPECT_EQ(list.Map_Y(0.0), 700);
}

TEST(DisplayList, MappingSaturatesFarOffPoints) {
  Draw_Parameter list;
  EXPECT_EQ(list.Map_X(1e12), INT_MAX);
  EXPECT_EQ(list.Map_Y(1e12), INT_MIN);
  EXPECT_EQ(list.Map_X(std::nan("")), 0);
}

}  // namespace
