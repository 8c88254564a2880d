// The real main window under Wine: the classes registered and the window built
// as WinMain does, then driven with button clicks and menu commands, checking
// the model, the controls, the menu, the timer and the pixels drawn.
#include "main_window.h"
#include "main_window_logic.h"
#include "texts.h"
#include "the_model.h"
#include "wine_test_support.h"

namespace {

using namespace wine_test;

std::vector<double> Positions() {
  const Draw_Controler& m = The_Model();
  return std::vector<double>(m.ellipse_left + 1, m.ellipse_left + 1 + m.particle_count);
}

class Main_Window_Wine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Register_Window_Classes(GetModuleHandleA(nullptr))); }

  void SetUp() override {
    // The one global model back to its constructed switches: a fresh program.
    Draw_Controler& m = The_Model();
    m.phase = 0;
    m.target_on = 1;
    m.trace_on = m.periodic = m.popup_open = 0;
    m.particle_count = 200;
    m.mass_ratio = 20.0;
    m.run_state = m.run_done = m.run_busy;
    m.trace_x->Clear();
    m.trace_y->Clear();
    quit_seen = false;
    window = Create_Main_Window(instance);
    ASSERT_NE(window, nullptr);
    Create_Entry_Buttons(window, instance);
    Pump(100);
  }

  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    Pump(50);
  }

  HWND Button(int id) const { return GetDlgItem(window, id); }
  bool Enabled(int id) const { return IsWindowEnabled(Button(id)) != FALSE; }
  bool Greyed(int pop_up) const { return GetMenuState(GetMenu(window), pop_up, MF_BYPOSITION) & MF_GRAYED; }

  // A button is clicked (it must be usable); a menu command is sent.
  void Command(int id) {
    if (id < 40000) {
      ASSERT_TRUE(Enabled(id)) << "button " << id << " is disabled";
      SendMessageA(Button(id), BM_CLICK, 0, 0);
    } else {
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
  }

  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND window = nullptr;
};

TEST_F(Main_Window_Wine, ClassesAreRegisteredOnceWithIconCursorWhiteAndMenu) {
  EXPECT_FALSE(Register_Window_Classes(instance));  // the entry point's -1 path
  for (const char* name : {"Ws_OwnerWnd", "PopupWnd"}) {
    SCOPED_TRACE(name);
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(instance, name, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_NE(info.hIcon, nullptr);
    EXPECT_NE(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(info.cbClsExtra + info.cbWndExtra, 0);
    if (name[0] == 'W') {
      EXPECT_STREQ(info.lpszMenuName, "Kavrino");
      EXPECT_EQ(info.lpfnWndProc, MainWndProc);
    }
  }
}

TEST_F(Main_Window_Wine, StartsAsTheProgramDoes) {
  EXPECT_EQ(Text_Of(window), "Tumblen");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & 0x10CF0000u, 0x10CF0000u);
  EXPECT_EQ(Outer_Size(window).cx, 660);
  EXPECT_EQ(Outer_Size(window).cy, 560);
  const Draw_Controler& m = The_Model();
  EXPECT_EQ(m.phase, 1);
  EXPECT_EQ(m.target_on, 0);
  EXPECT_EQ(m.ellipse_count, 200);
  EXPECT_EQ(m.origin_x, 200.0);
  EXPECT_EQ(m.origin_y, 410.0);

  for (const Button_Layout& layout : main_layout::buttons) {
    SCOPED_TRACE(layout.id);
    ASSERT_NE(Button(layout.id), nullptr);
    EXPECT_EQ(Text_Of(Button(layout.id)), layout.text);
    EXPECT_EQ(Enabled(layout.id), layout.enabled_at_start);
    Expect_Placed(Button(layout.id), 40, layout.y, 120, 30);
    EXPECT_EQ(GetWindowLongPtrA(Button(layout.id), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON),
              WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
  }
  EXPECT_EQ(GetMenuItemCount(GetMenu(window)), 2);
  EXPECT_FALSE(Greyed(0));

  HWND mass = Mass_Setting_Window();
  ASSERT_NE(mass, nullptr);
  EXPECT_FALSE(IsWindowVisible(mass));
  EXPECT_EQ(GetWindow(mass, GW_OWNER), window);
  EXPECT_EQ(Text_Of(mass), "Mass Setting");
}

TEST_F(Main_Window_Wine, StartRunsTheTimerAndStopHaltsIt) {
  const std::vector<double> before = Positions();
  Command(command::start);
  const std::vector<double> after_click = Positions();
  EXPECT_NE(after_click, before);  // one step at once
  EXPECT_FALSE(Enabled(command::start));
  EXPECT_TRUE(Enabled(command::stop));
  Pump(350);
  EXPECT_NE(Positions(), after_click) << "no WM_TIMER arrived";
  EXPECT_EQ(The_Model().phase, 1);

  Command(command::stop);
  EXPECT_TRUE(Enabled(command::start));
  EXPECT_FALSE(Enabled(command::stop));
  Pump(50);
  const std::vector<double> stopped = Positions();
  Pump(300);
  EXPECT_EQ(Positions(), stopped);
}

// Each command in turn, on one window: the model after it (-1: not looked
// at), every button usable (1) or not (0) in column order, the 設定 pop-up
// greyed while tracking (ヘルプ never), the boundary button naming the other mode.
TEST_F(Main_Window_Wine, CommandsSetTheModelAndTheControls) {
  using namespace command;
  struct Step {
    int command;
    const char* buttons;  // start stop target_on/off trace_start/stop 20 200 heat cool boundary exit
    bool greyed;
    int target_on, ellipses, trace_on, periodic, particles;
    double temperature, mass_ratio;
    int phase;
  };
  const Step steps[] = {
      {target_on, "100110111111", false, 1, 201, 0, 0, 200, 20.0, 33.0, 1},
      {target_off, "101010111111", false, 0, 200, 0, 0, 200, 20.0, 33.0, 1},
      {trace_start, "101001001111", true, 0, 200, 1, 0, 200, 20.0, 33.0, 1},
      {trace_stop, "101010111111", false, 0, 200, 0, 0, 200, 20.0, 33.0, 1},
      {boundary, "101010111111", false, 0, 200, 0, 1, 200, 20.0, 33.0, 1},
      {boundary, "101010111111", false, 0, 200, 0, 0, 200, 20.0, 33.0, 1},
      {particles_20, "101010111111", false, 0, 20, 0, 0, 20, 20.0, 33.0, -1},
      {menu_particles_200, "101010111111", false, 0, -1, 0, 0, 200, 20.0, 33.0, -1},
      {menu_particles_20, "101010111111", false, 0, -1, 0, 0, 20, 20.0, 33.0, -1},
      {particles_200, "101010111111", false, 0, -1, 0, 0, 200, 20.0, 33.0, 1},
      {heat_up, "101010111111", false, 0, -1, 0, 0, 200, 31.25, 33.0, 1},
      {cool_down, "101010111111", false, 0, -1, 0, 0, 200, 31.25 * 0.64, 33.0, 1},
      {cool_down, "101010111111", false, 0, -1, 0, 0, 200, 31.25 * 0.64 * 0.64, 33.0, 1},
      {menu_temperature_20, "101010111111", false, 0, -1, 0, 0, 200, 20.0, 33.0, 1},
      {menu_mass_ratio_20, "101010111111", false, 0, -1, 0, 0, 200, 20.0, 20.0, 0},
  };
  The_Model().mass_ratio = 33.0;
  const Draw_Controler& m = The_Model();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.command);
    Command(step.command);
    EXPECT_EQ(m.target_on, step.target_on);
    if (step.ellipses >= 0) { EXPECT_EQ(m.ellipse_count, step.ellipses); }
    EXPECT_EQ(m.trace_on, step.trace_on);
    EXPECT_EQ(m.periodic, step.periodic);
    EXPECT_EQ(m.particle_count, step.particles);
    EXPECT_DOUBLE_EQ(m.temperature, step.temperature);
    EXPECT_EQ(m.mass_ratio, step.mass_ratio);
    if (step.phase >= 0) { EXPECT_EQ(m.phase, step.phase); }
    std::string buttons;
    for (const Button_Layout& layout : main_layout::buttons) buttons += Enabled(layout.id) ? '1' : '0';
    EXPECT_EQ(buttons, step.buttons);
    EXPECT_EQ(Greyed(0), step.greyed);
    EXPECT_FALSE(Greyed(1));
    EXPECT_EQ(Text_Of(Button(boundary)), step.periodic ? texts::button_reflecting : texts::button_periodic);
  }
}

TEST_F(Main_Window_Wine, EveryCommandButMassRatioInvalidatesTheDrawingArea) {
  RECT client;
  GetClientRect(window, &client);
  for (int id : {3, 4, 5, 9, 10, 14, 40004, 40006, 77, 40000, command::menu_mass_ratio}) {
    SCOPED_TRACE(id);
    ValidateRect(window, nullptr);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    RECT update = {};
    const bool invalid = GetUpdateRect(window, &update, FALSE);
    EXPECT_EQ(invalid, id != command::menu_mass_ratio);
    if (!invalid) continue;
    EXPECT_EQ(update.left, 165);
    EXPECT_EQ(update.top, 0);
    EXPECT_EQ(update.right, client.right);
    EXPECT_EQ(update.bottom, client.bottom);
  }
}

TEST_F(Main_Window_Wine, MassSettingWindowMakesTheMainWindowInert) {
  Command(command::start);
  Command(command::menu_mass_ratio);
  HWND mass = Mass_Setting_Window();
  EXPECT_TRUE(IsWindowVisible(mass));
  EXPECT_EQ(The_Model().popup_open, 1);

  const std::vector<double> paused = Positions();
  Command(command::target_on);
  Command(command::menu_particles_20);
  Pump(350);
  EXPECT_EQ(The_Model().target_on, 0);
  EXPECT_EQ(The_Model().particle_count, 200);
  EXPECT_EQ(Positions(), paused) << "ticks acted on while the Mass Setting window shows";

  // Its close box hides it; the animation goes on.
  SendMessageA(mass, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(mass));
  EXPECT_EQ(The_Model().popup_open, 0);
  Pump(350);
  EXPECT_NE(Positions(), paused);
}

// The close box (even while the Mass Setting window shows) and 終了 (even
// while running) destroy the window and end the loop with 0.
TEST_F(Main_Window_Wine, CloseBoxAndExitButtonEndWithQuitZero) {
  for (int way : {command::menu_mass_ratio, command::start}) {
    if (way == command::start) { ASSERT_NO_FATAL_FAILURE(SetUp()); }
    Command(way);
    HWND mass = Mass_Setting_Window();
    if (way == command::start) Command(command::exit);
    else SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(mass));
    Pump(50);
    EXPECT_TRUE(quit_seen);
    EXPECT_EQ(quit_code, 0u);
  }
}

TEST_F(Main_Window_Wine, SizeMessagesSwitchTheMapping) {
  ShowWindow(window, SW_MAXIMIZE);
  Pump(100);
  EXPECT_EQ(The_Model().scale_x, 1.74);
  EXPECT_EQ(The_Model().origin_y, 700.0);
  ShowWindow(window, SW_RESTORE);
  Pump(100);
  EXPECT_EQ(The_Model().scale_x, 1.0);
  EXPECT_EQ(The_Model().origin_y, 410.0);
  SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(800, 600));
  EXPECT_EQ(The_Model().scale_y, 1.74);
  SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(The_Model().scale_y, 1.0);
  EXPECT_EQ(The_Model().origin_x, 200.0);
}

// What a timer saw while the About dialog ran, before it pressed OK.
struct {
  HWND main, dialog;
  bool owner_disabled;
  std::vector<double> positions;
} about;

TEST_F(Main_Window_Wine, AboutIsModalAndTheAnimationGoesOnBehindIt) {
  Command(command::start);
  const std::vector<double> before = Positions();
  about = {window, nullptr, false, {}};
  SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    about.dialog = Open_Dialog();
    about.owner_disabled = !IsWindowEnabled(about.main);
    about.positions = Positions();
    if (about.dialog != nullptr) PostMessageA(about.dialog, WM_COMMAND, IDOK, 0);
  });
  Command(command::menu_about);  // returns when the dialog ends
  EXPECT_NE(about.dialog, nullptr);
  EXPECT_TRUE(about.owner_disabled);
  EXPECT_NE(about.positions, before);
  EXPECT_TRUE(IsWindowEnabled(window));
}

// The box of the drawing area, (200, 10) to (600, 410) in client pixels.
TEST_F(Main_Window_Wine, DrawingAreaShowsParticlesTargetAndPath) {
  UpdateWindow(window);
  const Pixels still(window, 200, 10, 400, 400);
  EXPECT_GT(still.Count(colours::green), 200 * 10);
  EXPECT_EQ(still.Count(colours::red), 0);  // the target starts absent

  Command(command::target_on);
  Command(command::trace_start);
  Command(command::start);
  Pump(1500);
  Command(command::stop);
  ASSERT_GT(The_Model().line_count, 0);
  UpdateWindow(window);
  const Pixels running(window, 200, 10, 400, 400);
  EXPECT_GT(running.Count(colours::green), 200 * 5);
  EXPECT_GT(running.Count(colours::red), 600);  // most of a 40 x 40 disc
  EXPECT_GT(running.Count(colours::magenta), 0);
  EXPECT_GT(running.Count(colours::blue), 400);  // the box outline
  EXPECT_GT(running.Count(colours::white), 100000);
}

}  // namespace
