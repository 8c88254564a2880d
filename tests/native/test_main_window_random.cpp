#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

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

class Session {
 public:
  explicit Session(unsigned seed) : rng(seed) {
    model->random.Seed(seed);
    fake.logic = &logic;
    logic.On_Create();
    fake.Create_Entry_Buttons();
  }

  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Main_Platform fake;
  Main_Window_Logic logic{*model, fake};
  std::mt19937 rng;
  int commands = 0;
  int ticks = 0;

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  // One thing a person (or the timer) does. With `anything` set, commands
  // arrive whether or not their control is usable.
  void Act(bool anything) {
    const int kind = Pick(100);
    if (model->popup_open == 1) {
      // Clicks on the inert main window, or the Mass Setting window closing.
      if (kind < 60) {
        const int before = fake.invalidations;
        EXPECT_FALSE(logic.On_Command(button_ids[Pick(11)]));
        EXPECT_FALSE(logic.On_Timer());
        EXPECT_EQ(fake.invalidations, before);
      } else if (kind < 80) {
        model->popup_open = 0;  // close box
        fake.mass_window_shown = false;
      } else {
        model->mass_ratio = 1 + Pick(100);  // "設定"
        model->phase = 0;
        model->popup_open = 0;
        fake.mass_window_shown = false;
      }
      return;
    }
    if (kind < 40) {
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
    ASSERT_GE(m.mass_ratio, 1.0);
    ASSERT_LE(m.mass_ratio, 100.0);
    for (const Trace* trace : {m.trace_x, m.trace_y}) {
      ASSERT_EQ(trace->first, 0);
      ASSERT_GE(trace->last, -1);
      ASSERT_LT(trace->last, trace->capacity);
      ASSERT_EQ(trace->capacity, Draw_Controler::trace_capacity);
    }
    ASSERT_EQ(m.trace_x->last, m.trace_y->last);
    ASSERT_GE(m.line_count, 0);
    ASSERT_LT(m.line_count, Draw_Controler::trace_capacity);
    if (m.trace_on != 1) {
      ASSERT_EQ(m.trace_x->last, -1);
    }
    ASSERT_TRUE(m.scale_x == 1.0 || m.scale_x == 1.74);
  }

  // Only holds while commands come from usable controls.
  void Check_Controls() {
    const Draw_Controler& m = *model;
    ASSERT_NE(fake.Enabled(2), fake.Enabled(3));
    if (fake.timer_running) {
      ASSERT_FALSE(fake.Enabled(2));
    }
    const bool target = m.target_on == 1;
    ASSERT_EQ(fake.Enabled(9), !target);
    ASSERT_EQ(fake.Enabled(10), target);
    const bool tracing = m.trace_on == 1;
    ASSERT_EQ(fake.Enabled(12), !tracing);
    ASSERT_EQ(fake.Enabled(13), tracing);
    ASSERT_EQ(fake.Enabled(6), !tracing);
    ASSERT_EQ(fake.Enabled(7), !tracing);
    ASSERT_EQ(fake.settings_greyed, tracing);
    for (int id : {4, 5, 8, 14}) ASSERT_TRUE(fake.Enabled(id)) << id;
    ASSERT_EQ(fake.Text(14), m.periodic == 1 ? texts::button_reflecting : texts::button_periodic);
    ASSERT_EQ(fake.mass_window_shown, m.popup_open == 1);
    ASSERT_TRUE(fake.region_exists);
    ASSERT_EQ(fake.quit_posts, 0);
  }
};

TEST(Main_Window_Random, AsAPersonClicksControlsStayConsistent) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    Session session(seed);
    for (int step = 0; step < 10000; ++step) {
      session.Act(false);
      session.Check_Bounds();
      session.Check_Controls();
      if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_GT(session.commands, 3000);
    EXPECT_GT(session.ticks, 1000);
    // The exit button still ends it all.
    session.model->popup_open = 0;
    session.logic.On_Command(command::exit);
    EXPECT_EQ(session.fake.quit_code, 0);
    EXPECT_FALSE(session.fake.region_exists);
  }
}

TEST(Main_Window_Random, CommandsFromAnywhereKeepTheModelInBounds) {
  for (unsigned seed : {11u, 12u}) {
    SCOPED_TRACE(seed);
    Session session(seed);
    for (int step = 0; step < 6000; ++step) {
      session.Act(true);
      session.Check_Bounds();
      if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_GT(session.commands, 2000);
  }
}

}  // namespace
