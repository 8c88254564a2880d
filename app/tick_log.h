#pragma once

// Timing record for measuring the animation (scripts/measure.sh). Built only
// with the CMake option TUMBLEN_TICK_LOG, and then written only when the
// environment variable TUMBLEN_TICK_LOG names a file. Each line is one event
// with wall time in microseconds since 1970:
//   start <wall_us of process creation>
//   tick <wall_us> <process cpu_us> <samples in the path history>
//   paint <wall_us at the end> <duration_us>
#ifdef TUMBLEN_TICK_LOG
void Tick_Log_Open();
void Tick_Log_Tick(int path_samples);
void Tick_Log_Paint_Begin();
void Tick_Log_Paint_End();
#else
// The program as shipped: no variable read, no file opened.
inline void Tick_Log_Open() {}
inline void Tick_Log_Tick(int) {}
inline void Tick_Log_Paint_Begin() {}
inline void Tick_Log_Paint_End() {}
#endif
