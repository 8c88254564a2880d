#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "draw_controler.h"

namespace {

using Values = std::vector<double>;

void Place(Draw_Controler& model, int i, double left, double top, double vx, double vy) {
  const double size = i == model.particle_count + 1 ? 40.0 : 5.0;
  model.ellipse_left[i] = left, model.ellipse_top[i] = top, model.vel_x[i] = vx, model.vel_y[i] = vy;
  model.ellipse_right[i] = left + size, model.ellipse_bottom[i] = top + size;
}

// A laid-out model with `n` small particles standing still in a row along the
// bottom and the target, present, standing still at (180, 180).
std::unique_ptr<Draw_Controler> Still(int n) {
  auto model = std::make_unique<Draw_Controler>();
  model->particle_count = n;
  model->Advance();
  for (int i = 1; i <= n; ++i) Place(*model, i, 10.0 * i, 10.0, 0.0, 0.0);
  Place(*model, n + 1, 180.0, 180.0, 0.0, 0.0);
  return model;
}

double Energy(const Draw_Controler& m) {
  double twice = 0.0;
  for (int i = 1; i <= m.particle_count + 1; ++i)
    twice += (i <= m.particle_count ? 1.0 : m.mass_ratio) * (m.vel_x[i] * m.vel_x[i] + m.vel_y[i] * m.vel_y[i]);
  return twice / 2;
}

// One particle moving along one axis in the 400 box, tried along x and along
// y: {target?, periodic, from, v, to, v after}.
TEST(Move, Walls) {
  const struct { bool target; std::uint8_t periodic; double from, v, to, v_after; } cases[] = {
      {0, 0, 393, 2, 395, 2},  {0, 0, 395, 2, 393, -2}, {0, 0, 398, 1, 397, -1},  {0, 0, 393, 2.001, 393 - 2.001, -2.001},
      {0, 0, 1, -1, 0, -1},    {0, 0, 0, -1, 1, 1},     {0, 0, 1, -1.001, 1 + 1.001, 1.001},
      {0, 0, 399, -0.5, 398.5, -0.5}, {0, 0, -3, 0.5, -2.5, 0.5},  // beyond a wall, heading back in
      {0, 2, 394, 3, 391, -3},  // only 1 means periodic
      {0, 1, 394, 1, 395, 1},  {0, 1, 395, 1, 1, 1},    {0, 1, 394, 3, 3, 3},     {0, 1, 1, -1, 0, -1},
      {0, 1, 0, -1, 394, -1},  {0, 1, 1, -3, 392, -3},  {1, 0, 359, 1, 360, 1},   {1, 0, 360, 1, 359, -1},
      {1, 1, 360, 1, 359, -1}, {1, 0, 1, -1, 0, -1},    {1, 0, 0, -1, 1, 1},      {1, 1, 1, -2, 3, 2},
      {1, 0, 362, -1, 361, -1}, {1, 0, -2, 1, -1, 1}};
  for (const auto& c : cases) {
    for (const bool along_y : {false, true}) {
      auto model = Still(1);
      const int i = c.target ? 2 : 1;
      model->ellipse_count = i;
      model->periodic = c.periodic;
      along_y ? Place(*model, i, 100, c.from, 0, c.v) : Place(*model, i, c.from, 100, c.v, 0);
      model->Move();
      const double* edges[] = {model->ellipse_left, model->ellipse_right, model->ellipse_top, model->ellipse_bottom};
      const Values moved = {edges[2 * along_y][i], edges[2 * along_y + 1][i], (along_y ? model->vel_y : model->vel_x)[i],
                            edges[2 - 2 * along_y][i]};
      EXPECT_EQ(moved, Values({c.to, c.to + (c.target ? 40 : 5), c.v_after, 100}))
          << "target " << c.target << " periodic " << int{c.periodic} << " from " << c.from << " v " << c.v << " y " << along_y;
    }
  }
}

// The target (mass M) and a particle whose next corner lies strictly inside
// the target's square exchange momentum elastically on each axis; the
// particle moves on by its new velocity from where it stood. Collisions in
// one step follow one another, and the walls judge the corner the particle
// was heading for before its collision.
TEST(Move, Collisions) {
  const struct { double m, target_v, v, target_after, after; } cases[] = {
      {20, 0, 10, 20.0 / 21, -190.0 / 21}, {1, 3, -5, -5, 3}, {2, 0, 9, 6, -3}, {100, 1, -2, 95.0 / 101, 398.0 / 101}};
  for (const auto& c : cases) {
    auto model = Still(1);
    model->mass_ratio = c.m;
    Place(*model, 2, 180, 180, c.target_v, 2 * c.target_v);
    Place(*model, 1, 195, 195, c.v, 2 * c.v);
    const double energy = Energy(*model);
    model->Move();
    const Values expected = {c.target_after, c.after, 2 * c.target_after, 2 * c.after, 195 + c.after};
    const Values got = {model->vel_x[2], model->vel_x[1], model->vel_y[2], model->vel_y[1], model->ellipse_left[1]};
    for (std::size_t k = 0; k < got.size(); ++k) EXPECT_DOUBLE_EQ(got[k], expected[k]) << "M " << c.m << " value " << k;
    EXPECT_NEAR(c.m * model->vel_x[2] + model->vel_x[1], c.m * c.target_v + c.v, 1e-12);
    EXPECT_NEAR(Energy(*model), energy, 1e-12 * energy);
  }

  const struct { double x, y; bool collides; } corners[] = {
      {180, 200, 0}, {220, 200, 0}, {200, 180, 0}, {200, 220, 0}, {181, 200, 1}, {200, 181, 1}, {180.01, 200, 1}, {219.5, 219.5, 1}};
  for (const std::uint8_t target_on : {0, 1, 2}) {
    for (const auto& c : corners) {
      auto model = Still(1);
      model->target_on = target_on;
      Place(*model, 1, c.x - 1, c.y - 1, 1, 1);
      model->Move();
      EXPECT_EQ(std::vector<bool>({model->vel_x[1] != 1, model->vel_y[1] != 1}), std::vector<bool>(2, c.collides && target_on == 1))
          << c.x << "," << c.y << " target " << int{target_on};
    }
  }

  auto model = Still(2);
  model->mass_ratio = 1;  // equal masses swap velocities
  Place(*model, 1, 195, 195, 5, 0);
  Place(*model, 2, 190, 190, -3, 0);
  model->Move();
  EXPECT_EQ(Values({model->vel_x[1], model->vel_x[2], model->vel_x[3]}), Values({0, 5, -3}));
  model = Still(1);  // heading for 396, beyond the wall at 395; after the collision it would stop at 395
  model->mass_ratio = 1;
  Place(*model, 2, 360, 100, 1, 0);
  Place(*model, 1, 394, 110, 2, 0);
  model->Move();
  EXPECT_EQ(Values({model->vel_x[1], model->ellipse_left[1]}), Values({-1, 393}));
}

// The path gets the target's centre where the step found it, once for a step
// with any collision, while tracing is on; segment j then runs from sample j
// back to sample j - 1 of what the path holds, and a sample the y history
// lacks reads as 0.
TEST(Move, RecordsAndDrawsTheTargetsPath) {
  for (const std::uint8_t trace_on : {1, 2}) {
    auto model = Still(3);
    model->trace_on = trace_on;
    Place(*model, 4, 200, 190, 3, -2);
    Place(*model, 1, 205, 195, 1, 1);
    Place(*model, 2, 215, 205, 1, 1);
    model->Move();
    Place(*model, 1, 10, 10, 0, 0);
    Place(*model, 2, 20, 10, 0, 0);
    model->Move();
    EXPECT_EQ(Values(model->trace_x->data.get(), model->trace_x->data.get() + model->trace_x->last + 1),
              Values(trace_on == 1, 220.0));
    EXPECT_EQ(model->trace_y->Get(0), trace_on == 1 ? 210.0 : 0.0);
  }
  for (const int samples : {0, 1, 3, 390, 395}) {
    auto model = Still(1);
    model->trace_on = 1;
    model->line_x1[0] = -1;
    for (int k = 0; k < samples; ++k) model->trace_x->Push(k), model->trace_y->Push(1000 + k);
    model->Move();
    const int oldest = std::max(samples - 390, 0);
    EXPECT_EQ(model->line_count, std::clamp(samples - 1, 0, 389)) << samples;
    EXPECT_EQ(model->line_x1[0], samples ? oldest : 0.0) << samples;
    for (int j = 1; j <= model->line_count; ++j) {
      const double k = oldest + j;
      ASSERT_EQ(Values({model->line_x1[j], model->line_y1[j], model->line_x2[j], model->line_y2[j], 1.0 * model->line_pen[j]}),
                Values({k, 1000 + k, k - 1, 999 + k, 0xFF00FF})) << j;
    }
    model->trace_x->Push(-5);
    model->Move();
    if (samples == 3) {
      EXPECT_EQ(Values({model->line_x1[3], model->line_y1[3]}), Values({-5, 0}));
    }
    model->trace_on = 2;
    model->line_x1[1] = -7;
    model->Move();
    EXPECT_EQ(Values({1.0 * model->line_count, model->line_x1[1]}), Values({0, -7}));
  }
}

TEST(Move, TickLaysOutInPhaseZeroAndStepsInPhaseOne) {
  Draw_Controler model;
  model.Advance();
  EXPECT_EQ(std::vector<int>({model.phase, model.run_state, model.run_done}), std::vector<int>({1, 1, 0}));
  model.rect_count = 5, model.text_count = 7, model.temperature = 31.25;
  model.Advance();
  EXPECT_EQ(std::vector<int>({model.phase, model.run_state, model.run_done, model.rect_count, model.text_count}),
            std::vector<int>({1, 0, 1, 1, 2}));
  EXPECT_STREQ(model.text_string[1] + 5, "31 \x81\x8e");
  model.phase = 0, model.ellipse_left[1] = -50;
  model.Advance();  // lays out only
  EXPECT_EQ(std::vector<int>({model.phase, model.run_state, model.ellipse_left[1] >= 0}), std::vector<int>({1, 1, 1}));
  model.phase = 5;  // neither lays out nor steps
  model.Advance();
  EXPECT_EQ(std::vector<int>({model.phase, model.run_state}), std::vector<int>({5, 0}));
  model.run_state = model.run_ready;
  model.Move();
  EXPECT_EQ(model.run_state, model.run_busy);
}

// Over thousands of steps the collisions and walls keep the total kinetic
// energy, and no particle is outside the box for two steps running.
TEST(Move, LongRunsKeepEnergyAndTheParticlesInTheBox) {
  for (const double m : {1.0, 20.0}) {
    for (const std::uint8_t periodic : {0, 1}) {
      Draw_Controler model;
      model.random.Seed(static_cast<std::uint32_t>(m) + periodic);
      model.mass_ratio = m, model.periodic = periodic;
      model.Advance();
      const double start = Energy(model);
      std::vector<int> outside(202, 0);
      for (int step = 0; step < 3000; ++step) {
        model.Advance();
        for (int i = 1; i <= 201; ++i) {
          const double limit = i == 201 ? 360.0 : 395.0, x = model.ellipse_left[i], y = model.ellipse_top[i];
          outside[i] = x < 0 || x > limit || y < 0 || y > limit ? outside[i] + 1 : 0;
          ASSERT_LE(outside[i], 1) << "particle " << i << " step " << step << " M " << m;
        }
      }
      EXPECT_NEAR(Energy(model) / start, 1.0, 1e-9) << "M " << m << " periodic " << int{periodic};
    }
  }
}

}  // namespace
