#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "draw_controler.h"

namespace {

// A model with a hand-built state: `count` small particles parked at rest in
// the corner, the target at (target_left, target_top) and the target on.
std::unique_ptr<Draw_Controler> Hand_Model(int count, double target_left = 180.0, double target_top = 180.0) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(1);
  model->particle_count = count;
  model->Initialize();
  for (int i = 1; i <= count; ++i) {
    model->ellipse_left[i] = 10.0 * i;
    model->ellipse_top[i] = 10.0;
    model->ellipse_right[i] = 10.0 * i + 5.0;
    model->ellipse_bottom[i] = 15.0;
    model->vel_x[i] = 0.0;
    model->vel_y[i] = 0.0;
  }
  const int t = count + 1;
  model->ellipse_left[t] = target_left;
  model->ellipse_top[t] = target_top;
  model->ellipse_right[t] = target_left + 40.0;
  model->ellipse_bottom[t] = target_top + 40.0;
  model->phase = 1;
  return model;
}

void Place(Draw_Controler& model, int i, double left, double top, double vx, double vy) {
  const double size = i == model.particle_count + 1 ? 40.0 : 5.0;
  model.ellipse_left[i] = left;
  model.ellipse_top[i] = top;
  model.ellipse_right[i] = left + size;
  model.ellipse_bottom[i] = top + size;
  model.vel_x[i] = vx;
  model.vel_y[i] = vy;
}

void Target_Off(Draw_Controler& model) {
  model.target_on = 0;
  model.ellipse_count = model.particle_count;
}

// "温度 N ℃" as code page 932 bytes.
std::string Temperature_Label(const std::string& number) { return "\x89\xb7\x93x " + number + " \x81\x8e"; }

// One particle moving along one axis for one step, target off unless the
// moving particle is the target itself.
struct Wall_Case {
  const char* what;
  bool target;
  std::uint8_t periodic;
  double from;
  double velocity;
  double to;
  double velocity_after;
};

const Wall_Case wall_cases[] = {
    {"reflect: on the high limit stays", false, 0, 393, 2, 395, 2},
    {"reflect: beyond the high limit turns back", false, 0, 395, 2, 393, -2},
    {"reflect: far beyond moves back by the same", false, 0, 394, 2, 392, -2},
    {"reflect: reaching zero stays", false, 0, 1, -1, 0, -1},
    {"reflect: below zero turns back", false, 0, 0, -1, 1, 1},
    {"periodic 2 counts as reflecting", false, 2, 394, 3, 391, -3},
    {"wrap: high side to 0, then the move", false, 1, 394, 3, 3, 3},
    {"wrap: low side to the far wall, then the move", false, 1, 1, -3, 392, -3},
    {"target: 40 limit reached", true, 0, 359, 1, 360, 1},
    {"target: beyond the 40 limit", true, 0, 360, 1, 359, -1},
    {"target: reflects in periodic mode too", true, 1, 360, 1, 359, -1},
    {"target: low wall in periodic mode", true, 1, 1, -2, 3, 2},
};

TEST(Walls, OneStepAlongEachAxis) {
  for (const Wall_Case& c : wall_cases) {
    for (int axis = 0; axis < 2; ++axis) {
      SCOPED_TRACE(::testing::Message() << c.what << (axis == 0 ? " (x)" : " (y)"));
      auto model = Hand_Model(1);
      model->periodic = c.periodic;
      const int i = c.target ? 2 : 1;
      if (!c.target) Target_Off(*model);
      const double size = c.target ? 40.0 : 5.0;
      const double other = 100.0;
      if (axis == 0) {
        Place(*model, i, c.from, other, c.velocity, 0.0);
      } else {
        Place(*model, i, other, c.from, 0.0, c.velocity);
      }
      model->Move();
      const double* low = axis == 0 ? model->ellipse_left : model->ellipse_top;
      const double* high = axis == 0 ? model->ellipse_right : model->ellipse_bottom;
      const double* v = axis == 0 ? model->vel_x : model->vel_y;
      const double* other_low = axis == 0 ? model->ellipse_top : model->ellipse_left;
      EXPECT_EQ(low[i], c.to);
      EXPECT_EQ(high[i], c.to + size);  // wrapped edges stay 5 apart
      EXPECT_EQ(v[i], c.velocity_after);
      EXPECT_EQ(other_low[i], other);
    }
  }
}

TEST(Walls, TwoStepsAgainstTheHighWall) {
  auto model = Hand_Model(1);
  Target_Off(*model);
  Place(*model, 1, 393.0, 100.0, 2.0, 0.0);
  model->Move();
  model->Move();
  EXPECT_EQ(model->ellipse_left[1], 393.0);
  EXPECT_EQ(model->vel_x[1], -2.0);
}

// The target stands at 180..220 on both axes; a particle at rest next to its
// tentative corner collides exactly when that corner is strictly inside.
bool Collides_At(double x, double y) {
  auto model = Hand_Model(1);
  Place(*model, 1, x - 10.0, y, 10.0, 0.0);
  model->Move();
  return model->vel_x[2] != 0.0;
}

TEST(Collisions, OnlyStrictlyInsideTheTargetBox) {
  EXPECT_FALSE(Collides_At(180.0, 200.0));
  EXPECT_FALSE(Collides_At(220.0, 200.0));
  EXPECT_FALSE(Collides_At(200.0, 180.0));
  EXPECT_FALSE(Collides_At(200.0, 220.0));
  EXPECT_TRUE(Collides_At(181.0, 200.0));
  EXPECT_TRUE(Collides_At(219.5, 219.5));
  EXPECT_FALSE(Collides_At(150.0, 200.0));
}

TEST(Collisions, ExchangeMomentumWithMassRatioTwenty) {
  auto model = Hand_Model(1);
  Place(*model, 1, 190.0, 190.0, 10.0, 4.0);
  model->vel_y[2] = 1.0;
  model->Move();
  EXPECT_DOUBLE_EQ(model->vel_x[2], 20.0 / 21.0);
  EXPECT_DOUBLE_EQ(model->vel_x[1], 40.0 / 21.0 - 10.0);
  EXPECT_DOUBLE_EQ(model->vel_x[1], -170.0 / 21.0);
  EXPECT_DOUBLE_EQ(model->vel_y[2], 27.0 / 21.0);
  EXPECT_DOUBLE_EQ(model->vel_y[1], 54.0 / 21.0 - 4.0);
  // The particle moves from where it stood by its new velocity.
  EXPECT_DOUBLE_EQ(model->ellipse_left[1], 190.0 - 170.0 / 21.0);
}

TEST(Collisions, EqualMassesSwapTheTargetsVelocity) {
  auto model = Hand_Model(1);
  model->mass_ratio = 1.0;
  Place(*model, 1, 200.0, 200.0, -5.0, 0.0);
  model->vel_x[2] = 3.0;
  model->Move();
  EXPECT_EQ(model->vel_x[2], -5.0);
  EXPECT_EQ(model->vel_x[1], -5.0);
}

TEST(Collisions, SecondCollisionStartsFromTheFirstsResult) {
  auto model = Hand_Model(2);
  Place(*model, 1, 190.0, 190.0, 10.0, 0.0);
  Place(*model, 2, 195.0, 195.0, 10.0, 0.0);
  model->Move();
  const double after_first = 20.0 / 21.0;
  EXPECT_DOUBLE_EQ(model->vel_x[3], (19.0 * after_first + 20.0) / 21.0);
  EXPECT_DOUBLE_EQ(model->vel_x[2], 2.0 * model->vel_x[3] - 10.0);
}

TEST(Collisions, ParticleStayingInsideCollidesAgain) {
  auto model = Hand_Model(1);
  model->trace_on = 1;
  Place(*model, 1, 200.0, 200.0, 1.0, 0.0);
  model->Move();
  EXPECT_EQ(model->trace_x->last, 0);
  const double target_v = model->vel_x[2];
  model->Move();
  EXPECT_EQ(model->trace_x->last, 1);
  EXPECT_NE(model->vel_x[2], target_v);
}

TEST(Collisions, NoneWhileTheTargetIsOff) {
  auto model = Hand_Model(1);
  model->trace_on = 1;
  model->trace_x->Push(5.0);
  model->trace_y->Push(6.0);
  model->trace_x->Push(7.0);
  model->trace_y->Push(8.0);
  Target_Off(*model);
  Place(*model, 1, 200.0, 200.0, 1.0, 1.0);
  model->vel_x[2] = 3.0;
  model->Move();
  EXPECT_EQ(model->vel_x[1], 1.0);
  EXPECT_EQ(model->ellipse_left[1], 201.0);
  EXPECT_EQ(model->ellipse_left[2], 180.0);  // the target stays put
  EXPECT_EQ(model->vel_x[2], 3.0);
  EXPECT_EQ(model->trace_x->last, 1);
  EXPECT_EQ(model->line_count, 1);  // yet the path is rebuilt
  EXPECT_EQ(model->line_x1[1], 7.0);
  EXPECT_EQ(model->line_x2[1], 5.0);
}

TEST(Collisions, TargetSwitchOtherThanOneCountsAsOff) {
  auto model = Hand_Model(1);
  model->target_on = 2;
  Place(*model, 1, 200.0, 200.0, 1.0, 1.0);
  model->Move();
  EXPECT_EQ(model->vel_x[1], 1.0);
  EXPECT_EQ(model->vel_x[2], 0.0);
}

TEST(PathRecording, RecordsTheCentreBeforeTheTargetMoves) {
  auto model = Hand_Model(1, 200.0, 190.0);
  model->trace_on = 1;
  model->vel_x[2] = 4.0;
  model->vel_y[2] = -3.0;
  Place(*model, 1, 210.0, 200.0, 1.0, 1.0);
  model->Move();
  ASSERT_EQ(model->trace_x->last, 0);
  EXPECT_EQ(model->trace_x->Get(0), 220.0);
  EXPECT_EQ(model->trace_y->Get(0), 210.0);
  EXPECT_NE(model->ellipse_left[2], 200.0);

  Place(*model, 1, 10.0, 10.0, 1.0, 1.0);
  model->Move();
  EXPECT_EQ(model->trace_x->last, 0);  // no collision, no sample
  EXPECT_EQ(model->trace_y->last, 0);
}

TEST(PathRecording, NothingWhileTracingIsOffOrNotExactlyOne) {
  for (std::uint8_t trace_on : {0, 2}) {
    auto model = Hand_Model(1);
    model->trace_on = trace_on;
    Place(*model, 1, 200.0, 200.0, 1.0, 1.0);
    model->Move();
    EXPECT_EQ(model->trace_x->last, -1);
    EXPECT_EQ(model->line_count, 0);
  }
}

int Line_Count_For(int samples) {
  auto model = Hand_Model(1);
  model->trace_on = 1;
  Target_Off(*model);
  for (int k = 0; k < samples; ++k) {
    model->trace_x->Push(k);
    model->trace_y->Push(1000 + k);
  }
  model->Move();
  return model->line_count;
}

TEST(PathPolyline, HasOneSegmentFewerThanSamples) {
  EXPECT_EQ(Line_Count_For(0), 0);
  EXPECT_EQ(Line_Count_For(1), 0);
  EXPECT_EQ(Line_Count_For(3), 2);
  EXPECT_EQ(Line_Count_For(390), 389);
  EXPECT_EQ(Line_Count_For(500), 389);
}

TEST(PathPolyline, RunsFromTheNewestSampleBackToTheOldest) {
  auto model = Hand_Model(1);
  model->trace_on = 1;
  Target_Off(*model);
  for (double v : {1.0, 2.0, 3.0}) {
    model->trace_x->Push(v);
    model->trace_y->Push(10.0 * v);
  }
  model->Move();
  ASSERT_EQ(model->line_count, 2);
  EXPECT_EQ(model->line_x1[0], 1.0);
  EXPECT_EQ(model->line_y1[0], 10.0);
  EXPECT_EQ(model->line_x1[1], 2.0);
  EXPECT_EQ(model->line_y1[1], 20.0);
  EXPECT_EQ(model->line_x2[1], 1.0);
  EXPECT_EQ(model->line_y2[1], 10.0);
  EXPECT_EQ(model->line_x1[2], 3.0);
  EXPECT_EQ(model->line_y1[2], 30.0);
  EXPECT_EQ(model->line_x2[2], 2.0);
  EXPECT_EQ(model->line_y2[2], 20.0);
  EXPECT_EQ(model->line_pen[1], 0xFF00FFu);
  EXPECT_EQ(model->line_pen[2], 0xFF00FFu);
}

TEST(PathPolyline, FullTraceAfterFurtherPushesShowsTheNewest) {
  auto model = Hand_Model(1);
  model->trace_on = 1;
  Target_Off(*model);
  for (int k = 0; k < 400; ++k) {
    model->trace_x->Push(k);
    model->trace_y->Push(-k);
  }
  model->Move();
  ASSERT_EQ(model->line_count, 389);
  EXPECT_EQ(model->line_x1[0], 10.0);
  EXPECT_EQ(model->line_x2[1], 10.0);
  EXPECT_EQ(model->line_x1[1], 11.0);
  EXPECT_EQ(model->line_x1[389], 399.0);
  EXPECT_EQ(model->line_y1[389], -399.0);
  EXPECT_EQ(model->line_x2[389], 398.0);
}

TEST(PathPolyline, TracingOffLeavesTheLineArraysAlone) {
  auto model = Hand_Model(1);
  model->trace_x->Push(1.0);
  model->trace_y->Push(1.0);
  model->trace_x->Push(2.0);
  model->trace_y->Push(2.0);
  model->line_count = 7;
  model->line_x1[1] = 42.0;
  model->line_pen[1] = 0x123456;
  model->Move();
  EXPECT_EQ(model->line_count, 0);
  EXPECT_EQ(model->line_x1[1], 42.0);
  EXPECT_EQ(model->line_pen[1], 0x123456u);
}

TEST(StepBookkeeping, RewritesLabelAndCountsAndHandshake) {
  auto model = Hand_Model(1);
  model->rect_count = 5;
  model->text_count = 7;
  model->temperature = 31.25;
  std::strcpy(model->text_string[2], "kept");
  model->Move();
  EXPECT_EQ(model->rect_count, 1);
  EXPECT_EQ(model->text_count, 2);
  EXPECT_EQ(std::string(model->text_string[1]), Temperature_Label("31"));
  EXPECT_EQ(std::string(model->text_string[2]), "kept");
  EXPECT_EQ(model->run_state, 0);
  EXPECT_EQ(model->run_done, 1);
  model->temperature = 12.8;
  model->Move();
  EXPECT_EQ(std::string(model->text_string[1]), Temperature_Label("12"));
}

TEST(Tick, InitialisesFirstThenSteps) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(4);
  model->Advance();
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, 1);
  EXPECT_EQ(model->run_done, 0);  // initialised, no step yet
  EXPECT_EQ(model->ellipse_count, 201);
  const double x = model->ellipse_left[1];
  const double vx = model->vel_x[1];

  model->Advance();
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, 0);
  EXPECT_EQ(model->run_done, 1);
  EXPECT_NE(model->ellipse_left[1] == x + vx, model->ellipse_left[1] == x - vx);

  model->Advance();
  EXPECT_EQ(model->phase, 1);
}

TEST(Tick, PhaseZeroLaysOutAfreshWithoutAStep) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(4);
  model->Advance();
  model->Advance();
  model->particle_count = 20;
  model->mass_ratio = 55.0;
  model->phase = 0;
  model->Advance();
  EXPECT_EQ(model->phase, 1);
  EXPECT_EQ(model->run_state, 1);  // a step would have left it busy
  EXPECT_EQ(model->ellipse_count, 21);
  EXPECT_EQ(model->ellipse_left[21], 200.0);
  EXPECT_EQ(model->run_done, 1);
}

// Every count stays within its table and every label is a terminated number,
// however far the temperature runs off.
void Expect_Sound_Display_List(const Draw_Controler& model) {
  ASSERT_GE(model.ellipse_count, 0);
  ASSERT_LE(model.ellipse_count, 201);
  ASSERT_EQ(model.rect_count, 1);
  ASSERT_EQ(model.text_count, 2);
  ASSERT_GE(model.line_count, 0);
  ASSERT_LE(model.line_count, 389);
  ASSERT_LE(model.trace_x->last, 389);
  ASSERT_EQ(model.trace_x->last, model.trace_y->last);
  for (int label = 1; label <= 2; ++label) {
    const char* text = model.text_string[label];
    ASSERT_LT(strnlen(text, Draw_Parameter::text_bytes), static_cast<std::size_t>(Draw_Parameter::text_bytes));
    const std::string s(text);
    const std::size_t space = s.find(' ');
    ASSERT_NE(space, std::string::npos);
    const std::size_t end = s.find(' ', space + 1);
    ASSERT_NE(end, std::string::npos);
    const std::string number = s.substr(space + 1, end - space - 1);
    ASSERT_FALSE(number.empty());
    ASSERT_EQ(number.find_first_not_of("-0123456789"), std::string::npos) << number;
  }
}

TEST(LongRun, TwentyThousandStepsStaySound) {
  for (int particles : {20, 200}) {
    for (std::uint8_t periodic : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << particles << " particles, periodic " << static_cast<int>(periodic));
      auto model = std::make_unique<Draw_Controler>();
      model->random.Seed(2026);
      model->particle_count = particles;
      model->periodic = periodic;
      model->trace_on = 1;
      model->Advance();
      // First heat and cool in turn, so collisions keep filling the path;
      // then heat without bound and cool again, so the labels saturate.
      for (int step = 0; step < 20000; ++step) {
        if (step < 10000 && step % 10 == 0) model->Heat_Up();
        if (step < 10000 && step % 10 == 5) model->Cool_Down();
        if (step >= 10000 && step < 15000 && step % 5 == 0) model->Heat_Up();
        if (step >= 15000 && step % 5 == 0) model->Cool_Down();
        model->Advance();
        if (step % 1000 == 0) Expect_Sound_Display_List(*model);
        if (step == 9999) {
          EXPECT_GT(model->trace_x->last, 0);
          if (particles == 200) {
            EXPECT_EQ(model->trace_x->last, 389);
          }
        }
        if (step == 14999) {
          EXPECT_EQ(std::string(model->text_string[1]), Temperature_Label("2147483647"));
        }
      }
      Expect_Sound_Display_List(*model);
      EXPECT_EQ(model->phase, 1);
    }
  }
}

}  // namespace
