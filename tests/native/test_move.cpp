// The time step and the tick: walls, collisions, the path, the handshake, and
// the laws the steps keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "particle.h"

namespace {

struct Move_Of {
  const char* what;
  Particle before;
  Particle after;
};

// A laid-out model holding just the particles of `moves`, the last of them
// the target, each placed as it is before the step.
void Set_Up(Draw_Controler& model, const std::vector<Move_Of>& moves) {
  model.particle_count = static_cast<int>(moves.size()) - 1;
  model.Advance();
  for (std::size_t k = 0; k < moves.size(); ++k) Place(model, static_cast<int>(k) + 1, moves[k].before);
}

void Expect_Moved(const Draw_Controler& model, const std::vector<Move_Of>& moves) {
  for (std::size_t k = 0; k < moves.size(); ++k) {
    SCOPED_TRACE(moves[k].what);
    const int i = static_cast<int>(k) + 1;
    EXPECT_EQ(Particle_Of(model, i), moves[k].after);
    EXPECT_EQ(model.ellipse_right[i] - model.ellipse_left[i], i == model.particle_count + 1 ? 40 : 5);
    EXPECT_EQ(model.ellipse_bottom[i] - model.ellipse_top[i], i == model.particle_count + 1 ? 40 : 5);
  }
}

double Energy(const Draw_Controler& model) {
  double twice = 0.0;
  for (int i = 1; i <= model.particle_count + 1; ++i) {
    const double mass = i <= model.particle_count ? 1.0 : model.mass_ratio;
    twice += mass * (model.vel_x[i] * model.vel_x[i] + model.vel_y[i] * model.vel_y[i]);
  }
  return twice / 2;
}

// Along x and along y, in units of a small particle's mass.
std::pair<double, double> Momentum(const Draw_Controler& model) {
  std::pair<double, double> sum;
  for (int i = 1; i <= model.particle_count + 1; ++i) {
    const double mass = i <= model.particle_count ? 1.0 : model.mass_ratio;
    sum.first += mass * model.vel_x[i];
    sum.second += mass * model.vel_y[i];
  }
  return sum;
}

// Small particles turn at the walls 0 and 395 only when the wall would carry
// them further out. The one whose next corner lies strictly inside the
// target's square (180..220) meets the target, mass 20, elastically on each
// axis, and moves on from where it stood; the target then moves, and its
// centre where the step found it is recorded. Walls and collisions keep the
// energy. Only 1 switches periodic walls or tracing on.
TEST(Move, ReflectingWallsTurnAndTheTargetTakesMomentum) {
  const std::vector<Move_Of> moves = {
      {"up to the far wall", {393, 10, 2, 0}, {395, 10, 2, 0}},
      {"off the far wall", {10, 395, 0, 2}, {10, 393, 0, -2}},
      {"just past the far wall", {20, 393, 0, 2.001}, {20, 390.999, 0, -2.001}},
      {"off the near wall", {0, 50, -1, 0}, {1, 50, 1, 0}},
      {"up to the near wall", {60, 1, 0, -1}, {60, 0, 0, -1}},
      {"beyond the far wall, heading back", {399, 70, -0.5, 0}, {398.5, 70, -0.5, 0}},
      {"beyond the near wall, heading back", {80, -3, 0, 0.5}, {80, -2.5, 0, 0.5}},
      {"into the target", {195, 195, 10, 20}, {195 - 190.0 / 21, 195 - 380.0 / 21, -190.0 / 21, -380.0 / 21}},
      {"onto the target's edge", {179, 199, 1, 1}, {180, 200, 1, 1}},
      {"the target", {180, 180, 0, 0}, {180 + 20.0 / 21, 180 + 40.0 / 21, 20.0 / 21, 40.0 / 21}},
  };
  for (const std::uint8_t switches : {1, 2}) {
    SCOPED_TRACE(int{switches});
    Draw_Controler model;
    Set_Up(model, moves);
    model.periodic = switches == 1 ? 0 : 2;
    model.trace_on = switches;
    model.rect_count = 5;
    model.text_count = 7;
    model.temperature = 31.25;
    const double energy = Energy(model);
    model.Move();
    Expect_Moved(model, moves);
    EXPECT_NEAR(Energy(model), energy, 1e-12 * energy);
    EXPECT_EQ(model.trace_x->last, switches == 1 ? 0 : -1);
    EXPECT_EQ(model.trace_x->Get(0), switches == 1 ? 200 : 0);
    EXPECT_EQ(model.trace_y->Get(0), switches == 1 ? 200 : 0);
    // The step restores the counts, shows the temperature and hands back.
    EXPECT_EQ(model.rect_count, 1);
    EXPECT_EQ(model.text_count, 2);
    EXPECT_EQ(model.text_string[1][5], '3');
    EXPECT_EQ(model.text_string[1][6], '1');
    EXPECT_EQ(model.run_state, model.run_busy);
    EXPECT_EQ(model.run_done, model.run_ready);
  }
}

// Periodic walls bring small particles back through the opposite wall with
// their velocity; collisions follow one another in a step, and with equal
// masses they swap velocities. Momentum and energy are kept.
TEST(Move, PeriodicWallsWrapAndCollisionsFollowOneAnother) {
  const std::vector<Move_Of> moves = {
      {"up to the far wall", {394, 10, 1, 0}, {395, 10, 1, 0}},
      {"out at the far wall", {395, 20, 1, 0}, {1, 20, 1, 0}},
      {"out at the near wall", {30, 0, 0, -1}, {30, 394, 0, -1}},
      {"out at the left wall", {0, 60, -1, 0}, {394, 60, -1, 0}},
      {"up to the near wall", {40, 1, 0, -1}, {40, 0, 0, -1}},
      {"out at both far walls", {394, 394, 3, 3}, {3, 3, 3, 3}},
      {"into the target at rest", {195, 195, 5, 0}, {195, 195, 0, 0}},
      {"into the target moving", {190, 190, -3, 0}, {195, 190, 5, 0}},
      {"the target", {180, 180, 0, 0}, {177, 180, -3, 0}},
  };
  Draw_Controler model;
  Set_Up(model, moves);
  model.periodic = 1;
  model.mass_ratio = 1;
  const double energy = Energy(model);
  const auto momentum = Momentum(model);
  model.Move();
  Expect_Moved(model, moves);
  EXPECT_EQ(Energy(model), energy);
  EXPECT_EQ(Momentum(model), momentum);
}

// The target turns at 0 and 360 on both axes, and never wraps; a step in
// which it meets no particle records nothing. Only a present target meets
// particles, and then even one that only just reaches inside its square. The
// walls judge the corner a particle was heading for before it met the
// target: heading for 396, it turns the velocity the collision left,
// although after the collision it would stop at 395.
TEST(Move, TheTargetTurnsAtItsWalls) {
  const struct {
    const char* what;
    std::uint8_t periodic;
    Particle before;
    Particle after;
  } cases[] = {
      {"off both walls", 0, {360, 0, 1, -1}, {359, 1, -1, 1}},
      {"off the other two walls", 0, {0, 360, -1, 1}, {1, 359, 1, -1}},
      {"off both walls, periodic", 1, {360, 0, 1, -1}, {359, 1, -1, 1}},
      {"beyond both walls, heading back", 0, {362, -2, -1, 1}, {361, -1, -1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Draw_Controler model;
    Set_Up(model, {{c.what, c.before, c.after}});
    model.periodic = c.periodic;
    model.trace_on = 1;
    model.Move();
    EXPECT_EQ(Particle_Of(model, 1), c.after);
    EXPECT_EQ(model.trace_x->last, -1);
  }
  Draw_Controler absent;
  Set_Up(absent, {{"", {195, 195, 10, 20}, {}}, {"", {180, 180, 0, 0}, {}}});
  absent.target_on = 2;
  absent.Move();
  EXPECT_EQ(Particle_Of(absent, 1), (Particle{205, 215, 10, 20}));
  EXPECT_EQ(Particle_Of(absent, 2), (Particle{180, 180, 0, 0}));
  Draw_Controler grazing;
  Set_Up(grazing, {{"", {179.5, 199, 0.51, 1}, {}}, {"", {180, 180, 0, 0}, {}}});
  grazing.Move();
  EXPECT_DOUBLE_EQ(Particle_Of(grazing, 1).vx, -19 * 0.51 / 21);
  Draw_Controler at_the_wall;
  Set_Up(at_the_wall, {{"", {394, 110, 2, 0}, {}}, {"", {360, 100, 1, 0}, {}}});
  at_the_wall.mass_ratio = 1;
  at_the_wall.Move();
  EXPECT_EQ(Particle_Of(at_the_wall, 1), (Particle{393, 110, -1, 0}));
  EXPECT_EQ(Particle_Of(at_the_wall, 2), (Particle{358, 100, -2, 0}));
}

// Segment j runs from sample j back to sample j - 1 of the path, in
// magenta; entry 0 holds the oldest point. The x history sets the length;
// past the end of the y history its samples read 0. Not tracing, there is
// no path and the tables are left alone.
TEST(Move, DrawsThePathFromTheRecordedSamples) {
  for (const int samples : {0, 1, 3, 390, 395}) {
    SCOPED_TRACE(samples);
    // Without the target nothing adds to the path.
    Draw_Controler model;
    model.Advance();
    model.target_on = 0;
    model.trace_on = 1;
    model.line_x1[0] = -1;
    for (int k = 0; k < samples; ++k) {
      model.trace_x->Push(k);
      model.trace_y->Push(1000 + k);
    }
    model.Move();
    const int oldest = std::max(samples - 390, 0);
    EXPECT_EQ(model.line_count, std::clamp(samples - 1, 0, 389));
    EXPECT_EQ(model.line_x1[0], samples > 0 ? oldest : 0);
    for (int j = 1; j <= model.line_count; ++j) {
      const double k = oldest + j;
      ASSERT_EQ(model.line_x1[j], k) << "segment " << j;
      ASSERT_EQ(model.line_y1[j], 1000 + k) << "segment " << j;
      ASSERT_EQ(model.line_x2[j], k - 1) << "segment " << j;
      ASSERT_EQ(model.line_y2[j], 999 + k) << "segment " << j;
      ASSERT_EQ(model.line_pen[j], colours::magenta) << "segment " << j;
    }
    model.trace_x->Push(-5);
    model.Move();
    EXPECT_EQ(model.line_y1[model.line_count], samples < 390 ? 0 : 1000 + oldest + model.line_count);
    model.trace_on = 2;
    model.line_x1[1] = -7;
    model.Move();
    EXPECT_EQ(model.line_count, 0);
    EXPECT_EQ(model.line_x1[1], -7);
  }
}

// Over thousands of steps the collisions and walls keep the total kinetic
// energy, and no particle is outside the box for two steps running.
TEST(Move, LongRunsKeepEnergyAndTheParticlesInTheBox) {
  for (const double m : {1.0, 20.0}) {
    for (const std::uint8_t periodic : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "M " << m << " periodic " << int{periodic});
      Draw_Controler model;
      model.random.Seed(static_cast<std::uint32_t>(m) + periodic);
      model.mass_ratio = m;
      model.periodic = periodic;
      model.Advance();
      const double start = Energy(model);
      int outside[202] = {};
      for (int step = 0; step < 3000; ++step) {
        model.Advance();
        for (int i = 1; i <= 201; ++i) {
          const double limit = i == 201 ? 360.0 : 395.0;
          const double x = model.ellipse_left[i];
          const double y = model.ellipse_top[i];
          const bool out = x < 0 || x > limit || y < 0 || y > limit;
          outside[i] = out ? outside[i] + 1 : 0;
          ASSERT_LE(outside[i], 1) << "particle " << i << " step " << step;
        }
      }
      EXPECT_NEAR(Energy(model) / start, 1.0, 1e-9);
    }
  }
}

}  // namespace
