#include <benchmark/benchmark.h>

#include <memory>

#include "draw_controler.h"

namespace {

// A full step as the animation sees it at its heaviest: 200 particles, the
// target on, tracing on and a full path, so every step shifts the whole
// history and rebuilds all its segments.
void BM_Move_Full_Trace(benchmark::State& state) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(7);
  model->particle_count = 200;
  model->target_on = 1;
  model->trace_on = 1;
  model->Initialize();
  for (int k = 0; k < Draw_Controler::trace_capacity; ++k) {
    model->trace_x->Push(k);
    model->trace_y->Push(k);
  }
  for (auto _ : state) {
    // Keep the shift and the rebuild in every step, collision or not.
    model->trace_x->Push(1.0);
    model->trace_y->Push(1.0);
    model->Move();
    benchmark::DoNotOptimize(model->line_count);
  }
}
BENCHMARK(BM_Move_Full_Trace);

void BM_Initialize(benchmark::State& state) {
  auto model = std::make_unique<Draw_Controler>();
  model->random.Seed(7);
  for (auto _ : state) {
    model->Initialize();
    benchmark::DoNotOptimize(model->ellipse_left[1]);
  }
}
BENCHMARK(BM_Initialize);

}  // namespace
