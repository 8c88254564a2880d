#pragma once

// The program's control and command ids, shared by the resource script, the
// program, its driver and its tests. Each button's id is the command it sends.

// The menu's commands, as the resource script names them.
#define IDM_MASS_RATIO 40001
#define IDM_PARTICLES_200 40002
#define IDM_PARTICLES_20 40003
#define IDM_TEMPERATURE_20 40004
#define IDM_ABOUT 40005
#define IDM_MASS_RATIO_20 40006

#ifndef RC_INVOKED
namespace command {
inline constexpr int start = 2;
inline constexpr int stop = 3;
inline constexpr int heat_up = 4;
inline constexpr int cool_down = 5;
inline constexpr int particles_20 = 6;
inline constexpr int particles_200 = 7;
inline constexpr int exit = 8;
inline constexpr int target_on = 9;
inline constexpr int target_off = 10;
inline constexpr int trace_start = 12;
inline constexpr int trace_stop = 13;
inline constexpr int boundary = 14;
inline constexpr int menu_mass_ratio = IDM_MASS_RATIO;
inline constexpr int menu_particles_200 = IDM_PARTICLES_200;
inline constexpr int menu_particles_20 = IDM_PARTICLES_20;
inline constexpr int menu_temperature_20 = IDM_TEMPERATURE_20;
inline constexpr int menu_about = IDM_ABOUT;
inline constexpr int menu_mass_ratio_20 = IDM_MASS_RATIO_20;
}  // namespace command

// The Mass Setting window's controls.
namespace mass_control {
inline constexpr int set_button = 11;
inline constexpr int label = 99;
inline constexpr int edit = 100;
inline constexpr int scroll_bar = 101;
}  // namespace mass_control
#endif
