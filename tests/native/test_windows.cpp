// What the main window and the Mass Setting window decide, driven through
// fakes of the window system.
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

using Ints = std::vector<int>;

// The main window's buttons as the window creates them, and what was asked.
struct Fake_Main final : Main_Window_Platform {
  std::map<int, bool> on = {{2, 1}, {3, 0}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 0}, {12, 1}, {13, 0}};
  std::string boundary = texts::button_periodic;
  bool timer = false, greyed = false, has_mass_setting = true, closed = false;
  int redraws = 0, abouts = 0;

  void Enable(int id, bool usable) override { on.at(id) = usable; }
  void Set_Text(int id, const char* text) override { boundary = id == command::boundary ? text : "?"; }
  void Start_Timer() override { timer = true; }
  void Stop_Timer() override { timer = false; }
  void Redraw() override { ++redraws; }
  void Grey_Settings_Menu(bool grey) override { greyed = grey; }
  bool Show_Mass_Setting() override { return has_mass_setting; }
  void Show_About() override { ++abouts; }
  void Close() override { closed = true; }
};

struct Main_Window_Test : ::testing::Test {
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Main fake;
  Main_Window window{*model, fake};
  Main_Window_Test() { window.Created(); }
  Ints View() const { return {model->Map_X(0), model->Map_Y(0), model->Map_X(400), model->Map_Y(400)}; }
  Ints Start_Stop() { return {fake.timer, fake.on[2], fake.on[3]}; }
};

TEST_F(Main_Window_Test, StartsLaidOutWithTheTargetAbsentAndRunsTheTimerOnceTheModelHasStepped) {
  EXPECT_EQ(Ints({model->phase, model->run_state, model->target_on, model->ellipse_count}), Ints({1, 1, 0, 200}));
  EXPECT_EQ(model->ellipse_left[201], 200.0);  // laid out while still present
  EXPECT_EQ(View(), Ints({200, 410, 600, 10}));
  window.Resized(true);
  EXPECT_EQ(View(), Ints({200, 700, 896, 4}));
  window.Resized(false);
  EXPECT_EQ(View(), Ints({200, 410, 600, 10}));
  model->mass_ratio = 35;
  window.Command(command::menu_mass_ratio_20);  // a layout is due before any step
  EXPECT_EQ(model->mass_ratio + model->phase, 20.0);
  window.Command(command::start);  // only lays out: Start and Stop swap, but no timer
  EXPECT_EQ(Start_Stop(), Ints({0, 0, 1}));
  window.Command(command::stop), window.Command(command::start), window.Tick();
  EXPECT_EQ(Start_Stop(), Ints({1, 0, 1}));
  window.Command(command::stop);
  EXPECT_EQ(Start_Stop(), Ints({0, 1, 0}));
  fake.timer = true, model->run_done = model->run_busy, model->phase = 0;
  window.Tick();  // a tick that only lays out stops the timer
  model->popup_open = 2;  // only 1 counts as the Mass Setting window showing
  window.Command(command::menu_mass_ratio);
  EXPECT_EQ(Ints({fake.timer, model->phase, model->popup_open, window.Inert()}), Ints({0, 1, 2, 0}));
}

// Random sessions of commands and ticks: each command does what it says, and
// the buttons, the menu and the drawn count always agree with the model.
TEST_F(Main_Window_Test, RandomSessionsKeepTheControlsInStepWithTheModel) {
  const int ids[] = {0, 0, 0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 40001, 40002, 40003, 40004, 40005, 40006, 99};
  std::mt19937 random(11);
  for (int action = 0; action < 20000; ++action) {
    if (window.Inert()) {  // the Mass Setting window closes at last
      model->popup_open = random() % 3 != 0;
      continue;
    }
    const Draw_Controler& m = *model;
    const int id = ids[random() % std::size(ids)], periodic = m.periodic, redraws = fake.redraws, abouts = fake.abouts;
    const double t = m.temperature;
    model->mass_ratio = 7, fake.has_mass_setting = random() % 2, fake.closed = false;  // without it, no gate
    id ? window.Command(id) : window.Tick();  // 0: a tick of the timer
    const auto what = ::testing::Message() << "action " << action << " command " << id;
    switch (id) {
      case 4: ASSERT_DOUBLE_EQ(m.temperature, t * 1.5625 > INT_MAX ? t : t * 1.5625) << what; break;
      case 5: ASSERT_DOUBLE_EQ(m.temperature, t * 0.64) << what; break;
      case 6: case 7: case 40002: case 40003:  // laid out afresh at once
        ASSERT_EQ(Ints({m.particle_count, m.run_state}), Ints({id == 6 || id == 40003 ? 20 : 200, 1})) << what;
        break;
      case 9: case 10: ASSERT_EQ(m.target_on, id == 9) << what; break;
      case 12: case 13:  // stopping forgets the path
        ASSERT_EQ(Ints({m.trace_on, id == 12 || m.trace_x->last + m.trace_y->last == -2}), Ints({id == 12, 1})) << what;
        break;
      case 14: ASSERT_EQ(m.periodic, 1 - periodic) << what; break;
      case 40004: ASSERT_EQ(m.temperature, 20.0) << what; break;
      case 40005: ASSERT_EQ(fake.abouts, abouts + 1) << what; break;
      case 40006: ASSERT_EQ(m.mass_ratio + m.phase, 20.0) << what; break;
    }
    const int tracing = m.trace_on == 1, target = m.target_on == 1;
    auto& on = fake.on;
    ASSERT_EQ(Ints({on[2] != on[3], on[9], on[10], on[12], on[13], on[6], on[7], fake.greyed, on[4] && on[5] && on[8]}),
              Ints({1, !target, target, !tracing, tracing, !tracing, !tracing, tracing, 1})) << what;
    ASSERT_EQ(fake.boundary, m.periodic == 1 ? texts::button_reflecting : texts::button_periodic) << what;
    ASSERT_EQ(Ints({fake.redraws - redraws, fake.closed, m.popup_open, m.ellipse_count - m.particle_count}),
              Ints({id != 40001 && id != 8, id == 8, id == 40001 && fake.has_mass_setting, m.target_on})) << what;
  }
}

// The Mass Setting window's controls; the edit box reports every change of
// its text, a keystroke or a write, as the real one does: an update
// notification, then the text change.
struct Fake_Mass final : Mass_Setting_Platform {
  Mass_Setting* window = nullptr;
  int scroll = 0, main_redraws = 0;
  std::string edit;
  bool hidden = false, maximised = false;

  void Set_Scroll_Position(int position) override { scroll = position; }
  void Set_Edit_Text(const char* text) override { edit = text, window->Text_Changed(text); }
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
  // "position scroll-bar edit-text" after `action`, from the mass ratio `shown`.
  std::string After(double shown, const std::function<void()>& action) {
    model->mass_ratio = shown;
    window.Show_Mass_Ratio();
    action();
    return std::to_string(window.position) + " " + std::to_string(fake.scroll) + " " + fake.edit;
  }
};

TEST_F(Mass_Setting_Test, TypedTextOrScrollingMovesThePositionWithin1To100) {
  const std::string huge = "1" + std::string(400, '0');
  const std::string typed[][2] = {{"55", "55 55 55"}, {"150", "100 100 100"}, {"101", "100 100 100"}, {"0", "1 1 1"},
      {"-3", "1 1 1"}, {"1", "1 1 1"}, {"100", "100 100 100"}, {"12.9", "12 12 12.9"}, {"", "20 20 "},
      {"abc", "20 20 abc"}, {"1e5", "20 20 1e5"}, {huge, "100 100 100"}, {"-" + huge, "1 1 1"}};
  for (const auto& c : typed) EXPECT_EQ(After(20, [&] { fake.Set_Edit_Text(c[0].c_str()); }), c[1]) << c[0];
  using S = Scroll;
  const struct { int from; Scroll code; int thumb, position; } scrolled[] = {
      {5, S::page_left, 0, 1},       {95, S::page_right, 0, 100},         {50, S::page_left, 0, 40},
      {50, S::page_right, 0, 60},    {1, S::line_left, 0, 1},             {50, S::line_left, 0, 49},
      {100, S::line_right, 0, 100},  {50, S::line_right, 0, 51},          {50, S::thumb_position, 77, 77},
      {50, S::thumb_position, 0, 1}, {50, S::thumb_position, 65535, 100}, {50, S::thumb_track, 77, 50},
      {50, S::to_left, 0, 1},        {50, S::to_right, 0, 100},           {50, S::other, 9, 50}};
  for (const auto& c : scrolled) {
    const std::string p = std::to_string(c.position);
    EXPECT_EQ(After(c.from, [&] { window.Scrolled(c.code, c.thumb); }), p + " " + p + " " + p) << c.from;
  }
}

TEST_F(Mass_Setting_Test, ShowingDropsWhatWasNotAppliedAndApplyingLaysOutAfresh) {
  for (const auto& [ratio, shown] : {std::pair{35.9, "35 35 35"}, {0.0, "1 1 1"}, {1000.0, "100 100 100"}})
    EXPECT_EQ(After(ratio, [&] { fake.Set_Edit_Text("77"), window.Show_Mass_Ratio(); }), shown);
  const auto state = [&] {
    const Draw_Controler& m = *model;
    return Ints({int(m.mass_ratio), m.phase, m.popup_open, fake.hidden, fake.main_redraws, m.Map_Y(400)});
  };
  model->popup_open = model->phase = 1, fake.maximised = true;
  fake.Set_Edit_Text("55"), window.Apply();
  EXPECT_EQ(state(), Ints({55, 0, 0, 1, 1, 4}));  // the main window's view as it stands now
  model->popup_open = model->phase = 1, fake.maximised = false;  // the close box changes nothing in the model
  fake.Set_Edit_Text("9"), window.Close();
  EXPECT_EQ(state(), Ints({55, 1, 0, 1, 2, 10}));
}

}  // namespace
