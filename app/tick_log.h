#pragma once

// Timing record for measuring the animation, compiled in only by the
// measuring build (TUMBLEN_TICK_LOG); otherwise every call is empty.
#ifdef TUMBLEN_TICK_LOG
void Tick_Log_Open();
void Tick_Log_Tick(int path_samples);
void Tick_Log_Paint_Begin();
void Tick_Log_Paint_End();
#else
inline void Tick_Log_Open() {}
inline void Tick_Log_Tick(int) {}
inline void Tick_Log_Paint_Begin() {}
inline void Tick_Log_Paint_End() {}
#endif
