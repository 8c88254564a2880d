#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "texts.h"

namespace {

std::string Cp932_To_Utf8(std::string in) {
  iconv_t convert = iconv_open("UTF-8", "CP932");
  std::string out(in.size() * 4, '\0');
  char *from = in.data(), *to = out.data();
  std::size_t from_left = in.size(), to_left = out.size();
  const bool ok = iconv(convert, &from, &from_left, &to, &to_left) != static_cast<std::size_t>(-1);
  iconv_close(convert);
  return ok ? out.substr(0, out.size() - to_left) : "<not CP932>";
}

TEST(Texts, ReadInCodePage932AsTheirJapanese) {
  const char* const cases[][2] = {
      {texts::temperature_label, "温度 %d ℃"},   {texts::mass_ratio_label, "ターゲットと粒子の質量比 %d 倍"},
      {texts::button_start, "スタート"},         {texts::button_stop, "ストップ"},
      {texts::button_target_on, "粒子あり"},     {texts::button_target_off, "粒子なし"},
      {texts::button_trace_start, "追跡開始"},   {texts::button_trace_stop, "追跡停止"},
      {texts::button_particles_20, "粒子数20"},  {texts::button_particles_200, "粒子数200"},
      {texts::button_heat_up, "温度を上げる"},   {texts::button_cool_down, "温度を下げる"},
      {texts::button_periodic, "周期境界"},      {texts::button_reflecting, "反射境界"},
      {texts::button_exit, "終了"},              {texts::mass_set_button, "設定"},
      {texts::mass_current_label, "現在の質量比-->"}};
  for (const auto& c : cases) EXPECT_EQ(Cp932_To_Utf8(c[0]), c[1]);
}

}  // namespace
