// Physics check: runs the model headless with a fixed seed and prints a
// Markdown table showing that collisions and walls keep the kinetic energy,
// that the target ends up with a small particle's share of it, whether small
// particles stray outside the box or into the target, and how far the target
// wanders with time (mean squared displacement).
//
//   cmake --preset native && cmake --build --preset native --target tumblen_physics && build/native/bench/tumblen_physics
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

#include "draw_controler.h"

namespace {

constexpr int steps = 10000;
constexpr int burn_in = 2000;  // the target starts at rest; let it pick up its share first
constexpr int lags[] = {1, 10, 100, 1000};
// The slope of log MSD against log lag, between lags 10 and 100: past the
// first steps, and mostly before the walls bound the target's wandering.
constexpr int slope_lo = 1;
constexpr int slope_hi = 2;

struct Point {
  double x, y;
};

double Kinetic(const Draw_Controler& m, int i, double mass) {
  return 0.5 * mass * (m.vel_x[i] * m.vel_x[i] + m.vel_y[i] * m.vel_y[i]);
}

double Total_Energy(const Draw_Controler& m) {
  const int t = m.particle_count + 1;
  double e = Kinetic(m, t, m.mass_ratio);
  for (int i = 1; i < t; ++i) e += Kinetic(m, i, 1.0);
  return e;
}

// Small particles whose corner has left 0..395 on either axis.
int Outside(const Draw_Controler& m) {
  int count = 0;
  for (int i = 1; i <= m.particle_count; ++i) {
    const double x = m.ellipse_left[i], y = m.ellipse_top[i];
    if (x < 0.0 || y < 0.0 || x > 395.0 || y > 395.0) ++count;
  }
  return count;
}

// Small particles whose corner lies strictly inside the target's square.
int Inside_Target(const Draw_Controler& m) {
  const int t = m.particle_count + 1;
  int count = 0;
  for (int i = 1; i < t; ++i) {
    const double x = m.ellipse_left[i], y = m.ellipse_top[i];
    if (m.ellipse_left[t] < x && x < m.ellipse_right[t] && m.ellipse_top[t] < y && y < m.ellipse_bottom[t]) ++count;
  }
  return count;
}

void Run(int particles, double mass, bool periodic) {
  auto m = std::make_unique<Draw_Controler>();
  m->random.Seed(12345);
  m->particle_count = particles;
  m->mass_ratio = mass;
  m->periodic = periodic ? 1 : 0;
  m->target_on = 1;
  m->Advance();  // lays the model out
  const int t = particles + 1;
  const double e0 = Total_Energy(*m);

  double target_sum = 0.0, small_sum = 0.0;
  int max_stray = Outside(*m) + Inside_Target(*m);
  std::vector<Point> path;
  for (int s = 1; s <= steps; ++s) {
    m->Advance();
    const int stray = Outside(*m) + Inside_Target(*m);
    if (stray > max_stray) max_stray = stray;
    if (s < burn_in) continue;
    path.push_back({m->ellipse_left[t] + 20.0, m->ellipse_top[t] + 20.0});
    if (s == burn_in) continue;
    target_sum += Kinetic(*m, t, mass);
    for (int i = 1; i < t; ++i) small_sum += Kinetic(*m, i, 1.0) / particles;
  }
  const double e1 = Total_Energy(*m);
  const double target_mean = target_sum / (steps - burn_in);
  const double small_mean = small_sum / (steps - burn_in);

  double msd[std::size(lags)];
  for (std::size_t k = 0; k < std::size(lags); ++k) {
    const std::size_t lag = lags[k];
    double sum = 0.0;
    for (std::size_t s = 0; s + lag < path.size(); ++s) {
      const double dx = path[s + lag].x - path[s].x, dy = path[s + lag].y - path[s].y;
      sum += dx * dx + dy * dy;
    }
    msd[k] = sum / (path.size() - lag);
  }
  const double slope = std::log(msd[slope_hi] / msd[slope_lo]) /
                       std::log(static_cast<double>(lags[slope_hi]) / lags[slope_lo]);

  std::printf("| %3d | %3g | %-10s | %.15f | %8.1e | %7.2f | %6.2f | %5.2f | %2d + %2d | %3d |", particles, mass,
              periodic ? "periodic" : "reflecting", e1 / e0, (e1 - e0) / e0, target_mean, small_mean,
              target_mean / small_mean, Outside(*m), Inside_Target(*m), max_stray);
  for (double v : msd) std::printf(" %9.1f |", v);
  std::printf(" %4.2f |\n", slope);
}

}  // namespace

int main() {
  std::printf("Seed 12345, %d steps, default temperature, target on; means and MSD after the first %d steps.\n\n",
              steps, burn_in);
  std::printf("| N | M | walls | E end / E start | deviation | target ½M v² | small ½v² | ratio "
              "| out + in target (end) | most at a step | MSD 1 | MSD 10 | MSD 100 | MSD 1000 | slope %d–%d |\n",
              lags[slope_lo], lags[slope_hi]);
  std::printf("|--:|--:|---|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|\n");
  for (int particles : {20, 200})
    for (double mass : {1.0, 20.0, 100.0})
      for (bool periodic : {false, true}) Run(particles, mass, periodic);
}
