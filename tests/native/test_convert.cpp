#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "convert.h"

namespace {

const Convert_CharToDouble convert;

TEST(CheckText, AcceptsOnlyDigitsPointsAndMinus) {
  EXPECT_FALSE(convert.Check_Text(""));
  EXPECT_TRUE(convert.Check_Text("12.5"));
  EXPECT_TRUE(convert.Check_Text("-"));
  EXPECT_TRUE(convert.Check_Text("0123456789.-"));
  EXPECT_FALSE(convert.Check_Text("1e3"));
  EXPECT_FALSE(convert.Check_Text("1 2"));
  EXPECT_FALSE(convert.Check_Text("+5"));
  EXPECT_FALSE(convert.Check_Text("5/"));  // the bytes just outside '0'..'9'
  EXPECT_FALSE(convert.Check_Text("5:"));
  // The two bytes of a double-byte digit in code page 932 both fail.
  EXPECT_FALSE(convert.Check_Text("\x82\x54"));
  EXPECT_FALSE(convert.Check_Text("5\xff"));
}

TEST(ToDouble, ReadsPlainNumbers) {
  EXPECT_EQ(convert.To_Double("37"), 37.0);
  EXPECT_EQ(convert.To_Double("12.5"), 12.5);
  EXPECT_EQ(convert.To_Double("-3"), -3.0);
  EXPECT_EQ(convert.To_Double(".5"), 0.5);
  EXPECT_EQ(convert.To_Double("5."), 5.0);
  EXPECT_EQ(convert.To_Double("100"), 100.0);
  EXPECT_DOUBLE_EQ(convert.To_Double("12.9"), 12.9);
}

TEST(ToDouble, FollowsItsOwnRulesForOddText) {
  EXPECT_EQ(convert.To_Double("1.5.5"), 2.0);  // a second point restarts the fraction
  EXPECT_EQ(convert.To_Double("5-3"), -53.0);  // a minus anywhere sets the sign
  const double minus_alone = convert.To_Double("-");
  EXPECT_EQ(minus_alone, 0.0);
  EXPECT_TRUE(std::signbit(minus_alone));
  EXPECT_EQ(convert.To_Double("--5"), -(-3 * 10 + 5.0));  // the second '-' counts as the digit -3
  EXPECT_DOUBLE_EQ(convert.To_Double("1.."), 1.0 - 0.2);  // a '.' after a consumed '.' is the digit -2
}

TEST(ToDouble, OverlongTextGivesInfinityNotATrap) {
  const std::string nines(1023, '9');
  EXPECT_EQ(convert.To_Double(nines.c_str()), HUGE_VAL);
  EXPECT_EQ(convert.To_Double(("-" + nines.substr(1)).c_str()), -HUGE_VAL);
  const std::string tiny = "0." + std::string(1021, '0');
  EXPECT_EQ(convert.To_Double(tiny.c_str()), 0.0);
  const std::string long_fraction = "1." + std::string(1021, '7');
  EXPECT_NEAR(convert.To_Double(long_fraction.c_str()), 1.0 + 7.0 / 9.0, 1e-12);
}

TEST(Power, CountsFactorsFromOne) {
  EXPECT_EQ(convert.Power(10.0, 1), 10.0);
  EXPECT_EQ(convert.Power(10.0, 3), 1000.0);
  EXPECT_EQ(convert.Power(2.0, 0), 2.0);
  EXPECT_EQ(convert.Power(2.0, -4), 2.0);
  EXPECT_EQ(convert.Power(2.0, 10), 1024.0);
}

// Any byte string the edit box can hold is tested and converted without a
// trap; the sanitizer build makes this a memory-safety check as well.
TEST(ConvertFuzz, RandomByteStringsNeverTrap) {
  std::mt19937 rng(20261206);
  std::uniform_int_distribution<int> length(0, 1023);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<int> numeric(0, 11);
  const char numeric_bytes[] = "0123456789.-";
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(length(rng)), '\0');
    const bool numeric_only = round % 2 == 0;
    for (char& c : text) c = static_cast<char>(numeric_only ? numeric_bytes[numeric(rng)] : byte(rng));
    const bool ok = convert.Check_Text(text.c_str());
    if (numeric_only) {
      ASSERT_EQ(ok, !text.empty());
    }
    if (ok) {
      ++accepted;
      const double value = convert.To_Double(text.c_str());
      ASSERT_FALSE(std::isnan(value)) << text;
    }
  }
  EXPECT_GT(accepted, 1000);
}

}  // namespace
