#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "draw_controler.h"

namespace {

void Place(Draw_Controler& model, int i, double left, double top, double vx, double vy) {
  const double size = i == model.particle_count + 1 ? 40.0 : 5.0;
  model.ellipse_left[i] = left;
  model.ellipse_top[i] = top;
  model.ellipse_right[i] = left + size;
  model.ellipse_bottom[i] = top + size;
  model.vel_x[i] = vx;
  model.vel_y[i] = vy;
}

// A laid-out model with `n` small particles standing still in a row along the
// bottom and the target, on, standing still at (180, 180); each test then
// places and sets going what it needs.
std::unique_ptr<Draw_Controler> Still(int n) {
  auto model = std::make_unique<Draw_Controler>();
  model->particle_count = n;
  model->Advance();
  for (int i = 1; i <= n; ++i) Place(*model, i, 10.0 * i, 10.0, 0.0, 0.0);
  Place(*model, n + 1, 180.0, 180.0, 0.0, 0.0);
  return model;
}

double Energy(const Draw_Controler& model) {
  double twice = 0.0;
  for (int i = 1; i <= model.particle_count + 1; ++i) {
    const double mass = i <= model.particle_count ? 1.0 : model.mass_ratio;
    twice += mass * (model.vel_x[i] * model.vel_x[i] + model.vel_y[i] * model.vel_y[i]);
  }
  return twice / 2.0;
}

// One particle moving along one axis in a 400 box, tried along x and along y.
TEST(Move, Walls) {
  const struct {
    bool target;
    std::uint8_t periodic;
    double from, v, to, v_after;
  } cases[] = {
      {false, 0, 393, 2, 395, 2},  {false, 0, 395, 2, 393, -2}, {false, 0, 394, 2, 392, -2},
      {false, 0, 398, 1, 397, -1}, {false, 0, 1, -1, 0, -1},    {false, 0, 0, -1, 1, 1},
      // Beyond a wall and heading back in: it carries on in.
      {false, 0, 399, -1, 398, -1}, {false, 0, -3, 1, -2, 1},
      {false, 2, 394, 3, 391, -3},  // only 1 means periodic
      {false, 1, 394, 1, 395, 1},   {false, 1, 395, 1, 1, 1},   {false, 1, 394, 3, 3, 3},
      {false, 1, 1, -1, 0, -1},     {false, 1, 0, -1, 394, -1}, {false, 1, 1, -3, 392, -3},
      {true, 0, 359, 1, 360, 1},    {true, 0, 360, 1, 359, -1}, {true, 1, 360, 1, 359, -1},
      {true, 0, 1, -1, 0, -1},      {true, 0, 0, -1, 1, 1},     {true, 1, 1, -2, 3, 2},
      {true, 0, 362, -1, 361, -1},  {true, 0, -2, 1, -1, 1},
  };
  for (const auto& c : cases) {
    for (const bool along_y : {false, true}) {
      auto model = Still(1);
      const int i = c.target ? 2 : 1;
      if (!c.target) model->ellipse_count = 1;
      model->periodic = c.periodic;
      along_y ? Place(*model, i, 100, c.from, 0, c.v) : Place(*model, i, c.from, 100, c.v, 0);
      model->Move();
      const double size = c.target ? 40 : 5;
      const double* low = along_y ? model->ellipse_top : model->ellipse_left;
      const double* high = along_y ? model->ellipse_bottom : model->ellipse_right;
      const double* v = along_y ? model->vel_y : model->vel_x;
      const double* other = along_y ? model->ellipse_left : model->ellipse_top;
      const auto what = ::testing::Message() << (c.target ? "target" : "particle") << " periodic "
                                             << int{c.periodic} << " from " << c.from << " v " << c.v
                                             << (along_y ? " along y" : " along x");
      EXPECT_EQ(low[i], c.to) << what;
      EXPECT_EQ(high[i], c.to + size) << what;
      EXPECT_EQ(v[i], c.v_after) << what;
      EXPECT_EQ(other[i], 100.0) << what;
    }
  }
}

// The target (mass M) and a particle whose next corner lies inside the
// target's square exchange momentum elastically on each axis.
TEST(Move, CollisionsKeepMomentumAndEnergy) {
  const struct {
    double m, target_v, v, target_after, after;
  } cases[] = {{20, 0, 10, 20.0 / 21, -190.0 / 21},
               {1, 3, -5, -5, 3},
               {2, 0, 9, 6, -3},
               {100, 1, -2, 95.0 / 101, 398.0 / 101}};
  for (const auto& c : cases) {
    auto model = Still(1);
    model->mass_ratio = c.m;
    Place(*model, 2, 180, 180, c.target_v, 2 * c.target_v);
    Place(*model, 1, 195, 195, c.v, 2 * c.v);
    const double momentum_x = c.m * c.target_v + c.v;
    const double energy = Energy(*model);
    model->Move();
    EXPECT_DOUBLE_EQ(model->vel_x[2], c.target_after) << c.m;
    EXPECT_DOUBLE_EQ(model->vel_x[1], c.after) << c.m;
    EXPECT_DOUBLE_EQ(model->vel_y[2], 2 * c.target_after) << c.m;
    EXPECT_DOUBLE_EQ(model->vel_y[1], 2 * c.after) << c.m;
    EXPECT_NEAR(c.m * model->vel_x[2] + model->vel_x[1], momentum_x, 1e-12);
    EXPECT_NEAR(Energy(*model), energy, 1e-9 * energy);
    // No jump: the particle moves on by its new velocity from where it stood.
    EXPECT_DOUBLE_EQ(model->ellipse_left[1], 195 + c.after);
  }
}

TEST(Move, CollisionsNeedACornerStrictlyInsideTheTargetPresent) {
  const struct {
    double x, y;
    bool collides;
  } cases[] = {{180, 200, false}, {220, 200, false}, {200, 180, false},     {200, 220, false},
               {181, 200, true},  {200, 181, true},  {219.5, 219.5, true}};
  for (const std::uint8_t target_on : {0, 1, 2}) {
    for (const auto& c : cases) {
      auto model = Still(1);
      model->target_on = target_on;
      Place(*model, 1, c.x - 1, c.y - 1, 1, 1);
      model->Move();
      EXPECT_EQ(model->vel_x[1] != 1.0, c.collides && target_on == 1) << c.x << "," << c.y;
      EXPECT_EQ(model->vel_y[1] != 1.0, c.collides && target_on == 1) << c.x << "," << c.y;
    }
  }
}

TEST(Move, CollisionsFollowOneAnotherAndTheWallsJudgeTheCornerBeforeThem) {
  auto model = Still(2);
  model->mass_ratio = 1;  // equal masses swap velocities
  Place(*model, 1, 195, 195, 5, 0);
  Place(*model, 2, 190, 190, -3, 0);
  model->Move();
  EXPECT_EQ(model->vel_x[1], 0.0);
  EXPECT_EQ(model->vel_x[2], 5.0);  // the target's velocity from the first collision
  EXPECT_EQ(model->vel_x[3], -3.0);

  // Heading for 396, beyond the wall at 395: it turns, though after the
  // collision it would have stopped at 395.
  model = Still(1);
  model->mass_ratio = 1;
  Place(*model, 2, 360, 100, 1, 0);
  Place(*model, 1, 394, 110, 2, 0);
  model->Move();
  EXPECT_EQ(model->vel_x[1], -1.0);
  EXPECT_EQ(model->ellipse_left[1], 393.0);
}

// The path gets the target's centre where the step found it, once for a step
// with any collision, while tracing and the target are on.
TEST(Move, RecordsTheTargetsCentreOncePerStepWithACollision) {
  for (const std::uint8_t trace_on : {1, 2}) {
    auto model = Still(3);
    model->trace_on = trace_on;
    Place(*model, 4, 200, 190, 3, -2);
    Place(*model, 1, 205, 195, 1, 1);
    Place(*model, 2, 215, 205, 1, 1);
    model->Move();
    EXPECT_EQ(model->trace_x->last, trace_on == 1 ? 0 : -1);
    EXPECT_EQ(model->trace_x->Get(0), trace_on == 1 ? 220.0 : 0.0);
    EXPECT_EQ(model->trace_y->Get(0), trace_on == 1 ? 210.0 : 0.0);
    Place(*model, 1, 10, 10, 0, 0);
    Place(*model, 2, 20, 10, 0, 0);
    model->Move();
    EXPECT_EQ(model->trace_x->last, trace_on == 1 ? 0 : -1);
  }
}

// Segment j runs from sample j back to sample j - 1 of what the path holds.
TEST(Move, RebuildsThePathPolyline) {
  for (const int samples : {0, 1, 3, 390, 395}) {
    auto model = Still(1);
    model->ellipse_count = 1;
    model->trace_on = 1;
    for (int k = 0; k < samples; ++k) {
      model->trace_x->Push(k);
      model->trace_y->Push(1000 + k);
    }
    model->Move();
    const int kept = std::min(samples, 390);
    const int oldest = samples - kept;
    EXPECT_EQ(model->line_count, std::max(kept - 1, 0)) << samples;
    for (int j = 1; j <= model->line_count; ++j) {
      ASSERT_EQ(model->line_x1[j], oldest + j) << j;
      ASSERT_EQ(model->line_y1[j], 1000 + oldest + j) << j;
      ASSERT_EQ(model->line_x2[j], oldest + j - 1) << j;
      ASSERT_EQ(model->line_y2[j], 1000 + oldest + j - 1) << j;
      ASSERT_EQ(model->line_pen[j], 0xFF00FFu) << j;
    }
    model->trace_on = 2;
    model->line_x1[1] = -7;
    model->Move();
    EXPECT_EQ(model->line_count, 0);
    EXPECT_EQ(model->line_x1[1], -7);
  }
}

TEST(Move, TickLaysOutInPhaseZeroAndStepsInPhaseOne) {
  Draw_Controler model;
  model.Advance();
  EXPECT_EQ(model.phase, 1);
  EXPECT_EQ(model.run_state, model.run_ready);
  EXPECT_EQ(model.run_done, model.run_busy);
  model.rect_count = 5;
  model.text_count = 7;
  model.temperature = 31.25;
  model.Advance();
  EXPECT_EQ(model.phase, 1);
  EXPECT_EQ(model.run_state, model.run_busy);
  EXPECT_EQ(model.run_done, model.run_ready);
  EXPECT_EQ(model.rect_count, 1);
  EXPECT_EQ(model.text_count, 2);
  EXPECT_STREQ(model.text_string[1] + 5, "31 \x81\x8e");
  model.phase = 0;
  model.ellipse_left[1] = -50;
  model.Advance();
  EXPECT_EQ(model.phase, 1);
  EXPECT_EQ(model.run_state, model.run_ready);
  EXPECT_GE(model.ellipse_left[1], 0.0);
}

// Over thousands of steps the collisions and walls keep the total kinetic
// energy, and no particle is outside the box for two steps running.
TEST(Move, LongRunsKeepEnergyAndTheParticlesInTheBox) {
  for (const double m : {1.0, 20.0}) {
    for (const std::uint8_t periodic : {0, 1}) {
      Draw_Controler model;
      model.random.Seed(static_cast<std::uint32_t>(m) + periodic);
      model.mass_ratio = m;
      model.periodic = periodic;
      model.Advance();
      const double start = Energy(model);
      std::vector<int> outside(202, 0);
      for (int step = 0; step < 3000; ++step) {
        model.Advance();
        for (int i = 1; i <= 201; ++i) {
          const double limit = i == 201 ? 360.0 : 395.0;
          const bool out = model.ellipse_left[i] < 0 || model.ellipse_left[i] > limit ||
                           model.ellipse_top[i] < 0 || model.ellipse_top[i] > limit;
          outside[i] = out ? outside[i] + 1 : 0;
          ASSERT_LE(outside[i], 1) << "particle " << i << " step " << step << " M " << m;
        }
      }
      EXPECT_NEAR(Energy(model) / start, 1.0, 1e-9) << "M " << m << " periodic " << int{periodic};
    }
  }
}

}  // namespace
