#include "draw_controler.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <new>

#include "../draw/to_int.h"
#include "format_text.h"
#include "texts.h"

namespace {

constexpr double particle_size = 5.0;
constexpr double target_size = 40.0;
constexpr double target_half = 20.0;

Trace* New_Trace(int capacity) {
  Trace* trace = new (std::nothrow) Trace(capacity);
  if (trace == nullptr) std::exit(1);
  return trace;
}

}  // namespace

Draw_Controler::Draw_Controler() {
  run_ready = 1;
  run_busy = 0;
  run_state = run_busy;
  run_done = run_busy;
  random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
  origin_x = 10.0;
  origin_y = 410.0;
  scale_x = 1.0;
  scale_y = 1.0;
  box_width = 400.0;
  box_height = 400.0;
  particle_count = 200;
  temperature = 20.0;
  target_on = 1;
  popup_open = 0;
  mass_ratio = 20.0;
  trace_on = 0;
  trace_x = New_Trace(trace_capacity);
  trace_y = New_Trace(trace_capacity);
  periodic = 0;
}

Draw_Controler::~Draw_Controler() {
  delete trace_x;
  delete trace_y;
}

// The velocity tables end at index 201, so a particle count beyond 200 is
// held there rather than written past them.
int Draw_Controler::Small_Count() const { return std::clamp(particle_count, 0, max_particles); }

void Draw_Controler::Initialize() {
  const double w = box_width;
  const double h = box_height;
  const int n = Small_Count();
  const int w_int = Truncate_To_Int(w);
  const int h_int = Truncate_To_Int(h);

  rect_left[1] = 0.0;
  rect_top[1] = 0.0;
  rect_right[1] = w;
  rect_bottom[1] = h;
  rect_pen[1] = colours::blue;
  rect_brush[1] = colours::white;
  rect_count = 1;

  for (int i = 1; i <= n; ++i) {
    double x = random.Next_Below(w_int);
    double y = random.Next_Below(h_int);
    // Keep the first corner out of the square the target is about to take.
    while (w * 0.5 < x && x < w * 0.5 + target_size && h * 0.5 < y && y < h * 0.5 + target_size) {
      x = random.Next_Below(w_int);
      y = random.Next_Below(h_int);
    }
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
  Format_Int(text_string[2], text_bytes, texts::mass_ratio_label, Truncate_To_Int(mass_ratio));

  text_count = 2;
  run_state = run_ready;
}

void Draw_Controler::Write_Temperature_Label() {
  Format_Int(text_string[1], text_bytes, texts::temperature_label, Truncate_To_Int(temperature));
}

void Draw_Controler::Scale_Velocities(double factor) {
  const int n = Small_Count();
  for (int i = 1; i <= n; ++i) {
    vel_x[i] = vel_x[i] * factor;
    vel_y[i] = vel_y[i] * factor;
  }
  temperature = temperature * factor * factor;
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
}

void Draw_Controler::Move() {
  rect_count = 1;
  bool collided = false;
  const int n = Small_Count();
  const int t = n + 1;
  const int count = std::min(ellipse_count, t);
  const double w = box_width;
  const double h = box_height;

  for (int i = 1; i <= count; ++i) {
    const double x = ellipse_left[i] + vel_x[i];
    const double y = ellipse_top[i] + vel_y[i];

    if (target_on == 1 && i <= n && ellipse_left[t] < x && x < ellipse_right[t] && ellipse_top[t] < y &&
        y < ellipse_bottom[t]) {
      const double m = mass_ratio;
      vel_x[t] = ((m - 1.0) * vel_x[t] + 2.0 * vel_x[i]) / (m + 1.0);
      vel_x[i] = 2.0 * vel_x[t] - vel_x[i];
      vel_y[t] = ((m - 1.0) * vel_y[t] + 2.0 * vel_y[i]) / (m + 1.0);
      vel_y[i] = 2.0 * vel_y[t] - vel_y[i];
      collided = true;
    }

    if (target_on == 1 && i == t && trace_on == 1 && collided) {
      trace_x->Push(ellipse_left[t] + target_half);
      trace_y->Push(ellipse_top[t] + target_half);
    }

    if (i == t) {
      if (x > w - target_size) vel_x[i] = -vel_x[i];
      if (y > h - target_size) vel_y[i] = -vel_y[i];
      if (x < 0.0) vel_x[i] = -vel_x[i];
      if (y < 0.0) vel_y[i] = -vel_y[i];
    } else if (periodic != 1) {
      if (x > w - particle_size) vel_x[i] = -vel_x[i];
      if (y > h - particle_size) vel_y[i] = -vel_y[i];
      if (x < 0.0) vel_x[i] = -vel_x[i];
      if (y < 0.0) vel_y[i] = -vel_y[i];
    } else {
      if (x > w - particle_size) {
        ellipse_left[i] = 0.0;
        ellipse_right[i] = particle_size;
      }
      if (y > h - particle_size) {
        ellipse_top[i] = 0.0;
        ellipse_bottom[i] = particle_size;
      }
      if (x < 0.0) {
        ellipse_left[i] = w - particle_size;
        ellipse_right[i] = w;
      }
      if (y < 0.0) {
        ellipse_top[i] = h - particle_size;
        ellipse_bottom[i] = h;
      }
    }

    ellipse_left[i] += vel_x[i];
    ellipse_top[i] += vel_y[i];
    ellipse_right[i] += vel_x[i];
    ellipse_bottom[i] += vel_y[i];
  }

  Write_Temperature_Label();
  text_count = 2;
  Rebuild_Path();
  run_state = run_busy;
  run_done = run_ready;
}

// Segment j runs from sample j back to sample j-1; entry 0 only holds the
// oldest point as segment 1's end.
void Draw_Controler::Rebuild_Path() {
  if (trace_on != 1) {
    line_count = 0;
    return;
  }
  int k = trace_x->first;
  line_x1[0] = trace_x->Get(k);
  line_y1[0] = trace_y->Get(k);
  int j = 1;
  ++k;
  while (k <= trace_x->last && j < shape_capacity) {
    line_x1[j] = trace_x->Get(k);
    line_y1[j] = trace_y->Get(k);
    line_x2[j] = line_x1[j - 1];
    line_y2[j] = line_y1[j - 1];
    line_pen[j] = colours::magenta;
    ++j;
    ++k;
  }
  line_count = j - 1;
}

void Draw_Controler::Advance() {
  run_state = run_busy;
  if (phase == 0) Initialize();
  if (phase == 1) Move();
  if (run_state == run_ready) ++phase;
}
