#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fake_main_platform.h"
#include "main_window_logic.h"
#include "texts.h"

// Long random sessions through the main window's logic: a person clicking
// whatever is usable, with timer ticks, size changes, paints and the Mass
// Setting window in between. After every action the controls must agree with
// the model and every count must stay within its bounds.
namespace {

const int button_ids[] = {2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14};
const int menu_ids[] = {40001, 40002, 40003, 40004, 40005, 40006};

struct Session : Main_Window_Harness {
  explicit Session(unsigned seed) : Main_Window_Harness(seed), rng(seed) {}
  std::mt19937 rng;
  int commands = 0, ticks = 0;

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  // One thing a person (or the timer) does. With `anything` set, commands
  // arrive whether or not their control is usable.
  void Act(bool anything) {
    const int kind = Pick(100);
    if (model->popup_open == 1) {
      if (kind < 60) {  // clicks and ticks on the inert main window
        const int before = fake.invalidations;
        EXPECT_FALSE(logic.On_Command(button_ids[Pick(11)]));
        EXPECT_FALSE(logic.On_Timer());
        EXPECT_EQ(fake.invalidations, before);
        return;
      }
      if (kind >= 80) {  // "設定" applies a value; else the close box
        model->mass_ratio = 1 + Pick(100);
        model->phase = 0;
      }
      model->popup_open = 0;
      fake.mass_window_shown = false;
    } else if (kind < 40) {
      if (fake.timer_running || anything) {
        logic.On_Timer();
        ++ticks;
      }
    } else if (kind < 75) {
      const int id = button_ids[Pick(11)];
      if (anything || fake.Enabled(id)) Click(id);
    } else if (kind < 92) {
      const int id = menu_ids[Pick(6)];
      if (anything || !fake.settings_greyed || id == 40005) Click(id);
    } else if (kind < 95) {
      logic.On_Size(Pick(2) == 0);
    } else if (kind < 98) {
      logic.On_Paint();
    } else {
      Click(Pick(2) == 0 ? 11 : 40000 + Pick(20));  // ids that match nothing
    }
  }

  void Click(int id) {
    const int before = fake.invalidations;
    EXPECT_TRUE(logic.On_Command(id));
    EXPECT_EQ(fake.invalidations, before + (id == 40001 ? 0 : 1)) << id;
    ++commands;
  }

  void Check_Bounds() {
    const Draw_Controler& m = *model;
    ASSERT_TRUE(m.particle_count == 20 || m.particle_count == 200) << m.particle_count;
    ASSERT_TRUE(m.phase == 0 || m.phase == 1) << m.phase;
    ASSERT_EQ(m.ellipse_count, m.particle_count + (m.target_on == 1 ? 1 : 0));
    ASSERT_EQ(m.rect_count, 1);
    ASSERT_EQ(m.text_count, 2);
    ASSERT_TRUE(m.mass_ratio >= 1.0 && m.mass_ratio <= 100.0) << m.mass_ratio;
    for (const Trace* trace : {m.trace_x, m.trace_y}) {
      ASSERT_EQ(trace->first, 0);
      ASSERT_TRUE(trace->last >= -1 && trace->last < trace->capacity) << trace->last;
      ASSERT_EQ(trace->capacity, Draw_Controler::trace_capacity);
    }
    ASSERT_EQ(m.trace_x->last, m.trace_y->last);
    ASSERT_TRUE(m.line_count >= 0 && m.line_count < Draw_Controler::trace_capacity) << m.line_count;
    if (m.trace_on != 1) {
      ASSERT_EQ(m.trace_x->last, -1);
    }
    ASSERT_TRUE(m.scale_x == 1.0 || m.scale_x == 1.74);
  }

  // Only holds while commands come from usable controls.
  void Check_Controls() {
    const Draw_Controler& m = *model;
    if (fake.timer_running) {
      ASSERT_FALSE(fake.Enabled(2));
    }
    const bool running = !fake.Enabled(2);
    ASSERT_EQ(fake.Controls(), Fake_Main_Platform::Expected_Controls(running, m.target_on == 1, m.trace_on == 1));
    ASSERT_EQ(fake.Text(14), m.periodic == 1 ? texts::button_reflecting : texts::button_periodic);
    ASSERT_EQ(fake.mass_window_shown, m.popup_open == 1);
    ASSERT_TRUE(fake.region_exists);
    ASSERT_FALSE(logic.Destroyed());
  }
};

// Clicks on usable controls only (controls checked too), or commands from anywhere.
TEST(Main_Window_Random, SessionsKeepControlsConsistentAndTheModelInBounds) {
  struct Run {
    unsigned seed;
    bool anything;
    int steps, min_commands;
  };
  for (const Run r : {Run{1, false, 10000, 3000}, Run{2, false, 10000, 3000}, Run{3, false, 10000, 3000},
                      Run{11, true, 6000, 2000}, Run{12, true, 6000, 2000}}) {
    SCOPED_TRACE(r.seed);
    Session session(r.seed);
    for (int step = 0; step < r.steps && !::testing::Test::HasFatalFailure(); ++step) {
      session.Act(r.anything);
      session.Check_Bounds();
      if (!r.anything) session.Check_Controls();
    }
    EXPECT_GT(session.commands, r.min_commands);
    EXPECT_GT(session.ticks, r.min_commands / 3);
    // The exit button still ends it all.
    session.model->popup_open = 0;
    session.fake.calls.clear();
    session.logic.On_Command(command::exit);
    EXPECT_EQ(session.fake.calls.back(), "post_quit 0");
    EXPECT_FALSE(session.fake.region_exists);
  }
}

}  // namespace
