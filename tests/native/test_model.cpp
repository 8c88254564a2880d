// The model's start and time step, as the laws they keep.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <set>
#include <vector>

#include "draw_controler.h"

namespace {

// A particle as the model keeps it: the first corner of its box, then its
// velocity.
using Particle = std::array<double, 4>;

Particle Particle_Of(const Draw_Controler& model, int i) {
  return {model.ellipse_left[i], model.ellipse_top[i], model.vel_x[i], model.vel_y[i]};
}

// A laid-out model of one small particle and the target, placed as given.
void Place(Draw_Controler& model, const Particle& small, const Particle& target) {
  model.particle_count = 1;
  model.Advance();
  for (const int i : {1, 2}) {
    const Particle& p = i == 1 ? small : target;
    model.ellipse_left[i] = p[0];
    model.ellipse_top[i] = p[1];
    model.ellipse_right[i] = p[0] + (i == 2 ? 40 : 5);
    model.ellipse_bottom[i] = p[1] + (i == 2 ? 40 : 5);
    model.vel_x[i] = p[2];
    model.vel_y[i] = p[3];
  }
}

// Every particle starts inside the box and off the target's square, and the
// particles spread over the whole box: each tenth of it, across and down,
// holds one. Their velocities are whole, from -10 to 9 on each axis, at the
// start and when drawn afresh. The target stands still in the middle; each
// seed gives a start of its own.
TEST(Model, StartsWithTheParticlesSpreadOverTheBox) {
  Draw_Controler model;
  std::set<double> starts;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    model.random.Seed(seed);
    model.Initialize();
    starts.insert(model.ellipse_left[1] + 1000 * model.ellipse_top[1]);
    EXPECT_EQ(Particle_Of(model, 201), (Particle{200, 200, 0, 0}));
    int columns[10] = {};
    int rows[10] = {};
    for (int i = 1; i <= 200; ++i) {
      const Particle p = Particle_Of(model, i);
      ASSERT_TRUE(0 <= p[0] && p[0] <= 395 && 0 <= p[1] && p[1] <= 395) << p[0] << ", " << p[1];
      ASSERT_FALSE(200 < p[0] && p[0] < 240 && 200 < p[1] && p[1] < 240) << p[0] << ", " << p[1];
      ++columns[static_cast<int>(p[0]) / 40];
      ++rows[static_cast<int>(p[1]) / 40];
    }
    for (int band = 0; band < 10; ++band) EXPECT_TRUE(columns[band] > 0 && rows[band] > 0) << "band " << band;
    for (const bool reset : {false, true}) {
      if (reset) {
        model.Heat_Up();
        model.Reset_Velocities();
      }
      std::set<double> velocities(model.vel_x + 1, model.vel_x + 201);
      velocities.insert(model.vel_y + 1, model.vel_y + 201);
      EXPECT_EQ(velocities, (std::set<double>{-10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
    EXPECT_EQ(model.temperature, 20);
  }
  EXPECT_EQ(starts.size(), 20u);
}

// Step after step each particle moves by its velocity, which a wall turns
// only when it would carry the particle further out: the small ones at 0 and
// 395, the target at 0 and 360. Periodic walls bring the small ones back
// through the opposite wall with their velocity; the target never wraps.
TEST(Move, WallsTurnOrWrapEveryParticle) {
  for (const int kind : {0, 1, 2}) {
    SCOPED_TRACE(kind == 0 ? "reflecting" : kind == 1 ? "periodic" : "the target alone, periodic");
    Draw_Controler model;
    model.random.Seed(kind + 1);
    model.particle_count = kind == 2 ? 0 : 200;
    model.periodic = kind > 0;
    model.Advance();
    model.target_on = kind == 2;
    model.vel_x[1] = 4;
    model.vel_y[1] = -5;
    const double high = kind == 2 ? 360 : 395;
    for (int step = 0; step < 200; ++step) {
      std::vector<Particle> was;
      for (int i = 0; i <= 200; ++i) was.push_back(Particle_Of(model, i));
      model.Move();
      for (int i = 1; i <= std::max(model.particle_count, 1); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << step << " particle " << i);
        const Particle p = Particle_Of(model, i);
        for (const int axis : {0, 1}) {
          const double corner = was[i][axis];
          const double v = was[i][axis + 2];
          const double next = corner + v;
          const bool turns = (next < 0 && v < 0) || (next > high && v > 0);
          if (kind == 1) {
            ASSERT_EQ(p[axis + 2], v);
            ASSERT_EQ(p[axis], next > high ? v : next < 0 ? high + v : next);
          } else {
            ASSERT_EQ(p[axis + 2], turns ? -v : v);
            ASSERT_EQ(p[axis], corner + p[axis + 2]);
          }
        }
        ASSERT_EQ(model.ellipse_right[i] - p[0], 400 - high);
        ASSERT_EQ(model.ellipse_bottom[i] - p[1], 400 - high);
      }
    }
  }
}

// A small particle whose next corner lies strictly inside the target's
// square, however little, meets it elastically on each axis: both the
// momentum and the kinetic energy along it are kept, and both move on from
// where they stood. One heading for the square's edge, or for an absent
// target, meets nothing. The path records the target's centre where the step
// found it, when tracing, and only in a step with a collision.
TEST(Move, CollisionsKeepMomentumAndEnergyOnEachAxis) {
  std::mt19937 random(1);
  // Eighths of a unit, so that every corner is exact.
  std::uniform_int_distribution<int> eighths(-80, 80);
  for (int row = 0; row < 40; ++row) {
    SCOPED_TRACE(row);
    const double m = 1 + row % 3 * 49.5;
    const double u[] = {eighths(random) / 8.0, eighths(random) / 8.0, eighths(random) / 8.0, eighths(random) / 8.0};
    // Heading for the middle of the square, just inside it, its edge.
    const double goal = row % 4 == 0 ? 180.25 : row % 4 == 1 ? 180 : 200;
    Draw_Controler model;
    Place(model, {goal - u[0], 200 - u[1], u[0], u[1]}, {180, 180, u[2], u[3]});
    model.mass_ratio = m;
    model.trace_on = row % 2;
    model.target_on = row % 8 != 3;
    model.Move();
    const Particle small = Particle_Of(model, 1);
    const Particle heavy = Particle_Of(model, 2);
    const bool meets = goal != 180 && model.target_on == 1;
    EXPECT_EQ(small[2] != u[0], meets);
    for (const int axis : {0, 1}) {
      EXPECT_NEAR(m * heavy[axis + 2] + small[axis + 2], m * u[axis + 2] + u[axis], 1e-9);
      EXPECT_NEAR(m * std::pow(heavy[axis + 2], 2) + std::pow(small[axis + 2], 2), m * u[axis + 2] * u[axis + 2] + u[axis] * u[axis], 1e-9);
      EXPECT_EQ(small[axis], (axis == 0 ? goal : 200) - u[axis] + small[axis + 2]);
      EXPECT_EQ(heavy[axis], 180 + heavy[axis + 2]);
    }
    EXPECT_EQ(model.trace_x->Get(0), meets ? 200 * model.trace_on : 0);
    EXPECT_EQ(model.trace_y->Get(0), meets ? 200 * model.trace_on : 0);
    model.ellipse_left[1] = 10;
    model.Move();
    EXPECT_EQ(model.trace_x->last, meets ? model.trace_on - 1 : -1);
  }
}

// Segment j runs from sample j back to sample j - 1 of the path, in magenta;
// a full history has dropped its oldest samples. Not tracing, there is no
// path.
TEST(Move, DrawsThePathFromTheRecordedSamples) {
  for (const int samples : {1, 3, 395}) {
    SCOPED_TRACE(samples);
    Draw_Controler model;
    model.Advance();
    // Without the target nothing adds to the path.
    model.target_on = 0;
    model.trace_on = 1;
    for (int k = 0; k < samples; ++k) {
      model.trace_x->Push(k);
      model.trace_y->Push(-k);
    }
    model.Move();
    const int oldest = std::max(samples - 390, 0);
    EXPECT_EQ(model.line_count, std::min(samples, 390) - 1);
    for (int j = 1; j <= model.line_count; ++j) {
      SCOPED_TRACE(j);
      ASSERT_EQ(model.line_x1[j], oldest + j);
      ASSERT_EQ(model.line_y1[j], -oldest - j);
      ASSERT_EQ(model.line_x2[j], oldest + j - 1);
      ASSERT_EQ(model.line_y2[j], 1 - oldest - j);
      ASSERT_EQ(model.line_pen[j], colours::magenta);
    }
    model.trace_on = 2;
    model.Move();
    EXPECT_EQ(model.line_count, 0);
  }
}

// Over thousands of steps with the target, the collisions and walls keep the
// total kinetic energy, and no particle is outside the box for two steps
// running.
TEST(Move, LongRunsKeepEnergyAndTheParticlesInTheBox) {
  for (const double m : {1.0, 20.0}) {
    for (const std::uint8_t periodic : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "M " << m << " periodic " << int{periodic});
      Draw_Controler model;
      model.random.Seed(static_cast<std::uint32_t>(m) + periodic);
      model.mass_ratio = m;
      model.periodic = periodic;
      model.Advance();
      const auto energy = [&] {
        double twice = 0;
        for (int i = 1; i <= 201; ++i) twice += (i == 201 ? m : 1) * (std::pow(model.vel_x[i], 2) + std::pow(model.vel_y[i], 2));
        return twice;
      };
      const double start = energy();
      int outside[202] = {};
      for (int step = 0; step < 3000; ++step) {
        model.Advance();
        for (int i = 1; i <= 201; ++i) {
          const double limit = i == 201 ? 360 : 395;
          const Particle p = Particle_Of(model, i);
          outside[i] = p[0] < 0 || p[0] > limit || p[1] < 0 || p[1] > limit ? outside[i] + 1 : 0;
          ASSERT_LE(outside[i], 1) << "particle " << i << " step " << step;
        }
      }
      EXPECT_NEAR(energy() / start, 1.0, 1e-9);
    }
  }
}

}  // namespace
