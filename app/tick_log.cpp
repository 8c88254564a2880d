// fopen and getenv are what this opt-in log needs; MSVC would rather see its _s forms.
#define _CRT_SECURE_NO_WARNINGS
#include "tick_log.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::FILE* log_file = nullptr;
long long paint_begin_us = 0;

// FILETIME counts 100 ns steps from 1601; the log counts microseconds from 1970.
long long Unix_Us(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<long long>((value.QuadPart - 116444736000000000ULL) / 10ULL);
}

long long Span_Us(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<long long>(value.QuadPart / 10ULL);
}

// Wall time from one anchor plus the performance counter, which is precise
// where the system clock ticks only every 15.6 ms.
LARGE_INTEGER counter_frequency = {};
LARGE_INTEGER counter_anchor = {};
long long wall_anchor_us = 0;

long long Now_Us() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return wall_anchor_us + (now.QuadPart - counter_anchor.QuadPart) * 1000000LL / counter_frequency.QuadPart;
}

}  // namespace

void Tick_Log_Open() {
  const char* path = std::getenv("TUMBLEN_TICK_LOG");
  if (path == nullptr || path[0] == '\0' || log_file != nullptr) return;
  log_file = std::fopen(path, "w");
  if (log_file == nullptr) return;
  FILETIME wall;
  GetSystemTimeAsFileTime(&wall);
  QueryPerformanceFrequency(&counter_frequency);
  QueryPerformanceCounter(&counter_anchor);
  wall_anchor_us = Unix_Us(wall);
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
    std::fprintf(log_file, "start %lld\n", Unix_Us(created));
    std::fflush(log_file);
  }
}

void Tick_Log_Tick(int path_samples) {
  if (log_file == nullptr) return;
  FILETIME created, exited, kernel, user;
  long long cpu = 0;
  if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) cpu = Span_Us(kernel) + Span_Us(user);
  std::fprintf(log_file, "tick %lld %lld %d\n", Now_Us(), cpu, path_samples);
  std::fflush(log_file);
}

void Tick_Log_Paint_Begin() {
  if (log_file != nullptr) paint_begin_us = Now_Us();
}

void Tick_Log_Paint_End() {
  if (log_file == nullptr) return;
  const long long end = Now_Us();
  std::fprintf(log_file, "paint %lld %lld\n", end, end - paint_begin_us);
  std::fflush(log_file);
}
