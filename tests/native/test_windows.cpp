#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "main_window_logic.h"
#include "mass_setting_logic.h"
#include "texts.h"

namespace {

// The main window's controls as the window creates them, and what was asked.
struct Fake_Main final : Main_Window_Platform {
  std::map<int, bool> enabled = {{2, true},  {3, false}, {4, true},  {5, true},   {6, true},  {7, true},
                                 {8, true},  {9, true},  {10, false}, {12, true}, {13, false}, {14, true}};
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
};

TEST_F(Main_Window_Test, StartsLaidOutWithTheTargetAbsentAndNoTimer) {
  EXPECT_EQ(model->Map_X(0), 200);
  EXPECT_EQ(model->Map_Y(0), 410);
  EXPECT_EQ(model->Map_Y(400), 10);
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, model->run_ready);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->ellipse_count, 200);
  EXPECT_EQ(model->ellipse_left[201], 200.0);  // laid out while still present
  EXPECT_FALSE(fake.timer);

  window.Resized(true);
  EXPECT_EQ(model->Map_X(400), 896);
  EXPECT_EQ(model->Map_Y(0), 700);
  window.Resized(false);
  EXPECT_EQ(model->Map_X(400), 600);
  EXPECT_EQ(model->Map_Y(0), 410);
}

TEST_F(Main_Window_Test, StartStepsAtOnceAndTheTimerRunsOnceTheModelHasStepped) {
  window.Command(command::menu_mass_ratio_20);  // a layout is due before any step
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_EQ(model->phase, 0);
  window.Command(command::start);
  EXPECT_FALSE(fake.timer);
  EXPECT_FALSE(fake.enabled[2]);
  EXPECT_TRUE(fake.enabled[3]);
  window.Command(command::stop);
  EXPECT_TRUE(fake.enabled[2]);
  EXPECT_FALSE(fake.enabled[3]);
  window.Command(command::start);
  EXPECT_TRUE(fake.timer);
  EXPECT_EQ(model->run_done, model->run_ready);
  const int redraws = fake.redraws;
  window.Tick();
  EXPECT_TRUE(fake.timer);
  EXPECT_EQ(fake.redraws, redraws + 1);
  model->run_done = model->run_busy;
  model->phase = 0;
  window.Tick();
  EXPECT_FALSE(fake.timer);
}

TEST_F(Main_Window_Test, MassSettingOpensOnlyWithItsWindowAndMakesTheWindowInert) {
  fake.has_mass_setting = false;
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(model->popup_open, 0);
  fake.has_mass_setting = true;
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(model->popup_open, 1);
  EXPECT_TRUE(window.Inert());
  EXPECT_EQ(fake.redraws, 0);
  model->popup_open = 2;  // only 1 counts as showing
  EXPECT_FALSE(window.Inert());
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(model->popup_open, 2);

  window.Command(command::exit);
  EXPECT_TRUE(fake.closed);
  EXPECT_EQ(fake.redraws, 0);
}

// Random sessions of commands and ticks: each command does what it says, and
// the buttons, the menu and the drawn count always agree with the model.
TEST_F(Main_Window_Test, RandomSessionsKeepTheControlsInStepWithTheModel) {
  const int ids[] = {2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 40001, 40002, 40003, 40004, 40005, 40006, 99};
  std::mt19937 random(11);
  for (int action = 0; action < 20000; ++action) {
    if (window.Inert()) {  // the Mass Setting window shows; sometimes it closes
      if (random() % 3 == 0) model->popup_open = 0;
      continue;
    }
    if (random() % 4 == 0) {
      window.Tick();
      continue;
    }
    const int id = ids[random() % std::size(ids)];
    const double temperature = model->temperature;
    const int periodic = model->periodic, redraws = fake.redraws, abouts = fake.abouts;
    window.Command(id);
    const auto what = ::testing::Message() << "action " << action << " command " << id;
    switch (id) {
      case 4:
        ASSERT_EQ(model->temperature, temperature * 1.5625 > INT_MAX ? temperature : temperature * 1.5625) << what;
        break;
      case 5: ASSERT_DOUBLE_EQ(model->temperature, temperature * 0.64) << what; break;
      case 6: case 7: case 40002: case 40003:
        ASSERT_EQ(model->particle_count, id == 6 || id == 40003 ? 20 : 200) << what;
        ASSERT_EQ(model->run_state, model->run_ready) << what;  // laid out afresh at once
        break;
      case 13: ASSERT_EQ(model->trace_x->last + model->trace_y->last, -2) << what; break;
      case 14: ASSERT_EQ(model->periodic, 1 - periodic) << what; break;
      case 40004: ASSERT_EQ(model->temperature, 20.0) << what; break;
      case 40005: ASSERT_EQ(fake.abouts, abouts + 1) << what; break;
      case 40006:
        ASSERT_EQ(model->mass_ratio, 20.0) << what;
        ASSERT_EQ(model->phase, 0) << what;
        break;
    }
    ASSERT_EQ(fake.redraws, redraws + (id == 40001 ? 0 : 1)) << what;
    ASSERT_EQ(model->popup_open, id == 40001 ? 1 : 0) << what;
    ASSERT_NE(fake.enabled[2], fake.enabled[3]) << what;
    ASSERT_EQ(fake.enabled[9], model->target_on == 0) << what;
    ASSERT_EQ(fake.enabled[10], model->target_on == 1) << what;
    ASSERT_EQ(model->ellipse_count, model->particle_count + model->target_on) << what;
    const bool tracing = model->trace_on == 1;
    ASSERT_EQ(fake.enabled[12], !tracing) << what;
    ASSERT_EQ(fake.enabled[13], tracing) << what;
    ASSERT_EQ(fake.enabled[6], !tracing) << what;
    ASSERT_EQ(fake.enabled[7], !tracing) << what;
    ASSERT_EQ(fake.greyed, tracing) << what;
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
  Mass_Setting_Test() {
    fake.window = &window;
    window.Show_Mass_Ratio();
    model->popup_open = 1;
    model->phase = 1;
  }
};

TEST_F(Mass_Setting_Test, TypedTextMovesThePositionWithin1To100) {
  const std::string huge = "1" + std::string(400, '0');
  const struct {
    std::string typed;
    int position;
    std::string shown;
  } cases[] = {{"55", 55, "55"},   {"150", 100, "100"}, {"101", 100, "100"},     {"100", 100, "100"},
               {"0", 1, "1"},      {"-3", 1, "1"},      {"1", 1, "1"},           {"12.9", 12, "12.9"},
               {"", 20, ""},       {"abc", 20, "abc"},  {"1e5", 20, "1e5"},      {huge, 100, "100"},
               {"-" + huge, 1, "1"}};
  for (const auto& c : cases) {
    window.Show_Mass_Ratio();
    fake.Set_Edit_Text(c.typed.c_str());  // the user's keystrokes arrive as a change
    EXPECT_EQ(window.position, c.position) << c.typed;
    EXPECT_EQ(fake.scroll, c.position) << c.typed;
    EXPECT_EQ(fake.edit, c.shown) << c.typed;
  }
  window.Show_Mass_Ratio();
  window.edit_armed = false;  // a change while disarmed is ignored and re-arms
  window.Text_Changed("77");
  EXPECT_EQ(window.position, 20);
  EXPECT_TRUE(window.edit_armed);
}

TEST_F(Mass_Setting_Test, ScrollingMovesThePositionWithin1To100AndShowsIt) {
  const struct {
    int from;
    Scroll code;
    int thumb, position;
  } cases[] = {{5, Scroll::page_left, 0, 1},         {95, Scroll::page_right, 0, 100},
               {50, Scroll::page_left, 0, 40},       {50, Scroll::page_right, 0, 60},
               {1, Scroll::line_left, 0, 1},         {50, Scroll::line_left, 0, 49},
               {100, Scroll::line_right, 0, 100},    {50, Scroll::line_right, 0, 51},
               {50, Scroll::thumb_position, 77, 77}, {50, Scroll::thumb_position, 0, 1},
               {50, Scroll::thumb_position, 65535, 100}, {50, Scroll::thumb_track, 77, 50},
               {50, Scroll::to_left, 0, 1},          {50, Scroll::to_right, 0, 100},
               {50, Scroll::other, 9, 50}};
  for (const auto& c : cases) {
    model->mass_ratio = c.from;
    window.Show_Mass_Ratio();
    window.Scrolled(c.code, c.thumb);
    EXPECT_EQ(window.position, c.position) << c.from << " " << static_cast<int>(c.code);
    EXPECT_EQ(fake.scroll, c.position);
    EXPECT_EQ(fake.edit, std::to_string(c.position));
  }
}

TEST_F(Mass_Setting_Test, ShowingDropsWhatWasNotAppliedAndApplyingLaysOutAfresh) {
  for (const auto& [ratio, shown] : {std::pair{35.9, 35}, {0.0, 1}, {1000.0, 100}}) {
    model->mass_ratio = ratio;
    fake.Set_Edit_Text("77");
    window.Show_Mass_Ratio();
    EXPECT_EQ(window.position, shown);
    EXPECT_EQ(fake.scroll, shown);
    EXPECT_EQ(fake.edit, std::to_string(shown));
  }
  fake.Set_Edit_Text("55");
  fake.maximised = true;
  window.Apply();
  EXPECT_EQ(model->mass_ratio, 55.0);
  EXPECT_EQ(model->phase, 0);
  EXPECT_EQ(model->popup_open, 0);
  EXPECT_TRUE(fake.hidden);
  EXPECT_EQ(fake.main_redraws, 1);
  EXPECT_EQ(model->Map_Y(0), 700);  // the main window's view as it stands now

  // The close box changes nothing in the model.
  model->popup_open = 1;
  model->phase = 1;
  fake.maximised = false;
  fake.Set_Edit_Text("9");
  window.Close();
  EXPECT_EQ(model->mass_ratio, 55.0);
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->popup_open, 0);
  EXPECT_EQ(fake.main_redraws, 2);
  EXPECT_EQ(model->Map_Y(0), 410);
}

}  // namespace
