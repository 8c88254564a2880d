#pragma once
#include <cmath>
#include <ostream>

#include "draw_controler.h"

// A particle as the model keeps it: the first corner of its box and its
// velocity. Equal to rounding error, so that a value worked out by hand as
// 195 - 190 / 21 matches the one the model reaches in other steps.
struct Particle {
  double x, y, vx, vy;

  bool operator==(const Particle& other) const {
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1e-9 * (1 + std::abs(a)); };
    return near(x, other.x) && near(y, other.y) && near(vx, other.vx) && near(vy, other.vy);
  }
};

inline std::ostream& operator<<(std::ostream& out, const Particle& p) {
  return out << "corner (" << p.x << ", " << p.y << ") velocity (" << p.vx << ", " << p.vy << ")";
}

inline Particle Particle_Of(const Draw_Controler& model, int i) {
  return {model.ellipse_left[i], model.ellipse_top[i], model.vel_x[i], model.vel_y[i]};
}

// Puts particle i where `p` says, with the size of a small particle or, for
// number particle_count + 1, of the target.
inline void Place(Draw_Controler& model, int i, const Particle& p) {
  const double size = i == model.particle_count + 1 ? 40.0 : 5.0;
  model.ellipse_left[i] = p.x;
  model.ellipse_top[i] = p.y;
  model.ellipse_right[i] = p.x + size;
  model.ellipse_bottom[i] = p.y + size;
  model.vel_x[i] = p.vx;
  model.vel_y[i] = p.vy;
}
