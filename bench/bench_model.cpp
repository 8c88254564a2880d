// The time step at its heaviest (200 particles, the target on, tracing on, a
// full path, so every step shifts both histories and rebuilds all 389
// segments), beside the memory work such a step cannot avoid, done plainly:
// shifting the two histories, writing the segments, moving the particles.
// Prints the two medians' ratio at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "draw_controler.h"

namespace {

std::unique_ptr<Draw_Controler> Full_Model() {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(7);
  model->trace_on = 1;
  model->Initialize();
  for (int k = 0; k < Draw_Controler::trace_capacity; ++k) {
    model->trace_x->Push(k);
    model->trace_y->Push(k);
  }
  return model;
}

void BM_Step(benchmark::State& state) {
  auto model = Full_Model();
  for (auto _ : state) {
    // A sample every step, collision or not, keeps the shift in each one.
    model->trace_x->Push(1.0);
    model->trace_y->Push(1.0);
    model->Move();
    benchmark::DoNotOptimize(model->line_count);
  }
}
BENCHMARK(BM_Step);

void BM_Memory_Floor(benchmark::State& state) {
  auto model = Full_Model();
  Draw_Controler& m = *model;
  const int n = Draw_Controler::trace_capacity;
  for (auto _ : state) {
    for (Trace* trace : {m.trace_x.get(), m.trace_y.get()}) {
      std::memmove(trace->data.get(), trace->data.get() + 1, (n - 1) * sizeof(double));
      trace->data[n - 1] = 1.0;
    }
    const double* xs = m.trace_x->data.get();
    const double* ys = m.trace_y->data.get();
    std::copy(xs + 1, xs + n, m.line_x1 + 1);
    std::copy(ys + 1, ys + n, m.line_y1 + 1);
    std::copy(xs, xs + n - 1, m.line_x2 + 1);
    std::copy(ys, ys + n - 1, m.line_y2 + 1);
    std::fill(m.line_pen + 1, m.line_pen + n, colours::magenta);
    for (int i = 1; i <= 201; ++i) {
      m.ellipse_left[i] += m.vel_x[i];
      m.ellipse_top[i] += m.vel_y[i];
      m.ellipse_right[i] += m.vel_x[i];
      m.ellipse_bottom[i] += m.vel_y[i];
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memory_Floor);

void BM_Initialize(benchmark::State& state) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(7);
  for (auto _ : state) {
    model->Initialize();
    benchmark::DoNotOptimize(model->ellipse_left[1]);
  }
}
BENCHMARK(BM_Initialize);

// Prints as usual and keeps each benchmark's CPU time per step: the median
// when repetitions are asked for, else the single run.
struct Ratio_Reporter : benchmark::ConsoleReporter {
  std::map<std::string, double> cpu_ns;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration && cpu_ns.count(run.run_name.function_name) == 0) {
        cpu_ns[run.run_name.function_name] = run.GetAdjustedCPUTime();
      } else if (median) {
        cpu_ns[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto step = reporter.cpu_ns.find("BM_Step"), floor = reporter.cpu_ns.find("BM_Memory_Floor");
  if (step != reporter.cpu_ns.end() && floor != reporter.cpu_ns.end()) {
    std::printf("\nStep %.0f ns, memory floor %.0f ns: the step takes %.2f times the floor\n", step->second,
                floor->second, step->second / floor->second);
  }
  benchmark::Shutdown();
  return 0;
}
