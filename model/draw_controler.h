#pragma once
#include <cstdint>
#include <memory>

#include "convert.h"
#include "draw_parameter.h"
#include "random_source.h"
#include "trace.h"

// The Brownian-motion model. Its picture lives in the inherited display list:
// ellipse i (1..N) is small particle i, ellipse N+1 the target, rectangle 1
// the box, label 1 the temperature and label 2 the mass ratio; line segments
// are the target's recorded path.
class Draw_Controler : public Draw_Parameter, public Convert_CharToDouble {
 public:
  static constexpr int max_particles = 200;
  static constexpr int trace_capacity = 390;
  static_assert(trace_capacity <= shape_capacity, "a full path fits the line tables");

  int run_state = 0;
  int run_ready = 1;
  int run_busy = 0;
  int run_done = 0;
  double box_width = 400.0;
  double box_height = 400.0;
  int particle_count = 200;
  double mass_ratio = 20.0;
  double vel_x[max_particles + 2] = {};
  double vel_y[max_particles + 2] = {};
  double temperature = 20.0;
  // One-byte switches: each counts as set only when it holds exactly 1.
  std::uint8_t target_on = 1;
  std::uint8_t trace_on = 0;
  std::unique_ptr<Trace> trace_x;
  std::unique_ptr<Trace> trace_y;
  std::uint8_t periodic = 0;
  std::uint8_t popup_open = 0;

  // The generator behind every random placement and velocity; seeded once,
  // with the current time, by the constructor. Tests reseed it.
  Random_Source random;

  Draw_Controler();

  void Initialize();
  void Heat_Up();
  void Cool_Down();
  void Reset_Velocities();
  // A new mass ratio, shown at once; the model lays itself out afresh with it
  // at its next tick.
  void Change_Mass_Ratio(double ratio);
  void Move();
  // Tracing has stopped: both histories are emptied and the path is no
  // longer drawn, at once rather than at the next step.
  void Forget_Path();
  // One animation tick: lays the model out in phase 0, takes a step in phase 1.
  void Advance() override;

 private:
  int Small_Count() const;
  void Scale_Velocities(double factor);
  void Write_Temperature_Label();
  void Write_Mass_Ratio_Label();
  // Where a particle stood and how it was heading before the walls acted.
  struct Heading {
    double x;
    double y;
    double vx;
    double vy;
  };
  void Keep_Inside(int i, double size, bool wrap, const Heading& heading);
  void Record_Target_Centre(int target);
  void Shift(int i);
  void Rebuild_Path();
};
