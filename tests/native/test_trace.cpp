#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>

#include "trace.h"

namespace {

TEST(Trace, StartsEmpty) {
  Trace trace(390);
  EXPECT_EQ(trace.capacity, 390);
  EXPECT_EQ(trace.first, 0);
  EXPECT_EQ(trace.last, -1);
  EXPECT_EQ(trace.Get(0), 0.0);
}

TEST(Trace, PushAppendsAndGetAnswersZeroAboveLast) {
  Trace trace(390);
  trace.Push(7.5);
  EXPECT_EQ(trace.last, 0);
  EXPECT_EQ(trace.Get(0), 7.5);
  EXPECT_EQ(trace.Get(1), 0.0);
  trace.Push(-2.25);
  EXPECT_EQ(trace.last, 1);
  EXPECT_EQ(trace.Get(0), 7.5);
  EXPECT_EQ(trace.Get(1), -2.25);
}

TEST(Trace, FullTraceShiftsOutTheOldestSample) {
  Trace trace(390);
  for (int v = 1; v <= 390; ++v) trace.Push(v);
  EXPECT_EQ(trace.last, 389);
  EXPECT_EQ(trace.data[0], 1.0);
  EXPECT_EQ(trace.data[389], 390.0);

  trace.Push(391);
  EXPECT_EQ(trace.last, 389);
  EXPECT_EQ(trace.data[0], 2.0);
  EXPECT_EQ(trace.data[388], 390.0);
  EXPECT_EQ(trace.data[389], 391.0);
  for (int k = 0; k <= 389; ++k) ASSERT_EQ(trace.Get(k), k + 2.0) << "sample " << k;

  for (int v = 392; v < 1000; ++v) trace.Push(v);
  EXPECT_EQ(trace.last, 389);
  EXPECT_EQ(trace.Get(0), 610.0);
  EXPECT_EQ(trace.Get(389), 999.0);
}

TEST(Trace, ClearHidesStaleSamples) {
  Trace trace(390);
  trace.Push(4.0);
  trace.Push(5.0);
  trace.Clear();
  EXPECT_EQ(trace.last, -1);
  EXPECT_EQ(trace.data[0], 4.0);  // left in place, yet unreachable
  EXPECT_EQ(trace.Get(0), 0.0);
  trace.Push(9.0);
  EXPECT_EQ(trace.last, 0);
  EXPECT_EQ(trace.Get(0), 9.0);
  EXPECT_EQ(trace.Get(1), 0.0);
}

TEST(Trace, ClearOnEmptyStaysEmpty) {
  Trace trace(390);
  trace.Clear();
  EXPECT_EQ(trace.last, -1);
  EXPECT_EQ(trace.first, 0);
}

TEST(Trace, CapacityOfOneKeepsTheNewestSample) {
  Trace trace(1);
  trace.Push(1.0);
  trace.Push(2.0);
  EXPECT_EQ(trace.last, 0);
  EXPECT_EQ(trace.Get(0), 2.0);
}

#ifndef __SANITIZE_ADDRESS__
// Holds the address space to 512 MiB so 4 GiB of samples cannot be had.
void Allocate_Beyond_The_Limit() {
  rlimit limit{};
  limit.rlim_cur = 512u << 20;
  limit.rlim_max = 512u << 20;
  setrlimit(RLIMIT_AS, &limit);
  Trace huge(1 << 29);
  huge.Push(1.0);
  std::exit(0);
}

// The sanitizer's allocator reports a failed allocation itself instead of
// returning null, so this one runs in the plain build only.
TEST(TraceDeathTest, FailedAllocationExitsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(Allocate_Beyond_The_Limit(), ::testing::ExitedWithCode(1), "");
}
#endif

}  // namespace
