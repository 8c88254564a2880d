// What the main window and the Mass Setting window decide, driven through
// fakes of the window system.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>

#include "main_window_logic.h"
#include "mass_setting_logic.h"
#include "texts.h"

namespace {

// The main window's buttons as the window creates them, and what was asked
// of the window system.
struct Fake_Main final : Main_Window_Platform {
  std::set<int> disabled = {command::stop, command::target_off, command::trace_stop};
  std::string boundary_text = texts::button_periodic;
  bool timer = false;
  bool greyed = false;
  bool has_mass_setting = true;
  bool closed = false;
  int redraws = 0;
  int abouts = 0;
  int mass_settings_shown = 0;

  bool Enabled(int id) const { return disabled.count(id) == 0; }
  void Enable(int id, bool enabled) override {
    if (enabled) {
      disabled.erase(id);
    } else {
      disabled.insert(id);
    }
  }
  // The focused button, and the last move of the focus round the column.
  int focus = 0;
  int next_from = -1;
  bool next_backward = false;
  int Focused_Button() override { return focus; }
  void Focus_Next(int from, bool backward) override {
    next_from = from;
    next_backward = backward;
  }
  void Focus_Window() override { focus = 0; }
  void Set_Text(int id, const char* text) override {
    EXPECT_EQ(id, command::boundary);
    boundary_text = text;
  }
  void Start_Timer() override { timer = true; }
  void Stop_Timer() override { timer = false; }
  void Redraw() override { ++redraws; }
  void Grey_Settings_Menu(bool grey) override { greyed = grey; }
  bool Show_Mass_Setting() override {
    mass_settings_shown += has_mass_setting;
    return has_mass_setting;
  }
  void Show_About() override { ++abouts; }
  void Close() override { closed = true; }
};

struct Main_Window_Test : ::testing::Test {
  Draw_Controler model;
  Fake_Main fake;
  Main_Window window{model, fake};
  Main_Window_Test() { window.Created(base_dpi); }
};

// Laid out while the target is still present, then without it; the view
// shows the box at 1 pixel a unit, or at 1.74 maximised, at 96 DPI, and in
// proportion at any other.
TEST_F(Main_Window_Test, StartsLaidOutWithTheTargetAbsent) {
  EXPECT_EQ(model.phase, 1);
  EXPECT_EQ(model.run_state, model.run_ready);
  EXPECT_EQ(model.target_on, 0);
  EXPECT_EQ(model.ellipse_count, 200);
  EXPECT_EQ(model.ellipse_left[201], 200.0);
  EXPECT_EQ(model.Map_X(0), 200);
  EXPECT_EQ(model.Map_Y(400), 10);
  const struct {
    bool maximised;
    int left, bottom, right, top;
  } views[] = {{true, 200, 700, 896, 4}, {false, 200, 410, 600, 10}};
  for (const int dpi : {120, 144, 192, base_dpi}) {
    window.Dpi_Changed(dpi, false);
    EXPECT_EQ(model.Map_Y(400), 10 * dpi / base_dpi);
    for (const auto& view : views) {
      SCOPED_TRACE(testing::Message() << "dpi " << dpi << " maximised " << view.maximised);
      window.Resized(view.maximised);
      EXPECT_NEAR(model.Map_X(0), view.left * dpi / base_dpi, 1);
      EXPECT_NEAR(model.Map_Y(0), view.bottom * dpi / base_dpi, 1);
      EXPECT_NEAR(model.Map_X(400), view.right * dpi / base_dpi, 1);
      EXPECT_NEAR(model.Map_Y(400), view.top * dpi / base_dpi, 1);
    }
  }
}

// Start sets the particles moving at once, also when a fresh layout is due
// on a model that never stepped; a tick that finds no step taken stops the
// timer.
TEST_F(Main_Window_Test, StartMovesTheParticlesAtOnce) {
  for (const int layout : {command::menu_mass_ratio_20, command::particles_20}) {
    SCOPED_TRACE(layout);
    window.Command(layout);
    window.Command(command::start);
    EXPECT_EQ(model.run_done, model.run_ready);
    EXPECT_TRUE(fake.timer);
    EXPECT_FALSE(fake.Enabled(command::start));
    EXPECT_TRUE(fake.Enabled(command::stop));
    window.Command(command::stop);
    EXPECT_FALSE(fake.timer);
    model.run_done = model.run_busy;
  }
  window.Command(command::start);
  model.phase = 0;
  model.run_done = model.run_busy;
  window.Tick();
  EXPECT_EQ(model.phase, 1);
  EXPECT_FALSE(fake.timer);
  // Only 1 counts as the Mass Setting window showing.
  model.popup_open = 2;
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(model.popup_open, 2);
  EXPECT_FALSE(window.Inert());
}

// Random sessions of commands and ticks: each command does what it says,
// and the buttons, the menu and the drawn count always agree with the model.
TEST_F(Main_Window_Test, RandomSessionsKeepTheControlsInStepWithTheModel) {
  using namespace command;
  const int tick = 0;
  const int click = 1;
  const int unknown = 99;
  const int ids[] = {tick,          tick,           tick,       click,         start,
                     stop,          heat_up,        cool_down,  particles_20,  particles_200,
                     command::exit, target_on,      target_off, trace_start,   trace_stop,
                     boundary,      menu_mass_ratio, menu_particles_200, menu_particles_20, menu_temperature_20,
                     menu_about,    menu_mass_ratio_20, unknown};
  std::mt19937 random(11);
  for (int action = 0; action < 20000; ++action) {
    // A click brings the Mass Setting window back, until it closes at last.
    if (window.Inert()) {
      const int shown = fake.mass_settings_shown;
      window.Clicked();
      ASSERT_EQ(fake.mass_settings_shown, shown + 1);
      model.popup_open = random() % 3 != 0;
      continue;
    }
    const int id = ids[random() % std::size(ids)];
    SCOPED_TRACE(testing::Message() << "action " << action << " command " << id);
    const std::uint8_t periodic = model.periodic;
    const int redraws = fake.redraws;
    const int abouts = fake.abouts;
    const int mass_settings_shown = fake.mass_settings_shown;
    const double temperature = model.temperature;
    model.mass_ratio = 7;
    // Without a Mass Setting window there is nothing to wait for.
    fake.has_mass_setting = random() % 2;
    fake.closed = false;
    if (id == tick) {
      window.Tick();
    } else if (id == click) {
      window.Clicked();
    } else {
      window.Command(id);
    }
    switch (id) {
      case heat_up:
        ASSERT_DOUBLE_EQ(model.temperature, temperature * 1.5625 > INT_MAX ? temperature : temperature * 1.5625);
        break;
      case cool_down:
        ASSERT_DOUBLE_EQ(model.temperature, temperature * 0.64);
        break;
      case particles_20:
      case particles_200:
      case menu_particles_20:
      case menu_particles_200:
        ASSERT_EQ(model.particle_count, id == particles_20 || id == menu_particles_20 ? 20 : 200);
        ASSERT_EQ(model.run_state, model.run_ready);
        break;
      case target_on:
      case target_off:
        ASSERT_EQ(model.target_on, id == target_on);
        break;
      case trace_start:
        ASSERT_EQ(model.trace_on, 1);
        break;
      case trace_stop:
        ASSERT_EQ(model.trace_on, 0);
        ASSERT_EQ(model.trace_x->last, -1);
        ASSERT_EQ(model.trace_y->last, -1);
        ASSERT_EQ(model.line_count, 0);
        break;
      case boundary:
        ASSERT_EQ(model.periodic, 1 - periodic);
        break;
      case menu_temperature_20:
        ASSERT_EQ(model.temperature, 20.0);
        break;
      case menu_about:
        ASSERT_EQ(fake.abouts, abouts + 1);
        break;
      case menu_mass_ratio_20:
        ASSERT_EQ(model.mass_ratio, 20.0);
        ASSERT_EQ(model.phase, 0);
        break;
    }
    const bool tracing = model.trace_on == 1;
    const bool target = model.target_on == 1;
    ASSERT_NE(fake.Enabled(start), fake.Enabled(stop));
    ASSERT_EQ(fake.Enabled(target_on), !target);
    ASSERT_EQ(fake.Enabled(target_off), target);
    ASSERT_EQ(fake.Enabled(trace_start), !tracing);
    ASSERT_EQ(fake.Enabled(trace_stop), tracing);
    ASSERT_EQ(fake.Enabled(particles_20), !tracing);
    ASSERT_EQ(fake.Enabled(particles_200), !tracing);
    ASSERT_EQ(fake.greyed, tracing);
    ASSERT_TRUE(fake.Enabled(heat_up) && fake.Enabled(cool_down) && fake.Enabled(command::exit));
    ASSERT_EQ(fake.boundary_text, model.periodic == 1 ? texts::button_reflecting : texts::button_periodic);
    ASSERT_EQ(model.ellipse_count, model.particle_count + model.target_on);
    ASSERT_EQ(fake.closed, id == command::exit);
    ASSERT_EQ(model.popup_open, id == menu_mass_ratio && fake.has_mass_setting);
    ASSERT_EQ(fake.mass_settings_shown - mass_settings_shown, model.popup_open);
    // Everything but opening the Mass Setting window, which lies over the
    // drawing area, and the end is redrawn once.
    ASSERT_EQ(fake.redraws - redraws, id == menu_mass_ratio || id == command::exit || id == click ? 0 : 1);
  }
}

// Tab and Shift+Tab move the focus round the column and Enter presses the
// focused button. A button that disables itself hands the focus on: to the
// window until the keyboard is in use, then down the column.
TEST_F(Main_Window_Test, KeysMoveTheFocusAndPressTheFocusedButton) {
  fake.focus = command::start;
  window.Command(command::start);
  EXPECT_EQ(fake.focus, 0);
  EXPECT_EQ(fake.next_from, -1);
  EXPECT_FALSE(window.Key_Pressed(Key::enter));
  EXPECT_FALSE(window.Key_Pressed(Key::other));
  EXPECT_TRUE(window.Key_Pressed(Key::shift_tab));
  EXPECT_EQ(fake.next_from, 0);
  EXPECT_TRUE(fake.next_backward);
  fake.focus = command::stop;
  EXPECT_TRUE(window.Key_Pressed(Key::enter));
  EXPECT_TRUE(fake.Enabled(command::start));
  EXPECT_EQ(fake.next_from, command::stop);
  EXPECT_FALSE(fake.next_backward);
  model.popup_open = 1;
  EXPECT_FALSE(window.Key_Pressed(Key::tab));
}

// The Mass Setting window's controls; like the real edit box, the fake one
// reports every change of its text, typed or written, before it returns.
struct Fake_Mass final : Mass_Setting_Platform {
  Mass_Setting* window = nullptr;
  int scroll = 0;
  std::string edit;
  bool hidden = false;
  bool maximised = false;
  int dpi = base_dpi;
  int main_redraws = 0;

  void Set_Scroll_Position(int position) override { scroll = position; }
  void Set_Edit_Text(const char* text) override {
    edit = text;
    window->Text_Changed(text);
  }
  void Hide() override { hidden = true; }
  void Send_Close() override { window->Close(); }
  bool Main_Window_Maximised() override { return maximised; }
  int Main_Window_Dpi() override { return dpi; }
  void Redraw_Main_Window() override { ++main_redraws; }
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
  // The position, the scroll bar and the edit text agree on `position`.
  void Expect_Position(int position, const std::string& text) const {
    EXPECT_EQ(window.position, position);
    EXPECT_EQ(fake.scroll, position);
    EXPECT_EQ(fake.edit, text);
  }
};

// A number typed is held to 1..100 and the text corrected; text that is not
// a number stays as typed and changes nothing.
TEST_F(Mass_Setting_Test, TypedTextMovesThePositionWithin1To100) {
  const std::string huge = "1" + std::string(400, '0');
  const struct {
    std::string typed;
    int position;
    std::string shown;
  } cases[] = {{"55", 55, "55"},     {"150", 100, "100"}, {"101", 100, "100"},    {"0", 1, "1"},
               {"-3", 1, "1"},       {"1", 1, "1"},       {"100", 100, "100"},    {"12.9", 12, "12.9"},
               {"", 20, ""},         {"abc", 20, "abc"},  {"1e5", 20, "1e5"},     {huge, 100, "100"},
               {"-" + huge, 1, "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Show(20);
    fake.Set_Edit_Text(c.typed.c_str());
    Expect_Position(c.position, c.shown);
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
  } cases[] = {{5, Scroll::page_left, 0, 1},        {95, Scroll::page_right, 0, 100},
               {50, Scroll::page_left, 0, 40},      {50, Scroll::page_right, 0, 60},
               {1, Scroll::line_left, 0, 1},        {50, Scroll::line_left, 0, 49},
               {100, Scroll::line_right, 0, 100},   {50, Scroll::line_right, 0, 51},
               {50, Scroll::thumb_position, 77, 77}, {50, Scroll::thumb_position, 0, 1},
               {50, Scroll::thumb_position, 65535, 100}, {50, Scroll::thumb_track, 77, 50},
               {50, Scroll::to_left, 0, 1},         {50, Scroll::to_right, 0, 100},
               {50, Scroll::other, 9, 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.from << " code " << static_cast<int>(c.code));
    Show(c.from);
    window.Scrolled(c.code, c.thumb);
    Expect_Position(c.position, std::to_string(c.position));
  }
}

// Each showing starts from the mass ratio in force, held to 1..100; a value
// typed but not applied is dropped. Applying sets the ratio and lays the
// model out afresh; closing either way hides the window and brings the main
// window's view and picture up to date.
TEST_F(Mass_Setting_Test, ShowingDropsWhatWasNotAppliedAndApplyingLaysOutAfresh) {
  const struct {
    double ratio;
    int position;
  } shown[] = {{35.9, 35}, {0.0, 1}, {1000.0, 100}};
  for (const auto& c : shown) {
    SCOPED_TRACE(c.ratio);
    Show(c.ratio);
    fake.Set_Edit_Text("77");
    window.Show_Mass_Ratio();
    Expect_Position(c.position, std::to_string(c.position));
  }
  model.popup_open = 1;
  model.phase = 1;
  fake.maximised = true;
  fake.dpi = 2 * base_dpi;
  fake.Set_Edit_Text("55");
  window.Apply();
  EXPECT_EQ(model.mass_ratio, 55.0);
  EXPECT_EQ(model.phase, 0);
  EXPECT_EQ(model.popup_open, 0);
  EXPECT_TRUE(fake.hidden);
  EXPECT_EQ(fake.main_redraws, 1);
  EXPECT_EQ(model.Map_Y(400), 8);
  // The close box changes nothing in the model.
  model.popup_open = 1;
  model.phase = 1;
  fake.maximised = false;
  fake.dpi = base_dpi;
  fake.Set_Edit_Text("9");
  window.Close();
  EXPECT_EQ(model.mass_ratio, 55.0);
  EXPECT_EQ(model.phase, 1);
  EXPECT_EQ(model.popup_open, 0);
  EXPECT_EQ(fake.main_redraws, 2);
  EXPECT_EQ(model.Map_Y(400), 10);
}

}  // namespace
