#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "draw_controler.h"
#include "texts.h"

namespace {

// The generator's rule written out on its own: state * 22695477 + 1 modulo
// 2^32, each draw bits 16 to 30 of the new state; seeding throws one away.
struct Lcg {
  std::uint32_t state;
  explicit Lcg(std::uint32_t seed) : state(seed) { Next(); }
  int Next() { return (state = state * 22695477u + 1u) >> 16 & 0x7FFF; }
};

// One particle as the layout draws it, {x, y, vx, vy}: the corner as x then
// y, both drawn again while strictly inside the target's square (201..239 on
// both axes), then held to 395 so none starts across a far wall; then vx and
// vy from -10 to 9.
using Values = std::vector<double>;

Values Draw_Particle(Lcg& draw) {
  double x = draw.Next() % 400, y = draw.Next() % 400;
  while (200 < x && x < 240 && 200 < y && y < 240) x = draw.Next() % 400, y = draw.Next() % 400;
  const double vx = draw.Next() % 20 - 10;
  return {std::min(x, 395.0), std::min(y, 395.0), vx, draw.Next() % 20 - 10.0};
}

Values Particle(const Draw_Controler& m, int i) {
  return {m.ellipse_left[i], m.ellipse_top[i], m.vel_x[i], m.vel_y[i], m.ellipse_right[i] - m.ellipse_left[i],
          m.ellipse_bottom[i] - m.ellipse_top[i]};
}

std::string Text(const char* pattern, int value) {
  char text[255];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

TEST(Model, RandomSourceGivesTheCheckValues) {
  Random_Source random, again;
  random.Seed(1), again.Seed(12345);
  for (int expected : {130, 10982, 1090, 11656, 7117, 17595}) EXPECT_EQ(random.Next(), expected);
  for (int expected : {24996, 10921, 23577, 19316, 10386, 21959}) EXPECT_EQ(again.Next(), expected);
}

// One model laid out again and again, against the layout worked out from the
// same draws: particles, the target (placed even when not shown), the box and
// both labels.
TEST(Model, InitializeLaysOutTheDrawsTheBoxTheTargetAndTheLabels) {
  auto model = std::make_unique<Draw_Controler>();
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    const int n = seed % 5 == 0 ? 20 : 200, t = n + 1;
    model->random.Seed(seed);
    model->particle_count = n, model->target_on = seed % 3 != 0, model->mass_ratio = seed + 0.9;
    model->temperature = 55.0, model->vel_x[t] = model->vel_y[t] = 3.0, model->rect_left[1] = model->rect_top[1] = 5.0;
    model->Initialize();
    Lcg draw(seed);
    for (int i = 1; i <= n; ++i) {
      Values expected = Draw_Particle(draw);
      expected.insert(expected.end(), {5.0, 5.0});
      ASSERT_EQ(Particle(*model, i), expected) << "seed " << seed << " particle " << i;
      ASSERT_EQ(model->ellipse_pen[i] + model->ellipse_brush[i], 2 * 0x00FF00u);
    }
    EXPECT_EQ(Particle(*model, t), Values({200, 200, 0, 0, 40, 40}));
    EXPECT_EQ(model->ellipse_pen[t] + model->ellipse_brush[t], 2 * 0x0000FFu);
    EXPECT_EQ(Values({1.0 * model->ellipse_count, model->temperature, 1.0 * model->run_state}),
              Values({model->target_on ? t : n + 0.0, 20, 1.0 * model->run_ready}));
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, 20));
    EXPECT_EQ(model->text_string[2], Text(texts::mass_ratio_label, static_cast<int>(seed)));
  }
  EXPECT_EQ(Values({model->rect_left[1], model->rect_top[1], model->rect_right[1], model->rect_bottom[1]}),
            Values({0, 0, 400, 400}));
  EXPECT_EQ(std::vector<unsigned>({model->rect_pen[1], model->rect_brush[1], model->text_color[1], model->text_color[2]}),
            std::vector<unsigned>({0xFF0000, 0xFFFFFF, 0xFF0000, 0x0000FF}));
  EXPECT_EQ(Values({model->text_x[1], model->text_y[1], model->text_x[2], model->text_y[2]}), Values({30, -20, 140, -20}));
  EXPECT_EQ(std::vector<int>({model->rect_count, model->text_count, model->text_bk_mode[1], model->text_bk_mode[2]}),
            std::vector<int>({1, 2, 1, 1}));
}

// Heating and cooling scale the small particles' velocities by 1.25 or 0.8
// and the temperature by the square; heating stops short of the largest
// temperature the label can show. Reset draws vx then vy afresh and sets 20,
// leaving the label for the next step to rewrite.
TEST(Model, TemperatureControls) {
  const struct { bool heat; int presses; double temperature; int shown; } cases[] = {{true, 1, 31.25, 31}, {false, 1, 12.8, 12}, {false, 2, 8.192, 8}, {true, 3, 76.2939453125, 76},
               {true, 41, 20 * std::pow(1.5625, 41), 1768687320}, {true, 100, 20 * std::pow(1.5625, 41), 1768687320}};
  for (const auto& c : cases) {
    auto model = std::make_unique<Draw_Controler>();
    model->random.Seed(3);
    model->Initialize();
    const Values vx(model->vel_x, model->vel_x + 202), vy(model->vel_y, model->vel_y + 202);
    model->vel_x[201] = 1.0;
    for (int k = 0; k < c.presses; ++k) c.heat ? model->Heat_Up() : model->Cool_Down();
    EXPECT_DOUBLE_EQ(model->temperature, c.temperature);
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, c.shown));
    const double factor = std::pow(c.heat ? 1.25 : 0.8, std::min(c.presses, 41));
    for (int i = 1; i <= 200; ++i) {
      ASSERT_DOUBLE_EQ(model->vel_x[i], vx[i] * factor) << i;
      ASSERT_DOUBLE_EQ(model->vel_y[i], vy[i] * factor) << i;
    }
    EXPECT_EQ(model->vel_x[201], 1.0);

    model->Reset_Velocities();
    Lcg draw(3);
    for (int i = 1; i <= 200; ++i) Draw_Particle(draw);
    for (int i = 1; i <= 200; ++i)
      ASSERT_EQ(Values({model->vel_x[i], model->vel_y[i]}), Values({draw.Next() % 20 - 10.0, draw.Next() % 20 - 10.0}));
    EXPECT_EQ(Values({model->vel_x[201], model->temperature}), Values({1, 20}));
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, c.shown));
  }
}

}  // namespace
