#include "draw_controler.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <new>

#include "format_text.h"
#include "texts.h"
#include "to_int.h"

namespace {

constexpr double particle_size = 5.0;
constexpr double target_size = 40.0;
constexpr double target_half = 20.0;
// The largest temperature the label can show.
constexpr double hottest = INT_MAX;

std::unique_ptr<Trace> New_Trace() {
  Trace* trace = new (std::nothrow) Trace(Draw_Controler::trace_capacity);
  if (trace == nullptr) std::exit(1);
  return std::unique_ptr<Trace>(trace);
}

}  // namespace

Draw_Controler::Draw_Controler() : trace_x(New_Trace()), trace_y(New_Trace()) {
  origin_y = 410.0;
  random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

// The velocity tables end at index 201, so a particle count beyond 200 is
// held there rather than written past them.
int Draw_Controler::Small_Count() const { return std::clamp(particle_count, 0, max_particles); }

void Draw_Controler::Initialize() {
  const double w = box_width;
  const double h = box_height;
  const int n = Small_Count();

  rect_left[1] = 0.0;
  rect_top[1] = 0.0;
  rect_right[1] = w;
  rect_bottom[1] = h;
  rect_pen[1] = colours::blue;
  rect_brush[1] = colours::white;
  rect_count = 1;

  for (int i = 1; i <= n; ++i) {
    double x = random.Next_Below(Truncate_To_Int(w));
    double y = random.Next_Below(Truncate_To_Int(h));
    // Keep the first corner out of the square the target is about to take.
    while (w * 0.5 < x && x < w * 0.5 + target_size && h * 0.5 < y && y < h * 0.5 + target_size) {
      x = random.Next_Below(Truncate_To_Int(w));
      y = random.Next_Below(Truncate_To_Int(h));
    }
    // No particle starts reaching across the far walls.
    x = std::min(x, w - particle_size);
    y = std::min(y, h - particle_size);
    ellipse_left[i] = x;
    ellipse_top[i] = y;
    ellipse_right[i] = x + particle_size;
    ellipse_bottom[i] = y + particle_size;
    vel_x[i] = random.Next_Below(20) - 10;
    vel_y[i] = random.Next_Below(20) - 10;
    ellipse_pen[i] = colours::green;
    ellipse_brush[i] = colours::green;
  }

  const int t = n + 1;
  ellipse_left[t] = w * 0.5;
  ellipse_top[t] = h * 0.5;
  ellipse_right[t] = w * 0.5 + target_size;
  ellipse_bottom[t] = h * 0.5 + target_size;
  vel_x[t] = 0.0;
  vel_y[t] = 0.0;
  ellipse_pen[t] = colours::red;
  ellipse_brush[t] = colours::red;

  ellipse_count = target_on == 1 ? n + 1 : n;
  temperature = 20.0;

  text_x[1] = 30.0;
  text_y[1] = -20.0;
  text_bk_mode[1] = 1;
  text_color[1] = colours::blue;
  Write_Temperature_Label();

  text_x[2] = 140.0;
  text_y[2] = -20.0;
  text_bk_mode[2] = 1;
  text_color[2] = colours::red;
  Write_Mass_Ratio_Label();

  text_count = 2;
  run_state = run_ready;
}

// Label 1 shows the temperature in whole degrees. Whatever changes the
// temperature writes it at once.
void Draw_Controler::Write_Temperature_Label() {
  Format_Int(text_string[1], text_bytes, texts::temperature_label, Truncate_To_Int(temperature));
}

void Draw_Controler::Write_Mass_Ratio_Label() {
  Format_Int(text_string[2], text_bytes, texts::mass_ratio_label, Truncate_To_Int(mass_ratio));
}

void Draw_Controler::Change_Mass_Ratio(double ratio) {
  mass_ratio = ratio;
  Write_Mass_Ratio_Label();
  phase = 0;
}

// Kinetic energy goes with the square of the speed: scaling the velocities by
// `factor` scales the temperature by factor squared. Heating stops where the
// label could no longer show the temperature.
void Draw_Controler::Scale_Velocities(double factor) {
  const double scaled = temperature * factor * factor;
  if (scaled > hottest) return;
  const int n = Small_Count();
  for (int i = 1; i <= n; ++i) {
    vel_x[i] *= factor;
    vel_y[i] *= factor;
  }
  temperature = scaled;
  Write_Temperature_Label();
}

void Draw_Controler::Heat_Up() { Scale_Velocities(1.25); }

void Draw_Controler::Cool_Down() { Scale_Velocities(0.8); }

void Draw_Controler::Reset_Velocities() {
  temperature = 20.0;
  const int n = Small_Count();
  for (int i = 1; i <= n; ++i) {
    vel_x[i] = random.Next_Below(20) - 10;
    vel_y[i] = random.Next_Below(20) - 10;
  }
  Write_Temperature_Label();
}

namespace {

// An elastic collision along one axis between the target (mass m) and a small
// particle (mass 1). Both velocities are mirrored about the pair's
// centre-of-mass velocity v_cm = (m v_t + v) / (m + 1), which the collision
// does not change: the target's becomes 2 v_cm - v_t and the particle's
// 2 v_cm - v = (new v_t) + (old v_t) - v. Momentum m v_t + v and kinetic
// energy (m v_t^2 + v^2) / 2 are both kept.
void Collide(double& target_v, double& particle_v, double m) {
  const double target_before = target_v;
  target_v = ((m - 1.0) * target_before + 2.0 * particle_v) / (m + 1.0);
  particle_v = target_v + target_before - particle_v;
}

// Whether `value` lies strictly between `low` and `high` (low < high): then,
// and only then, value - low and high - value are both positive. One
// comparison of their product instead of two keeps the step quick, since
// comparisons of doubles are what it spends its time on.
bool Between(double value, double low, double high) { return (value - low) * (high - value) > 0.0; }

// Whether a corner lies beyond the walls at 0 and `high_limit` (> 0): below
// the one or above the other, where corner and corner - high_limit share a
// sign.
bool Beyond(double corner, double high_limit) { return corner * (corner - high_limit) > 0.0; }

// A wall turns a velocity only when it carries the particle further out, so a
// particle already beyond a wall and heading back keeps heading back.
void Reflect_Axis(double corner, double high_limit, double& v) {
  if (Beyond(corner, high_limit) && (corner > high_limit ? v > 0.0 : v < 0.0)) v = -v;
}

// Periodic walls: a particle leaving through one wall comes back through the
// opposite one with its velocity unchanged.
void Wrap_Axis(double corner, double extent, double& low_edge, double& high_edge) {
  if (corner > extent - particle_size) {
    low_edge = 0.0;
    high_edge = particle_size;
  }
  if (corner < 0.0) {
    low_edge = extent - particle_size;
    high_edge = extent;
  }
}

// Where a particle flies faster than the box is wide, one move can carry
// it beyond a wall even after the wall has turned it. It then makes the move
// again from where it stood, with the velocity it had before the walls acted,
// as the walls would have had it: `past` is how far beyond the wall it
// crosses first it would go, and it crosses the span `limit` once more after
// each wall. Reflecting walls fold it back at each wall it passes, turning
// the velocity each time; periodic walls take it round as many times as it
// takes. The speed is kept either way, and with it the energy.
double Fold(double corner, double& v, double limit, bool wrap) {
  const bool high = corner > limit;
  const double past = high ? corner - limit : -corner;
  const double folds = std::ceil(past / limit);
  // How far it goes after the last wall: (0, limit].
  const double rest = past - (folds - 1.0) * limit;
  const bool odd = std::fmod(folds, 2.0) == 1.0;
  double inside = high ? rest : limit - rest;
  if (!wrap) {
    inside = high == odd ? limit - rest : rest;
    if (odd) v = -v;
  }
  return std::clamp(inside, 0.0, limit);
}

}  // namespace

// Brings particle i (`size` across) back into the box where its move left it
// beyond a wall; anywhere inside, it stays exactly where the move put it.
void Draw_Controler::Keep_Inside(int i, double size, bool wrap, const Heading& heading) {
  const double high_x = box_width - size;
  const double high_y = box_height - size;
  if (Beyond(ellipse_left[i], high_x)) {
    vel_x[i] = heading.vx;
    ellipse_left[i] = Fold(heading.x + heading.vx, vel_x[i], high_x, wrap);
    ellipse_right[i] = ellipse_left[i] + size;
  }
  if (Beyond(ellipse_top[i], high_y)) {
    vel_y[i] = heading.vy;
    ellipse_top[i] = Fold(heading.y + heading.vy, vel_y[i], high_y, wrap);
    ellipse_bottom[i] = ellipse_top[i] + size;
  }
}

// The target's centre where this step found it, before its own move.
void Draw_Controler::Record_Target_Centre(int target) {
  trace_x->Push(ellipse_left[target] + target_half);
  trace_y->Push(ellipse_top[target] + target_half);
}

inline void Draw_Controler::Shift(int i) {
  ellipse_left[i] += vel_x[i];
  ellipse_top[i] += vel_y[i];
  ellipse_right[i] += vel_x[i];
  ellipse_bottom[i] += vel_y[i];
}

// One time step. Every particle moves in a straight line by its velocity. The
// small ones do not see each other and meet only the target, which stands
// where the last step left it until its own turn comes, last. A small
// particle whose next corner (x, y) lies inside the target's square exchanges
// momentum with it; the walls then act on that same corner: they reflect, or
// wrap the small particles around in periodic mode. A particle that the move
// still leaves beyond a wall, as only one heated far enough can be, is
// brought back in, so that every particle ends every step inside the box.
void Draw_Controler::Move() {
  rect_count = 1;
  const int n = Small_Count();
  const int t = n + 1;
  const int count = std::min(ellipse_count, t);
  // The target stands still through the small particles' turns.
  const double left = ellipse_left[t], top = ellipse_top[t], right = ellipse_right[t], bottom = ellipse_bottom[t];
  const double high_x = box_width - particle_size, high_y = box_height - particle_size;
  bool collided = false;

  for (int i = 1; i <= std::min(count, n); ++i) {
    const double x = ellipse_left[i] + vel_x[i];
    const double y = ellipse_top[i] + vel_y[i];
    // Only the next corner counts, strictly inside the target's square. Both
    // axes are judged without a short cut: which side of the target a
    // particle lies on is a coin toss the processor could only guess at.
    if ((Between(x, left, right) & Between(y, top, bottom)) && target_on == 1) {
      Collide(vel_x[t], vel_x[i], mass_ratio);
      Collide(vel_y[t], vel_y[i], mass_ratio);
      collided = true;
    }
    const Heading heading = {ellipse_left[i], ellipse_top[i], vel_x[i], vel_y[i]};
    if (periodic == 1) {
      Wrap_Axis(x, box_width, ellipse_left[i], ellipse_right[i]);
      Wrap_Axis(y, box_height, ellipse_top[i], ellipse_bottom[i]);
    } else {
      Reflect_Axis(x, high_x, vel_x[i]);
      Reflect_Axis(y, high_y, vel_y[i]);
    }
    Shift(i);
    // Rare: only a particle heated far enough is ever left beyond a wall.
    if (Beyond(ellipse_left[i], high_x) | Beyond(ellipse_top[i], high_y)) {
      Keep_Inside(i, particle_size, periodic == 1, heading);
    }
  }

  if (count == t) {
    if (target_on == 1 && trace_on == 1 && collided) Record_Target_Centre(t);
    const Heading heading = {ellipse_left[t], ellipse_top[t], vel_x[t], vel_y[t]};
    Reflect_Axis(ellipse_left[t] + vel_x[t], box_width - target_size, vel_x[t]);
    Reflect_Axis(ellipse_top[t] + vel_y[t], box_height - target_size, vel_y[t]);
    Shift(t);
    Keep_Inside(t, target_size, false, heading);
  }

  // Label 1 already shows the temperature: every change writes it.
  text_count = 2;
  Rebuild_Path();
  run_state = run_busy;
  run_done = run_ready;
}

namespace {

// Fills starts[0..segments] with the samples from `first` on and
// ends[1..segments] with the same samples one place later, each as the history
// reads it: 0 past its newest sample.
void Copy_Samples(const Trace& trace, int first, int segments, double* starts, double* ends) {
  const int stored = std::clamp(trace.last - first + 1, 0, segments + 1);
  std::copy_n(trace.data.get() + first, stored, starts);
  std::fill(starts + stored, starts + segments + 1, 0.0);
  std::copy_n(starts, segments, ends + 1);
}

}  // namespace

// Segment j runs from sample first + j back to sample first + j - 1, so the
// path runs from the newest point back to the oldest; entry 0 only holds the
// oldest point, as segment 1's end. The x history sets the length.
void Draw_Controler::Rebuild_Path() {
  if (trace_on != 1) {
    line_count = 0;
    return;
  }
  const int first = trace_x->first;
  const int segments = std::max(trace_x->last - first, 0);
  Copy_Samples(*trace_x, first, segments, line_x1, line_x2);
  Copy_Samples(*trace_y, first, segments, line_y1, line_y2);
  std::fill(line_pen + 1, line_pen + 1 + segments, colours::magenta);
  line_count = segments;
}

void Draw_Controler::Forget_Path() {
  trace_x->Clear();
  trace_y->Clear();
  Rebuild_Path();
}

void Draw_Controler::Advance() {
  run_state = run_busy;
  if (phase == 0) Initialize();
  if (phase == 1) Move();
  if (run_state == run_ready) ++phase;
}
