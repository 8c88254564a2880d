#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_main_platform.h"
#include "main_window_logic.h"
#include "texts.h"

namespace {

using Calls = std::vector<std::string>;
using Fake = Fake_Main_Platform;

// "ターゲットと粒子の質量比 N 倍", the label that shows the mass ratio laid out.
std::string Mass_Label(const char* n) {
  return std::string("\x83^\x81[\x83Q\x83" "b\x83g\x82\xc6\x97\xb1\x8eq\x82\xcc\x8e\xbf\x97\xca\x94\xe4 ") + n +
         " \x94{";
}

// The fields a command could change, in one string to compare before and after.
std::string State(const Draw_Controler& m) {
  return std::to_string(m.phase) + " " + std::to_string(m.particle_count) + " " + std::to_string(m.target_on) + " " +
         std::to_string(m.trace_on) + " " + std::to_string(m.periodic) + " " + std::to_string(m.mass_ratio) + " " +
         std::to_string(m.temperature) + " " + std::to_string(m.ellipse_count) + " " +
         std::to_string(m.ellipse_left[1]) + " " + std::to_string(m.vel_x[1]) + " " + std::to_string(m.scale_x);
}

class Main_Window : public ::testing::Test {
 protected:
  Main_Window_Harness h{7};
  Draw_Controler* model = h.model.get();
  Fake& fake = h.fake;
  Main_Window_Logic& logic = h.logic;

  void Expect_Controls(bool running, bool target, bool tracing) {
    EXPECT_EQ(fake.Controls(), Fake::Expected_Controls(running, target, tracing));
  }
  // Runs `action` and expects it to have moved the first particle one time step.
  void Expect_One_Step(const std::function<void()>& action) {
    const double x = model->ellipse_left[1], vx = model->vel_x[1];
    action();
    EXPECT_DOUBLE_EQ(model->ellipse_left[1], x + vx);
  }
};

TEST(Main_Layout, TwelveButtonsDownTheLeftEdge) {
  // Id, y, enabled at start (+/-), made by the entry point (e), and the text.
  const std::pair<const char*, const char*> expected[] = {
      {"2 20 +", texts::button_start},        {"3 60 -", texts::button_stop},
      {"9 100 +", texts::button_target_on},   {"10 140 -", texts::button_target_off},
      {"12 180 +", texts::button_trace_start}, {"13 220 -", texts::button_trace_stop},
      {"6 260 +", texts::button_particles_20}, {"7 300 +", texts::button_particles_200},
      {"4 340 + e", texts::button_heat_up},    {"5 380 + e", texts::button_cool_down},
      {"14 420 +", texts::button_periodic},    {"8 460 + e", texts::button_exit},
  };
  for (int k = 0; k < main_layout::button_count; ++k) {
    const Button_Layout& b = main_layout::buttons[k];
    EXPECT_EQ(std::to_string(b.id) + " " + std::to_string(b.y) + (b.enabled_at_start ? " +" : " -") +
                  (b.created_by_entry ? " e" : ""),
              expected[k].first);
    EXPECT_STREQ(b.text, expected[k].second) << b.id;
  }
  using namespace main_layout;
  EXPECT_EQ((std::vector<unsigned>{button_x, button_width, button_height, button_style, button_style_disabled}),
            (std::vector<unsigned>{40, 120, 30, 0x50000001u, 0x58000001u}));
  EXPECT_EQ((std::vector<unsigned>{timer_id, tick_ms}), (std::vector<unsigned>{1, 100}));
}

// Creation lays the model out once, with the target, then leaves it out;
// the program starts stopped, with the target absent and tracking off.
TEST_F(Main_Window, CreationAndTheStartUpState) {
  EXPECT_TRUE(h.create_handled);
  EXPECT_EQ(h.creation_calls,
            (Calls{"keep_menu", "create_region", "create_button 2", "create_button 3", "create_button 9",
                   "create_button 10", "create_button 12", "create_button 13", "create_button 6", "create_button 7",
                   "create_button 14", "create_mass_window"}));
  const main_layout::Area& r = fake.region;
  EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{165, 0, 1024, 768}));
  EXPECT_EQ((std::vector<double>{model->origin_x, model->origin_y, model->scale_x, model->scale_y}),
            (std::vector<double>{200.0, 410.0, 1.0, 1.0}));
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, model->run_ready);
  EXPECT_NE(model->run_done, model->run_ready);  // no time step yet
  EXPECT_EQ((std::vector<double>{model->ellipse_left[201], model->ellipse_top[201], model->ellipse_right[201]}),
            (std::vector<double>{200.0, 200.0, 240.0}));  // the target, in the centre
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->ellipse_count, 200);
  EXPECT_EQ(model->rect_count, 1);
  EXPECT_EQ(model->text_count, 2);
  EXPECT_EQ(fake.buttons.size(), 12u);
  Expect_Controls(false, false, false);
  EXPECT_EQ(fake.Text(command::boundary), texts::button_periodic);
  EXPECT_FALSE(fake.timer_running);
  EXPECT_FALSE(fake.mass_window_shown);
  EXPECT_FALSE(logic.Inert());
}

// Each command from the start-up state: the requests it makes, in order.
TEST(Main_Window_Commands, RequestsOfEachCommandAndInvalidationAfterAllBut40001) {
  const Calls invalidate = {"invalidate"};
  // `still`: the model is left as it was.
  auto check = [](int id, const Calls& calls, bool still) {
    SCOPED_TRACE(id);
    Main_Window_Harness h(7);
    const std::string before = State(*h.model);
    EXPECT_TRUE(h.logic.On_Command(id));
    EXPECT_EQ(h.fake.calls, calls);
    if (still) {
      EXPECT_EQ(State(*h.model), before);
    }
  };
  check(2, {"set_timer", "disable 2", "enable 3", "invalidate"}, false);
  check(3, {"kill_timer", "enable 2", "disable 3", "invalidate"}, true);
  for (int id : {4, 5, 6, 7, 40002, 40003, 40004, 40006}) check(id, invalidate, false);
  check(8, {"close", "delete_region", "post_quit 0"}, true);  // nothing invalidated on a window that is gone
  check(9, {"enable 10", "disable 9", "invalidate"}, false);
  check(10, {"enable 9", "disable 10", "invalidate"}, true);
  check(12, {"enable 13", "disable 12", "disable 6", "disable 7", "grey_settings", "invalidate"}, false);
  check(13, {"enable 12", "disable 13", "enable 6", "enable 7", "enable_settings", "invalidate"}, true);
  check(14, {"text 14", "invalidate"}, false);
  check(40001, {"show_mass_window"}, true);
  check(40005, {"about", "invalidate"}, true);
  // Ids that match nothing change nothing but still invalidate.
  for (int id : {0, 1, 11, 15, 99, 100, 40000, 40007, 65535, -1}) check(id, invalidate, true);
}

TEST_F(Main_Window, StartStepsAtOnceThenTheTimerRunsUntilStop) {
  Expect_One_Step([&] { EXPECT_TRUE(logic.On_Command(command::start)); });
  EXPECT_EQ(model->run_done, model->run_ready);
  EXPECT_TRUE(fake.timer_running);
  Expect_Controls(true, false, false);
  // A tick invalidates, then takes one step, and the timer goes on.
  fake.calls.clear();
  Expect_One_Step([&] { EXPECT_TRUE(logic.On_Timer()); });
  EXPECT_EQ(fake.calls, Calls{"invalidate"});
  for (int k = 0; k < 10; ++k) logic.On_Timer();
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(fake.invalidations, 12);  // the Start command's and eleven ticks'
  EXPECT_TRUE(fake.timer_running);
  logic.On_Command(command::stop);
  EXPECT_FALSE(fake.timer_running);
  Expect_Controls(false, false, false);
  // Every later Start also steps at once before the timer.
  fake.calls.clear();
  Expect_One_Step([&] { logic.On_Command(command::start); });
  EXPECT_EQ(fake.calls.front(), "set_timer");
  // The About dialog leaves the animation going.
  logic.On_Command(command::menu_about);
  EXPECT_TRUE(fake.timer_running);
  EXPECT_TRUE(logic.On_Timer());
}

// "質量比20倍" only asks for a fresh layout: the next tick or Start makes it.
TEST_F(Main_Window, MassRatio20LaysOutAtTheNextTickOrStart) {
  model->mass_ratio = 55.0;
  logic.On_Command(command::menu_mass_ratio_20);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_EQ(model->phase, 0);
  // Before the first step a tick only lays out, which stops the timer.
  fake.calls.clear();
  EXPECT_TRUE(logic.On_Timer());
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(fake.calls, (Calls{"invalidate", "kill_timer"}));
  // So does Start: no timer, yet the buttons swap; Stop then Start gets it going.
  logic.On_Command(command::menu_mass_ratio_20);
  logic.On_Command(command::start);
  EXPECT_EQ(model->phase, 1);
  EXPECT_NE(model->run_done, model->run_ready);
  EXPECT_FALSE(fake.timer_running);
  Expect_Controls(true, false, false);
  logic.On_Command(command::stop);
  Expect_Controls(false, false, false);
  Expect_One_Step([&] { logic.On_Command(command::start); });
  EXPECT_TRUE(fake.timer_running);
  Expect_Controls(true, false, false);
  // While running, the next tick lays out afresh and the animation goes on from there.
  for (int k = 0; k < 5; ++k) logic.On_Timer();
  model->mass_ratio = 70.0;
  logic.On_Command(command::menu_mass_ratio_20);
  const double x_before = model->ellipse_left[1];
  logic.On_Timer();
  EXPECT_EQ(model->phase, 1);
  EXPECT_NE(model->ellipse_left[1], x_before);
  EXPECT_EQ(model->text_string[2], Mass_Label("20"));
  Expect_One_Step([&] { logic.On_Timer(); });
  EXPECT_TRUE(fake.timer_running);
}

TEST_F(Main_Window, ParticleCountCommandsReinitialiseAtOnceKeepingTheSwitches) {
  struct Case {
    int id, count;
    bool target;
  };
  for (const Case& c : {Case{command::particles_20, 20, false}, Case{command::particles_200, 200, false},
                        Case{command::menu_particles_20, 20, true}, Case{command::menu_particles_200, 200, true}}) {
    SCOPED_TRACE(c.id);
    if (c.target) logic.On_Command(command::target_on);
    model->temperature = 99.0;
    model->mass_ratio = 42.0;
    logic.On_Command(c.id);
    EXPECT_EQ(model->particle_count, c.count);
    EXPECT_EQ(model->phase, 1);
    EXPECT_EQ(model->temperature, 20.0);  // laid out afresh
    EXPECT_EQ(model->ellipse_count, c.count + (c.target ? 1 : 0));
    EXPECT_EQ(model->ellipse_left[c.count + 1], 200.0);  // the target, drawn or not
    EXPECT_EQ(model->target_on, c.target ? 1 : 0);
    EXPECT_EQ(model->mass_ratio, 42.0);
  }
}

TEST_F(Main_Window, TemperatureTargetAndBoundaryCommands) {
  const double vx = model->vel_x[1];
  logic.On_Command(command::heat_up);
  EXPECT_DOUBLE_EQ(model->temperature, 31.25);
  EXPECT_DOUBLE_EQ(model->vel_x[1], vx * 1.25);
  logic.On_Command(command::cool_down);
  logic.On_Command(command::cool_down);
  EXPECT_DOUBLE_EQ(model->temperature, 31.25 * 0.64 * 0.64);
  logic.On_Command(command::menu_temperature_20);
  EXPECT_EQ(model->temperature, 20.0);

  logic.On_Command(command::target_on);
  EXPECT_EQ(model->target_on, 1);
  EXPECT_EQ(model->ellipse_count, 201);
  Expect_Controls(false, true, false);
  logic.On_Command(command::target_off);
  EXPECT_EQ(model->target_on, 0);
  EXPECT_EQ(model->ellipse_count, 200);
  Expect_Controls(false, false, false);
  logic.On_Command(command::particles_20);
  logic.On_Command(command::target_on);
  EXPECT_EQ(model->ellipse_count, 21);

  // The boundary button names the mode a click switches to.
  for (int periodic : {1, 0}) {
    logic.On_Command(command::boundary);
    EXPECT_EQ(model->periodic, periodic);
    EXPECT_EQ(fake.Text(command::boundary), periodic ? texts::button_reflecting : texts::button_periodic);
  }
}

TEST_F(Main_Window, TrackingLocksTheParticleCountAndOffClearsBothPaths) {
  logic.On_Command(command::target_on);
  logic.On_Command(command::trace_start);
  EXPECT_EQ(model->trace_on, 1);
  Expect_Controls(false, true, true);
  logic.On_Command(command::start);
  for (int k = 0; k < 400 && model->trace_x->last < 3; ++k) logic.On_Timer();
  ASSERT_GE(model->trace_x->last, 3);
  ASSERT_GT(model->line_count, 0);
  logic.On_Command(command::trace_stop);
  EXPECT_EQ(model->trace_on, 0);
  EXPECT_EQ(model->trace_x->last, model->trace_x->first - 1);
  EXPECT_EQ(model->trace_y->last, model->trace_y->first - 1);
  Expect_Controls(true, true, false);
  logic.On_Timer();
  EXPECT_EQ(model->line_count, 0);
}

TEST_F(Main_Window, ExitThenANewWindowInvalidatesAgain) {
  logic.On_Command(command::exit);
  EXPECT_TRUE(logic.Destroyed());
  EXPECT_FALSE(fake.region_exists);
  model->phase = 0;
  logic.On_Create();
  EXPECT_FALSE(logic.Destroyed());
  fake.calls.clear();
  logic.On_Command(command::boundary);
  EXPECT_EQ(fake.calls.back(), "invalidate");
}

// While the Mass Setting window shows, everything but destruction is left to
// the default handling and changes nothing; its closing lifts the gate.
TEST_F(Main_Window, TheGate) {
  logic.On_Command(command::start);
  logic.On_Command(command::menu_mass_ratio);
  EXPECT_TRUE(fake.mass_window_shown);
  EXPECT_EQ(model->popup_open, 1);
  EXPECT_TRUE(logic.Inert());
  fake.calls.clear();
  const std::string before = State(*model);
  for (int id : {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 40001, 40002, 40003, 40004, 40005, 40006, 77}) {
    EXPECT_FALSE(logic.On_Command(id)) << id;
  }
  EXPECT_FALSE(logic.On_Timer());
  EXPECT_FALSE(logic.On_Size(true));
  EXPECT_FALSE(logic.On_Paint());
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(State(*model), before);
  EXPECT_TRUE(fake.timer_running);  // the animation resumes when the window closes
  // The Mass Setting window applies 55 and hides itself.
  model->mass_ratio = 55.0;
  model->phase = 0;
  model->popup_open = 0;
  EXPECT_TRUE(logic.On_Timer());
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->text_string[2], Mass_Label("55"));
  EXPECT_TRUE(logic.On_Command(command::boundary));
  EXPECT_EQ(model->periodic, 1);
  // The main window's close box works while it shows.
  logic.On_Command(command::menu_mass_ratio);
  fake.calls.clear();
  EXPECT_TRUE(logic.On_Destroy());
  EXPECT_EQ(fake.calls, (Calls{"delete_region", "post_quit 0"}));
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

TEST_F(Main_Window, SizeMapsMaximisedAndEverythingElseAndPaintDraws) {
  EXPECT_TRUE(logic.On_Size(true));
  EXPECT_EQ((std::vector<double>{model->origin_x, model->origin_y, model->scale_x, model->scale_y}),
            (std::vector<double>{200.0, 700.0, 1.74, 1.74}));
  // The 400-unit box becomes 696 pixels wide, world y = 0 at pixel 700.
  EXPECT_EQ(model->Map_X(400.0) - model->Map_X(0.0), 696);
  EXPECT_EQ(model->Map_Y(0.0), 700);
  EXPECT_TRUE(logic.On_Size(false));  // restored, minimised and the rest
  EXPECT_EQ((std::vector<double>{model->origin_x, model->origin_y, model->scale_x, model->scale_y}),
            (std::vector<double>{200.0, 410.0, 1.0, 1.0}));
  EXPECT_TRUE(fake.calls.empty());  // the class styles repaint the window
  EXPECT_TRUE(logic.On_Paint());
  EXPECT_EQ(fake.calls, Calls{"paint"});
}

}  // namespace
