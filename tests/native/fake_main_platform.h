#pragma once
#include <map>
#include <string>
#include <vector>

#include "main_window_logic.h"

// A window system in memory for the main window's logic: remembers every
// request in order and keeps the state a real window would show (buttons,
// their texts, the timer, the menu, the Mass Setting window).
class Fake_Main_Platform : public Main_Window_Platform {
 public:
  struct Button_State {
    bool enabled = true;
    std::string text;
  };

  // Set by the test so that closing can come back as the window's destruction.
  Main_Window_Logic* logic = nullptr;

  std::vector<std::string> calls;
  std::map<int, Button_State> buttons;
  std::vector<int> creation_order;
  bool menu_kept = false;
  bool region_exists = false;
  main_layout::Area region = {};
  bool timer_running = false;
  int timer_sets = 0;
  bool settings_greyed = false;
  bool mass_window_created = false;
  bool mass_window_shown = false;
  int about_runs = 0;
  int invalidations = 0;
  int paints = 0;
  bool window_destroyed = false;
  int quit_posts = 0;
  int quit_code = -12345;

  void Keep_Menu() override {
    calls.push_back("keep_menu");
    menu_kept = true;
  }
  void Create_Drawing_Region(const main_layout::Area& area) override {
    calls.push_back("create_region");
    region = area;
    region_exists = true;
  }
  void Create_Button(const Button_Layout& button) override {
    calls.push_back("create_button " + std::to_string(button.id));
    creation_order.push_back(button.id);
    buttons[button.id] = Button_State{button.enabled_at_start, button.text};
  }
  void Create_Mass_Setting_Window() override {
    calls.push_back("create_mass_window");
    mass_window_created = true;
  }
  void Enable_Button(int id, bool enabled) override {
    calls.push_back((enabled ? "enable " : "disable ") + std::to_string(id));
    buttons[id].enabled = enabled;
  }
  void Set_Button_Text(int id, const char* text) override {
    calls.push_back("text " + std::to_string(id));
    buttons[id].text = text;
  }
  void Set_Timer() override {
    calls.push_back("set_timer");
    timer_running = true;
    ++timer_sets;
  }
  void Kill_Timer() override {
    calls.push_back("kill_timer");
    timer_running = false;
  }
  void Invalidate_Drawing_Area() override {
    calls.push_back("invalidate");
    ++invalidations;
  }
  void Set_Settings_Menu_Greyed(bool greyed) override {
    calls.push_back(greyed ? "grey_settings" : "enable_settings");
    settings_greyed = greyed;
  }
  void Show_Mass_Setting_Window() override {
    calls.push_back("show_mass_window");
    mass_window_shown = true;
  }
  void Run_About_Dialog() override {
    calls.push_back("about");
    ++about_runs;
  }
  void Send_Close() override {
    calls.push_back("close");
    // The default handling of WM_CLOSE destroys the window at once.
    window_destroyed = true;
    if (logic != nullptr) logic->On_Destroy();
  }
  void Paint_Model() override {
    calls.push_back("paint");
    ++paints;
  }
  void Delete_Drawing_Region() override {
    calls.push_back("delete_region");
    region_exists = false;
  }
  void Post_Quit(int code) override {
    calls.push_back("post_quit " + std::to_string(code));
    ++quit_posts;
    quit_code = code;
  }

  // Builds the window as the entry point does: the window's own creation,
  // then the three buttons the entry point adds.
  void Create_Entry_Buttons() {
    for (const Button_Layout& button : main_layout::buttons) {
      if (button.created_by_entry) Create_Button(button);
    }
  }

  bool Enabled(int id) const {
    auto it = buttons.find(id);
    return it != buttons.end() && it->second.enabled;
  }
  std::string Text(int id) const {
    auto it = buttons.find(id);
    return it == buttons.end() ? std::string() : it->second.text;
  }
};
