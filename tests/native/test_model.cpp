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
  int Next() {
    state = state * 22695477u + 1u;
    return static_cast<int>(state >> 16 & 0x7FFF);
  }
};

struct Particle {
  double x, y, vx, vy;
};

// One particle as the layout draws it: the corner as x then y, both drawn
// again while strictly inside the target's square (201..239 on both axes),
// then held to 395 so none starts across a far wall; then vx and vy from -10
// to 9.
Particle Draw_Particle(Lcg& draw) {
  double x = draw.Next() % 400, y = draw.Next() % 400;
  while (200 < x && x < 240 && 200 < y && y < 240) x = draw.Next() % 400, y = draw.Next() % 400;
  const double vx = draw.Next() % 20 - 10;
  return {std::min(x, 395.0), std::min(y, 395.0), vx, draw.Next() % 20 - 10.0};
}

std::unique_ptr<Draw_Controler> Seeded(std::uint32_t seed) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(seed);
  return model;
}

std::string Text(const char* pattern, int value) {
  char text[255];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

TEST(Random_Source, GivesTheCheckValues) {
  Random_Source random;
  random.Seed(1);
  for (int expected : {130, 10982, 1090, 11656, 7117, 17595}) EXPECT_EQ(random.Next(), expected);
  random.Seed(12345);
  for (int expected : {24996, 10921, 23577, 19316, 10386, 21959}) EXPECT_EQ(random.Next(), expected);
  EXPECT_EQ(random.Next_Below(0), 0);
}

TEST(Model, StartsWithItsDefaults) {
  const Draw_Controler model;
  EXPECT_EQ(model.phase, 0);
  EXPECT_EQ(model.ellipse_count + model.rect_count + model.line_count + model.text_count, 0);
  EXPECT_EQ(model.Map_X(0), 10);
  EXPECT_EQ(model.Map_Y(0), 410);
  EXPECT_EQ(model.Map_Y(400), 10);
  EXPECT_EQ(model.particle_count, 200);
  EXPECT_EQ(model.mass_ratio, 20.0);
  EXPECT_EQ(model.temperature, 20.0);
  EXPECT_EQ(model.box_width, 400.0);
  EXPECT_EQ(model.box_height, 400.0);
  EXPECT_EQ(model.target_on + 2 * model.trace_on + 4 * model.periodic + 8 * model.popup_open, 1);
  EXPECT_EQ(model.run_state + 2 * model.run_ready + 4 * model.run_busy + 8 * model.run_done, 2);
  EXPECT_EQ(model.trace_x->capacity + model.trace_y->capacity, 780);
  EXPECT_EQ(model.trace_x->last + model.trace_y->last, -2);
}

// Initialize against the layout worked out from the same draws.
TEST(Model, InitializeLaysOutTheDrawsTheBoxTheTargetAndTheLabels) {
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    auto model = Seeded(seed);
    const int n = seed % 5 == 0 ? 20 : 200;
    model->particle_count = n;
    model->target_on = seed % 3 == 0 ? 0 : 1;
    model->mass_ratio = seed + 0.9;
    model->temperature = 55.0;
    model->vel_x[n + 1] = model->vel_y[n + 1] = 3.0;
    model->Initialize();

    Lcg draw(seed);
    for (int i = 1; i <= n; ++i) {
      const Particle p = Draw_Particle(draw);
      ASSERT_EQ(model->ellipse_left[i], p.x) << "seed " << seed << " particle " << i;
      ASSERT_EQ(model->ellipse_top[i], p.y) << i;
      ASSERT_EQ(model->ellipse_right[i], p.x + 5) << i;
      ASSERT_EQ(model->ellipse_bottom[i], p.y + 5) << i;
      ASSERT_EQ(model->vel_x[i], p.vx) << i;
      ASSERT_EQ(model->vel_y[i], p.vy) << i;
      ASSERT_EQ(model->ellipse_pen[i], 0x00FF00u);
      ASSERT_EQ(model->ellipse_brush[i], 0x00FF00u);
    }
    const int t = n + 1;  // placed whether or not it is shown
    EXPECT_EQ(model->ellipse_count, model->target_on ? t : n);
    EXPECT_EQ(model->ellipse_left[t], 200.0);
    EXPECT_EQ(model->ellipse_top[t], 200.0);
    EXPECT_EQ(model->ellipse_right[t], 240.0);
    EXPECT_EQ(model->ellipse_bottom[t], 240.0);
    EXPECT_EQ(model->vel_x[t], 0.0);
    EXPECT_EQ(model->vel_y[t], 0.0);
    EXPECT_EQ(model->ellipse_pen[t], 0x0000FFu);
    EXPECT_EQ(model->ellipse_brush[t], 0x0000FFu);
    EXPECT_EQ(model->temperature, 20.0);
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, 20));
    EXPECT_EQ(model->text_string[2], Text(texts::mass_ratio_label, static_cast<int>(seed)));
  }
  auto model = Seeded(1);
  model->Initialize();
  EXPECT_EQ(model->rect_count, 1);
  EXPECT_EQ(model->rect_left[1] + model->rect_top[1], 0.0);
  EXPECT_EQ(model->rect_right[1], 400.0);
  EXPECT_EQ(model->rect_bottom[1], 400.0);
  EXPECT_EQ(model->rect_pen[1], 0xFF0000u);
  EXPECT_EQ(model->rect_brush[1], 0xFFFFFFu);
  EXPECT_EQ(model->text_count, 2);
  for (int i : {1, 2}) {
    EXPECT_EQ(model->text_x[i], i == 1 ? 30.0 : 140.0);
    EXPECT_EQ(model->text_y[i], -20.0);
    EXPECT_EQ(model->text_bk_mode[i], 1);
    EXPECT_EQ(model->text_color[i], i == 1 ? 0xFF0000u : 0x0000FFu);
  }
  EXPECT_EQ(model->run_state, model->run_ready);
}

// Heating and cooling scale the small particles' velocities by 1.25 or 0.8
// and the temperature by the square; heating stops short of the largest
// temperature the label can show.
TEST(Model, TemperatureControls) {
  const struct {
    bool heat;
    int presses;
    double temperature;
    int shown;
  } cases[] = {{true, 1, 31.25, 31}, {false, 1, 12.8, 12}, {false, 2, 8.192, 8}, {true, 3, 76.2939453125, 76}};
  for (const auto& c : cases) {
    auto model = Seeded(3);
    model->Initialize();
    const std::vector<double> vx(model->vel_x, model->vel_x + 201), vy(model->vel_y, model->vel_y + 201);
    model->vel_x[201] = 1.0;
    for (int k = 0; k < c.presses; ++k) c.heat ? model->Heat_Up() : model->Cool_Down();
    EXPECT_DOUBLE_EQ(model->temperature, c.temperature);
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, c.shown));
    const double factor = std::pow(c.heat ? 1.25 : 0.8, c.presses);
    for (int i = 1; i <= 200; ++i) {
      ASSERT_DOUBLE_EQ(model->vel_x[i], vx[i] * factor) << i;
      ASSERT_DOUBLE_EQ(model->vel_y[i], vy[i] * factor) << i;
    }
    EXPECT_EQ(model->vel_x[201], 1.0);
  }

  auto model = Seeded(4);
  model->particle_count = 20;
  model->Initialize();
  for (int k = 0; k < 41; ++k) model->Heat_Up();
  const double hottest = model->temperature;
  const double vx = model->vel_x[20];
  EXPECT_GT(hottest * 1.5625, 2147483647.0);
  EXPECT_LE(hottest, 2147483647.0);
  for (int k = 0; k < 100; ++k) model->Heat_Up();
  EXPECT_EQ(model->temperature, hottest);
  EXPECT_EQ(model->vel_x[20], vx);
  EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, static_cast<int>(hottest)));
}

// Reset draws every small particle's vx then vy afresh and sets 20; the label
// keeps the old number until the next step.
TEST(Model, ResetVelocitiesDrawsThemAgain) {
  auto model = Seeded(5);
  model->Initialize();
  model->Heat_Up();
  model->vel_x[201] = 2.0;
  const double left = model->ellipse_left[9];
  Lcg draw(5);
  for (int i = 1; i <= 200; ++i) Draw_Particle(draw);
  model->Reset_Velocities();
  for (int i = 1; i <= 200; ++i) {
    ASSERT_EQ(model->vel_x[i], draw.Next() % 20 - 10) << i;
    ASSERT_EQ(model->vel_y[i], draw.Next() % 20 - 10) << i;
  }
  EXPECT_EQ(model->vel_x[201], 2.0);
  EXPECT_EQ(model->ellipse_left[9], left);
  EXPECT_EQ(model->temperature, 20.0);
  EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, 31));
}

}  // namespace
