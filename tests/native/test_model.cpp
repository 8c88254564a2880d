// The model's parts: the path history, the text conversion, the view mapping,
// the generator, the layout and the temperature controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "draw_controler.h"
#include "texts.h"
#include "to_int.h"

namespace {

using Values = std::vector<double>;

Values Samples(const Trace& trace) { return {trace.data.get(), trace.data.get() + trace.last + 1}; }

TEST(Trace, FillsThenShiftsOutTheOldestAndClearHidesStaleSamples) {
  Trace trace(390), tiny(0);  // a capacity below 1 is taken as 1
  EXPECT_EQ(std::vector<int>({trace.first, trace.last, tiny.capacity}), std::vector<int>({0, -1, 1}));
  trace.Push(7.5);
  EXPECT_EQ(Values({trace.Get(0), trace.Get(1)}), Values({7.5, 0.0}));
  Values expected;  // 7.5 shifted out
  for (int v = 2; v <= 391; ++v) trace.Push(v), expected.push_back(v);
  EXPECT_EQ(Samples(trace), expected);
  trace.Clear();
  EXPECT_EQ(Values({1.0 * trace.last, trace.Get(0), trace.data[0]}), Values({-1, 0, 2}));  // the sample stays stored
  tiny.Push(5.0), tiny.Push(6.0);
  EXPECT_EQ(Samples(tiny), Values({6.0}));
}

TEST(Convert, ChecksAndReadsTextByItsOwnRules) {
  const struct { std::string text; bool valid; double value; } cases[] = {
      {"", 0, 0},      {"37", 1, 37}, {"12.5", 1, 12.5}, {"-3", 1, -3},  {".5", 1, 0.5},  {"1.5.5", 1, 2},
      {"5-3", 1, -53}, {"5.", 1, 5},  {"..5", 1, -0.15}, {"1e3", 0, 0},  {"1 2", 0, 0},   {"\x83X", 0, 0}};
  const Convert_CharToDouble convert;
  for (const auto& c : cases) {
    EXPECT_EQ(convert.Check_Text(c.text.c_str()), c.valid) << c.text;
    EXPECT_DOUBLE_EQ(c.valid ? convert.To_Double(c.text.c_str()) : 0.0, c.value) << c.text;
  }
  EXPECT_TRUE(std::signbit(convert.To_Double("-")) && convert.To_Double(("1" + std::string(400, '0')).c_str()) == HUGE_VAL);
  EXPECT_EQ(Values({convert.Power(10, 1), convert.Power(10, 3), convert.Power(2, 0)}), Values({10, 1000, 2}));
}

TEST(Draw_Parameter, MapsWorldToPixelsTruncatingTowardZeroAndSaturating) {
  const struct { double value; int expected; } conversions[] = {
      {12.9, 12},         {-0.7, 0},          {-12.9, -12},       {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN},
      {HUGE_VAL, INT_MAX}, {-HUGE_VAL, INT_MIN}, {std::nan(""), 0}};
  for (const auto& c : conversions) EXPECT_EQ(Truncate_To_Int(c.value), c.expected) << c.value;
  Draw_Parameter list;  // starts empty, mapping world (0, 0) to (10, 400); the plain tick only counts
  const Draw_Controler model;  // the model's own mapping puts (0, 0) at (10, 410)
  list.Advance(), list.Advance();
  EXPECT_EQ(std::vector<int>({list.ellipse_count, list.rect_count, list.line_count, list.text_count, list.phase,
                              list.Map_X(0), list.Map_Y(0.5), model.Map_X(0), model.Map_Y(0)}),
            std::vector<int>({0, 0, 0, 0, 2, 10, 399, 10, 410}));
}

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
Values Draw_Particle(Lcg& draw) {
  double x = draw.Next() % 400, y = draw.Next() % 400;
  while (200 < x && x < 240 && 200 < y && y < 240) x = draw.Next() % 400, y = draw.Next() % 400;
  const double vx = draw.Next() % 20 - 10;
  return {std::min(x, 395.0), std::min(y, 395.0), vx, draw.Next() % 20 - 10.0};
}

Values Particle(const Draw_Controler& m, int i) {
  return {m.ellipse_left[i], m.ellipse_top[i],  m.vel_x[i], m.vel_y[i],
          m.ellipse_right[i] - m.ellipse_left[i], m.ellipse_bottom[i] - m.ellipse_top[i]};
}

std::string Text(const char* pattern, int value) { char text[255]; return std::snprintf(text, 255, pattern, value), text; }

// One model laid out again and again, against the layout worked out from the
// same draws: particles, the target (placed even when not shown), the box and
// both labels.
TEST(Model, InitializeLaysOutTheDrawsTheBoxTheTargetAndTheLabels) {
  Lcg check(1);
  EXPECT_EQ(std::vector<int>({check.Next(), check.Next(), check.Next()}), std::vector<int>({130, 10982, 1090}));
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
  const Draw_Controler& m = *model;  // the box, blue on white, and the labels below it, blue and red
  EXPECT_EQ(Values({m.rect_left[1], m.rect_top[1], m.rect_right[1], m.rect_bottom[1], m.text_x[1], m.text_y[1],
                    m.text_x[2], m.text_y[2], 1.0 * m.rect_count, 1.0 * m.text_count, 1.0 * m.text_bk_mode[1] + m.text_bk_mode[2],
                    1.0 * m.rect_pen[1], 1.0 * m.rect_brush[1], 1.0 * m.text_color[1], 1.0 * m.text_color[2]}),
            Values({0, 0, 400, 400, 30, -20, 140, -20, 1, 2, 2, 0xFF0000, 0xFFFFFF, 0xFF0000, 0x0000FF}));
}

// Heating and cooling scale the small particles' velocities by 1.25 or 0.8
// and the temperature by the square; heating stops short of the largest
// temperature the label can show. Reset draws vx then vy afresh and sets 20,
// leaving the label for the next step to rewrite.
TEST(Model, TemperatureControls) {
  const double hottest = 20 * std::pow(1.5625, 41);
  const struct { bool heat; int presses; double temperature; int shown; } cases[] = {
      {true, 1, 31.25, 31},   {false, 1, 12.8, 12},           {false, 2, 8.192, 8},
      {true, 3, 76.29394531, 76}, {true, 41, hottest, 1768687320}, {true, 100, hottest, 1768687320}};
  for (const auto& c : cases) {
    auto model = std::make_unique<Draw_Controler>();
    model->random.Seed(3);
    model->Initialize();
    const Values vx(model->vel_x, model->vel_x + 202), vy(model->vel_y, model->vel_y + 202);
    model->vel_x[201] = 1.0;
    for (int k = 0; k < c.presses; ++k) c.heat ? model->Heat_Up() : model->Cool_Down();
    EXPECT_NEAR(model->temperature, c.temperature, 1e-8 * c.temperature);
    EXPECT_EQ(model->text_string[1], Text(texts::temperature_label, c.shown));
    const double factor = std::pow(c.heat ? 1.25 : 0.8, std::min(c.presses, 41));
    for (int i = 1; i <= 200; ++i) {
      ASSERT_DOUBLE_EQ(model->vel_x[i], vx[i] * factor) << i;
      ASSERT_DOUBLE_EQ(model->vel_y[i], vy[i] * factor) << i;
    }
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
