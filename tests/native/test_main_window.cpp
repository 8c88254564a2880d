#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fake_main_platform.h"
#include "main_window_logic.h"
#include "texts.h"

namespace {

using Calls = std::vector<std::string>;

// The main window right after the entry point has built it: WM_CREATE, then
// the entry point's three buttons.
class Main_Window : public ::testing::Test {
 protected:
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Main_Platform fake;
  Main_Window_Logic logic{*model, fake};

  void SetUp() override {
    model->random.Seed(7);
    fake.logic = &logic;
    ASSERT_TRUE(logic.On_Create());
    fake.Create_Entry_Buttons();
    fake.calls.clear();
    fake.invalidations = 0;
  }

  double First_Particle_X() const { return model->ellipse_left[1]; }

  void Expect_Stopped_Controls() {
    EXPECT_TRUE(fake.Enabled(command::start));
    EXPECT_FALSE(fake.Enabled(command::stop));
  }
  void Expect_Running_Controls() {
    EXPECT_FALSE(fake.Enabled(command::start));
    EXPECT_TRUE(fake.Enabled(command::stop));
  }
};

// --- Layout -----------------------------------------------------------------

TEST(Main_Layout, TwelveButtonsDownTheLeftEdgeEveryFortyPixels) {
  const int ids[] = {2, 3, 9, 10, 12, 13, 6, 7, 4, 5, 14, 8};
  for (int k = 0; k < main_layout::button_count; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(main_layout::buttons[k].id, ids[k]);
    EXPECT_EQ(main_layout::buttons[k].y, 20 + 40 * k);
  }
  EXPECT_EQ(main_layout::button_x, 40);
  EXPECT_EQ(main_layout::button_width, 120);
  EXPECT_EQ(main_layout::button_height, 30);
  EXPECT_EQ(main_layout::button_style, 0x50000001u);
  EXPECT_EQ(main_layout::button_style_disabled, 0x58000001u);
}

TEST(Main_Layout, ButtonTextsAndStartStates) {
  struct Expected {
    int id;
    const char* text;
    bool enabled;
    bool by_entry;
  };
  const Expected expected[] = {
      {2, texts::button_start, true, false},         {3, texts::button_stop, false, false},
      {9, texts::button_target_on, true, false},     {10, texts::button_target_off, false, false},
      {12, texts::button_trace_start, true, false},  {13, texts::button_trace_stop, false, false},
      {6, texts::button_particles_20, true, false},  {7, texts::button_particles_200, true, false},
      {4, texts::button_heat_up, true, true},        {5, texts::button_cool_down, true, true},
      {14, texts::button_periodic, true, false},     {8, texts::button_exit, true, true},
  };
  for (int k = 0; k < main_layout::button_count; ++k) {
    SCOPED_TRACE(expected[k].id);
    EXPECT_STREQ(main_layout::buttons[k].text, expected[k].text);
    EXPECT_EQ(main_layout::buttons[k].enabled_at_start, expected[k].enabled);
    EXPECT_EQ(main_layout::buttons[k].created_by_entry, expected[k].by_entry);
  }
}

TEST(Main_Layout, DrawingAreaStartsRightOfTheButtonColumn) {
  EXPECT_EQ(main_layout::drawing_area.left, 165);
  EXPECT_EQ(main_layout::drawing_area.top, 0);
  EXPECT_EQ(main_layout::drawing_area.right, 1024);
  EXPECT_EQ(main_layout::drawing_area.bottom, 768);
  EXPECT_GT(main_layout::drawing_area.left, main_layout::button_x + main_layout::button_width);
  EXPECT_EQ(main_layout::timer_id, 1u);
  EXPECT_EQ(main_layout::tick_ms, 100u);
}

// --- Creation ---------------------------------------------------------------

TEST(Main_Window_Create, RunsItsStepsInOrder) {
  auto model = std::make_unique<Draw_Controler>();
  Fake_Main_Platform fake;
  Main_Window_Logic logic(*model, fake);
  ASSERT_EQ(model->phase, 0);
  EXPECT_TRUE(logic.On_Create());
  const Calls expected = {"keep_menu",        "create_region",    "create_button 2",  "create_button 3",
                          "create_button 9",  "create_button 10", "create_button 12", "create_button 13",
                          "create_button 6",  "create_button 7",  "create_button 14", "create_mass_window"};
  EXPECT_EQ(fake.calls, expected);
  EXPECT_EQ(fake.region.left, 165);
  EXPECT_EQ(fake.region.right, 1024);
  EXPECT_EQ(fake.region.bottom, 768);
  EXPECT_EQ(fake.invalidations, 0);
}

TEST(Main_Window_Create, MapsTheViewAndLaysTheModelOutWithTheTarget) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(3);
  Fake_Main_Platform fake;
  Main_Window_Logic logic(*model, fake);
  logic.On_Create();
  EXPECT_EQ(model->origin_x, 200.0);
  EXPECT_EQ(model->origin_y, 410.0);
  EXPECT_EQ(model->scale_x, 1.0);
  EXPECT_EQ(model->scale_y, 1.0);
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, model->run_ready);
  EXPECT_NE(model->run_done, model->run_ready);  // no time step yet
  // Laid out while the target was still on: its ellipse sits in the centre,
  // but it is left out of the drawn count afterwards.
  EXPECT_EQ(model->ellipse_left[201], 200.0);
  EXPECT_EQ(model->ellipse_top[201], 200.0);
  EXPECT_EQ(model->ellipse_right[201], 240.0);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->ellipse_count, 200);
  EXPECT_EQ(model->rect_count, 1);
  EXPECT_EQ(model->text_count, 2);
}

TEST_F(Main_Window, StartsStoppedWithTargetAbsentAndTrackingOff) {
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_FALSE(fake.timer_running);
  EXPECT_EQ(fake.timer_sets, 0);
  Expect_Stopped_Controls();
  EXPECT_TRUE(fake.Enabled(command::target_on));
  EXPECT_FALSE(fake.Enabled(command::target_off));
  EXPECT_TRUE(fake.Enabled(command::trace_start));
  EXPECT_FALSE(fake.Enabled(command::trace_stop));
  for (int id : {4, 5, 6, 7, 8, 14}) EXPECT_TRUE(fake.Enabled(id)) << id;
  EXPECT_EQ(fake.Text(command::boundary), texts::button_periodic);
  EXPECT_FALSE(fake.settings_greyed);
  EXPECT_TRUE(fake.mass_window_created);
  EXPECT_FALSE(fake.mass_window_shown);
  EXPECT_EQ(fake.buttons.size(), 12u);
  EXPECT_FALSE(logic.Inert());
}

// --- Start, stop and the timer ---------------------------------------------

TEST_F(Main_Window, FirstStartTakesOneStepAtOnceAndSetsTheTimer) {
  const double x = First_Particle_X();
  const double vx = model->vel_x[1];
  EXPECT_TRUE(logic.On_Command(command::start));
  EXPECT_DOUBLE_EQ(First_Particle_X(), x + vx);
  EXPECT_EQ(model->run_done, model->run_ready);
  EXPECT_TRUE(fake.timer_running);
  Expect_Running_Controls();
  const Calls expected = {"set_timer", "disable 2", "enable 3", "invalidate"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, StopKillsTheTimerAndSwapsTheButtons) {
  logic.On_Command(command::start);
  fake.calls.clear();
  logic.On_Command(command::stop);
  EXPECT_FALSE(fake.timer_running);
  Expect_Stopped_Controls();
  const Calls expected = {"kill_timer", "enable 2", "disable 3", "invalidate"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, EveryLaterStartAlsoAdvancesOnceBeforeTheTimer) {
  logic.On_Command(command::start);
  logic.On_Command(command::stop);
  const double x = First_Particle_X();
  const double vx = model->vel_x[1];
  logic.On_Command(command::start);
  EXPECT_DOUBLE_EQ(First_Particle_X(), x + vx);
  EXPECT_TRUE(fake.timer_running);
  EXPECT_EQ(fake.timer_sets, 2);
}

TEST_F(Main_Window, StartAfterMassRatio20BeforeAnyStepOnlyLaysOutAndSetsNoTimer) {
  model->mass_ratio = 55.0;
  logic.On_Command(command::menu_mass_ratio_20);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_EQ(model->phase, 0);
  logic.On_Command(command::start);
  EXPECT_EQ(model->phase, 1);
  EXPECT_NE(model->run_done, model->run_ready);
  EXPECT_FALSE(fake.timer_running);
  // The buttons swap all the same; Stop then Start gets the animation going.
  Expect_Running_Controls();
  logic.On_Command(command::stop);
  Expect_Stopped_Controls();
  const double x = First_Particle_X();
  const double vx = model->vel_x[1];
  logic.On_Command(command::start);
  EXPECT_DOUBLE_EQ(First_Particle_X(), x + vx);
  EXPECT_TRUE(fake.timer_running);
  Expect_Running_Controls();
}

TEST_F(Main_Window, TimerTickInvalidatesThenTakesOneStep) {
  logic.On_Command(command::start);
  fake.calls.clear();
  const double x = First_Particle_X();
  const double vx = model->vel_x[1];
  EXPECT_TRUE(logic.On_Timer());
  EXPECT_DOUBLE_EQ(First_Particle_X(), x + vx);
  EXPECT_EQ(fake.calls, Calls{"invalidate"});
  EXPECT_TRUE(fake.timer_running);
  for (int k = 0; k < 10; ++k) logic.On_Timer();
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(fake.invalidations, 12);  // the Start command's and eleven ticks'
  EXPECT_TRUE(fake.timer_running);
}

TEST_F(Main_Window, TickThatOnlyLaysOutBeforeTheFirstStepKillsTheTimer) {
  logic.On_Command(command::menu_mass_ratio_20);
  fake.calls.clear();
  EXPECT_TRUE(logic.On_Timer());
  EXPECT_EQ(model->phase, 1);
  const Calls expected = {"invalidate", "kill_timer"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, MassRatio20WhileRunningLaysOutAfreshAtTheNextTick) {
  logic.On_Command(command::start);
  for (int k = 0; k < 5; ++k) logic.On_Timer();
  model->mass_ratio = 70.0;
  logic.On_Command(command::menu_mass_ratio_20);
  const double x_before = First_Particle_X();
  logic.On_Timer();  // lays out
  EXPECT_EQ(model->phase, 1);
  EXPECT_NE(First_Particle_X(), x_before);
  EXPECT_STREQ(model->text_string[2], "\x83^\x81[\x83Q\x83" "b\x83g\x82\xc6\x97\xb1\x8eq\x82\xcc\x8e\xbf\x97\xca\x94\xe4 20 \x94{");
  EXPECT_TRUE(fake.timer_running);
  const double x = First_Particle_X();
  const double vx = model->vel_x[1];
  logic.On_Timer();  // and goes on from the new layout
  EXPECT_DOUBLE_EQ(First_Particle_X(), x + vx);
  EXPECT_TRUE(fake.timer_running);
}

// --- Temperature ------------------------------------------------------------

TEST_F(Main_Window, TemperatureCommands) {
  const double vx = model->vel_x[1];
  logic.On_Command(command::heat_up);
  EXPECT_DOUBLE_EQ(model->temperature, 31.25);
  EXPECT_DOUBLE_EQ(model->vel_x[1], vx * 1.25);
  logic.On_Command(command::cool_down);
  logic.On_Command(command::cool_down);
  EXPECT_DOUBLE_EQ(model->temperature, 31.25 * 0.64 * 0.64);
  logic.On_Command(command::menu_temperature_20);
  EXPECT_EQ(model->temperature, 20.0);
  EXPECT_EQ(fake.invalidations, 4);
  // None of them touches a control.
  for (const std::string& call : fake.calls) EXPECT_EQ(call, "invalidate");
}

// --- Particle count -----------------------------------------------------------

TEST_F(Main_Window, ParticleCountCommandsReinitialiseAtOnce) {
  struct Case {
    int id;
    int count;
  };
  for (const Case& c : {Case{command::particles_20, 20}, Case{command::particles_200, 200},
                        Case{command::menu_particles_20, 20}, Case{command::menu_particles_200, 200}}) {
    SCOPED_TRACE(c.id);
    model->temperature = 99.0;
    logic.On_Command(c.id);
    EXPECT_EQ(model->particle_count, c.count);
    EXPECT_EQ(model->phase, 1);
    EXPECT_EQ(model->temperature, 20.0);  // laid out afresh
    EXPECT_EQ(model->ellipse_count, c.count);  // target still absent
    EXPECT_EQ(model->ellipse_left[c.count + 1], 200.0);
    EXPECT_EQ(fake.calls.back(), "invalidate");
  }
}

TEST_F(Main_Window, ReinitialisingKeepsTheSwitchesAndMassRatio) {
  logic.On_Command(command::target_on);
  logic.On_Command(command::boundary);
  model->mass_ratio = 42.0;
  logic.On_Command(command::particles_20);
  EXPECT_EQ(model->target_on, 1);
  EXPECT_EQ(model->ellipse_count, 21);
  EXPECT_EQ(model->periodic, 1);
  EXPECT_EQ(model->mass_ratio, 42.0);
  logic.On_Command(command::menu_particles_200);
  EXPECT_EQ(model->ellipse_count, 201);
  EXPECT_EQ(model->target_on, 1);
}

// --- Target -------------------------------------------------------------------

TEST_F(Main_Window, TargetCommandsSwitchTheDrawnCountAndButtons) {
  logic.On_Command(command::target_on);
  EXPECT_EQ(model->target_on, 1);
  EXPECT_EQ(model->ellipse_count, 201);
  EXPECT_FALSE(fake.Enabled(command::target_on));
  EXPECT_TRUE(fake.Enabled(command::target_off));
  Calls expected = {"enable 10", "disable 9", "invalidate"};
  EXPECT_EQ(fake.calls, expected);

  fake.calls.clear();
  logic.On_Command(command::target_off);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->ellipse_count, 200);
  EXPECT_TRUE(fake.Enabled(command::target_on));
  EXPECT_FALSE(fake.Enabled(command::target_off));
  expected = {"enable 9", "disable 10", "invalidate"};
  EXPECT_EQ(fake.calls, expected);

  logic.On_Command(command::particles_20);
  logic.On_Command(command::target_on);
  EXPECT_EQ(model->ellipse_count, 21);
}

// --- Tracking -----------------------------------------------------------------

TEST_F(Main_Window, TrackingOnLocksParticleCountAndSettings) {
  logic.On_Command(command::trace_start);
  EXPECT_EQ(model->trace_on, 1);
  EXPECT_FALSE(fake.Enabled(command::trace_start));
  EXPECT_TRUE(fake.Enabled(command::trace_stop));
  EXPECT_FALSE(fake.Enabled(command::particles_20));
  EXPECT_FALSE(fake.Enabled(command::particles_200));
  EXPECT_TRUE(fake.settings_greyed);
  // Everything else stays usable.
  for (int id : {2, 4, 5, 8, 9, 14}) EXPECT_TRUE(fake.Enabled(id)) << id;
  const Calls expected = {"enable 13", "disable 12", "disable 6", "disable 7", "grey_settings", "invalidate"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, TrackingOffClearsBothPathsAndUnlocks) {
  logic.On_Command(command::target_on);
  logic.On_Command(command::trace_start);
  logic.On_Command(command::start);
  for (int k = 0; k < 400 && model->trace_x->last < 3; ++k) logic.On_Timer();
  ASSERT_GE(model->trace_x->last, 3);
  ASSERT_GT(model->line_count, 0);
  fake.calls.clear();
  logic.On_Command(command::trace_stop);
  EXPECT_EQ(model->trace_on, 0);
  EXPECT_EQ(model->trace_x->last, model->trace_x->first - 1);
  EXPECT_EQ(model->trace_y->last, model->trace_y->first - 1);
  EXPECT_TRUE(fake.Enabled(command::trace_start));
  EXPECT_FALSE(fake.Enabled(command::trace_stop));
  EXPECT_TRUE(fake.Enabled(command::particles_20));
  EXPECT_TRUE(fake.Enabled(command::particles_200));
  EXPECT_FALSE(fake.settings_greyed);
  const Calls expected = {"enable 12", "disable 13", "enable 6", "enable 7", "enable_settings", "invalidate"};
  EXPECT_EQ(fake.calls, expected);
  logic.On_Timer();
  EXPECT_EQ(model->line_count, 0);
}

// --- Boundary -----------------------------------------------------------------

TEST_F(Main_Window, BoundaryToggleFlipsModeAndNamesTheNextOne) {
  logic.On_Command(command::boundary);
  EXPECT_EQ(model->periodic, 1);
  EXPECT_EQ(fake.Text(command::boundary), texts::button_reflecting);
  logic.On_Command(command::boundary);
  EXPECT_EQ(model->periodic, 0);
  EXPECT_EQ(fake.Text(command::boundary), texts::button_periodic);
  EXPECT_EQ(fake.invalidations, 2);
}

// --- Menu: Mass Setting, About ------------------------------------------------

TEST_F(Main_Window, MassRatioMenuShowsTheWindowWithoutInvalidating) {
  EXPECT_TRUE(logic.On_Command(command::menu_mass_ratio));
  EXPECT_TRUE(fake.mass_window_shown);
  EXPECT_EQ(model->popup_open, 1);
  EXPECT_TRUE(logic.Inert());
  EXPECT_EQ(fake.calls, Calls{"show_mass_window"});
}

TEST_F(Main_Window, AboutRunsTheDialogAndInvalidates) {
  logic.On_Command(command::menu_about);
  const Calls expected = {"about", "invalidate"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, AboutDialogLeavesARunningAnimationGoing) {
  logic.On_Command(command::start);
  logic.On_Command(command::menu_about);
  EXPECT_TRUE(fake.timer_running);
  EXPECT_TRUE(logic.On_Timer());
}

// --- Exit and destruction -------------------------------------------------------

TEST_F(Main_Window, ExitClosesTheWindowWhichPostsQuitZero) {
  logic.On_Command(command::start);
  fake.calls.clear();
  EXPECT_TRUE(logic.On_Command(command::exit));
  // Nothing is invalidated on a window (and region) that no longer exist.
  const Calls expected = {"close", "delete_region", "post_quit 0"};
  EXPECT_EQ(fake.calls, expected);
  EXPECT_EQ(fake.quit_code, 0);
  EXPECT_FALSE(fake.region_exists);
  EXPECT_TRUE(logic.Destroyed());
}

TEST_F(Main_Window, DestroyDeletesTheRegionThenPostsQuit) {
  EXPECT_TRUE(logic.On_Destroy());
  const Calls expected = {"delete_region", "post_quit 0"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, AWindowCreatedAfterTheLastOneWasDestroyedInvalidatesAgain) {
  logic.On_Destroy();
  model->phase = 0;
  logic.On_Create();
  fake.calls.clear();
  logic.On_Command(command::boundary);
  EXPECT_EQ(fake.calls.back(), "invalidate");
}

// --- Unknown ids and invalidation -----------------------------------------------

TEST_F(Main_Window, UnknownIdsChangeNothingButStillInvalidate) {
  logic.On_Command(command::target_on);
  fake.calls.clear();
  const auto before = std::make_unique<Draw_Controler>();
  std::memcpy(before->ellipse_left, model->ellipse_left, sizeof model->ellipse_left);
  for (int id : {0, 1, 11, 15, 99, 100, 40000, 40007, 65535, -1}) {
    SCOPED_TRACE(id);
    fake.calls.clear();
    EXPECT_TRUE(logic.On_Command(id));
    EXPECT_EQ(fake.calls, Calls{"invalidate"});
  }
  EXPECT_EQ(std::memcmp(before->ellipse_left, model->ellipse_left, sizeof model->ellipse_left), 0);
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->target_on, 1);
  EXPECT_EQ(model->particle_count, 200);
}

TEST_F(Main_Window, EveryCommandButMassRatioEndsWithOneInvalidation) {
  const int ids[] = {2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 40002, 40003, 40004, 40005, 40006};
  for (int id : ids) {
    SCOPED_TRACE(id);
    fake.calls.clear();
    logic.On_Command(id);
    ASSERT_FALSE(fake.calls.empty());
    EXPECT_EQ(fake.calls.back(), "invalidate");
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "invalidate"), 1);
  }
}

// --- The gate -----------------------------------------------------------------------

TEST_F(Main_Window, WhileMassSettingShowsEverythingButDestroyIsLeftToDefault) {
  logic.On_Command(command::start);
  logic.On_Command(command::menu_mass_ratio);
  fake.calls.clear();
  const double x = First_Particle_X();
  const int ids[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 40001, 40002, 40003, 40004, 40005, 40006, 77};
  for (int id : ids) EXPECT_FALSE(logic.On_Command(id)) << id;
  EXPECT_FALSE(logic.On_Timer());
  EXPECT_FALSE(logic.On_Size(true));
  EXPECT_FALSE(logic.On_Paint());
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(First_Particle_X(), x);
  EXPECT_EQ(model->scale_x, 1.0);
  EXPECT_EQ(model->particle_count, 200);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->periodic, 0);
  // The timer keeps running: the animation resumes when the window closes.
  EXPECT_TRUE(fake.timer_running);

  EXPECT_TRUE(logic.On_Destroy());
  const Calls expected = {"delete_region", "post_quit 0"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(Main_Window, ClosingMassSettingLiftsTheGate) {
  logic.On_Command(command::start);
  logic.On_Command(command::menu_mass_ratio);
  // The Mass Setting window applies 55 and hides itself.
  model->mass_ratio = 55.0;
  model->phase = 0;
  model->popup_open = 0;
  EXPECT_TRUE(logic.On_Timer());
  EXPECT_EQ(model->phase, 1);
  EXPECT_STREQ(model->text_string[2], "\x83^\x81[\x83Q\x83" "b\x83g\x82\xc6\x97\xb1\x8eq\x82\xcc\x8e\xbf\x97\xca\x94\xe4 55 \x94{");
  EXPECT_TRUE(logic.On_Command(command::boundary));
  EXPECT_EQ(model->periodic, 1);
}

TEST_F(Main_Window, OnlyExactlyOneCountsAsShowing) {
  model->popup_open = 2;
  EXPECT_FALSE(logic.Inert());
  EXPECT_TRUE(logic.On_Command(command::boundary));
  EXPECT_EQ(model->periodic, 1);
  // 40001 shows the window only when the switch holds 0.
  fake.calls.clear();
  logic.On_Command(command::menu_mass_ratio);
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(model->popup_open, 2);
}

// --- Size and paint ---------------------------------------------------------------------

TEST_F(Main_Window, SizeMapsMaximisedAndEverythingElse) {
  EXPECT_TRUE(logic.On_Size(true));
  EXPECT_EQ(model->scale_x, 1.74);
  EXPECT_EQ(model->scale_y, 1.74);
  EXPECT_EQ(model->origin_y, 700.0);
  EXPECT_EQ(model->origin_x, 200.0);
  // The 400-unit box becomes 696 pixels wide, world y = 0 at pixel 700.
  EXPECT_EQ(model->Map_X(400.0) - model->Map_X(0.0), 696);
  EXPECT_EQ(model->Map_Y(0.0), 700);
  EXPECT_TRUE(logic.On_Size(false));
  EXPECT_EQ(model->scale_x, 1.0);
  EXPECT_EQ(model->scale_y, 1.0);
  EXPECT_EQ(model->origin_y, 410.0);
  EXPECT_EQ(model->origin_x, 200.0);
  EXPECT_TRUE(fake.calls.empty());  // the class styles repaint the window
}

TEST_F(Main_Window, PaintHandsTheModelToTheRenderer) {
  EXPECT_TRUE(logic.On_Paint());
  EXPECT_EQ(fake.calls, Calls{"paint"});
}

}  // namespace
