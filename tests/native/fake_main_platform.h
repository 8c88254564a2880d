#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "main_window_logic.h"

// A window system in memory for the main window's logic: logs every request
// in order and keeps what a real window would show (buttons and their texts,
// the timer, the menu, the Mass Setting window, the redraw region).
class Fake_Main_Platform : public Main_Window_Platform {
 public:
  struct Button_State {
    bool enabled;
    std::string text;
  };

  Main_Window_Logic* logic = nullptr;  // closing comes back into it as the window's destruction
  std::vector<std::string> calls;
  std::map<int, Button_State> buttons;
  main_layout::Area region = {};
  bool region_exists = false, timer_running = false, settings_greyed = false, mass_window_shown = false;
  int invalidations = 0;

  void Keep_Menu() override { calls.push_back("keep_menu"); }
  void Create_Drawing_Region(const main_layout::Area& area) override {
    calls.push_back("create_region");
    region = area;
    region_exists = true;
  }
  void Create_Button(const Button_Layout& b) override {
    calls.push_back("create_button " + std::to_string(b.id));
    buttons[b.id] = {b.enabled_at_start, b.text};
  }
  void Create_Mass_Setting_Window() override { calls.push_back("create_mass_window"); }
  void Enable_Button(int id, bool enabled) override {
    calls.push_back((enabled ? "enable " : "disable ") + std::to_string(id));
    buttons[id].enabled = enabled;
  }
  void Set_Button_Text(int id, const char* text) override {
    calls.push_back("text " + std::to_string(id));
    buttons[id].text = text;
  }
  void Set_Timer() override { calls.push_back("set_timer"); timer_running = true; }
  void Kill_Timer() override { calls.push_back("kill_timer"); timer_running = false; }
  void Invalidate_Drawing_Area() override { calls.push_back("invalidate"); ++invalidations; }
  void Set_Settings_Menu_Greyed(bool greyed) override {
    calls.push_back(greyed ? "grey_settings" : "enable_settings");
    settings_greyed = greyed;
  }
  void Show_Mass_Setting_Window() override { calls.push_back("show_mass_window"); mass_window_shown = true; }
  void Run_About_Dialog() override { calls.push_back("about"); }
  // The default handling of WM_CLOSE destroys the window at once.
  void Send_Close() override {
    calls.push_back("close");
    if (logic != nullptr) logic->On_Destroy();
  }
  void Paint_Model() override { calls.push_back("paint"); }
  void Delete_Drawing_Region() override { calls.push_back("delete_region"); region_exists = false; }
  void Post_Quit(int code) override { calls.push_back("post_quit " + std::to_string(code)); }

  bool Enabled(int id) const { return buttons.count(id) != 0 && buttons.at(id).enabled; }
  std::string Text(int id) const { return buttons.count(id) != 0 ? buttons.at(id).text : std::string(); }

  // The usable controls, e.g. "2+ 3- ... 14+ menu+", to compare with Expected_Controls.
  std::string Controls() const {
    std::string controls;
    for (int id : {2, 3, 9, 10, 12, 13, 6, 7, 4, 5, 8, 14}) {
      controls += std::to_string(id) + (Enabled(id) ? "+ " : "- ");
    }
    return controls + (settings_greyed ? "menu-" : "menu+");
  }
  // The controls that go with a state: Start clicked last or not, target
  // present or not, tracking on or off. Buttons 4, 5, 8 and 14 are always usable.
  static std::string Expected_Controls(bool running, bool target, bool tracing) {
    auto on = [](bool b) { return b ? "+ " : "- "; };
    return std::string("2") + on(!running) + "3" + on(running) + "9" + on(!target) + "10" + on(target) + "12" +
           on(!tracing) + "13" + on(tracing) + "6" + on(!tracing) + "7" + on(!tracing) + "4+ 5+ 8+ 14+ " +
           (tracing ? "menu-" : "menu+");
  }
};

// The main window as the entry point builds it (WM_CREATE, then the three
// buttons the entry point adds), with the calls of that start forgotten.
struct Main_Window_Harness {
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Main_Platform fake;
  Main_Window_Logic logic{*model, fake};
  bool create_handled = false;
  std::vector<std::string> creation_calls;  // WM_CREATE's requests

  explicit Main_Window_Harness(unsigned seed) {
    model->random.Seed(seed);
    fake.logic = &logic;
    create_handled = logic.On_Create();
    creation_calls = fake.calls;
    for (const Button_Layout& button : main_layout::buttons) {
      if (button.created_by_entry) fake.Create_Button(button);
    }
    fake.calls.clear();
    fake.invalidations = 0;
  }
};
