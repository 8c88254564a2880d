#pragma once
#include <cstdint>

#include "draw_controler.h"

// What the main window decides: which command changes which model field,
// which controls are usable afterwards, when the timer runs and when the
// drawing area is redrawn. The window procedure only translates messages into
// these calls and carries out the requests made through Main_Window_Platform.

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
inline constexpr int menu_mass_ratio = 40001;
inline constexpr int menu_particles_200 = 40002;
inline constexpr int menu_particles_20 = 40003;
inline constexpr int menu_temperature_20 = 40004;
inline constexpr int menu_about = 40005;
inline constexpr int menu_mass_ratio_20 = 40006;
}  // namespace command

// One push button of the left-hand column; its id is the command it sends.
struct Button_Layout {
  int id;
  int y;
  const char* text;
  bool enabled_at_start;
  bool created_by_entry;  // made by the entry point after the main window exists
};

namespace main_layout {
inline constexpr int button_x = 40;
inline constexpr int button_width = 120;
inline constexpr int button_height = 30;
// WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, and the same with WS_DISABLED.
inline constexpr std::uint32_t button_style = 0x50000001u;
inline constexpr std::uint32_t button_style_disabled = 0x58000001u;
inline constexpr int button_count = 12;
// Top to bottom. The window creates the first kind in table order
// (2, 3, 9, 10, 12, 13, 6, 7, 14), the entry point the others (4, 5, 8).
extern const Button_Layout buttons[button_count];

// The part of the client area redrawn after commands and ticks: right of the
// button column, which ends at x = 160.
struct Area {
  int left;
  int top;
  int right;
  int bottom;
};
inline constexpr Area drawing_area = {165, 0, 1024, 768};

inline constexpr int window_width = 660;
inline constexpr int window_height = 560;
inline constexpr int mass_window_width = 300;
inline constexpr int mass_window_height = 100;
inline constexpr unsigned timer_id = 1;
inline constexpr unsigned tick_ms = 100;
}  // namespace main_layout

// The window-system operations the main window needs.
class Main_Window_Platform {
 public:
  virtual ~Main_Window_Platform() = default;

  // Creation, in the order the window makes them.
  virtual void Keep_Menu() = 0;
  virtual void Create_Drawing_Region(const main_layout::Area& area) = 0;
  virtual void Create_Button(const Button_Layout& button) = 0;
  virtual void Create_Mass_Setting_Window() = 0;

  virtual void Enable_Button(int id, bool enabled) = 0;
  virtual void Set_Button_Text(int id, const char* text) = 0;
  // The animation timer (id 1, 100 ms); setting it again restarts its period.
  virtual void Set_Timer() = 0;
  virtual void Kill_Timer() = 0;
  // Invalidate the drawing area, with erasing.
  virtual void Invalidate_Drawing_Area() = 0;
  // Grey or enable the whole first pop-up of the menu bar.
  virtual void Set_Settings_Menu_Greyed(bool greyed) = 0;
  virtual void Show_Mass_Setting_Window() = 0;
  // Modal; returns when the dialog ends.
  virtual void Run_About_Dialog() = 0;
  // Asks the window to close; the default handling destroys it, which comes
  // back as On_Destroy before this returns.
  virtual void Send_Close() = 0;
  virtual void Paint_Model() = 0;
  virtual void Delete_Drawing_Region() = 0;
  virtual void Post_Quit(int code) = 0;
};

class Main_Window_Logic {
 public:
  Main_Window_Logic(Draw_Controler& model, Main_Window_Platform& platform);

  // Each returns true when the message is handled (the window procedure then
  // returns 0) and false when it belongs to the default handling. While the
  // Mass Setting window shows, everything but On_Destroy returns false and
  // does nothing.
  bool On_Create();
  bool On_Size(bool maximised);
  bool On_Paint();
  bool On_Timer();
  bool On_Command(int id);
  bool On_Destroy();

  // True while the Mass Setting window shows: the main window is inert.
  bool Inert() const;
  bool Destroyed() const { return destroyed; }

 private:
  void Reinitialise();
  void Command(int id);

  Draw_Controler& model;
  Main_Window_Platform& platform;
  bool destroyed = false;
};
