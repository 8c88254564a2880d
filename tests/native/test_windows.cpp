#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "main_window_logic.h"
#include "mass_setting_logic.h"
#include "texts.h"

namespace {

// The main window's controls as the window creates them, and what was asked.
struct Fake_Main final : Main_Window_Platform {
  std::map<int, bool> enabled = {{2, 1}, {3, 0}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 0}, {12, 1}, {13, 0}, {14, 1}};
  std::string boundary = texts::button_periodic;
  bool timer = false, greyed = false, has_mass_setting = true, closed = false;
  int redraws = 0, abouts = 0;

  void Enable(int id, bool on) override { enabled.at(id) = on; }
  void Set_Text(int id, const char* text) override { boundary = id == command::boundary ? text : "?"; }
  void Start_Timer() override { timer = true; }
  void Stop_Timer() override { timer = false; }
  void Redraw() override { ++redraws; }
  void Grey_Settings_Menu(bool on) override { greyed = on; }
  bool Show_Mass_Setting() override { return has_mass_setting; }
  void Show_About() override { ++abouts; }
  void Close() override { closed = true; }
};

struct Main_Window_Test : ::testing::Test {
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Main fake;
  Main_Window window{*model, fake};
  Main_Window_Test() { window.Created(); }
  std::vector<int> View() const { return {model->Map_X(0), model->Map_Y(0), model->Map_X(400), model->Map_Y(400)}; }
};

TEST_F(Main_Window_Test, StartsLaidOutWithTheTargetAbsentAndKeepsTheViewOfItsSize) {
  EXPECT_EQ(std::vector<int>({model->phase, model->run_state, model->target_on, model->ellipse_count}),
            std::vector<int>({1, model->run_ready, 0, 200}));
  EXPECT_EQ(model->ellipse_left[201], 200.0);  // laid out while still present
  EXPECT_EQ(View(), std::vector<int>({200, 410, 600, 10}));
  window.Resized(true);
  EXPECT_EQ(View(), std::vector<int>({200, 700, 896, 4}));
  window.Resized(false);
  EXPECT_EQ(View(), std::vector<int>({200, 410, 600, 10}));
}

TEST_F(Main_Window_Test, StartStepsAtOnceAndTheTimerRunsOnceTheModelHasStepped) {
  model->mass_ratio = 35;
  window.Command(command::menu_mass_ratio_20);  // a layout is due before any step
  EXPECT_EQ(std::vector<double>({model->mass_ratio, 1.0 * model->phase}), std::vector<double>({20, 0}));
  window.Command(command::start);
  EXPECT_EQ(std::vector<bool>({fake.timer, fake.enabled[2], fake.enabled[3]}), std::vector<bool>({0, 0, 1}));
  window.Command(command::stop);
  window.Command(command::start);
  EXPECT_EQ(std::vector<bool>({fake.timer, fake.enabled[2], fake.enabled[3]}), std::vector<bool>({1, 0, 1}));
  window.Tick();
  EXPECT_TRUE(fake.timer);
  window.Command(command::stop);
  EXPECT_EQ(std::vector<bool>({fake.timer, fake.enabled[2], fake.enabled[3]}), std::vector<bool>({0, 1, 0}));
  fake.timer = true;
  model->run_done = model->run_busy;  // a tick that only lays out stops the timer
  model->phase = 0;
  window.Tick();
  EXPECT_FALSE(fake.timer);
}

TEST_F(Main_Window_Test, MassSettingOpensOnlyWithItsWindowAndMakesTheWindowInert) {
  for (const int showing : {0, 2}) {  // only 1 counts as showing
    fake.has_mass_setting = showing == 2, model->popup_open = showing;
    window.Command(command::menu_mass_ratio);
    EXPECT_EQ(std::vector<int>({model->popup_open, window.Inert()}), std::vector<int>({showing, 0}));
  }
  model->popup_open = 0;
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(std::vector<int>({model->popup_open, window.Inert()}), std::vector<int>({1, 1}));
  window.Command(command::exit);
  EXPECT_TRUE(fake.closed);
  EXPECT_EQ(fake.redraws, 0);  // neither opening it nor the exit redraws
}

// Random sessions of commands and ticks: each command does what it says, and
// the buttons, the menu and the drawn count always agree with the model.
TEST_F(Main_Window_Test, RandomSessionsKeepTheControlsInStepWithTheModel) {
  const int ids[] = {2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 40001, 40002, 40003, 40004, 40005, 40006, 99};
  std::mt19937 random(11);
  for (int action = 0; action < 20000; ++action) {
    if (window.Inert() || random() % 4 == 0) {  // the Mass Setting window closes at last, or a tick
      window.Inert() ? void(model->popup_open = random() % 3 == 0 ? 0 : 1) : window.Tick();
      continue;
    }
    const int id = ids[random() % std::size(ids)];
    const double temperature = model->temperature;
    const int periodic = model->periodic, redraws = fake.redraws, abouts = fake.abouts;
    model->mass_ratio = 7;
    window.Command(id);
    const auto what = ::testing::Message() << "action " << action << " command " << id;
    switch (id) {
      case 4: ASSERT_EQ(model->temperature, temperature * 1.5625 > INT_MAX ? temperature : temperature * 1.5625) << what; break;
      case 5: ASSERT_DOUBLE_EQ(model->temperature, temperature * 0.64) << what; break;
      case 6: case 7: case 40002: case 40003:  // laid out afresh at once
        ASSERT_EQ(model->particle_count, id == 6 || id == 40003 ? 20 : 200) << what;
        ASSERT_EQ(model->run_state, model->run_ready) << what;
        break;
      case 9: case 10: ASSERT_EQ(model->target_on, id == 9) << what; break;
      case 12: case 13:  // stopping forgets the path
        ASSERT_EQ(model->trace_on, id == 12) << what;
        ASSERT_TRUE(id == 12 || model->trace_x->last + model->trace_y->last == -2) << what;
        break;
      case 14: ASSERT_EQ(model->periodic, 1 - periodic) << what; break;
      case 40004: ASSERT_EQ(model->temperature, 20.0) << what; break;
      case 40005: ASSERT_EQ(fake.abouts, abouts + 1) << what; break;
      case 40006: ASSERT_EQ(model->mass_ratio + model->phase, 20.0) << what; break;
    }
    ASSERT_EQ(fake.redraws, redraws + (id == 40001 ? 0 : 1)) << what;
    ASSERT_EQ(model->popup_open, id == 40001) << what;
    ASSERT_NE(fake.enabled[2], fake.enabled[3]) << what;
    ASSERT_EQ(fake.enabled[9], !model->target_on) << what;
    ASSERT_EQ(fake.enabled[10], model->target_on == 1) << what;
    ASSERT_EQ(model->ellipse_count, model->particle_count + model->target_on) << what;
    const bool tracing = model->trace_on == 1;
    const std::vector<bool> tracing_controls = {fake.enabled[12], fake.enabled[13], fake.enabled[6], fake.enabled[7], fake.greyed};
    ASSERT_EQ(tracing_controls, std::vector<bool>({!tracing, tracing, !tracing, !tracing, tracing})) << what;
    ASSERT_EQ(fake.boundary, model->periodic == 1 ? texts::button_reflecting : texts::button_periodic) << what;
    ASSERT_TRUE(fake.enabled[4] && fake.enabled[5] && fake.enabled[8] && fake.enabled[14]) << what;
  }
}

// The Mass Setting window's controls; the edit box reports every change of
// its text (a keystroke or a write) as the real one does: an update
// notification, then the text change.
struct Fake_Mass final : Mass_Setting_Platform {
  Mass_Setting* window = nullptr;
  int scroll = 0, main_redraws = 0;
  std::string edit;
  bool hidden = false, maximised = false;

  void Set_Scroll_Position(int position) override { scroll = position; }
  void Set_Edit_Text(const char* text) override {
    edit = text;
    window->Other_Notification();
    window->Text_Changed(text);
  }
  void Hide() override { hidden = true; }
  void Send_Close() override { window->Close(); }
  bool Main_Window_Maximised() override { return maximised; }
  void Redraw_Main_Window() override { ++main_redraws; }
};

struct Mass_Setting_Test : ::testing::Test {
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Mass fake;
  Mass_Setting window{*model, fake};
  Mass_Setting_Test() { fake.window = &window; }
  // Position, scroll bar and edit text, after showing the mass ratio `shown`.
  std::vector<std::string> After(double shown, const std::function<void()>& action) {
    model->mass_ratio = shown;
    window.Show_Mass_Ratio();
    action();
    return {std::to_string(window.position), std::to_string(fake.scroll), fake.edit};
  }
};

TEST_F(Mass_Setting_Test, TypedTextMovesThePositionWithin1To100) {
  const std::string huge = "1" + std::string(400, '0');
  const std::vector<std::string> cases[] = {
      {"55", "55", "55"},   {"150", "100", "100"}, {"101", "100", "100"},  {"100", "100", "100"}, {"0", "1", "1"},
      {"-3", "1", "1"},     {"1", "1", "1"},       {"12.9", "12", "12.9"}, {"", "20", ""},        {"abc", "20", "abc"},
      {"1e5", "20", "1e5"}, {huge, "100", "100"},  {"-" + huge, "1", "1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(After(20, [&] { fake.Set_Edit_Text(c[0].c_str()); }), std::vector<std::string>({c[1], c[1], c[2]})) << c[0];
  }
  // A change while disarmed is ignored and re-arms; any other notification re-arms.
  EXPECT_EQ(After(20, [&] { window.edit_armed = false; window.Text_Changed("77"); })[0], "20");
  EXPECT_TRUE(window.edit_armed);
  window.edit_armed = false;
  window.Other_Notification();
  EXPECT_TRUE(window.edit_armed);
}

TEST_F(Mass_Setting_Test, ScrollingMovesThePositionWithin1To100AndShowsIt) {
  const struct { int from; Scroll code; int thumb, position; } cases[] = {{5, Scroll::page_left, 0, 1},       {95, Scroll::page_right, 0, 100},     {50, Scroll::page_left, 0, 40},
               {50, Scroll::page_right, 0, 60},    {1, Scroll::line_left, 0, 1},          {50, Scroll::line_left, 0, 49},
               {100, Scroll::line_right, 0, 100},  {50, Scroll::line_right, 0, 51},       {50, Scroll::thumb_position, 77, 77},
               {50, Scroll::thumb_position, 0, 1}, {50, Scroll::thumb_position, 65535, 100}, {50, Scroll::thumb_track, 77, 50},
               {50, Scroll::to_left, 0, 1},        {50, Scroll::to_right, 0, 100},       {50, Scroll::other, 9, 50}};
  for (const auto& c : cases) {
    const std::string p = std::to_string(c.position);
    EXPECT_EQ(After(c.from, [&] { window.Scrolled(c.code, c.thumb); }), std::vector<std::string>({p, p, p}))
        << c.from << " " << static_cast<int>(c.code);
  }
}

TEST_F(Mass_Setting_Test, ShowingDropsWhatWasNotAppliedAndApplyingLaysOutAfresh) {
  for (const auto& [ratio, shown] : {std::pair{35.9, "35"}, {0.0, "1"}, {1000.0, "100"}}) {
    EXPECT_EQ(After(ratio, [&] { fake.Set_Edit_Text("77"); window.Show_Mass_Ratio(); }),
              std::vector<std::string>({shown, shown, shown}));
  }
  model->popup_open = 1, fake.maximised = true;
  fake.Set_Edit_Text("55");
  window.Apply();
  EXPECT_EQ(std::vector<double>({model->mass_ratio, 1.0 * model->phase, 1.0 * model->popup_open}),
            std::vector<double>({55, 0, 0}));
  EXPECT_EQ(std::vector<int>({fake.hidden, fake.main_redraws, model->Map_Y(400)}), std::vector<int>({1, 1, 4}));

  model->popup_open = model->phase = 1, fake.maximised = false;  // the close box changes nothing in the model
  fake.Set_Edit_Text("9");
  window.Close();
  EXPECT_EQ(std::vector<double>({model->mass_ratio, 1.0 * model->phase, 1.0 * model->popup_open}),
            std::vector<double>({55, 1, 0}));
  EXPECT_EQ(std::vector<int>({fake.main_redraws, model->Map_Y(400)}), std::vector<int>({2, 10}));  // the view now
}

}  // namespace
