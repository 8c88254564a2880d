#pragma once

// Every Japanese text the program shows, as code page 932 bytes for the ANSI
// window functions; the UTF-8 comment above each is the text it reads as.
// Menu and dialog texts live in the resource script instead, which the
// resource compiler converts itself.
namespace texts {

// 温度 %d ℃
inline constexpr char temperature_label[] = "\x89\xb7\x93x %d \x81\x8e";
// ターゲットと粒子の質量比 %d 倍
inline constexpr char mass_ratio_label[] = "\x83^\x81[\x83Q\x83" "b\x83g\x82\xc6\x97\xb1\x8eq\x82\xcc\x8e\xbf\x97\xca\x94\xe4 %d \x94{";
// スタート
inline constexpr char button_start[] = "\x83X\x83^\x81[\x83g";
// ストップ
inline constexpr char button_stop[] = "\x83X\x83g\x83" "b\x83v";
// 粒子あり
inline constexpr char button_target_on[] = "\x97\xb1\x8eq\x82\xa0\x82\xe8";
// 粒子なし
inline constexpr char button_target_off[] = "\x97\xb1\x8eq\x82\xc8\x82\xb5";
// 追跡開始
inline constexpr char button_trace_start[] = "\x92\xc7\x90\xd5\x8aJ\x8en";
// 追跡停止
inline constexpr char button_trace_stop[] = "\x92\xc7\x90\xd5\x92\xe2\x8e~";
// 粒子数20
inline constexpr char button_particles_20[] = "\x97\xb1\x8eq\x90\x94" "20";
// 粒子数200
inline constexpr char button_particles_200[] = "\x97\xb1\x8eq\x90\x94" "200";
// 温度を上げる
inline constexpr char button_heat_up[] = "\x89\xb7\x93x\x82\xf0\x8f\xe3\x82\xb0\x82\xe9";
// 温度を下げる
inline constexpr char button_cool_down[] = "\x89\xb7\x93x\x82\xf0\x89\xba\x82\xb0\x82\xe9";
// 周期境界
inline constexpr char button_periodic[] = "\x8e\xfc\x8a\xfa\x8b\xab\x8a" "E";
// 反射境界
inline constexpr char button_reflecting[] = "\x94\xbd\x8e\xcb\x8b\xab\x8a" "E";
// 終了
inline constexpr char button_exit[] = "\x8fI\x97\xb9";
// 設定
inline constexpr char mass_set_button[] = "\x90\xdd\x92\xe8";
// 現在の質量比-->
inline constexpr char mass_current_label[] = "\x8c\xbb\x8d\xdd\x82\xcc\x8e\xbf\x97\xca\x94\xe4-->";

}  // namespace texts
