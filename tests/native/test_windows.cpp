// What the main window and the Mass Setting window decide, driven through
// fakes of the window system.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "main_window_logic.h"
#include "mass_setting_logic.h"
#include "texts.h"

namespace {

// A label's pattern with the whole part of `value` in place of %d.
std::string Label(const char* pattern, double value) {
  std::string text = pattern;
  return text.replace(text.find("%d"), 2, std::to_string(static_cast<int>(value)));
}

// The main window's buttons that change, as the window creates them, and how
// often each other thing was asked of the window system.
struct Fake_Main final : Main_Window_Platform {
  std::map<int, bool> enabled = {{command::start, true},        {command::stop, false},      {command::target_on, true},
                                 {command::target_off, false},  {command::trace_start, true}, {command::trace_stop, false},
                                 {command::particles_20, true}, {command::particles_200, true}};
  std::string boundary_text = texts::button_periodic;
  bool timer = false;
  bool greyed = false;
  std::map<std::string, int> asked;
  // The focused button, and the last move of the focus round the column.
  int focus = 0;
  int next_from = -1;
  bool next_backward = false;

  void Enable(int id, bool on) override { enabled[id] = on; }
  int Focused_Button() override { return focus; }
  void Focus_Next(int from, bool backward) override {
    next_from = from;
    next_backward = backward;
  }
  void Focus_Window() override { focus = 0; }
  void Focus_Button(int id) override { focus = id; }
  void Show_Focus() override { ++asked["show focus"]; }
  void Set_Text(int, const char* text) override { boundary_text = text; }
  void Start_Timer() override { timer = true; }
  void Stop_Timer() override { timer = false; }
  void Redraw() override { ++asked["redraw"]; }
  void Grey_Settings_Menu(bool grey) override { greyed = grey; }
  bool Show_Mass_Setting() override {
    ++asked["mass setting"];
    return true;
  }
  // The dialog takes the focus from its owner.
  void Show_About() override {
    ++asked["about"];
    focus = 0;
  }
  void Close() override { ++asked["close"]; }
};

struct Main_Window_Test : ::testing::Test {
  Draw_Controler model;
  Fake_Main fake;
  Main_Window window{model, fake};
  Main_Window_Test() { window.Created(base_dpi); }
};

// Created, the window has laid the model out with the target absent. The
// view shows the box at 1 pixel a unit, or at 1.74 maximised, at 96 DPI, and
// in proportion at any other, redrawn at each change of scale. Maximised in
// a client area too small for that, the box keeps its top and takes the
// largest scale at which it and the labels fit: one of them reaches an edge,
// in turn:
TEST_F(Main_Window_Test, ShowsTheBoxNormalOrMaximised) {
  EXPECT_EQ(model.ellipse_count, 200);
  for (const int dpi : {192, 144, 96}) {
    window.Dpi_Changed(dpi, {});
    for (const bool maximised : {true, false}) {
      SCOPED_TRACE(testing::Message() << "dpi " << dpi << " maximised " << maximised);
      window.Resized({maximised, 4000, 4000});
      EXPECT_EQ(model.Map_X(0), At_Dpi(200, dpi));
      EXPECT_NEAR(model.Map_Y(400), (maximised ? 4 : 10) * dpi / 96, 1);
      EXPECT_NEAR(model.Map_X(400), (maximised ? 896 : 600) * dpi / 96, 1);
    }
  }
  EXPECT_EQ(fake.asked["redraw"], 3);
  // The labels' bottom, the box's right edge, the mass ratio's right edge, the
  // temperature's right edge.
  for (const int width : {1366, 600, 480, 460}) {
    SCOPED_TRACE(width);
    window.Resized({true, width, 730, {0, 250, 200}, 16});
    const int right = std::max({model.Map_X(400), model.Map_X(30) + 250, model.Map_X(140) + 200});
    EXPECT_EQ(model.Map_Y(400), 4);
    EXPECT_LE(right, width);
    EXPECT_LE(model.Map_Y(-20) + 16, 730);
    EXPECT_GE(std::max(right - width, model.Map_Y(-20) + 16 - 730), -1);
  }
}

// Random sessions of commands and ticks, heated to the ceiling now and then:
// each command does what it says, the buttons, the menu and the drawn count
// always agree with the model, every tick moves the particles and leaves
// them all in the box, and the labels show the temperature and the mass
// ratio at once, stopped or running.
TEST_F(Main_Window_Test, RandomSessionsKeepTheControlsInStepWithTheModel) {
  using namespace command;
  const int tick = 0;
  const int ids[] = {tick,        tick,        start,           stop,
                     heat_up,     cool_down,   particles_20,   particles_200,   command::exit,
                     target_on,   target_off,  trace_start,    trace_stop,      boundary,
                     menu_about,  menu_mass_ratio, menu_particles_200, menu_particles_20, menu_temperature_20,
                     menu_mass_ratio_20, 99};
  std::mt19937 random(11);
  for (int action = 0; action < 20000; ++action) {
    // A click brings the Mass Setting window back, until it closes at last.
    if (window.Inert()) {
      const int shown = fake.asked["mass setting"];
      window.Clicked();
      ASSERT_EQ(fake.asked["mass setting"], shown + 1);
      model.popup_open = random() % 3 != 0;
      // Closed by 設定, or by the close box.
      if (model.popup_open == 0 && random() % 2 == 0) model.Change_Mass_Ratio(1 + random() % 100);
      continue;
    }
    const int burst = action % 1000;
    const int id = burst < 50 ? heat_up : burst < 100 ? tick : ids[random() % std::size(ids)];
    SCOPED_TRACE(testing::Message() << "action " << action << " command " << id);
    const std::uint8_t switches[] = {model.periodic, model.target_on, model.trace_on};
    const double temperature = model.temperature;
    const bool timer = fake.timer;
    const std::vector<double> where(model.ellipse_left + 1, model.ellipse_left + 202);
    auto asked = fake.asked;
    if (id == tick) {
      window.Tick();
    } else {
      window.Command(id);
    }
    if (id == heat_up || id == cool_down) {
      const double factor = id == heat_up ? 1.5625 : 0.64;
      ASSERT_DOUBLE_EQ(model.temperature, temperature * factor > INT_MAX ? temperature : temperature * factor);
    }
    ASSERT_EQ(model.text_string[1], Label(texts::temperature_label, model.temperature));
    ASSERT_EQ(model.text_string[2], Label(texts::mass_ratio_label, model.mass_ratio));
    if (id == tick) {
      ASSERT_NE(std::vector<double>(model.ellipse_left + 1, model.ellipse_left + 202), where);
    }
    for (int i = 1; i <= model.ellipse_count; ++i) {
      const double limit = i > model.particle_count ? 360 : 395;
      ASSERT_TRUE(model.ellipse_left[i] >= 0 && model.ellipse_left[i] <= limit && model.ellipse_top[i] >= 0 && model.ellipse_top[i] <= limit) << i;
    }
    if (id == particles_20 || id == particles_200 || id == menu_particles_20 || id == menu_particles_200) {
      ASSERT_EQ(model.particle_count, id == particles_20 || id == menu_particles_20 ? 20 : 200);
      ASSERT_EQ(model.temperature, 20.0);
    }
    if (id == trace_stop) {
      // The path is forgotten and no longer drawn, at once.
      ASSERT_EQ(model.trace_x->last + model.trace_y->last, -2);
      ASSERT_EQ(model.line_count, 0);
    }
    if (id == menu_mass_ratio_20) {
      ASSERT_EQ(model.mass_ratio, 20.0);
      ASSERT_EQ(model.phase, 0);
    }
    ASSERT_EQ(model.periodic, id == boundary ? 1 - switches[0] : switches[0]);
    ASSERT_EQ(model.target_on, id == target_on || (switches[1] == 1 && id != target_off));
    ASSERT_EQ(model.trace_on, id == trace_start || (switches[2] == 1 && id != trace_stop));
    ASSERT_EQ(fake.timer, id == start || (timer && id != stop));
    const bool tracing = model.trace_on == 1;
    const bool target = model.target_on == 1;
    const std::map<int, bool> enabled = {{start, !fake.timer},    {stop, fake.timer},         {target_on, !target},
                                         {target_off, target},     {trace_start, !tracing},    {trace_stop, tracing},
                                         {particles_20, !tracing}, {particles_200, !tracing}};
    ASSERT_EQ(fake.enabled, enabled);
    ASSERT_EQ(fake.greyed, tracing);
    ASSERT_EQ(fake.boundary_text, model.periodic == 1 ? texts::button_reflecting : texts::button_periodic);
    ASSERT_EQ(model.ellipse_count, model.particle_count + model.target_on);
    ASSERT_EQ(model.popup_open, id == menu_mass_ratio);
    ASSERT_EQ(fake.asked["mass setting"] - asked["mass setting"], model.popup_open);
    ASSERT_EQ(fake.asked["about"] - asked["about"], id == menu_about);
    ASSERT_EQ(fake.asked["close"] - asked["close"], id == command::exit);
    // Everything but opening the Mass Setting window, which lies over the
    // drawing area, and the end is redrawn once.
    ASSERT_EQ(fake.asked["redraw"] - asked["redraw"], id != menu_mass_ratio && id != command::exit);
  }
}

// Tab and Shift+Tab move the focus round the column and Enter presses the
// focused button, each showing the focus. A button that disables itself
// hands the focus on: to the window until the keyboard is in use, then to
// the button that undoes it; another goes down the column. The focus comes
// back where it was when the window is activated or the About dialog ends.
TEST_F(Main_Window_Test, KeysMoveTheFocusAndPressTheFocusedButton) {
  fake.focus = command::start;
  window.Command(command::start);
  EXPECT_EQ(fake.focus, 0);
  EXPECT_EQ(fake.next_from, -1);
  EXPECT_TRUE(window.Key_Pressed(Key::shift_tab));
  EXPECT_EQ(fake.next_from, 0);
  EXPECT_TRUE(fake.next_backward);
  using namespace command;
  const std::pair<int, int> undone_by[] = {{stop, start}, {start, stop}, {target_on, target_off}, {trace_start, trace_stop}};
  for (const auto& [pressed, heir] : undone_by) {
    SCOPED_TRACE(pressed);
    fake.focus = pressed;
    EXPECT_TRUE(window.Key_Pressed(Key::enter));
    EXPECT_EQ(fake.focus, heir);
  }
  EXPECT_EQ(fake.asked["show focus"], 5);
  fake.focus = particles_200;
  window.Command(trace_start);
  EXPECT_EQ(fake.next_from, particles_200);
  EXPECT_FALSE(fake.next_backward);
  window.Deactivated();
  fake.focus = 0;
  window.Activated();
  window.Command(menu_about);
  EXPECT_EQ(fake.focus, particles_200);
  model.popup_open = 1;
  EXPECT_FALSE(window.Key_Pressed(Key::tab));
}

// The Mass Setting window's controls; like the real edit box, the fake one
// reports every change of its text, typed or written, before it returns.
struct Fake_Mass final : Mass_Setting_Platform {
  Mass_Setting* window = nullptr;
  int scroll = 0;
  std::string edit;
  std::string selected;
  int warned = 0;

  void Set_Scroll_Position(int position) override { scroll = position; }
  void Set_Edit_Text(const char* text) override {
    edit = text;
    window->Text_Changed(text);
  }
  void Select_Edit_Text() override { selected = edit; }
  void Warn() override { ++warned; }
  void Hide() override {}
  void Send_Close() override { window->Close(); }
  Client_Area Main_Window_Client() override { return {true, 4000, 4000}; }
  int Main_Window_Dpi() override { return base_dpi; }
  void Redraw_Main_Window() override {}
};

struct Mass_Setting_Test : ::testing::Test {
  Draw_Controler model;
  Fake_Mass fake;
  Mass_Setting window{model, fake};
  Mass_Setting_Test() { fake.window = &window; }

  // The window as it shows the mass ratio `shown`.
  void Show(double shown) {
    model.mass_ratio = shown;
    window.Show_Mass_Ratio();
  }
  // The position, the scroll bar and the edit text agree.
  void Expect_Position(int position, const std::string& text) const {
    EXPECT_EQ(window.position, position);
    EXPECT_EQ(fake.scroll, position);
    EXPECT_EQ(fake.edit, text);
  }
};

// Typed key by key, a number is held to 1..100 and the text corrected; text
// that is no number, or only the start of one, stays as typed and changes
// nothing. Only digits, '.' and '-', fullwidth or not, make a number; a '.'
// starts the fraction at one tenth, again at each '.', and a '-' anywhere
// makes it negative. 設定 applies a number shown, at once: the model lays itself out
// afresh with it, and the main window, maximised meanwhile, takes up its
// view. On other text it warns and shows the mass ratio in force, selected.
TEST_F(Mass_Setting_Test, TypedTextSetsTheMassRatioWithin1To100) {
  const std::string huge = "1" + std::string(400, '0');
  const bool refused = false;
  const struct {
    std::string typed;
    int position;
    std::string shown;
    bool number;
  } cases[] = {{"55", 55, "55", true},         {"150", 100, "100", true},      {"0", 1, "1", true},
               {"", 20, "", refused},          {"1e5", 1, "1e5", refused},
               {"\x83X", 20, "\x83X", refused}, {"1.9.9", 2, "1.9.9", true},    
               {huge, 100, "100", true},       {"-", 20, "-", refused},        {"-.", 20, "-.", refused},
               {"-5", 1, "1", true},           {".5", 1, "1", true},           {"\x82X\x82O", 90, "\x82X\x82O", true},
               {"\x82T\x81\x44\x82T", 5, "\x82T\x81\x44\x82T", true},   {"\x81|\x82T", 1, "1", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    model.mass_ratio = 20;
    window.Activated(false);
    fake.Set_Edit_Text("");
    for (const char key : c.typed) fake.Set_Edit_Text((fake.edit + key).c_str());
    Expect_Position(c.position, c.shown);
    model.popup_open = 1;
    model.phase = 1;
    fake.selected.clear();
    fake.warned = 0;
    window.Apply();
    EXPECT_EQ(model.mass_ratio, c.number ? c.position : 20);
    EXPECT_EQ(model.phase, !c.number);
    EXPECT_EQ(model.popup_open, !c.number);
    EXPECT_EQ(fake.warned, !c.number);
    EXPECT_EQ(fake.selected, c.number ? "" : "20");
    if (c.number) {
      EXPECT_EQ(model.Map_Y(400), 4);
      EXPECT_EQ(model.text_string[2], Label(texts::mass_ratio_label, c.position));
    }
  }
}

// The trough moves the position by a page of 10, the arrows by 1, within
// 1..100; the thumb shows its place only when released.
TEST_F(Mass_Setting_Test, ScrollingMovesThePositionWithin1To100) {
  const struct {
    int from;
    Scroll code;
    int thumb;
    int position;
  } cases[] = {{5, Scroll::page_left, 0, 1},        {50, Scroll::page_right, 0, 60},
               {50, Scroll::line_left, 0, 49},       {50, Scroll::line_right, 0, 51},
               {50, Scroll::thumb_position, 77, 77}, {50, Scroll::thumb_track, 77, 50},
               {50, Scroll::to_left, 0, 1},          {50, Scroll::to_right, 0, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.from << " code " << static_cast<int>(c.code));
    Show(c.from);
    window.Scrolled(c.code, c.thumb);
    Expect_Position(c.position, std::to_string(c.position));
  }
}

}  // namespace
