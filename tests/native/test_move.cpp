// The time step and the tick: walls, collisions, the path, the handshake, and
// the laws a long run keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
  for (int i = 1; i <= n + 1; ++i) Place(*model, i, i > n ? 180.0 : 10.0 * i, i > n ? 180.0 : 10.0, 0.0, 0.0);
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
      {0, 0, 393, 2, 395, 2},   {0, 0, 395, 2, 393, -2}, {0, 0, 398, 1, 397, -1}, {0, 0, 1, -1, 0, -1},
      {0, 0, 0, -1, 1, 1},      {0, 0, 393, 2.001, 393 - 2.001, -2.001},          {0, 0, 1, -1.001, 1 + 1.001, 1.001},
      {0, 0, 399, -0.5, 398.5, -0.5}, {0, 0, -3, 0.5, -2.5, 0.5},  // beyond a wall, heading back in
      {0, 2, 394, 3, 391, -3},  // only 1 means periodic
      {0, 1, 394, 1, 395, 1},   {0, 1, 395, 1, 1, 1},    {0, 1, 394, 3, 3, 3},    {0, 1, 1, -1, 0, -1},
      {0, 1, 0, -1, 394, -1},   {0, 1, 1, -3, 392, -3},  {1, 0, 359, 1, 360, 1},  {1, 0, 360, 1, 359, -1},
      {1, 1, 360, 1, 359, -1},  {1, 0, 1, -1, 0, -1},    {1, 0, 0, -1, 1, 1},     {1, 1, 1, -2, 3, 2},
      {1, 0, 362, -1, 361, -1}, {1, 0, -2, 1, -1, 1}};
  for (const auto& c : cases) {
    for (const bool along_y : {false, true}) {
      auto model = Still(1);
      const int i = model->ellipse_count = c.target ? 2 : 1;
      model->periodic = c.periodic;
      along_y ? Place(*model, i, 100, c.from, 0, c.v) : Place(*model, i, c.from, 100, c.v, 0);
      model->Move();
      const double* edges[] = {model->ellipse_left, model->ellipse_right, model->ellipse_top, model->ellipse_bottom};
      const double v = (along_y ? model->vel_y : model->vel_x)[i];
      EXPECT_EQ(Values({edges[2 * along_y][i], edges[2 * along_y + 1][i], v, edges[2 - 2 * along_y][i]}),
                Values({c.to, c.to + (c.target ? 40 : 5), c.v_after, 100}))
          << "target " << c.target << " periodic " << int{c.periodic} << " from " << c.from << " y " << along_y;
    }
  }
}

// The target (mass M) and a particle whose next corner lies strictly inside
// the target's square exchange momentum elastically on each axis; the
// particle moves on by its new velocity from where it stood.
TEST(Move, CollisionsKeepMomentumAndEnergy) {
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
  const struct { double x, y; bool collides; } corners[] = {{180, 200, 0}, {220, 200, 0}, {200, 180, 0}, {200, 220, 0},
      {181, 200, 1}, {200, 181, 1}, {180.01, 200, 1}, {219.5, 219.5, 1}};
  for (const std::uint8_t target_on : {0, 1, 2}) {
    for (const auto& c : corners) {
      auto model = Still(1);
      model->target_on = target_on;
      Place(*model, 1, c.x - 1, c.y - 1, 1, 1);
      model->Move();
      const double v = c.collides && target_on == 1 ? -19.0 / 21 : 1;  // M = 20, from 1 against a target at rest
      EXPECT_TRUE(model->vel_x[1] == model->vel_y[1] && std::abs(model->vel_x[1] - v) < 1e-12) << c.x << "," << c.y;
    }
  }
  // Collisions in one step follow one another; the walls judge the corner the
  // particle was heading for before its collision.
  auto model = Still(2);
  model->mass_ratio = 1;  // equal masses swap velocities
  Place(*model, 1, 195, 195, 5, 0), Place(*model, 2, 190, 190, -3, 0);
  model->Move();
  EXPECT_EQ(Values({model->vel_x[1], model->vel_x[2], model->vel_x[3]}), Values({0, 5, -3}));
  model = Still(1);  // heading for 396, beyond the wall at 395; after the collision it would stop at 395
  model->mass_ratio = 1;
  Place(*model, 2, 360, 100, 1, 0), Place(*model, 1, 394, 110, 2, 0);
  model->Move();
  EXPECT_EQ(Values({model->vel_x[1], model->ellipse_left[1]}), Values({-1, 393}));
}

// The path gets the target's centre where the step found it, once for a step
// with any collision, while tracing is on; segment j then runs from sample j
// back to sample j - 1 of what the path holds.
TEST(Move, RecordsAndDrawsTheTargetsPath) {
  for (const std::uint8_t trace_on : {1, 2}) {
    auto model = Still(3);
    model->trace_on = trace_on, model->rect_count = 5, model->text_count = 7, model->temperature = 31.25;
    Place(*model, 4, 200, 190, 3, -2), Place(*model, 1, 205, 195, 1, 1), Place(*model, 2, 215, 205, 1, 1);
    model->Move();
    Place(*model, 1, 10, 10, 0, 0), Place(*model, 2, 20, 10, 0, 0);
    model->Move();  // the step restores the counts, rewrites the temperature label and hands back
    EXPECT_EQ(Values({1.0 * model->trace_x->last, model->trace_x->Get(0), model->trace_y->Get(0)}),
              trace_on == 1 ? Values({0, 220, 210}) : Values({-1, 0, 0}));
    EXPECT_EQ(std::vector<int>({model->rect_count, model->text_count, model->run_state, model->run_done,
                                model->text_string[1][5], model->text_string[1][6]}),
              std::vector<int>({1, 2, 0, 1, '3', '1'}));
  }
  for (const int samples : {0, 1, 3, 390, 395}) {
    auto model = Still(1);
    model->trace_on = 1, model->line_x1[0] = -1;
    for (int k = 0; k < samples; ++k) model->trace_x->Push(k), model->trace_y->Push(1000 + k);
    model->Move();
    const int oldest = std::max(samples - 390, 0);
    EXPECT_EQ(Values({1.0 * model->line_count, model->line_x1[0]}),
              Values({std::clamp(samples - 1, 0, 389) + 0.0, samples ? oldest : 0.0})) << samples;
    for (int j = 1; j <= model->line_count; ++j) {
      const double k = oldest + j, pen = model->line_pen[j];
      ASSERT_EQ(Values({model->line_x1[j], model->line_y1[j], model->line_x2[j], model->line_y2[j], pen}),
                Values({k, 1000 + k, k - 1, 999 + k, 0xFF00FF})) << j;
    }
    model->trace_x->Push(-5), model->Move();  // a sample the y history lacks reads as 0
    EXPECT_EQ(model->line_y1[model->line_count], samples < 390 ? 0 : 1000 + oldest + model->line_count);
    model->trace_on = 2, model->line_x1[1] = -7;
    model->Move();
    EXPECT_EQ(Values({1.0 * model->line_count, model->line_x1[1]}), Values({0, -7}));
  }
}

// Over thousands of steps the collisions and walls keep the total kinetic
// energy, and no particle is outside the box for two steps running.
TEST(Move, LongRunsKeepEnergyAndTheParticlesInTheBox) {
  for (const auto& [m, periodic] : {std::pair{1.0, 0}, {1.0, 1}, {20.0, 0}, {20.0, 1}}) {
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
    EXPECT_NEAR(Energy(model) / start, 1.0, 1e-9) << "M " << m << " periodic " << periodic;
  }
}

}  // namespace
