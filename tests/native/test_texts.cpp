#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <map>
#include <string>

#include "texts.h"

namespace {

// What each text must read as, in UTF-8.
const std::map<std::string, std::string> expected = {
    {"temperature_label", "温度 %d ℃"},
    {"mass_ratio_label", "ターゲットと粒子の質量比 %d 倍"},
    {"button_start", "スタート"},
    {"button_stop", "ストップ"},
    {"button_target_on", "粒子あり"},
    {"button_target_off", "粒子なし"},
    {"button_trace_start", "追跡開始"},
    {"button_trace_stop", "追跡停止"},
    {"button_particles_20", "粒子数20"},
    {"button_particles_200", "粒子数200"},
    {"button_heat_up", "温度を上げる"},
    {"button_cool_down", "温度を下げる"},
    {"button_periodic", "周期境界"},
    {"button_reflecting", "反射境界"},
    {"button_exit", "終了"},
    {"mass_set_button", "設定"},
    {"mass_current_label", "現在の質量比-->"},
};

std::string Decode_Cp932(const char* bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "<iconv has no CP932>";
  std::string in(bytes);
  std::string out(in.size() * 4 + 4, '\0');
  char* in_ptr = in.data();
  char* out_ptr = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const std::size_t rc = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || in_left != 0) return "<invalid CP932>";
  out.resize(out.size() - out_left);
  return out;
}

TEST(Texts, EveryTextDecodesToItsJapanese) {
  for (const texts::Text_Entry& entry : texts::all) {
    SCOPED_TRACE(entry.name);
    const auto it = expected.find(entry.name);
    ASSERT_NE(it, expected.end()) << "no expected text for " << entry.name;
    EXPECT_EQ(Decode_Cp932(entry.cp932), it->second);
  }
  EXPECT_EQ(std::size(texts::all), expected.size());
}

TEST(Texts, EachTextIsListedOnce) {
  std::map<std::string, int> seen;
  for (const texts::Text_Entry& entry : texts::all) ++seen[entry.name];
  for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
}

}  // namespace
