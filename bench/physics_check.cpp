// Physics check: runs the model headless with a fixed seed and prints a
// Markdown table showing that collisions and walls keep the kinetic energy,
// that the target ends up with a small particle's share of it, whether small
// particles stray outside the box or into the target, and how far the target
// wanders with time (mean squared displacement). Given a folder, it also
// writes there what scripts/plots.sh plots: msd.dat, the target's mean squared
// displacement against the lag among 200 particles at mass ratios 1, 20 and
// 100, and path-1.dat and path-20.dat, its centre at every step at mass ratios
// 1 and 20; reflecting walls.
//
//   cmake --preset native && cmake --build --preset native --target tumblen_physics && build/native/bench/tumblen_physics [FOLDER]
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "draw_controler.h"

namespace {

constexpr int steps = 10000;
constexpr int burn_in = 2000;  // the target starts at rest; let it pick up its share first
// The slope of log MSD against log lag, between lags 10 and 100: past the
// first steps, and mostly before the walls bound the target's wandering.
constexpr int slope_lo = 10;
constexpr int slope_hi = 100;
// The plotted lags reach half the steps after the burn-in, so that every
// MSD averages over thousands of pairs.
constexpr int longest_lag = (steps - burn_in) / 2;

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

// Mean squared displacement over `lag` steps along a path, from the end of the burn-in.
double Msd(const std::vector<Point>& path, std::size_t lag) {
  double sum = 0.0;
  for (std::size_t s = burn_in - 1; s + lag < path.size(); ++s) {
    const double dx = path[s + lag].x - path[s].x, dy = path[s + lag].y - path[s].y;
    sum += dx * dx + dy * dy;
  }
  return sum / (path.size() - lag - (burn_in - 1));
}

// Prints the run's row of the table and returns the target's centre at every step.
std::vector<Point> Run(int particles, double mass, bool periodic) {
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
    path.push_back({m->ellipse_left[t] + 20.0, m->ellipse_top[t] + 20.0});
    if (s <= burn_in) continue;
    target_sum += Kinetic(*m, t, mass);
    for (int i = 1; i < t; ++i) small_sum += Kinetic(*m, i, 1.0) / particles;
  }
  const double e1 = Total_Energy(*m);
  const double target_mean = target_sum / (steps - burn_in);
  const double small_mean = small_sum / (steps - burn_in);

  const double slope = std::log(Msd(path, slope_hi) / Msd(path, slope_lo)) /
                       std::log(static_cast<double>(slope_hi) / slope_lo);

  std::printf("| %3d | %3g | %-10s | %8.1e | %4.2f | %2d | %4.2f |\n", particles, mass,
              periodic ? "periodic" : "reflecting", (e1 - e0) / e0, target_mean / small_mean, max_stray, slope);
  return path;
}

void Write_Path(const std::string& name, const std::vector<Point>& path) {
  FILE* f = std::fopen(name.c_str(), "w");
  for (const Point& p : path) std::fprintf(f, "%.3f %.3f\n", p.x, p.y);
  std::fclose(f);
}

// One row a lag, about twenty lags a decade, one column a mass ratio.
void Write_Msd(const std::string& name, const std::map<double, std::vector<Point>>& paths) {
  FILE* f = std::fopen(name.c_str(), "w");
  std::fprintf(f, "# lag");
  for (const auto& [mass, path] : paths) std::fprintf(f, " M=%g", mass);
  for (int lag = 1; lag <= longest_lag; lag += 1 + lag / 10) {
    std::fprintf(f, "\n%d", lag);
    for (const auto& [mass, path] : paths) std::fprintf(f, " %.4g", Msd(path, lag));
  }
  std::fprintf(f, "\n");
  std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("Seed 12345, %d steps, default temperature, target on; means and MSD after the first %d steps.\n\n",
              steps, burn_in);
  std::printf("| N | M | walls | energy change | target's energy / a small particle's "
              "| most small particles astray at a step | MSD slope, lags %d–%d |\n",
              slope_lo, slope_hi);
  std::printf("|--:|--:|---|--:|--:|--:|--:|\n");
  std::map<double, std::vector<Point>> plotted;  // 200 particles, reflecting walls
  for (int particles : {20, 200})
    for (double mass : {1.0, 20.0, 100.0})
      for (bool periodic : {false, true}) {
        std::vector<Point> path = Run(particles, mass, periodic);
        if (particles == 200 && !periodic) plotted[mass] = std::move(path);
      }
  if (argc < 2) return 0;
  const std::string folder = argv[1];
  Write_Msd(folder + "/msd.dat", plotted);
  Write_Path(folder + "/path-1.dat", plotted[1.0]);
  Write_Path(folder + "/path-20.dat", plotted[20.0]);
}
