// What the program assumes of the Windows it runs on: the labels and window
// texts are code page 932 bytes passed to the "A" functions, so the ANSI code
// page must be 932.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Platform, AnsiCodePageIsJapanese) {
  EXPECT_EQ(GetACP(), 932u);
}

TEST(Platform, AnsiFunctionsTakeCp932Bytes) {
  // "温度" in code page 932 converts to the two UTF-16 characters U+6E29 U+5EA6.
  const char bytes[] = "\x89\xB7\x93\x78";
  wchar_t wide[8] = {};
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, 8);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(wide[0], L'\x6E29');
  EXPECT_EQ(wide[1], L'\x5EA6');
  EXPECT_EQ(wide[2], L'\0');
}
